#pragma once

#include "articleindex.h"
#include "foldedtext.h"

#include <QString>
#include <QVector>

namespace Norms {

/// A place where a text names an article of the Civil Code that the program holds.
struct ArticleReference
{
    TextSpan span; ///< the words to make a link of: "art. 537" for the first of a list, "582" after
    ArticleNumber article;

    friend bool operator==(const ArticleReference&, const ArticleReference&) = default;
};

/// The references to articles of Book II that a prose text makes: "articolo
/// 542", "artt. 565 e seguenti", "dell'art.540", "art. 537, secondo comma",
/// "articoli 581 e 582" (two references), "art. 476 c.c.", a bare "768-bis".
/// A reference to another code or law ("art. 789 c.p.c.", "art. 46 della
/// legge n. 218", "L. 76/2016 art. 1") or to an article the index does not
/// hold is left out, so every reference names an entry of `index`. In the
/// order of the text, never overlapping.
QVector<ArticleReference> findArticleReferences(const QString& text,
                                                const ArticleIndex& index = ArticleIndex::codice());

/// The article numbers of a plain list such as "540 542 581" or "565, 768-bis":
/// each number that names an entry of `index`, its span the number alone.
QVector<ArticleReference> findArticleNumbers(const QString& text,
                                             const ArticleIndex& index = ArticleIndex::codice());

} // namespace Norms

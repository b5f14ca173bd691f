#pragma once

#include "foldedtext.h"
#include "normstitles.h"

#include <QString>
#include <QVector>
#include <compare>
#include <optional>

namespace Norms {

/// An article number of the code: 768, or 768-bis (suffix 2), 768-ter (3) ...
struct ArticleNumber
{
    int number = 0;
    int suffix = 0; ///< 0 plain, 2 bis, 3 ter, 4 quater ... 10 decies

    /// Reads "768", "768-bis", "768 bis", "768bis", "Art. 768-bis", in any case.
    static std::optional<ArticleNumber> parse(const QString& text);
    /// "768" or "768-bis".
    QString toString() const;

    friend auto operator<=>(const ArticleNumber&, const ArticleNumber&) = default;
};

/// One entry of a pane: an article, or a run of repealed articles printed as
/// one entry ("Art. 545-547 (abrogati) ").
struct Article
{
    ArticleNumber first;
    ArticleNumber last; ///< equal to first but for a run
    QString label;      ///< "456", "768-bis", "545-547"
    QString heading;    ///< the article's heading, "(abrogato)" for a repealed one
    QString text;       ///< the entry's lines, as the pane shows them
    bool repealed = false;
    WindowId title = WindowId::titoloI;
    int pane = 0;           ///< 0 for Text1
    int line = 0;           ///< line of the pane where the entry begins
    qsizetype position = 0; ///< character of the pane where the entry begins

    bool covers(ArticleNumber number) const { return first <= number && number <= last; }
};

/// An article found by a search, with the words around the first match.
struct ArticleMatch
{
    const Article* article = nullptr;
    TextSpan span;   ///< the first match, inside article->text
    QString context; ///< the words around it, on one line
};

/// Every entry of the panes, in the order of the code, for lookups and search.
class ArticleIndex
{
public:
    /// Reads the panes of the given Titles.
    explicit ArticleIndex(const std::vector<TitleDescription>& titles);

    /// The index of all five Titles, read once.
    static const ArticleIndex& codice();

    /// The entries of one pane's text.
    static QVector<Article> parsePane(const QString& text, WindowId title, int pane);

    const QVector<Article>& articles() const { return m_articles; }

    /// The entry that holds the article (a repealed run holds each of its numbers).
    const Article* find(ArticleNumber number) const;
    const Article* find(const QString& number) const;

    /// Paragraph (comma) `paragraph` of an article, 1 the first, without the
    /// article's number and heading; empty when the article has no such paragraph.
    QString paragraph(const QString& number, int paragraph) const;

    /// The entries whose text contains `needle`, case and accents ignored.
    QVector<ArticleMatch> search(const QString& needle) const;

    /// The words around a stretch of a text, joined on one line.
    static QString contextAround(const QString& text, TextSpan span, int reach = 40);

private:
    QVector<Article> m_articles;
    QVector<FoldedText> m_folded; ///< one per article, same order
};

} // namespace Norms

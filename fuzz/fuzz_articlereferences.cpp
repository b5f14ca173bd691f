// The article links are found in any prose: the law's own texts, the maxims,
// the steps of a derivation. Every reference found must lie inside the text,
// in order and apart from the others, and name an article of Book II
// (456-809) that the program holds.
#include "norms/articlereferences.h"

#include <cstddef>
#include <cstdint>

namespace {

void check(const QString& text, const QVector<Norms::ArticleReference>& references)
{
    const Norms::ArticleIndex& index = Norms::ArticleIndex::codice();
    qsizetype end = 0;
    for (const Norms::ArticleReference& reference : references) {
        if (reference.span.start < end || reference.span.length <= 0 ||
            reference.span.start + reference.span.length > text.size())
            __builtin_trap();
        end = reference.span.start + reference.span.length;
        if (reference.article.number < 456 || reference.article.number > 809)
            __builtin_trap();
        if (!index.find(reference.article))
            __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    check(text, Norms::findArticleReferences(text));
    const QVector<Norms::ArticleReference> numbers = Norms::findArticleNumbers(text);
    check(text, numbers);
    // In a plain list the span is the number alone, and reads as that number.
    for (const Norms::ArticleReference& reference : numbers) {
        const auto read =
            Norms::ArticleNumber::parse(text.mid(reference.span.start, reference.span.length));
        if (!read || *read != reference.article)
            __builtin_trap();
    }
    return 0;
}

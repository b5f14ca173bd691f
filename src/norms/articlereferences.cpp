#include "articlereferences.h"

#include <QRegularExpression>
#include <algorithm>

namespace Norms {

namespace {

QRegularExpression pattern(const QString& source)
{
    return QRegularExpression(source, QRegularExpression::CaseInsensitiveOption |
                                          QRegularExpression::UseUnicodePropertiesOption);
}

QRegularExpressionMatch matchAt(const QRegularExpression& re, const QString& text, qsizetype at)
{
    return re.match(text, at, QRegularExpression::NormalMatch,
                    QRegularExpression::AnchorAtOffsetMatchOption);
}

/// "art.", "artt.", "articolo", "articoli"; the apostrophe of "dell'art." is no letter.
const QRegularExpression& introducer()
{
    static const QRegularExpression re = pattern(
        QStringLiteral(R"((?<![\p{L}\d])(?:artt?\.|articol[oi](?!\p{L})|art(?=\s+\d))\s*)"));
    return re;
}

const QRegularExpression& plainNumber()
{
    static const QRegularExpression re = pattern(QStringLiteral(R"(\d{1,6}(?![\p{L}\d]))"));
    return re;
}

/// "768-bis", "768 bis", "768bis": the word is checked against the Latin suffixes.
const QRegularExpression& suffixedNumber()
{
    static const QRegularExpression re =
        pattern(QStringLiteral(R"(\d{1,6}(?:\s*-\s*|\s?)\p{L}+(?![\p{L}\d]))"));
    return re;
}

/// A bare number with a Latin suffix, which in these texts names an article.
const QRegularExpression& bareSuffixedNumber()
{
    static const QRegularExpression re =
        pattern(QStringLiteral(R"((?<![\p{L}\d.\-])\d{1,6}-\p{L}+(?![\p{L}\d]))"));
    return re;
}

/// What may stand between a number and the next: ", secondo comma", ", n. 5".
const QRegularExpression& qualifier()
{
    static const QRegularExpression re = pattern(QStringLiteral(
        R"(\s*,?\s*(?:(?:primo|secondo|terzo|quarto|quinto|sesto|settimo|ottavo|nono|decimo|)"
        R"(ultimo|penultimo|unico)\s+(?:comma|periodo|capoverso)|(?:comma|co\.)\s*\d+(?:-\p{L}+)?|)"
        R"(\d+\s*[°º]\s*comma|nn?\.\s*\d+|numer[oi]\s+\d+|lett(?:era|\.)\s*\p{L}\)?)(?![\p{L}\d]))"));
    return re;
}

/// What joins two numbers of one list: "581 e 582", "592, 593", "611 a 615", "528-532".
const QRegularExpression& separator()
{
    static const QRegularExpression re =
        pattern(QStringLiteral(R"((?:\s*,\s*(?:(?:e|ed|o|oppure)\s+)?|\s*-\s*|)"
                               R"(\s+(?:e|ed|o|oppure|a|al|e\s+al|fino\s+al)\s+)(?=\d))"));
    return re;
}

const QRegularExpression& following()
{
    static const QRegularExpression re =
        pattern(QStringLiteral(R"(\s*(?:e\s+)?(?:seguenti|segg\.|ss\.|sgg\.))"));
    return re;
}

/// Another code or law named right after the numbers: "c.p.c.", "Cost.",
/// "disp. att.", "della legge n. 218", "del codice di procedura penale".
const QRegularExpression& otherCodeAfter()
{
    static const QRegularExpression re = pattern(QStringLiteral(
        R"(\s*[,;]?\s*(?:(?:del|della|dello|dei|delle|degli|dell['’])\s*)?(?:stess[oa]\s+)?)"
        R"((?:c\.\s*p\.|c\.\s*n\.|cod\.\s*(?:proc|pen|nav)|codice\s+(?:di|penale|della|del|dei|delle)(?!\p{L})|)"
        R"(cost\.|costituzione(?!\p{L})|disp\.|disposizioni\s+(?:di\s+att|trans|prel|sulla)|)"
        R"(preleggi(?!\p{L})|legge(?!\p{L})|l\.\s*(?:n\.\s*)?\d|l\.\s*fall|d\.\s*lgs|d\.\s*l\.|)"
        R"(d\.\s*p\.\s*r|dpr(?!\p{L})|r\.\s*d\.|decreto(?!\p{L})|regolamento(?!\p{L})|reg\.|)"
        R"(t\.\s*u\.|testo\s+unico|tuir(?!\p{L})|convenzione(?!\p{L})|trattato(?!\p{L})|)"
        R"(direttiva(?!\p{L})|cedu(?!\p{L})))"));
    return re;
}

/// Another code or law named right before the word "art.": "L. 76/2016 art. 1",
/// "c.p.c., art. 789", "disp. att. c.c. art. 5".
const QRegularExpression& otherCodeBefore()
{
    static const QRegularExpression re = pattern(QStringLiteral(
        R"((?:(?<!\p{L})(?:l|legge|d\.\s*lgs|d\.\s*l|d\.\s*p\.\s*r|dpr|r\.\s*d)\.?\s*(?:n\.\s*)?\d+)"
        R"((?:\s*/\s*\d+)?(?:\s+del\s+\d{4})?|(?<!\p{L})n\.\s*\d+(?:\s*/\s*\d+)?(?:\s+del\s+\d{4})?|)"
        R"((?<!\p{L})(?:c\.\s*p\.(?:\s*[cp]\.)?|cost\.|disp\.\s*att\.(?:\s*c\.\s*c\.)?|)"
        R"(cod\.\s*proc\.\s*(?:civ|pen)\.|cod\.\s*pen\.))\s*[,:]?\s*$)"));
    return re;
}

constexpr qsizetype kLookBehind = 60;

bool otherCodeBeforeAt(const QString& text, qsizetype start)
{
    const qsizetype from = std::max<qsizetype>(0, start - kLookBehind);
    return otherCodeBefore().match(text.mid(from, start - from)).hasMatch();
}

bool otherCodeAfterAt(const QString& text, qsizetype end)
{
    return matchAt(otherCodeAfter(), text, end).hasMatch();
}

struct NumberAt
{
    ArticleNumber number;
    TextSpan span;
};

/// The article number that begins exactly at `at`, if one does.
std::optional<NumberAt> numberAt(const QString& text, qsizetype at)
{
    const QRegularExpressionMatch suffixed = matchAt(suffixedNumber(), text, at);
    if (suffixed.hasMatch()) {
        if (const std::optional<ArticleNumber> number = ArticleNumber::parse(suffixed.captured()))
            return NumberAt{*number, {at, suffixed.capturedLength()}};
    }
    const QRegularExpressionMatch plain = matchAt(plainNumber(), text, at);
    if (!plain.hasMatch())
        return std::nullopt;
    return NumberAt{{plain.captured().toInt(), 0}, {at, plain.capturedLength()}};
}

qsizetype skip(const QRegularExpression& re, const QString& text, qsizetype at)
{
    const QRegularExpressionMatch match = matchAt(re, text, at);
    return match.hasMatch() ? match.capturedEnd() : at;
}

/// The numbers of one list after "art." and where the list ends.
struct NumberList
{
    QVector<NumberAt> numbers;
    qsizetype end = 0;
};

NumberList numberList(const QString& text, qsizetype at)
{
    NumberList list;
    list.end = at;
    while (const std::optional<NumberAt> number = numberAt(text, at)) {
        list.numbers.append(*number);
        at = number->span.start + number->span.length;
        for (qsizetype next = skip(qualifier(), text, at); next != at;
             next = skip(qualifier(), text, at))
            at = next;
        list.end = at;
        const QRegularExpressionMatch joint = matchAt(separator(), text, at);
        if (!joint.hasMatch())
            break;
        at = joint.capturedEnd();
    }
    return list;
}

struct Collector
{
    const QString& text;
    const ArticleIndex& index;
    QVector<ArticleReference> references;

    void add(ArticleNumber number, TextSpan span)
    {
        if (index.find(number))
            references.append({span, number});
    }
};

/// The references made through "art.", "articoli" and the like; `consumed`
/// receives the stretches read, so that a bare number inside them is not read again.
void introducedReferences(Collector& collector, QVector<TextSpan>& consumed)
{
    const QString& text = collector.text;
    qsizetype at = 0;
    while (true) {
        const QRegularExpressionMatch word = introducer().match(text, at);
        if (!word.hasMatch())
            return;
        const NumberList list = numberList(text, word.capturedEnd());
        at = std::max(word.capturedEnd(), list.end);
        if (list.numbers.isEmpty())
            continue;
        const qsizetype start = word.capturedStart();
        consumed.append({start, list.end - start});
        if (otherCodeBeforeAt(text, start) ||
            otherCodeAfterAt(text, skip(following(), text, list.end)))
            continue;
        for (qsizetype i = 0; i < list.numbers.size(); ++i) {
            TextSpan span = list.numbers.at(i).span;
            if (i == 0)
                span = {start, span.start + span.length - start};
            collector.add(list.numbers.at(i).number, span);
        }
    }
}

bool inside(const QVector<TextSpan>& spans, qsizetype position)
{
    return std::any_of(spans.cbegin(), spans.cend(), [position](const TextSpan& span) {
        return span.start <= position && position < span.start + span.length;
    });
}

void bareReferences(Collector& collector, const QVector<TextSpan>& consumed)
{
    const QString& text = collector.text;
    QRegularExpressionMatchIterator it = bareSuffixedNumber().globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        const qsizetype start = match.capturedStart();
        if (inside(consumed, start))
            continue;
        const std::optional<ArticleNumber> number = ArticleNumber::parse(match.captured());
        if (!number || otherCodeBeforeAt(text, start) ||
            otherCodeAfterAt(text, match.capturedEnd()))
            continue;
        collector.add(*number, {start, match.capturedLength()});
    }
}

} // namespace

QVector<ArticleReference> findArticleReferences(const QString& text, const ArticleIndex& index)
{
    Collector collector{text, index, {}};
    QVector<TextSpan> consumed;
    introducedReferences(collector, consumed);
    bareReferences(collector, consumed);
    std::sort(collector.references.begin(), collector.references.end(),
              [](const ArticleReference& a, const ArticleReference& b) {
                  return a.span.start < b.span.start;
              });
    return collector.references;
}

QVector<ArticleReference> findArticleNumbers(const QString& text, const ArticleIndex& index)
{
    static const QRegularExpression token =
        pattern(QStringLiteral(R"((?<![\p{L}\d])\d{1,6}(?:-\p{L}+)?(?![\p{L}\d]))"));
    Collector collector{text, index, {}};
    QRegularExpressionMatchIterator it = token.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        if (const std::optional<NumberAt> number = numberAt(text, match.capturedStart()))
            collector.add(number->number, number->span);
    }
    return collector.references;
}

} // namespace Norms

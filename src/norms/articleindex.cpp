#include "articleindex.h"

#include <QRegularExpression>

#include <algorithm>

namespace Norms {

namespace {

const QStringList& suffixNames()
{
    static const QStringList names{QString(),
                                   QString(),
                                   QStringLiteral("bis"),
                                   QStringLiteral("ter"),
                                   QStringLiteral("quater"),
                                   QStringLiteral("quinquies"),
                                   QStringLiteral("sexies"),
                                   QStringLiteral("septies"),
                                   QStringLiteral("octies"),
                                   QStringLiteral("novies"),
                                   QStringLiteral("decies")};
    return names;
}

std::optional<int> suffixRank(const QString& name)
{
    if (name.isEmpty())
        return 0;
    const qsizetype rank = suffixNames().indexOf(name.toLower());
    if (rank < 2)
        return std::nullopt;
    return static_cast<int>(rank);
}

bool isHeadingLine(const QString& line)
{
    static const QRegularExpression heading(QStringLiteral("^(Capo|Sezione) [IVXL]+(-[a-z]+)? ?$"));
    return heading.match(line).hasMatch();
}

const QRegularExpression& entryStart()
{
    // "Art. 456 ", "Art. 768-bis ", "Art. 545-547 (abrogati) "
    static const QRegularExpression start(
        QStringLiteral("^Art\\. (\\d+)(?:-(\\d+)|-([a-z]+))?(?: |$)"));
    return start;
}

/// Number, heading and repeal of the entry whose first line is `line`.
std::optional<Article> entryHead(const QString& line)
{
    const QRegularExpressionMatch match = entryStart().match(line);
    if (!match.hasMatch())
        return std::nullopt;
    const std::optional<int> suffix = suffixRank(match.captured(3));
    if (!suffix)
        return std::nullopt;
    Article article;
    article.first = {match.captured(1).toInt(), *suffix};
    article.last = article.first;
    if (match.capturedLength(2) > 0)
        article.last = {match.captured(2).toInt(), 0};
    article.label = line.mid(5, match.capturedEnd(0) - 5).trimmed();
    const QString rest = line.mid(match.capturedEnd(0)).trimmed();
    article.repealed = rest == QStringLiteral("(abrogato)") || rest == QStringLiteral("(abrogati)");
    const qsizetype dash = rest.indexOf(QStringLiteral(" - "));
    article.heading = dash >= 0 ? rest.left(dash) : rest;
    return article;
}

} // namespace

std::optional<ArticleNumber> ArticleNumber::parse(const QString& text)
{
    static const QRegularExpression number(
        QStringLiteral("^\\s*(?:art(?:icolo|\\.)?\\s*)?(\\d+)\\s*(?:-?\\s*([a-z]+))?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const std::optional<int> suffix = suffixRank(match.captured(2));
    if (!suffix)
        return std::nullopt;
    bool ok = false;
    const int value = match.captured(1).toInt(&ok);
    if (!ok)
        return std::nullopt;
    return ArticleNumber{value, *suffix};
}

QString ArticleNumber::toString() const
{
    if (suffix == 0)
        return QString::number(number);
    return QString::number(number) + u'-' + suffixNames().at(suffix);
}

QVector<Article> ArticleIndex::parsePane(const QString& text, WindowId title, int pane)
{
    QVector<Article> articles;
    const QStringList lines = text.split(u'\n');
    qsizetype position = 0;
    std::optional<Article> open;
    QStringList body;
    const auto close = [&] {
        if (!open)
            return;
        open->text = body.join(u'\n');
        articles.append(*open);
        open.reset();
        body.clear();
    };
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines.at(i);
        std::optional<Article> head = entryHead(line);
        if (head || line.trimmed().isEmpty() || isHeadingLine(line))
            close();
        if (head) {
            open = std::move(head);
            open->title = title;
            open->pane = pane;
            open->line = i;
            open->position = position;
        }
        if (open)
            body.append(line);
        position += line.size() + 1;
    }
    close();
    return articles;
}

ArticleIndex::ArticleIndex(const std::vector<TitleDescription>& titles)
{
    for (const TitleDescription& title : titles) {
        for (int pane = 0; pane < static_cast<int>(title.panes.size()); ++pane) {
            const auto size = static_cast<std::size_t>(pane);
            m_articles.append(parsePane(paneText(title.panes.at(size)), title.id, pane));
        }
    }
    m_folded.reserve(m_articles.size());
    for (const Article& article : m_articles)
        m_folded.append(FoldedText(article.text));
}

const ArticleIndex& ArticleIndex::codice()
{
    static const ArticleIndex index(titles());
    return index;
}

const Article* ArticleIndex::find(ArticleNumber number) const
{
    // The entries follow the code, each after the one before: the entry that
    // may cover `number` is the last one starting at or before it.
    const auto after =
        std::upper_bound(m_articles.cbegin(), m_articles.cend(), number,
                         [](ArticleNumber n, const Article& article) { return n < article.first; });
    if (after == m_articles.cbegin())
        return nullptr;
    const Article& article = *std::prev(after);
    return article.covers(number) ? &article : nullptr;
}

const Article* ArticleIndex::find(const QString& number) const
{
    const std::optional<ArticleNumber> parsed = ArticleNumber::parse(number);
    return parsed ? find(*parsed) : nullptr;
}

QString ArticleIndex::paragraph(const QString& number, int paragraph) const
{
    const Article* article = find(number);
    if (!article || paragraph < 1)
        return {};
    const QStringList lines = article->text.split(u'\n', Qt::SkipEmptyParts);
    if (paragraph > lines.size())
        return {};
    const QString line = lines.at(paragraph - 1).trimmed();
    if (paragraph > 1)
        return line;
    // The first line opens with "Art. 540 Riserva a favore del coniuge - ".
    const qsizetype dash = line.indexOf(QStringLiteral(" - "));
    return dash < 0 ? line : line.mid(dash + 3);
}

QVector<ArticleMatch> ArticleIndex::search(const QString& needle) const
{
    QVector<ArticleMatch> matches;
    for (qsizetype i = 0; i < m_articles.size(); ++i) {
        const QVector<TextSpan> spans = m_folded.at(i).findAll(needle);
        if (spans.isEmpty())
            continue;
        const Article& article = m_articles.at(i);
        matches.append({&article, spans.first(), contextAround(article.text, spans.first())});
    }
    return matches;
}

QString ArticleIndex::contextAround(const QString& text, TextSpan span, int reach)
{
    qsizetype start = std::max<qsizetype>(0, span.start - reach);
    while (start > 0 && !text.at(start - 1).isSpace())
        --start;
    qsizetype end = std::min(text.size(), span.start + span.length + reach);
    while (end < text.size() && !text.at(end).isSpace())
        ++end;
    QString context = text.mid(start, end - start).simplified();
    if (start > 0)
        context.prepend(QStringLiteral("..."));
    if (end < text.size())
        context.append(QStringLiteral("..."));
    return context;
}

} // namespace Norms

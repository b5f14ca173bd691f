#include "foldedtext.h"

namespace Norms {

namespace {

QChar plainQuote(QChar c)
{
    switch (c.unicode()) {
    case 0x2018:
    case 0x2019:
    case 0x00B4:
    case 0x0060:
        return u'\'';
    case 0x201C:
    case 0x201D:
    case 0x00AB:
    case 0x00BB:
        return u'"';
    case 0x00A0:
        return u' ';
    default:
        return c;
    }
}

/// The folded form of one character: several characters for "ß" and the like,
/// none for a lone combining accent.
QString foldChar(QChar c)
{
    const QString decomposed = QString(plainQuote(c)).normalized(QString::NormalizationForm_D);
    QString kept;
    for (QChar part : decomposed) {
        if (part.category() != QChar::Mark_NonSpacing)
            kept.append(part);
    }
    return kept.toCaseFolded();
}

} // namespace

FoldedText::FoldedText(const QString& text) : m_originalLength(text.size())
{
    m_folded.reserve(text.size());
    m_origin.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QString folded = foldChar(text.at(i));
        m_folded.append(folded);
        m_origin.insert(m_origin.size(), folded.size(), i);
    }
}

QString FoldedText::fold(const QString& text)
{
    return FoldedText(text).m_folded;
}

TextSpan FoldedText::original(qsizetype foldedStart, qsizetype foldedLength) const
{
    const qsizetype start = m_origin.at(foldedStart);
    const qsizetype endFolded = foldedStart + foldedLength;
    const qsizetype end = endFolded < m_origin.size() ? m_origin.at(endFolded) : m_originalLength;
    return {start, end - start};
}

QVector<TextSpan> FoldedText::findAll(const QString& needle) const
{
    QVector<TextSpan> spans;
    const QString key = fold(needle);
    if (key.isEmpty())
        return spans;
    for (qsizetype at = m_folded.indexOf(key); at >= 0; at = m_folded.indexOf(key, at + key.size()))
        spans.append(original(at, key.size()));
    return spans;
}

} // namespace Norms

#include "tips.h"

#include "cp1252.h"
#include "inputfile.h"

#include <QStringDecoder>

#include <algorithm>

namespace {

// Lines end with CR LF; a lone CR or LF ends a line too, and a final line end
// does not start another tip.
QStringList splitLines(const QString& text)
{
    const auto next = [&text](char16_t end, qsizetype from) {
        const qsizetype at = text.indexOf(end, from);
        return at < 0 ? text.size() : at;
    };
    QStringList lines;
    qsizetype cr = -1;
    qsizetype lf = -1;
    for (qsizetype start = 0; start < text.size();) {
        if (cr < start)
            cr = next(u'\r', start);
        if (lf < start)
            lf = next(u'\n', start);
        qsizetype end = std::min(cr, lf);
        lines.append(text.sliced(start, end - start));
        if (end == cr && end + 1 == lf)
            ++end;
        start = end + 1;
    }
    return lines;
}

} // namespace

QString Tips::fileName()
{
    return QStringLiteral("QuotaraSuggerimenti.TXT");
}

QString Tips::missingFileText()
{
    const QString lineEnd = QStringLiteral("\r\n");
    return QStringLiteral("Impossibile trovare il file ") + fileName() + lineEnd + lineEnd +
           QStringLiteral("Creare un file di testo denominato ") + fileName() +
           QStringLiteral(" utilizzando il Blocco note e inserendo un suggerimento per ogni "
                          "riga. ") +
           QStringLiteral("Inserire il file nella stessa directory dell'applicazione. ");
}

QString Tips::unreadableFileText(const QString& fault)
{
    return QStringLiteral("Impossibile leggere il file %1: %2.").arg(fileName(), fault);
}

QString Tips::decode(const QByteArray& bytes)
{
    // A file saved in UTF-8 by a newer editor: Windows-1252 text with its
    // accented letters is almost never valid UTF-8, and plain ASCII reads the
    // same either way.
    const QByteArray mark("\xEF\xBB\xBF");
    const QByteArrayView body =
        bytes.startsWith(mark) ? QByteArrayView(bytes).sliced(mark.size()) : QByteArrayView(bytes);
    if (body.size() < bytes.size() || body.isValidUtf8()) {
        // The mark is gone already: another one is part of the text.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                      QStringDecoder::Flag::ConvertInitialBom);
        const QString text = utf8.decode(body);
        if (!utf8.hasError())
            return text;
    }
    return Cp1252::decode(bytes);
}

QStringList Tips::parse(const QByteArray& bytes)
{
    return splitLines(decode(bytes));
}

bool Tips::LoadTips(const QString& path)
{
    m_fault.clear();
    if (path.isEmpty())
        return false;
    const InputFile::Contents contents = InputFile::read(path, maximumSize);
    if (!contents.bytes) {
        m_fault = contents.fault;
        return false;
    }
    m_items.append(parse(*contents.bytes));
    AdvanceTip();
    return true;
}

void Tips::AdvanceTip()
{
    ++m_position;
    if (m_position > m_items.size())
        m_position = 1;
}

void Tips::previousTip()
{
    if (m_position <= 1)
        return;
    --m_position;
}

QString Tips::currentTip() const
{
    return hasTip() ? m_items.at(m_position - 1) : QString();
}

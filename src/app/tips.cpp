#include "tips.h"

#include "cp1252.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Lines end with CR LF; a lone CR or LF ends a line too, and a final line end
// does not start another tip.
QStringList splitLines(const QString& text)
{
    QStringList lines;
    QString line;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            lines.append(line);
            line.clear();
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            continue;
        }
        line.append(c);
    }
    if (!line.isEmpty())
        lines.append(line);
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

QStringList Tips::parse(const QByteArray& bytes)
{
    return splitLines(Cp1252::decode(bytes));
}

bool Tips::LoadTips(const QString& path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    m_items.append(parse(file.readAll()));
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

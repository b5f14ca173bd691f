#include "casefile.h"

#include "app/cp1252.h"
#include "app/inputfile.h"
#include "app/safesave.h"

#include <QFileDevice>
#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace CaseFile {

namespace {

const QByteArray utf8Mark("\xEF\xBB\xBF");

std::array<QString*, 7> fieldsOf(CaseRecord& record)
{
    return {&record.decuius,    &record.successione, &record.beni,    &record.figli,
            &record.ascendenti, &record.coniuge,     &record.fratelli};
}

std::array<const QString*, 7> fieldsOf(const CaseRecord& record)
{
    return {&record.decuius,    &record.successione, &record.beni,    &record.figli,
            &record.ascendenti, &record.coniuge,     &record.fratelli};
}

/// Characters no field of a case can hold: a binary file shows itself by them.
bool isForeignControl(QChar c)
{
    const char16_t u = c.unicode();
    return (u < 0x20 && u != u'\t') || (u >= 0x7F && u <= 0x9F);
}

bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

/// Reads the fields of a decoded text, one after the other.
class FieldReader
{
public:
    explicit FieldReader(const QString& text) : m_text(text) {}

    bool atEnd() const { return m_pos >= m_text.size(); }

    /// The next field; empty with `fault` set when it is malformed.
    QString next(QString& fault)
    {
        while (!atEnd() && (m_text[m_pos] == u' ' || m_text[m_pos] == u'\t'))
            ++m_pos;
        QString field = !atEnd() && m_text[m_pos] == u'"' ? quoted(fault) : unquoted();
        skipToDelimiter();
        return field;
    }

private:
    QString quoted(QString& fault)
    {
        QString field;
        for (++m_pos; !atEnd(); ++m_pos) {
            const QChar c = m_text[m_pos];
            if (c != u'"') {
                field += c;
                continue;
            }
            if (m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'"') {
                field += c;
                ++m_pos;
                continue;
            }
            ++m_pos;
            return field;
        }
        fault = QStringLiteral("un campo tra virgolette non è chiuso");
        return QString();
    }

    QString unquoted()
    {
        const qsizetype start = m_pos;
        while (!atEnd() && m_text[m_pos] != u',' && !isLineEnd(m_text[m_pos]))
            ++m_pos;
        return m_text.mid(start, m_pos - start);
    }

    /// Passes whatever follows a field up to and including its delimiter: a
    /// comma or one line end (CR LF, CR or LF).
    void skipToDelimiter()
    {
        while (!atEnd() && m_text[m_pos] != u',' && !isLineEnd(m_text[m_pos]))
            ++m_pos;
        if (atEnd())
            return;
        if (m_text[m_pos] == u'\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'\n')
            ++m_pos;
        ++m_pos;
    }

    const QString& m_text;
    qsizetype m_pos = 0;
};

Reading failed(const QString& fault)
{
    return Reading{std::nullopt, fault};
}

std::optional<QString> decodeText(const QByteArray& bytes)
{
    if (!bytes.startsWith(utf8Mark))
        return Cp1252::decode(bytes);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes.mid(utf8Mark.size()));
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace

QByteArray encode(const CaseRecord& record)
{
    QString line;
    for (const QString* field : fieldsOf(record)) {
        if (!line.isEmpty())
            line += u',';
        QString text = *field;
        text.replace(QStringLiteral("\""), QStringLiteral("\"\""));
        line += u'"' + text + u'"';
    }
    line += QStringLiteral("\r\n");
    if (Cp1252::canEncode(line))
        return Cp1252::encode(line);
    return utf8Mark + line.toUtf8();
}

Reading decode(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return failed(QStringLiteral("il file è vuoto"));
    const std::optional<QString> text = decodeText(bytes);
    if (!text)
        return failed(QStringLiteral("il testo non è UTF-8 valido"));
    FieldReader reader(*text);
    CaseRecord record;
    int count = 0;
    for (QString* field : fieldsOf(record)) {
        if (reader.atEnd())
            return failed(QStringLiteral("contiene %1 campi invece di sette").arg(count));
        QString fault;
        *field = reader.next(fault);
        if (!fault.isEmpty())
            return failed(fault);
        ++count;
        if (std::any_of(field->cbegin(), field->cend(), isForeignControl))
            return failed(QStringLiteral("il campo %1 contiene caratteri non ammessi").arg(count));
    }
    return Reading{record, QString()};
}

Reading read(const QString& fileName)
{
    const InputFile::Contents contents = InputFile::read(fileName, maximumSize);
    if (!contents.bytes)
        return failed(contents.fault);
    return decode(*contents.bytes);
}

Reading read(QIODevice& device)
{
    // A pipe hands its bytes over in pieces.
    QByteArray bytes;
    while (bytes.size() <= maximumSize) {
        const QByteArray piece = device.read(maximumSize + 1 - bytes.size());
        if (piece.isEmpty())
            break;
        bytes += piece;
    }
    if (bytes.size() > maximumSize)
        return failed(InputFile::tooLarge(maximumSize));
    if (auto* file = qobject_cast<QFileDevice*>(&device);
        file && file->error() != QFileDevice::NoError)
        return failed(file->errorString());
    return decode(bytes);
}

bool write(const CaseRecord& record, const QString& fileName, QString* error)
{
    const auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    for (const QString* field : fieldsOf(record))
        if (std::any_of(field->cbegin(), field->cend(), isForeignControl))
            return fail(QStringLiteral("un dato contiene caratteri di controllo"));
    // A case the program could not open again is not written.
    const QByteArray bytes = encode(record);
    if (bytes.size() > maximumSize)
        return fail(QStringLiteral("il caso è troppo lungo per un file di dati"));
    return SafeSave::write(bytes, fileName, error);
}

} // namespace CaseFile

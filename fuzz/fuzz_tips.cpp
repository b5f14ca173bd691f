// The tips file is a text anyone may edit, in Windows-1252 or in UTF-8.
// Every byte must read as a character of Windows-1252 and write back as the
// same byte; no tip holds a line end; the tips written again one a line, in
// the code they were read in (UTF-8 with its mark), read again the same.
#include "app/cp1252.h"
#include "app/tips.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    bool encoded = false;
    if (Cp1252::encode(Cp1252::decode(bytes), &encoded) != bytes || !encoded)
        __builtin_trap();
    const QStringList tips = Tips::parse(bytes);
    for (const QString& tip : tips) {
        if (tip.contains(u'\r') || tip.contains(u'\n'))
            __builtin_trap();
    }
    if (tips.isEmpty())
        return 0;
    const QString text = tips.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    const bool utf8 = Tips::decode(bytes) != Cp1252::decode(bytes);
    const QByteArray written =
        utf8 ? QByteArray("\xEF\xBB\xBF") + text.toUtf8() : Cp1252::encode(text);
    if (Tips::parse(written) != tips)
        __builtin_trap();
    return 0;
}

// The tips file is a text anyone may edit. Every byte must read as a
// character and write back as the same byte; no tip holds a line end; the
// tips written again one a line read again as the same tips.
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
    const QByteArray written =
        Cp1252::encode(tips.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    if (Tips::parse(written) != tips)
        __builtin_trap();
    return 0;
}

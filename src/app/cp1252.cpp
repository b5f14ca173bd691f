#include "cp1252.h"

#include <array>

namespace Cp1252 {

namespace {

// The code points of bytes 0x80-0x9F; the rest of the code is Latin-1.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int byteFor(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == c)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

} // namespace

QString decode(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char b : bytes) {
        const auto byte = static_cast<unsigned char>(b);
        text += (byte >= 0x80 && byte <= 0x9F) ? QChar(kHigh[byte - 0x80])
                                               : QChar(static_cast<char16_t>(byte));
    }
    return text;
}

QByteArray encode(const QString& text, bool* ok)
{
    if (ok)
        *ok = true;
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const int byte = byteFor(c.unicode());
        if (byte < 0) {
            bytes += '?';
            if (ok)
                *ok = false;
            continue;
        }
        bytes += static_cast<char>(byte);
    }
    return bytes;
}

bool canEncode(const QString& text)
{
    bool ok = true;
    encode(text, &ok);
    return ok;
}

} // namespace Cp1252

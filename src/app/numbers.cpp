#include "numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Numbers {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

// Rounds half away from zero at `decimals` places; the nudge absorbs the
// binary error of values such as 0.125 or 2.675 that were typed as exact.
double roundHalfAway(double value, int decimals)
{
    // From 2^52 on a double holds no fraction to round, and scaling a value
    // near the largest double would overflow to infinity.
    if (!(std::abs(value) < 0x1p52))
        return value;
    const double scale = std::pow(10.0, decimals);
    const double scaled = std::abs(value) * scale;
    const double rounded =
        std::floor(scaled + 0.5 + scaled * 4 * std::numeric_limits<double>::epsilon());
    return std::copysign(rounded / scale, value);
}

QString withoutTrailingZeros(QString digits, QChar point)
{
    if (!digits.contains(point))
        return digits;
    while (digits.endsWith(u'0'))
        digits.chop(1);
    if (digits.endsWith(point))
        digits.chop(1);
    return digits;
}

// Fifteen significant digits in plain (non-exponent) notation with '.'.
QString plainDigits(double value)
{
    if (value == 0.0 || !std::isfinite(value))
        return QStringLiteral("0");
    const int magnitude = static_cast<int>(std::floor(std::log10(std::abs(value))));
    const int decimals = std::clamp(14 - magnitude, 0, 300);
    QString text = QString::number(value, 'f', decimals);
    text = withoutTrailingZeros(text, u'.');
    if (text == QStringLiteral("-0"))
        return QStringLiteral("0");
    return text;
}

} // namespace

double leadingNumber(const QString& text)
{
    QString taken;
    bool seenDigitOrPoint = false;
    bool seenPoint = false;
    for (const QChar c : text) {
        if (isBlank(c))
            continue;
        if ((c == u'+' || c == u'-') && taken.isEmpty() && !seenDigitOrPoint) {
            taken += c;
            continue;
        }
        if (c.isDigit() && c.unicode() < 128) {
            taken += c;
            seenDigitOrPoint = true;
            continue;
        }
        if (c == u'.' && !seenPoint) {
            taken += c;
            seenPoint = true;
            seenDigitOrPoint = true;
            continue;
        }
        break;
    }
    bool ok = false;
    const double value = taken.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

std::optional<double> localeNumber(const QString& text, const QLocale& locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double value = locale.toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString formatAmount(double value, const QLocale& locale)
{
    return locale.toString(roundHalfAway(value, 2), 'f', 2);
}

QString formatWhole(double value, const QLocale& locale)
{
    return locale.toString(roundHalfAway(value, 0), 'f', 0);
}

QString numberText(double value, const QLocale& locale)
{
    QString text = plainDigits(value);
    text.replace(u'.', locale.decimalPoint());
    return text;
}

QString blankLed(double value)
{
    const QString text = plainDigits(value);
    return text.startsWith(u'-') ? text : u' ' + text;
}

QLocale numberLocale()
{
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C)
        return QLocale(QLocale::Italian, QLocale::Italy);
    return system;
}

void applyNumberLocale()
{
    QLocale::setDefault(numberLocale());
}

} // namespace Numbers

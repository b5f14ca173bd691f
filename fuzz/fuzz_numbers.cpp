// The numbers the user types: the value of the estate, read in the regional
// format, and the counts of heirs, read from their leading digits. Under the
// Italian and the English format, a value that reads is written and read back
// to the same value, and its amount reads back to the value rounded to the
// cent; a count is written and read back to the same count.
#include "app/numbers.h"

#include <QLocale>

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

bool close(double a, double b, double tolerance)
{
    return std::abs(a - b) <= tolerance + std::abs(b) * 1e-14;
}

void checkValue(const QString& text, const QLocale& locale)
{
    const std::optional<double> value = Numbers::localeNumber(text, locale);
    if (!value)
        return;
    const QString written = Numbers::numberText(*value, locale);
    const std::optional<double> again = Numbers::localeNumber(written, locale);
    // Plain digits stop at the 300th decimal: smaller values are written as 0.
    if (!again || !close(*again, *value, 1e-300) || Numbers::numberText(*again, locale) != written)
        __builtin_trap();
    const std::optional<double> amount =
        Numbers::localeNumber(Numbers::formatAmount(*value, locale), locale);
    if (!amount || !close(*amount, *value, 0.005))
        __builtin_trap();
    const std::optional<double> whole =
        Numbers::localeNumber(Numbers::formatWhole(*value, locale), locale);
    if (!whole || !close(*whole, *value, 0.5) || *whole != std::round(*whole))
        __builtin_trap();
}

void checkCount(const QString& text)
{
    const double count = Numbers::leadingNumber(text);
    if (!std::isfinite(count))
        __builtin_trap();
    const QString written = Numbers::blankLed(count);
    const double again = Numbers::leadingNumber(written);
    if (!close(again, count, 0) || Numbers::blankLed(again) != written)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const QLocale& locale : {QLocale(QLocale::Italian, QLocale::Italy),
                                  QLocale(QLocale::English, QLocale::UnitedStates)})
        checkValue(text, locale);
    checkCount(text);
    return 0;
}

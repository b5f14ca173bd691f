#pragma once

#include <QLocale>
#include <QString>
#include <optional>

/// The readings and formats of numbers the program uses. Amounts and
/// percentages follow the user's regional settings; the blank-led form does not.
namespace Numbers {

/// The leading-number reading: blanks are skipped, then an optional sign,
/// digits and at most one decimal point "." are taken from the start of the
/// text; reading stops at the first other character. No number reads as 0.
double leadingNumber(const QString& text);

/// The locale conversion of the whole text (decimal and grouping separators of
/// `locale`, surrounding blanks allowed). No value when the text is not a number.
std::optional<double> localeNumber(const QString& text, const QLocale& locale = QLocale());

/// "##,##0.00": grouping of thousands, two decimals, rounded half away from zero.
QString formatAmount(double value, const QLocale& locale = QLocale());

/// "##,##0": grouping of thousands, no decimals, rounded half away from zero.
QString formatWhole(double value, const QLocale& locale = QLocale());

/// The plain numeric-to-text form of a number in the user's format: decimal
/// separator of the locale, no grouping, no trailing zeros, at most fifteen
/// significant digits ("33,333", "50").
QString numberText(double value, const QLocale& locale = QLocale());

/// The blank-led form: the number with "." as decimal point, preceded by one
/// blank when it is not negative (" 74", "-3", " 1.5").
QString blankLed(double value);

/// The locale to use for numbers: the user's, or Italian where the system
/// has none (the C/POSIX locale of a bare machine).
QLocale numberLocale();

/// Makes numberLocale() the default locale of the process.
void applyNumberLocale();

} // namespace Numbers

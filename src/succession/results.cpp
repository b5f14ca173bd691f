#include "results.h"

#include "app/numbers.h"

double Valore::number() const
{
    const double* value = std::get_if<double>(&m_value);
    return value ? *value : 0.0;
}

QString Valore::textForm(const QLocale& locale) const
{
    if (const QString* text = std::get_if<QString>(&m_value))
        return *text;
    return Numbers::numberText(std::get<double>(m_value), locale);
}

std::optional<double> Valore::toNumber(const QLocale& locale) const
{
    if (const QString* text = std::get_if<QString>(&m_value))
        return Numbers::localeNumber(*text, locale);
    return std::get<double>(m_value);
}

namespace {

template <class Grid> auto& cell(Grid& grid, ResultRow row, ResultColumn column)
{
    return grid[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

} // namespace

Results::Results()
{
    // A succession without a will has no disposable portion: its fraction
    // reads "0", and its amount "0,00" until the first clearing.
    fraction(ResultRow::Disponibile, ResultColumn::Legittima) = QStringLiteral("0");
    amount(ResultRow::Disponibile, ResultColumn::Legittima) = QStringLiteral("0,00");
}

const QString& Results::fraction(ResultRow row, ResultColumn column) const
{
    return cell(fractions, row, column);
}

QString& Results::fraction(ResultRow row, ResultColumn column)
{
    return cell(fractions, row, column);
}

const QString& Results::amount(ResultRow row, ResultColumn column) const
{
    return cell(amounts, row, column);
}

QString& Results::amount(ResultRow row, ResultColumn column)
{
    return cell(amounts, row, column);
}

const Valore& Results::valore(ResultRow row, ResultColumn column) const
{
    return cell(valori, row, column);
}

Valore& Results::valore(ResultRow row, ResultColumn column)
{
    return cell(valori, row, column);
}

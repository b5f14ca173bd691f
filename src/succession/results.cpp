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

template <class Self> auto& fractionOf(Self& self, int row, int column)
{
    switch (row) {
    case 1:
        return self.quotafigli[column];
    case 2:
        return self.quotaascendenti[column];
    case 3:
        return self.quotaconiuge[column];
    case 4:
        return self.quotafratelli[column];
    case 5:
        return self.quotadisponibile[column];
    case 6:
        return self.quotafiglio[column];
    case 7:
        return self.quotaascendente[column];
    default:
        return self.quotafratello[column];
    }
}

} // namespace

const QString& Results::fraction(int row, int column) const
{
    return fractionOf(*this, row, column);
}

QString& Results::fraction(int row, int column)
{
    return fractionOf(*this, row, column);
}

const QString& Results::amount(int row, int column) const
{
    return column == 1 ? quota1[row] : quota2[row];
}

QString& Results::amount(int row, int column)
{
    return column == 1 ? quota1[row] : quota2[row];
}

const Valore& Results::valore(int row, int column) const
{
    return column == 1 ? valori1[row] : valori2[row];
}

Valore& Results::valore(int row, int column)
{
    return column == 1 ? valori1[row] : valori2[row];
}

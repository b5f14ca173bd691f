#include "fraction.h"

Fraction::Fraction(long numerator, long denominator) : m_value(numerator, denominator)
{
    m_value.canonicalize();
}

Fraction::Fraction(mpq_class value) : m_value(std::move(value))
{
    m_value.canonicalize();
}

QString Fraction::text() const
{
    return QString::fromStdString(m_value.get_str());
}

Fraction& Fraction::operator+=(const Fraction& other)
{
    m_value += other.m_value;
    return *this;
}

Fraction& Fraction::operator-=(const Fraction& other)
{
    m_value -= other.m_value;
    return *this;
}

std::strong_ordering Fraction::operator<=>(const Fraction& other) const
{
    const int c = cmp(m_value, other.m_value);
    if (c < 0)
        return std::strong_ordering::less;
    return c > 0 ? std::strong_ordering::greater : std::strong_ordering::equal;
}

#include "fraction.h"

#include <QVarLengthArray>

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
    // The size GMP asks for: the digits of both terms, a sign, the "/" and the end.
    const std::size_t size = mpz_sizeinbase(m_value.get_num_mpz_t(), 10) +
                             mpz_sizeinbase(m_value.get_den_mpz_t(), 10) + 3;
    QVarLengthArray<char, 64> digits(qsizetype(size), '\0');
    mpq_get_str(digits.data(), 10, m_value.get_mpq_t());
    return QString::fromLatin1(digits.data());
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

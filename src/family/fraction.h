#pragma once

#include <QString>

#include <compare>
#include <gmpxx.h>

/// An exact rational number, always in lowest terms: the shares of an estate.
class Fraction
{
public:
    Fraction() = default;
    Fraction(long numerator, long denominator = 1);
    explicit Fraction(mpq_class value);

    const mpq_class& value() const { return m_value; }
    bool isZero() const { return sgn(m_value) == 0; }

    /// "1/3", "1" for the whole, "0" for nothing.
    QString text() const;

    Fraction operator+(const Fraction& other) const
    {
        return Fraction(Canonical{}, m_value + other.m_value);
    }
    Fraction operator-(const Fraction& other) const
    {
        return Fraction(Canonical{}, m_value - other.m_value);
    }
    Fraction operator*(const Fraction& other) const
    {
        return Fraction(Canonical{}, m_value * other.m_value);
    }
    Fraction operator/(const Fraction& other) const
    {
        return Fraction(Canonical{}, m_value / other.m_value);
    }
    Fraction& operator+=(const Fraction& other);
    Fraction& operator-=(const Fraction& other);

    bool operator==(const Fraction& other) const { return m_value == other.m_value; }
    std::strong_ordering operator<=>(const Fraction& other) const;

private:
    /// GMP's arithmetic already gives lowest terms: no second reduction.
    struct Canonical
    {
    };
    Fraction(Canonical, mpq_class value) : m_value(std::move(value)) {}

    mpq_class m_value;
};

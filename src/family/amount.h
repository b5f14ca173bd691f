#pragma once

#include "fraction.h"

#include <QString>

#include <compare>
#include <optional>

/// A sum of money, held exactly as the decimal number it was written as.
class Amount
{
public:
    Amount() = default;

    /// Reads "120000", "120000.5" or "120000.00": digits, optionally a "." and
    /// more digits; nothing else (no sign, blanks, thousands separators).
    static std::optional<Amount> fromText(const QString& text);

    /// The share of this amount, rounded half up to the cent.
    Amount share(const Fraction& fraction) const;

    Fraction value() const { return m_value; }

    /// The decimal text with "." and at least two decimals: "120000.00".
    QString text() const;

    Amount operator+(const Amount& other) const { return Amount(m_value + other.m_value); }
    Amount operator-(const Amount& other) const { return Amount(m_value - other.m_value); }
    bool operator==(const Amount& other) const { return m_value == other.m_value; }
    std::strong_ordering operator<=>(const Amount& other) const
    {
        return m_value <=> other.m_value;
    }

private:
    explicit Amount(Fraction value) : m_value(std::move(value)) {}

    Fraction m_value;
};

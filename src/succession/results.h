#pragma once

#include <QLocale>
#include <QString>
#include <array>
#include <optional>
#include <variant>

/**
 * One amount of the share grid: a number, or a text that stands for an
 * amount (the value of the estate as typed, for a share of "intero", or the
 * word "nulla"). A text is converted to a number only when it is shown or
 * divided, so that the value field is read as the user typed it.
 */
class Valore
{
public:
    Valore() = default;
    static Valore number(double value) { return Valore(value); }
    static Valore text(const QString& text) { return Valore(text); }

    /// The number, or 0 for a text.
    double number() const;

    /// The text form: a number as plain text in the locale's format ("33,333"),
    /// a text as it is.
    QString textForm(const QLocale& locale = QLocale()) const;

    /// The number it stands for: a text by the locale conversion; none when a
    /// text is not a number.
    std::optional<double> toNumber(const QLocale& locale = QLocale()) const;

    bool operator==(const Valore&) const = default;

private:
    explicit Valore(double value) : m_value(value) {}
    explicit Valore(const QString& text) : m_value(text) {}

    std::variant<double, QString> m_value = 0.0;
};

/**
 * What the share rules show: the captions of the result fields of the
 * succession window, the amounts behind them and the configuration found.
 *
 * Arrays are indexed as the window's label arrays: columns 1 (testamentary
 * succession) and 2 (legitimate succession), rows 1 to 8; index 0 is unused.
 * Rows: 1 children, 2 ascendants, 3 spouse, 4 brothers and sisters,
 * 5 disposable portion, 6 each child, 7 each ascendant, 8 each brother or sister.
 *
 * A default-constructed value is what the window shows when it is created.
 */
struct Results
{
    using Column = std::array<QString, 3>;
    using Rows = std::array<QString, 9>;
    using Amounts = std::array<Valore, 9>;

    Column quotafigli;
    Column quotaascendenti;
    Column quotaconiuge;
    Column quotafratelli;
    /// A succession without a will has no disposable portion: element 2 stays "0".
    Column quotadisponibile{QString(), QString(), QStringLiteral("0")};
    Column quotafiglio;
    Column quotaascendente;
    Column quotafratello;

    Rows quota1;
    /// The disposable amount of column 2 reads "0,00" until the first clearing.
    Rows quota2{QString(), QString(), QString(), QString(), QString(), QStringLiteral("0,00")};

    Amounts valori1;
    Amounts valori2;

    QString art;
    QString nota;
    bool notaVisible = false;
    /// The configuration (1 to 11) found by the last computation; 0 before any.
    int caso = 0;

    /// The fraction caption of rows 1 to 5, the percentage of rows 6 to 8.
    const QString& fraction(int row, int column) const;
    QString& fraction(int row, int column);
    /// The amount caption of a row and column.
    const QString& amount(int row, int column) const;
    QString& amount(int row, int column);
    const Valore& valore(int row, int column) const;
    Valore& valore(int row, int column);

    bool operator==(const Results&) const = default;
};

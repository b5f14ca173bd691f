#pragma once

#include "vocabulary.h"
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
 * succession window, the amounts behind them and the configuration found,
 * by row and column of the grid.
 *
 * A default-constructed value is what the window shows when it is created.
 */
struct Results
{
    template <class T> using Grid = std::array<std::array<T, 2>, resultRows.size()>;

    Results();

    /// The fraction caption of rows Figli to Disponibile, the percentage of
    /// the rows of each heir.
    const QString& fraction(ResultRow row, ResultColumn column) const;
    QString& fraction(ResultRow row, ResultColumn column);
    /// The amount caption of a row and column.
    const QString& amount(ResultRow row, ResultColumn column) const;
    QString& amount(ResultRow row, ResultColumn column);
    const Valore& valore(ResultRow row, ResultColumn column) const;
    Valore& valore(ResultRow row, ResultColumn column);

    Grid<QString> fractions;
    Grid<QString> amounts;
    Grid<Valore> valori;

    QString art;
    QString nota;
    bool notaVisible = false;
    /// The configuration found by the last computation.
    Configuration configuration = Configuration::Nessuna;

    bool operator==(const Results&) const = default;
};

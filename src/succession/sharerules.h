#pragma once

#include "results.h"

#include <QLocale>
#include <QString>
#include <optional>

/**
 * The values the share rules read, as the succession window keeps them
 * between changes of its fields.
 */
struct CalculatorState
{
    /// 1 "testamentaria", 2 "legittima", 3 "entrambe"; 0 while the type is
    /// empty, -1 when it is none of the three words (see typeReading).
    int successione = 0;
    /// The value of the estate as typed; read afresh by every computation.
    QString beni;
    /// The counts read at the fields' last change (see countReading); -1 when
    /// a field's text is not a whole number of at least 0.
    double figli = 0;
    double ascendenti = 0;
    double fratelli = 0;
    /// 1 when the spouse field read "sì" at its last change, 0 for "no";
    /// -1 when it read neither (see spouseReading).
    int coniuge = 0;

    bool operator==(const CalculatorState&) const = default;
};

/// The type code of a type text, or 0 when the text is none of the three words.
int typeCode(const QString& successione);

/// The type code the user means: one of the three words whatever its case
/// and surrounding blanks; 0 for any other text.
int typeReading(const QString& successione);
/// The word of a type code 1 to 3, as the type list shows it.
QString typeWord(int code);

/// The spouse flag the user means: "sì" (or "si") 1, "no" 0, whatever the
/// case and surrounding blanks; none for any other text.
std::optional<int> spouseReading(const QString& coniuge);
/// "sì" for 1, "no" for 0, as the spouse list shows them.
QString spouseWord(int flag);

/// The most significant digits a value of the estate may have: every amount
/// and percentage computed from it is then shown exactly.
constexpr int maxValueDigits = 15;

/// The number of heirs a count text gives: blanks around digits only; an
/// empty text is 0. None when the text is not a whole number of at least 0.
std::optional<double> countReading(const QString& text);

/// The one reading of the value of the estate: the whole text converted by the
/// locale (grouping and decimal separators). None when it is not a number.
std::optional<double> valueReading(const QString& beni, const QLocale& locale = QLocale());

/// What is wrong with the inputs, for the guidance label: the first of the
/// type, the value, the counts and the spouse that cannot be used, in the
/// fields' order, with what it expects. Empty when every input can be used.
QString inputFault(const CalculatorState& state, const QLocale& locale = QLocale());

/**
 * Empties every share caption and amount (both columns, rows 1 to 8) and sets
 * every amount to 0. The disposable fraction of column 2, the articles, the
 * note and the configuration are left alone.
 */
void azzeraquote(Results& results);

/// Everything azzeraquote clears, and also the articles, the note (emptied
/// and hidden) and the configuration (0).
void clearResults(Results& results);

/**
 * The share rules: finds the heir configuration, writes the fractions, the
 * amounts, the share of each heir, the articles and the note for the state.
 *
 * Every computation starts from cleared results (clearResults), so what is
 * written is exactly what the current inputs give. When inputFault finds
 * something wrong, the results stay cleared. The value is read once
 * (valueReading) for the amounts, the percentages and every test; with no
 * heirs at all the configuration is 0.
 */
void calcolaquote(const CalculatorState& state, Results& results,
                  const QLocale& locale = QLocale());

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
    /// The type, empty, or unreadable when it is none of the three words (see typeReading).
    TypeField successione;
    /// The value of the estate as typed; read afresh by every computation.
    QString beni;
    /// The counts read at the fields' last change (see countReading); -1 when
    /// a field's text is not a whole number of at least 0.
    double figli = 0;
    double ascendenti = 0;
    double fratelli = 0;
    /// What the spouse field read at its last change; none when it read
    /// neither "sì" nor "no" (see spouseReading).
    std::optional<Spouse> coniuge = Spouse::No;

    bool operator==(const CalculatorState&) const = default;
};

/// The type a text names exactly ("legittima"), or none.
std::optional<SuccessionType> typeOf(const QString& successione);

/// The type the user means: one of the three words whatever its case and
/// surrounding blanks; empty for a blank text, unreadable for any other.
TypeField typeReading(const QString& successione);
/// The word of a type, as the type list shows it.
QString typeWord(SuccessionType type);

/// Whether the user means a spouse: "sì" (or "si") or "no", whatever the
/// case and surrounding blanks; none for any other text.
std::optional<Spouse> spouseReading(const QString& coniuge);
/// "sì" or "no", as the spouse list shows them.
QString spouseWord(Spouse spouse);

/// The note on half brothers and sisters (art. 571), shown with ascendants
/// and brothers or sisters and explained by its "?" button.
const QString& unilateralNote();

/// What the guidance asks while the type of succession is empty.
const QString& missingTypeText();

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
 * Empties every share caption and amount (both columns, every row) and sets
 * every amount to 0. The disposable fraction without a will, the articles,
 * the note and the configuration are left alone.
 */
void azzeraquote(Results& results);

/// Everything azzeraquote clears, and also the articles, the note (emptied
/// and hidden) and the configuration (none).
void clearResults(Results& results);

/**
 * The share rules: finds the heir configuration, writes the fractions, the
 * amounts, the share of each heir, the articles and the note for the state.
 *
 * Every computation starts from cleared results (clearResults), so what is
 * written is exactly what the current inputs give. When inputFault finds
 * something wrong, the results stay cleared. The value is read once
 * (valueReading) for the amounts, the percentages and every test; with no
 * heirs at all the configuration is Nessuna.
 */
void calcolaquote(const CalculatorState& state, Results& results,
                  const QLocale& locale = QLocale());

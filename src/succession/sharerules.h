#pragma once

#include "results.h"

#include <QLocale>
#include <QString>

/**
 * The values the share rules read, as the succession window keeps them
 * between changes of its fields.
 */
struct CalculatorState
{
    /// 1 "testamentaria", 2 "legittima", 3 "entrambe"; 0 before the type is set.
    int successione = 0;
    /// The value of the estate as typed; read afresh by every computation.
    QString beni;
    /// Leading-number readings of the count fields at their last change.
    double figli = 0;
    double ascendenti = 0;
    double fratelli = 0;
    /// 1 when the spouse field read "sì" at its last change, otherwise 0.
    int coniuge = 0;

    bool operator==(const CalculatorState&) const = default;
};

/// The type code of a type text, or 0 when the text is none of the three words.
int typeCode(const QString& successione);

/**
 * Empties every share caption and amount (both columns, rows 1 to 8) and sets
 * every amount to 0. The disposable fraction of column 2, the articles, the
 * note and the configuration are left alone.
 */
void azzeraquote(Results& results);

/**
 * The share rules: finds the heir configuration, writes the fractions, the
 * amounts, the share of each heir, the articles and the note for the state.
 *
 * It never clears what it does not write (callers clear first when they
 * must), except with no heirs at all, where it clears every share itself.
 * Nothing is written when the value reads 0. When the value begins with a
 * number but is not a number as a whole ("12abc"), the configuration, the
 * fractions, the articles and the note are written, but every amount and
 * per-head percentage is emptied: there is no sound amount to show.
 */
void calcolaquote(const CalculatorState& state, Results& results,
                  const QLocale& locale = QLocale());

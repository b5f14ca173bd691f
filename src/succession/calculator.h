#pragma once

#include "caserecord.h"
#include "results.h"
#include "sharerules.h"

#include <QLocale>

/**
 * The succession window's input handling without the widgets: the texts of
 * the seven fields, the values derived from them and the results, updated
 * by one handler per field exactly as the window's change handlers do.
 *
 * Changes of a count or of the spouse and a choice from the type list clear
 * the results before computing; typing in the type field or in the value
 * field does not, so results of an earlier computation may stay on view.
 */
class Calculator
{
public:
    /// As the window is before it opens: every field empty but the value, "100".
    explicit Calculator(const QLocale& locale = QLocale());

    /// As the window is once open: type "legittima" and spouse "sì" set.
    static Calculator opened(const QLocale& locale = QLocale());

    void decuiusChange(const QString& text);
    /// The type text edited: sets the type code (when the text is one of the
    /// three words) and computes without clearing.
    void successioneChange(const QString& text);
    /// An item of the type list chosen: sets the type code, clears, computes.
    void successioneClick(const QString& text);
    /// The value edited: computes without clearing.
    void beniChange(const QString& text);
    void figliChange(const QString& text);
    void ascendentiChange(const QString& text);
    void fratelliChange(const QString& text);
    /// Typing or choosing in the spouse field: only "sì" means a spouse.
    void coniugeChange(const QString& text);

    /// Assigns the seven texts in the record's order; each text that differs
    /// from the field's runs that field's change handler, as opening a case does.
    void apply(const CaseRecord& record);

    const CaseRecord& record() const { return m_record; }
    const CalculatorState& state() const { return m_state; }
    const Results& results() const { return m_results; }

private:
    void setCount(double& count, QString& field, const QString& text);
    void recompute(bool clearFirst);

    QLocale m_locale;
    CaseRecord m_record;
    CalculatorState m_state;
    Results m_results;
};

#pragma once

#include "caserecord.h"
#include "results.h"
#include "sharerules.h"

#include <QLocale>

/// The guidance the window's `aggiornapasso` gives for a case: the first of
/// the name, the type and the value that is missing, or the next steps.
QString guidanceText(const CaseRecord& record);

/**
 * The succession window's input handling without the widgets: the texts of
 * the seven fields, the values derived from them, the results and the
 * guidance label, updated by one handler per field exactly as the window's
 * change handlers do.
 *
 * Every change recomputes from cleared results, so the results always show
 * exactly what the current inputs give. While an input cannot be used the
 * results stay empty and the guidance label says what is wrong; once the
 * inputs are sound it shows its own text again.
 */
class Calculator
{
public:
    /// As the window is before it opens: every field empty but the value, "100".
    explicit Calculator(const QLocale& locale = QLocale());

    /// As the window is once open: type "legittima" and spouse "sì" set, and
    /// the guidance written for the empty name.
    static Calculator opened(const QLocale& locale = QLocale());

    void decuiusChange(const QString& text);
    /// The type text edited or an item of the type list chosen: sets the type
    /// code (0 for a text that is none of the three words), then recomputes.
    void successioneChange(const QString& text);
    void beniChange(const QString& text);
    void figliChange(const QString& text);
    void ascendentiChange(const QString& text);
    void fratelliChange(const QString& text);
    /// Typing or choosing in the spouse field: "sì" (or "si") means a spouse,
    /// "no" none; any other text is a fault.
    void coniugeChange(const QString& text);

    /// Assigns the seven texts in the record's order; each text that differs
    /// from the field's runs that field's change handler, as opening a case does.
    void apply(const CaseRecord& record);

    const CaseRecord& record() const { return m_record; }
    /// The record with the type and the spouse in the form the lists show
    /// ("Legittima " becomes "legittima", "si" becomes "sì").
    CaseRecord properRecord() const;
    const CalculatorState& state() const { return m_state; }
    const Results& results() const { return m_results; }

    /// What is wrong with the inputs (see inputFault); empty when nothing is.
    const QString& fault() const { return m_fault; }
    /// The text the guidance label shows when the inputs are sound: the
    /// guidance for the case after every change, or a status set here.
    void setGuidance(const QString& text) { m_guidance = text; }
    const QString& guidance() const { return m_guidance; }
    /// What the guidance label `passo` shows: the fault, or else the guidance.
    const QString& passo() const { return m_fault.isEmpty() ? m_guidance : m_fault; }

private:
    void setCount(double& count, QString& field, const QString& text);
    void setType(const QString& text);
    void recompute();

    QLocale m_locale;
    CaseRecord m_record;
    CalculatorState m_state;
    Results m_results;
    QString m_fault;
    QString m_guidance;
};

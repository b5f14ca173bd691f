#pragma once

#include <QString>

/**
 * The data of one succession: the texts of the succession window's seven input
 * fields, in the order in which case files store them.
 *
 * The texts are kept exactly as typed; the numbers the share rules work with
 * (type code, counts, spouse flag) are derived from them by the window's
 * change handlers (see CalculatorState).
 */
struct CaseRecord
{
    QString decuius;     ///< name of the deceased; never used in the computation
    QString successione; ///< "testamentaria", "legittima" or "entrambe" (any text allowed)
    QString beni;        ///< value of the estate, as typed
    QString figli;       ///< number of children, as typed
    QString ascendenti;  ///< number of ascendants, as typed
    QString coniuge;     ///< "sì" or "no" (any text allowed; only "sì" means a spouse)
    QString fratelli;    ///< number of brothers and sisters, as typed

    bool operator==(const CaseRecord&) const = default;
};

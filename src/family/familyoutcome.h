#pragma once

#include "amount.h"
#include "familycase.h"
#include "fraction.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

/// What the detailed window and its report show of the engine's results,
/// for one kind of succession or both.
namespace FamilyOutcome {

struct HeirShare
{
    QString id;
    Fraction share;
    Amount amount;
    QStringList articles;
};

struct Section
{
    QList<HeirShare> shares;            ///< in the order of the case's people
    std::optional<Fraction> stateShare; ///< the State's (art. 586), when it takes
    std::optional<Amount> stateAmount;
    std::optional<Fraction> disponibile; ///< the disposable portion, with a will
    std::optional<Amount> disponibileAmount;
    std::optional<Amount> massa; ///< the base of art. 556, with a will
    QStringList articles;
    QStringList passi;
};

struct Outcome
{
    std::optional<Section> legittima;
    std::optional<Section> testamentaria;
};

/// The shares of a case that has no fault, for the kinds its `kind` asks.
Outcome compute(const Family::FamilyCase& familyCase);

/// The share over the common denominator of a section's shares: "4/12".
QString onCommonDenominator(const Fraction& share, const Section& section);

} // namespace FamilyOutcome

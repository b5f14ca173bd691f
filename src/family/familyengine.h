#pragma once

#include "amount.h"
#include "familycase.h"
#include "fraction.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

/// The shares the law gives a real family: the intestate shares (arts. 565-586,
/// with representation, arts. 467-469, and renunciation, arts. 521-522) and the
/// reserved shares with the disposable portion (arts. 536-552, on the base of
/// art. 556). Exact fractions; amounts rounded half up to the cent.
namespace FamilyEngine {

/// What one person takes.
struct HeirShare
{
    QString id;
    Fraction share;
    Amount amount;
    QStringList articles; ///< the articles that fixed the share, in the code's order
};

/// The result of one kind of succession.
struct Section
{
    QList<HeirShare> shares;            ///< in the order of the case's people; none of 0
    std::optional<Fraction> stateShare; ///< the State's (art. 586), when it takes
    std::optional<Amount> stateAmount;
    std::optional<Fraction> disponibile; ///< the disposable portion, with a will
    std::optional<Amount> disponibileAmount;
    std::optional<Amount> massa; ///< the base of art. 556, with a will
    Amount base;                 ///< the amount the shares are taken of
    QStringList articles;        ///< every article applied, in the code's order
    QStringList passi;           ///< the derivation, step by step, in Italian
};

struct Outcome
{
    std::optional<Section> legittima;
    std::optional<Section> testamentaria;
};

/// The intestate shares of a case without faults (see FamilyFile::fault).
Section legittima(const Family::FamilyCase& familyCase);

/// The reserved shares and the disposable portion of a case without faults.
Section riserva(const Family::FamilyCase& familyCase);

/// The sections the case's kind of succession asks for.
Outcome compute(const Family::FamilyCase& familyCase);

} // namespace FamilyEngine

#pragma once

#include "familycase.h"
#include "fraction.h"
#include "succession/caserecord.h"
#include "succession/results.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

/// The succession window's case as a detailed family, and how the detailed
/// shares compare with the grid's.
namespace GridCase {

/// How the grid's ascendants become people: two parents at most; more are
/// grandparents (and beyond) spread over the two lines, or none at all.
enum class Ascendants { AsParents, AsGrandparents, Left };

/// The most people of one class the grid's counts bring over.
inline constexpr int maximumCount = 30;

/// The number of the grid's text: whole, not negative, at most maximumCount.
int count(const QString& text);

/// Whether the grid's ascendants cannot be read as parents, so that the user
/// must say how to read them.
bool ascendantsAreAmbiguous(const CaseRecord& record);

/// The family of the grid: children as living children, the spouse, brothers
/// and sisters as full siblings, ascendants as `ascendants` says.
Family::FamilyCase familyOf(const CaseRecord& record, Ascendants ascendants);

/// The grid's value of the estate as an amount of the case file ("120000.00"),
/// or the text unchanged when it is no number.
QString relictumText(const QString& beni);

/// The share of one heir in the detailed results.
struct Share
{
    QString id;
    Fraction share;
    QStringList articles;
};

/// One kind of succession in the detailed results.
struct Column
{
    QList<Share> shares;
    std::optional<Fraction> disponibile; ///< the disposable portion, with a will
};

/// Empty when the detailed shares are the grid's; otherwise one line that
/// says where they differ and why.
QString comparison(const CaseRecord& record, const Results& grid,
                   const Family::FamilyCase& familyCase, const std::optional<Column>& legittima,
                   const std::optional<Column>& testamentaria);

} // namespace GridCase

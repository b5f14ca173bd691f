#pragma once

#include "familycase.h"
#include "familyoutcome.h"

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <optional>

/// The family drawn as a genealogical diagram: who goes where and what each
/// box says. The deceased in the middle, ascendants above by line (paternal
/// to the left, maternal to the right) and degree, the spouse or partner
/// beside, descendants below by generation, brothers and sisters with their
/// descendants to the left, other relatives to the right by degree. Places
/// are in logical pixels (96 to the inch); nothing here depends on a screen.
namespace FamilyChart {

enum class Standing {
    Decuius,
    Erede,    ///< takes a share in some kind of succession
    NonErede, ///< takes nothing: the box says why
};

enum class LinkKind {
    Parentela,        ///< parent and child
    Rappresentazione, ///< a child who takes the place of his parent (arts. 467-469)
    Unione,           ///< the deceased and his spouse or partner
    Collaterale,      ///< the deceased and a brother, a sister or another relative
};

struct Box
{
    QString id; ///< empty for the deceased
    QString name;
    QString relation;
    QStringList shares; ///< "legittima 1/4: 30.000,00", one per kind of succession
    QString reason;     ///< why a person takes nothing
    Standing standing = Standing::NonErede;
    int generation = 0; ///< below zero the ascendants, above zero the descendants
    QRectF rect;

    /// What a reader of the box hears: every line of it in one sentence.
    QString accessibleText() const;
};

struct Link
{
    int from = 0; ///< box index: the elder, or the deceased
    int to = 0;
    LinkKind kind = LinkKind::Parentela;
};

struct Chart
{
    QList<Box> boxes; ///< the deceased first, then the people in the case's order
    QList<Link> links;
    QRectF bounds;     ///< every box and the legend, with a margin
    QRectF legendRect; ///< where the key of the lines goes, below the boxes

    /// The index of the person's box, or -1.
    int indexOf(const QString& id) const;
};

constexpr double boxWidth = 184;
constexpr double boxHeight = 96;

/// The chart of a case; without an outcome (a case with faults) the boxes
/// carry no shares and no reasons.
Chart layout(const Family::FamilyCase& familyCase,
             const std::optional<FamilyOutcome::Outcome>& outcome);

/// The chart told in words, box by box: the text alternative of its image.
QString description(const Chart& chart);

} // namespace FamilyChart

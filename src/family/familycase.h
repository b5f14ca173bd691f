#pragma once

#include "amount.h"

#include <QList>
#include <QString>

#include <optional>

/// The detailed case of a succession: the deceased's estate and family as
/// they really are, person by person. Relations are to the deceased unless a
/// person is the child of another person of the case.
namespace Family {

enum class Relation {
    Coniuge,
    UnitoCivilmente, ///< civil-union partner: the rights of a spouse (L. 76/2016, art. 1 c. 21)
    Figlio,          ///< a child of the deceased, or with `parent` of that person
    Genitore,
    Ascendente, ///< grandparent (degree 2) and beyond
    Fratello,   ///< brother or sister
    Parente,    ///< another collateral relative, degree 3 to 6
};

enum class Status {
    Vivente,
    Premorto, ///< died before the deceased, or cannot inherit for absence
    Rinunziante,
    Indegno, ///< excluded as unworthy (art. 463)
};

enum class Bond {
    Germano,     ///< both parents in common
    Unilaterale, ///< one parent in common
};

enum class Line { Paterna, Materna };

enum class Separation {
    Nessuna,
    SenzaAddebito,
    ConAddebito, ///< charged to the surviving spouse (arts. 548 c. 2, 585 c. 2)
};

enum class Kind {
    Legittima,     ///< intestate shares
    Testamentaria, ///< reserved shares and the disposable portion
    Entrambe,
};

/// How a renouncing legitimary without representatives counts in the reserve,
/// a point on which the Cassazione is divided.
enum class RenouncerReserve {
    NonComputato, ///< as if he never existed
    Computato,    ///< he counts, and his reserved share falls into the disposable portion
};

struct Person
{
    QString id;
    QString name; ///< shown instead of the id when not empty
    Relation relation = Relation::Figlio;
    QString parent; ///< the id of the person whose child this is; empty for the deceased's
    Status status = Status::Vivente;
    Bond bond = Bond::Germano; ///< of a brother or sister
    Line line = Line::Paterna; ///< of a parent or ascendant
    int degree = 0;            ///< of an ascendant (2 and up) or a relative (3 to 6)
    Separation separation = Separation::Nessuna; ///< of a spouse

    QString displayName() const { return name.isEmpty() ? id : name; }
    bool operator==(const Person&) const = default;
};

/// A gift made in life, to anyone: `donee` is a person's id or free text.
struct Donation
{
    QString donee;
    Amount value;

    bool operator==(const Donation&) const = default;
};

struct FamilyCase
{
    QString decuius;
    Kind kind = Kind::Entrambe;
    Amount relictum;
    Amount debts;
    QList<Donation> donations;
    RenouncerReserve renouncerReserve = RenouncerReserve::NonComputato;
    QList<Person> people;

    /// The person with `id`, or nullptr.
    const Person* find(const QString& id) const;

    bool operator==(const FamilyCase&) const = default;
};

/// The words of the case file for each value ("figlio", "premorto", ...).
QString wordOf(Relation value);
QString wordOf(Status value);
QString wordOf(Bond value);
QString wordOf(Line value);
QString wordOf(Separation value);
QString wordOf(Kind value);
QString wordOf(RenouncerReserve value);

/// The value a word of the case file names, if any.
template <class E> std::optional<E> fromWord(const QString& word);

} // namespace Family

#pragma once

#include "familycase.h"

#include <QList>
#include <QString>

#include <optional>

/// The words the window and the report show for the values of a detailed
/// case: the case file's own words, read with blanks.
namespace FamilyLabels {

template <class E> QString label(E value)
{
    return Family::wordOf(value).replace(u'_', u' ');
}

/// Every value of each kind, in the order the window offers them.
const QList<Family::Relation>& relations();
const QList<Family::Status>& statuses();
const QList<Family::Bond>& bonds();
const QList<Family::Line>& lines();
const QList<Family::Separation>& separations();
const QList<Family::Kind>& kinds();
const QList<Family::RenouncerReserve>& renouncerReserves();

/// How a person stands to the deceased, in words: "figlio", "figlio di Anna",
/// "ascendente (grado 2, linea materna)".
QString relationText(const Family::Person& person, const Family::FamilyCase& familyCase);

/// An amount as the user types it: "120000", "120000,50", "120.000,50" or
/// "120000.50"; none when it is no amount.
std::optional<Amount> readAmount(const QString& text);
/// An amount in the Italian form: "120.000,50".
QString amountText(const Amount& amount);

} // namespace FamilyLabels

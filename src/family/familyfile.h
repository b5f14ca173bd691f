#pragma once

#include "familycase.h"

#include <QByteArray>
#include <QString>

#include <optional>

/// The detailed case file, "quotara-famiglia/1": a UTF-8 JSON object with the
/// deceased, the kind of succession, the estate, the debts, the donations and
/// the people of the family. Unknown keys and values are errors, never dropped.
namespace FamilyFile {

inline constexpr auto formatName = "quotara-famiglia/1";

/// What reading found: the case, or what is wrong with it.
struct Reading
{
    std::optional<Family::FamilyCase> familyCase;
    QString fault; ///< in Italian, naming the person (by id) or the field; empty when read
};

/// Reads the bytes of a case file and checks the case they hold.
Reading decode(const QByteArray& bytes);

/// Reads the file `fileName` as `decode` does.
Reading read(const QString& fileName);

/// The bytes of the case file for `familyCase`.
QByteArray encode(const Family::FamilyCase& familyCase);

/// Writes the case to a temporary file and renames it over `fileName`, so the
/// old file survives any failure. On failure `error` gets the reason.
bool write(const Family::FamilyCase& familyCase, const QString& fileName, QString* error = nullptr);

/// What makes a case unusable, naming the person or the field; empty when the
/// case can be computed: a `di` that names nobody or someone outside the lines
/// of representation, a cycle of `di`, a duplicate id, two parents in one
/// line, more ascendants of a degree than a line has, a second living spouse,
/// debts above the relictum, a name or id longer than `maximumTextLength`.
QString fault(const Family::FamilyCase& familyCase);

/// The longest name or id of a case.
inline constexpr qsizetype maximumTextLength = 1000;

/// Larger files are not case files.
inline constexpr qint64 maximumSize = 16 * 1024 * 1024;

} // namespace FamilyFile

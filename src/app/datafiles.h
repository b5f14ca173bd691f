#pragma once

#include <QString>

/// Read-only files shipped with the program (tips, music) are looked for
/// beside the executable, then in the installed data folder.
namespace DataFiles {

/// The full path of `fileName`, or an empty text when it is in neither place.
QString locate(const QString& fileName);

/// The same search from a given program folder: `fileName` in it, then in
/// `../share/quotara/` from it (the installed layout), then in the user's and
/// the system's data folders under `quotara/`.
QString locate(const QString& fileName, const QString& programFolder);

/// The UTF-8 text of a data file compiled into the program (":/..."). One
/// that is missing is a fault of the build, never an empty text: the program
/// stops with the resource's name.
QString resourceText(const QString& path);

} // namespace DataFiles

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

} // namespace DataFiles

#pragma once

#include <QString>

/// Read-only files shipped with the program (tips, music) are looked for
/// beside the executable, then in the installed data folder.
namespace DataFiles {

/// The full path of `fileName`, or an empty text when it is in neither place.
QString locate(const QString& fileName);

} // namespace DataFiles

#pragma once

#include <QByteArray>
#include <QString>

/// Saving a file so that the old one survives any failure: the bytes go to
/// a temporary file beside it (beside the file a link points to), renamed
/// over it only once they are all on disk.
namespace SafeSave {

/// Writes `bytes` as `fileName`. On failure `error` (when given) receives
/// the reason in Italian: a folder that is missing or read-only, a full
/// disk, a folder in the file's place, or the system's own words.
bool write(const QByteArray& bytes, const QString& fileName, QString* error = nullptr);

/// Why files cannot be written in `folder`, in Italian: it is missing (and
/// cannot be made), not a folder, read-only or full; empty when nothing
/// stands in the way.
QString folderFault(const QString& folder);

} // namespace SafeSave

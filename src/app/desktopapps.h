#pragma once

#include <QString>
#include <QStringList>

/// The desktop's default applications, found and started the way the
/// desktop's own launcher does, so that a failure can be seen: Qt's
/// openUrl reports success even when nothing opens.
namespace DesktopApps {

/// The desktop file of the default application for `mimeType`
/// ("application/vnd.oasis.opendocument.text", "x-scheme-handler/https"),
/// when one is registered and its desktop file exists; otherwise empty.
/// Asks `xdg-mime`, which may take a moment: call it off the interface thread.
QString defaultEntry(const QString& mimeType);

/// The command line of a desktop file's Exec key for `argument` (a file or
/// an address), with the field codes replaced; empty when the file has no
/// usable Exec key.
QStringList command(const QString& entryFile, const QString& argument);

/// Starts the application of `entryFile` on `argument`, detached. When it
/// cannot start or ends with a failure, its exit status is written to
/// `statusFile`; false when it could not even be launched.
bool start(const QString& entryFile, const QString& argument, const QString& statusFile);

} // namespace DesktopApps

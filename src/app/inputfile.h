#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

/// Reading a whole file the user chose (a case, the tips) with every fault
/// told in Italian: a file that is gone, a folder, a pipe or a device in its
/// place, a file too large for what it should be. Only regular files are
/// read: a pipe with no writer would block the program for ever.
namespace InputFile {

struct Contents
{
    std::optional<QByteArray> bytes;
    QString fault; ///< in Italian, for the user; empty when the bytes were read
};

/// The bytes of `fileName`, which may hold at most `maximumSize` bytes.
Contents read(const QString& fileName, qint64 maximumSize);

/// The reason for a file larger than `maximumSize` bytes.
QString tooLarge(qint64 maximumSize);

/// True for a pipe or a socket: what a command line may read as a stream
/// (a shell's "<(...)"), never what a window's dialog should open.
bool isStream(const QString& fileName);

} // namespace InputFile

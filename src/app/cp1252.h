#pragma once

#include <QByteArray>
#include <QString>

/// Windows-1252, the single-byte code of the case files and the tips file.
namespace Cp1252 {

/// Decodes every byte; the five bytes the code leaves unassigned map to the
/// C1 control of the same value, as Windows does.
QString decode(const QByteArray& bytes);

/// Encodes `text`. Characters the code cannot hold become "?" and, when
/// `ok` is given, set it to false.
QByteArray encode(const QString& text, bool* ok = nullptr);

/// True when every character of `text` can be stored.
bool canEncode(const QString& text);

} // namespace Cp1252

#pragma once

#include <QFont>
#include <QStringList>

/// The faces the windows and documents were drawn with, each followed by
/// faces a Linux desktop has with the same metrics, then wider ones.
namespace Fonts {

/// A font of the first of `families` that the system has.
QFont face(const QStringList& families, double points, bool bold = false);

/// The size in points of every window's labels and fields.
constexpr double defaultPoints = 8.25;

/// "MS Sans Serif", the face of every window's labels and fields.
QFont sansSerif(double points = defaultPoints, bool bold = false);

/// The families behind sansSerif(), for the application's default font.
QStringList sansSerifFamilies();

} // namespace Fonts

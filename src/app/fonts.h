#pragma once

#include <QFont>
#include <QStringList>

/// The faces the windows and documents were drawn with, each followed by
/// faces a Linux desktop has with the same metrics, then wider ones.
namespace Fonts {

/// The size in points of every window's labels and fields.
constexpr double defaultPoints = 8.25;

/// The largest size desktops give their text by default. A larger system
/// font is the user's choice of large text, and the windows grow with it.
constexpr double desktopPoints = 11;

/// How much larger than the windows were drawn for the user wants text: the
/// application font's size over desktopPoints, and never below 1.
double textScale();

/// The application font for a desktop whose system font is `system`: the
/// windows' face at the system font's size, so that message boxes, menus and
/// tooltips read as the desktop's own and textScale() follows the user.
QFont applicationFont(const QFont& system);

/// A font of the first of `families` that the system has, at `points` grown
/// by textScale().
QFont face(const QStringList& families, double points, bool bold = false);

/// "MS Sans Serif", the face of every window's labels and fields, grown by
/// textScale().
QFont sansSerif(double points = defaultPoints, bool bold = false);

/// The families behind sansSerif(), for the application's default font.
QStringList sansSerifFamilies();

} // namespace Fonts

#pragma once

#include "app/windowid.h"

#include <QList>
#include <QString>

/// The fixed heading and text of the six help guides. Each text is one
/// paragraph of prose; it never changes while the program runs.
namespace HelpTexts {

/// True for the six guide windows (the five guides and the quick manual).
bool isGuide(WindowId id);

/// The guide's heading, as shown above its text; empty for other windows.
QString heading(WindowId id);

/// The guide's text; empty for other windows.
QString text(WindowId id);

/// The guides in the order the whole help is printed: the manual first.
const QList<WindowId>& printOrder();

} // namespace HelpTexts

#pragma once

#include <QStringView>
#include <initializer_list>

class QWidget;

/// What a screen reader learns of the windows beyond what Qt tells it by itself.
namespace Accessibility {

/// Installs the accessible interfaces the program needs; call once, after the
/// application object exists. Qt on Linux names a combo box by its current
/// text, so a screen reader would hear "legittima" rather than what the list
/// is for: combo boxes here answer with their accessible name, and with their
/// text as value.
void install();

/// A control of a window, by objectName, and the name a screen reader speaks.
struct SpokenName
{
    QStringView objectName;
    QStringView name;
};

/// Gives the named children of a window their spoken names. Descriptions stay
/// the tooltips, which Qt reports when a control has no description of its own.
void nameChildren(const QWidget& window, std::initializer_list<SpokenName> names);

} // namespace Accessibility

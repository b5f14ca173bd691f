#pragma once

class QAccessibleInterface;
class QObject;
class QString;

/// What a screen reader learns of the family chart: the view is a list whose
/// items are the boxes, each named by what it says (name, relation, shares
/// and amounts, or why the person takes nothing), the current box focused and
/// selected, and placed where it is drawn.
namespace FamilyChartAccessible {

/// The factory Qt asks for the chart view's interface.
QAccessibleInterface* factory(const QString& className, QObject* object);

/// Tells the screen reader that the current box is now the one at `index`.
void announceCurrent(QObject* view, int index);

} // namespace FamilyChartAccessible

#pragma once

#include "fonts.h"
#include "twips.h"

#include <QLabel>
#include <QRect>
#include <QSize>
#include <QString>

class ClsResize;
class QWidget;

/// How the windows are set up: their design sizes, their face, the controls
/// drawn in twips and the yellow status line `passo`.
namespace WindowSetup {

/// Design sizes in twips: the eight main windows, the catalogue and the manual.
constexpr QSize mainWindowTwips{9600, 6825};
/// The summary window.
constexpr QSize summaryTwips{3975, 6825};
/// The guide windows.
constexpr QSize guideTwips{5640, 6825};

/**
 * Opens `window` the way every resizable window opens: the layout is
 * recorded at the design size the controls were placed for, the window is
 * sized to 75 % of the screen and centred there, and then set back to its
 * design size. The second resize is what leaves the window at the size its
 * texts were drawn for, placed where the 75 % box was centred; the controls
 * follow through the resizer. Below the design size the controls would
 * cover one another, so that is also the window's minimum size.
 *
 * Where the user's text is larger (Fonts::textScale()), the window opens
 * larger by as much, within the screen, and the resizer grows the controls
 * with their texts. Every control without a face of its own takes the
 * window face (giveFace()).
 *
 * `area` is the widget whose size gives the ratio (the central widget of a
 * main window); null for the window itself.
 */
void open(QWidget& window, ClsResize& resize, QWidget* area, QSize designTwips);

/// Gives a window of fixed size, its controls already placed at their
/// design geometry, its size of `designTwips`: both grown by
/// Fonts::textScale(), with the window face for the controls without one.
void fixSize(QWidget& window, QSize designTwips);

/// Gives `window` the window face, and each of its controls without a face of
/// its own the face of its parent, as Qt does unless a style sheet is set.
void giveFace(QWidget& window);

/// `design` grown by Fonts::textScale(), within the available area of the
/// screen `window` stands on.
QSize grownSize(const QWidget& window, QSize design);

/// Moves `window` so that it stands centred on `opener`, inside the
/// available area of the opener's screen.
void centreOver(QWidget& window, const QWidget& opener);

/// A control as the layouts draw it: name, place and size in twips, the
/// window face at `points`, and its tooltip.
template <class Control>
Control* control(QWidget* parent, const QString& name, const QRect& twips,
                 const QString& tooltip = QString(), double points = Fonts::defaultPoints)
{
    auto* made = new Control(parent);
    made->setObjectName(name);
    made->setGeometry(Twips::rect(twips.x(), twips.y(), twips.width(), twips.height()));
    made->setFont(Fonts::sansSerif(points));
    if (!tooltip.isEmpty())
        made->setToolTip(tooltip);
    return made;
}

/// Where `passo` stands in the main windows: three lines high, so that the
/// longer instructions and a document's file name are read whole.
constexpr QRect passoTwips{2400, 5550, 4695, 690};

/// The yellow instruction and status line at the foot of a main window.
QLabel* passo(QWidget* parent, const QRect& twips, const QString& tooltip);

} // namespace WindowSetup

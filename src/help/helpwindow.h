#pragma once

#include "app/clsresize.h"
#include "app/windowid.h"
#include "app/windowsetup.h"

#include <QRect>
#include <QWidget>
#include <optional>

class Forms;
class QLabel;
class QPushButton;

/// Where a help window sits and how its two labels are laid out, in twips.
struct HelpGeometry
{
    int width = WindowSetup::guideTwips.width();
    int height = WindowSetup::guideTwips.height();
    std::optional<int> left; ///< the left edge on screen; none keeps the centred position
    QRect heading;           ///< Label1
    QRect text;              ///< Label2
    bool tooltips = false;   ///< only the quick manual explains its buttons
};

/// What one help window shows.
struct HelpPage
{
    QString heading;
    QString text;
    HelpGeometry geometry;
};

/// A read-only help window: a heading, one block of text and the buttons
/// back to the summary, print and close. The six guides differ only in their
/// page.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    HelpWindow(Forms& forms, WindowId id, const HelpPage& page, QWidget* parent = nullptr);

    /// The page of each guide window; none for any other window.
    static std::optional<HelpPage> pageFor(WindowId id);

    QString heading() const;
    QString text() const;

    void cmdSommario_Click();
    void cmdStampa_Click();
    void cmdchiudi_Click();

private:
    QPushButton* addButton(const QString& name, const QString& caption, int left);

    Forms& m_forms;
    WindowId m_id;
    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
    ClsResize m_resize;
};

#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QVector>
#include <QWidget>

/// Keeps a window's layout proportional to its size. It records once where
/// every control sits at design size and, on every resize of the window's
/// area, moves and stretches each control by the ratio between the area's
/// current and recorded size. A control's "Tag" property may restrict the
/// scaled measures: "@L,T" moves it but keeps its size; any other tag, or
/// none, scales all four measures.
///
/// Controls are the named descendants of the area (internal parts of Qt's own
/// widgets, which have no name or a "qt_" one, follow their owner).
class ClsResize : public QObject
{
    Q_OBJECT
public:
    explicit ClsResize(QObject* parent = nullptr);
    ~ClsResize() override;

    /// The managed window and the widget whose size gives the ratio (its
    /// central widget for a main window; the window itself when null).
    void setSourceForm(QWidget* window, QWidget* area = nullptr);

    /// Records the layout if needed, sizes the window to `percent` of the
    /// screen, centres it and lays the controls out.
    void SizeFormToScreen(quint8 percent);
    /// Lays the controls out for the area's current size.
    void ResizeControls();
    /// Records the layout again from the controls' present positions.
    void ReInitialise();

    bool NeedsInit() const { return m_needsInit; }
    QSize designSize() const { return QSize(m_designWidth, m_designHeight); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct ControlPosition
    {
        QPointer<QWidget> ctl;
        QRect design;
    };

    void Initialise();
    void collect(QWidget* parent);

    QPointer<QWidget> m_window;
    QPointer<QWidget> m_area;
    bool m_needsInit = true;
    int m_designWidth = 0;
    int m_designHeight = 0;
    QVector<ControlPosition> m_controlPositions;
};

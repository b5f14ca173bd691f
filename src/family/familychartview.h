#pragma once

#include "familychart.h"

#include <QGraphicsView>

class QGraphicsScene;

/// The family chart on screen: a box per person, drawn as the report draws
/// it. A click, or the arrow keys, choose a person; Home goes back to the
/// deceased; Tab and Shift+Tab walk the boxes in order. The wheel and Ctrl++ /
/// Ctrl+- zoom, Ctrl+0 fits the chart to the view. Screen readers see the
/// boxes as the items of a list, the current one focused.
class FamilyChartView : public QGraphicsView
{
    Q_OBJECT
public:
    explicit FamilyChartView(QWidget* parent = nullptr);

    /// Shows a new chart, on the same person when he is still there.
    void setChart(FamilyChart::Chart chart);
    const FamilyChart::Chart& chart() const { return m_chart; }

    /// Marks the person (empty: the deceased) without announcing it.
    void setCurrentPerson(const QString& id);
    /// The person marked; empty for the deceased.
    QString currentPerson() const;
    /// The index of the marked box in the chart.
    int currentIndex() const { return m_current; }

    void zoomIn();
    void zoomOut();
    void fitToWindow();
    double zoom() const;

Q_SIGNALS:
    /// The user chose a person's box (empty: the deceased's).
    void personActivated(const QString& id);

protected:
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    /// Tab and Shift+Tab walk the boxes in the chart's order, and leave the
    /// view past the last or the first.
    bool focusNextPrevChild(bool next) override;

private:
    void setCurrent(int index, bool announce);
    int neighbour(int key) const;
    void scaleBy(double factor);
    void updateAccessible();

    QGraphicsScene* m_scene = nullptr;
    FamilyChart::Chart m_chart;
    int m_current = 0;
    bool m_fitted = true; ///< keeps fitting while the user has not zoomed
};

#include "familychartview.h"

#include "familychartaccessible.h"
#include "familychartpainter.h"

#include <QAccessible>
#include <QAction>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QKeyEvent>
#include <QWheelEvent>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr double zoomStep = 1.25;
constexpr double minimumZoom = 0.1;
constexpr double maximumZoom = 4;

/// The lines and the legend, behind the boxes.
class LinksItem : public QGraphicsItem
{
public:
    explicit LinksItem(const FamilyChart::Chart& chart) : m_chart(chart) { setZValue(-1); }
    QRectF boundingRect() const override { return m_chart.bounds; }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override
    {
        FamilyChart::paintLinks(*painter, m_chart);
        FamilyChart::paintLegend(*painter, m_chart);
    }

private:
    const FamilyChart::Chart& m_chart;
};

class BoxItem : public QGraphicsItem
{
public:
    BoxItem(const FamilyChart::Chart& chart, int index, const int& current)
        : m_chart(chart), m_index(index), m_current(current)
    {
        setToolTip(chart.boxes.at(index).accessibleText());
        setCursor(Qt::PointingHandCursor);
        setData(0, index);
    }
    QRectF boundingRect() const override
    {
        return m_chart.boxes.at(m_index).rect.adjusted(-6, -6, 6, 6);
    }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override
    {
        FamilyChart::paintBox(*painter, m_chart.boxes.at(m_index), m_index == m_current);
    }

private:
    const FamilyChart::Chart& m_chart;
    int m_index;
    const int& m_current;
};

} // namespace

FamilyChartView::FamilyChartView(QWidget* parent)
    : QGraphicsView(parent), m_scene(new QGraphicsScene(this))
{
    // Before the first accessibility event, which would make Qt's own interface.
    QAccessible::installFactory(FamilyChartAccessible::factory);
    setObjectName(u"graficofamiglia"_s);
    setAccessibleName(u"Albero genealogico: le frecce e Tab scorrono le persone, Ctrl+più e "
                      u"Ctrl+meno ingrandiscono e riducono, Ctrl+0 adatta alla finestra"_s);
    setScene(m_scene);
    setFocusPolicy(Qt::StrongFocus);
    setRenderHint(QPainter::Antialiasing);
    setDragMode(QGraphicsView::ScrollHandDrag);
    setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
    setBackgroundBrush(Qt::white);

    struct Zoom
    {
        const char16_t* name;
        const char16_t* text;
        QList<QKeySequence> keys;
        void (FamilyChartView::*slot)();
    };
    const Zoom zooms[] = {
        // Ctrl+= too: on keyboards where "+" needs Shift it shares the key.
        {u"ingrandisci",
         u"&Ingrandisci",
         {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
         &FamilyChartView::zoomIn},
        {u"riduci", u"&Riduci", {QKeySequence(QKeySequence::ZoomOut)}, &FamilyChartView::zoomOut},
        {u"adatta",
         u"&Adatta alla finestra",
         {QKeySequence(Qt::CTRL | Qt::Key_0)},
         &FamilyChartView::fitToWindow},
    };
    for (const Zoom& zoom : zooms) {
        auto* action = new QAction(QString::fromUtf16(zoom.text), this);
        action->setObjectName(QString::fromUtf16(zoom.name));
        action->setShortcuts(zoom.keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, this, zoom.slot);
        addAction(action);
    }
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void FamilyChartView::setChart(FamilyChart::Chart chart)
{
    const QString current = currentPerson();
    m_scene->clear();
    m_chart = std::move(chart);
    m_scene->setSceneRect(m_chart.bounds);
    m_scene->addItem(new LinksItem(m_chart));
    for (qsizetype i = 0; i < m_chart.boxes.size(); ++i)
        m_scene->addItem(new BoxItem(m_chart, int(i), m_current));
    m_current = std::max(0, m_chart.indexOf(current));
    if (m_fitted)
        fitToWindow();
    updateAccessible();
}

void FamilyChartView::setCurrentPerson(const QString& id)
{
    setCurrent(std::max(0, m_chart.indexOf(id)), false);
}

QString FamilyChartView::currentPerson() const
{
    return m_current < m_chart.boxes.size() ? m_chart.boxes.at(m_current).id : QString();
}

void FamilyChartView::setCurrent(int index, bool announce)
{
    if (index < 0 || index >= m_chart.boxes.size())
        return;
    const bool changed = index != m_current;
    m_current = index;
    m_scene->update();
    ensureVisible(m_chart.boxes.at(index).rect, 8, 8);
    updateAccessible();
    if (announce && changed)
        Q_EMIT personActivated(m_chart.boxes.at(index).id);
}

void FamilyChartView::updateAccessible()
{
    const QString text =
        m_current < m_chart.boxes.size() ? m_chart.boxes.at(m_current).accessibleText() : QString();
    setAccessibleDescription(text);
    setToolTip(text);
    if (hasFocus() && m_current < m_chart.boxes.size())
        FamilyChartAccessible::announceCurrent(this, m_current);
}

void FamilyChartView::focusInEvent(QFocusEvent* event)
{
    QGraphicsView::focusInEvent(event);
    updateAccessible();
}

bool FamilyChartView::focusNextPrevChild(bool next)
{
    const int target = m_current + (next ? 1 : -1);
    if (!hasFocus() || target < 0 || target >= m_chart.boxes.size())
        return QGraphicsView::focusNextPrevChild(next);
    setCurrent(target, true);
    return true;
}

/// The nearest box in the direction of an arrow key: on the same row for
/// left and right, on the row above or below for up and down.
int FamilyChartView::neighbour(int key) const
{
    const FamilyChart::Box& from = m_chart.boxes.at(m_current);
    int best = -1;
    double bestDistance = 0;
    for (qsizetype i = 0; i < m_chart.boxes.size(); ++i) {
        const FamilyChart::Box& box = m_chart.boxes.at(i);
        const double dx = box.rect.center().x() - from.rect.center().x();
        const double dy = box.rect.center().y() - from.rect.center().y();
        const bool fits = (key == Qt::Key_Left && dx < 0 && std::abs(dy) < 1) ||
                          (key == Qt::Key_Right && dx > 0 && std::abs(dy) < 1) ||
                          (key == Qt::Key_Up && dy < 0) || (key == Qt::Key_Down && dy > 0);
        if (!fits)
            continue;
        const double distance = key == Qt::Key_Up || key == Qt::Key_Down
                                    ? std::abs(dy) * 1000 + std::abs(dx)
                                    : std::abs(dx);
        if (best < 0 || distance < bestDistance) {
            best = int(i);
            bestDistance = distance;
        }
    }
    return best;
}

void FamilyChartView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (event->modifiers() == Qt::NoModifier && !m_chart.boxes.isEmpty()) {
            setCurrent(neighbour(event->key()), true);
            event->accept();
            return;
        }
        break;
    case Qt::Key_Home:
        setCurrent(0, true);
        event->accept();
        return;
    default:
        break;
    }
    QGraphicsView::keyPressEvent(event);
}

void FamilyChartView::mousePressEvent(QMouseEvent* event)
{
    for (QGraphicsItem* item : items(event->position().toPoint())) {
        if (item->data(0).isValid()) {
            setCurrent(item->data(0).toInt(), true);
            event->accept();
            return;
        }
    }
    QGraphicsView::mousePressEvent(event);
}

void FamilyChartView::wheelEvent(QWheelEvent* event)
{
    const int steps = event->angleDelta().y() / 120;
    if (steps == 0) {
        QGraphicsView::wheelEvent(event);
        return;
    }
    scaleBy(std::pow(zoomStep, steps));
    event->accept();
}

void FamilyChartView::resizeEvent(QResizeEvent* event)
{
    QGraphicsView::resizeEvent(event);
    if (m_fitted)
        fitToWindow();
}

void FamilyChartView::zoomIn()
{
    scaleBy(zoomStep);
}

void FamilyChartView::zoomOut()
{
    scaleBy(1 / zoomStep);
}

void FamilyChartView::scaleBy(double factor)
{
    const double target = std::clamp(zoom() * factor, minimumZoom, maximumZoom);
    scale(target / zoom(), target / zoom());
    m_fitted = false;
}

void FamilyChartView::fitToWindow()
{
    if (m_chart.bounds.isEmpty())
        return;
    fitInView(m_chart.bounds, Qt::KeepAspectRatio);
    // A small family is not blown up beyond its own size.
    if (zoom() > 1)
        resetTransform();
    m_fitted = true;
}

double FamilyChartView::zoom() const
{
    return transform().m11();
}

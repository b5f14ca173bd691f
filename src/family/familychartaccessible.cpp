#include "familychartaccessible.h"

#include "familychartview.h"

#include <QAccessibleWidget>

#include <map>

namespace {

class AccessibleChart;

class AccessibleBox : public QAccessibleInterface
{
public:
    AccessibleBox(const AccessibleChart& chart, int index) : m_chart(chart), m_index(index) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;

private:
    const FamilyChartView* view() const;
    const FamilyChart::Box* box() const;

    const AccessibleChart& m_chart;
    int m_index;
};

class AccessibleChart : public QAccessibleWidget
{
public:
    explicit AccessibleChart(FamilyChartView* view) : QAccessibleWidget(view, QAccessible::List) {}
    ~AccessibleChart() override
    {
        for (const auto& [index, id] : m_children)
            QAccessible::deleteAccessibleInterface(id);
    }

    const FamilyChartView* view() const { return static_cast<const FamilyChartView*>(widget()); }
    int childCount() const override { return int(view()->chart().boxes.size()); }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        // Qt's cache owns the interfaces it is given; this keeps their ids.
        auto found = m_children.find(index);
        if (found == m_children.end()) {
            auto* made = new AccessibleBox(*this, index);
            found = m_children.emplace(index, QAccessible::registerAccessibleInterface(made)).first;
        }
        return QAccessible::accessibleInterface(found->second);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (const auto& [index, id] : m_children) {
            if (QAccessible::accessibleInterface(id) == child)
                return index;
        }
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint at = view()->viewport()->mapFromGlobal(QPoint(x, y));
        const QPointF scene = view()->mapToScene(at);
        const QList<FamilyChart::Box>& boxes = view()->chart().boxes;
        for (qsizetype i = 0; i < boxes.size(); ++i) {
            if (boxes.at(i).rect.contains(scene))
                return child(int(i));
        }
        return nullptr;
    }

    QAccessibleInterface* focusChild() const override
    {
        return view()->hasFocus() ? child(view()->currentIndex()) : nullptr;
    }

private:
    mutable std::map<int, QAccessible::Id> m_children;
};

const FamilyChartView* AccessibleBox::view() const
{
    return m_chart.view();
}

const FamilyChart::Box* AccessibleBox::box() const
{
    const QList<FamilyChart::Box>& boxes = view()->chart().boxes;
    return m_index < boxes.size() ? &boxes.at(m_index) : nullptr;
}

bool AccessibleBox::isValid() const
{
    return m_chart.isValid() && box();
}

QWindow* AccessibleBox::window() const
{
    return m_chart.window();
}

QAccessibleInterface* AccessibleBox::parent() const
{
    return const_cast<AccessibleChart*>(&m_chart);
}

QString AccessibleBox::text(QAccessible::Text t) const
{
    const FamilyChart::Box* shown = box();
    if (!shown || t != QAccessible::Name)
        return {};
    return shown->accessibleText();
}

QRect AccessibleBox::rect() const
{
    const FamilyChart::Box* shown = box();
    if (!shown)
        return {};
    const QRect local = view()->mapFromScene(shown->rect).boundingRect();
    return QRect(view()->viewport()->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State AccessibleBox::state() const
{
    QAccessible::State state;
    state.focusable = true;
    state.selectable = true;
    const bool current = view()->currentIndex() == m_index;
    state.selected = current;
    state.focused = current && view()->hasFocus();
    const QRect shown = rect();
    state.invisible =
        !QRect(view()->viewport()->mapToGlobal(QPoint(0, 0)), view()->viewport()->size())
             .intersects(shown);
    return state;
}

} // namespace

namespace FamilyChartAccessible {

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (className != u"FamilyChartView")
        return nullptr;
    auto* view = qobject_cast<FamilyChartView*>(object);
    return view ? new AccessibleChart(view) : nullptr;
}

void announceCurrent(QObject* view, int index)
{
    QAccessibleEvent focus(view, QAccessible::Focus);
    focus.setChild(index);
    QAccessible::updateAccessibility(&focus);
    QAccessibleEvent selection(view, QAccessible::Selection);
    selection.setChild(index);
    QAccessible::updateAccessibility(&selection);
}

} // namespace FamilyChartAccessible

#include "clsresize.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace {

// Re-enables drawing however the layout pass ends.
class UpdatesFrozen
{
public:
    explicit UpdatesFrozen(QWidget* window)
        : m_window(window), m_wasEnabled(window->updatesEnabled())
    {
        m_window->setUpdatesEnabled(false);
    }
    ~UpdatesFrozen()
    {
        if (m_window)
            m_window->setUpdatesEnabled(m_wasEnabled);
    }
    UpdatesFrozen(const UpdatesFrozen&) = delete;
    UpdatesFrozen& operator=(const UpdatesFrozen&) = delete;

private:
    QPointer<QWidget> m_window;
    bool m_wasEnabled;
};

bool isControl(const QWidget* widget)
{
    const QString name = widget->objectName();
    return !name.isEmpty() && !name.startsWith(QStringLiteral("qt_")) && !widget->isWindow();
}

int scaled(int value, double ratio)
{
    return static_cast<int>(std::lround(value * ratio));
}

} // namespace

ClsResize::ClsResize(QObject* parent) : QObject(parent) {}

ClsResize::~ClsResize()
{
    if (m_area)
        m_area->removeEventFilter(this);
}

void ClsResize::setSourceForm(QWidget* window, QWidget* area)
{
    if (m_area)
        m_area->removeEventFilter(this);
    m_window = window;
    m_area = area ? area : window;
    m_needsInit = true;
    m_controlPositions.clear();
    if (m_area)
        m_area->installEventFilter(this);
}

void ClsResize::Initialise()
{
    m_designWidth = m_area->width();
    m_designHeight = m_area->height();
    m_controlPositions.clear();
    collect(m_area);
    m_needsInit = false;
}

void ClsResize::collect(QWidget* parent)
{
    const auto children = parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (!isControl(child))
            continue;
        m_controlPositions.append({child, child->geometry()});
        collect(child);
    }
}

void ClsResize::ReInitialise()
{
    if (m_area)
        Initialise();
}

void ClsResize::SizeFormToScreen(quint8 percent)
{
    if (!m_window || !m_area)
        return;
    if (m_needsInit)
        Initialise();
    const QScreen* screen =
        m_window->screen() ? m_window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->geometry();
    const int h = static_cast<int>(std::floor(percent / 100.0 * available.height()));
    const int w = static_cast<int>(std::floor(percent / 100.0 * available.width()));
    m_window->move(available.left() + (available.width() - w) / 2,
                   available.top() + (available.height() - h) / 2);
    m_window->resize(w, h);
    ResizeControls();
}

void ClsResize::ResizeControls()
{
    if (!m_window || !m_area)
        return;
    if (m_window->isMinimized())
        return;
    if (m_needsInit) {
        Initialise();
        return;
    }
    if (m_controlPositions.isEmpty() || m_designWidth <= 0 || m_designHeight <= 0)
        return;

    const UpdatesFrozen frozen(m_window);
    const double yRatio = static_cast<double>(m_area->height()) / m_designHeight;
    const double xRatio = static_cast<double>(m_area->width()) / m_designWidth;
    for (const ControlPosition& position : std::as_const(m_controlPositions)) {
        QWidget* ctl = position.ctl;
        if (!ctl)
            continue;
        QString tag = ctl->property("Tag").toString().toUpper();
        if (!tag.startsWith(u'@'))
            tag = QStringLiteral("@L,T,W,H");
        QRect geometry = ctl->geometry();
        if (tag.contains(u'L'))
            geometry.moveLeft(scaled(position.design.left(), xRatio));
        if (tag.contains(u'T'))
            geometry.moveTop(scaled(position.design.top(), yRatio));
        if (tag.contains(u'W'))
            geometry.setWidth(scaled(position.design.width(), xRatio));
        if (tag.contains(u'H'))
            geometry.setHeight(scaled(position.design.height(), yRatio));
        ctl->setGeometry(geometry);
    }
}

bool ClsResize::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_area && event->type() == QEvent::Resize)
        ResizeControls();
    return QObject::eventFilter(watched, event);
}

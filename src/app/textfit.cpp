#include "textfit.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace TextFit {

namespace {

constexpr double kStep = 0.25;
constexpr double kSmallest = 0.75;

class Fitter final : public QObject
{
public:
    explicit Fitter(QPlainTextEdit& box) : QObject(&box), m_box(box), m_face(box.font())
    {
        box.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &m_box || event->type() != QEvent::Resize)
            return QObject::eventFilter(watched, event);
        // The box lays its text out for the new size first.
        static_cast<QObject&>(m_box).event(event);
        fit();
        return true;
    }

private:
    // The box's own layout says whether its text needs scrolling.
    bool scrolls() const
    {
        return m_box.verticalScrollBar()->maximum() > 0 ||
               m_box.horizontalScrollBar()->maximum() > 0;
    }

    void fit()
    {
        QFont font = m_face;
        const double smallest = m_face.pointSizeF() * kSmallest;
        for (double points = m_face.pointSizeF(); points >= smallest; points -= kStep) {
            font.setPointSizeF(points);
            m_box.setFont(font);
            if (!scrolls())
                return;
        }
    }

    QPlainTextEdit& m_box;
    const QFont m_face;
};

} // namespace

void keepWhole(QPlainTextEdit& box)
{
    new Fitter(box); // owned by the box
}

} // namespace TextFit

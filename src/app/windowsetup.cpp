#include "windowsetup.h"

#include "clsresize.h"

#include <QLayout>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace WindowSetup {

namespace {

QSize pixels(QSize twips)
{
    return {Twips::toPixels(twips.width()), Twips::toPixels(twips.height())};
}

QRect scaled(const QRect& rect, double ratio)
{
    return {qRound(rect.x() * ratio), qRound(rect.y() * ratio), qRound(rect.width() * ratio),
            qRound(rect.height() * ratio)};
}

// The controls are the named descendants; Qt's own parts follow their owner.
void scaleControls(QWidget& parent, double ratio)
{
    for (QWidget* child : parent.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() || child->objectName().isEmpty() ||
            child->objectName().startsWith(QStringLiteral("qt_")))
            continue;
        child->setGeometry(scaled(child->geometry(), ratio));
        scaleControls(*child, ratio);
    }
}

// What Qt's font propagation does, which a style sheet on the window stops.
void spreadFace(QWidget& parent)
{
    for (QWidget* child : parent.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        if (!child->testAttribute(Qt::WA_SetFont))
            child->setFont(parent.font());
        spreadFace(*child);
    }
}

} // namespace

void giveFace(QWidget& window)
{
    window.setFont(Fonts::sansSerif());
    spreadFace(window);
}

QSize grownSize(const QWidget& window, QSize design)
{
    const QSize grown = (QSizeF(design) * Fonts::textScale()).toSize();
    const QScreen* screen = window.screen();
    if (!screen || grown == design)
        return grown;
    const QRect available = screen->availableGeometry();
    const QSize frame = window.frameGeometry().size() - window.size();
    return grown.boundedTo(available.size() - frame).expandedTo(design);
}

void open(QWidget& window, ClsResize& resize, QWidget* area, QSize designTwips)
{
    const QSize design = pixels(designTwips);
    giveFace(window);
    window.resize(design);
    resize.setSourceForm(&window, area);
    if (window.layout())
        window.layout()->activate();
    resize.SizeFormToScreen(75);
    const QSize shown = grownSize(window, design);
    window.resize(shown);
    window.setMinimumSize(shown);
}

void fixSize(QWidget& window, QSize designTwips)
{
    giveFace(window);
    const double ratio = Fonts::textScale();
    if (ratio != 1.0)
        scaleControls(window, ratio);
    window.setFixedSize((QSizeF(pixels(designTwips)) * ratio).toSize());
}

void centreOver(QWidget& window, const QWidget& opener)
{
    const QSize size = window.frameGeometry().size().expandedTo(window.size());
    QPoint topLeft = opener.frameGeometry().center() - QPoint(size.width() / 2, size.height() / 2);
    if (const QScreen* screen = opener.screen()) {
        const QRect available = screen->availableGeometry();
        topLeft.setX(std::max(available.left(),
                              std::min(topLeft.x(), available.right() + 1 - size.width())));
        topLeft.setY(std::max(available.top(),
                              std::min(topLeft.y(), available.bottom() + 1 - size.height())));
    }
    window.move(topLeft);
}

QLabel* passo(QWidget* parent, const QRect& twips, const QString& tooltip)
{
    auto* label = control<QLabel>(parent, QStringLiteral("passo"), twips, tooltip);
    label->setStyleSheet(QStringLiteral("background-color: #ffff00;"));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace WindowSetup

#include "windowsetup.h"

#include "clsresize.h"

#include <QLayout>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace WindowSetup {

void open(QWidget& window, ClsResize& resize, QWidget* area, QSize designTwips)
{
    const QSize design(Twips::toPixels(designTwips.width()), Twips::toPixels(designTwips.height()));
    window.resize(design);
    resize.setSourceForm(&window, area);
    if (window.layout())
        window.layout()->activate();
    resize.SizeFormToScreen(75);
    window.resize(design);
    window.setMinimumSize(design);
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

#include "familychartpainter.h"

#include "output/sharechart.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

using namespace Qt::Literals::StringLiterals;

namespace FamilyChart {

namespace {

constexpr double padding = 6;

struct Look
{
    QColor fill;
    QColor border;
    QColor text;
    double borderWidth;
};

Look lookOf(Standing standing)
{
    switch (standing) {
    case Standing::Decuius:
        return {QColor(0xff, 0xf4, 0xc2), QColor(0x8a, 0x6d, 0x00), Qt::black, 2};
    case Standing::Erede:
        return {Qt::white, QColor(0x2e, 0x7d, 0x32), Qt::black, 2};
    case Standing::NonErede:
        break;
    }
    return {QColor(0xec, 0xec, 0xec), QColor(0x9e, 0x9e, 0x9e), QColor(0x5f, 0x5f, 0x5f), 1};
}

QFont font(int pixels, bool bold = false, bool italic = false)
{
    QFont result(u"DejaVu Sans"_s);
    result.setPixelSize(pixels);
    result.setBold(bold);
    result.setItalic(italic);
    return result;
}

/// Draws `text` from `top` down, wrapped to the box; returns the next top.
double line(QPainter& painter, const QRectF& inner, double top, const QString& text,
            const QFont& textFont)
{
    if (text.isEmpty() || top >= inner.bottom())
        return top;
    painter.setFont(textFont);
    const QRectF area(inner.left(), top, inner.width(), inner.bottom() - top);
    QRectF used;
    painter.drawText(area, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text, &used);
    return used.bottom() + 1;
}

QPen penOf(LinkKind kind)
{
    switch (kind) {
    case LinkKind::Rappresentazione: {
        QPen pen(QColor(0x15, 0x65, 0xc0), 2, Qt::DashLine);
        return pen;
    }
    case LinkKind::Collaterale:
        return QPen(QColor(0x75, 0x75, 0x75), 1.2, Qt::DotLine);
    case LinkKind::Unione:
        return QPen(QColor(0x8a, 0x6d, 0x00), 1.5);
    case LinkKind::Parentela:
        break;
    }
    return QPen(QColor(0x42, 0x42, 0x42), 1.5);
}

QPainterPath pathOf(const Chart& chart, const Link& link)
{
    const QRectF from = chart.boxes.at(link.from).rect;
    const QRectF to = chart.boxes.at(link.to).rect;
    QPainterPath path;
    if (link.kind == LinkKind::Unione || link.kind == LinkKind::Collaterale) {
        const bool right = to.center().x() > from.center().x();
        const double y = from.center().y();
        path.moveTo(right ? from.right() : from.left(), y - 2);
        path.lineTo(right ? to.left() : to.right(), y - 2);
        if (link.kind == LinkKind::Unione) {
            path.moveTo(right ? from.right() : from.left(), y + 2);
            path.lineTo(right ? to.left() : to.right(), y + 2);
        }
        return path;
    }
    const QPointF start(from.center().x(), from.bottom());
    const QPointF end(to.center().x(), to.top());
    const double middle = (start.y() + end.y()) / 2;
    path.moveTo(start);
    path.lineTo(start.x(), middle);
    path.lineTo(end.x(), middle);
    path.lineTo(end);
    return path;
}

} // namespace

void paintBox(QPainter& painter, const Box& box, bool current)
{
    const Look look = lookOf(box.standing);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (current) {
        painter.setPen(QPen(QColor(0x15, 0x65, 0xc0), 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(box.rect.adjusted(-4, -4, 4, 4), 8, 8);
    }
    painter.setPen(QPen(look.border, look.borderWidth));
    painter.setBrush(look.fill);
    painter.drawRoundedRect(box.rect, 6, 6);
    painter.setPen(look.text);
    painter.setClipRect(box.rect);
    const QRectF inner = box.rect.adjusted(padding, padding - 2, -padding, -padding + 2);
    double top = line(painter, inner, inner.top(), box.name, font(13, true));
    top = line(painter, inner, top, box.relation, font(11, false, true));
    if (box.standing == Standing::Erede) {
        painter.setPen(QColor(0x1b, 0x5e, 0x20));
        for (const QString& share : box.shares)
            top = line(painter, inner, top, share, font(11, true));
    } else {
        line(painter, inner, top, box.reason, font(11));
    }
    painter.restore();
}

void paintLinks(QPainter& painter, const Chart& chart)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    for (const Link& link : chart.links) {
        painter.setPen(penOf(link.kind));
        painter.drawPath(pathOf(chart, link));
    }
    painter.restore();
}

void paintLegend(QPainter& painter, const Chart& chart)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font(11));
    const QRectF area = chart.legendRect;
    double x = area.left();
    const double y = area.center().y();
    const auto sample = [&](LinkKind kind, const QString& text) {
        painter.setPen(penOf(kind));
        painter.drawLine(QPointF(x, y), QPointF(x + 28, y));
        painter.setPen(Qt::black);
        const QRectF label(x + 34, area.top(), 400, area.height());
        QRectF used;
        painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter, text, &used);
        x = used.right() + 18;
    };
    sample(LinkKind::Parentela, u"figlio"_s);
    sample(LinkKind::Rappresentazione, u"rappresentazione per stirpi"_s);
    const auto swatch = [&](Standing standing, const QString& text) {
        const Look look = lookOf(standing);
        painter.setPen(QPen(look.border, look.borderWidth));
        painter.setBrush(look.fill);
        painter.drawRoundedRect(QRectF(x, y - 7, 22, 14), 3, 3);
        painter.setPen(Qt::black);
        QRectF used;
        painter.drawText(QRectF(x + 28, area.top(), 400, area.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, text, &used);
        x = used.right() + 18;
    };
    swatch(Standing::Erede, u"erede"_s);
    swatch(Standing::NonErede, u"non eredita"_s);
    painter.restore();
}

void paint(QPainter& painter, const Chart& chart)
{
    painter.save();
    painter.translate(-chart.bounds.topLeft());
    painter.fillRect(chart.bounds, Qt::white);
    paintLinks(painter, chart);
    for (const Box& box : chart.boxes)
        paintBox(painter, box);
    paintLegend(painter, chart);
    painter.restore();
}

QImage renderImage(const Chart& chart, double width, int dotsPerInch)
{
    const double shown = std::min(width, chart.bounds.width());
    const double scale = shown / chart.bounds.width() * dotsPerInch / 96.0;
    QImage image = ShareChart::printImage(
        QSize(qRound(chart.bounds.width() * scale), qRound(chart.bounds.height() * scale)),
        dotsPerInch);
    QPainter painter(&image);
    painter.scale(scale, scale);
    paint(painter, chart);
    return image;
}

} // namespace FamilyChart

#include "sharechart.h"

#include "document.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QRectF>
#include <QStringList>

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace ShareChart {

namespace {

constexpr double chartHeight = 300;
constexpr double titleHeight = 28;
constexpr double legendLine = 18;

QFont font(int pixels, bool bold = false)
{
    QFont result(u"DejaVu Sans"_s);
    result.setPixelSize(pixels);
    result.setBold(bold);
    return result;
}

} // namespace

QString title(Succession succession)
{
    return succession == Succession::Legittima ? u"Successione legittima"_s
                                               : u"Successione testamentaria"_s;
}

QString disponibileLabel()
{
    return u"quota disponibile"_s;
}

QString stateLabel()
{
    return u"Stato"_s;
}

QColor colorOf(const Slice& slice, int index)
{
    if (slice.kind == SliceKind::Disponibile)
        return QColor(0xbd, 0xbd, 0xbd);
    if (slice.kind == SliceKind::Stato)
        return QColor(0x6d, 0x4c, 0x41);
    static const std::array<QColor, 8> palette{QColor(0x1f, 0x77, 0xb4), QColor(0xff, 0x7f, 0x0e),
                                               QColor(0x2c, 0xa0, 0x2c), QColor(0xd6, 0x27, 0x28),
                                               QColor(0x94, 0x67, 0xbd), QColor(0x17, 0xbe, 0xcf),
                                               QColor(0xe3, 0x77, 0xc2), QColor(0xbc, 0xbd, 0x22)};
    return palette[std::size_t(index) % palette.size()];
}

QString shortLegendText(const Slice& slice)
{
    return slice.label + u' ' + slice.fractionText;
}

QString legendText(const Slice& slice)
{
    QString text = shortLegendText(slice);
    if (!slice.amountText.isEmpty())
        text += u" ("_s + slice.amountText + u')';
    return text;
}

QString description(const Data& data)
{
    QStringList parts;
    for (const Slice& slice : data.slices)
        parts << legendText(slice);
    if (parts.isEmpty())
        return data.title + u": nessuna quota."_s;
    return data.title + u": "_s + parts.join(u"; "_s) + u'.';
}

void paint(QPainter& painter, const Data& data, const QRectF& area)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    painter.setFont(font(14, true));
    painter.drawText(QRectF(area.left(), area.top(), area.width(), titleHeight),
                     Qt::AlignHCenter | Qt::AlignVCenter, data.title);
    const double legendHeight = legendLine * double(data.slices.size());
    const double size = std::max(
        40.0, std::min(area.width() * 0.9, area.height() - titleHeight - legendHeight - 16));
    const QRectF pie(area.center().x() - size / 2, area.top() + titleHeight + 4, size, size);
    double total = 0;
    for (const Slice& slice : data.slices)
        total += slice.part;
    // Angles in sixteenths of a degree, clockwise from twelve o'clock.
    int start = 90 * 16;
    for (qsizetype i = 0; i < data.slices.size(); ++i) {
        const Slice& slice = data.slices.at(i);
        const int span = i + 1 == data.slices.size() && total >= 0.9999
                             ? 90 * 16 - start - 360 * 16
                             : -qRound(slice.part * 360 * 16);
        painter.setPen(QPen(Qt::white, 1.5));
        painter.setBrush(colorOf(slice, int(i)));
        if (slice.part >= 0.9999)
            painter.drawEllipse(pie);
        else
            painter.drawPie(pie, start, span);
        start += span;
    }
    painter.setFont(font(12));
    double y = pie.bottom() + 10;
    const QFontMetricsF metrics(painter.font());
    for (qsizetype i = 0; i < data.slices.size(); ++i) {
        const Slice& slice = data.slices.at(i);
        const QRectF swatch(area.left() + 8, y + 3, 12, 12);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colorOf(slice, int(i)));
        painter.drawRect(swatch);
        painter.setPen(Qt::black);
        const QRectF text(swatch.right() + 6, y, area.right() - swatch.right() - 8, legendLine);
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(legendText(slice), Qt::ElideRight, text.width()));
        y += legendLine;
    }
    painter.restore();
}

QImage renderImage(const QList<Data>& charts, double width, int dotsPerInch)
{
    qsizetype slices = 0;
    for (const Data& data : charts)
        slices = std::max(slices, data.slices.size());
    const double each = width / double(std::max<qsizetype>(1, charts.size()));
    const double pie = std::min(each * 0.9, chartHeight - titleHeight - 16);
    const double height = titleHeight + pie + 24 + legendLine * double(slices);
    const double scale = dotsPerInch / 96.0;
    QImage image = printImage(QSize(qRound(width * scale), qRound(height * scale)), dotsPerInch);
    QPainter painter(&image);
    painter.scale(scale, scale);
    for (qsizetype i = 0; i < charts.size(); ++i)
        paint(painter, charts.at(i), QRectF(each * double(i), 0, each, height));
    return image;
}

void addToDocument(Document& document, const QList<Data>& charts)
{
    if (charts.isEmpty())
        return;
    QStringList descriptions;
    for (const Data& chart : charts)
        descriptions << description(chart);
    const QString text = descriptions.join(u' ');
    document.addImage(renderImage(charts, Document::textWidth, Document::printDotsPerInch),
                      Document::textWidth, u"Grafico delle quote. "_s + text);
    document.setFontSize(9);
    document.typeText(u"Grafico delle quote, in parole: "_s + text);
}

QImage printImage(QSize pixels, int dotsPerInch)
{
    QImage image(pixels, QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dotsPerInch / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    return image;
}

} // namespace ShareChart

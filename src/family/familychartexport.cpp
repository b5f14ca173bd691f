#include "familychartexport.h"

#include "familychartpainter.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

using namespace Qt::Literals::StringLiterals;

namespace FamilyChartExport {

namespace {

/// Pictures are drawn at twice the screen's size, sharp on a printed page.
constexpr int pngDotsPerInch = 192;

bool fail(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
    return false;
}

QByteArray png(const FamilyChart::Chart& chart)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    FamilyChart::renderImage(chart, chart.bounds.width(), pngDotsPerInch).save(&buffer, "PNG");
    return buffer.data();
}

QByteArray svg(const FamilyChart::Chart& chart)
{
    QBuffer buffer;
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(chart.bounds.size().toSize());
    generator.setViewBox(QRectF(QPointF(0, 0), chart.bounds.size()));
    generator.setTitle(u"Albero genealogico"_s);
    generator.setDescription(FamilyChart::description(chart));
    QPainter painter(&generator);
    FamilyChart::paint(painter, chart);
    painter.end();
    return buffer.data();
}

QByteArray pdf(const FamilyChart::Chart& chart)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(u"Quotara"_s);
        writer.setTitle(u"Albero genealogico"_s);
        writer.setResolution(300);
        // One page the size of the chart: 96 logical pixels to the inch.
        const QSizeF points = chart.bounds.size() * 72.0 / 96.0;
        writer.setPageLayout(QPageLayout(QPageSize(points, QPageSize::Point), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0)));
        QPainter painter(&writer);
        const double scale = writer.resolution() / 96.0;
        painter.scale(scale, scale);
        FamilyChart::paint(painter, chart);
    }
    return buffer.data();
}

} // namespace

QString filter()
{
    return u"Immagine PNG (*.png);;Disegno SVG (*.svg);;Documento PDF (*.pdf)"_s;
}

QString withSuffix(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == u"png"_s || suffix == u"svg"_s || suffix == u"pdf"_s)
        return fileName;
    return fileName + u".png"_s;
}

bool save(const FamilyChart::Chart& chart, const QString& fileName, QString* error)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    QByteArray bytes;
    if (suffix == u"png"_s)
        bytes = png(chart);
    else if (suffix == u"svg"_s)
        bytes = svg(chart);
    else if (suffix == u"pdf"_s)
        bytes = pdf(chart);
    else
        return fail(error, u"formato non riconosciuto: usare .png, .svg o .pdf"_s);
    if (bytes.isEmpty())
        return fail(error, u"il disegno non è riuscito"_s);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(error, reason);
    }
    if (!file.commit())
        return fail(error, file.errorString());
    return true;
}

} // namespace FamilyChartExport

#pragma once

#include "familychart.h"

#include <QImage>

class QPainter;

/// Drawing the family chart with a QPainter, in the chart's logical pixels:
/// the window's boxes, the exported files and the report's image all look
/// alike. Needs a QGuiApplication for the fonts.
namespace FamilyChart {

/// One box; `current` marks the person chosen in the editor.
void paintBox(QPainter& painter, const Box& box, bool current = false);
/// The lines between the boxes: a parent's to his children, dashed where a
/// child represents his parent, double to the spouse, dotted to collaterals.
void paintLinks(QPainter& painter, const Chart& chart);
/// The key of the lines and colours, in the chart's legend rectangle.
void paintLegend(QPainter& painter, const Chart& chart);
/// The whole chart on a white ground, `chart.bounds` at the painter's origin.
void paint(QPainter& painter, const Chart& chart);

/// The chart as an image `width` logical pixels wide at most (its own width
/// when smaller), drawn at `dotsPerInch`, which the image records.
QImage renderImage(const Chart& chart, double width, int dotsPerInch);

} // namespace FamilyChart

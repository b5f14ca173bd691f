#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

class Document;
class QPainter;
class QRectF;

/// A chart of how an estate is divided: one slice per heir, the disposable
/// portion and the State's share when they exist. The window shows it with
/// Qt Charts, the reports draw it with `paint`; both take the colours here.
namespace ShareChart {

enum class SliceKind { Erede, Disponibile, Stato };

/// The kinds of succession a chart shows.
enum class Succession { Legittima, Testamentaria };

/// "Successione legittima", "Successione testamentaria".
QString title(Succession succession);
/// The label of the disposable portion's slice.
QString disponibileLabel();
/// The label of the State's slice.
QString stateLabel();

struct Slice
{
    QString label;        ///< the heir's name, "quota disponibile", "Stato"
    double part = 0;      ///< of the whole, 0 to 1
    QString fractionText; ///< "1/4", or "25%"
    QString amountText;   ///< "30.000,00"; may be empty
    SliceKind kind = SliceKind::Erede;

    bool operator==(const Slice&) const = default;
};

struct Data
{
    QString title; ///< "Successione legittima"
    QList<Slice> slices;

    bool isEmpty() const { return slices.isEmpty(); }
    bool operator==(const Data&) const = default;
};

/// The colour of the slice at `index` of its chart.
QColor colorOf(const Slice& slice, int index);

/// The text of a slice's legend entry: "Anna 1/2 (60.000,00)".
QString legendText(const Slice& slice);
/// The entry without the amount, where the full one has no room: "Anna 1/2".
QString shortLegendText(const Slice& slice);

/// The chart told in words: its text alternative.
QString description(const Data& data);

/// A pie with its title and legend, in `area` (logical pixels).
void paint(QPainter& painter, const Data& data, const QRectF& area);

/// Charts side by side as one image, `width` logical pixels wide, drawn at
/// `dotsPerInch`, which the image records.
QImage renderImage(const QList<Data>& charts, double width, int dotsPerInch);

/// A white picture of `pixels` that says it is printed at `dotsPerInch`, for the
/// charts the documents hold.
QImage printImage(QSize pixels, int dotsPerInch);

/// The charts side by side as an image across the page, followed by their
/// text alternative in small print; nothing when there is no chart.
void addToDocument(Document& document, const QList<Data>& charts);

} // namespace ShareChart

#include "sharechartview.h"

#include <QChart>
#include <QLegend>
#include <QPieSeries>
#include <QPieSlice>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

ShareChartView::ShareChartView(const QString& name, QWidget* parent) : QChartView(parent)
{
    setObjectName(name);
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(220, 200);
    chart()->setAnimationOptions(QChart::NoAnimation);
    chart()->legend()->setAlignment(Qt::AlignRight);
    chart()->setBackgroundRoundness(0);
    chart()->setMargins(QMargins(4, 4, 4, 4));
    setFocusPolicy(Qt::TabFocus);
    // The view speaks for the chart; its drawing area is no control of its own.
    viewport()->setFocusPolicy(Qt::NoFocus);
    setAccessibleName(u"Grafico delle quote"_s);
}

void ShareChartView::setData(const ShareChart::Data& data)
{
    if (data == m_data && !chart()->series().isEmpty())
        return;
    m_data = data;
    chart()->removeAllSeries();
    auto* series = new QPieSeries;
    m_series = series;
    for (qsizetype i = 0; i < data.slices.size(); ++i) {
        const ShareChart::Slice& slice = data.slices.at(i);
        QPieSlice* pie = series->append(ShareChart::legendText(slice), slice.part);
        pie->setColor(ShareChart::colorOf(slice, int(i)));
        pie->setBorderColor(Qt::white);
    }
    chart()->addSeries(series);
    fitLegend();
    chart()->setTitle(data.title);
    setAccessibleName(u"Grafico delle quote: "_s + data.title);
    setAccessibleDescription(ShareChart::description(data));
    setToolTip(ShareChart::description(data));
}

void ShareChartView::resizeEvent(QResizeEvent* event)
{
    QChartView::resizeEvent(event);
    fitLegend();
}

// Left to itself the legend takes a fixed part of the view and cuts names and
// amounts short in a narrow pane: it gets the width of its longest entry, up to
// half the view, and drops the amounts (still in the tooltip and the
// description) where even half would cut them.
void ShareChartView::fitLegend()
{
    if (!m_series || m_series->count() != m_data.slices.size())
        return;
    const QFontMetrics metrics(chart()->legend()->font());
    // The marker, its gap and the legend's own margins.
    const int marker = metrics.height() * 3 + 8;
    const auto widest = [&](QString (*text)(const ShareChart::Slice&)) {
        int width = 0;
        for (const ShareChart::Slice& slice : m_data.slices)
            width = std::max(width, metrics.horizontalAdvance(text(slice)) + marker);
        return width;
    };
    const int room = width() / 2;
    const bool full = widest(ShareChart::legendText) <= room;
    const auto text = full ? ShareChart::legendText : ShareChart::shortLegendText;
    for (qsizetype i = 0; i < m_data.slices.size(); ++i)
        m_series->slices().at(i)->setLabel(text(m_data.slices.at(i)));
    chart()->legend()->setMinimumWidth(std::min(widest(text), room));
}

#include "sharechartview.h"

#include <QChart>
#include <QLegend>
#include <QPieSeries>
#include <QPieSlice>

using namespace Qt::Literals::StringLiterals;

ShareChartView::ShareChartView(const QString& name, QWidget* parent) : QChartView(parent)
{
    setObjectName(name);
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(220, 200);
    chart()->setAnimationOptions(QChart::NoAnimation);
    chart()->legend()->setAlignment(Qt::AlignRight);
    chart()->setBackgroundRoundness(0);
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
    for (qsizetype i = 0; i < data.slices.size(); ++i) {
        const ShareChart::Slice& slice = data.slices.at(i);
        QPieSlice* pie = series->append(ShareChart::legendText(slice), slice.part);
        pie->setColor(ShareChart::colorOf(slice, int(i)));
        pie->setBorderColor(Qt::white);
    }
    chart()->addSeries(series);
    chart()->setTitle(data.title);
    setAccessibleName(u"Grafico delle quote: "_s + data.title);
    setAccessibleDescription(ShareChart::description(data));
    setToolTip(ShareChart::description(data));
}

#pragma once

#include "sharechart.h"

#include <QChartView>

class QPieSeries;

/// A share chart on screen: a pie with a slice per heir, coloured as the
/// printed chart, its legend beside it. Its accessible description reads the
/// chart in words.
class ShareChartView : public QChartView
{
    Q_OBJECT
public:
    explicit ShareChartView(const QString& name, QWidget* parent = nullptr);

    void setData(const ShareChart::Data& data);
    const ShareChart::Data& data() const { return m_data; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitLegend();

    ShareChart::Data m_data;
    QPieSeries* m_series = nullptr; ///< owned by the chart
};

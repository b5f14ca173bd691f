#pragma once

#include "sharechart.h"

#include <QChartView>

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

private:
    ShareChart::Data m_data;
};

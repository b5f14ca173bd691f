#pragma once

#include "results.h"

#include <QWidget>

class Forms;
class QLabel;
class ShareChartView;

/// The window `grafico`: the succession window's shares as two pies, the
/// testamentary and the legitimate succession side by side, following the
/// grid's results at every change.
class GraficoWindow : public QWidget
{
    Q_OBJECT
public:
    explicit GraficoWindow(Forms& forms, QWidget* parent = nullptr);

    void showResults(const Results& results);
    const ShareChartView& testamentaria() const { return *m_testamentaria; }
    const ShareChartView& legittima() const { return *m_legittima; }

private:
    ShareChartView* m_testamentaria = nullptr;
    ShareChartView* m_legittima = nullptr;
    QLabel* m_vuoto = nullptr;
};

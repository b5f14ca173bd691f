#pragma once

#include "output/sharechart.h"
#include "results.h"

#include <QList>
#include <QLocale>

/// The share charts of the succession window's results: the children, the
/// ascendants, the spouse, the brothers and sisters and the disposable
/// portion, column by column.
namespace GridShareChart {

/// The chart of one column of the grid; no slices when it holds no share.
ShareChart::Data columnChart(const Results& results, ResultColumn column,
                             const QLocale& locale = QLocale());

/// The charts of the columns that hold shares, testamentary first.
QList<ShareChart::Data> charts(const Results& results, const QLocale& locale = QLocale());

} // namespace GridShareChart

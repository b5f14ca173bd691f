#pragma once

#include "output/sharechart.h"
#include "results.h"

#include <QList>
#include <QLocale>

/// The share charts of the succession window's results: the children, the
/// ascendants, the spouse, the brothers and sisters and the disposable
/// portion, column by column.
namespace GridShareChart {

/// Column 1 (testamentary succession) or 2 (legitimate succession); no
/// slices when the column holds no share.
ShareChart::Data columnChart(const Results& results, int column, const QLocale& locale = QLocale());

/// The charts of the columns that hold shares, testamentary first.
QList<ShareChart::Data> charts(const Results& results, const QLocale& locale = QLocale());

} // namespace GridShareChart

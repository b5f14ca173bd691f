#include "gridsharechart.h"

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace GridShareChart {

namespace {

// The rows that divide the estate between them; the rows of each heir repeat them.
constexpr std::array<ResultRow, 5> kShareRows = {ResultRow::Figli, ResultRow::Ascendenti,
                                                 ResultRow::Coniuge, ResultRow::Fratelli,
                                                 ResultRow::Disponibile};

QString labelOf(ResultRow row)
{
    return row == ResultRow::Disponibile ? ShareChart::disponibileLabel() : rowName(row);
}

ShareChart::SliceKind kindOf(ResultRow row)
{
    return row == ResultRow::Disponibile ? ShareChart::SliceKind::Disponibile
                                         : ShareChart::SliceKind::Erede;
}

std::optional<double> positiveValue(const Results& results, ResultRow row, ResultColumn column,
                                    const QLocale& locale)
{
    const double value = results.valore(row, column).toNumber(locale).value_or(0);
    if (!(value > 0) || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// Without heirs all is disposable by will, or goes to the State (art. 586).
void noHeirs(ShareChart::Data& data, const Results& results, ResultColumn column)
{
    if (column == ResultColumn::Testamentaria &&
        results.fraction(ResultRow::Disponibile, column) == u"100"_s)
        data.slices.append(ShareChart::Slice{ShareChart::disponibileLabel(), 1, u"100%"_s,
                                             results.amount(ResultRow::Disponibile, column),
                                             ShareChart::SliceKind::Disponibile});
    if (column == ResultColumn::Legittima && results.art == u"586"_s)
        data.slices.append(ShareChart::Slice{ShareChart::stateLabel(), 1, u"intero"_s, QString(),
                                             ShareChart::SliceKind::Stato});
}

} // namespace

ShareChart::Data columnChart(const Results& results, ResultColumn column, const QLocale& locale)
{
    ShareChart::Data data;
    data.title = ShareChart::title(column == ResultColumn::Testamentaria
                                       ? ShareChart::Succession::Testamentaria
                                       : ShareChart::Succession::Legittima);
    double total = 0;
    for (const ResultRow row : kShareRows)
        total += positiveValue(results, row, column, locale).value_or(0);
    if (!(total > 0)) {
        noHeirs(data, results, column);
        return data;
    }
    for (const ResultRow row : kShareRows) {
        const std::optional<double> value = positiveValue(results, row, column, locale);
        if (!value)
            continue;
        data.slices.append(ShareChart::Slice{labelOf(row), *value / total,
                                             results.fraction(row, column),
                                             results.amount(row, column), kindOf(row)});
    }
    return data;
}

QList<ShareChart::Data> charts(const Results& results, const QLocale& locale)
{
    QList<ShareChart::Data> result;
    for (const ResultColumn column : resultColumns) {
        ShareChart::Data data = columnChart(results, column, locale);
        if (!data.isEmpty())
            result << data;
    }
    return result;
}

} // namespace GridShareChart

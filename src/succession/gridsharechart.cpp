#include "gridsharechart.h"

#include <array>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace GridShareChart {

ShareChart::Data columnChart(const Results& results, int column, const QLocale& locale)
{
    ShareChart::Data data;
    data.title = column == 1 ? u"Successione testamentaria"_s : u"Successione legittima"_s;
    static const std::array<QString, 6> labels{QString(),    u"figli"_s,    u"ascendenti"_s,
                                               u"coniuge"_s, u"fratelli"_s, u"quota disponibile"_s};
    double total = 0;
    std::array<double, 6> values{};
    for (int row = 1; row <= 5; ++row) {
        const double value = results.valore(row, column).toNumber(locale).value_or(0);
        if (value > 0 && std::isfinite(value)) {
            values[std::size_t(row)] = value;
            total += value;
        }
    }
    for (int row = 1; row <= 5 && total > 0; ++row) {
        const double value = values[std::size_t(row)];
        if (value <= 0)
            continue;
        data.slices.append(ShareChart::Slice{
            labels[std::size_t(row)], value / total, results.fraction(row, column),
            results.amount(row, column),
            row == 5 ? ShareChart::SliceKind::Disponibile : ShareChart::SliceKind::Erede});
    }
    if (total > 0)
        return data;
    // Without heirs: all is disposable by will, or goes to the State (art. 586).
    if (column == 1 && results.quotadisponibile[1] == u"100"_s)
        data.slices.append(ShareChart::Slice{labels[5], 1, u"100%"_s, QString(),
                                             ShareChart::SliceKind::Disponibile});
    if (column == 2 && results.art == u"586"_s)
        data.slices.append(
            ShareChart::Slice{u"Stato"_s, 1, u"intero"_s, QString(), ShareChart::SliceKind::Stato});
    return data;
}

QList<ShareChart::Data> charts(const Results& results, const QLocale& locale)
{
    QList<ShareChart::Data> result;
    for (int column = 1; column <= 2; ++column) {
        ShareChart::Data data = columnChart(results, column, locale);
        if (!data.isEmpty())
            result << data;
    }
    return result;
}

} // namespace GridShareChart

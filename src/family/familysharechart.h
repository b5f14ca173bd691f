#pragma once

#include "familycase.h"
#include "familyoutcome.h"
#include "output/sharechart.h"

#include <QList>

/// The share charts of a detailed case: each heir's part, the disposable
/// portion and the State's share, for each kind of succession computed.
namespace FamilyShareChart {

ShareChart::Data sectionChart(const FamilyOutcome::Section& section,
                              const Family::FamilyCase& familyCase,
                              ShareChart::Succession succession);

/// The charts of the kinds of succession computed, the intestate first.
QList<ShareChart::Data> outcomeCharts(const FamilyOutcome::Outcome& outcome,
                                      const Family::FamilyCase& familyCase);

} // namespace FamilyShareChart

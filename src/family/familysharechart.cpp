#include "familysharechart.h"

#include "familylabels.h"

using namespace Qt::Literals::StringLiterals;

namespace FamilyShareChart {

ShareChart::Data sectionChart(const FamilyOutcome::Section& section,
                              const Family::FamilyCase& familyCase,
                              ShareChart::Succession succession)
{
    ShareChart::Data data;
    data.title = ShareChart::title(succession);
    const auto add = [&data](const QString& label, const Fraction& share, const Amount& amount,
                             ShareChart::SliceKind kind) {
        data.slices.append(ShareChart::Slice{label, share.value().get_d(), share.text(),
                                             FamilyLabels::amountText(amount), kind});
    };
    for (const FamilyOutcome::HeirShare& share : section.shares) {
        const Family::Person* person = familyCase.find(share.id);
        add(person ? person->displayName() : share.id, share.share, share.amount,
            ShareChart::SliceKind::Erede);
    }
    if (section.disponibile && section.disponibileAmount && !section.disponibile->isZero())
        add(ShareChart::disponibileLabel(), *section.disponibile, *section.disponibileAmount,
            ShareChart::SliceKind::Disponibile);
    if (section.stateShare && section.stateAmount)
        add(ShareChart::stateLabel(), *section.stateShare, *section.stateAmount,
            ShareChart::SliceKind::Stato);
    return data;
}

QList<ShareChart::Data> outcomeCharts(const FamilyOutcome::Outcome& outcome,
                                      const Family::FamilyCase& familyCase)
{
    QList<ShareChart::Data> charts;
    if (outcome.legittima)
        charts << sectionChart(*outcome.legittima, familyCase, ShareChart::Succession::Legittima);
    if (outcome.testamentaria)
        charts << sectionChart(*outcome.testamentaria, familyCase,
                               ShareChart::Succession::Testamentaria);
    return charts;
}

} // namespace FamilyShareChart

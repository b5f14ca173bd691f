#include "familyreport.h"

#include "familychart.h"
#include "familychartpainter.h"
#include "familylabels.h"
#include "familysharechart.h"
#include "norms/articleindex.h"
#include "output/document.h"

#include <QStringList>

using namespace Qt::Literals::StringLiterals;
using namespace Family;

namespace {

const QChar paragraph(13);

QString articles(const QStringList& list)
{
    return list.join(u", "_s);
}

void caseTable(Document& document, const FamilyCase& familyCase,
               const FamilyOutcome::Outcome& outcome)
{
    QList<QStringList> rows{
        {u"dati"_s, u"valori"_s},
        {u"de cuius"_s, familyCase.decuius},
        {u"successione"_s, FamilyLabels::label(familyCase.kind)},
        {u"beni (relictum)"_s, FamilyLabels::amountText(familyCase.relictum)},
        {u"debiti"_s, FamilyLabels::amountText(familyCase.debts)},
    };
    for (const Donation& donation : familyCase.donations) {
        const Person* donee = familyCase.find(donation.donee);
        rows.append({u"donazione a "_s + (donee ? donee->displayName() : donation.donee),
                     FamilyLabels::amountText(donation.value)});
    }
    if (outcome.testamentaria) {
        if (outcome.testamentaria->massa)
            rows.append(
                {u"massa (art. 556)"_s, FamilyLabels::amountText(*outcome.testamentaria->massa)});
        rows.append({u"rinunziante senza rappresentanti nella riserva"_s,
                     FamilyLabels::label(familyCase.renouncerReserve)});
    }
    const Document::TableId table = document.addTable(static_cast<int>(rows.size()), 2);
    document.setTableFontSize(table, 10);
    for (qsizetype r = 0; r < rows.size(); ++r)
        for (int c = 0; c < 2; ++c)
            document.setCellText(table, static_cast<int>(r) + 1, c + 1, rows[r][c]);
    document.applyColorfulFormat(table);
}

void familyTable(Document& document, const FamilyCase& familyCase)
{
    const Document::TableId table =
        document.addTable(static_cast<int>(familyCase.people.size()) + 1, 3);
    document.setTableFontSize(table, 10);
    document.setCellText(table, 1, 1, u"persona"_s);
    document.setCellText(table, 1, 2, u"relazione"_s);
    document.setCellText(table, 1, 3, u"stato"_s);
    for (qsizetype i = 0; i < familyCase.people.size(); ++i) {
        const Person& person = familyCase.people.at(i);
        const int row = static_cast<int>(i) + 2;
        document.setCellText(table, row, 1, person.displayName());
        document.setCellText(table, row, 2, FamilyLabels::relationText(person, familyCase));
        document.setCellText(table, row, 3, FamilyLabels::label(person.status));
    }
    document.applyColorfulFormat(table);
}

/// The shares table of a section.
Document::TableId sharesTable(Document& document, const FamilyCase& familyCase,
                              const FamilyOutcome::Section& section)
{
    QList<QStringList> rows{
        {u"erede"_s, u"quota"_s, u"denominatore comune"_s, u"valore"_s, u"articoli"_s}};
    for (const FamilyOutcome::HeirShare& share : section.shares) {
        const Person* person = familyCase.find(share.id);
        rows.append({person ? person->displayName() : share.id, share.share.text(),
                     FamilyOutcome::onCommonDenominator(share.share, section),
                     FamilyLabels::amountText(share.amount), articles(share.articles)});
    }
    if (section.stateShare && section.stateAmount)
        rows.append({u"Stato"_s, section.stateShare->text(),
                     FamilyOutcome::onCommonDenominator(*section.stateShare, section),
                     FamilyLabels::amountText(*section.stateAmount), u"586"_s});
    if (section.disponibile && section.disponibileAmount)
        rows.append({u"quota disponibile"_s, section.disponibile->text(),
                     FamilyOutcome::onCommonDenominator(*section.disponibile, section),
                     FamilyLabels::amountText(*section.disponibileAmount), QString()});
    const Document::TableId table = document.addTable(static_cast<int>(rows.size()), 5);
    document.setTableFontSize(table, 10);
    for (qsizetype r = 0; r < rows.size(); ++r)
        for (int c = 0; c < 5; ++c)
            document.setCellText(table, static_cast<int>(r) + 1, c + 1, rows[r][c]);
    document.applyColorfulFormat(table);
    return table;
}

void section(Document& document, const FamilyCase& familyCase,
             const FamilyOutcome::Section& section, const QString& heading,
             QList<Document::TableId>& shareTables)
{
    document.insertParagraphAfter();
    document.setFontSize(12);
    document.typeText(paragraph + heading + u" (articoli del Codice civile n. "_s +
                      articles(section.articles) + u')' + paragraph);
    shareTables.append(sharesTable(document, familyCase, section));
    document.insertParagraphAfter();
    document.setFontSize(12);
    document.typeText(paragraph + u"Passi del calcolo:"_s + paragraph);
    for (qsizetype i = 0; i < section.passi.size(); ++i)
        document.typeText(u"%1. "_s.arg(i + 1) + section.passi.at(i) + paragraph);
}

void familyChart(Document& document, const FamilyCase& familyCase,
                 const FamilyOutcome::Outcome& outcome)
{
    const FamilyChart::Chart chart = FamilyChart::layout(familyCase, outcome);
    const QString description = FamilyChart::description(chart);
    document.addImage(
        FamilyChart::renderImage(chart, Document::textWidth, Document::printDotsPerInch),
        chart.bounds.width(), u"Albero genealogico: "_s + description);
    document.setFontSize(9);
    document.typeText(u"Albero genealogico, in parole: "_s + description);
}

bool spouseInherits(const FamilyCase& familyCase, const FamilyOutcome::Outcome& outcome)
{
    for (const auto* section : {&outcome.legittima, &outcome.testamentaria}) {
        if (!*section)
            continue;
        for (const FamilyOutcome::HeirShare& share : (*section)->shares) {
            const Person* person = familyCase.find(share.id);
            if (person && person->parent.isEmpty() &&
                (person->relation == Relation::Coniuge ||
                 person->relation == Relation::UnitoCivilmente))
                return true;
        }
    }
    return false;
}

} // namespace

QString article540SecondParagraph()
{
    const Norms::Article* article = Norms::ArticleIndex::codice().find(u"540"_s);
    if (!article)
        return {};
    return article->text.split(u'\n', Qt::SkipEmptyParts).value(1).trimmed();
}

void buildFamilyReport(Document& document, const FamilyCase& familyCase,
                       const FamilyOutcome::Outcome& outcome)
{
    document.setFontName(u"Century Gothic"_s);
    document.setFontSize(20);
    document.typeText(u"QUOTARA"_s + paragraph);
    document.setFontSize(16);
    document.typeText(u"(calcolo dettagliato della successione)"_s + QString(2, paragraph));
    document.setFontSize(12);
    document.typeText(u"Dati della successione"_s);
    document.insertParagraphAfter();
    caseTable(document, familyCase, outcome);

    document.insertParagraphAfter();
    document.setFontSize(12);
    document.typeText(paragraph + u"Famiglia"_s + paragraph);
    familyTable(document, familyCase);
    if (Document::canDrawImages())
        familyChart(document, familyCase, outcome);

    QList<Document::TableId> shareTables;
    if (outcome.legittima)
        section(document, familyCase, *outcome.legittima, u"Successione legittima"_s, shareTables);
    if (outcome.testamentaria)
        section(document, familyCase, *outcome.testamentaria,
                u"Successione testamentaria: quote di riserva e quota disponibile"_s, shareTables);
    if (Document::canDrawImages()) {
        document.insertParagraphAfter();
        document.setFontSize(12);
        document.typeText(paragraph + u"Ripartizione delle quote"_s);
        ShareChart::addToDocument(document, FamilyShareChart::outcomeCharts(outcome, familyCase));
    }

    if (spouseInherits(familyCase, outcome)) {
        document.insertParagraphAfter();
        document.setFontSize(12);
        document.typeText(paragraph +
                          u"Diritti del coniuge ai sensi del secondo comma dell'art.540 del "
                          u"Codice Civile:"_s +
                          paragraph);
        document.typeText(article540SecondParagraph() + paragraph);
    }

    document.justifyAll();
    for (const Document::TableId table : shareTables)
        for (int column = 2; column <= 4; ++column)
            document.alignColumnRight(table, column);
}

#include "report.h"

#include "app/numbers.h"
#include "output/document.h"
#include "sharerules.h"

#include <array>
#include <optional>

namespace {

const QChar paragraph(13);

struct HeirRow
{
    QString label;
    const Results::Column* fraction;
    int row;
};

void fillCells(Document& document, int table, int row, const QString& label,
               const Results::Column& fraction, const Results& results, int amountRow)
{
    document.setCellText(table, row, 1, label);
    document.setCellText(table, row, 2, fraction[1]);
    document.setCellText(table, row, 3, results.quota1[static_cast<std::size_t>(amountRow)]);
    document.setCellText(table, row, 4, fraction[2]);
    document.setCellText(table, row, 5, results.quota2[static_cast<std::size_t>(amountRow)]);
}

void setHeads(Document& document, int table, const QString& first)
{
    const std::array<QString, 5> heads{
        first, QStringLiteral("quota testamentaria"), QStringLiteral("valore testamentaria"),
        QStringLiteral("quota legittima"), QStringLiteral("valore legittima")};
    for (int c = 1; c <= 5; ++c)
        document.setCellText(table, 1, c, heads[static_cast<std::size_t>(c - 1)]);
}

void caseTable(Document& document, const CaseRecord& record, const QLocale& locale)
{
    const int table = document.addTable(4, 2);
    document.setTableFontSize(table, 10);
    document.setCellText(table, 1, 1, QStringLiteral("dati"));
    document.setCellText(table, 1, 2, QStringLiteral("valori"));
    document.setCellText(table, 2, 1, QStringLiteral("de cuius"));
    document.setCellText(table, 2, 2, record.decuius);
    document.setCellText(table, 3, 1, QStringLiteral("successione"));
    document.setCellText(table, 3, 2, record.successione);
    document.setCellText(table, 4, 1, QStringLiteral("beni"));
    document.setCellText(table, 4, 2, reportValue(record.beni, locale));
    document.applyColorfulFormat(table);
}

void resultsTable(Document& document, const CaseRecord& record, const Results& results)
{
    const int table = document.addTable(6, 5);
    document.setTableFontSize(table, 10);
    document.applyColorfulFormat(table);
    setHeads(document, table, QStringLiteral("eredi"));
    const double spouse = spouseReading(record.coniuge).value_or(0) == 1 ? 1 : 0;
    const std::array<HeirRow, 5> rows{{
        {QStringLiteral("figli n.") + Numbers::blankLed(Numbers::leadingNumber(record.figli)),
         &results.quotafigli, 1},
        {QStringLiteral("ascendenti n.") +
             Numbers::blankLed(Numbers::leadingNumber(record.ascendenti)),
         &results.quotaascendenti, 2},
        {QStringLiteral("coniuge") + Numbers::blankLed(spouse), &results.quotaconiuge, 3},
        {QStringLiteral("fratelli n.") + Numbers::blankLed(Numbers::leadingNumber(record.fratelli)),
         &results.quotafratelli, 4},
        {QStringLiteral("quota disponibile"), &results.quotadisponibile, 5},
    }};
    for (std::size_t i = 0; i < rows.size(); ++i)
        fillCells(document, table, static_cast<int>(i) + 2, rows[i].label, *rows[i].fraction,
                  results, rows[i].row);
}

void perHeirTable(Document& document, const Results& results)
{
    const int table = document.addTable(4, 5);
    document.setTableFontSize(table, 10);
    document.applyColorfulFormat(table);
    setHeads(document, table, QStringLiteral("ad ogni erede"));
    fillCells(document, table, 2, QStringLiteral("al figlio"), results.quotafiglio, results, 6);
    fillCells(document, table, 3, QStringLiteral("all'ascendente"), results.quotaascendente,
              results, 7);
    fillCells(document, table, 4, QStringLiteral("al fratello"), results.quotafratello, results, 8);
}

void spouseRights(Document& document)
{
    document.typeText(
        paragraph +
        QStringLiteral(
            "Diritti del coniuge ai sensi del secondo comma dell'art.540 del Codice Civile:") +
        paragraph);
    document.typeText(
        QStringLiteral(
            "Al coniuge, anche quando concorra con altri chiamati, sono riservati i diritti di "
            "abitazione sulla casa adibita a residenza familiare e di uso sui mobili che la "
            "corredano, se di proprietà del defunto o comuni. Tali diritti gravano sulla "
            "porzione disponibile e, qualora questa non sia sufficiente, per il rimanente sulla "
            "quota di riserva del coniuge ed eventualmente sulla quota riservata ai figli.") +
        paragraph);
    document.typeText(QStringLiteral("(Tale norma è applicabile sia alla successione "
                                     "testamentaria che alla successione legittima.)") +
                      paragraph);
    document.typeText(paragraph +
                      QStringLiteral("Nota: in caso di morte degli eredi le loro quote vanno ai "
                                     "discendenti o agli ulteriori eredi.") +
                      paragraph);
}

} // namespace

QString reportValue(const QString& beni, const QLocale& locale)
{
    const std::optional<double> value = Numbers::localeNumber(beni, locale);
    return value ? Numbers::formatWhole(*value, locale) : beni;
}

void buildReport(Document& document, const CaseRecord& record, const Results& results,
                 const QLocale& locale)
{
    document.setFontName(QStringLiteral("Century Gothic"));
    document.setFontSize(20);
    document.typeText(QStringLiteral("QUOTARA") + paragraph);
    document.setFontSize(16);
    document.typeText(QStringLiteral("(quote di successione)") + QString(2, paragraph));
    document.setFontSize(12);
    document.typeText(QStringLiteral("Dati della successione"));

    document.insertParagraphAfter();
    caseTable(document, record, locale);

    document.insertParagraphAfter();
    document.setFontSize(12);
    document.typeText(paragraph +
                      QStringLiteral("Risultati della successione (articoli del Codice civile n.") +
                      results.art + u')' + paragraph);
    resultsTable(document, record, results);

    document.insertParagraphAfter();
    document.typeText(
        paragraph +
        QStringLiteral("Ripartizione tra ciascun erede (in percentuale ed in valore assoluto)") +
        paragraph);
    perHeirTable(document, results);

    document.insertParagraphAfter();
    document.setFontSize(12);
    spouseRights(document);

    document.justifyAll();
    for (int table : {2, 3})
        for (int column = 2; column <= 5; ++column)
            document.alignColumnRight(table, column);
}

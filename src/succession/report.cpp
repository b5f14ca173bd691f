#include "report.h"

#include "app/numbers.h"
#include "gridsharechart.h"
#include "output/document.h"
#include "sharerules.h"
#include "spousehousing.h"

#include <array>
#include <optional>

namespace {

const QChar paragraph(13);

struct HeirRow
{
    QString label;
    ResultRow row;
};

void fillCells(Document& document, Document::TableId table, int line, const QString& label,
               const Results& results, ResultRow row)
{
    constexpr auto testamentaria = ResultColumn::Testamentaria;
    constexpr auto legittima = ResultColumn::Legittima;
    document.setCellText(table, line, 1, label);
    document.setCellText(table, line, 2, results.fraction(row, testamentaria));
    document.setCellText(table, line, 3, results.amount(row, testamentaria));
    document.setCellText(table, line, 4, results.fraction(row, legittima));
    document.setCellText(table, line, 5, results.amount(row, legittima));
}

void setHeads(Document& document, Document::TableId table, const QString& first)
{
    const std::array<QString, 5> heads{
        first, QStringLiteral("quota testamentaria"), QStringLiteral("valore testamentaria"),
        QStringLiteral("quota legittima"), QStringLiteral("valore legittima")};
    for (int c = 1; c <= 5; ++c)
        document.setCellText(table, 1, c, heads[static_cast<std::size_t>(c - 1)]);
}

void caseTable(Document& document, const CaseRecord& record, const QLocale& locale)
{
    const Document::TableId table = document.addTable(4, 2);
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

Document::TableId resultsTable(Document& document, const CaseRecord& record, const Results& results)
{
    const Document::TableId table = document.addTable(6, 5);
    document.setTableFontSize(table, 10);
    document.applyColorfulFormat(table);
    setHeads(document, table, QStringLiteral("eredi"));
    const double spouse = spouseReading(record.coniuge) == Spouse::Si ? 1 : 0;
    const std::array<HeirRow, 5> rows{{
        {QStringLiteral("figli n.") + Numbers::blankLed(Numbers::leadingNumber(record.figli)),
         ResultRow::Figli},
        {QStringLiteral("ascendenti n.") +
             Numbers::blankLed(Numbers::leadingNumber(record.ascendenti)),
         ResultRow::Ascendenti},
        {QStringLiteral("coniuge") + Numbers::blankLed(spouse), ResultRow::Coniuge},
        {QStringLiteral("fratelli n.") + Numbers::blankLed(Numbers::leadingNumber(record.fratelli)),
         ResultRow::Fratelli},
        {QStringLiteral("quota disponibile"), ResultRow::Disponibile},
    }};
    for (std::size_t i = 0; i < rows.size(); ++i)
        fillCells(document, table, static_cast<int>(i) + 2, rows[i].label, results, rows[i].row);
    return table;
}

Document::TableId perHeirTable(Document& document, const Results& results)
{
    const Document::TableId table = document.addTable(4, 5);
    document.setTableFontSize(table, 10);
    document.applyColorfulFormat(table);
    setHeads(document, table, QStringLiteral("ad ogni erede"));
    fillCells(document, table, 2, QStringLiteral("al figlio"), results, ResultRow::Figlio);
    fillCells(document, table, 3, QStringLiteral("all'ascendente"), results, ResultRow::Ascendente);
    fillCells(document, table, 4, QStringLiteral("al fratello"), results, ResultRow::Fratello);
    return table;
}

void spouseRights(Document& document)
{
    document.typeText(
        paragraph +
        QStringLiteral(
            "Diritti del coniuge ai sensi del secondo comma dell'art.540 del Codice Civile:") +
        paragraph);
    document.typeText(spouseHousingParagraph() + paragraph);
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
    const Document::TableId shares = resultsTable(document, record, results);

    document.insertParagraphAfter();
    document.typeText(
        paragraph +
        QStringLiteral("Ripartizione tra ciascun erede (in percentuale ed in valore assoluto)") +
        paragraph);
    const Document::TableId perHeir = perHeirTable(document, results);

    const QList<ShareChart::Data> charts = GridShareChart::charts(results, locale);
    if (Document::canDrawImages() && !charts.isEmpty()) {
        document.insertParagraphAfter();
        document.setFontSize(12);
        document.typeText(paragraph + QStringLiteral("Ripartizione delle quote"));
        ShareChart::addToDocument(document, charts);
    }

    document.insertParagraphAfter();
    document.setFontSize(12);
    spouseRights(document);

    document.justifyAll();
    for (const Document::TableId table : {shares, perHeir})
        for (int column = 2; column <= 5; ++column)
            document.alignColumnRight(table, column);
}

#include "documentprobe.h"
#include "succession/calculator.h"
#include "succession/report.h"

#include "output/document.h"

#include <QLocale>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace {

using DocumentProbe::bodyBlocks;
using DocumentProbe::cellText;

QStringList nonEmptyBody(const QTextDocument& document)
{
    QStringList texts;
    for (const QTextBlock& block : bodyBlocks(document))
        if (!block.text().isEmpty())
            texts.append(block.text());
    return texts;
}

QStringList rowTexts(QTextTable* table, int row)
{
    QStringList texts;
    for (int c = 1; c <= table->columns(); ++c)
        texts.append(cellText(table, row, c));
    return texts;
}

struct Report
{
    explicit Report(const CaseRecord& record)
    {
        calculator.apply(record);
        buildReport(document, calculator.record(), calculator.results());
    }
    Calculator calculator = Calculator::opened();
    Document document;
    const QTextDocument& text() const { return document.textDocument(); }
    QTextTable* table(int i) const { return DocumentProbe::tables(text()).at(i - 1); }
};

CaseRecord caseOf(const QString& figli, const QString& coniuge = u"sì"_qs,
                  const QString& beni = u"100"_qs)
{
    return CaseRecord{u"Mario Rossi"_qs, u"legittima"_qs, beni,     figli,
                      QString(),         coniuge,         QString()};
}

} // namespace

class TestReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void headingsAndTextsInOrder();
    void threeTablesWithEveryRow();
    void caseTable_data();
    void caseTable();
    void countsInBlankLedForm_data();
    void countsInBlankLedForm();
    void resultCellsCopyTheCaptions();
    void articlesJoinTheHeading_data();
    void articlesJoinTheHeading();
    void alignment();
    void fontsAndSizes();
};

void TestReport::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}

void TestReport::headingsAndTextsInOrder()
{
    const Report report(caseOf(u"2"_qs));
    const QStringList expected{
        u"QUOTARA"_qs,
        u"(quote di successione)"_qs,
        u"Dati della successione"_qs,
        u"Risultati della successione (articoli del Codice civile n.540 581)"_qs,
        u"Ripartizione tra ciascun erede (in percentuale ed in valore assoluto)"_qs,
        u"Diritti del coniuge ai sensi del secondo comma dell'art.540 del Codice Civile:"_qs,
        u"Al coniuge, anche quando concorra con altri chiamati, sono riservati i diritti di "
        "abitazione sulla casa adibita a residenza familiare e di uso sui mobili che la "
        "corredano, se di proprietà del defunto o comuni. Tali diritti gravano sulla porzione "
        "disponibile e, qualora questa non sia sufficiente, per il rimanente sulla quota di "
        "riserva del coniuge ed eventualmente sulla quota riservata ai figli."_qs,
        u"(Tale norma è applicabile sia alla successione testamentaria che alla successione "
        "legittima.)"_qs,
        u"Nota: in caso di morte degli eredi le loro quote vanno ai discendenti o agli ulteriori "
        "eredi."_qs};
    QCOMPARE(nonEmptyBody(report.text()), expected);
    // The tables stand between the headings they belong to.
    const QString plain = report.document.plainText();
    QVERIFY(plain.indexOf(u"Dati della successione"_qs) < plain.indexOf(u"de cuius"_qs));
    QVERIFY(plain.indexOf(u"de cuius"_qs) < plain.indexOf(u"Risultati"_qs));
    QVERIFY(plain.indexOf(u"Risultati"_qs) < plain.indexOf(u"quota disponibile"_qs));
    QVERIFY(plain.indexOf(u"quota disponibile"_qs) < plain.indexOf(u"Ripartizione"_qs));
    QVERIFY(plain.indexOf(u"Ripartizione"_qs) < plain.indexOf(u"al fratello"_qs));
    QVERIFY(plain.indexOf(u"al fratello"_qs) < plain.indexOf(u"Diritti del coniuge"_qs));
}

void TestReport::threeTablesWithEveryRow()
{
    const Report report(CaseRecord{QString(), u"legittima"_qs, u"100"_qs, QString(), QString(),
                                   u"no"_qs, QString()});
    const QList<QTextTable*> tables = DocumentProbe::tables(report.text());
    QCOMPARE(tables.size(), 3);
    QCOMPARE(tables[0]->rows(), 4);
    QCOMPARE(tables[0]->columns(), 2);
    QCOMPARE(tables[1]->rows(), 6);
    QCOMPARE(tables[1]->columns(), 5);
    QCOMPARE(tables[2]->rows(), 4);
    QCOMPARE(tables[2]->columns(), 5);
    const QStringList heads{u"quota testamentaria"_qs, u"valore testamentaria"_qs,
                            u"quota legittima"_qs, u"valore legittima"_qs};
    QCOMPARE(rowTexts(tables[1], 1), QStringList{u"eredi"_qs} + heads);
    QCOMPARE(rowTexts(tables[2], 1), QStringList{u"ad ogni erede"_qs} + heads);
    const QStringList firstColumn{u"figli n. 0"_qs, u"ascendenti n. 0"_qs, u"coniuge 0"_qs,
                                  u"fratelli n. 0"_qs, u"quota disponibile"_qs};
    for (int r = 2; r <= 6; ++r)
        QCOMPARE(cellText(tables[1], r, 1), firstColumn[r - 2]);
    QCOMPARE(cellText(tables[2], 2, 1), u"al figlio"_qs);
    QCOMPARE(cellText(tables[2], 3, 1), u"all'ascendente"_qs);
    QCOMPARE(cellText(tables[2], 4, 1), u"al fratello"_qs);
}

void TestReport::caseTable_data()
{
    QTest::addColumn<QString>("beni");
    QTest::addColumn<QString>("printed");
    QTest::newRow("seven digits") << u"1234567"_qs << u"1.234.567"_qs;
    QTest::newRow("decimals rounded") << u"1234,5"_qs << u"1.235"_qs;
    QTest::newRow("grouped already") << u"1.000.000"_qs << u"1.000.000"_qs;
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("not a number") << u"una casa"_qs << u"una casa"_qs;
    QTest::newRow("number then text") << u"12abc"_qs << u"12abc"_qs;
}

void TestReport::caseTable()
{
    QFETCH(QString, beni);
    QFETCH(QString, printed);
    CaseRecord record = caseOf(u"1"_qs, u"sì"_qs, beni);
    record.decuius = u"Rossi, Mario \"il Rosso\""_qs;
    record.successione = u"entrambe"_qs;
    const Report report(record);
    QTextTable* table = report.table(1);
    QCOMPARE(rowTexts(table, 1), (QStringList{u"dati"_qs, u"valori"_qs}));
    QCOMPARE(rowTexts(table, 2), (QStringList{u"de cuius"_qs, record.decuius}));
    QCOMPARE(rowTexts(table, 3), (QStringList{u"successione"_qs, u"entrambe"_qs}));
    QCOMPARE(rowTexts(table, 4), (QStringList{u"beni"_qs, printed}));
}

void TestReport::countsInBlankLedForm_data()
{
    QTest::addColumn<QString>("figli");
    QTest::addColumn<QString>("coniuge");
    QTest::addColumn<QString>("figliCell");
    QTest::addColumn<QString>("coniugeCell");
    QTest::newRow("two children, spouse")
        << u"2"_qs << u"sì"_qs << u"figli n. 2"_qs << u"coniuge 1"_qs;
    QTest::newRow("no spouse") << u"3"_qs << u"no"_qs << u"figli n. 3"_qs << u"coniuge 0"_qs;
    QTest::newRow("spouse without accent")
        << u"1"_qs << u"si"_qs << u"figli n. 1"_qs << u"coniuge 1"_qs;
    QTest::newRow("spouse neither yes nor no")
        << u"1"_qs << u"forse"_qs << u"figli n. 1"_qs << u"coniuge 0"_qs;
    QTest::newRow("fraction") << u"1.5"_qs << u"sì"_qs << u"figli n. 1.5"_qs << u"coniuge 1"_qs;
    QTest::newRow("negative") << u"-3"_qs << u"sì"_qs << u"figli n.-3"_qs << u"coniuge 1"_qs;
    QTest::newRow("leading number")
        << u"12 figli"_qs << u"sì"_qs << u"figli n. 12"_qs << u"coniuge 1"_qs;
}

void TestReport::countsInBlankLedForm()
{
    QFETCH(QString, figli);
    QFETCH(QString, coniuge);
    QFETCH(QString, figliCell);
    QFETCH(QString, coniugeCell);
    const Report report(caseOf(figli, coniuge));
    QCOMPARE(cellText(report.table(2), 2, 1), figliCell);
    QCOMPARE(cellText(report.table(2), 4, 1), coniugeCell);
}

void TestReport::resultCellsCopyTheCaptions()
{
    CaseRecord record = caseOf(u"2"_qs, u"sì"_qs, u"90000"_qs);
    record.successione = u"entrambe"_qs;
    record.ascendenti = u"1"_qs;
    const Report report(record);
    const Results& r = report.calculator.results();
    QVERIFY(!r.quotafigli[1].isEmpty());
    const std::array<const Results::Column*, 5> fractions{
        &r.quotafigli, &r.quotaascendenti, &r.quotaconiuge, &r.quotafratelli, &r.quotadisponibile};
    for (int row = 1; row <= 5; ++row) {
        const auto& fraction = *fractions[static_cast<std::size_t>(row - 1)];
        const auto i = static_cast<std::size_t>(row);
        QCOMPARE(rowTexts(report.table(2), row + 1).mid(1),
                 (QStringList{fraction[1], r.quota1[i], fraction[2], r.quota2[i]}));
    }
    QCOMPARE(cellText(report.table(2), 6, 4), u"0"_qs);
    const std::array<const Results::Column*, 3> heads{&r.quotafiglio, &r.quotaascendente,
                                                      &r.quotafratello};
    for (int row = 6; row <= 8; ++row) {
        const auto& each = *heads[static_cast<std::size_t>(row - 6)];
        const auto i = static_cast<std::size_t>(row);
        QCOMPARE(rowTexts(report.table(3), row - 4).mid(1),
                 (QStringList{each[1], r.quota1[i], each[2], r.quota2[i]}));
    }
}

void TestReport::articlesJoinTheHeading_data()
{
    QTest::addColumn<QString>("art");
    QTest::addColumn<QString>("heading");
    QTest::newRow("articles")
        << u"540 581"_qs
        << u"Risultati della successione (articoli del Codice civile n.540 581)"_qs;
    QTest::newRow("empty") << QString()
                           << u"Risultati della successione (articoli del Codice civile n.)"_qs;
}

void TestReport::articlesJoinTheHeading()
{
    QFETCH(QString, art);
    QFETCH(QString, heading);
    Results results;
    results.art = art;
    Document document;
    buildReport(document, caseOf(u"2"_qs), results);
    QVERIFY(nonEmptyBody(document.textDocument()).contains(heading));
}

void TestReport::alignment()
{
    const Report report(caseOf(u"2"_qs));
    for (const QTextBlock& block : bodyBlocks(report.text()))
        QCOMPARE(block.blockFormat().alignment(), Qt::AlignJustify);
    for (int t = 1; t <= 3; ++t) {
        QTextTable* table = report.table(t);
        for (int r = 1; r <= table->rows(); ++r)
            for (int c = 1; c <= table->columns(); ++c) {
                const Qt::Alignment expected = t > 1 && c > 1 ? Qt::AlignRight : Qt::AlignJustify;
                QCOMPARE(
                    table->cellAt(r - 1, c - 1).firstCursorPosition().blockFormat().alignment(),
                    expected);
            }
    }
}

void TestReport::fontsAndSizes()
{
    const Report report(caseOf(u"2"_qs));
    QMap<QString, double> sizes;
    for (const QTextBlock& block : bodyBlocks(report.text())) {
        if (block.text().isEmpty())
            continue;
        const QTextCharFormat format = block.begin().fragment().charFormat();
        sizes.insert(block.text().left(12), format.fontPointSize());
        QCOMPARE(format.property(QTextFormat::OldFontFamily).toString(), u"Century Gothic"_qs);
    }
    QCOMPARE(sizes.value(u"QUOTARA"_qs), 20.0);
    QCOMPARE(sizes.value(u"(quote di su"_qs), 16.0);
    QCOMPARE(sizes.value(u"Dati della s"_qs), 12.0);
    QCOMPARE(sizes.value(u"Risultati de"_qs), 12.0);
    QCOMPARE(sizes.value(u"Ripartizione"_qs), 12.0);
    QCOMPARE(sizes.value(u"Nota: in cas"_qs), 12.0);
    for (int t = 1; t <= 3; ++t) {
        QTextCursor cursor = report.table(t)->cellAt(1, 0).firstCursorPosition();
        cursor.movePosition(QTextCursor::NextCharacter);
        QCOMPARE(cursor.charFormat().fontPointSize(), 10.0);
    }
}

QTEST_GUILESS_MAIN(TestReport)
#include "tst_report.moc"

#include "documentprobe.h"
#include "succession/calculator.h"
#include "succession/report.h"

#include "output/document.h"

#include "gridcell.h"
#include <QLocale>

#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

using namespace Qt::StringLiterals;

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

CaseRecord caseOf(const QString& figli, const QString& coniuge = u"sì"_s,
                  const QString& beni = u"100"_s)
{
    return CaseRecord{u"Mario Rossi"_s, u"legittima"_s, beni, figli, QString(), coniuge, QString()};
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
    const Report report(caseOf(u"2"_s));
    const QStringList expected{
        u"QUOTARA"_s,
        u"(quote di successione)"_s,
        u"Dati della successione"_s,
        u"Risultati della successione (articoli del Codice civile n.540 581)"_s,
        u"Ripartizione tra ciascun erede (in percentuale ed in valore assoluto)"_s,
        u"Diritti del coniuge ai sensi del secondo comma dell'art.540 del Codice Civile:"_s,
        u"Al coniuge, anche quando concorra con altri chiamati, sono riservati i diritti di "
        "abitazione sulla casa adibita a residenza familiare e di uso sui mobili che la "
        "corredano, se di proprietà del defunto o comuni. Tali diritti gravano sulla porzione "
        "disponibile e, qualora questa non sia sufficiente, per il rimanente sulla quota di "
        "riserva del coniuge ed eventualmente sulla quota riservata ai figli."_s,
        u"(Tale norma è applicabile sia alla successione testamentaria che alla successione "
        "legittima.)"_s,
        u"Nota: in caso di morte degli eredi le loro quote vanno ai discendenti o agli ulteriori "
        "eredi."_s};
    QCOMPARE(nonEmptyBody(report.text()), expected);
    // The tables stand between the headings they belong to.
    const QString plain = report.document.plainText();
    QVERIFY(plain.indexOf(u"Dati della successione"_s) < plain.indexOf(u"de cuius"_s));
    QVERIFY(plain.indexOf(u"de cuius"_s) < plain.indexOf(u"Risultati"_s));
    QVERIFY(plain.indexOf(u"Risultati"_s) < plain.indexOf(u"quota disponibile"_s));
    QVERIFY(plain.indexOf(u"quota disponibile"_s) < plain.indexOf(u"Ripartizione"_s));
    QVERIFY(plain.indexOf(u"Ripartizione"_s) < plain.indexOf(u"al fratello"_s));
    QVERIFY(plain.indexOf(u"al fratello"_s) < plain.indexOf(u"Diritti del coniuge"_s));
}

void TestReport::threeTablesWithEveryRow()
{
    const Report report(
        CaseRecord{QString(), u"legittima"_s, u"100"_s, QString(), QString(), u"no"_s, QString()});
    const QList<QTextTable*> tables = DocumentProbe::tables(report.text());
    QCOMPARE(tables.size(), 3);
    QCOMPARE(tables[0]->rows(), 4);
    QCOMPARE(tables[0]->columns(), 2);
    QCOMPARE(tables[1]->rows(), 6);
    QCOMPARE(tables[1]->columns(), 5);
    QCOMPARE(tables[2]->rows(), 4);
    QCOMPARE(tables[2]->columns(), 5);
    const QStringList heads{u"quota testamentaria"_s, u"valore testamentaria"_s,
                            u"quota legittima"_s, u"valore legittima"_s};
    QCOMPARE(rowTexts(tables[1], 1), QStringList{u"eredi"_s} + heads);
    QCOMPARE(rowTexts(tables[2], 1), QStringList{u"ad ogni erede"_s} + heads);
    const QStringList firstColumn{u"figli n. 0"_s, u"ascendenti n. 0"_s, u"coniuge 0"_s,
                                  u"fratelli n. 0"_s, u"quota disponibile"_s};
    for (int r = 2; r <= 6; ++r)
        QCOMPARE(cellText(tables[1], r, 1), firstColumn[r - 2]);
    QCOMPARE(cellText(tables[2], 2, 1), u"al figlio"_s);
    QCOMPARE(cellText(tables[2], 3, 1), u"all'ascendente"_s);
    QCOMPARE(cellText(tables[2], 4, 1), u"al fratello"_s);
}

void TestReport::caseTable_data()
{
    QTest::addColumn<QString>("beni");
    QTest::addColumn<QString>("printed");
    QTest::newRow("seven digits") << u"1234567"_s << u"1.234.567"_s;
    QTest::newRow("decimals rounded") << u"1234,5"_s << u"1.235"_s;
    QTest::newRow("grouped already") << u"1.000.000"_s << u"1.000.000"_s;
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("not a number") << u"una casa"_s << u"una casa"_s;
    QTest::newRow("number then text") << u"12abc"_s << u"12abc"_s;
}

void TestReport::caseTable()
{
    QFETCH(QString, beni);
    QFETCH(QString, printed);
    CaseRecord record = caseOf(u"1"_s, u"sì"_s, beni);
    record.decuius = u"Rossi, Mario \"il Rosso\""_s;
    record.successione = u"entrambe"_s;
    const Report report(record);
    QTextTable* table = report.table(1);
    QCOMPARE(rowTexts(table, 1), (QStringList{u"dati"_s, u"valori"_s}));
    QCOMPARE(rowTexts(table, 2), (QStringList{u"de cuius"_s, record.decuius}));
    QCOMPARE(rowTexts(table, 3), (QStringList{u"successione"_s, u"entrambe"_s}));
    QCOMPARE(rowTexts(table, 4), (QStringList{u"beni"_s, printed}));
}

void TestReport::countsInBlankLedForm_data()
{
    QTest::addColumn<QString>("figli");
    QTest::addColumn<QString>("coniuge");
    QTest::addColumn<QString>("figliCell");
    QTest::addColumn<QString>("coniugeCell");
    QTest::newRow("two children, spouse") << u"2"_s << u"sì"_s << u"figli n. 2"_s << u"coniuge 1"_s;
    QTest::newRow("no spouse") << u"3"_s << u"no"_s << u"figli n. 3"_s << u"coniuge 0"_s;
    QTest::newRow("spouse without accent")
        << u"1"_s << u"si"_s << u"figli n. 1"_s << u"coniuge 1"_s;
    QTest::newRow("spouse neither yes nor no")
        << u"1"_s << u"forse"_s << u"figli n. 1"_s << u"coniuge 0"_s;
    QTest::newRow("fraction") << u"1.5"_s << u"sì"_s << u"figli n. 1.5"_s << u"coniuge 1"_s;
    QTest::newRow("negative") << u"-3"_s << u"sì"_s << u"figli n.-3"_s << u"coniuge 1"_s;
    QTest::newRow("leading number")
        << u"12 figli"_s << u"sì"_s << u"figli n. 12"_s << u"coniuge 1"_s;
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
    CaseRecord record = caseOf(u"2"_s, u"sì"_s, u"90000"_s);
    record.successione = u"entrambe"_s;
    record.ascendenti = u"1"_s;
    const Report report(record);
    const Results& r = report.calculator.results();
    QVERIFY(!r.fraction(ResultRow::Figli, columnAt(1)).isEmpty());
    const auto cells = [&r](int row) {
        QStringList texts;
        for (const ResultColumn column : resultColumns)
            texts << r.fraction(rowAt(row), column) << r.amount(rowAt(row), column);
        return texts;
    };
    for (int row = 1; row <= 5; ++row)
        QCOMPARE(rowTexts(report.table(2), row + 1).mid(1), cells(row));
    QCOMPARE(cellText(report.table(2), 6, 4), u"0"_s);
    for (int row = 6; row <= 8; ++row)
        QCOMPARE(rowTexts(report.table(3), row - 4).mid(1), cells(row));
}

void TestReport::articlesJoinTheHeading_data()
{
    QTest::addColumn<QString>("art");
    QTest::addColumn<QString>("heading");
    QTest::newRow("articles")
        << u"540 581"_s << u"Risultati della successione (articoli del Codice civile n.540 581)"_s;
    QTest::newRow("empty") << QString()
                           << u"Risultati della successione (articoli del Codice civile n.)"_s;
}

void TestReport::articlesJoinTheHeading()
{
    QFETCH(QString, art);
    QFETCH(QString, heading);
    Results results;
    results.art = art;
    Document document;
    buildReport(document, caseOf(u"2"_s), results);
    QVERIFY(nonEmptyBody(document.textDocument()).contains(heading));
}

void TestReport::alignment()
{
    const Report report(caseOf(u"2"_s));
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
    const Report report(caseOf(u"2"_s));
    QMap<QString, double> sizes;
    for (const QTextBlock& block : bodyBlocks(report.text())) {
        if (block.text().isEmpty())
            continue;
        const QTextCharFormat format = block.begin().fragment().charFormat();
        sizes.insert(block.text().left(12), format.fontPointSize());
        QCOMPARE(format.property(QTextFormat::OldFontFamily).toString(), u"Century Gothic"_s);
    }
    QCOMPARE(sizes.value(u"QUOTARA"_s), 20.0);
    QCOMPARE(sizes.value(u"(quote di su"_s), 16.0);
    QCOMPARE(sizes.value(u"Dati della s"_s), 12.0);
    QCOMPARE(sizes.value(u"Risultati de"_s), 12.0);
    QCOMPARE(sizes.value(u"Ripartizione"_s), 12.0);
    QCOMPARE(sizes.value(u"Nota: in cas"_s), 12.0);
    for (int t = 1; t <= 3; ++t) {
        QTextCursor cursor = report.table(t)->cellAt(1, 0).firstCursorPosition();
        cursor.movePosition(QTextCursor::NextCharacter);
        QCOMPARE(cursor.charFormat().fontPointSize(), 10.0);
    }
}

QTEST_GUILESS_MAIN(TestReport)
#include "tst_report.moc"

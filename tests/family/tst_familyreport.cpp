#include "clirun.h"
#include "documentprobe.h"
#include "family/clidettaglio.h"
#include "family/familyfile.h"
#include "family/familyreport.h"
#include "output/document.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextTable>

using namespace Qt::Literals::StringLiterals;
using namespace Family;

namespace {

Person person(const QString& id, Relation relation, const QString& name = {},
              const QString& parent = {}, Status status = Status::Vivente)
{
    Person p;
    p.id = id;
    p.name = name;
    p.relation = relation;
    p.parent = parent;
    p.status = status;
    return p;
}

Amount amount(const QString& text)
{
    return *Amount::fromText(text);
}

FamilyOutcome::HeirShare heir(const QString& id, long n, long d, const QString& value,
                              const QStringList& articles)
{
    return FamilyOutcome::HeirShare{id, Fraction(n, d), amount(value), articles};
}

/// A spouse and a predeceased child represented by two grandchildren:
/// 1/2 and 1/4 each (arts. 581, 467-468).
FamilyCase spouseAndGrandchildren(Relation spouse)
{
    FamilyCase familyCase;
    familyCase.decuius = u"Mario Rossi"_s;
    familyCase.kind = Kind::Entrambe;
    familyCase.relictum = amount(u"120000"_s);
    familyCase.debts = amount(u"0"_s);
    familyCase.donations = {Donation{u"n1"_s, amount(u"30000"_s)}};
    familyCase.people = {person(u"c"_s, spouse, u"Anna"_s),
                         person(u"f"_s, Relation::Figlio, u"Luca"_s, {}, Status::Premorto),
                         person(u"n1"_s, Relation::Figlio, u"Sara"_s, u"f"_s),
                         person(u"n2"_s, Relation::Figlio, QString(), u"f"_s)};
    return familyCase;
}

FamilyOutcome::Outcome outcomeOf(bool spouseInherits)
{
    FamilyOutcome::Outcome outcome;
    FamilyOutcome::Section legittima;
    if (spouseInherits)
        legittima.shares.append(heir(u"c"_s, 1, 2, u"60000.00"_s, {u"581"_s}));
    legittima.shares.append(heir(u"n1"_s, 1, 4, u"30000.00"_s, {u"468"_s, u"581"_s}));
    legittima.shares.append(heir(u"n2"_s, 1, 4, u"30000.00"_s, {u"468"_s, u"581"_s}));
    legittima.articles = {u"467"_s, u"468"_s, u"581"_s};
    legittima.passi = {u"Il coniuge concorre con una stirpe: metà al coniuge (art. 581)."_s,
                       u"La stirpe di Luca si divide tra Sara e n2 (art. 469)."_s};
    outcome.legittima = legittima;
    FamilyOutcome::Section testamentaria;
    testamentaria.massa = amount(u"150000"_s);
    testamentaria.shares = {heir(u"c"_s, 1, 3, u"50000.00"_s, {u"542"_s}),
                            heir(u"n1"_s, 1, 6, u"25000.00"_s, {u"542"_s}),
                            heir(u"n2"_s, 1, 6, u"25000.00"_s, {u"542"_s})};
    testamentaria.disponibile = Fraction(1, 3);
    testamentaria.disponibileAmount = amount(u"50000.00"_s);
    testamentaria.articles = {u"542"_s, u"556"_s};
    testamentaria.passi = {u"Massa: relictum meno debiti più donazioni (art. 556)."_s};
    outcome.testamentaria = testamentaria;
    return outcome;
}

QStringList rowOf(QTextTable* table, int row)
{
    QStringList cells;
    for (int column = 1; column <= table->columns(); ++column)
        cells << DocumentProbe::cellText(table, row, column);
    return cells;
}

} // namespace

class TestFamilyReport : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void holdsCaseFamilySharesAndSteps();
    void article540WhenASpouseInherits_data();
    void article540WhenASpouseInherits();
    void article540IsTheCodesText();
    void commandLineWritesTheReport_data();
    void commandLineWritesTheReport();
};

void TestFamilyReport::holdsCaseFamilySharesAndSteps()
{
    Document document;
    buildFamilyReport(document, spouseAndGrandchildren(Relation::Coniuge), outcomeOf(true));
    const QList<QTextTable*> tables = DocumentProbe::tables(document.textDocument());
    QCOMPARE(tables.size(), 4);

    QCOMPARE(rowOf(tables[0], 2), (QStringList{u"de cuius"_s, u"Mario Rossi"_s}));
    QCOMPARE(rowOf(tables[0], 3), (QStringList{u"successione"_s, u"entrambe"_s}));
    QCOMPARE(rowOf(tables[0], 4), (QStringList{u"beni (relictum)"_s, u"120.000,00"_s}));
    QCOMPARE(rowOf(tables[0], 6), (QStringList{u"donazione a Sara"_s, u"30.000,00"_s}));
    QCOMPARE(rowOf(tables[0], 7), (QStringList{u"massa (art. 556)"_s, u"150.000,00"_s}));

    QCOMPARE(tables[1]->rows(), 5);
    QCOMPARE(rowOf(tables[1], 3), (QStringList{u"Luca"_s, u"figlio"_s, u"premorto"_s}));
    QCOMPARE(rowOf(tables[1], 5), (QStringList{u"n2"_s, u"figlio di Luca"_s, u"vivente"_s}));

    QCOMPARE(rowOf(tables[2], 1), (QStringList{u"erede"_s, u"quota"_s, u"denominatore comune"_s,
                                               u"valore"_s, u"articoli"_s}));
    QCOMPARE(rowOf(tables[2], 2),
             (QStringList{u"Anna"_s, u"1/2"_s, u"2/4"_s, u"60.000,00"_s, u"581"_s}));
    QCOMPARE(rowOf(tables[2], 3),
             (QStringList{u"Sara"_s, u"1/4"_s, u"1/4"_s, u"30.000,00"_s, u"468, 581"_s}));
    QCOMPARE(rowOf(tables[3], 5),
             (QStringList{u"quota disponibile"_s, u"1/3"_s, u"2/6"_s, u"50.000,00"_s, QString()}));

    const QString text = document.plainText();
    const QStringList inOrder{
        u"Successione legittima (articoli del Codice civile n. 467, 468, 581)"_s,
        u"1. Il coniuge concorre con una stirpe"_s,
        u"2. La stirpe di Luca si divide"_s,
        u"Successione testamentaria"_s,
        u"1. Massa: relictum meno debiti"_s,
        u"secondo comma dell'art.540"_s};
    qsizetype at = 0;
    for (const QString& part : inOrder) {
        const qsizetype found = text.indexOf(part, at);
        QVERIFY2(found >= 0, qPrintable(part));
        at = found;
    }
    QCOMPARE(tables[2]->cellAt(1, 1).firstCursorPosition().blockFormat().alignment(),
             Qt::AlignRight);
}

void TestFamilyReport::article540WhenASpouseInherits_data()
{
    QTest::addColumn<Relation>("spouse");
    QTest::addColumn<bool>("inherits");
    QTest::addColumn<bool>("quoted");
    QTest::newRow("spouse") << Relation::Coniuge << true << true;
    QTest::newRow("civil union") << Relation::UnitoCivilmente << true << true;
    QTest::newRow("spouse only in the reserve") << Relation::Coniuge << false << true;
    QTest::newRow("no spouse") << Relation::Fratello << false << false;
}

void TestFamilyReport::article540WhenASpouseInherits()
{
    QFETCH(Relation, spouse);
    QFETCH(bool, inherits);
    QFETCH(bool, quoted);
    FamilyOutcome::Outcome outcome = outcomeOf(inherits);
    if (spouse == Relation::Fratello)
        outcome.testamentaria->shares.removeFirst();
    Document document;
    buildFamilyReport(document, spouseAndGrandchildren(spouse), outcome);
    QCOMPARE(document.plainText().contains(article540SecondParagraph()), quoted);
}

void TestFamilyReport::article540IsTheCodesText()
{
    QCOMPARE(article540SecondParagraph(),
             u"Al coniuge, anche quando concorra con altri chiamati, sono riservati i diritti di "
             u"abitazione sulla casa adibita a residenza familiare e di uso sui mobili che la "
             u"corredano, se di proprietà del defunto o comuni. Tali diritti gravano sulla "
             u"porzione disponibile e, qualora questa non sia sufficiente, per il rimanente "
             u"sulla quota di riserva del coniuge ed eventualmente sulla quota riservata ai "
             u"figli."_s);
}

void TestFamilyReport::commandLineWritesTheReport_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("status");
    QTest::newRow("odt") << u"dettaglio.odt"_s << 0;
    QTest::newRow("pdf without graphics") << u"dettaglio.pdf"_s << 1;
    QTest::newRow("other suffix") << u"dettaglio.txt"_s << 2;
}

void TestFamilyReport::commandLineWritesTheReport()
{
    QFETCH(QString, output);
    QFETCH(int, status);
    QTemporaryDir dir;
    const QString caseFile = dir.filePath(u"caso.quotara.json"_s);
    QVERIFY(FamilyFile::write(spouseAndGrandchildren(Relation::Coniuge), caseFile));
    const QString path = dir.filePath(output);
    const CliRun run = runCli(cliDettaglio, {caseFile, u"-o"_s, path});
    QCOMPARE(run.status, status);
    QCOMPARE(QFile::exists(path), status == 0);
    QCOMPARE(run.err.isEmpty(), status == 0);
    if (status == 0)
        QCOMPARE(run.out, path + u'\n');
}

QTEST_GUILESS_MAIN(TestFamilyReport)
#include "tst_familyreport.moc"

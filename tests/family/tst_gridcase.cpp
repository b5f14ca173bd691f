#include "family/gridcase.h"
#include "succession/calculator.h"

#include <QLocale>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace Family;

namespace {

CaseRecord record(const QString& kind, const QString& figli, const QString& ascendenti,
                  const QString& coniuge, const QString& fratelli)
{
    return CaseRecord{u"Mario Rossi"_s, kind, u"120.000"_s, figli, ascendenti, coniuge, fratelli};
}

Results gridOf(const CaseRecord& r)
{
    Calculator calculator = Calculator::opened();
    calculator.apply(r);
    return calculator.results();
}

QString relations(const FamilyCase& familyCase)
{
    QStringList words;
    for (const Person& person : familyCase.people) {
        QString word = person.id + u':' + wordOf(person.relation);
        if (person.relation == Relation::Genitore || person.relation == Relation::Ascendente)
            word += u'/' + wordOf(person.line);
        if (person.relation == Relation::Ascendente)
            word += u'/' + QString::number(person.degree);
        words << word;
    }
    return words.join(u' ');
}

GridCase::Share share(const QString& id, long n, long d, const QString& article)
{
    return GridCase::Share{id, Fraction(n, d), {article}};
}

} // namespace

class TestGridCase : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void familyOfTheGrid_data();
    void familyOfTheGrid();
    void counts_data();
    void counts();
    void theGridsValue();
    void sameSharesSayNothing();
    void differentRuleSaysWhy();
    void refinedFamilySaysWhatTheGridCannotTell();
    void onlyTheGridsOwnColumns();
};

void TestGridCase::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}

void TestGridCase::familyOfTheGrid_data()
{
    QTest::addColumn<CaseRecord>("grid");
    QTest::addColumn<GridCase::Ascendants>("ascendants");
    QTest::addColumn<QString>("people");
    QTest::addColumn<Kind>("kind");
    using A = GridCase::Ascendants;
    QTest::newRow("spouse and two children")
        << record(u"legittima"_s, u"2"_s, QString(), u"sì"_s, QString()) << A::AsParents
        << u"c1:coniuge f1:figlio f2:figlio"_s << Kind::Legittima;
    QTest::newRow("no spouse without the accent")
        << record(u"entrambe"_s, u"1"_s, QString(), u"si"_s, QString()) << A::AsParents
        << u"f1:figlio"_s << Kind::Entrambe;
    QTest::newRow("two parents and a brother")
        << record(u"testamentaria"_s, QString(), u"2"_s, u"no"_s, u"1"_s) << A::AsParents
        << u"g1:genitore/paterna g2:genitore/materna b1:fratello"_s << Kind::Testamentaria;
    QTest::newRow("five ascendants as grandparents and beyond")
        << record(u"legittima"_s, QString(), u"5"_s, u"no"_s, QString()) << A::AsGrandparents
        << u"a1:ascendente/paterna/2 a2:ascendente/materna/2 a3:ascendente/paterna/2 "
           u"a4:ascendente/materna/2 a5:ascendente/paterna/3"_s
        << Kind::Legittima;
    QTest::newRow("three ascendants left out")
        << record(u"legittima"_s, QString(), u"3"_s, u"sì"_s, QString()) << A::Left
        << u"c1:coniuge"_s << Kind::Legittima;
}

void TestGridCase::familyOfTheGrid()
{
    QFETCH(CaseRecord, grid);
    QFETCH(GridCase::Ascendants, ascendants);
    QFETCH(QString, people);
    QFETCH(Kind, kind);
    const FamilyCase familyCase = GridCase::familyOf(grid, ascendants);
    QCOMPARE(relations(familyCase), people);
    QCOMPARE(familyCase.kind, kind);
    QCOMPARE(familyCase.decuius, u"Mario Rossi"_s);
    QCOMPARE(familyCase.relictum.text(), u"120000.00"_s);
    for (const Person& person : familyCase.people) {
        QCOMPARE(person.status, Status::Vivente);
        QCOMPARE(person.bond, Bond::Germano);
    }
}

void TestGridCase::counts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("two") << u"2"_s << 2;
    QTest::newRow("fraction") << u"2,7"_s << 2;
    QTest::newRow("negative") << u"-3"_s << 0;
    QTest::newRow("huge") << u"1000000000"_s << GridCase::maximumCount;
    QTest::newRow("words") << u"tre"_s << 0;
}

void TestGridCase::counts()
{
    QFETCH(QString, text);
    QFETCH(int, count);
    QCOMPARE(GridCase::count(text), count);
    QCOMPARE(GridCase::ascendantsAreAmbiguous(
                 record(u"legittima"_s, QString(), text, u"no"_s, QString())),
             count > 2);
}

void TestGridCase::theGridsValue()
{
    QCOMPARE(GridCase::relictumText(u"120.000,50"_s), u"120000.50"_s);
    QCOMPARE(GridCase::relictumText(u"100"_s), u"100.00"_s);
    QCOMPARE(GridCase::relictumText(u"molto"_s), u"molto"_s);
}

void TestGridCase::sameSharesSayNothing()
{
    const CaseRecord grid = record(u"legittima"_s, u"2"_s, QString(), u"sì"_s, QString());
    const FamilyCase familyCase = GridCase::familyOf(grid, GridCase::Ascendants::AsParents);
    GridCase::Column legittima;
    legittima.shares = {share(u"c1"_s, 1, 3, u"581"_s), share(u"f1"_s, 1, 3, u"581"_s),
                        share(u"f2"_s, 1, 3, u"581"_s)};
    QCOMPARE(GridCase::comparison(grid, gridOf(grid), familyCase, legittima, std::nullopt),
             QString());
}

// Two parents and one brother: art. 571 gives each one third, at least half
// to the parents together; the grid gives half to the brother.
void TestGridCase::differentRuleSaysWhy()
{
    const CaseRecord grid = record(u"legittima"_s, QString(), u"2"_s, u"no"_s, u"1"_s);
    const FamilyCase familyCase = GridCase::familyOf(grid, GridCase::Ascendants::AsParents);
    GridCase::Column legittima;
    legittima.shares = {share(u"g1"_s, 1, 3, u"571"_s), share(u"g2"_s, 1, 3, u"571"_s),
                        share(u"b1"_s, 1, 3, u"571"_s)};
    const QString line =
        GridCase::comparison(grid, gridOf(grid), familyCase, legittima, std::nullopt);
    QVERIFY2(line.contains(u"ascendenti 2/3 invece di 1/2 (legittima)"_s), qPrintable(line));
    QVERIFY2(line.contains(u"fratelli 1/3 invece di 1/2 (legittima)"_s), qPrintable(line));
    QVERIFY2(line.contains(u"(art. 571)"_s), qPrintable(line));
}

void TestGridCase::refinedFamilySaysWhatTheGridCannotTell()
{
    const CaseRecord grid = record(u"legittima"_s, u"2"_s, QString(), u"sì"_s, QString());
    FamilyCase familyCase = GridCase::familyOf(grid, GridCase::Ascendants::AsParents);
    familyCase.people[2].status = Status::Premorto;
    Person grandchild;
    grandchild.id = u"d1"_s;
    grandchild.parent = u"f2"_s;
    familyCase.people.append(grandchild);
    Person sister;
    sister.id = u"b1"_s;
    sister.relation = Relation::Fratello;
    sister.bond = Bond::Unilaterale;
    familyCase.people.append(sister);
    GridCase::Column legittima;
    legittima.shares = {share(u"c1"_s, 1, 3, u"581"_s), share(u"f1"_s, 1, 3, u"581"_s),
                        share(u"d1"_s, 1, 3, u"468"_s)};
    // The same class totals: the detailed shares agree with the grid.
    QCOMPARE(GridCase::comparison(grid, gridOf(grid), familyCase, legittima, std::nullopt),
             QString());
    legittima.shares = {share(u"c1"_s, 1, 2, u"581"_s), share(u"f1"_s, 1, 2, u"566"_s)};
    familyCase.people[2].status = Status::Rinunziante;
    familyCase.people.removeAt(3);
    const QString line =
        GridCase::comparison(grid, gridOf(grid), familyCase, legittima, std::nullopt);
    QVERIFY2(line.contains(u"coniuge 1/2 invece di 1/3"_s), qPrintable(line));
    QVERIFY2(line.contains(u"eredi premorti, rinunzianti o indegni"_s), qPrintable(line));
    QVERIFY2(line.contains(u"fratelli unilaterali"_s), qPrintable(line));
    QVERIFY2(line.contains(u"fratelli: 1 qui, 0 nella finestra Successione"_s), qPrintable(line));
}

void TestGridCase::onlyTheGridsOwnColumns()
{
    const CaseRecord grid = record(u"legittima"_s, u"1"_s, QString(), u"no"_s, QString());
    const FamilyCase familyCase = GridCase::familyOf(grid, GridCase::Ascendants::AsParents);
    GridCase::Column testamentaria;
    testamentaria.shares = {share(u"f1"_s, 1, 2, u"537"_s)};
    testamentaria.disponibile = Fraction(1, 2);
    QCOMPARE(GridCase::comparison(grid, gridOf(grid), familyCase, std::nullopt, testamentaria),
             QString());
    const CaseRecord both = record(u"entrambe"_s, u"1"_s, QString(), u"no"_s, QString());
    testamentaria.disponibile = Fraction(2, 3);
    const QString line =
        GridCase::comparison(both, gridOf(both), familyCase, std::nullopt, testamentaria);
    QVERIFY2(line.contains(u"disponibile 2/3 invece di 1/2 (testamentaria)"_s), qPrintable(line));
}

QTEST_GUILESS_MAIN(TestGridCase)
#include "tst_gridcase.moc"

#include "succession/calculator.h"
#include "succession/results.h"
#include "succession/sharerules.h"

#include "gridcell.h"
#include <QLocale>
#include <QRegularExpression>

#include <QTest>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

// The grid as "row.column:fraction=amount" tokens in row order; the fixed "0"
// of the legitimate disposable fraction is left out unless something else is there.
QString grid(const Results& results)
{
    QStringList tokens;
    for (int row = 1; row <= 8; ++row) {
        for (int column = 1; column <= 2; ++column) {
            const QString& fraction = results.fraction(rowAt(row), columnAt(column));
            const QString& amount = results.amount(rowAt(row), columnAt(column));
            if (fraction.isEmpty() && amount.isEmpty())
                continue;
            if (row == 5 && column == 2 && fraction == u"0" && amount.isEmpty())
                continue;
            tokens << u"%1.%2:%3=%4"_s.arg(row).arg(column).arg(fraction, amount);
        }
    }
    return tokens.join(u' ');
}

QString merged(const QString& column1, const QString& column2)
{
    static const QRegularExpression between(u" (?=\\d\\.\\d:)"_s);
    QStringList tokens =
        column1.split(between, Qt::SkipEmptyParts) + column2.split(between, Qt::SkipEmptyParts);
    std::sort(tokens.begin(), tokens.end());
    return tokens.join(u' ');
}

CalculatorState stateOf(int type, const QString& beni, double figli, double ascendenti, int coniuge,
                        double fratelli)
{
    CalculatorState state;
    state.successione = typeAt(type);
    state.beni = beni;
    state.figli = figli;
    state.ascendenti = ascendenti;
    state.coniuge = spouseAt(coniuge);
    state.fratelli = fratelli;
    return state;
}

Results computed(const CalculatorState& state)
{
    Results results;
    azzeraquote(results);
    calcolaquote(state, results);
    return results;
}

bool everyShareEmpty(const Results& results)
{
    for (int row = 1; row <= 8; ++row) {
        for (int column = 1; column <= 2; ++column) {
            if (!results.amount(rowAt(row), columnAt(column)).isEmpty())
                return false;
            if (!(row == 5 && column == 2) &&
                !results.fraction(rowAt(row), columnAt(column)).isEmpty())
                return false;
        }
    }
    return true;
}

// "field=text" is a change of the field's text, "field!text" a choice from its list.
bool runSteps(Calculator& calculator, const QStringList& steps)
{
    for (const QString& step : steps) {
        const qsizetype at = step.indexOf(QRegularExpression(u"[=!]"_s));
        const QString field = step.left(at);
        const QString text = step.mid(at + 1);
        if (field == u"successione")
            calculator.successioneChange(text);
        else if (field == u"coniuge")
            calculator.coniugeChange(text);
        else if (field == u"figli")
            calculator.figliChange(text);
        else if (field == u"ascendenti")
            calculator.ascendentiChange(text);
        else if (field == u"fratelli")
            calculator.fratelliChange(text);
        else if (field == u"beni")
            calculator.beniChange(text);
        else if (field == u"decuius")
            calculator.decuiusChange(text);
        else
            return false;
    }
    return true;
}

struct Heirs
{
    double figli;
    double ascendenti;
    int coniuge;
    double fratelli;
};

} // namespace

Q_DECLARE_METATYPE(CalculatorState)

class TestShareRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void typeCodes_data();
    void typeCodes();
    void configurations_data();
    void configurations();
    void workedExample();
    void edgeCases_data();
    void edgeCases();
    void noHeirsWipesEarlierConfiguration_data();
    void noHeirsWipesEarlierConfiguration();
    void valueThatIsNotANumber();
    void valueReadOnce_data();
    void valueReadOnce();
    void countReadings_data();
    void countReadings();
    void invalidInputsClearEverything_data();
    void invalidInputsClearEverything();
    void passoNamesTheWrongField_data();
    void passoNamesTheWrongField();
    void passoReturnsToItsText();
    void azzeraquoteLeavesArticlesAndNote();
    void handlerSequences_data();
    void handlerSequences();
    void applyRunsOnlyChangedFields();
};

void TestShareRules::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}

void TestShareRules::typeCodes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");
    QTest::newRow("testamentaria") << u"testamentaria"_s << 1;
    QTest::newRow("legittima") << u"legittima"_s << 2;
    QTest::newRow("entrambe") << u"entrambe"_s << 3;
    QTest::newRow("capital letter") << u"Legittima"_s << 0;
    QTest::newRow("leading blank") << u" legittima"_s << 0;
    QTest::newRow("partial") << u"legittim"_s << 0;
    QTest::newRow("empty") << QString() << 0;
}

void TestShareRules::typeCodes()
{
    QFETCH(QString, text);
    QFETCH(int, code);
    QCOMPARE(typeOf(text), typeAt(code).type);
}

void TestShareRules::configurations_data()
{
    QTest::addColumn<CalculatorState>("state");
    QTest::addColumn<int>("caso");
    QTest::addColumn<QString>("art");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("unilateralNote");

    struct Configuration
    {
        int caso;
        Heirs heirs;
        const char16_t* articles[3];
        const char16_t* column1;
        const char16_t* column2;
    };
    // Value 1200: every share is a whole amount.
    const Configuration configurations[] = {
        {1,
         {0, 0, 1, 0},
         {u"540", u"540 583", u"540 583"},
         u"3.1:1/2=600,00 5.1:1/2=600,00",
         u"3.2:intero=1.200,00"},
        {2,
         {0, 0, 1, 1},
         {u"540", u"540 582", u"540 582"},
         u"3.1:1/2=600,00 4.1:nulla= 5.1:1/2=600,00",
         u"3.2:2/3=800,00 4.2:1/3=400,00"},
        {3,
         {0, 1, 1, 0},
         {u"540 544", u"540 582", u"540 544 582"},
         u"2.1:1/4=300,00 3.1:2/4=600,00 5.1:1/4=300,00",
         u"2.2:1/3=400,00 3.2:2/3=800,00"},
        {4,
         {0, 1, 1, 1},
         {u"540 544", u"540 582", u"540 544 582"},
         u"2.1:1/4=300,00 3.1:2/4=600,00 4.1:nulla= 5.1:1/4=300,00",
         u"2.2:3/12=300,00 3.2:8/12=800,00 4.2:1/12=100,00"},
        {5,
         {0, 0, 0, 1},
         {u"536", u"570", u"536 570"},
         u"4.1:nulla= 5.1:intero=1.200,00",
         u"4.2:intero=1.200,00"},
        {6,
         {0, 1, 0, 0},
         {u"538", u"569", u"538 569"},
         u"2.1:1/3=400,00 5.1:2/3=800,00",
         u"2.2:intero=1.200,00"},
        {7,
         {0, 1, 0, 1},
         {u"536 538 540", u"571", u"536 538 540 571"},
         u"2.1:1/3=400,00 4.1:nulla= 5.1:2/3=800,00",
         u"2.2:min.metà=600,00 4.2:max metà=600,00"},
        {8,
         {2, 0, 1, 0},
         {u"540 542", u"540 581", u"540 542 581"},
         u"1.1:2/4=600,00 3.1:1/4=300,00 5.1:1/4=300,00 6.1:25=300,00",
         u"1.2:2/3=800,00 3.2:1/3=400,00 6.2:33,333=400,00"},
        {9,
         {2, 0, 0, 0},
         {u"537", u"566", u"537 566"},
         u"1.1:2/3=800,00 5.1:1/3=400,00 6.1:33,333=400,00",
         u"1.2:intero=1.200,00 6.2:50=600,00"},
        {10,
         {1, 0, 1, 0},
         {u"540 542", u"540 581", u"540 542 581"},
         u"1.1:1/3=400,00 3.1:1/3=400,00 5.1:1/3=400,00",
         u"1.2:1/2=600,00 3.2:1/2=600,00"},
        {11,
         {1, 0, 0, 0},
         {u"537", u"566", u"537 566"},
         u"1.1:1/2=600,00 5.1:1/2=600,00",
         u"1.2:intero=1.200,00"},
        // Children leave ascendants and brothers and sisters out of account; each
        // of several ascendants is still given the share of row 2, nothing.
        {8,
         {3, 2, 1, 4},
         {u"540 542", u"540 581", u"540 542 581"},
         u"1.1:2/4=600,00 3.1:1/4=300,00 5.1:1/4=300,00 6.1:16,667=200,00 7.1:0=",
         u"1.2:2/3=800,00 3.2:1/3=400,00 6.2:22,222=266,67 7.2:0="},
        {11,
         {1, 1, 0, 1},
         {u"537", u"566", u"537 566"},
         u"1.1:1/2=600,00 5.1:1/2=600,00",
         u"1.2:intero=1.200,00"},
    };
    const char* typeNames[] = {"testamentaria", "legittima", "entrambe"};
    for (const Configuration& c : configurations) {
        for (int type = 1; type <= 3; ++type) {
            const QString column1 = QString::fromUtf16(c.column1);
            const QString column2 = QString::fromUtf16(c.column2);
            const QString expected = type == 1   ? column1
                                     : type == 2 ? column2
                                                 : merged(column1, column2);
            const Heirs& h = c.heirs;
            QTest::addRow("caso %d %s F%g A%g S%d B%g", c.caso, typeNames[type - 1], h.figli,
                          h.ascendenti, h.coniuge, h.fratelli)
                << stateOf(type, u"1200"_s, h.figli, h.ascendenti, h.coniuge, h.fratelli) << c.caso
                << QString::fromUtf16(c.articles[type - 1]) << expected << (c.caso == 7);
        }
    }
}

void TestShareRules::configurations()
{
    QFETCH(CalculatorState, state);
    QFETCH(int, caso);
    QFETCH(QString, art);
    QFETCH(QString, expected);
    QFETCH(bool, unilateralNote);

    const Results results = computed(state);
    QCOMPARE(configurationNumber(results.configuration), caso);
    QCOMPARE(results.art, art);
    QCOMPARE(grid(results), expected);
    QCOMPARE(results.fraction(ResultRow::Disponibile, columnAt(2)), u"0"_s);
    QCOMPARE(results.notaVisible, unilateralNote);
    if (unilateralNote)
        QVERIFY(results.nota.contains(u"art.571"_s));
}

void TestShareRules::workedExample()
{
    const Results r = computed(stateOf(3, u"120000"_s, 2, 0, 1, 0));
    QCOMPARE(configurationNumber(r.configuration), 8);
    QCOMPARE(r.art, u"540 542 581"_s);
    QCOMPARE(r.fraction(ResultRow::Figli, columnAt(1)), u"2/4"_s);
    QCOMPARE(r.fraction(ResultRow::Coniuge, columnAt(1)), u"1/4"_s);
    QCOMPARE(r.fraction(ResultRow::Disponibile, columnAt(1)), u"1/4"_s);
    QCOMPARE(r.valore(rowAt(1), ResultColumn::Testamentaria).number(), 60000.0);
    QCOMPARE(r.valore(rowAt(3), ResultColumn::Testamentaria).number(), 30000.0);
    QCOMPARE(r.valore(rowAt(5), ResultColumn::Testamentaria).number(), 30000.0);
    QCOMPARE(r.amount(rowAt(1), ResultColumn::Testamentaria), u"60.000,00"_s);
    QCOMPARE(r.amount(rowAt(3), ResultColumn::Testamentaria), u"30.000,00"_s);
    QCOMPARE(r.amount(rowAt(5), ResultColumn::Testamentaria), u"30.000,00"_s);
    QCOMPARE(r.fraction(ResultRow::Coniuge, columnAt(2)), u"1/3"_s);
    QCOMPARE(r.fraction(ResultRow::Figli, columnAt(2)), u"2/3"_s);
    QCOMPARE(r.valore(rowAt(3), ResultColumn::Legittima).number(), 40000.0);
    QCOMPARE(r.valore(rowAt(1), ResultColumn::Legittima).number(), 80000.0);
    QCOMPARE(r.amount(rowAt(3), ResultColumn::Legittima), u"40.000,00"_s);
    QCOMPARE(r.amount(rowAt(1), ResultColumn::Legittima), u"80.000,00"_s);
    QCOMPARE(r.valore(rowAt(6), ResultColumn::Testamentaria).number(), 30000.0);
    QCOMPARE(r.fraction(ResultRow::Figlio, columnAt(1)), u"25"_s);
    QCOMPARE(r.amount(rowAt(6), ResultColumn::Testamentaria), u"30.000,00"_s);
    QCOMPARE(r.valore(rowAt(6), ResultColumn::Legittima).number(), 40000.0);
    QCOMPARE(r.fraction(ResultRow::Figlio, columnAt(2)), u"33,333"_s);
    QCOMPARE(r.amount(rowAt(6), ResultColumn::Legittima), u"40.000,00"_s);
    QVERIFY(!r.notaVisible);
}

void TestShareRules::edgeCases_data()
{
    QTest::addColumn<CalculatorState>("state");
    QTest::addColumn<QString>("art");
    QTest::addColumn<QString>("expected");

    QTest::newRow("start value, spouse alone")
        << stateOf(2, u"100"_s, 0, 0, 1, 0) << u"540 583"_s << u"3.2:intero=100,00"_s;
    QTest::newRow("testamentaria, two brothers: no share of each")
        << stateOf(1, u"100"_s, 0, 0, 0, 2) << u"536"_s << u"4.1:nulla= 5.1:intero=100,00"_s;
    QTest::newRow("legittima, one ascendant, three brothers")
        << stateOf(2, u"100"_s, 0, 1, 0, 3) << u"571"_s
        << u"2.2:min.metà=50,00 4.2:max metà=50,00 8.2:16,667=16,67"_s;
    QTest::newRow("entrambe, spouse, two ascendants, one brother")
        << stateOf(3, u"100"_s, 0, 2, 1, 1) << u"540 544 582"_s
        << u"2.1:1/4=25,00 2.2:3/12=25,00 3.1:2/4=50,00 3.2:8/12=66,67 4.1:nulla= "
           u"4.2:1/12=8,33 5.1:1/4=25,00 7.1:12,5=12,50 7.2:12,5=12,50"_s;
    QTest::newRow("entrambe, two ascendants, one sister")
        << stateOf(3, u"100"_s, 0, 2, 0, 1) << u"536 538 540 571"_s
        << u"2.1:1/3=33,33 2.2:min.metà=50,00 4.1:nulla= 4.2:max metà=50,00 5.1:2/3=66,67 "
           u"7.1:16,667=16,67 7.2:25=25,00"_s;
    QTest::newRow("legittima, spouse, three children")
        << stateOf(2, u"100"_s, 3, 0, 1, 0) << u"540 581"_s
        << u"1.2:2/3=66,67 3.2:1/3=33,33 6.2:22,222=22,22"_s;
    QTest::newRow("legittima, two brothers alone: share of each")
        << stateOf(2, u"100"_s, 0, 0, 0, 2) << u"570"_s << u"4.2:intero=100,00 8.2:50=50,00"_s;
    QTest::newRow("legittima, two ascendants alone")
        << stateOf(2, u"100"_s, 0, 2, 0, 0) << u"569"_s << u"2.2:intero=100,00 7.2:50=50,00"_s;
    QTest::newRow("amounts below one are shown under a decimal comma")
        << stateOf(2, u"1,5"_s, 2, 0, 1, 0) << u"540 581"_s
        << u"1.2:2/3=1,00 3.2:1/3=0,50 6.2:33,333=0,50"_s;
    QTest::newRow("a cent, spouse alone")
        << stateOf(2, u"0,01"_s, 0, 0, 1, 0) << u"540 583"_s << u"3.2:intero=0,01"_s;
    QTest::newRow("each of two brothers below one")
        << stateOf(2, u"0,5"_s, 0, 0, 0, 2) << u"570"_s << u"4.2:intero=0,50 8.2:50=0,25"_s;
    QTest::newRow("testamentaria, brothers alone below one")
        << stateOf(1, u"0,4"_s, 0, 0, 0, 3) << u"536"_s << u"4.1:nulla= 5.1:intero=0,40"_s;
    QTest::newRow("grouping and decimals") << stateOf(2, u"1.234.567,89"_s, 0, 0, 1, 0)
                                           << u"540 583"_s << u"3.2:intero=1.234.567,89"_s;
    QTest::newRow("no type shows nothing")
        << stateOf(0, u"100"_s, 1, 0, 0, 0) << QString() << QString();
    QTest::newRow("an unknown type shows nothing")
        << stateOf(-1, u"100"_s, 1, 0, 0, 0) << QString() << QString();
}

void TestShareRules::edgeCases()
{
    QFETCH(CalculatorState, state);
    QFETCH(QString, art);
    QFETCH(QString, expected);

    const Results results = computed(state);
    QCOMPARE(results.art, art);
    QCOMPARE(grid(results), expected);
}

void TestShareRules::noHeirsWipesEarlierConfiguration_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("art");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("stateNote");
    QTest::newRow("legittima") << 2 << u"586"_s << QString() << true;
    QTest::newRow("testamentaria") << 1 << QString() << u"5.1:100=1.000"_s << false;
    QTest::newRow("entrambe") << 3 << QString() << u"5.1:100=1.000"_s << false;
}

void TestShareRules::noHeirsWipesEarlierConfiguration()
{
    QFETCH(int, type);
    QFETCH(QString, art);
    QFETCH(QString, expected);
    QFETCH(bool, stateNote);

    Results results;
    calcolaquote(stateOf(type, u"1.000"_s, 2, 0, 1, 0), results);
    QCOMPARE(configurationNumber(results.configuration), 8);
    calcolaquote(stateOf(type, u"1.000"_s, 0, 0, 0, 0), results);
    QCOMPARE(configurationNumber(results.configuration), 0);
    QCOMPARE(results.art, art);
    QCOMPARE(grid(results), expected);
    QCOMPARE(results.notaVisible, stateNote);
    if (stateNote)
        QVERIFY(results.nota.contains(u"i beni vanno allo Stato"_s));
    if (type != 2)
        QVERIFY(everyShareEmpty([&] {
            Results rest = results;
            rest.fraction(ResultRow::Disponibile, columnAt(1)).clear();
            rest.amount(rowAt(5), ResultColumn::Testamentaria).clear();
            return rest;
        }()));
}

void TestShareRules::valueThatIsNotANumber()
{
    Calculator calculator = Calculator::opened();
    calculator.figliChange(u"2"_s);
    calculator.successioneChange(u"entrambe"_s);
    calculator.beniChange(u"120"_s);
    QCOMPARE(calculator.results().amount(rowAt(1), ResultColumn::Legittima), u"80,00"_s);

    // Neither the earlier amounts nor the captions may stay on view.
    calculator.beniChange(u"120abc"_s);
    const Results& r = calculator.results();
    QCOMPARE(configurationNumber(r.configuration), 0);
    QCOMPARE(r.art, QString());
    QCOMPARE(grid(r), QString());
    for (int row = 1; row <= 8; ++row) {
        QCOMPARE(r.valore(rowAt(row), ResultColumn::Testamentaria), Valore::number(0));
        QCOMPARE(r.valore(rowAt(row), ResultColumn::Legittima), Valore::number(0));
    }
    QVERIFY(calculator.fault().startsWith(u"il valore dei beni deve essere"_s));

    calculator.beniChange(u"120"_s);
    QCOMPARE(calculator.fault(), QString());
    QCOMPARE(grid(calculator.results()),
             u"1.1:2/4=60,00 1.2:2/3=80,00 3.1:1/4=30,00 3.2:1/3=40,00 5.1:1/4=30,00 "
             u"6.1:25=30,00 6.2:33,333=40,00"_s);
}

void TestShareRules::valueReadOnce_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("beni");
    QTest::addColumn<QString>("children");
    QTest::addColumn<QString>("each");
    QTest::addColumn<QString>("percentage");
    QTest::addColumn<QString>("brothersWhole");
    // Amounts, percentages and tests all come from the locale conversion.
    QTest::newRow("it: grouping dot")
        << u"it_IT"_s << u"1.000"_s << u"666,67"_s << u"333,33"_s << u"33,333"_s << u"1.000,00"_s;
    QTest::newRow("it: decimals") << u"it_IT"_s << u"1.000,50"_s << u"667,00"_s << u"333,50"_s
                                  << u"33,333"_s << u"1.000,50"_s;
    QTest::newRow("en: grouping comma")
        << u"en_US"_s << u"1,000"_s << u"666.67"_s << u"333.33"_s << u"33.333"_s << u"1,000.00"_s;
    QTest::newRow("en: a dot is the decimal point")
        << u"en_US"_s << u"1.000"_s << u"0.67"_s << u"0.33"_s << u"33.333"_s << u"1.00"_s;
}

void TestShareRules::valueReadOnce()
{
    QFETCH(QString, locale);
    QFETCH(QString, beni);
    QFETCH(QString, children);
    QFETCH(QString, each);
    QFETCH(QString, percentage);
    QFETCH(QString, brothersWhole);
    const QLocale l(locale);

    Results r;
    calcolaquote(stateOf(2, beni, 3, 0, 0, 0), r, l);
    QCOMPARE(r.fraction(ResultRow::Figli, columnAt(2)), u"intero"_s);
    QCOMPARE(r.amount(rowAt(1), ResultColumn::Legittima), brothersWhole);
    calcolaquote(stateOf(2, beni, 2, 0, 1, 0), r, l);
    QCOMPARE(r.amount(rowAt(1), ResultColumn::Legittima), children);
    QCOMPARE(r.amount(rowAt(3), ResultColumn::Legittima), each);
    QCOMPARE(r.fraction(ResultRow::Figlio, columnAt(2)), percentage);

    // Brothers and sisters alone with a will: the whole value is disposable.
    calcolaquote(stateOf(1, beni, 0, 0, 0, 2), r, l);
    QCOMPARE(r.amount(rowAt(5), ResultColumn::Testamentaria), brothersWhole);
    QCOMPARE(r.valore(rowAt(5), ResultColumn::Testamentaria).number(), *valueReading(beni, l));
}

void TestShareRules::countReadings_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("count"); // -1: not a count
    QTest::newRow("empty") << QString() << 0.0;
    QTest::newRow("blanks") << u"  "_s << 0.0;
    QTest::newRow("zero") << u"0"_s << 0.0;
    QTest::newRow("three") << u"3"_s << 3.0;
    QTest::newRow("blanks around") << u" 3 "_s << 3.0;
    QTest::newRow("leading zeros") << u"007"_s << 7.0;
    QTest::newRow("half") << u"0.5"_s << -1.0;
    QTest::newRow("decimal comma") << u"1,0"_s << -1.0;
    QTest::newRow("negative") << u"-1"_s << -1.0;
    QTest::newRow("plus sign") << u"+2"_s << -1.0;
    QTest::newRow("digits and letters") << u"2x"_s << -1.0;
    QTest::newRow("digits and a word") << u"2 figli"_s << -1.0;
    QTest::newRow("word") << u"due"_s << -1.0;
}

void TestShareRules::countReadings()
{
    QFETCH(QString, text);
    QFETCH(double, count);
    QCOMPARE(countReading(text).value_or(-1), count);
}

void TestShareRules::invalidInputsClearEverything_data()
{
    QTest::addColumn<CalculatorState>("state");
    QTest::addColumn<QString>("fault");
    const QString value = u"il valore dei beni deve essere un numero maggiore di zero "
                          u"(ad esempio 120.000,50)"_s;
    const QString emptyValue =
        u"digitare il valore numerico della stima dei beni che formano l'asse ereditario"_s;
    const QString count = u" deve essere un numero intero: 0, 1, 2 e così via (vuoto vale 0)"_s;
    QTest::newRow("empty value") << stateOf(3, QString(), 0, 1, 0, 2) << emptyValue;
    QTest::newRow("blank value") << stateOf(3, u"  "_s, 0, 1, 0, 2) << emptyValue;
    QTest::newRow("zero") << stateOf(3, u"0"_s, 0, 1, 0, 2) << value;
    QTest::newRow("zero with decimals") << stateOf(3, u"0,00"_s, 0, 1, 0, 2) << value;
    QTest::newRow("negative") << stateOf(1, u"-120"_s, 0, 1, 0, 2) << value;
    QTest::newRow("digits and letters") << stateOf(3, u"12abc"_s, 0, 1, 0, 2) << value;
    QTest::newRow("letters") << stateOf(2, u"abc"_s, 0, 1, 0, 2) << value;
    QTest::newRow("dot as decimal point under Italian")
        << stateOf(2, u"1.5"_s, 0, 1, 0, 2) << value;
    QTest::newRow("half a child") << stateOf(3, u"100"_s, 0.5, 1, 0, 2)
                                  << u"il numero dei figli"_s + count;
    QTest::newRow("negative ascendants")
        << stateOf(3, u"100"_s, 0, -1, 0, 2) << u"il numero degli ascendenti"_s + count;
    QTest::newRow("fractional brothers")
        << stateOf(3, u"100"_s, 0, 1, 0, 1.5) << u"il numero dei fratelli"_s + count;
    QTest::newRow("value before counts") << stateOf(3, u"x"_s, -1, -1, 0, -1) << value;
    QTest::newRow("children before brothers")
        << stateOf(3, u"100"_s, -1, 0, 0, -1) << u"il numero dei figli"_s + count;
}

void TestShareRules::invalidInputsClearEverything()
{
    QFETCH(CalculatorState, state);
    QFETCH(QString, fault);
    QCOMPARE(inputFault(state), fault);

    // Whatever an earlier computation showed (here both columns and the note) goes.
    Results results;
    calcolaquote(stateOf(3, u"100"_s, 0, 1, 0, 2), results);
    QVERIFY(results.notaVisible);
    QVERIFY(!grid(results).isEmpty());
    calcolaquote(state, results);
    QVERIFY(everyShareEmpty(results));
    QCOMPARE(results.art, QString());
    QCOMPARE(results.nota, QString());
    QVERIFY(!results.notaVisible);
    QCOMPARE(configurationNumber(results.configuration), 0);
    QCOMPARE(results.fraction(ResultRow::Disponibile, columnAt(2)), u"0"_s);
}

void TestShareRules::passoNamesTheWrongField_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("passo");
    const QString opening = u"aprire un file con i dati archiviati o iniziare l'immissione dei "
                            u"dati digitando il nome del de cuius"_s;
    const QString count = u" deve essere un numero intero: 0, 1, 2 e così via (vuoto vale 0)"_s;
    const QString value = u"il valore dei beni deve essere un numero maggiore di zero "
                          u"(ad esempio 120.000,50)"_s;
    QTest::newRow("opening") << QStringList() << opening;
    QTest::newRow("emptied value")
        << QStringList{u"beni="_s}
        << u"digitare il valore numerico della stima dei beni che formano l'asse ereditario"_s;
    QTest::newRow("zero value") << QStringList{u"beni=0"_s} << value;
    QTest::newRow("value with letters") << QStringList{u"beni=12abc"_s} << value;
    QTest::newRow("half a child") << QStringList{u"figli=0.5"_s}
                                  << u"il numero dei figli"_s + count;
    QTest::newRow("negative ascendants")
        << QStringList{u"ascendenti=-1"_s} << u"il numero degli ascendenti"_s + count;
    QTest::newRow("brothers with a letter")
        << QStringList{u"fratelli=2x"_s} << u"il numero dei fratelli"_s + count;
    QTest::newRow("the value first") << QStringList{u"figli=x"_s, u"beni=abc"_s} << value;
    QTest::newRow("one of two faults mended")
        << QStringList{u"figli=x"_s, u"fratelli=y"_s, u"figli=1"_s}
        << u"il numero dei fratelli"_s + count;
    QTest::newRow("value mended") << QStringList{u"beni=-3"_s, u"beni=3"_s} << opening;
    QTest::newRow("count mended") << QStringList{u"figli=0.5"_s, u"figli=2"_s} << opening;
    QTest::newRow("count emptied") << QStringList{u"figli=2x"_s, u"figli="_s} << opening;
    QTest::newRow("a name moves the guidance on")
        << QStringList{u"decuius=Rossi"_s, u"figli=1"_s}
        << u"immettere il numero di ogni tipo di erede, correggere, archiviare quanto "
           u"immesso, visualizzare le quote dell'eredità"_s;
    QTest::newRow("an emptied type") << QStringList{u"decuius=Rossi"_s, u"successione="_s}
                                     << u"scegliere la tipologia della successione"_s;
    QTest::newRow("sixteen digits")
        << QStringList{u"beni=1000000000000000"_s}
        << u"il valore dei beni può avere al massimo 15 cifre (ad esempio 120.000,50)"_s;
    QTest::newRow("fifteen digits and zero decimals")
        << QStringList{u"beni=999.999.999.999.999,00"_s} << opening;
}

void TestShareRules::passoNamesTheWrongField()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, passo);
    Calculator calculator = Calculator::opened();
    QVERIFY(runSteps(calculator, steps));
    QCOMPARE(calculator.passo(), passo);
    QCOMPARE(calculator.fault().isEmpty(), passo == calculator.guidance());
    if (!calculator.fault().isEmpty())
        QVERIFY(everyShareEmpty(calculator.results()));
}

void TestShareRules::passoReturnsToItsText()
{
    Calculator calculator = Calculator::opened();
    calculator.decuiusChange(u"Rossi"_s);
    const QString guidance = u"immettere il numero di ogni tipo di erede, correggere, archiviare "
                             u"quanto immesso, visualizzare le quote dell'eredità"_s;
    QCOMPARE(calculator.passo(), guidance);
    calculator.ascendentiChange(u"1,5"_s);
    QVERIFY(calculator.passo().startsWith(u"il numero degli ascendenti"_s));
    QCOMPARE(calculator.guidance(), guidance);
    calculator.ascendentiChange(u"1"_s);
    QCOMPARE(calculator.passo(), guidance);
    QCOMPARE(calculator.results().fraction(ResultRow::Ascendenti, columnAt(2)), u"1/3"_s);
}

void TestShareRules::azzeraquoteLeavesArticlesAndNote()
{
    Results results = computed(stateOf(3, u"100"_s, 0, 1, 0, 2));
    QVERIFY(results.notaVisible);
    azzeraquote(results);
    QVERIFY(everyShareEmpty(results));
    QCOMPARE(results.art, u"536 538 540 571"_s);
    QVERIFY(results.notaVisible);
    QCOMPARE(configurationNumber(results.configuration), 7);
    QCOMPARE(results.fraction(ResultRow::Disponibile, columnAt(2)), u"0"_s);
    QCOMPARE(results.valore(rowAt(2), ResultColumn::Legittima), Valore::number(0));
}

void TestShareRules::handlerSequences_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("art");
    QTest::addColumn<QString>("expected");

    QTest::newRow("opening") << QStringList() << u"540 583"_s << u"3.2:intero=100,00"_s;
    QTest::newRow("two children clear and recompute")
        << QStringList{u"figli=2"_s} << u"540 581"_s
        << u"1.2:2/3=66,67 3.2:1/3=33,33 6.2:33,333=33,33"_s;
    QTest::newRow("chosen entrambe fills both columns")
        << QStringList{u"successione!entrambe"_s} << u"540 583"_s
        << u"3.1:1/2=50,00 3.2:intero=100,00 5.1:1/2=50,00"_s;
    QTest::newRow("typed testamentaria shows column 1 only")
        << QStringList{u"successione=testamentaria"_s} << u"540"_s
        << u"3.1:1/2=50,00 5.1:1/2=50,00"_s;
    QTest::newRow("typed legittima after entrambe shows column 2 only")
        << QStringList{u"figli=2"_s, u"successione!entrambe"_s, u"successione=legittima"_s}
        << u"540 581"_s << u"1.2:2/3=66,67 3.2:1/3=33,33 6.2:33,333=33,33"_s;
    QTest::newRow("chosen testamentaria clears column 2")
        << QStringList{u"successione!testamentaria"_s} << u"540"_s
        << u"3.1:1/2=50,00 5.1:1/2=50,00"_s;
    QTest::newRow("a type that is no word shows nothing")
        << QStringList{u"successione!entrambe"_s, u"successione=entramb"_s, u"figli=1"_s}
        << QString() << QString();
    QTest::newRow("a type in capitals with blanks") << QStringList{u"successione= TESTAMENTARIA "_s}
                                                    << u"540"_s << u"3.1:1/2=50,00 5.1:1/2=50,00"_s;
    QTest::newRow("si without accent means a spouse")
        << QStringList{u"figli=1"_s, u"coniuge=si"_s} << u"540 581"_s
        << u"1.2:1/2=50,00 3.2:1/2=50,00"_s;
    QTest::newRow("a spouse that is neither yes nor no shows nothing")
        << QStringList{u"figli=1"_s, u"coniuge=forse"_s} << QString() << QString();
    QTest::newRow("NO in capitals means no spouse")
        << QStringList{u"figli=1"_s, u"coniuge=NO"_s} << u"566"_s << u"1.2:intero=100,00"_s;
    QTest::newRow("spouse chosen from the list")
        << QStringList{u"coniuge!no"_s, u"fratelli=1"_s, u"coniuge!sì"_s} << u"540 582"_s
        << u"3.2:2/3=66,67 4.2:1/3=33,33"_s;
    QTest::newRow("the name changes nothing")
        << QStringList{u"figli=2"_s, u"decuius=Mario Rossi"_s} << u"540 581"_s
        << u"1.2:2/3=66,67 3.2:1/3=33,33 6.2:33,333=33,33"_s;
    QTest::newRow("a negative value clears everything")
        << QStringList{u"figli=2"_s, u"beni=-5"_s} << QString() << QString();
    QTest::newRow("a new value overwrites the amounts it shows")
        << QStringList{u"figli=2"_s, u"beni=300"_s} << u"540 581"_s
        << u"1.2:2/3=200,00 3.2:1/3=100,00 6.2:33,333=100,00"_s;
    QTest::newRow("an emptied value shows nothing")
        << QStringList{u"beni="_s, u"figli=2"_s} << QString() << QString();
    QTest::newRow("half a child shows nothing")
        << QStringList{u"figli=2"_s, u"figli=0.5"_s} << QString() << QString();
    QTest::newRow("a count with words shows nothing")
        << QStringList{u"figli=2 figli"_s, u"coniuge=no"_s} << QString() << QString();
    QTest::newRow("a mended count shows its shares")
        << QStringList{u"figli=0.5"_s, u"figli=2"_s} << u"540 581"_s
        << u"1.2:2/3=66,67 3.2:1/3=33,33 6.2:33,333=33,33"_s;
    QTest::newRow("an emptied count is none")
        << QStringList{u"figli=2"_s, u"figli="_s} << u"540 583"_s << u"3.2:intero=100,00"_s;
    QTest::newRow("a count with blanks around it")
        << QStringList{u"figli= 2 "_s} << u"540 581"_s
        << u"1.2:2/3=66,67 3.2:1/3=33,33 6.2:33,333=33,33"_s;
    QTest::newRow("no heirs under legittima")
        << QStringList{u"coniuge=no"_s} << u"586"_s << QString();
}

void TestShareRules::handlerSequences()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, art);
    QFETCH(QString, expected);

    Calculator calculator = Calculator::opened();
    QVERIFY(runSteps(calculator, steps));
    QCOMPARE(calculator.results().art, art);
    QCOMPARE(grid(calculator.results()), expected);
}

void TestShareRules::applyRunsOnlyChangedFields()
{
    Calculator calculator = Calculator::opened();
    QCOMPARE(calculator.state().successione, typeAt(2));
    QCOMPARE(calculator.state().coniuge, spouseAt(1));
    QCOMPARE(calculator.results().amount(rowAt(5), ResultColumn::Legittima), QString());
    QVERIFY(!calculator.results().notaVisible);

    CaseRecord record{u"Anna Bianchi"_s, u"entrambe"_s, u"120000"_s, u"2"_s,
                      QString(),         u"sì"_s,       QString()};
    calculator.apply(record);
    QCOMPARE(calculator.record(), record);
    const Results expected = computed(stateOf(3, u"120000"_s, 2, 0, 1, 0));
    QCOMPARE(grid(calculator.results()), grid(expected));
    QCOMPARE(calculator.results().valori, expected.valori);

    // Only the type text changes: the column of "entrambe" that the new type
    // does not fill goes.
    record.successione = u"testamentaria"_s;
    calculator.apply(record);
    QCOMPARE(calculator.state().successione, typeAt(1));
    QCOMPARE(calculator.results().amount(rowAt(1), ResultColumn::Testamentaria), u"60.000,00"_s);
    QCOMPARE(calculator.results().amount(rowAt(1), ResultColumn::Legittima), QString());
    QCOMPARE(calculator.results().fraction(ResultRow::Figli, columnAt(2)), QString());
    QCOMPARE(calculator.results().art, u"540 542"_s);
}

QTEST_GUILESS_MAIN(TestShareRules)
#include "tst_sharerules.moc"

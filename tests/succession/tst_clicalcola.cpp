#include "clirun.h"
#include "succession/calculator.h"
#include "succession/casefile.h"
#include "succession/clicalcola.h"

#include "gridcell.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QTemporaryDir>

#include <QTest>
#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

CliRun run(const QStringList& args)
{
    return runCli(cliCalcola, args);
}

QJsonObject jsonOf(const CliRun& result)
{
    QJsonParseError error;
    const QJsonObject root = QJsonDocument::fromJson(result.out.toUtf8(), &error).object();
    return error.error == QJsonParseError::NoError ? root : QJsonObject();
}

QStringList strings(const QJsonValue& value)
{
    QStringList list;
    for (const QJsonValue& element : value.toArray())
        list << element.toString();
    return list;
}

// A row's fractions in both columns.
QStringList column(const Results& r, ResultRow row)
{
    return {r.fraction(row, ResultColumn::Testamentaria), r.fraction(row, ResultColumn::Legittima)};
}

// A column's amounts, rows in order.
QStringList rows(const Results& r, ResultColumn column)
{
    QStringList amounts;
    for (const ResultRow row : resultRows)
        amounts << r.amount(row, column);
    return amounts;
}

// Every key of the JSON object against the results of the same case run
// through the calculator the window uses.
QString differences(const QJsonObject& json, const Calculator& calculator)
{
    const Results& r = calculator.results();
    const std::pair<const char16_t*, QStringList> arrays[] = {
        {u"quotafigli", column(r, ResultRow::Figli)},
        {u"quotaascendenti", column(r, ResultRow::Ascendenti)},
        {u"quotaconiuge", column(r, ResultRow::Coniuge)},
        {u"quotafratelli", column(r, ResultRow::Fratelli)},
        {u"quotadisponibile", column(r, ResultRow::Disponibile)},
        {u"quotafiglio", column(r, ResultRow::Figlio)},
        {u"quotaascendente", column(r, ResultRow::Ascendente)},
        {u"quotafratello", column(r, ResultRow::Fratello)},
        {u"quota1", rows(r, ResultColumn::Testamentaria)},
        {u"quota2", rows(r, ResultColumn::Legittima)},
    };
    QStringList wrong;
    for (const auto& [key, expected] : arrays) {
        const QString name = QString::fromUtf16(key);
        if (strings(json.value(name)) != expected)
            wrong << name;
    }
    if (json.value(u"art"_s).toString() != r.art)
        wrong << u"art"_s;
    if (json.value(u"nota"_s).toString() != r.nota)
        wrong << u"nota"_s;
    if (!json.value(u"notavisibile"_s).isBool() ||
        json.value(u"notavisibile"_s).toBool() != r.notaVisible)
        wrong << u"notavisibile"_s;
    if (json.value(u"caso"_s).toInt(-1) != configurationNumber(r.configuration))
        wrong << u"caso"_s;
    if (json.value(u"passo"_s).toString() != calculator.passo())
        wrong << u"passo"_s;
    if (json.size() != 15)
        wrong << u"key count %1"_s.arg(json.size());
    return wrong.join(u", "_s);
}

// The amounts of a column that has shares add up to the value (each amount is
// rounded to the cent, so up to half a cent per share may be lost or gained).
bool amountsAddUp(const QJsonArray& amounts, int lastRow, double value, const QLocale& locale)
{
    double sum = 0;
    for (int row = 0; row < lastRow; ++row) {
        const QString text = amounts.at(row).toString();
        if (!text.isEmpty())
            sum += locale.toDouble(text);
    }
    return std::abs(sum - value) < 0.025;
}

} // namespace

class TestCliCalcola : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void jsonAgreesWithRules_data();
    void jsonAgreesWithRules();
    void localeFormats_data();
    void localeFormats();
    void text();
    void badInput_data();
    void badInput();
    void caseFile();
    void caseFileWithUnusableTexts();
};

void TestCliCalcola::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}

void TestCliCalcola::jsonAgreesWithRules_data()
{
    QTest::addColumn<QString>("tipologia");
    QTest::addColumn<QString>("coniuge");
    for (const QString& type : {u"testamentaria"_s, u"legittima"_s, u"entrambe"_s})
        for (const QString& spouse : {u"sì"_s, u"no"_s})
            QTest::addRow("%s %s", qPrintable(type), qPrintable(spouse)) << type << spouse;
}

void TestCliCalcola::jsonAgreesWithRules()
{
    QFETCH(QString, tipologia);
    QFETCH(QString, coniuge);
    const QString beni = u"98.765,43"_s;
    const double value = 98765.43;
    const QLocale italian(u"it_IT"_s);
    for (int figli = 0; figli <= 4; ++figli) {
        for (int ascendenti = 0; ascendenti <= 4; ++ascendenti) {
            for (int fratelli = 0; fratelli <= 4; ++fratelli) {
                const CaseRecord record{QString(),
                                        tipologia,
                                        beni,
                                        QString::number(figli),
                                        QString::number(ascendenti),
                                        coniuge,
                                        QString::number(fratelli)};
                const CliRun result =
                    run({u"--tipologia"_s, record.successione, u"--beni"_s, record.beni,
                         u"--figli"_s, record.figli, u"--ascendenti"_s, record.ascendenti,
                         u"--coniuge"_s, record.coniuge, u"--fratelli"_s, record.fratelli,
                         u"--locale"_s, u"it_IT"_s, u"--json"_s});
                const QString where = u"F%1 A%2 B%3"_s.arg(figli).arg(ascendenti).arg(fratelli);
                QVERIFY2(result.status == 0, qPrintable(where + result.err));
                const QJsonObject json = jsonOf(result);
                Calculator expected = Calculator::opened(italian);
                expected.apply(record);
                const QString wrong = differences(json, expected);
                QVERIFY2(wrong.isEmpty(), qPrintable(where + u": "_s + wrong));

                const bool heirs = figli + ascendenti + fratelli > 0 || coniuge == u"sì";
                QCOMPARE(json.value(u"caso"_s).toInt() > 0, heirs);
                if (!heirs)
                    continue;
                if (tipologia != u"legittima")
                    QVERIFY2(amountsAddUp(json.value(u"quota1"_s).toArray(), 5, value, italian),
                             qPrintable(where));
                if (tipologia != u"testamentaria")
                    QVERIFY2(amountsAddUp(json.value(u"quota2"_s).toArray(), 4, value, italian),
                             qPrintable(where));
            }
        }
    }
}

void TestCliCalcola::localeFormats_data()
{
    QTest::addColumn<QString>("locale"); // empty: the user's (Italian here)
    QTest::addColumn<QString>("beni");
    QTest::addColumn<QString>("whole");    // quota2(3), the spouse alone
    QTest::addColumn<QString>("children"); // quota2(1), spouse and two children
    QTest::addColumn<QString>("each");     // quotafiglio(2)
    QTest::newRow("user's locale")
        << QString() << u"1.234.567,89"_s << u"1.234.567,89"_s << u"823.045,26"_s << u"33,333"_s;
    QTest::newRow("it_IT grouping and decimals")
        << u"it_IT"_s << u"1.234.567,89"_s << u"1.234.567,89"_s << u"823.045,26"_s << u"33,333"_s;
    QTest::newRow("it_IT plain digits")
        << u"it_IT"_s << u"1500"_s << u"1.500,00"_s << u"1.000,00"_s << u"33,333"_s;
    QTest::newRow("it_IT grouping dot only")
        << u"it_IT"_s << u"1.000"_s << u"1.000,00"_s << u"666,67"_s << u"33,333"_s;
    QTest::newRow("it_IT below one")
        << u"it_IT"_s << u"0,6"_s << u"0,60"_s << u"0,40"_s << u"33,333"_s;
    QTest::newRow("en_US grouping and decimals")
        << u"en_US"_s << u"1,234,567.89"_s << u"1,234,567.89"_s << u"823,045.26"_s << u"33.333"_s;
    QTest::newRow("en_US decimal point")
        << u"en_US"_s << u"1.5"_s << u"1.50"_s << u"1.00"_s << u"33.333"_s;
    QTest::newRow("en_US below one")
        << u"en_US"_s << u"0.6"_s << u"0.60"_s << u"0.40"_s << u"33.333"_s;
}

void TestCliCalcola::localeFormats()
{
    QFETCH(QString, locale);
    QFETCH(QString, beni);
    QFETCH(QString, whole);
    QFETCH(QString, children);
    QFETCH(QString, each);
    QStringList args{u"--json"_s, u"--beni"_s, beni};
    if (!locale.isEmpty())
        args << u"--locale"_s << locale;

    const CliRun alone = run(args);
    QVERIFY2(alone.status == 0, qPrintable(alone.err));
    QCOMPARE(strings(jsonOf(alone).value(u"quota2"_s)).at(2), whole);
    QCOMPARE(strings(jsonOf(alone).value(u"quotaconiuge"_s)),
             (QStringList{QString(), u"intero"_s}));

    const CliRun two = run(args + QStringList{u"--figli"_s, u"2"_s});
    const QJsonObject json = jsonOf(two);
    QCOMPARE(strings(json.value(u"quota2"_s)).at(0), children);
    QCOMPARE(strings(json.value(u"quotafiglio"_s)).at(1), each);
    QCOMPARE(json.value(u"art"_s).toString(), u"540 581"_s);
}

void TestCliCalcola::text()
{
    const CliRun result = run({u"--tipologia"_s, u"entrambe"_s, u"--beni"_s, u"120000"_s,
                               u"--figli"_s, u"2"_s, u"--de-cuius"_s, u"Rossi"_s});
    QCOMPARE(result.status, 0);
    QVERIFY(result.err.isEmpty());
    const QStringList expected{
        u"de cuius: Rossi"_s,
        u"tipologia: entrambe"_s,
        u"valore dei beni: 120000"_s,
        u"configurazione: 8 (coniuge con due o più figli)"_s,
        u"art. del C.C.: 540 542 581"_s,
        QString(),
        u"                          succ. testamentaria  succ. legittima"_s,
        u"                          quota        valore  quota        valore"_s,
        u"figli                     2/4       60.000,00  2/3       80.000,00"_s,
        u"ascendenti"_s,
        u"coniuge                   1/4       30.000,00  1/3       40.000,00"_s,
        u"fratelli"_s,
        u"disponibile               1/4       30.000,00  0"_s,
        u"a ciascun figlio (%)      25        30.000,00  33,333    40.000,00"_s,
        u"a ciascun ascendente (%)"_s,
        u"a ciascun fratello (%)"_s,
        QString(),
    };
    QCOMPARE(result.out.split(u'\n'), expected);

    // The note, and what is wrong with a case file's texts, follow the grid.
    const CliRun note =
        run({u"--coniuge"_s, u"no"_s, u"--ascendenti"_s, u"1"_s, u"--fratelli"_s, u"3"_s});
    QVERIFY(note.out.contains(u"\nnota: I fratelli e le sorelle unilaterali"_s));
    // Column 2 starts under its heading and its amounts end under "valore".
    const QStringList lines = note.out.split(u'\n');
    const auto heading = std::find_if(lines.begin(), lines.end(), [](const QString& line) {
        return line.contains(u"succ. legittima"_s);
    });
    QVERIFY(heading != lines.end());
    const qsizetype start = heading->indexOf(u"succ. legittima"_s);
    const qsizetype end = (heading + 1)->size();
    for (const QString& prefix : {u"ascendenti "_s, u"fratelli "_s, u"a ciascun fratello (%) "_s}) {
        const auto line = std::find_if(lines.begin(), lines.end(),
                                       [&](const QString& l) { return l.startsWith(prefix); });
        QVERIFY(line != lines.end());
        QVERIFY2(line->at(start) != u' ' && line->at(start - 1) == u' ', qPrintable(*line));
        QCOMPARE(line->size(), end);
    }
    QVERIFY(note.out.contains(u"min.metà      50,00\n"_s));
}

void TestCliCalcola::badInput_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown option") << QStringList{u"--nipoti"_s, u"2"_s} << u"--nipoti"_s;
    QTest::newRow("missing value") << QStringList{u"--figli"_s} << u"--figli"_s;
    QTest::newRow("unknown type") << QStringList{u"--tipologia"_s, u"Legittima"_s}
                                  << u"tipologia"_s;
    QTest::newRow("value not a number")
        << QStringList{u"--beni"_s, u"12abc"_s} << u"il valore dei beni deve essere"_s;
    QTest::newRow("value zero") << QStringList{u"--beni"_s, u"0"_s}
                                << u"il valore dei beni deve essere"_s;
    QTest::newRow("negative value")
        << QStringList{u"--beni=-5"_s} << u"il valore dei beni deve essere"_s;
    QTest::newRow("empty value") << QStringList{u"--beni"_s, QString()} << u"digitare il valore"_s;
    QTest::newRow("English decimal under Italian")
        << QStringList{u"--beni"_s, u"1.5"_s, u"--locale"_s, u"it_IT"_s}
        << u"ad esempio 120.000,50"_s;
    QTest::newRow("Italian decimal under English")
        << QStringList{u"--beni"_s, u"1,5"_s, u"--locale"_s, u"en_US"_s}
        << u"ad esempio 120,000.50"_s;
    QTest::newRow("fractional count")
        << QStringList{u"--figli"_s, u"0.5"_s} << u"il numero dei figli"_s;
    QTest::newRow("negative count")
        << QStringList{u"--fratelli"_s, u"-1"_s} << u"il numero dei fratelli"_s;
    QTest::newRow("count with letters")
        << QStringList{u"--ascendenti"_s, u"2x"_s} << u"il numero degli ascendenti"_s;
    QTest::newRow("spouse without accent") << QStringList{u"--coniuge"_s, u"si"_s} << u"coniuge"_s;
    QTest::newRow("unknown locale") << QStringList{u"--locale"_s, u"xx_YY"_s} << u"xx_YY"_s;
    QTest::newRow("missing file") << QStringList{u"/nonexistent/Quotara-dati-x"_s}
                                  << u"/nonexistent/Quotara-dati-x"_s;
    QTest::newRow("missing file by option")
        << QStringList{u"--file"_s, u"/nonexistent/Quotara-dati-x"_s}
        << u"/nonexistent/Quotara-dati-x"_s;
    QTest::newRow("a folder for a file") << QStringList{u"/"_s} << u"/"_s;
    QTest::newRow("two files") << QStringList{u"a"_s, u"b"_s} << u"un solo file"_s;
}

void TestCliCalcola::badInput()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const CliRun result = run(args + QStringList{u"--json"_s});
    QCOMPARE(result.status, 2);
    QVERIFY(result.out.isEmpty());
    QVERIFY2(result.err.startsWith(u"quotara-cli calcola: "_s), qPrintable(result.err));
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
}

void TestCliCalcola::caseFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"Quotara-dati-bianchi"_s);
    const CaseRecord record{u"Bianchi"_s, u"testamentaria"_s, u"9000"_s, QString(), u"2"_s, u"sì"_s,
                            u"1"_s};
    QVERIFY(CaseFile::write(record, path));

    Calculator expected = Calculator::opened();
    expected.apply(record);
    for (const QStringList& args :
         {QStringList{path, u"--json"_s}, QStringList{u"--file"_s, path, u"--json"_s}}) {
        const CliRun fromFile = run(args);
        QCOMPARE(fromFile.status, 0);
        QCOMPARE(differences(jsonOf(fromFile), expected), QString());
        QCOMPARE(jsonOf(fromFile).value(u"art"_s).toString(), u"540 544"_s);
    }

    // Options given with the file change its fields.
    const CliRun changed = run({path, u"--tipologia"_s, u"legittima"_s, u"--json"_s});
    QCOMPARE(changed.status, 0);
    const QJsonObject json = jsonOf(changed);
    QCOMPARE(json.value(u"art"_s).toString(), u"540 582"_s);
    QCOMPARE(strings(json.value(u"quotaascendenti"_s)), (QStringList{QString(), u"3/12"_s}));
    QCOMPARE(strings(json.value(u"quota2"_s)).at(2), u"6.000,00"_s);
}

void TestCliCalcola::caseFileWithUnusableTexts()
{
    // A case saved while a count could not be used: shown as the window shows it.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"Quotara-dati-verdi"_s);
    QVERIFY(CaseFile::write(
        {u"Verdi"_s, u"entrambe"_s, u"9000"_s, u"0.5"_s, QString(), u"sì"_s, QString()}, path));
    const CliRun result = run({path, u"--json"_s});
    QCOMPARE(result.status, 0);
    const QJsonObject json = jsonOf(result);
    QVERIFY(json.value(u"passo"_s).toString().startsWith(u"il numero dei figli deve essere"_s));
    QCOMPARE(json.value(u"art"_s).toString(), QString());
    QCOMPARE(json.value(u"caso"_s).toInt(), 0);
    QCOMPARE(strings(json.value(u"quota1"_s)), QStringList(8, QString()));
    QCOMPARE(strings(json.value(u"quotaconiuge"_s)), (QStringList{QString(), QString()}));

    const CliRun text = run({path});
    QVERIFY(text.out.contains(u"\nattenzione: il numero dei figli deve essere"_s));
}

QTEST_GUILESS_MAIN(TestCliCalcola)
#include "tst_clicalcola.moc"

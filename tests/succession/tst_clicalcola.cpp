#include "succession/casefile.h"
#include "succession/clicalcola.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Run
{
    int status;
    QString out;
    QString err;
};

Run run(const QStringList& args)
{
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int status = cliCalcola(args, outStream, errStream);
    outStream.flush();
    errStream.flush();
    return {status, out, err};
}

} // namespace

class TestCliCalcola : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void text_data();
    void text();
    void badInput_data();
    void badInput();
    void json();
    void caseFile();
};

void TestCliCalcola::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}

void TestCliCalcola::text_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("window defaults")
        << QStringList()
        << QStringList{u"configurazione: 1 (coniuge solo)"_s, u"art. del C.C.: 540 583"_s,
                       u"coniuge                                       intero    100,00"_s};
    QTest::newRow("worked example")
        << QStringList{u"--tipo"_s,  u"entrambe"_s, u"--beni"_s,    u"120000"_s,
                       u"--figli"_s, u"2"_s,        u"--coniuge"_s, u"sì"_s}
        << QStringList{
               u"art. del C.C.: 540 542 581"_s,
               u"figli                     2/4       60.000,00       2/3       80.000,00"_s,
               u"a ciascun figlio (%)      25        30.000,00       33,333    40.000,00"_s};
    QTest::newRow("note on unilateral brothers")
        << QStringList{u"--coniuge"_s,  u"no"_s, u"--ascendenti"_s, u"1"_s,
                       u"--fratelli"_s, u"3"_s,  u"--decuius"_s,    u"Rossi"_s}
        << QStringList{u"de cuius: Rossi"_s,
                       u"configurazione: 7 (ascendenti con fratelli e sorelle)"_s,
                       u"a ciascun fratello (%)                        16,667    16,67"_s,
                       u"nota: I fratelli e le sorelle unilaterali"_s};
}

void TestCliCalcola::text()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, lines);
    const Run result = run(args);
    QCOMPARE(result.status, 0);
    QVERIFY(result.err.isEmpty());
    // Columns are compared without their padding.
    QStringList printed = result.out.split(u'\n');
    for (QString& line : printed)
        line = line.simplified();
    for (const QString& line : lines)
        QVERIFY2(printed.contains(line.simplified()) ||
                     (line.startsWith(u"nota: ") && result.out.contains(line)),
                 qPrintable(result.out));
}

void TestCliCalcola::badInput_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("unknown option") << QStringList{u"--nipoti"_s, u"2"_s};
    QTest::newRow("missing value") << QStringList{u"--figli"_s};
    QTest::newRow("unknown type") << QStringList{u"--tipo"_s, u"Legittima"_s};
    QTest::newRow("value not a number") << QStringList{u"--beni"_s, u"12abc"_s};
    QTest::newRow("fractional count") << QStringList{u"--figli"_s, u"0.5"_s};
    QTest::newRow("negative count") << QStringList{u"--fratelli"_s, u"-1"_s};
    QTest::newRow("spouse without accent") << QStringList{u"--coniuge"_s, u"si"_s};
    QTest::newRow("missing file") << QStringList{u"--file"_s, u"/nonexistent/Quotara-dati-x"_s};
}

void TestCliCalcola::badInput()
{
    QFETCH(QStringList, args);
    const Run result = run(args);
    QCOMPARE(result.status, 2);
    QVERIFY(result.out.isEmpty());
    QVERIFY(result.err.startsWith(u"quotara-cli calcola: "_s));
}

void TestCliCalcola::json()
{
    const Run result = run(
        {u"--tipo"_s, u"entrambe"_s, u"--beni"_s, u"120000"_s, u"--figli"_s, u"2"_s, u"--json"_s});
    QCOMPARE(result.status, 0);
    QJsonParseError error;
    const QJsonObject root = QJsonDocument::fromJson(result.out.toUtf8(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(root.value(u"caso"_s).toInt(), 8);
    QCOMPARE(root.value(u"art"_s).toString(), u"540 542 581"_s);
    QVERIFY(root.value(u"nota"_s).isNull());
    const QJsonArray rows = root.value(u"righe"_s).toArray();
    QCOMPARE(rows.size(), 8);
    const QJsonObject children = rows.at(5).toObject();
    QCOMPARE(children.value(u"erede"_s).toString(), u"a ciascun figlio (%)"_s);
    QCOMPARE(children.value(u"legittima"_s).toObject().value(u"quota"_s).toString(), u"33,333"_s);
    QCOMPARE(children.value(u"testamentaria"_s).toObject().value(u"valore"_s).toString(),
             u"30.000,00"_s);
}

void TestCliCalcola::caseFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"Quotara-dati-bianchi"_s);
    QVERIFY(CaseFile::write(
        {u"Bianchi"_s, u"testamentaria"_s, u"9000"_s, QString(), u"2"_s, u"sì"_s, u"1"_s}, path));
    const Run fromFile = run({u"--file"_s, path});
    QCOMPARE(fromFile.status, 0);
    QVERIFY2(fromFile.out.contains(u"art. del C.C.: 540 544"_s), qPrintable(fromFile.out));
    QVERIFY(fromFile.out.contains(u"de cuius: Bianchi"_s));

    // Options given with the file change its fields.
    const Run changed = run({u"--file"_s, path, u"--tipo"_s, u"legittima"_s});
    QCOMPARE(changed.status, 0);
    QVERIFY2(changed.out.contains(u"art. del C.C.: 540 582"_s), qPrintable(changed.out));
    QVERIFY(changed.out.contains(u"8/12"_s));
}

QTEST_GUILESS_MAIN(TestCliCalcola)
#include "tst_clicalcola.moc"

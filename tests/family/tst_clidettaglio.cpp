#include "clirun.h"
#include "family/clidettaglio.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

const QByteArray example = R"({
  "formato": "quotara-famiglia/1",
  "decuius": "Mario Rossi",
  "tipologia": "entrambe",
  "relictum": "120000.00",
  "donazioni": [ { "donatario": "f1", "valore": "30000.00" } ],
  "persone": [
    { "id": "c",  "relazione": "coniuge" },
    { "id": "f1", "relazione": "figlio", "nome": "Anna Rossi" },
    { "id": "f2", "relazione": "figlio", "stato": "premorto" },
    { "id": "n1", "relazione": "figlio", "di": "f2" },
    { "id": "n2", "relazione": "figlio", "di": "f2", "stato": "rinunziante" },
    { "id": "b1", "relazione": "fratello" }
  ]
})";

} // namespace

class TestCliDettaglio : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QVERIFY(m_dir.isValid()); }
    void jsonOfTheExample();
    void tableNamesPeopleAndSteps();
    void badInput_data();
    void badInput();
    void commandLine_data();
    void commandLine();
    void writesTheReport_data();
    void writesTheReport();

private:
    QString write(const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(u"caso.quotara.json"_s);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) < 0)
            qFatal("cannot write the test case");
        return path;
    }

    QTemporaryDir m_dir;
};

void TestCliDettaglio::jsonOfTheExample()
{
    const CliRun run = runCli(cliDettaglio, {write(example), u"--json"_s});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QString());
    const QJsonObject json = QJsonDocument::fromJson(run.out.toUtf8()).object();
    const QJsonObject legittima = json[u"legittima"_s].toObject();
    QVERIFY(legittima[u"stato"_s].isNull());
    const QJsonArray quote = legittima[u"quote"_s].toArray();
    QCOMPARE(quote.size(), 3);
    QCOMPARE(quote[0].toObject()[u"id"_s].toString(), u"c"_s);
    QCOMPARE(quote[0].toObject()[u"quota"_s].toString(), u"1/3"_s);
    QCOMPARE(quote[0].toObject()[u"valore"_s].toString(), u"40000.00"_s);
    QCOMPARE(quote[2].toObject()[u"id"_s].toString(), u"n1"_s);
    QVERIFY(legittima[u"articoli"_s].toArray().contains(u"467"_s));
    const QJsonObject riserva = json[u"riserva"_s].toObject();
    QCOMPARE(riserva[u"massa"_s].toString(), u"150000.00"_s);
    QCOMPARE(riserva[u"disponibile"_s].toObject()[u"quota"_s].toString(), u"1/4"_s);
    QCOMPARE(riserva[u"disponibile"_s].toObject()[u"valore"_s].toString(), u"37500.00"_s);
    QVERIFY(riserva[u"articoli"_s].toArray().contains(u"556"_s));
    QVERIFY(!riserva[u"passi"_s].toArray().isEmpty());
}

void TestCliDettaglio::tableNamesPeopleAndSteps()
{
    const CliRun run = runCli(cliDettaglio, {write(example)});
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.contains(u"Anna Rossi"_s));
    QVERIFY(run.out.contains(u"40000.00"_s));
    QVERIFY(run.out.contains(u"passi:"_s));
    QVERIFY(run.out.contains(u"art. 556"_s));
}

void TestCliDettaglio::badInput_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("culprit");
    QByteArray unknownRelation = example;
    unknownRelation.replace("\"fratello\" }", "\"cugino\" }");
    QTest::newRow("unknown relation") << unknownRelation << u"b1"_s;
    QByteArray nobody = example;
    nobody.replace("\"di\": \"f2\", \"stato\"", "\"di\": \"zz\", \"stato\"");
    QTest::newRow("di names nobody") << nobody << u"n2"_s;
    QByteArray negative = example;
    negative.replace("\"120000.00\"", "\"-5\"");
    QTest::newRow("negative amount") << negative << u"relictum"_s;
    QTest::newRow("not JSON") << QByteArray("{\"formato\":") << u"JSON"_s;
}

void TestCliDettaglio::badInput()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, culprit);
    const CliRun run = runCli(cliDettaglio, {write(bytes), u"--json"_s});
    QCOMPARE(run.status, 2);
    QCOMPARE(run.out, QString());
    QVERIFY2(run.err.contains(culprit), qPrintable(run.err));
}

void TestCliDettaglio::commandLine_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("printed");
    QTest::addColumn<QString>("reported");
    const QString file = u"CASO"_s;
    QTest::newRow("help") << QStringList{u"--help"_s} << 0
                          << u"uso: quotara-cli dettaglio [OPZIONI] FILE"_s << QString();
    QTest::newRow("help names -o")
        << QStringList{u"-h"_s} << 0 << u"-o, --output FILE"_s << QString();
    QTest::newRow("unknown option") << QStringList{file, u"--xyz"_s} << 2 << QString()
                                    << u"quotara-cli dettaglio: opzione sconosciuta: --xyz"_s;
    QTest::newRow("no file") << QStringList{u"--json"_s} << 2 << QString()
                             << u"indicare un file di caso"_s;
    QTest::newRow("two files") << QStringList{file, file} << 2 << QString()
                               << u"indicare un solo file di caso"_s;
    QTest::newRow("-o without a file")
        << QStringList{file, u"-o"_s} << 2 << QString() << u"manca il valore di"_s;
    QTest::newRow("-o of another kind") << QStringList{file, u"-o"_s, u"caso.doc"_s} << 2
                                        << QString() << u"deve finire in .odt o .pdf"_s;
    QTest::newRow("missing file") << QStringList{u"/nessuna/cartella/caso.json"_s} << 2 << QString()
                                  << u"impossibile leggere"_s;
}

// The options, the help and the faults of the command line, as every command
// of the tool has them.
void TestCliDettaglio::commandLine()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, printed);
    QFETCH(QString, reported);
    args.replaceInStrings(u"CASO"_s, write(example));
    const CliRun run = runCli(cliDettaglio, args);
    QCOMPARE(run.status, status);
    QVERIFY2(run.out.contains(printed), qPrintable(run.out));
    QVERIFY2(run.err.contains(reported), qPrintable(run.err));
    if (status == 2)
        QCOMPARE(run.out, QString());
}

void TestCliDettaglio::writesTheReport_data()
{
    QTest::addColumn<QString>("option");
    QTest::newRow("short") << u"-o"_s;
    QTest::newRow("long") << u"--output"_s;
}

void TestCliDettaglio::writesTheReport()
{
    QFETCH(QString, option);
    const QString document = m_dir.filePath(u"relazione.odt"_s);
    const CliRun run = runCli(cliDettaglio, {write(example), option, document});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.out.trimmed(), document);
    QFile written(document);
    QVERIFY(written.open(QIODevice::ReadOnly));
    // An OpenDocument file is a zip archive that opens with its mimetype.
    QVERIFY(written.read(80).contains("application/vnd.oasis.opendocument.text"));
}

QTEST_GUILESS_MAIN(TestCliDettaglio)
#include "tst_clidettaglio.moc"

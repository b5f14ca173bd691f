// quotara-cli as a script sees it: the program run as a process, with its
// exit status, standard output and standard error.
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

Run quotaraCli(const QStringList& args, const QByteArray& input = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The warning Qt gives without a runtime folder must not reach a script.
    environment.remove(u"XDG_RUNTIME_DIR"_s);
    environment.remove(u"QT_QPA_PLATFORM"_s);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUOTARA_CLI), args);
    if (!process.waitForStarted())
        return {};
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

const QByteArray familyBytes(R"({"formato": "quotara-famiglia/1", "tipologia": "legittima",
  "relictum": "90000", "persone": [{"id": "c", "relazione": "coniuge"},
  {"id": "f", "relazione": "figlio"}]})");

const QByteArray caseBytes("\"Rossi\",\"legittima\",\"90000\",\"2\",\"\",\"s\xEC\",\"\"\r\n");

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void succeeds_data();
    void succeeds();
    void fails_data();
    void fails();

private:
    QTemporaryDir m_dir;
};

void TestCli::succeeds_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("contains");
    const QString pdf = m_dir.filePath(u"relazione.pdf"_s);
    QTest::newRow("help") << QStringList{u"--help"_s} << QByteArray()
                          << u"uso: quotara-cli COMANDO"_s << u"calcola"_s;
    QTest::newRow("version") << QStringList{u"--version"_s} << QByteArray() << u"quotara-cli 2"_s
                             << QString();
    for (const QString& command :
         {u"calcola"_s, u"relazione"_s, u"articolo"_s, u"cerca"_s, u"massime"_s, u"dettaglio"_s})
        QTest::newRow(qPrintable(command + u" --help"_s))
            << QStringList{command, u"--help"_s} << QByteArray()
            << u"uso: quotara-cli %1 [OPZIONI]"_s.arg(command) << u"Stato di uscita: 0"_s;
    QTest::newRow("case on standard input") << QStringList{u"calcola"_s, u"-"_s} << caseBytes
                                            << u"de cuius: Rossi\n"_s << u"configurazione: 8"_s;
    QTest::newRow("case on standard input by option")
        << QStringList{u"calcola"_s, u"--file"_s, u"-"_s, u"--figli"_s, u"1"_s} << caseBytes
        << u"de cuius: Rossi\n"_s << u"configurazione: 10"_s;
    QTest::newRow("report as PDF without a display")
        << QStringList{u"relazione"_s, u"--figli=2"_s, u"--locale"_s, u"en_US"_s, u"-o"_s, pdf}
        << QByteArray() << pdf << QString();
    QTest::newRow("report of standard input")
        << QStringList{u"relazione"_s, u"-"_s, u"-o"_s, pdf} << caseBytes << pdf << QString();
    QTest::newRow("family on standard input")
        << QStringList{u"dettaglio"_s, u"-"_s, u"--json"_s} << familyBytes << u"{"_s
        << u"\"valore\": \"45000.00\""_s;
    QTest::newRow("detailed report of standard input as PDF")
        << QStringList{u"dettaglio"_s, u"-"_s, u"-o"_s, pdf} << familyBytes << pdf << QString();
}

void TestCli::succeeds()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(QString, start);
    QFETCH(QString, contains);
    const Run run = quotaraCli(args, input);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.status, 0);
    QVERIFY2(run.out.startsWith(start), qPrintable(run.out.left(200)));
    QVERIFY2(run.out.contains(contains), qPrintable(run.out.left(400)));
}

void TestCli::fails_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("no command") << QStringList{} << QByteArray() << 2 << u"uso: quotara-cli"_s;
    QTest::newRow("unknown command")
        << QStringList{u"dividi"_s} << QByteArray() << 2 << u"comando sconosciuto: dividi"_s;
    QTest::newRow("unknown option") << QStringList{u"calcola"_s, u"--nipoti=2"_s} << QByteArray()
                                    << 2 << u"quotara-cli calcola: opzione sconosciuta: --nipoti"_s;
    QTest::newRow("value to a flag")
        << QStringList{u"calcola"_s, u"--json=sì"_s} << QByteArray() << 2 << u"--json"_s;
    QTest::newRow("not a case on standard input")
        << QStringList{u"calcola"_s, u"-"_s} << QByteArray("\"solo\"\r\n") << 2
        << u"quotara-cli calcola: standard input: "_s;
    QTest::newRow("not a family on standard input")
        << QStringList{u"dettaglio"_s, u"-"_s} << QByteArray("\"solo\"\r\n") << 2
        << u"quotara-cli dettaglio: standard input: "_s;
    QTest::newRow("no such article") << QStringList{u"articolo"_s, u"900"_s} << QByteArray() << 1
                                     << u"quotara-cli articolo: l'articolo 900 non c'è"_s;
    QTest::newRow("bad topic") << QStringList{u"massime"_s, u"9"_s} << QByteArray() << 2
                               << u"quotara-cli massime: argomento non valido: 9"_s;
}

void TestCli::fails()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(int, status);
    QFETCH(QString, message);
    const Run run = quotaraCli(args, input);
    QCOMPARE(run.status, status);
    QCOMPARE(run.out, QString());
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"

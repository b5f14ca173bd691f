#include "clirun.h"
#include "succession/casefile.h"
#include "succession/clirelazione.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

CliRun run(const QStringList& args)
{
    return runCli(cliRelazione, args);
}

QByteArray head(const QString& fileName, int size)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.read(size) : QByteArray();
}

} // namespace

class TestCliRelazione : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void writes_data();
    void writes();
    void fromACaseFile();
    void takesTheOptionsOfCalcola_data();
    void takesTheOptionsOfCalcola();
    void help();
    void badInput_data();
    void badInput();
    void unwritableTarget();

private:
    QTemporaryDir m_dir;
};

void TestCliRelazione::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QVERIFY(m_dir.isValid());
}

void TestCliRelazione::writes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("magic");
    QTest::newRow("odt") << u"relazione.odt"_s << QByteArray("PK");
    QTest::newRow("ODT upper case") << u"RELAZIONE.ODT"_s << QByteArray("PK");
    QTest::newRow("pdf") << u"relazione.pdf"_s << QByteArray("%PDF-");
}

void TestCliRelazione::writes()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, magic);
    const QString target = m_dir.filePath(name);
    const CliRun result = run({u"--tipo"_s, u"entrambe"_s, u"--figli"_s, u"2"_s, u"--beni"_s,
                               u"1.000,50"_s, u"--coniuge"_s, u"no"_s, u"-o"_s, target});
    QVERIFY2(result.status == 0, qPrintable(result.err));
    QVERIFY(result.err.isEmpty());
    QCOMPARE(head(target, static_cast<int>(magic.size())), magic);
    QVERIFY(QFile::remove(target));
}

void TestCliRelazione::fromACaseFile()
{
    const QString caseFile = m_dir.filePath(u"Quotara-dati-caso"_s);
    QVERIFY(CaseFile::write(
        CaseRecord{u"Rossi"_s, u"legittima"_s, u"500"_s, u"1"_s, QString(), u"sì"_s, QString()},
        caseFile));
    const QString target = m_dir.filePath(u"dal-file.odt"_s);
    const CliRun result = run({u"--file"_s, caseFile, u"-o"_s, target});
    QVERIFY2(result.status == 0, qPrintable(result.err));
    QCOMPARE(head(target, 2), QByteArray("PK"));
}

void TestCliRelazione::takesTheOptionsOfCalcola_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("joined values") << QStringList{u"--figli=2"_s, u"--coniuge=no"_s};
    QTest::newRow("English numbers")
        << QStringList{u"--figli=2"_s, u"--locale"_s, u"en_US"_s, u"--beni"_s, u"1,000.50"_s};
    QTest::newRow("short names") << QStringList{u"--tipo"_s, u"entrambe"_s, u"--decuius"_s, u"R"_s};
    QTest::newRow("one field") << QStringList{u"--figli"_s, u"1"_s};
}

void TestCliRelazione::takesTheOptionsOfCalcola()
{
    QFETCH(QStringList, args);
    const QString target = m_dir.filePath(u"opzioni.odt"_s);
    const CliRun result = run(args + QStringList{u"--output"_s, target});
    QVERIFY2(result.status == 0, qPrintable(result.err));
    QVERIFY(result.err.isEmpty());
    QCOMPARE(result.out, target + u'\n');
    QCOMPARE(head(target, 2), QByteArray("PK"));
    QVERIFY(QFile::remove(target));
}

void TestCliRelazione::help()
{
    const CliRun result = run({u"--help"_s});
    QCOMPARE(result.status, 0);
    QVERIFY(result.err.isEmpty());
    QVERIFY(result.out.startsWith(u"uso: quotara-cli relazione [OPZIONI] [FILE]\n"_s));
    for (const QString& option : {u"--figli N"_s, u"--locale NOME"_s, u"-o, --output FILE"_s,
                                  u"--tipologia, --tipo TIPO"_s, u"Stato di uscita"_s})
        QVERIFY2(result.out.contains(option), qPrintable(option));
}

void TestCliRelazione::badInput_data()
{
    const QString broken = m_dir.filePath(u"rotto"_s);
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\"solo\",\"due\"\r\n");
    file.close();

    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown option") << QStringList{u"--eredi"_s, u"2"_s} << u"--eredi"_s;
    QTest::newRow("missing value") << QStringList{u"--figli"_s} << u"manca il valore"_s;
    QTest::newRow("bad type") << QStringList{u"--tipo"_s, u"mista"_s} << u"mista"_s;
    QTest::newRow("bad value") << QStringList{u"--beni"_s, u"molti"_s} << u"molti"_s;
    QTest::newRow("bad count") << QStringList{u"--figli"_s, u"-1"_s} << u"--figli"_s;
    QTest::newRow("fractional count") << QStringList{u"--fratelli"_s, u"1,5"_s} << u"--fratelli"_s;
    QTest::newRow("bad spouse") << QStringList{u"--coniuge"_s, u"si"_s} << u"--coniuge"_s;
    QTest::newRow("broken file with fields")
        << QStringList{u"--file"_s, broken, u"--figli"_s, u"1"_s}
        << QDir::toNativeSeparators(broken);
    QTest::newRow("two case files")
        << QStringList{broken, u"--file"_s, broken} << u"un solo file"_s;
    QTest::newRow("unknown locale") << QStringList{u"--locale"_s, u"xx_YY"_s} << u"xx_YY"_s;
    QTest::newRow("decimal of the other locale")
        << QStringList{u"--beni"_s, u"1,5"_s, u"--locale"_s, u"en_US"_s} << u"--beni"_s;
    QTest::newRow("broken case file")
        << QStringList{u"--file"_s, broken} << QDir::toNativeSeparators(broken);
    QTest::newRow("missing case file")
        << QStringList{u"--file"_s, m_dir.filePath(u"manca"_s)} << u"manca"_s;
}

void TestCliRelazione::badInput()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const QString target = m_dir.filePath(u"esistente.odt"_s);
    QFile existing(target);
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.write("vecchio");
    existing.close();

    const CliRun result = run(QStringList{u"-o"_s, target} + args);
    QCOMPARE(result.status, 2);
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
    QCOMPARE(head(target, 100), QByteArray("vecchio"));

    const QString fresh = m_dir.filePath(u"nuovo.pdf"_s);
    QCOMPARE(run(QStringList{u"-o"_s, fresh} + args).status, 2);
    QVERIFY(!QFileInfo::exists(fresh));
}

void TestCliRelazione::unwritableTarget()
{
    const CliRun noOutput = run({u"--figli"_s, u"1"_s});
    QCOMPARE(noOutput.status, 2);
    QVERIFY(noOutput.err.contains(u"-o"_s));
    const CliRun wrongKind = run({u"-o"_s, m_dir.filePath(u"relazione.docx"_s)});
    QCOMPARE(wrongKind.status, 2);
    QVERIFY(!QFileInfo::exists(m_dir.filePath(u"relazione.docx"_s)));

    const QString target = m_dir.filePath(u"manca/relazione.odt"_s);
    const CliRun result = run({u"-o"_s, target});
    QCOMPARE(result.status, 1);
    QVERIFY(result.err.contains(target));
}

QTEST_MAIN(TestCliRelazione)
#include "tst_clirelazione.moc"

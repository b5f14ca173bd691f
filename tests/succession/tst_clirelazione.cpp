#include "clirun.h"
#include "succession/casefile.h"
#include "succession/report.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

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
    QTest::newRow("odt") << u"relazione.odt"_qs << QByteArray("PK");
    QTest::newRow("ODT upper case") << u"RELAZIONE.ODT"_qs << QByteArray("PK");
    QTest::newRow("pdf") << u"relazione.pdf"_qs << QByteArray("%PDF-");
}

void TestCliRelazione::writes()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, magic);
    const QString target = m_dir.filePath(name);
    const CliRun result = run({u"--tipo"_qs, u"entrambe"_qs, u"--figli"_qs, u"2"_qs, u"--beni"_qs,
                               u"1.000,50"_qs, u"--coniuge"_qs, u"no"_qs, u"-o"_qs, target});
    QVERIFY2(result.status == 0, qPrintable(result.err));
    QVERIFY(result.err.isEmpty());
    QCOMPARE(head(target, static_cast<int>(magic.size())), magic);
    QVERIFY(QFile::remove(target));
}

void TestCliRelazione::fromACaseFile()
{
    const QString caseFile = m_dir.filePath(u"Quotara-dati-caso"_qs);
    QVERIFY(CaseFile::write(CaseRecord{u"Rossi"_qs, u"legittima"_qs, u"500"_qs, u"1"_qs, QString(),
                                       u"sì"_qs, QString()},
                            caseFile));
    const QString target = m_dir.filePath(u"dal-file.odt"_qs);
    const CliRun result = run({u"--file"_qs, caseFile, u"-o"_qs, target});
    QVERIFY2(result.status == 0, qPrintable(result.err));
    QCOMPARE(head(target, 2), QByteArray("PK"));
}

void TestCliRelazione::badInput_data()
{
    const QString broken = m_dir.filePath(u"rotto"_qs);
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\"solo\",\"due\"\r\n");
    file.close();

    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown option") << QStringList{u"--eredi"_qs, u"2"_qs} << u"--eredi"_qs;
    QTest::newRow("missing value") << QStringList{u"--figli"_qs} << u"manca il valore"_qs;
    QTest::newRow("bad type") << QStringList{u"--tipo"_qs, u"mista"_qs} << u"mista"_qs;
    QTest::newRow("bad value") << QStringList{u"--beni"_qs, u"molti"_qs} << u"molti"_qs;
    QTest::newRow("bad count") << QStringList{u"--figli"_qs, u"-1"_qs} << u"--figli"_qs;
    QTest::newRow("fractional count")
        << QStringList{u"--fratelli"_qs, u"1,5"_qs} << u"--fratelli"_qs;
    QTest::newRow("bad spouse") << QStringList{u"--coniuge"_qs, u"si"_qs} << u"--coniuge"_qs;
    QTest::newRow("file and fields")
        << QStringList{u"--file"_qs, broken, u"--figli"_qs, u"1"_qs} << u"--file"_qs;
    QTest::newRow("broken case file")
        << QStringList{u"--file"_qs, broken} << QDir::toNativeSeparators(broken);
    QTest::newRow("missing case file")
        << QStringList{u"--file"_qs, m_dir.filePath(u"manca"_qs)} << u"manca"_qs;
}

void TestCliRelazione::badInput()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const QString target = m_dir.filePath(u"esistente.odt"_qs);
    QFile existing(target);
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.write("vecchio");
    existing.close();

    const CliRun result = run(QStringList{u"-o"_qs, target} + args);
    QCOMPARE(result.status, 2);
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
    QCOMPARE(head(target, 100), QByteArray("vecchio"));

    const QString fresh = m_dir.filePath(u"nuovo.pdf"_qs);
    QCOMPARE(run(QStringList{u"-o"_qs, fresh} + args).status, 2);
    QVERIFY(!QFileInfo::exists(fresh));
}

void TestCliRelazione::unwritableTarget()
{
    const CliRun noOutput = run({u"--figli"_qs, u"1"_qs});
    QCOMPARE(noOutput.status, 2);
    QVERIFY(noOutput.err.contains(u"-o"_qs));
    const CliRun wrongKind = run({u"-o"_qs, m_dir.filePath(u"relazione.docx"_qs)});
    QCOMPARE(wrongKind.status, 2);
    QVERIFY(!QFileInfo::exists(m_dir.filePath(u"relazione.docx"_qs)));

    const QString target = m_dir.filePath(u"manca/relazione.odt"_qs);
    const CliRun result = run({u"-o"_qs, target});
    QCOMPARE(result.status, 1);
    QVERIFY(result.err.contains(target));
}

QTEST_MAIN(TestCliRelazione)
#include "tst_clirelazione.moc"

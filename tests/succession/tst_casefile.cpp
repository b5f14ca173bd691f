#include "succession/casefile.h"
#include "succession/casefilecommands.h"

#include "app/quotaramod.h"
#include "fakeprompts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

CaseRecord sample()
{
    return CaseRecord{u"Mario Rossi"_s, u"legittima"_s, u"100000"_s, u"2"_s,
                      QString(),        u"sì"_s,        u"1"_s};
}

// "sì" is one byte, 0xEC, in Windows-1252.
const QByteArray
    sampleBytes("\"Mario Rossi\",\"legittima\",\"100000\",\"2\",\"\",\"s\xEC\",\"1\"\r\n");

QByteArray readAll(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& fileName, const QByteArray& bytes)
{
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

Q_DECLARE_METATYPE(CaseRecord)

class TestCaseFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void encodesAsWrittenByHand();
    void decodes_data();
    void decodes();
    void rejects_data();
    void rejects();
    void roundTrips_data();
    void roundTrips();
    void fallsBackToUtf8OnlyWhenNeeded();
    void refusesOnWrite_data();
    void refusesOnWrite();
    void rejectsHugeFiles();

    void apriLoadsAllSevenTexts();
    void apriCancelledForgetsTheFile();
    void apriBrokenFileChangesNothing_data();
    void apriBrokenFileChangesNothing();
    void salvaAsksOnceThenWritesToTheSameFile();
    void salvanomeAlwaysAsks();
    void salvanomeCancelledWritesNothing();
    void failedSaveSaysSoAndKeepsTheName();
    void eliminareMovesToTrashWithoutAsking();
    void eliminareCancelledDeletesNothing();
    void salvaAfterEliminareWritesToTheCaseFile();

private:
    struct Window
    {
        explicit Window(FakePrompts& prompts)
            : commands(
                  prompts, nullptr, nomefile, [this] { return record; },
                  [this](const CaseRecord& loaded) {
                      record = loaded;
                      ++loads;
                  })
        {
        }
        QString nomefile;
        CaseRecord record = sample();
        int loads = 0;
        CaseFileCommands commands;
    };

    QTemporaryDir m_home;
    QTemporaryDir m_dir;
};

void TestCaseFile::initTestCase()
{
    qRegisterMetaType<CaseRecord>();
    // A data folder that does not exist yet: the trash must still be found.
    qputenv("XDG_DATA_HOME", m_home.filePath(u"share"_s).toLocal8Bit());
}

void TestCaseFile::init()
{
    const QStringList entries = QDir(m_dir.path()).entryList(QDir::Files);
    for (const QString& name : entries)
        QFile::remove(m_dir.filePath(name));
}

void TestCaseFile::encodesAsWrittenByHand()
{
    QCOMPARE(CaseFile::encode(sample()), sampleBytes);
    CaseRecord quoted = sample();
    quoted.decuius = u"Mario \"il Rosso\""_s;
    QVERIFY(CaseFile::encode(quoted).startsWith("\"Mario \"\"il Rosso\"\"\",\"legittima\""));
}

void TestCaseFile::decodes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<CaseRecord>("expected");
    QTest::newRow("as saved") << sampleBytes << sample();
    QTest::newRow("without final line end") << sampleBytes.left(sampleBytes.size() - 2) << sample();
    QTest::newRow("line feed only") << QByteArray(sampleBytes).replace("\r\n", "\n") << sample();
    QTest::newRow("more after the seventh field")
        << QByteArray(sampleBytes).replace("\"1\"\r\n", "\"1\",\"altro\"\r\nseconda riga\r\n")
        << sample();
    QTest::newRow("unquoted with leading blanks")
        << QByteArray("Mario Rossi,  legittima,100000, 2,,s\xEC,1\r\n") << sample();
    QTest::newRow("commas in quotes")
        << QByteArray(
               "\"Rossi, Mario, detto Mariolino\",\"entrambe\",\"1.000\",\"\",\"\",\"no\",\"\"\r\n")
        << CaseRecord{u"Rossi, Mario, detto Mariolino"_s,
                      u"entrambe"_s,
                      u"1.000"_s,
                      QString(),
                      QString(),
                      u"no"_s,
                      QString()};
    QTest::newRow("doubled quote")
        << QByteArray("\"D\"\"Annunzio\",\"legittima\",\"1\",\"1\",\"0\",\"no\",\"0\"\r\n")
        << CaseRecord{u"D\"Annunzio"_s, u"legittima"_s, u"1"_s, u"1"_s, u"0"_s, u"no"_s, u"0"_s};
    // A quote written single by an older version ends the field there.
    QTest::newRow("lone quote inside")
        << QByteArray("\"D\"Annunzio\",\"legittima\",\"1\",\"1\",\"0\",\"no\",\"0\"\r\n")
        << CaseRecord{u"D"_s, u"legittima"_s, u"1"_s, u"1"_s, u"0"_s, u"no"_s, u"0"_s};
    QTest::newRow("euro sign 0x80")
        << QByteArray("\"\x80 5\",\"legittima\",\"1\",\"1\",\"0\",\"no\",\"0\"\r\n")
        << CaseRecord{u"€ 5"_s, u"legittima"_s, u"1"_s, u"1"_s, u"0"_s, u"no"_s, u"0"_s};
    QTest::newRow("UTF-8 with byte-order mark")
        << QByteArray("\xEF\xBB\xBF\"\xC5\x81ukasz\",\"legittima\",\"1\",\"1\",\"0\",\"s\xC3\xAC\","
                      "\"0\"\r\n")
        << CaseRecord{u"Łukasz"_s, u"legittima"_s, u"1"_s, u"1"_s, u"0"_s, u"sì"_s, u"0"_s};
    QTest::newRow("fields on separate lines")
        << QByteArray("\"a\"\r\n\"legittima\"\r\n\"1\"\r\n\"2\"\r\n\"3\"\r\n\"no\"\r\n\"4\"\r\n")
        << CaseRecord{u"a"_s, u"legittima"_s, u"1"_s, u"2"_s, u"3"_s, u"no"_s, u"4"_s};
}

void TestCaseFile::decodes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(CaseRecord, expected);
    const CaseFile::Reading reading = CaseFile::decode(bytes);
    QVERIFY2(reading.record, qPrintable(reading.fault));
    QCOMPARE(*reading.record, expected);
    QVERIFY(reading.fault.isEmpty());
}

void TestCaseFile::rejects_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("fault");
    QTest::newRow("empty") << QByteArray() << u"vuoto"_s;
    QTest::newRow("six fields")
        << QByteArray("\"Mario Rossi\",\"legittima\",\"100000\",\"2\",\"\",\"s\xEC\"\r\n")
        << u"6 campi"_s;
    QTest::newRow("six fields and a comma")
        << QByteArray("\"Mario Rossi\",\"legittima\",\"100000\",\"2\",\"\",\"s\xEC\",")
        << u"6 campi"_s;
    QTest::newRow("one field") << QByteArray("solo testo\r\n") << u"1 campi"_s;
    QTest::newRow("open quote")
        << QByteArray("\"Mario Rossi,\"legittima\",\"100000\",\"2\",\"\",\"s\xEC\",\"1\r\n")
        << u"non è chiuso"_s;
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR,a,b,c,d,e,f,g", 28)
                            << u"caratteri non ammessi"_s;
    QTest::newRow("bad UTF-8")
        << QByteArray("\xEF\xBB\xBF\"\xC5\",\"legittima\",\"1\",\"1\",\"0\",\"no\",\"0\"\r\n")
        << u"UTF-8"_s;
}

void TestCaseFile::rejects()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, fault);
    const CaseFile::Reading reading = CaseFile::decode(bytes);
    QVERIFY(!reading.record);
    QVERIFY2(reading.fault.contains(fault), qPrintable(reading.fault));
}

void TestCaseFile::roundTrips_data()
{
    QTest::addColumn<QString>("decuius");
    QTest::newRow("empty") << QString();
    QTest::newRow("commas") << u"Rossi, Mario, fu Giovanni"_s;
    QTest::newRow("quotes") << u"Mario \"il Rosso\" Rossi"_s;
    QTest::newRow("only quotes") << u"\"\"\""_s;
    QTest::newRow("quote comma quote") << u"\",\""_s;
    QTest::newRow("blanks around") << u"  Mario  "_s;
    QTest::newRow("accents") << u"Niccolò Perù àèéìòù"_s;
    QTest::newRow("euro and dashes") << u"€ – “virgolette” …"_s;
    QTest::newRow("Polish") << u"Łukasz Żółć"_s;
    QTest::newRow("Vietnamese") << u"Nguyễn Văn A"_s;
    QTest::newRow("outside the basic plane") << u"Mario 𝔐"_s;
    QTest::newRow("tab") << u"Mario\tRossi"_s;
}

void TestCaseFile::roundTrips()
{
    QFETCH(QString, decuius);
    CaseRecord record = sample();
    record.decuius = decuius;
    record.beni = decuius;
    const QString fileName = m_dir.filePath(u"Quotara-dati-prova"_s);
    QString error;
    QVERIFY2(CaseFile::write(record, fileName, &error), qPrintable(error));
    const CaseFile::Reading reading = CaseFile::read(fileName);
    QVERIFY2(reading.record, qPrintable(reading.fault));
    QCOMPARE(*reading.record, record);
}

void TestCaseFile::fallsBackToUtf8OnlyWhenNeeded()
{
    CaseRecord record = sample();
    record.decuius = u"Nguyễn"_s;
    const QByteArray bytes = CaseFile::encode(record);
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF\"Nguy\xE1\xBB\x85n\","));
    QVERIFY(bytes.endsWith("\"s\xC3\xAC\",\"1\"\r\n"));
    record.decuius = u"Niccolò"_s;
    QVERIFY(CaseFile::encode(record).startsWith("\"Niccol\xF2\","));
}

void TestCaseFile::refusesOnWrite_data()
{
    QTest::addColumn<QString>("decuius");
    QTest::addColumn<QString>("reason");
    QTest::newRow("control characters") << u"due\r\nrighe"_s << u"caratteri di controllo"_s;
    // A case the program could not open again.
    QTest::newRow("too long to open")
        << QString(CaseFile::maximumSize, u'x') << u"troppo lungo per un file di dati"_s;
}

void TestCaseFile::refusesOnWrite()
{
    QFETCH(QString, decuius);
    QFETCH(QString, reason);
    CaseRecord record = sample();
    record.decuius = decuius;
    const QString fileName = m_dir.filePath(u"rifiutato"_s);
    writeAll(fileName, sampleBytes);
    QString error;
    QVERIFY(!CaseFile::write(record, fileName, &error));
    QVERIFY2(error.contains(reason), qPrintable(error));
    QCOMPARE(readAll(fileName), sampleBytes);
}

void TestCaseFile::rejectsHugeFiles()
{
    const QString fileName = m_dir.filePath(u"grande"_s);
    writeAll(fileName, sampleBytes + QByteArray(CaseFile::maximumSize, 'x'));
    const CaseFile::Reading reading = CaseFile::read(fileName);
    QVERIFY(!reading.record);
    QVERIFY(reading.fault.contains(u"troppo grande"_s));
    QVERIFY(!CaseFile::read(m_dir.filePath(u"manca"_s)).record);
}

void TestCaseFile::apriLoadsAllSevenTexts()
{
    FakePrompts prompts;
    Window window(prompts);
    window.record = CaseRecord{};
    const QString fileName = m_dir.filePath(u"Quotara-dati-rossi"_s);
    writeAll(fileName, sampleBytes);
    prompts.chooseNext(fileName);
    QVERIFY(window.commands.apri());
    QCOMPARE(window.loads, 1);
    QCOMPARE(window.record, sample());
    QCOMPARE(window.nomefile, fileName);
    QCOMPARE(prompts.calls().size(), 1);
    const FakePrompts::Call call = prompts.last();
    QCOMPARE(call.kind, FakePrompts::Kind::OpenFile);
    QCOMPARE(call.request.title, u"Apri file"_s);
    QCOMPARE(call.request.filter, u"Tutti i file (*);;File Quotara-dati- (Quotara-dati-*)"_s);
    QCOMPARE(call.request.fileName, QString());
}

void TestCaseFile::apriCancelledForgetsTheFile()
{
    FakePrompts prompts;
    Window window(prompts);
    window.nomefile = m_dir.filePath(u"prima"_s);
    prompts.chooseNext(QString());
    QVERIFY(!window.commands.apri());
    QCOMPARE(window.loads, 0);
    QVERIFY(window.nomefile.isEmpty());
    QCOMPARE(prompts.calls().size(), 1);
}

void TestCaseFile::apriBrokenFileChangesNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("exists");
    QTest::newRow("six fields") << QByteArray(
                                       "\"Bianchi\",\"entrambe\",\"5\",\"1\",\"\",\"no\"\r\n")
                                << true;
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("missing") << QByteArray() << false;
}

void TestCaseFile::apriBrokenFileChangesNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, exists);
    FakePrompts prompts;
    Window window(prompts);
    const QString before = m_dir.filePath(u"Quotara-dati-rossi"_s);
    window.nomefile = before;
    const QString fileName = m_dir.filePath(u"Quotara-dati-rotto"_s);
    if (exists)
        writeAll(fileName, bytes);
    prompts.chooseNext(fileName);
    QVERIFY(!window.commands.apri());
    QCOMPARE(window.loads, 0);
    QCOMPARE(window.record, sample());
    QCOMPARE(window.nomefile, before);
    const FakePrompts::Call call = prompts.last();
    QCOMPARE(call.kind, FakePrompts::Kind::Warn);
    QCOMPARE(call.title, Quotaramod::titolocontrollo());
    QVERIFY2(call.text.contains(QDir::toNativeSeparators(fileName)), qPrintable(call.text));
}

void TestCaseFile::salvaAsksOnceThenWritesToTheSameFile()
{
    FakePrompts prompts;
    Window window(prompts);
    const QString fileName = m_dir.filePath(u"rossi"_s);
    prompts.chooseNext(fileName);
    window.commands.salva();
    QCOMPARE(prompts.calls().size(), 1);
    QCOMPARE(prompts.last().kind, FakePrompts::Kind::SaveFile);
    QCOMPARE(prompts.last().request.title, u"Salva file"_s);
    QCOMPARE(prompts.last().request.filter, u"File Quotara-dati- (Quotara-dati-*)"_s);
    // The name as typed: no prefix, no extension.
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList{u"rossi"_s});
    QCOMPARE(readAll(fileName), sampleBytes);
    QCOMPARE(window.nomefile, fileName);

    window.record.figli = u"3"_s;
    window.commands.salva();
    QCOMPARE(prompts.calls().size(), 1);
    QCOMPARE(readAll(fileName), QByteArray(sampleBytes).replace("\"2\"", "\"3\""));
}

void TestCaseFile::salvanomeAlwaysAsks()
{
    FakePrompts prompts;
    Window window(prompts);
    const QString first = m_dir.filePath(u"Quotara-dati-uno"_s);
    writeAll(first, sampleBytes);
    prompts.chooseNext(first);
    QVERIFY(window.commands.apri());
    const QString second = m_dir.filePath(u"Quotara-dati-due"_s);
    prompts.chooseNext(second);
    window.record.decuius = u"Giulia Verdi"_s;
    window.commands.salvanome();
    QCOMPARE(prompts.calls().size(), 2);
    QCOMPARE(prompts.last().request.title, u"Salva file con nome"_s);
    QCOMPARE(prompts.last().request.fileName, first);
    QCOMPARE(window.nomefile, second);
    QCOMPARE(readAll(first), sampleBytes);
    QVERIFY(readAll(second).startsWith("\"Giulia Verdi\""));
}

void TestCaseFile::salvanomeCancelledWritesNothing()
{
    FakePrompts prompts;
    Window window(prompts);
    window.nomefile = m_dir.filePath(u"esistente"_s);
    prompts.chooseNext(QString());
    window.commands.salvanome();
    QVERIFY(window.nomefile.isEmpty());
    QVERIFY(QDir(m_dir.path()).entryList(QDir::Files).isEmpty());
    QCOMPARE(prompts.calls().size(), 1);
}

void TestCaseFile::failedSaveSaysSoAndKeepsTheName()
{
    FakePrompts prompts;
    Window window(prompts);
    const QString target = m_dir.filePath(u"manca/Quotara-dati-x"_s);
    prompts.chooseNext(target);
    window.commands.salva();
    QVERIFY(window.nomefile.isEmpty());
    QCOMPARE(prompts.last().kind, FakePrompts::Kind::Warn);
    QCOMPARE(prompts.last().title, Quotaramod::titolocontrollo());
    QVERIFY(prompts.last().text.contains(QDir::toNativeSeparators(target)));

    window.nomefile = target;
    window.commands.salva();
    QCOMPARE(window.nomefile, target);
    QCOMPARE(prompts.last().kind, FakePrompts::Kind::Warn);
    QVERIFY(!QFileInfo::exists(target));
}

void TestCaseFile::eliminareMovesToTrashWithoutAsking()
{
    FakePrompts prompts;
    Window window(prompts);
    const QString fileName = m_dir.filePath(u"Quotara-dati-via"_s);
    writeAll(fileName, sampleBytes);
    window.nomefile = fileName;
    prompts.chooseNext(fileName);
    window.commands.eliminare();
    QVERIFY(!QFileInfo::exists(fileName));
    QCOMPARE(readAll(m_home.filePath(u"share/Trash/files/Quotara-dati-via"_s)), sampleBytes);
    QCOMPARE(window.nomefile, fileName);
    QCOMPARE(prompts.calls().size(), 1);
    QCOMPARE(prompts.last().kind, FakePrompts::Kind::OpenFile);
    QCOMPARE(prompts.last().request.title, Quotaramod::titoloelimina());
    QCOMPARE(prompts.last().request.fileName, QString());
    QVERIFY(!QFileInfo::exists(QDir::current().filePath(u"files/Quotara-dati-via"_s)));
}

void TestCaseFile::eliminareCancelledDeletesNothing()
{
    FakePrompts prompts;
    Window window(prompts);
    const QString fileName = m_dir.filePath(u"resta"_s);
    writeAll(fileName, sampleBytes);
    prompts.chooseNext(QString());
    window.commands.eliminare();
    QVERIFY(QFileInfo::exists(fileName));
    QCOMPARE(prompts.calls().size(), 1);
}

void TestCaseFile::salvaAfterEliminareWritesToTheCaseFile()
{
    FakePrompts prompts;
    Window window(prompts);
    const QString own = m_dir.filePath(u"Quotara-dati-proprio"_s);
    const QString other = m_dir.filePath(u"Quotara-dati-altro"_s);
    writeAll(own, sampleBytes);
    writeAll(other, sampleBytes);
    prompts.chooseNext(own);
    QVERIFY(window.commands.apri());
    prompts.chooseNext(other);
    window.commands.eliminare();
    window.record.beni = u"5"_s;
    window.commands.salva();
    QVERIFY(!QFileInfo::exists(other));
    QCOMPARE(readAll(own), QByteArray(sampleBytes).replace("\"100000\"", "\"5\""));
    QCOMPARE(prompts.calls().size(), 2);
}

QTEST_GUILESS_MAIN(TestCaseFile)
#include "tst_casefile.moc"

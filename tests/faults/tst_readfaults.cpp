// Files that are not what they should be: not text, far too large, a case
// with a name of 100,000 characters, a folder or a pipe in the file's place,
// a file removed between the dialog and the read; the tips file in UTF-8 or
// with 100,000 lines. Each ends with a message or a sensible result, and the
// window keeps what it held. A pipe no one writes to would block a reader
// for ever: a guard unblocks it after a while, and the test then fails.
#include "app/frmtip.h"
#include "app/tips.h"
#include "casewindowdriver.h"
#include "faultfolder.h"
#include "privatehome.h"
#include "testforms.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

enum class Fault { Binary, Huge, LongName, Directory, Fifo, Removed };

/// Opens the pipe for writing, and so releases the readers blocked on it,
/// when the test has not finished with it within `seconds`.
class FifoGuard
{
public:
    FifoGuard(const QString& path, int seconds)
        : m_thread([this, name = QFile::encodeName(path), seconds] {
              if (m_done.tryAcquire(1, seconds * 1000))
                  return;
              m_rescued = true;
              // Every reader that comes to the pipe after the first.
              do {
                  const int descriptor = ::open(name.constData(), O_WRONLY | O_NONBLOCK);
                  if (descriptor >= 0)
                      ::close(descriptor);
              } while (!m_done.tryAcquire(1, 50));
          })
    {
    }
    ~FifoGuard()
    {
        m_done.release();
        m_thread.join();
    }
    FifoGuard(const FifoGuard&) = delete;
    FifoGuard& operator=(const FifoGuard&) = delete;

    /// True when readers had to be released.
    bool rescued() const { return m_rescued; }

private:
    QSemaphore m_done;
    std::atomic<bool> m_rescued = false;
    std::thread m_thread;
};

QByteArray binaryBytes()
{
    QByteArray bytes(8192, '\0');
    QRandomGenerator generator(15);
    for (char& byte : bytes)
        byte = static_cast<char>(generator.bounded(256));
    return bytes;
}

QByteArray longNameCase(CaseWindow window)
{
    const QByteArray name(100000, 'x');
    if (window == CaseWindow::Successione)
        return '"' + name + "\",\"legittima\",\"100\",\"2\",\"\",\"no\",\"\"\r\n";
    return R"({"formato":"quotara-famiglia/1","decuius":")" + name +
           R"(","tipologia":"legittima","relictum":"100","persone":[]})";
}

/// Puts the fault in `path`'s place; false when it cannot.
bool makeFault(Fault fault, const QString& path, const QByteArray& longName)
{
    switch (fault) {
    case Fault::Binary:
        return writeFile(path, binaryBytes());
    case Fault::Huge: {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.resize(50 * 1024 * 1024);
    }
    case Fault::LongName:
        return writeFile(path, longName);
    case Fault::Directory:
        return QDir().mkpath(path);
    case Fault::Fifo:
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    case Fault::Removed:
        return writeFile(path, longName) && QFile::remove(path);
    }
    return false;
}

} // namespace

class TestReadFaults : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void caseFileFaults_data();
    void caseFileFaults();
    void tipsFileFaults_data();
    void tipsFileFaults();
    void tipsInUtf8();
    void hundredThousandTips();

private:
    PrivateHome m_home;
};

void TestReadFaults::initTestCase()
{
    QVERIFY(m_home.isValid());
}

void TestReadFaults::caseFileFaults_data()
{
    QTest::addColumn<CaseWindow>("window");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("reason");
    for (const CaseWindow window : {CaseWindow::Successione, CaseWindow::Dettaglio}) {
        const QString name = CaseWindowDriver::nameOf(window);
        const bool json = window == CaseWindow::Dettaglio;
        const auto row = [&](const char* fault) -> QTestData& {
            return QTest::addRow("%s: %s", qPrintable(name), fault) << window;
        };
        row("non è testo") << Fault::Binary
                           << (json ? u"non è un file JSON valido"_s : u"non ammessi"_s);
        row("50 MB") << Fault::Huge << u"è troppo grande"_s;
        // The one-line file of such a case is larger than any case file.
        row("nome di 100.000 caratteri")
            << Fault::LongName << (json ? u"supera i 1000 caratteri"_s : u"è troppo grande"_s);
        row("una cartella") << Fault::Directory << u"è una cartella"_s;
        row("una pipe") << Fault::Fifo << u"è una pipe"_s;
        row("rimosso dopo la scelta") << Fault::Removed << u"il file non esiste"_s;
    }
}

void TestReadFaults::caseFileFaults()
{
    QFETCH(CaseWindow, window);
    QFETCH(Fault, fault);
    QFETCH(QString, reason);
    TestForms t;
    const std::unique_ptr<CaseWindowDriver> driver = CaseWindowDriver::open(window, t);
    driver->enterCase(u"Rossi"_s, 2);
    QTemporaryDir dir;
    const QString path = dir.filePath(driver->fileName(u"guasto"_s));
    QVERIFY(makeFault(fault, path, longNameCase(window)));

    t.prompts.chooseNext(path);
    {
        const std::unique_ptr<FifoGuard> guard =
            fault == Fault::Fifo ? std::make_unique<FifoGuard>(path, 10) : nullptr;
        driver->openFile();
        QVERIFY2(!guard || !guard->rescued(), "the read blocked on the pipe");
    }
    const FakePrompts::Call warning = t.prompts.last();
    QCOMPARE(warning.kind, FakePrompts::Kind::Warn);
    const QString prefix =
        u"Il file "_s + QDir::toNativeSeparators(path) + u" non può essere aperto come file"_s;
    QVERIFY2(warning.text.startsWith(prefix), qPrintable(warning.text));
    QVERIFY2(warning.text.contains(reason), qPrintable(warning.text.left(300)));
    QCOMPARE(driver->heldCase(), u"Rossi 2"_s);
    QVERIFY(driver->currentFile().isEmpty());
}

void TestReadFaults::tipsFileFaults_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("shown");
    const QString unreadable = u"Impossibile leggere il file "_s + Tips::fileName() + u": "_s;
    QTest::newRow("50 MB") << Fault::Huge << unreadable + u"è troppo grande"_s;
    QTest::newRow("una cartella") << Fault::Directory << unreadable + u"è una cartella"_s;
    QTest::newRow("una pipe") << Fault::Fifo << unreadable + u"è una pipe"_s;
    QTest::newRow("rimosso") << Fault::Removed << Tips::missingFileText();
}

void TestReadFaults::tipsFileFaults()
{
    QFETCH(Fault, fault);
    QFETCH(QString, shown);
    QTemporaryDir dir;
    const QString path = dir.filePath(Tips::fileName());
    QVERIFY(makeFault(fault, path, "un suggerimento\r\n"));
    TestForms t;
    const std::unique_ptr<FifoGuard> guard =
        fault == Fault::Fifo ? std::make_unique<FifoGuard>(path, 10) : nullptr;
    FrmTip window(t.forms, path);
    QVERIFY2(!guard || !guard->rescued(), "the read blocked on the pipe");
    QVERIFY2(window.tipText().startsWith(shown), qPrintable(window.tipText()));
    QVERIFY(!window.tips().hasTip());
    // The buttons do nothing harmful without tips.
    window.cmdNextTip_Click();
    window.cmdprecedente_Click();
    QVERIFY(window.tipText().startsWith(shown));
}

void TestReadFaults::tipsInUtf8()
{
    // Saved by an editor that writes UTF-8, with and without its mark; a
    // binary file still reads as Windows-1252, every byte a character.
    QTemporaryDir dir;
    const QByteArray utf8 =
        u"perché l'eredità vale 100 €\r\nil legittimario è tutelato\r\n"_s.toUtf8();
    for (const QByteArray& bytes : {utf8, QByteArray("\xEF\xBB\xBF") + utf8}) {
        const QString path = dir.filePath(Tips::fileName());
        QVERIFY(writeFile(path, bytes));
        Tips tips;
        QVERIFY(tips.LoadTips(path));
        QCOMPARE(tips.TipItems(),
                 (QStringList{u"perché l'eredità vale 100 €"_s, u"il legittimario è tutelato"_s}));
    }
    const QString binary = dir.filePath(u"binario"_s);
    QVERIFY(writeFile(binary, binaryBytes()));
    Tips tips;
    QVERIFY(tips.LoadTips(binary));
    qsizetype characters = 0;
    for (const QString& tip : tips.TipItems())
        characters += tip.size();
    QVERIFY(characters > 0);
    QVERIFY(characters <= binaryBytes().size());
}

void TestReadFaults::hundredThousandTips()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(Tips::fileName());
    QByteArray bytes;
    for (int i = 1; i <= 100000; ++i)
        bytes += "suggerimento n. " + QByteArray::number(i) + "\r\n";
    QVERIFY(writeFile(path, bytes));
    TestForms t;
    FrmTip window(t.forms, path);
    QCOMPARE(window.tips().TipItems().size(), 100000);
    QCOMPARE(window.tipText(), u"suggerimento n. 1"_s);
    window.cmdprecedente_Click();
    QCOMPARE(window.tipText(), u"suggerimento n. 1"_s);
    window.cmdNextTip_Click();
    QCOMPARE(window.tipText(), u"suggerimento n. 2"_s);
}

QTEST_MAIN(TestReadFaults)
#include "tst_readfaults.moc"

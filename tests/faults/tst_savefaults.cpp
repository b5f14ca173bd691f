// A save that fails must say so, keep the old file byte for byte and leave
// the window holding the case under its old file name. Each test makes the
// fault itself: a read-only folder, a full disk, a folder where the file was,
// a link to a read-only file, a writer killed in the middle of its saves.
// Both windows that keep a case in a file go through every fault.
#include "app/forms.h"
#include "casewindowdriver.h"
#include "faultfolder.h"
#include "longcases.h"
#include "privatehome.h"
#include "testforms.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <memory>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

enum class Fault { ReadOnlyFolder, DiskFull, Directory, LinkToReadOnlyFile };

} // namespace

class TestSaveFaults : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void failedSaveKeepsTheOldFile_data();
    void failedSaveKeepsTheOldFile();
    void killedWriterLeavesAWholeFile_data();
    void killedWriterLeavesAWholeFile();

private:
    PrivateHome m_home;
    std::unique_ptr<TestForms> m_t;
    std::unique_ptr<CaseWindowDriver> m_window;
};

void TestSaveFaults::initTestCase()
{
    QVERIFY(m_home.isValid());
}

void TestSaveFaults::cleanup()
{
    m_window.reset();
    m_t.reset();
}

void TestSaveFaults::failedSaveKeepsTheOldFile_data()
{
    QTest::addColumn<CaseWindow>("window");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QStringList>("reasons"); ///< one of them is the reason given
    const struct
    {
        const char* name;
        Fault fault;
        QStringList reasons;
    } faults[] = {
        {"cartella di sola lettura",
         Fault::ReadOnlyFolder,
         {u"casi è di sola lettura"_s, u"permesso di scrivere nella cartella"_s}},
        {"disco pieno", Fault::DiskFull, {u"il disco è pieno"_s}},
        {"al posto del file una cartella", Fault::Directory, {u"c'è una cartella"_s}},
        {"collegamento a un file di sola lettura",
         Fault::LinkToReadOnlyFile,
         {u"altrove è di sola lettura"_s, u"permesso di scrivere nella cartella"_s}},
    };
    for (const CaseWindow window : {CaseWindow::Successione, CaseWindow::Dettaglio}) {
        for (const auto& row : faults)
            QTest::addRow("%s: %s", qPrintable(CaseWindowDriver::nameOf(window)), row.name)
                << window << row.fault << row.reasons;
    }
}

void TestSaveFaults::failedSaveKeepsTheOldFile()
{
    QFETCH(CaseWindow, window);
    QFETCH(Fault, fault);
    QFETCH(QStringList, reasons);
    m_t = std::make_unique<TestForms>();
    m_window = CaseWindowDriver::open(window, *m_t);
    QVERIFY(m_window);
    QTemporaryDir dir;
    FaultFolder folder(dir.filePath(u"casi"_s));
    FaultFolder elsewhere(dir.filePath(u"altrove"_s));
    const QString path = dir.filePath(u"casi/"_s + m_window->fileName(u"rossi"_s));
    const QString prefix =
        u"Il file "_s + QDir::toNativeSeparators(path) + u" non è stato salvato: "_s;
    const auto givesAReason = [&](const QString& text) {
        if (!text.startsWith(prefix))
            return false;
        return std::any_of(reasons.cbegin(), reasons.cend(),
                           [&](const QString& reason) { return text.contains(reason); });
    };
    m_window->enterCase(u"Rossi"_s, 1);
    if (fault == Fault::DiskFull && !folder.mounted()) {
        // No file system of our own to fill: the case goes to a full device
        // through a link, and the very first save fails.
        QVERIFY(QFile::link(u"/dev/full"_s, path));
        m_t->prompts.chooseNext(path);
        m_window->saveAs();
        QCOMPARE(m_t->prompts.last().kind, FakePrompts::Kind::Warn);
        QVERIFY2(givesAReason(m_t->prompts.last().text), qPrintable(m_t->prompts.last().text));
        QVERIFY(m_window->currentFile().isEmpty());
        QCOMPARE(m_window->heldCase(), u"Rossi 1"_s);
        return;
    }
    m_t->prompts.chooseNext(path);
    m_window->saveAs();
    QCOMPARE(m_window->currentFile(), path);
    const QByteArray old = contentsOf(path);
    QVERIFY(!old.isEmpty());

    switch (fault) {
    case Fault::ReadOnlyFolder:
        if (!folder.makeReadOnly())
            QSKIP("the folder cannot be made read-only for this process");
        break;
    case Fault::DiskFull:
        folder.fill();
        break;
    case Fault::Directory:
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkpath(path + u"/dentro"_s));
        break;
    case Fault::LinkToReadOnlyFile: {
        const QString target = dir.filePath(u"altrove/"_s + QFileInfo(path).fileName());
        QVERIFY(QFile::copy(path, target));
        if (!elsewhere.makeReadOnly())
            QSKIP("the file cannot be made read-only for this process");
        QVERIFY(QFile::remove(path));
        QVERIFY(QFile::link(target, path));
        break;
    }
    }

    m_window->enterCase(u"Bianchi"_s, 3);
    m_t->prompts.clear();
    m_window->save();
    QCOMPARE(m_t->prompts.calls().size(), 1);
    const FakePrompts::Call warning = m_t->prompts.last();
    QCOMPARE(warning.kind, FakePrompts::Kind::Warn);
    QVERIFY2(givesAReason(warning.text), qPrintable(warning.text));

    QCOMPARE(m_window->currentFile(), path);
    QCOMPARE(m_window->heldCase(), u"Bianchi 3"_s);
    if (const std::optional<bool> mark = m_window->unsavedMark())
        QVERIFY(*mark);
    if (fault == Fault::Directory) {
        QVERIFY(QFileInfo(path).isDir());
        QVERIFY(QFileInfo(path + u"/dentro"_s).isDir());
    } else {
        QCOMPARE(contentsOf(path), old);
    }
    if (fault == Fault::LinkToReadOnlyFile)
        QVERIFY(QFileInfo(path).isSymLink());
}

void TestSaveFaults::killedWriterLeavesAWholeFile_data()
{
    QTest::addColumn<CaseWindow>("window");
    for (const CaseWindow window : {CaseWindow::Successione, CaseWindow::Dettaglio})
        QTest::newRow(qPrintable(CaseWindowDriver::nameOf(window))) << window;
}

void TestSaveFaults::killedWriterLeavesAWholeFile()
{
    // A writer saves two long cases in turn, over and over; it is stopped at
    // random moments and at last killed. Whenever it stands still, the file
    // holds one of the two cases whole.
    QFETCH(CaseWindow, window);
    const QString writer = QCoreApplication::applicationDirPath() + u"/savefaults_writer"_s;
    QVERIFY(QFileInfo(writer).isExecutable());
    QTemporaryDir dir;
    const QString path = dir.filePath(u"caso-lungo"_s);
    const QByteArray firstBytes = longCaseBytes(window, true);
    const QByteArray secondBytes = longCaseBytes(window, false);

    QProcess process;
    process.start(writer, {CaseWindowDriver::nameOf(window), path});
    QVERIFY(process.waitForStarted());
    QTRY_VERIFY(QFile::exists(path));
    const pid_t pid = pid_t(process.processId());
    for (int stops = 0; stops < 300; ++stops) {
        QThread::usleep(QRandomGenerator::global()->bounded(2000));
        QCOMPARE(::kill(pid, SIGSTOP), 0);
        // A stopped process may still be finishing its system call.
        QThread::usleep(200);
        const QByteArray bytes = contentsOf(path);
        QVERIFY2(bytes == firstBytes || bytes == secondBytes,
                 qPrintable(u"%1 bytes after %2 stops"_s.arg(bytes.size()).arg(stops)));
        QCOMPARE(::kill(pid, SIGCONT), 0);
    }
    process.kill();
    QVERIFY(process.waitForFinished());
    const QByteArray last = contentsOf(path);
    QVERIFY(last == firstBytes || last == secondBytes);
}

QTEST_MAIN(TestSaveFaults)
#include "tst_savefaults.moc"

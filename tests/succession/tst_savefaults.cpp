// A save that fails must say so, keep the old file byte for byte and leave
// the window holding the case under its old file name. Each test makes the
// fault itself: a read-only folder, a full disk, a folder where the file was,
// a link to a read-only file, a writer killed in the middle of its saves.
#include "app/forms.h"
#include "succession/casefile.h"
#include "succession/successionewindow.h"
#include "testforms.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <memory>
#include <sys/mount.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

enum class Fault { ReadOnlyFolder, DiskFull, Directory, LinkToReadOnlyFile };

/// A folder of its own file system (a small tmpfs) where the process may
/// mount one, else a plain folder; made read-only or full on request.
class FaultFolder
{
public:
    explicit FaultFolder(const QString& path) : m_path(path)
    {
        QDir().mkpath(path);
        m_mounted =
            ::mount("tmpfs", QFile::encodeName(path).constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~FaultFolder()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_path).constData(), MNT_DETACH);
        else
            QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    FaultFolder(const FaultFolder&) = delete;
    FaultFolder& operator=(const FaultFolder&) = delete;

    bool mounted() const { return m_mounted; }

    /// False when the folder stays writable (a process that ignores permissions
    /// and may not mount).
    bool makeReadOnly()
    {
        if (m_mounted)
            ::mount(nullptr, QFile::encodeName(m_path).constData(), nullptr, MS_REMOUNT | MS_RDONLY,
                    nullptr);
        else
            QFile::setPermissions(m_path, QFile::ReadOwner | QFile::ExeOwner);
        QFile probe(m_path + u"/probe"_s);
        if (!probe.open(QIODevice::WriteOnly))
            return true;
        probe.remove();
        return false;
    }

    /// Fills the file system to the last byte.
    void fill()
    {
        QFile filler(m_path + u"/riempitivo"_s);
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        for (const QByteArray& block : {QByteArray(4096, 'x'), QByteArray(1, 'x')}) {
            while (filler.write(block) == block.size()) {
            }
        }
    }

private:
    QString m_path;
    bool m_mounted = false;
};

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestSaveFaults : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void failedSaveKeepsTheOldFile_data();
    void failedSaveKeepsTheOldFile();
    void killedWriterLeavesAWholeFile();

private:
    QLineEdit* edit(const QString& name) const;
    void retype(const QString& name, const QString& text);

    QTemporaryDir m_home;
    std::unique_ptr<TestForms> m_t;
    SuccessioneWindow* m_window = nullptr;
};

void TestSaveFaults::initTestCase()
{
    QVERIFY(m_home.isValid());
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
        qputenv(name, m_home.filePath(QString::fromLatin1(name)).toLocal8Bit());
    QVERIFY(QDir().mkpath(m_home.filePath(u"XDG_DATA_HOME"_s)));
}

void TestSaveFaults::init()
{
    m_t = std::make_unique<TestForms>();
    registerSuccessionWindows(m_t->forms);
    m_window = m_t->forms.formAs<SuccessioneWindow>(WindowId::successione);
    QVERIFY(m_window);
    m_window->show();
}

void TestSaveFaults::cleanup()
{
    m_t->forms.unload(WindowId::successione);
    m_t.reset();
    m_window = nullptr;
}

QLineEdit* TestSaveFaults::edit(const QString& name) const
{
    return m_window->findChild<QLineEdit*>(name);
}

void TestSaveFaults::retype(const QString& name, const QString& text)
{
    QLineEdit* field = edit(name);
    QVERIFY(field);
    field->selectAll();
    QTest::keyClicks(field, text);
}

void TestSaveFaults::failedSaveKeepsTheOldFile_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::newRow("cartella di sola lettura") << Fault::ReadOnlyFolder;
    QTest::newRow("disco pieno") << Fault::DiskFull;
    QTest::newRow("al posto del file una cartella") << Fault::Directory;
    QTest::newRow("collegamento a un file di sola lettura") << Fault::LinkToReadOnlyFile;
}

void TestSaveFaults::failedSaveKeepsTheOldFile()
{
    QFETCH(Fault, fault);
    QTemporaryDir dir;
    FaultFolder folder(dir.filePath(u"casi"_s));
    FaultFolder elsewhere(dir.filePath(u"altrove"_s));
    const QString path = dir.filePath(u"casi/Quotara-dati-rossi"_s);
    const QString prefix =
        u"Il file "_s + QDir::toNativeSeparators(path) + u" non è stato salvato: "_s;
    retype(u"decuius"_s, u"Rossi"_s);
    retype(u"figli"_s, u"1"_s);
    if (fault == Fault::DiskFull && !folder.mounted()) {
        // No file system of our own to fill: the case goes to a full device
        // through a link, and the very first save fails.
        QVERIFY(QFile::link(u"/dev/full"_s, path));
        m_t->prompts.chooseNext(path);
        m_window->salvanome_Click();
        QCOMPARE(m_t->prompts.last().kind, FakePrompts::Kind::Warn);
        QVERIFY2(m_t->prompts.last().text.startsWith(prefix), qPrintable(m_t->prompts.last().text));
        QVERIFY(m_window->nomefile().isEmpty());
        QCOMPARE(edit(u"decuius"_s)->text(), u"Rossi"_s);
        return;
    }
    m_t->prompts.chooseNext(path);
    m_window->salvanome_Click();
    QCOMPARE(m_window->nomefile(), path);
    const QByteArray old = contentsOf(path);

    switch (fault) {
    case Fault::ReadOnlyFolder:
        if (!folder.makeReadOnly())
            QSKIP("the folder cannot be made read-only for this process");
        break;
    case Fault::DiskFull:
        if (folder.mounted())
            folder.fill();
        break;
    case Fault::Directory:
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkpath(path + u"/dentro"_s));
        break;
    case Fault::LinkToReadOnlyFile: {
        const QString target = dir.filePath(u"altrove/Quotara-dati-rossi"_s);
        QVERIFY(QFile::copy(path, target));
        if (!elsewhere.makeReadOnly())
            QSKIP("the file cannot be made read-only for this process");
        QVERIFY(QFile::remove(path));
        QVERIFY(QFile::link(target, path));
        break;
    }
    }

    retype(u"decuius"_s, u"Bianchi"_s);
    retype(u"figli"_s, u"3"_s);
    m_t->prompts.clear();
    m_window->salva_Click();
    QCOMPARE(m_t->prompts.calls().size(), 1);
    const FakePrompts::Call warning = m_t->prompts.last();
    QCOMPARE(warning.kind, FakePrompts::Kind::Warn);
    QVERIFY2(warning.text.startsWith(prefix), qPrintable(warning.text));
    QVERIFY2(warning.text.size() > prefix.size() + 1, qPrintable(warning.text));

    QCOMPARE(m_window->nomefile(), path);
    QCOMPARE(edit(u"decuius"_s)->text(), u"Bianchi"_s);
    QCOMPARE(edit(u"figli"_s)->text(), u"3"_s);
    QVERIFY(m_window->windowTitle().endsWith(u" *"_s));
    if (fault == Fault::Directory) {
        QVERIFY(QFileInfo(path).isDir());
        QVERIFY(QFileInfo(path + u"/dentro"_s).isDir());
    } else {
        QCOMPARE(contentsOf(path), old);
    }
    if (fault == Fault::LinkToReadOnlyFile)
        QVERIFY(QFileInfo(path).isSymLink());
}

void TestSaveFaults::killedWriterLeavesAWholeFile()
{
    // A writer saves two long cases in turn, over and over; it is stopped at
    // random moments and at last killed. Whenever it stands still, the file
    // holds one of the two cases whole.
    const QString writer = QCoreApplication::applicationDirPath() + u"/savefaults_writer"_s;
    QVERIFY(QFileInfo(writer).isExecutable());
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Quotara-dati-lungo"_s);
    CaseRecord first, second;
    first.decuius = QString(60000, u'a');
    second.decuius = QString(60000, u'b');
    second.figli = u"2"_s;
    const QByteArray firstBytes = CaseFile::encode(first);
    const QByteArray secondBytes = CaseFile::encode(second);

    QProcess process;
    process.start(writer, {path});
    QVERIFY(process.waitForStarted());
    QTRY_VERIFY(QFile::exists(path));
    const pid_t pid = pid_t(process.processId());
    int stops = 0;
    for (; stops < 300; ++stops) {
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

#include "output/desktoppresenter.h"
#include "output/document.h"
#include "output/previewwindow.h"

#include "app/desktopapps.h"
#include "fakeprompts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

std::unique_ptr<QTextDocument> sampleDocument(const QString& text)
{
    auto document = std::make_unique<QTextDocument>();
    document->setPlainText(text);
    return document;
}

bool isZipFile(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) && file.read(2) == "PK";
}

// A word processor that is there and starts, or not.
DesktopPresenter::WordProcessor fakeWordProcessor(const QString& entry, bool starts,
                                                  QStringList* opened)
{
    return {[entry] { return entry; },
            [starts, opened](const QString&, const QString& fileName, const QString&) {
                if (opened)
                    opened->append(fileName);
                return starts;
            }};
}

// Points the desktop's configuration at a folder of the test's own, with
// `exec` as the registered word processor's command (none when empty).
class FakeDesktop
{
public:
    explicit FakeDesktop(const QByteArray& exec)
    {
        const QString config = m_home.filePath(u"config"_s);
        const QString data = m_home.filePath(u"data"_s);
        QDir().mkpath(config);
        QDir().mkpath(data + u"/applications"_s);
        QFile list(config + u"/mimeapps.list"_s);
        if (list.open(QIODevice::WriteOnly))
            list.write("[Default Applications]\n"
                       "application/vnd.oasis.opendocument.text=quotaratest-writer.desktop\n");
        if (!exec.isEmpty()) {
            QFile desktop(data + u"/applications/quotaratest-writer.desktop"_s);
            if (desktop.open(QIODevice::WriteOnly))
                desktop.write("[Desktop Entry]\nType=Application\nName=Writer\nExec=" + exec +
                              "\nMimeType=application/vnd.oasis.opendocument.text;\n"
                              "[Desktop Action nuovo]\nExec=nothing\n");
        }
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_DATA_DIRS"})
            m_saved.append({name, qgetenv(name)});
        qputenv("XDG_CONFIG_HOME", config.toLocal8Bit());
        qputenv("XDG_DATA_HOME", data.toLocal8Bit());
        qputenv("XDG_DATA_DIRS", m_home.filePath(u"nothing"_s).toLocal8Bit());
    }
    ~FakeDesktop()
    {
        for (const auto& [name, value] : std::as_const(m_saved))
            qputenv(name, value);
    }
    FakeDesktop(const FakeDesktop&) = delete;
    FakeDesktop& operator=(const FakeDesktop&) = delete;

    QString path(const QString& name) const { return m_home.filePath(name); }

private:
    QTemporaryDir m_home;
    QList<std::pair<const char*, QByteArray>> m_saved;
};

} // namespace

class TestPresenter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void handsEachDocumentOverInAFolderThatGoes();
    void withoutWordProcessorOnlyThePreview();
    void wordProcessorThatCannotStart();
    void unwritableFolderIsReported();
    void launcherThatFailsFallsBackToThePreview();
    void missingProgramCannotStart();
    void missingDesktopFileMeansNoWordProcessor_data();
    void missingDesktopFileMeansNoWordProcessor();
    void probeRunsOnce();
    void commandFromTheDesktopFile_data();
    void commandFromTheDesktopFile();
    void statusSaysWhereTheDocumentIs_data();
    void statusSaysWhereTheDocumentIs();
    void previewShowsACopyAndSaves();
    void previewReportsAFailedSave();
    void previewCancelWritesNothing();
};

void TestPresenter::initTestCase()
{
    // The desktop of these tests is set up per test in folders of their own.
    QVERIFY(QFileInfo(QDir::tempPath()).isWritable());
}

void TestPresenter::handsEachDocumentOverInAFolderThatGoes()
{
    FakePrompts prompts;
    QStringList opened;
    int previews = 0;
    QString folder;
    {
        DesktopPresenter presenter(
            prompts, [&](const QTextDocument&) { ++previews; },
            fakeWordProcessor(u"writer.desktop"_s, true, &opened));
        folder = presenter.folder();
        QVERIFY(folder.startsWith(QDir::tempPath()));
        const auto document = sampleDocument(u"relazione"_s);
        const Presentation first = presenter.present(*document, u"successione"_s);
        const Presentation second = presenter.present(*document, u"successione"_s);
        QCOMPARE(first.place, Presentation::Place::WordProcessor);
        QCOMPARE(opened, (QStringList{first.fileName, second.fileName}));
        QVERIFY(first.fileName != second.fileName);
        const QRegularExpression pattern(
            u"^Quotara-successione-\\d{4}-\\d{2}-\\d{2}-\\d{6}(-\\d+)?\\.odt$"_s);
        for (const QString& name : opened) {
            QCOMPARE(QFileInfo(name).absolutePath(), QDir(folder).absolutePath());
            QVERIFY2(pattern.match(QFileInfo(name).fileName()).hasMatch(), qPrintable(name));
            QVERIFY(isZipFile(name));
        }
    }
    QCOMPARE(previews, 0);
    QVERIFY(prompts.calls().isEmpty());
    // No document is left behind once the program ends.
    QVERIFY(!QFileInfo::exists(folder));
}

void TestPresenter::withoutWordProcessorOnlyThePreview()
{
    FakePrompts prompts;
    QTemporaryDir dir;
    QString shownText;
    DesktopPresenter presenter(
        prompts, [&](const QTextDocument& document) { shownText = document.toPlainText(); },
        fakeWordProcessor(QString(), true, nullptr), dir.path());
    const Presentation shown = presenter.present(*sampleDocument(u"guida"_s), u"guida"_s);
    QCOMPARE(shown.place, Presentation::Place::Preview);
    QCOMPARE(shownText, u"guida"_s);
    QVERIFY(QDir(dir.path()).isEmpty());
    QVERIFY(prompts.calls().isEmpty());
}

void TestPresenter::wordProcessorThatCannotStart()
{
    FakePrompts prompts;
    QStringList opened;
    QString shownText;
    DesktopPresenter presenter(
        prompts, [&](const QTextDocument& document) { shownText = document.toPlainText(); },
        fakeWordProcessor(u"/usr/share/applications/writer.desktop"_s, false, &opened));
    const Presentation shown = presenter.present(*sampleDocument(u"norme"_s), u"norme"_s);
    QCOMPARE(shown.place, Presentation::Place::Preview);
    QCOMPARE(shownText, u"norme"_s);
    QCOMPARE(prompts.last().kind, FakePrompts::Kind::Warn);
    QVERIFY(prompts.last().text.contains(u"(writer) non si è avviato"_s));
    QCOMPARE(opened.size(), 1);
    QVERIFY(!QFileInfo::exists(opened.first()));
}

void TestPresenter::unwritableFolderIsReported()
{
    QTemporaryDir dir;
    const QString blocker = dir.filePath(u"file"_s);
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    FakePrompts prompts;
    QStringList opened;
    int previews = 0;
    DesktopPresenter presenter(
        prompts, [&](const QTextDocument&) { ++previews; },
        fakeWordProcessor(u"writer.desktop"_s, true, &opened), blocker + u"/sub"_s);
    const Presentation shown = presenter.present(*sampleDocument(u"testo"_s), u"norme"_s);
    // The user is told, and sees the document in the preview all the same.
    QCOMPARE(shown.place, Presentation::Place::Preview);
    QVERIFY(opened.isEmpty());
    QCOMPARE(previews, 1);
    QCOMPARE(prompts.last().kind, FakePrompts::Kind::Warn);
    QVERIFY(prompts.last().text.contains(QDir::toNativeSeparators(blocker)));
}

void TestPresenter::launcherThatFailsFallsBackToThePreview()
{
    FakeDesktop desktop("false %U");
    const QString entry = DesktopApps::defaultEntry(u"application/vnd.oasis.opendocument.text"_s);
    QVERIFY(!entry.isEmpty());
    FakePrompts prompts;
    int previews = 0;
    DesktopPresenter presenter(prompts, [&](const QTextDocument&) { ++previews; },
                               {[entry] { return entry; }, &DesktopApps::start});
    const Presentation shown = presenter.present(*sampleDocument(u"massima"_s), u"massime"_s);
    QCOMPARE(shown.place, Presentation::Place::WordProcessor);
    QTRY_COMPARE_WITH_TIMEOUT(previews, 1, DesktopPresenter::watchMilliseconds);
    QCOMPARE(prompts.last().kind, FakePrompts::Kind::Warn);
    QVERIFY(prompts.last().text.contains(u"non si è avviato"_s));
    QVERIFY(!QFileInfo::exists(shown.fileName));
}

void TestPresenter::missingProgramCannotStart()
{
    FakeDesktop desktop("/nonexistent/quotara-writer --view %f");
    const QString entry = DesktopApps::defaultEntry(u"application/vnd.oasis.opendocument.text"_s);
    QVERIFY(!entry.isEmpty());
    QTemporaryDir dir;
    QVERIFY(!DesktopApps::start(entry, dir.filePath(u"x.odt"_s), dir.filePath(u"x.esito"_s)));
}

void TestPresenter::missingDesktopFileMeansNoWordProcessor_data()
{
    QTest::addColumn<bool>("desktopFileExists");
    QTest::newRow("desktop file present") << true;
    QTest::newRow("desktop file missing") << false;
}

void TestPresenter::missingDesktopFileMeansNoWordProcessor()
{
    QFETCH(bool, desktopFileExists);
    if (QStandardPaths::findExecutable(u"xdg-mime"_s).isEmpty())
        QFAIL("xdg-mime comes with xdg-utils (scripts/deps.sh)");
    FakeDesktop desktop(desktopFileExists ? QByteArray("true %U") : QByteArray());
    const QString found = DesktopApps::defaultEntry(u"application/vnd.oasis.opendocument.text"_s);
    QCOMPARE(QFileInfo(found).fileName(),
             desktopFileExists ? u"quotaratest-writer.desktop"_s : QString());
}

void TestPresenter::probeRunsOnce()
{
    QString entry;
    DesktopPresenter::WordProcessor wordProcessor;
    {
        FakeDesktop desktop("true %U");
        wordProcessor = DesktopPresenter::desktopWordProcessor();
        entry = wordProcessor.find();
        QVERIFY(!entry.isEmpty());
    }
    // The desktop has changed since; the answer was kept.
    QCOMPARE(wordProcessor.find(), entry);
}

void TestPresenter::commandFromTheDesktopFile_data()
{
    QTest::addColumn<QByteArray>("exec");
    QTest::addColumn<QStringList>("command");
    const QString file = u"/tmp/Quotara-guida.odt"_s;
    QTest::newRow("file list") << QByteArray("soffice --writer %U")
                               << QStringList{u"soffice"_s, u"--writer"_s, file};
    QTest::newRow("quoted program") << QByteArray("\"/opt/my writer/bin\" %f --view")
                                    << QStringList{u"/opt/my writer/bin"_s, file, u"--view"_s};
    QTest::newRow("icon and caption codes dropped")
        << QByteArray("writer %i %c %F") << QStringList{u"writer"_s, file};
    QTest::newRow("no field code") << QByteArray("abiword") << QStringList{u"abiword"_s, file};
    QTest::newRow("percent sign") << QByteArray("writer --at=100%% %u")
                                  << QStringList{u"writer"_s, u"--at=100%"_s, file};
}

void TestPresenter::commandFromTheDesktopFile()
{
    QFETCH(QByteArray, exec);
    QFETCH(QStringList, command);
    FakeDesktop desktop(exec);
    QCOMPARE(DesktopApps::command(desktop.path(u"data/applications/quotaratest-writer.desktop"_s),
                                  u"/tmp/Quotara-guida.odt"_s),
             command);
}

void TestPresenter::statusSaysWhereTheDocumentIs_data()
{
    QTest::addColumn<int>("place");
    QTest::addColumn<QString>("status");
    QTest::newRow("word processor")
        << static_cast<int>(Presentation::Place::WordProcessor)
        << u"ho visualizzato il testo su WORD (file /tmp/Quotara-1/Quotara-massime.odt)"_s;
    QTest::newRow("preview") << static_cast<int>(Presentation::Place::Preview)
                             << u"il documento è nell'anteprima: da lì si stampa, si salva come "
                                u"ODT o si esporta in PDF"_s;
    QTest::newRow("nowhere") << static_cast<int>(Presentation::Place::Nowhere)
                             << u"il documento non è stato creato"_s;
}

void TestPresenter::statusSaysWhereTheDocumentIs()
{
    QFETCH(int, place);
    QFETCH(QString, status);
    const Presentation shown{static_cast<Presentation::Place>(place),
                             place == 0 ? u"/tmp/Quotara-1/Quotara-massime.odt"_s : QString()};
    QCOMPARE(shown.status(u"ho visualizzato il testo su WORD"_s), status);
}
void TestPresenter::previewShowsACopyAndSaves()
{
    QTemporaryDir dir;
    FakePrompts prompts;
    const QString written = dir.filePath(u"Quotara-guida-2026.odt"_s);
    auto original = std::make_unique<QTextDocument>();
    original->setPlainText(u"anteprima del documento"_s);
    PreviewWindow window(prompts, *original, written);
    original.reset();
    QCOMPARE(window.document()->toPlainText(), u"anteprima del documento"_s);
    auto* view = window.findChild<QTextEdit*>(u"testo"_s);
    QVERIFY(view && view->isReadOnly());

    const QString odt = dir.filePath(u"copia.odt"_s);
    prompts.chooseNext(odt);
    window.findChild<QPushButton*>(u"salvaodt"_s)->click();
    QCOMPARE(prompts.last().kind, FakePrompts::Kind::SaveFile);
    QCOMPARE(prompts.last().request.fileName, u"Quotara-guida-2026.odt"_s);
    QCOMPARE(QDir(prompts.last().request.directory), QDir(dir.path()));
    QVERIFY(isZipFile(odt));

    const QString pdf = dir.filePath(u"copia.pdf"_s);
    prompts.chooseNext(pdf);
    window.findChild<QPushButton*>(u"esportapdf"_s)->click();
    QCOMPARE(prompts.last().request.fileName, u"Quotara-guida-2026.pdf"_s);
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(5), QByteArray("%PDF-"));
}

void TestPresenter::previewReportsAFailedSave()
{
    QTemporaryDir dir;
    FakePrompts prompts;
    PreviewWindow window(prompts, *sampleDocument(u"x"_s), QString());
    const QString target = dir.filePath(u"manca/copia.odt"_s);
    prompts.chooseNext(target);
    window.saveAsOdt();
    QCOMPARE(prompts.last().kind, FakePrompts::Kind::Warn);
    QVERIFY(prompts.last().text.contains(QDir::toNativeSeparators(target)));
    QVERIFY(!QFileInfo::exists(target));
}

void TestPresenter::previewCancelWritesNothing()
{
    QTemporaryDir dir;
    FakePrompts prompts;
    PreviewWindow window(prompts, *sampleDocument(u"x"_s), QString());
    prompts.chooseNext(QString());
    window.exportPdf();
    QCOMPARE(prompts.calls().size(), 1);
    QVERIFY(QDir(dir.path()).isEmpty());
}

QTEST_MAIN(TestPresenter)
#include "tst_presenter.moc"

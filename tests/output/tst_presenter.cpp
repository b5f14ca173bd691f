#include "output/desktoppresenter.h"
#include "output/document.h"
#include "output/previewwindow.h"

#include "fakeprompts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>

#include <memory>

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

} // namespace

class TestPresenter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesANewReadableFileEachTime();
    void fallsBackWhenNothingOpensTheFile_data();
    void fallsBackWhenNothingOpensTheFile();
    void unwritableFolderStillShowsTheDocument();
    void missingDesktopFileMeansNoWordProcessor_data();
    void missingDesktopFileMeansNoWordProcessor();
    void previewShowsACopyAndSaves();
    void previewReportsAFailedSave();
    void previewCancelWritesNothing();
};

void TestPresenter::writesANewReadableFileEachTime()
{
    QTemporaryDir dir;
    QStringList opened;
    DesktopPresenter presenter(dir.path(), {}, [&](const QString& name) {
        opened.append(name);
        return true;
    });
    const auto document = sampleDocument(u"relazione"_qs);
    presenter.present(*document, u"successione"_qs);
    presenter.present(*document, u"successione"_qs);
    QCOMPARE(opened.size(), 2);
    QVERIFY(opened[0] != opened[1]);
    const QRegularExpression pattern(
        u"^Quotara-successione-\\d{4}-\\d{2}-\\d{2}-\\d{6}(-\\d+)?\\.odt$"_qs);
    for (const QString& name : opened) {
        QCOMPARE(QFileInfo(name).absolutePath(), QDir(dir.path()).absolutePath());
        QVERIFY2(pattern.match(QFileInfo(name).fileName()).hasMatch(), qPrintable(name));
        QVERIFY(isZipFile(name));
    }
}

void TestPresenter::fallsBackWhenNothingOpensTheFile_data()
{
    QTest::addColumn<bool>("opens");
    QTest::newRow("word processor opens it") << true;
    QTest::newRow("nothing opens it") << false;
}

void TestPresenter::fallsBackWhenNothingOpensTheFile()
{
    QFETCH(bool, opens);
    QTemporaryDir dir;
    QString shownFile;
    QString shownText;
    int fallbacks = 0;
    DesktopPresenter presenter(
        dir.path(),
        [&](const QTextDocument& document, const QString& fileName) {
            ++fallbacks;
            shownFile = fileName;
            shownText = document.toPlainText();
        },
        [&](const QString&) { return opens; });
    presenter.present(*sampleDocument(u"guida"_qs), u"guida"_qs);
    QCOMPARE(fallbacks, opens ? 0 : 1);
    if (!opens) {
        QCOMPARE(shownText, u"guida"_qs);
        QCOMPARE(shownFile, presenter.lastFileName());
        QVERIFY(QFileInfo::exists(shownFile));
    }
}

void TestPresenter::unwritableFolderStillShowsTheDocument()
{
    QTemporaryDir dir;
    const QString blocker = dir.filePath(u"file"_qs);
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    int opened = 0;
    QString shownText = u"none"_qs;
    DesktopPresenter presenter(
        blocker + u"/sub"_qs,
        [&](const QTextDocument& document, const QString& fileName) {
            QVERIFY(fileName.isEmpty());
            shownText = document.toPlainText();
        },
        [&](const QString&) { return ++opened > 0; });
    presenter.present(*sampleDocument(u"testo"_qs), u"norme"_qs);
    QCOMPARE(opened, 0);
    QCOMPARE(shownText, u"testo"_qs);
    QVERIFY(presenter.lastFileName().isEmpty());
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
    if (QStandardPaths::findExecutable(u"xdg-mime"_qs).isEmpty())
        QSKIP("xdg-mime is not installed");
    QTemporaryDir home;
    const QString config = home.filePath(u"config"_qs);
    const QString data = home.filePath(u"data"_qs);
    QVERIFY(QDir().mkpath(config));
    QVERIFY(QDir().mkpath(data + u"/applications"_qs));
    QFile list(config + u"/mimeapps.list"_qs);
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write("[Default Applications]\n"
               "application/vnd.oasis.opendocument.text=quotaratest-writer.desktop\n");
    list.close();
    if (desktopFileExists) {
        QFile desktop(data + u"/applications/quotaratest-writer.desktop"_qs);
        QVERIFY(desktop.open(QIODevice::WriteOnly));
        desktop.write("[Desktop Entry]\nType=Application\nName=Writer\nExec=true %U\n"
                      "MimeType=application/vnd.oasis.opendocument.text;\n");
    }
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    const QByteArray oldData = qgetenv("XDG_DATA_HOME");
    const QByteArray oldDirs = qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_CONFIG_HOME", config.toLocal8Bit());
    qputenv("XDG_DATA_HOME", data.toLocal8Bit());
    qputenv("XDG_DATA_DIRS", home.filePath(u"nothing"_qs).toLocal8Bit());
    const QString found = DesktopPresenter::registeredWordProcessor();
    qputenv("XDG_CONFIG_HOME", oldConfig);
    qputenv("XDG_DATA_HOME", oldData);
    qputenv("XDG_DATA_DIRS", oldDirs);
    QCOMPARE(found, desktopFileExists ? u"quotaratest-writer.desktop"_qs : QString());
}

void TestPresenter::previewShowsACopyAndSaves()
{
    QTemporaryDir dir;
    FakePrompts prompts;
    const QString written = dir.filePath(u"Quotara-guida-2026.odt"_qs);
    auto original = std::make_unique<QTextDocument>();
    original->setPlainText(u"anteprima del documento"_qs);
    PreviewWindow window(prompts, *original, written);
    original.reset();
    QCOMPARE(window.document()->toPlainText(), u"anteprima del documento"_qs);
    auto* view = window.findChild<QTextEdit*>(u"testo"_qs);
    QVERIFY(view && view->isReadOnly());

    const QString odt = dir.filePath(u"copia.odt"_qs);
    prompts.chooseNext(odt);
    window.findChild<QPushButton*>(u"salvaodt"_qs)->click();
    QCOMPARE(prompts.last().kind, FakePrompts::Kind::SaveFile);
    QCOMPARE(prompts.last().request.fileName, u"Quotara-guida-2026.odt"_qs);
    QCOMPARE(QDir(prompts.last().request.directory), QDir(dir.path()));
    QVERIFY(isZipFile(odt));

    const QString pdf = dir.filePath(u"copia.pdf"_qs);
    prompts.chooseNext(pdf);
    window.findChild<QPushButton*>(u"esportapdf"_qs)->click();
    QCOMPARE(prompts.last().request.fileName, u"Quotara-guida-2026.pdf"_qs);
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(5), QByteArray("%PDF-"));
}

void TestPresenter::previewReportsAFailedSave()
{
    QTemporaryDir dir;
    FakePrompts prompts;
    PreviewWindow window(prompts, *sampleDocument(u"x"_qs), QString());
    const QString target = dir.filePath(u"manca/copia.odt"_qs);
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
    PreviewWindow window(prompts, *sampleDocument(u"x"_qs), QString());
    prompts.chooseNext(QString());
    window.exportPdf();
    QCOMPARE(prompts.calls().size(), 1);
    QVERIFY(QDir(dir.path()).isEmpty());
}

QTEST_MAIN(TestPresenter)
#include "tst_presenter.moc"

// A document that cannot reach the word processor still reaches the user:
// the folder of the documents missing for good, read-only or full, the word
// processor missing or failing to start. The user is told what went wrong
// (the folder or file and the reason, or the program) and the preview shows
// the document.
#include "fakeprompts.h"
#include "faultfolder.h"
#include "output/desktoppresenter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

using namespace Qt::Literals::StringLiterals;

namespace {

enum class Fault {
    None,
    FolderMissing,     ///< made at once
    FolderCannotExist, ///< a file stands where its parent should be
    FolderReadOnly,
    FolderFull,
    NoWordProcessor,
    WordProcessorFails,
};

QString notWrittenIn(const QString& folder)
{
    return u"Il documento non è stato scritto in "_s + QDir::toNativeSeparators(folder);
}

} // namespace

class TestDocumentFaults : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void documentReachesTheUser_data();
    void documentReachesTheUser();
};

void TestDocumentFaults::documentReachesTheUser_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<Presentation::Place>("place");
    QTest::addColumn<QString>("told"); ///< in the message; none when empty
    QTest::newRow("tutto a posto")
        << Fault::None << Presentation::Place::WordProcessor << QString();
    QTest::newRow("cartella mancante")
        << Fault::FolderMissing << Presentation::Place::WordProcessor << QString();
    QTest::newRow("cartella impossibile")
        << Fault::FolderCannotExist << Presentation::Place::Preview
        << u"e non può essere creata: %1 è un file"_s;
    QTest::newRow("cartella di sola lettura")
        << Fault::FolderReadOnly << Presentation::Place::Preview << u"%1"_s;
    QTest::newRow("disco pieno") << Fault::FolderFull << Presentation::Place::Preview
                                 << u"il disco è pieno"_s;
    QTest::newRow("nessun programma di videoscrittura")
        << Fault::NoWordProcessor << Presentation::Place::Preview << QString();
    QTest::newRow("il programma non si avvia")
        << Fault::WordProcessorFails << Presentation::Place::Preview
        << u"Il programma di videoscrittura (writer) non si è avviato"_s;
}

void TestDocumentFaults::documentReachesTheUser()
{
    QFETCH(Fault, fault);
    QFETCH(Presentation::Place, place);
    QFETCH(QString, told);
    QTemporaryDir dir;
    FaultFolder mounted(dir.filePath(u"documenti"_s));
    QString folder = mounted.path();
    switch (fault) {
    case Fault::None:
    case Fault::NoWordProcessor:
    case Fault::WordProcessorFails:
        break;
    case Fault::FolderMissing:
        folder = dir.filePath(u"documenti/nuova/cartella"_s);
        break;
    case Fault::FolderCannotExist:
        QVERIFY(writeFile(dir.filePath(u"documenti/file"_s), "x"));
        folder = dir.filePath(u"documenti/file/cartella"_s);
        told = told.arg(QDir::toNativeSeparators(dir.filePath(u"documenti/file"_s)));
        break;
    case Fault::FolderReadOnly:
        if (!mounted.makeReadOnly())
            QSKIP("the folder cannot be made read-only for this process");
        // Read-only to the file system, or to this user.
        told = told.arg(QDir::toNativeSeparators(folder));
        break;
    case Fault::FolderFull:
        if (!mounted.mounted())
            QSKIP("no file system of our own to fill");
        mounted.fill();
        break;
    }

    FakePrompts prompts;
    QStringList previews;
    QStringList started;
    const bool starts = fault != Fault::WordProcessorFails;
    DesktopPresenter::WordProcessor wordProcessor{
        [fault] { return fault == Fault::NoWordProcessor ? QString() : u"/x/writer.desktop"_s; },
        [&](const QString&, const QString& fileName, const QString&) {
            started.append(fileName);
            return starts;
        }};
    DesktopPresenter presenter(
        prompts, [&](const QTextDocument& document) { previews.append(document.toPlainText()); },
        wordProcessor, folder);
    QTextDocument document;
    document.setPlainText(u"relazione"_s);
    const Presentation shown = presenter.present(document, u"successione"_s);

    QCOMPARE(shown.place, place);
    if (place == Presentation::Place::WordProcessor) {
        QCOMPARE(started, QStringList{shown.fileName});
        QVERIFY(QFileInfo(shown.fileName).size() > 0);
        QVERIFY(previews.isEmpty());
        QVERIFY(prompts.calls().isEmpty());
        return;
    }
    QCOMPARE(previews, QStringList{u"relazione"_s});
    QVERIFY(shown.status().contains(u"anteprima"_s));
    if (told.isEmpty()) {
        QVERIFY(prompts.calls().isEmpty());
        return;
    }
    QCOMPARE(prompts.calls().size(), 1);
    const QString text = prompts.last().text;
    QCOMPARE(prompts.last().kind, FakePrompts::Kind::Warn);
    QVERIFY2(text.contains(told), qPrintable(text));
    QVERIFY2(text.contains(u"anteprima"_s), qPrintable(text));
    if (fault != Fault::WordProcessorFails) {
        QVERIFY2(text.startsWith(notWrittenIn(folder)), qPrintable(text));
        QVERIFY(QDir(folder).entryList({u"*.odt"_s}).isEmpty());
    }
}

QTEST_MAIN(TestDocumentFaults)
#include "tst_documentfaults.moc"

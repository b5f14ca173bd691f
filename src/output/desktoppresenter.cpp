#include "desktoppresenter.h"

#include "app/desktopapps.h"
#include "app/prompts.h"
#include "app/quotaramod.h"
#include "app/safesave.h"
#include "documentfiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>

namespace {

constexpr int kWatchStep = 250;

QString shown(const QString& fileName)
{
    return QDir::toNativeSeparators(fileName);
}

QString entryName(const QString& entry)
{
    return QFileInfo(entry).completeBaseName();
}

std::unique_ptr<QTemporaryDir> makeTemporaryFolder()
{
    return std::make_unique<QTemporaryDir>(
        QDir::temp().filePath(QStringLiteral("%1-XXXXXX").arg(Quotaramod::nomeprogramma())));
}

} // namespace

DesktopPresenter::DesktopPresenter(Prompts& prompts, Preview preview, WordProcessor wordProcessor,
                                   QString folder)
    : m_prompts(prompts), m_preview(std::move(preview)), m_wordProcessor(std::move(wordProcessor)),
      m_folder(std::move(folder))
{
    if (m_folder.isEmpty()) {
        m_temporary = makeTemporaryFolder();
        m_folder = m_temporary->path();
    }
}

DesktopPresenter::~DesktopPresenter() = default;

QString DesktopPresenter::newFileName(const QString& purpose) const
{
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    const QDir dir(m_folder);
    QString name = dir.filePath(QStringLiteral("Quotara-%1-%2.odt").arg(purpose, stamp));
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = dir.filePath(QStringLiteral("Quotara-%1-%2-%3.odt").arg(purpose, stamp).arg(n));
    return name;
}

QString DesktopPresenter::folderFault()
{
    if (m_temporary && !m_temporary->isValid()) {
        // The temporary folder could not be made when the program started;
        // the disk may have room now.
        m_temporary = makeTemporaryFolder();
        m_folder = m_temporary->path();
        if (!m_temporary->isValid())
            return QStringLiteral("la cartella temporanea non può essere creata in %1: %2")
                .arg(shown(QDir::tempPath()), m_temporary->errorString());
    }
    if (QDir().mkpath(m_folder))
        return QString();
    const QString fault = SafeSave::folderFault(m_folder);
    return fault.isEmpty()
               ? QStringLiteral("la cartella %1 non può essere creata").arg(shown(m_folder))
               : fault;
}

Presentation DesktopPresenter::present(const QTextDocument& document, const QString& purpose)
{
    const QString entry = m_wordProcessor.find ? m_wordProcessor.find() : QString();
    if (entry.isEmpty()) {
        // Only for viewing: nothing is written, the user saves where he chooses.
        m_preview(document);
        return {Presentation::Place::Preview, {}};
    }
    QString error = folderFault();
    const QString fileName = error.isEmpty() ? newFileName(purpose) : m_folder;
    if (!error.isEmpty() || !DocumentFiles::writeOdt(document, fileName, &error)) {
        m_prompts.warn(nullptr, Quotaramod::titolocontrollo(),
                       QStringLiteral("Il documento non è stato scritto in %1: %2. È mostrato "
                                      "nell'anteprima.")
                           .arg(shown(fileName), error));
        m_preview(document);
        return {Presentation::Place::Preview, {}};
    }
    const QString statusFile = fileName + QStringLiteral(".esito");
    if (!m_wordProcessor.start(entry, fileName, statusFile)) {
        QFile::remove(fileName);
        startFailed(document, entry);
        return {Presentation::Place::Preview, {}};
    }
    watch(document, fileName, statusFile);
    return {Presentation::Place::WordProcessor, fileName};
}

void DesktopPresenter::startFailed(const QTextDocument& document, const QString& entry)
{
    m_prompts.warn(nullptr, Quotaramod::titolocontrollo(),
                   QStringLiteral("Il programma di videoscrittura (%1) non si è avviato: il "
                                  "documento è mostrato nell'anteprima.")
                       .arg(entryName(entry)));
    m_preview(document);
}

// A launcher that fails after starting leaves its exit status behind; then
// the document goes to the preview after all.
void DesktopPresenter::watch(const QTextDocument& document, const QString& fileName,
                             const QString& statusFile)
{
    auto* timer = new QTimer(&m_timers);
    auto copy = std::shared_ptr<QTextDocument>(document.clone());
    const QString entry = m_wordProcessor.find();
    timer->setInterval(kWatchStep);
    auto steps = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [=, this] {
        if (QFileInfo::exists(statusFile)) {
            timer->deleteLater();
            QFile::remove(statusFile);
            QFile::remove(fileName);
            startFailed(*copy, entry);
            return;
        }
        if (++*steps * kWatchStep >= watchMilliseconds)
            timer->deleteLater();
    });
    timer->start();
}

DesktopPresenter::WordProcessor DesktopPresenter::desktopWordProcessor()
{
    std::shared_future<QString> probe = std::async(std::launch::async, [] {
                                            return DesktopApps::defaultEntry(QStringLiteral(
                                                "application/vnd.oasis.opendocument.text"));
                                        }).share();
    return WordProcessor{[probe] { return probe.get(); }, &DesktopApps::start};
}

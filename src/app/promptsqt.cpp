#include "promptsqt.h"

#include "desktopapps.h"
#include "quotaramod.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

namespace {

QString startPath(const FileDialogRequest& request)
{
    QString directory = request.directory;
    if (directory.isEmpty())
        directory = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (request.fileName.isEmpty())
        return directory;
    return QDir(directory).filePath(request.fileName);
}

/// The prompts of the program belong to its windows; anything else asks
/// without a parent.
QWidget* dialogParent(QObject* parent)
{
    return qobject_cast<QWidget*>(parent);
}

} // namespace

void QtPrompts::inform(QObject* parent, const QString& title, const QString& text)
{
    QMessageBox::information(dialogParent(parent), title, text);
}

void QtPrompts::warn(QObject* parent, const QString& title, const QString& text)
{
    QMessageBox::warning(dialogParent(parent), title, text);
}

bool QtPrompts::ask(QObject* parent, const QString& title, const QString& text, bool defaultYes)
{
    const auto answer =
        QMessageBox::question(dialogParent(parent), title, text, QMessageBox::Yes | QMessageBox::No,
                              defaultYes ? QMessageBox::Yes : QMessageBox::No);
    return answer == QMessageBox::Yes;
}

QString QtPrompts::chooseOpenFile(QObject* parent, const FileDialogRequest& request)
{
    QString selected = request.selectedFilter;
    return QFileDialog::getOpenFileName(dialogParent(parent), request.title, startPath(request),
                                        request.filter, &selected);
}

QString QtPrompts::chooseSaveFile(QObject* parent, const FileDialogRequest& request)
{
    QString selected = request.selectedFilter;
    return QFileDialog::getSaveFileName(dialogParent(parent), request.title, startPath(request),
                                        request.filter, &selected);
}

// A web page goes to the desktop's browser through its desktop file, so
// that a browser that is missing, or fails to start, is seen.
bool QtPrompts::openUrl(const QUrl& url)
{
    if (url.scheme() != u"http" && url.scheme() != u"https")
        return QDesktopServices::openUrl(url);
    const QString entry =
        DesktopApps::defaultEntry(QStringLiteral("x-scheme-handler/") + url.scheme());
    if (entry.isEmpty())
        return false;
    // The folder of the exit status lives as long as the watch.
    const auto folder = std::make_shared<QTemporaryDir>();
    const QString status = folder->filePath(QStringLiteral("esito"));
    if (!DesktopApps::start(entry, url.toString(), status))
        return false;
    auto* watch = new QTimer(qApp);
    watch->setInterval(250);
    auto steps = std::make_shared<int>(0);
    QObject::connect(watch, &QTimer::timeout, watch, [watch, folder, status, steps, url, this] {
        const bool failed = QFileInfo::exists(status);
        if (!failed && ++*steps < 20)
            return;
        watch->deleteLater();
        if (failed)
            warn(nullptr, Quotaramod::titolocontrollo(),
                 QStringLiteral("La pagina %1 non si è aperta: il programma di navigazione non "
                                "si è avviato.")
                     .arg(url.toString()));
    });
    watch->start();
    return true;
}

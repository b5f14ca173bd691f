#include "promptsqt.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

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

} // namespace

void QtPrompts::inform(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox::information(parent, title, text);
}

void QtPrompts::warn(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox::warning(parent, title, text);
}

bool QtPrompts::ask(QWidget* parent, const QString& title, const QString& text, bool defaultYes)
{
    const auto answer =
        QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No,
                              defaultYes ? QMessageBox::Yes : QMessageBox::No);
    return answer == QMessageBox::Yes;
}

QString QtPrompts::chooseOpenFile(QWidget* parent, const FileDialogRequest& request)
{
    return QFileDialog::getOpenFileName(parent, request.title, startPath(request), request.filter);
}

QString QtPrompts::chooseSaveFile(QWidget* parent, const FileDialogRequest& request)
{
    return QFileDialog::getSaveFileName(parent, request.title, startPath(request), request.filter);
}

bool QtPrompts::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

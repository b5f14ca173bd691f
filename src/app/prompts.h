#pragma once

#include <QString>
#include <QUrl>

class QObject;

/// What a file dialog is asked to show. `fileName` is the name the dialog
/// remembers from its last use; the windows keep it, not the dialog.
struct FileDialogRequest
{
    QString title;
    QString filter;    ///< Qt filter list, entries separated by ";;"
    QString directory; ///< where the dialog starts; empty for the documents folder
    QString fileName;
    QString selectedFilter; ///< the entry of `filter` selected at first; empty for the first
};

/// Every message box, file dialog and web link of the program goes through
/// this service, so that tests can answer them. The `parent` of a prompt is
/// an opaque handle to the window it belongs to (null for none): code without
/// widgets passes on what its window gave it, and only the Qt prompts, which
/// know it is a widget, look inside.
class Prompts
{
public:
    virtual ~Prompts() = default;

    /// Information icon, OK button only.
    virtual void inform(QObject* parent, const QString& title, const QString& text) = 0;
    /// Exclamation icon, OK button only.
    virtual void warn(QObject* parent, const QString& title, const QString& text) = 0;
    /// Question icon, Yes and No buttons; true for Yes.
    virtual bool ask(QObject* parent, const QString& title, const QString& text,
                     bool defaultYes = true) = 0;
    /// The chosen path, or an empty text when the user cancels.
    virtual QString chooseOpenFile(QObject* parent, const FileDialogRequest& request) = 0;
    virtual QString chooseSaveFile(QObject* parent, const FileDialogRequest& request) = 0;
    /// Opens a web page or file with the desktop's default handler.
    virtual bool openUrl(const QUrl& url) = 0;
};

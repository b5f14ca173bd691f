#pragma once

#include "prompts.h"

/// The real prompts: QMessageBox, QFileDialog and QDesktopServices.
class QtPrompts final : public Prompts
{
public:
    void inform(QObject* parent, const QString& title, const QString& text) override;
    void warn(QObject* parent, const QString& title, const QString& text) override;
    bool ask(QObject* parent, const QString& title, const QString& text, bool defaultYes) override;
    QString chooseOpenFile(QObject* parent, const FileDialogRequest& request) override;
    QString chooseSaveFile(QObject* parent, const FileDialogRequest& request) override;
    bool openUrl(const QUrl& url) override;
};

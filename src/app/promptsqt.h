#pragma once

#include "prompts.h"

/// The real prompts: QMessageBox, QFileDialog and QDesktopServices.
class QtPrompts final : public Prompts
{
public:
    void inform(QWidget* parent, const QString& title, const QString& text) override;
    void warn(QWidget* parent, const QString& title, const QString& text) override;
    bool ask(QWidget* parent, const QString& title, const QString& text, bool defaultYes) override;
    QString chooseOpenFile(QWidget* parent, const FileDialogRequest& request) override;
    QString chooseSaveFile(QWidget* parent, const FileDialogRequest& request) override;
    bool openUrl(const QUrl& url) override;
};

#pragma once

#include "documentpresenter.h"

#include <QString>

class Prompts;

/// Writes each document as OpenDocument Text to a new file with a readable
/// name and opens it with the desktop's default application.
class DesktopPresenter : public DocumentPresenter
{
public:
    explicit DesktopPresenter(QString folder = QString());

    void present(const QTextDocument& document, const QString& purpose) override;

    /// The file the next document of `purpose` would be written to.
    QString newFileName(const QString& purpose) const;

    /// Where documents are written: a "Quotara" folder in the user's documents.
    QString folder() const { return m_folder; }

private:
    QString m_folder;
};

#pragma once

#include "documentpresenter.h"

#include <QString>

#include <functional>

/// Writes each document as OpenDocument Text to a new file with a readable
/// name and opens it with the desktop's word processor. Where the desktop has
/// none, or opening fails, the fallback shows the document instead.
class DesktopPresenter : public DocumentPresenter
{
public:
    /// Opens a written file; false when it could not.
    using Opener = std::function<bool(const QString& fileName)>;
    /// Shows the document itself; `fileName` is the file written, or empty
    /// when writing failed.
    using Fallback = std::function<void(const QTextDocument& document, const QString& fileName)>;

    explicit DesktopPresenter(QString folder = QString(), Fallback fallback = Fallback(),
                              Opener opener = Opener());

    void present(const QTextDocument& document, const QString& purpose) override;

    /// The file the next document of `purpose` would be written to.
    QString newFileName(const QString& purpose) const;

    /// Where documents are written: a "Quotara" folder in the user's documents.
    QString folder() const { return m_folder; }

    /// The file the last document was written to; empty when writing failed.
    QString lastFileName() const { return m_lastFileName; }

    /// The desktop's default application for OpenDocument Text, when one is
    /// registered and its desktop file exists; otherwise empty.
    static QString registeredWordProcessor();

    /// Opens the file with the registered word processor, if there is one.
    static bool openWithWordProcessor(const QString& fileName);

private:
    QString m_folder;
    Fallback m_fallback;
    Opener m_opener;
    QString m_lastFileName;
};

#pragma once

#include "documentpresenter.h"

#include <QObject>
#include <QString>

#include <functional>
#include <future>
#include <memory>

class Prompts;
class QTemporaryDir;

/// Hands each document to the desktop's word processor as an OpenDocument
/// Text file in a folder of its own, removed with the presenter; where the
/// desktop has no word processor, or it does not start, the preview shows
/// the document instead. Write failures are reported through the prompts,
/// and the preview shows the document all the same.
class DesktopPresenter : public DocumentPresenter
{
public:
    /// The desktop's word processor: finding it and starting it on a file.
    struct WordProcessor
    {
        /// Its desktop file; empty when there is none.
        std::function<QString()> find;
        /// Starts it on `fileName`; false when it cannot start. A later
        /// failure is written as an exit status to `statusFile`.
        std::function<bool(const QString& entry, const QString& fileName,
                           const QString& statusFile)>
            start;
    };
    /// Shows the document in the program's own preview.
    using Preview = std::function<void(const QTextDocument& document)>;

    /// `folder` receives the files handed over; empty for a temporary folder.
    DesktopPresenter(Prompts& prompts, Preview preview, WordProcessor wordProcessor,
                     QString folder = QString());
    ~DesktopPresenter() override;
    DesktopPresenter(const DesktopPresenter&) = delete;
    DesktopPresenter& operator=(const DesktopPresenter&) = delete;

    Presentation present(const QTextDocument& document, const QString& purpose) override;

    /// The file the next document of `purpose` would be written to.
    QString newFileName(const QString& purpose) const;
    QString folder() const { return m_folder; }

    /// The desktop's own word processor. It is looked up once, off the
    /// interface thread, when this is called; `find` waits for the answer.
    static WordProcessor desktopWordProcessor();

    /// How long a started word processor is watched for a failing exit.
    static constexpr int watchMilliseconds = 5000;

private:
    /// Why no file can be written in the folder, made when missing; empty
    /// when it can.
    QString folderFault();
    void watch(const QTextDocument& document, const QString& fileName, const QString& statusFile);
    void startFailed(const QTextDocument& document, const QString& entry);

    Prompts& m_prompts;
    Preview m_preview;
    WordProcessor m_wordProcessor;
    std::unique_ptr<QTemporaryDir> m_temporary;
    QString m_folder;
    QObject m_timers; ///< owns the watches of started word processors
};

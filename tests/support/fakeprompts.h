#pragma once

#include "app/prompts.h"

#include <QList>
#include <QQueue>
#include <QStringList>

/// Answers every prompt from a queue and records what the program asked.
class FakePrompts final : public Prompts
{
public:
    enum class Kind { Inform, Warn, Ask, OpenFile, SaveFile, Url };

    struct Call
    {
        Kind kind;
        QString title;
        QString text; ///< message text, or the dialog's filter
        bool defaultYes = true;
        FileDialogRequest request;
    };

    void inform(QObject* parent, const QString& title, const QString& text) override;
    void warn(QObject* parent, const QString& title, const QString& text) override;
    bool ask(QObject* parent, const QString& title, const QString& text, bool defaultYes) override;
    QString chooseOpenFile(QObject* parent, const FileDialogRequest& request) override;
    QString chooseSaveFile(QObject* parent, const FileDialogRequest& request) override;
    bool openUrl(const QUrl& url) override;

    /// Queue the answer of the next question (Yes when the queue is empty).
    void answerNext(bool yes) { m_answers.enqueue(yes); }
    /// Queue the path the next file dialog returns ("" cancels; cancel when empty).
    void chooseNext(const QString& path) { m_paths.enqueue(path); }

    /// Whether the addresses asked for open (a browser is there).
    bool urlsOpen = true;

    const QList<Call>& calls() const { return m_calls; }
    const QList<QUrl>& urls() const { return m_urls; }
    Call last() const { return m_calls.isEmpty() ? Call{} : m_calls.last(); }
    void clear()
    {
        m_calls.clear();
        m_urls.clear();
    }

private:
    QList<Call> m_calls;
    QList<QUrl> m_urls;
    QQueue<bool> m_answers;
    QQueue<QString> m_paths;
};

#include "fakeprompts.h"

void FakePrompts::inform(QObject*, const QString& title, const QString& text)
{
    m_calls.append({Kind::Inform, title, text, true, {}});
}

void FakePrompts::warn(QObject*, const QString& title, const QString& text)
{
    m_calls.append({Kind::Warn, title, text, true, {}});
}

bool FakePrompts::ask(QObject*, const QString& title, const QString& text, bool defaultYes)
{
    m_calls.append({Kind::Ask, title, text, defaultYes, {}});
    return m_answers.isEmpty() ? true : m_answers.dequeue();
}

QString FakePrompts::chooseOpenFile(QObject*, const FileDialogRequest& request)
{
    m_calls.append({Kind::OpenFile, request.title, request.filter, true, request});
    return m_paths.isEmpty() ? QString() : m_paths.dequeue();
}

QString FakePrompts::chooseSaveFile(QObject*, const FileDialogRequest& request)
{
    m_calls.append({Kind::SaveFile, request.title, request.filter, true, request});
    return m_paths.isEmpty() ? QString() : m_paths.dequeue();
}

bool FakePrompts::openUrl(const QUrl& url)
{
    m_urls.append(url);
    m_calls.append({Kind::Url, QString(), url.toString(), true, {}});
    return urlsOpen;
}

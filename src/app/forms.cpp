#include "forms.h"

Forms::Forms(Prompts& prompts, DocumentPresenter& presenter, MusicPlayer& music)
    : m_prompts(prompts), m_presenter(presenter), m_music(music)
{
}

Forms::~Forms()
{
    // Windows go before the services they refer to.
    const auto windows = m_windows;
    m_windows.clear();
    for (const auto& [id, window] : windows)
        delete window.data();
}

void Forms::registerFactory(WindowId id, Factory factory)
{
    m_factories[id] = std::move(factory);
}

bool Forms::hasFactory(WindowId id) const
{
    return m_factories.count(id) > 0;
}

QWidget* Forms::form(WindowId id)
{
    if (QWidget* existing = loadedForm(id))
        return existing;
    const auto factory = m_factories.find(id);
    if (factory == m_factories.end())
        return nullptr;
    std::unique_ptr<QWidget> created = factory->second(*this);
    if (!created)
        return nullptr;
    QWidget* window = created.release();
    window->setObjectName(windowName(id));
    window->setAttribute(Qt::WA_DeleteOnClose);
    m_windows[id] = window;
    // Closing a window from its title bar unloads it too.
    connect(window, &QObject::destroyed, this, [this, id, window] {
        const auto it = m_windows.find(id);
        if (it != m_windows.end() && (it->second.isNull() || it->second.data() == window))
            forget(id);
    });
    Q_EMIT loaded(id);
    return window;
}

QWidget* Forms::show(WindowId id)
{
    QWidget* window = form(id);
    if (!window)
        return nullptr;
    if (window->isMinimized())
        window->showNormal();
    else
        window->show();
    window->raise();
    window->activateWindow();
    return window;
}

bool Forms::isLoaded(WindowId id) const
{
    return loadedForm(id) != nullptr;
}

QWidget* Forms::loadedForm(WindowId id) const
{
    const auto it = m_windows.find(id);
    return it == m_windows.end() ? nullptr : it->second.data();
}

void Forms::unload(WindowId id)
{
    QWidget* window = loadedForm(id);
    if (!window)
        return;
    window->hide();
    window->deleteLater();
    forget(id);
}

int Forms::loadedCount() const
{
    int count = 0;
    for (const auto& [id, window] : m_windows)
        count += window.isNull() ? 0 : 1;
    return count;
}

bool Forms::anyVisible() const
{
    for (const auto& [id, window] : m_windows) {
        if (window && window->isVisible())
            return true;
    }
    return false;
}

void Forms::forget(WindowId id)
{
    if (m_windows.erase(id) == 0)
        return;
    Q_EMIT unloaded(id);
    if (loadedCount() == 0)
        Q_EMIT allUnloaded();
}

#pragma once

#include "windowid.h"

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>

class Prompts;
class DocumentPresenter;
class MusicPlayer;

/// The window registry: one instance per window, created on first reference
/// (its constructor does the loading), shown modelessly, raised when already
/// open, destroyed on unload. A later reference creates the window anew.
class Forms : public QObject
{
    Q_OBJECT
public:
    using Factory = std::function<std::unique_ptr<QWidget>(Forms&)>;

    Forms(Prompts& prompts, DocumentPresenter& presenter, MusicPlayer& music);
    ~Forms() override;

    void registerFactory(WindowId id, Factory factory);
    bool hasFactory(WindowId id) const;

    /// The window, created (not shown) when it is not loaded; null when no
    /// factory is registered for it.
    QWidget* form(WindowId id);
    template <class T> T* formAs(WindowId id) { return qobject_cast<T*>(form(id)); }

    /// Shows the window modelessly and brings it to the front.
    QWidget* show(WindowId id);

    bool isLoaded(WindowId id) const;
    /// The loaded window, or null; never creates one.
    QWidget* loadedForm(WindowId id) const;

    /// Destroys the window. Safe from the window's own handlers: the widget is
    /// hidden at once and deleted when control returns to the event loop.
    void unload(WindowId id);

    int loadedCount() const;
    /// True while at least one loaded window is on screen; a program whose
    /// loaded windows are all hidden has nothing left for the user.
    bool anyVisible() const;

    Prompts& prompts() const { return m_prompts; }
    DocumentPresenter& presenter() const { return m_presenter; }
    MusicPlayer& music() const { return m_music; }

Q_SIGNALS:
    void loaded(WindowId id);
    void unloaded(WindowId id);
    /// The last loaded window went away: the program ends.
    void allUnloaded();

private:
    void forget(WindowId id);

    Prompts& m_prompts;
    DocumentPresenter& m_presenter;
    MusicPlayer& m_music;
    std::map<WindowId, Factory> m_factories;
    std::map<WindowId, QPointer<QWidget>> m_windows;
};

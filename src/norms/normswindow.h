#pragma once

#include "app/clsresize.h"
#include "app/mainframe.h"
#include "articleindex.h"
#include "normstitles.h"

#include <QMainWindow>
#include <QVector>

class FindBar;
class Forms;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolBar;

/// The window of one Title of Book II: its articles in one to three read-only
/// panes, the frame's toolbar and foot buttons, the printout of the Title, and
/// a find bar (Ctrl+F) that searches the panes and goes to an article.
class NormsWindow : public QMainWindow
{
    Q_OBJECT
public:
    NormsWindow(Forms& forms, const Norms::TitleDescription& title, QWidget* parent = nullptr);

    static FrameDescription frameDescription(const Norms::TitleDescription& title);

    const Norms::TitleDescription& title() const { return m_title; }
    /// Text1 is pane 0.
    QPlainTextEdit* pane(int index) const { return m_panes.value(index); }
    int paneCount() const { return static_cast<int>(m_panes.size()); }
    FindBar* findBar() const { return m_findBar; }
    /// "Massime su questo articolo", on show with the find bar, enabled while
    /// the current article has maxims.
    QPushButton* maximsButton() const { return m_massimeButton; }

    /// Sends the whole Title to the word processor.
    void stampanorme();

    /// Opens the find bar; Ctrl+F does the same.
    void openFindBar();
    /// Finds `text` in every pane and shows the first match; returns the number of matches.
    int find(const QString& text);
    void findNext();
    void findPrevious();
    /// The match on display, counting from 0; -1 when there is none.
    int currentMatch() const { return m_current; }

    /// Goes to an article of any Title ("536", "768-bis"): this window when it
    /// holds it, otherwise this window closes, as on a toolbar switch, and the
    /// Title that holds it opens there. False when the code has no such article.
    bool vaiAllArticolo(const QString& number);
    /// Scrolls the article's pane so that the entry's first line is at the top
    /// and highlights the article until the user scrolls or searches.
    void showArticle(const Norms::Article& article);
    /// The article highlighted by showArticle(); null when none is.
    const Norms::Article* highlightedArticle() const { return m_highlighted; }

    /// The article under the text cursor or last gone to; null when none is.
    const Norms::Article* currentArticle() const { return m_currentArticle; }
    /// Opens the maxims window on the first maxim on the current article;
    /// false when there is none. Ctrl+M and the find bar's button do the same.
    bool massimeSuArticolo();

private:
    struct Match
    {
        int pane;
        Norms::TextSpan span;
    };

    void buildControls();
    void Form_Load();
    void toolbarFileButton(ToolbarButton button);
    void showMatch(int index);
    void clearSelections();
    void highlight();
    void linkPane(int index);
    void paneScrolled();
    void cursorMoved(int pane);
    void setCurrentArticle(const Norms::Article* article);
    void updateStatus();

    Forms& m_forms;
    const Norms::TitleDescription& m_title;
    MainFrame m_frame;
    ClsResize m_resize;

    QVector<QPlainTextEdit*> m_panes;
    QLabel* m_passo = nullptr;
    FindBar* m_findBar = nullptr;
    int m_findBarRoom = 0; ///< the height the find bar added to the window

    QVector<Norms::FoldedText> m_foldedPanes;
    QVector<Match> m_matches;
    int m_current = -1;
    const Norms::Article* m_highlighted = nullptr;
    bool m_placing = false; ///< true while the window itself scrolls a pane
    const Norms::Article* m_currentArticle = nullptr;
    QAction* m_massime = nullptr;
    QToolBar* m_massimeBar = nullptr;
    QPushButton* m_massimeButton = nullptr;
};

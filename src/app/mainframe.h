#pragma once

#include "windowid.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <map>

class Forms;
class QAction;
class QMainWindow;
class QMenu;
class QPushButton;
class QToolBar;
class QWidget;

/// The toolbar's buttons, left to right; the number is the button's place,
/// which its objectName "Toolbar1_<number>" carries (5, 14 and 19 are separators).
enum class ToolbarButton {
    Apri = 1,
    Salva = 2,
    Cancella = 3,
    Stampa = 4,
    Successione = 6,
    TitoloI = 7,
    TitoloII = 8,
    TitoloIII = 9,
    TitoloIV = 10,
    TitoloV = 11,
    Testamento = 12,
    Massime = 13,
    Guida = 15,
    Suggerimenti = 16,
    Supporto = 17,
    Informazioni = 18,
    Uscita = 20,
};

/// What sets one main window's frame apart from the others'.
struct FrameDescription
{
    int number = 1;                      ///< 1 to 8, the window's place in the order
    WindowId id = WindowId::successione; ///< the window itself
    QString guideName;                   ///< name in the guide question; empty: no question
    WindowId guideWindow = WindowId::guidasuccessione;
    QStringList inlineHelp; ///< lines of the AIUTO message
    bool hasMenu = false;   ///< windows 1, 7 and 8
    QString helpMenuName = QStringLiteral("inter");
    QString suggestionsItemName = QStringLiteral("suggerimenti");
    QString exitItemName = QStringLiteral("usci");
    QString fin2Caption = QStringLiteral("Finestra Norme (Disposizioni generali)");
    QString aiutoTooltip = QStringLiteral("cliccare per visualizzare l'aiuto in linea");
    QString guidainlineaTooltip =
        QStringLiteral("cliccare per visualizzare gli Argomenti della guida");
    QString cmdsuccTooltip = QStringLiteral("cliccare per visualizzare la finestra Successione");
};

/// The frame shared by the eight main windows: the 20-button toolbar, the
/// menu bar of windows 1, 7 and 8, the foot buttons, the switching rule, the
/// guide question and the exit. The window keeps its own file and print
/// actions and tells the frame what toolbar buttons 1 to 4 do.
///
/// Layout: the window's central widget is its area; positions in the area are
/// the window's own (the toolbar sits at its top, like the controls below it).
class MainFrame : public QObject
{
    Q_OBJECT
public:
    MainFrame(QMainWindow& window, Forms& forms, FrameDescription description);

    /// The area of the window (its central widget), where controls go.
    QWidget* area() const { return m_area; }
    /// A toolbar button's action.
    QAction* button(ToolbarButton button) const;

    /// What the file and print buttons (Apri to Stampa) do: the handler
    /// receives the button.
    void setFileButtonHandler(std::function<void(ToolbarButton)> handler);

    /// The "&File" menu (objectName "file"), created on first call; the window
    /// adds its items, then calls finishFileMenu().
    QMenu* fileMenu();
    /// Adds the separator and the exit item, then the menus "visu", help and
    /// the window counter "finestra".
    void finishFileMenu();

    /// Foot buttons with caption, tooltip and objectName of the frame; the
    /// window places them. `aiuto`, `guidainlinea`, `esco`, `cmdavanti`, `cmdsucc`.
    QPushButton* makeFootButton(const QString& name);

    /// The frame's actions, also reachable by the window's own controls.
    void Toolbar1_ButtonClick(ToolbarButton button);
    void openWindow(int number, bool fromToolbar);
    void guideQuestion();
    void showInlineHelp();
    void showGuideWindow();
    /// Shows a small window (tip, support, about) centred on this one.
    void showOver(WindowId id);
    void exit();

    const FrameDescription& description() const { return m_description; }

    static constexpr int toolbarHeightTwips = 570;

protected:
    /// Lets the eight window shortcuts win over the text fields of the window,
    /// which claim Ctrl+A, Ctrl+C and Ctrl+E for themselves.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildToolbar();
    void addButton(ToolbarButton button);
    bool isNormsWindow() const;

    QMainWindow& m_window;
    Forms& m_forms;
    FrameDescription m_description;
    QWidget* m_area = nullptr;
    QToolBar* m_toolbar = nullptr;
    QMenu* m_fileMenu = nullptr;
    std::map<ToolbarButton, QAction*> m_buttons;
    std::function<void(ToolbarButton)> m_fileButtonHandler;
};

/// The window of each number 1 to 8 of the frame's order.
WindowId mainWindowId(int number);

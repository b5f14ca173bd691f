#include "mainframe.h"

#include "confermauscita.h"
#include "forms.h"
#include "prompts.h"
#include "quotaramod.h"
#include "twips.h"
#include "windowsetup.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <optional>

namespace {

struct ButtonInfo
{
    ToolbarButton button;
    const char16_t* tooltip;
};

constexpr ButtonInfo kButtons[] = {
    {ToolbarButton::Apri, u"apri file"},
    {ToolbarButton::Salva, u"salva file"},
    {ToolbarButton::Cancella, u"cancella file"},
    {ToolbarButton::Stampa, u"stampa dati finestra"},
    {ToolbarButton::Successione, u"visualizza finestra Successione"},
    {ToolbarButton::TitoloI, u"visualizza finestra Norme (Disposizioni generali)"},
    {ToolbarButton::TitoloII, u"visualizza finestra Norme (Successioni legittime)"},
    {ToolbarButton::TitoloIII, u"visualizza finestra Norme (Successioni testamentarie)"},
    {ToolbarButton::TitoloIV, u"visualizza finestra Norme (Divisione)"},
    {ToolbarButton::TitoloV, u"visualizza finestra Norme (Donazioni)"},
    {ToolbarButton::Testamento, u"visualizza finestra Testamento"},
    {ToolbarButton::Massime, u"visualizza finestra Massime"},
    {ToolbarButton::Guida, u"guida in linea"},
    {ToolbarButton::Suggerimenti, u"suggerimenti"},
    {ToolbarButton::Supporto, u"supporto prodotto"},
    {ToolbarButton::Informazioni, u"informazioni su Quotara"},
    {ToolbarButton::Uscita, u"uscita da Quotara"},
};

// The toolbar's places; the three between the groups hold separators.
constexpr int kPlaces = 20;
bool isSeparator(int place)
{
    return place == 5 || place == 14 || place == 19;
}

int placeOf(ToolbarButton button)
{
    return static_cast<int>(button);
}

// The number (1 to 8) of the main window a button shows, for the eight that show one.
std::optional<int> windowNumberOf(ToolbarButton button)
{
    const int place = placeOf(button);
    if (place < placeOf(ToolbarButton::Successione) || place > placeOf(ToolbarButton::Massime))
        return std::nullopt;
    return place - placeOf(ToolbarButton::Successione) + 1;
}

struct WindowEntry
{
    const char16_t* name;
    const char16_t* caption;
    Qt::Key key;
};

constexpr WindowEntry kWindowEntries[] = {
    {u"fin1", u"Finestra Successione", Qt::Key_A},
    {u"fin2", u"Finestra Norme (Disposizioni generali)", Qt::Key_B},
    {u"fin3", u"Finestra Norme (Successioni legittime)", Qt::Key_C},
    {u"fin4", u"Finestra Norme (Successioni testamentarie)", Qt::Key_D},
    {u"fin5", u"Finestra Norme (Divisione)", Qt::Key_E},
    {u"fin6", u"Finestra Norme (Donazioni)", Qt::Key_F},
    {u"fin7", u"Finestra Testamento", Qt::Key_G},
    {u"fin8", u"Finestra Massime", Qt::Key_H},
};

QString str(const char16_t* text)
{
    return QString::fromUtf16(text);
}

bool isWindowShortcut(const QKeyEvent& key)
{
    if (key.modifiers() != Qt::ControlModifier)
        return false;
    return std::any_of(std::begin(kWindowEntries), std::end(kWindowEntries),
                       [&key](const WindowEntry& entry) { return entry.key == key.key(); });
}

// The window a toolbar button shows, for the buttons that show one.
std::optional<WindowId> targetOf(ToolbarButton button)
{
    if (const auto number = windowNumberOf(button))
        return mainWindowId(*number);
    switch (button) {
    case ToolbarButton::Guida:
        return WindowId::sommario;
    case ToolbarButton::Suggerimenti:
        return WindowId::frmTip;
    case ToolbarButton::Supporto:
        return WindowId::supportoclienti;
    case ToolbarButton::Informazioni:
        return WindowId::informa;
    default:
        return std::nullopt;
    }
}

} // namespace

WindowId mainWindowId(int number)
{
    static constexpr WindowId ids[] = {
        WindowId::successione, WindowId::titoloI, WindowId::titoloII,   WindowId::titoloIII,
        WindowId::titoloIV,    WindowId::titoloV, WindowId::testamento, WindowId::massime};
    return ids[std::clamp(number, 1, 8) - 1];
}

MainFrame::MainFrame(QMainWindow& window, Forms& forms, FrameDescription description)
    : QObject(&window), m_window(window), m_forms(forms), m_description(std::move(description))
{
    m_area = new QWidget(&window);
    m_area->setObjectName(QStringLiteral("area"));
    window.setCentralWidget(m_area);
    window.setWindowIcon(QIcon(QStringLiteral(":/app/icons/quotara.svg")));
    buildToolbar();
}

bool MainFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != &m_window ||
        !isWindowShortcut(*static_cast<QKeyEvent*>(event)))
        return QObject::eventFilter(watched, event);
    // Not accepted: the key goes to the shortcut, not to the field.
    event->ignore();
    return true;
}

void MainFrame::buildToolbar()
{
    m_toolbar = new QToolBar(m_area);
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setProperty("Tag", QStringLiteral("@W"));
    m_toolbar->setMovable(false);
    m_toolbar->setIconSize(QSize(24, 24));
    m_toolbar->setGeometry(0, 0, Twips::toPixels(9600), Twips::toPixels(toolbarHeightTwips));
    for (int place = 1; place <= kPlaces; ++place) {
        if (isSeparator(place))
            m_toolbar->addSeparator()->setObjectName(QStringLiteral("Toolbar1_%1").arg(place));
        else
            addButton(static_cast<ToolbarButton>(place));
    }
    // Shown when the window is too narrow for every button, as with large fonts.
    if (auto* more = m_toolbar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(QStringLiteral("altri pulsanti della barra degli strumenti"));
    QAction* own = m_buttons.at(
        static_cast<ToolbarButton>(placeOf(ToolbarButton::Successione) + m_description.number - 1));
    own->setCheckable(true);
    own->setChecked(true);
    // A checkable action toggles on every click; the own button stays pressed.
    connect(own, &QAction::toggled, own, [own](bool checked) {
        if (!checked)
            own->setChecked(true);
    });
}

void MainFrame::addButton(ToolbarButton button)
{
    const int place = placeOf(button);
    QAction* action =
        m_toolbar->addAction(QIcon(QStringLiteral(":/app/toolbar/%1.svg").arg(place)), QString());
    connect(action, &QAction::triggered, this, [this, button] { Toolbar1_ButtonClick(button); });
    action->setObjectName(QStringLiteral("Toolbar1_%1").arg(place));
    if (const auto target = targetOf(button))
        action->setEnabled(m_forms.hasFactory(*target));
    const auto info =
        std::find_if(std::begin(kButtons), std::end(kButtons),
                     [button](const ButtonInfo& entry) { return entry.button == button; });
    action->setToolTip(str(info->tooltip));
    action->setText(str(info->tooltip));
    m_buttons[button] = action;
}

QAction* MainFrame::button(ToolbarButton button) const
{
    return m_buttons.at(button);
}

void MainFrame::setFileButtonHandler(std::function<void(ToolbarButton)> handler)
{
    m_fileButtonHandler = std::move(handler);
}

void MainFrame::Toolbar1_ButtonClick(ToolbarButton button)
{
    if (const auto number = windowNumberOf(button)) {
        openWindow(*number, true);
        return;
    }
    if (button == ToolbarButton::Uscita) {
        exit();
        return;
    }
    if (button == ToolbarButton::Guida) {
        m_forms.show(WindowId::sommario);
        return;
    }
    // Tips, support and about open centred over this window.
    if (const auto target = targetOf(button)) {
        showOver(*target);
        return;
    }
    if (m_fileButtonHandler)
        m_fileButtonHandler(button);
}

bool MainFrame::isNormsWindow() const
{
    return m_description.number >= 2 && m_description.number <= 6;
}

void MainFrame::openWindow(int number, bool fromToolbar)
{
    if (number == m_description.number) {
        if (m_description.guideName.isEmpty())
            m_forms.show(m_description.id);
        else
            guideQuestion();
        return;
    }
    const WindowId target = mainWindowId(number);
    if (!m_forms.hasFactory(target))
        return;
    if (isNormsWindow() && fromToolbar)
        m_forms.unload(m_description.id);
    m_forms.show(target);
}

void MainFrame::guideQuestion()
{
    const QString text = QStringLiteral("E' questa la finestra '") + m_description.guideName +
                         QStringLiteral("': si vuole la guida della finestra?");
    if (!m_forms.prompts().ask(&m_window, Quotaramod::titoloaiuto(), text))
        return;
    if (isNormsWindow())
        m_forms.unload(m_description.id);
    m_forms.show(m_description.guideWindow);
}

// The small windows open centred on the window that asked for them.
void MainFrame::showOver(WindowId id)
{
    QWidget* window = m_forms.form(id);
    if (!window)
        return;
    const bool wasOnScreen = window->isVisible();
    m_forms.show(id);
    // Placed once shown, when the size of its frame is known.
    if (!wasOnScreen)
        WindowSetup::centreOver(*window, m_window);
}

void MainFrame::showInlineHelp()
{
    m_forms.prompts().inform(&m_window, Quotaramod::titoloaiuto(),
                             m_description.inlineHelp.join(u'\r'));
}

void MainFrame::showGuideWindow()
{
    m_forms.show(m_description.guideWindow);
}

void MainFrame::exit()
{
    confermauscita(m_forms, &m_window);
}

QMenu* MainFrame::fileMenu()
{
    if (!m_fileMenu) {
        m_fileMenu = m_window.menuBar()->addMenu(QStringLiteral("&File"));
        m_fileMenu->setObjectName(QStringLiteral("file"));
        m_fileMenu->menuAction()->setObjectName(QStringLiteral("file"));
    }
    return m_fileMenu;
}

void MainFrame::finishFileMenu()
{
    QMenu* file = fileMenu();
    file->addSeparator();
    QAction* exitItem = file->addAction(QStringLiteral("Es&ci"), this, &MainFrame::exit);
    exitItem->setObjectName(m_description.exitItemName);

    QMenuBar* bar = m_window.menuBar();
    QMenu* visu = bar->addMenu(QStringLiteral("&Visualizza"));
    visu->setObjectName(QStringLiteral("visu"));
    for (int number = 1; number <= 8; ++number) {
        const WindowEntry& entry = kWindowEntries[number - 1];
        if (number == 2 || number == 7)
            visu->addSeparator();
        const QString caption = number == 2 ? m_description.fin2Caption : str(entry.caption);
        QAction* item =
            visu->addAction(caption, this, [this, number] { openWindow(number, false); });
        item->setObjectName(str(entry.name));
        item->setEnabled(m_forms.hasFactory(mainWindowId(number)));
        item->setShortcut(QKeySequence(Qt::CTRL | entry.key));
        item->setShortcutContext(Qt::WindowShortcut);
        if (number == m_description.number) {
            item->setCheckable(true);
            item->setChecked(true);
            connect(item, &QAction::toggled, item, [item](bool checked) {
                if (!checked)
                    item->setChecked(true);
            });
        }
        m_window.addAction(item);
    }
    // The text fields ask for their keys before any shortcut sees them, so
    // the question is caught for the whole program; only this window's
    // fields are concerned.
    qApp->installEventFilter(this);

    QMenu* help = bar->addMenu(QStringLiteral("&?"));
    help->setObjectName(m_description.helpMenuName);
    const auto addShowItem = [this, help](const QString& caption, const QString& name,
                                          WindowId id) {
        QAction* item = help->addAction(caption, this, [this, id] {
            if (id == WindowId::sommario)
                m_forms.show(id);
            else
                showOver(id);
        });
        item->setObjectName(name);
        item->setEnabled(m_forms.hasFactory(id));
    };
    addShowItem(QStringLiteral("&Guida in linea"), QStringLiteral("guida"), WindowId::sommario);
    addShowItem(QStringLiteral("&Suggerimenti..."), m_description.suggestionsItemName,
                WindowId::frmTip);
    help->addSeparator();
    addShowItem(QStringLiteral("Supporto &prodotto"), QStringLiteral("supporto"),
                WindowId::supportoclienti);
    help->addSeparator();
    addShowItem(QStringLiteral("&Informazioni su Quotara"), QStringLiteral("informazioni"),
                WindowId::informa);

    // The counter's caption keeps its leading blanks, which pushed it to the
    // right end of the bar; here the bar's corner holds it there.
    const QString caption = QStringLiteral("Fi&nestra n.%1 di 8").arg(m_description.number);
    auto* counter = new QAction(QString(139, u' ') + caption, &m_window);
    counter->setObjectName(QStringLiteral("finestra"));
    connect(counter, &QAction::triggered, this, &MainFrame::showGuideWindow);
    m_window.addAction(counter);
    auto* corner = new QToolButton(bar);
    corner->setObjectName(QStringLiteral("finestra_corner"));
    // "&Norme" at the foot owns Alt+N; the counter is for the mouse, and its
    // keyboard road is the window's own entry of "&Visualizza".
    corner->setText(QString(caption).remove(u'&'));
    corner->setFocusPolicy(Qt::NoFocus);
    corner->setAutoRaise(true);
    connect(corner, &QToolButton::clicked, counter, &QAction::trigger);
    bar->setCornerWidget(corner, Qt::TopRightCorner);

    // F10 opens the menu bar from the keyboard, as on other desktops.
    auto* menuKey = new QAction(&m_window);
    menuKey->setObjectName(QStringLiteral("barramenu"));
    menuKey->setShortcut(QKeySequence(Qt::Key_F10));
    menuKey->setShortcutContext(Qt::WindowShortcut);
    connect(menuKey, &QAction::triggered, bar,
            [this, bar] { bar->setActiveAction(fileMenu()->menuAction()); });
    m_window.addAction(menuKey);
}

QPushButton* MainFrame::makeFootButton(const QString& name)
{
    auto* button = new QPushButton(m_area);
    button->setObjectName(name);
    if (name == QStringLiteral("aiuto")) {
        button->setText(QStringLiteral("&AIUTO"));
        button->setToolTip(m_description.aiutoTooltip);
        connect(button, &QPushButton::clicked, this, &MainFrame::showInlineHelp);
    } else if (name == QStringLiteral("guidainlinea")) {
        button->setText(QStringLiteral("&Guida in linea"));
        button->setToolTip(m_description.guidainlineaTooltip);
        connect(button, &QPushButton::clicked, this, [this] { m_forms.show(WindowId::sommario); });
    } else if (name == QStringLiteral("cmdavanti")) {
        button->setText(QStringLiteral("&Norme"));
        button->setToolTip(QStringLiteral("cliccare per visualizzare la finestra Norme"));
        connect(button, &QPushButton::clicked, this, [this] { m_forms.show(WindowId::titoloI); });
    } else if (name == QStringLiteral("cmdsucc")) {
        button->setText(QStringLiteral("&Successione"));
        button->setToolTip(m_description.cmdsuccTooltip);
        connect(button, &QPushButton::clicked, this,
                [this] { m_forms.show(WindowId::successione); });
    } else if (name == QStringLiteral("esco")) {
        button->setText(QStringLiteral("&USCITA"));
        button->setToolTip(Quotaramod::exitTooltip());
        connect(button, &QPushButton::clicked, this, &MainFrame::exit);
    }
    return button;
}

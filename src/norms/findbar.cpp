#include "findbar.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

FindBar::FindBar(QWidget* parent) : QToolBar(parent)
{
    setObjectName(QStringLiteral("barratrova"));
    setMovable(false);
    setFloatable(false);
    setAllowedAreas(Qt::BottomToolBarArea);
    toggleViewAction()->setVisible(false);

    addWidget(new QLabel(QStringLiteral(" Trova: "), this));
    m_trova = new QLineEdit(this);
    m_trova->setObjectName(QStringLiteral("trova"));
    m_trova->setAccessibleName(QStringLiteral("trova negli articoli"));
    m_trova->setClearButtonEnabled(true);
    for (auto* clear : m_trova->findChildren<QToolButton*>())
        clear->setAccessibleName(QStringLiteral("cancella il testo da cercare"));
    m_trova->setToolTip(QStringLiteral("testo da cercare negli articoli della finestra "
                                       "(maiuscole e accenti non contano)"));
    addWidget(m_trova);

    QAction* previous = addAction(QStringLiteral("\u25B2"), this, &FindBar::findPrevious);
    previous->setObjectName(QStringLiteral("precedente"));
    previous->setToolTip(QStringLiteral("risultato precedente (Maiusc+F3)"));
    previous->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_F3)});
    QAction* next = addAction(QStringLiteral("\u25BC"), this, &FindBar::findNext);
    next->setObjectName(QStringLiteral("successivo"));
    next->setToolTip(QStringLiteral("risultato successivo (F3)"));
    next->setShortcuts({QKeySequence(Qt::Key_F3)});
    for (QAction* action : {previous, next})
        action->setShortcutContext(Qt::WindowShortcut);
    // The arrows and the cross are pictures; a screen reader speaks these names.
    widgetForAction(previous)->setAccessibleName(QStringLiteral("risultato precedente"));
    widgetForAction(next)->setAccessibleName(QStringLiteral("risultato successivo"));

    m_esito = new QLabel(this);
    m_esito->setObjectName(QStringLiteral("esito"));
    m_esito->setAccessibleDescription(QStringLiteral("esito della ricerca"));
    m_esito->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("nessun risultato  ")));
    addWidget(m_esito);
    addSeparator();

    addWidget(new QLabel(QStringLiteral(" Vai all'articolo: "), this));
    m_articolo = new QLineEdit(this);
    m_articolo->setObjectName(QStringLiteral("articolo"));
    m_articolo->setAccessibleName(QStringLiteral("vai all'articolo numero"));
    m_articolo->setToolTip(QStringLiteral("numero dell'articolo, per esempio 536 o 768-bis"));
    m_articolo->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("768-quinquies__")));
    addWidget(m_articolo);

    QWidget* spacer = new QWidget(this);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    addWidget(spacer);
    QAction* chiudi = addAction(QStringLiteral("\u2715"), this, &FindBar::close);
    chiudi->setObjectName(QStringLiteral("chiuditrova"));
    chiudi->setToolTip(QStringLiteral("chiudi la barra di ricerca (Esc)"));
    chiudi->setShortcut(QKeySequence(Qt::Key_Escape));
    chiudi->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    widgetForAction(chiudi)->setAccessibleName(QStringLiteral("chiudi la barra di ricerca"));

    if (auto* more = findChild<QWidget*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(QStringLiteral("altri comandi della barra di ricerca"));

    connect(m_trova, &QLineEdit::textChanged, this, &FindBar::findTextChanged);
    connect(m_trova, &QLineEdit::returnPressed, this, &FindBar::findNext);
    connect(m_articolo, &QLineEdit::returnPressed, this,
            [this] { Q_EMIT goToArticle(m_articolo->text()); });
    hide();
}

void FindBar::openFind()
{
    show();
    m_trova->setFocus(Qt::ShortcutFocusReason);
    m_trova->selectAll();
}

void FindBar::openArticle()
{
    show();
    m_articolo->setFocus(Qt::ShortcutFocusReason);
    m_articolo->selectAll();
}

void FindBar::setStatus(const QString& text)
{
    m_esito->setText(text);
}

QString FindBar::status() const
{
    return m_esito->text();
}

void FindBar::close()
{
    hide();
    Q_EMIT closed();
}

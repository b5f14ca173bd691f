#include "normswindow.h"
#include "app/fonts.h"

#include "app/forms.h"
#include "app/maximopener.h"
#include "app/quotaramod.h"
#include "app/twips.h"
#include "app/windowsetup.h"
#include "articlelinks.h"
#include "findbar.h"
#include "maxims/maximtable.h"
#include "output/document.h"
#include "output/documentpresenter.h"
#include "stampanorme.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTextBlock>
#include <QToolBar>
#include <algorithm>

namespace {

struct PaneGeometry
{
    int top;
    int height;
};

/// Where the panes stand inside Frame3, by how many there are.
QVector<PaneGeometry> paneGeometries(std::size_t count)
{
    switch (count) {
    case 1:
        return {{240, 4455}};
    case 2:
        return {{240, 2175}, {2520, 2175}};
    default:
        return {{240, 1410}, {1680, 1410}, {3120, 1410}};
    }
}

// A pane inside the frame would otherwise take the frame's heading as its name.
QString paneName(const Norms::PaneDescription& pane)
{
    return QStringLiteral("testo degli articoli da %1 a %2 del Codice Civile")
        .arg(pane.firstArticle)
        .arg(pane.lastArticle);
}

/// The maxims, read once for every norms window.
const MaximTable& maxims()
{
    static const MaximTable table = MaximTable::load();
    return table;
}

/// The label under which the maxims name an article; a run of repealed articles has none.
QString maximLabel(const Norms::Article* article)
{
    return article && article->first == article->last ? article->label : QString();
}

void scrollToTop(QPlainTextEdit* pane)
{
    pane->moveCursor(QTextCursor::Start);
    pane->verticalScrollBar()->setValue(0);
}

} // namespace

FrameDescription NormsWindow::frameDescription(const Norms::TitleDescription& title)
{
    FrameDescription description;
    description.number = title.frameNumber;
    description.id = title.id;
    description.guideName = title.guideName;
    description.guideWindow = WindowId::guidanorme;
    description.inlineHelp = {
        QStringLiteral("- La finestra è di sola lettura;"),
        QStringLiteral(
            "- clicca su un tasto in alto per visualizzare le altre norme del Codice Civile.")};
    description.hasMenu = false;
    description.aiutoTooltip = QStringLiteral("clicca per avere gli aiuti in linea");
    description.guidainlineaTooltip =
        QStringLiteral("clicca per visualizzare il Sommario della guida");
    description.cmdsuccTooltip = QStringLiteral("clicca per visualizzare la finestra Menu");
    return description;
}

NormsWindow::NormsWindow(Forms& forms, const Norms::TitleDescription& title, QWidget* parent)
    : QMainWindow(parent), m_forms(forms), m_title(title),
      m_frame(*this, forms, frameDescription(title))
{
    setWindowTitle(m_title.caption);
    buildControls();
    Form_Load();
}

void NormsWindow::buildControls()
{
    QWidget* area = m_frame.area();
    area->setFont(Fonts::sansSerif(8.25, false));

    auto* frame3 = new QGroupBox(m_title.frameHeading, area);
    frame3->setObjectName(QStringLiteral("Frame3"));
    frame3->setGeometry(Twips::rect(120, 600, 9255, 4815));
    frame3->setFont(Fonts::sansSerif(8.25, true));
    // A style sheet colours the heading alone; a palette would pass the colour to the panes.
    frame3->setStyleSheet(QStringLiteral("QGroupBox#Frame3 { color: rgb(0, 0, 192); }"));

    // The date stands in the frame's caption row, right-aligned, so that the
    // panes keep their place and size.
    auto* vigenza = new QLabel(Norms::currencyNotice(), frame3);
    vigenza->setObjectName(QStringLiteral("vigenza"));
    vigenza->setAccessibleName(vigenza->text());
    vigenza->setGeometry(Twips::rect(5535, 0, 3600, 225));
    vigenza->setFont(Fonts::sansSerif(8.25, false));
    vigenza->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    vigenza->setAutoFillBackground(true);

    const QStringList texts = Norms::paneTexts(m_title);
    const QVector<PaneGeometry> geometries = paneGeometries(m_title.panes.size());
    for (qsizetype i = 0; i < texts.size(); ++i) {
        auto* pane = new QPlainTextEdit(frame3);
        pane->setObjectName(QStringLiteral("Text%1").arg(i + 1));
        pane->setAccessibleName(paneName(m_title.panes.at(static_cast<std::size_t>(i))));
        pane->setGeometry(Twips::rect(120, geometries.at(i).top, 9015, geometries.at(i).height));
        pane->setFont(Fonts::sansSerif(8.25, false));
        pane->setReadOnly(true);
        pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        pane->setPlainText(texts.at(i));
        m_panes.append(pane);
        m_foldedPanes.append(Norms::FoldedText(texts.at(i)));
        linkPane(static_cast<int>(i));
    }

    m_frame.makeFootButton(QStringLiteral("aiuto"))->setGeometry(Twips::rect(120, 5760, 1095, 375));
    m_frame.makeFootButton(QStringLiteral("guidainlinea"))
        ->setGeometry(Twips::rect(1200, 5760, 1111, 375));

    m_passo = WindowSetup::passo(
        area, WindowSetup::passoTwips,

        QStringLiteral("indicazioni sulla corretta procedura di gestione dei dati"));

    m_frame.makeFootButton(QStringLiteral("cmdsucc"))
        ->setGeometry(Twips::rect(7200, 5760, 1095, 375));
    m_frame.makeFootButton(QStringLiteral("esco"))->setGeometry(Twips::rect(8280, 5760, 1095, 375));

    for (const ToolbarButton button :
         {ToolbarButton::Apri, ToolbarButton::Salva, ToolbarButton::Cancella})
        m_frame.button(button)->setEnabled(false);
    m_frame.setFileButtonHandler([this](ToolbarButton button) { toolbarFileButton(button); });

    m_findBar = new FindBar(this);
    addToolBar(Qt::BottomToolBarArea, m_findBar);
    m_findBar->hide();
    // The bar, and the maxims row shown with it, take their room from the window,
    // not from the panes and passo: a higher minimum grows the window, the lower
    // one lets it shrink back.
    connect(m_findBar, &QToolBar::visibilityChanged, this, [this](bool visible) {
        if (visible == (m_findBarRoom > 0))
            return;
        const int change = visible
                               ? m_findBar->sizeHint().height() + m_massimeBar->sizeHint().height()
                               : -m_findBarRoom;
        m_findBarRoom += change;
        setMinimumHeight(minimumHeight() + change);
        if (!visible)
            resize(width(), height() + change);
    });
    connect(m_findBar, &FindBar::findTextChanged, this, &NormsWindow::find);
    connect(m_findBar, &FindBar::findNext, this, &NormsWindow::findNext);
    connect(m_findBar, &FindBar::findPrevious, this, &NormsWindow::findPrevious);
    connect(m_findBar, &FindBar::goToArticle, this, &NormsWindow::vaiAllArticolo);

    // A row of its own: the find bar has no room left at the window's width.
    m_massimeBar = new QToolBar(this);
    m_massimeBar->setObjectName(QStringLiteral("barramassime"));
    m_massimeBar->setMovable(false);
    m_massimeBar->setFloatable(false);
    m_massimeBar->toggleViewAction()->setVisible(false);
    m_massimeBar->setAccessibleName(QStringLiteral("barra delle massime sull'articolo"));
    if (auto* more = m_massimeBar->findChild<QWidget*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(QStringLiteral("altri comandi della barra delle massime"));
    m_massimeButton = new QPushButton(QStringLiteral("Massime su questo articolo"), m_massimeBar);
    m_massimeButton->setObjectName(QStringLiteral("massimearticolo"));
    m_massimeButton->setEnabled(false);
    m_massimeBar->addWidget(m_massimeButton);
    addToolBarBreak(Qt::BottomToolBarArea);
    addToolBar(Qt::BottomToolBarArea, m_massimeBar);
    m_massimeBar->hide();
    connect(m_massimeButton, &QPushButton::clicked, this, &NormsWindow::massimeSuArticolo);
    connect(m_findBar, &QToolBar::visibilityChanged, m_massimeBar, &QToolBar::setVisible);

    auto* openFind = new QAction(this);
    openFind->setObjectName(QStringLiteral("apritrova"));
    openFind->setShortcut(QKeySequence::Find);
    connect(openFind, &QAction::triggered, this, &NormsWindow::openFindBar);
    auto* openArticle = new QAction(this);
    openArticle->setObjectName(QStringLiteral("apriarticolo"));
    openArticle->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    connect(openArticle, &QAction::triggered, m_findBar, &FindBar::openArticle);
    m_massime = new QAction(QStringLiteral("Massime su questo articolo"), this);
    m_massime->setObjectName(QStringLiteral("massimesuarticolo"));
    m_massime->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    m_massime->setEnabled(false);
    connect(m_massime, &QAction::triggered, this, &NormsWindow::massimeSuArticolo);
    addActions({openFind, openArticle, m_massime});
}

// Links the references the law makes inside a pane; the "Art. 456" that opens
// an entry names the entry itself and is no link.
void NormsWindow::linkPane(int index)
{
    QVector<Norms::TextSpan> heads;
    for (const Norms::Article& article : Norms::ArticleIndex::codice().articles()) {
        if (article.title == m_title.id && article.pane == index)
            heads.append({article.position, 5 + article.label.size()});
    }
    const auto inHead = [heads](const Norms::ArticleReference& reference) {
        return std::any_of(heads.cbegin(), heads.cend(), [&reference](const Norms::TextSpan& head) {
            return head.start <= reference.span.start &&
                   reference.span.start < head.start + head.length;
        });
    };
    const ArticleLinks::Finder prose = ArticleLinks::prose();
    ArticleLinks::attach(m_panes.at(index), m_forms, [prose, inHead](const QString& text) {
        QVector<Norms::ArticleReference> references = prose(text);
        references.removeIf(inHead);
        return references;
    });
    // Paging moves the view with the scroll bar's signals blocked: watch the view itself.
    connect(m_panes.at(index), &QPlainTextEdit::cursorPositionChanged, this,
            [this, index] { cursorMoved(index); });
    connect(m_panes.at(index), &QPlainTextEdit::updateRequest, this, [this](const QRect&, int dy) {
        if (dy != 0)
            paneScrolled();
    });
}

void NormsWindow::paneScrolled()
{
    if (m_placing || !m_highlighted)
        return;
    m_highlighted = nullptr;
    highlight();
}

void NormsWindow::cursorMoved(int pane)
{
    const qsizetype position = m_panes.at(pane)->textCursor().position();
    for (const Norms::Article& article : Norms::ArticleIndex::codice().articles()) {
        if (article.title == m_title.id && article.pane == pane && article.position <= position &&
            position <= article.position + article.text.size()) {
            setCurrentArticle(&article);
            return;
        }
    }
    setCurrentArticle(nullptr);
}

void NormsWindow::setCurrentArticle(const Norms::Article* article)
{
    m_currentArticle = article;
    const QString label = maximLabel(article);
    const bool offered = !label.isEmpty() && !maxims().maximsOnArticle(label).isEmpty();
    m_massime->setEnabled(offered);
    m_massimeButton->setEnabled(offered);
    m_massimeButton->setToolTip(offered ? QStringLiteral("le massime della giurisprudenza "
                                                         "sull'art. ") +
                                              label + QStringLiteral(" (Ctrl+M)")
                                        : QStringLiteral("nessuna massima su questo articolo"));
    m_massimeButton->setAccessibleName(QStringLiteral("Massime su questo articolo") +
                                       (offered ? QStringLiteral(", art. ") + label : QString()));
}

bool NormsWindow::massimeSuArticolo()
{
    const QVector<MaximRef> found = maxims().maximsOnArticle(maximLabel(m_currentArticle));
    if (found.isEmpty())
        return false;
    auto* opener = dynamic_cast<MaximOpener*>(m_forms.show(WindowId::massime));
    if (!opener)
        return false;
    opener->mostraMassima(found.first().topic, found.first().number);
    return true;
}

void NormsWindow::Form_Load()
{
    WindowSetup::open(*this, m_resize, m_frame.area(), WindowSetup::mainWindowTwips);
    m_frame.area()
        ->findChild<QPushButton*>(QStringLiteral("esco"))
        ->setToolTip(QStringLiteral("cliccare per uscire da ") + Quotaramod::nomeprogramma());
    m_passo->setText(
        QStringLiteral("consulta gli articoli o passa alle altre disposizioni del Codice Civile "
                       "usando i tasti della barra degli strumenti, in alto nella finestra"));
    for (QPlainTextEdit* pane : std::as_const(m_panes))
        scrollToTop(pane);
}

void NormsWindow::toolbarFileButton(ToolbarButton button)
{
    // Open, save and delete have nothing to act on in a read-only window.
    if (button == ToolbarButton::Stampa)
        stampanorme();
}

void NormsWindow::stampanorme()
{
    m_passo->setText(DocumentPresenter::loadingStatus());
    Document document;
    Norms::stampanorme(document, m_title);
    const Presentation shown =
        m_forms.presenter().present(document.textDocument(), QStringLiteral("norme"));
    m_passo->setText(shown.status());
}

void NormsWindow::openFindBar()
{
    m_findBar->openFind();
    if (!m_findBar->findField()->text().isEmpty())
        find(m_findBar->findField()->text());
}

int NormsWindow::find(const QString& text)
{
    m_matches.clear();
    m_current = -1;
    m_highlighted = nullptr;
    for (int pane = 0; pane < m_foldedPanes.size(); ++pane) {
        const QVector<Norms::TextSpan> spans = m_foldedPanes.at(pane).findAll(text);
        for (const Norms::TextSpan& span : spans)
            m_matches.append({pane, span});
    }
    if (m_matches.isEmpty()) {
        clearSelections();
        highlight();
        updateStatus();
        return 0;
    }
    showMatch(0);
    return static_cast<int>(m_matches.size());
}

void NormsWindow::findNext()
{
    if (m_matches.isEmpty())
        return;
    showMatch((m_current + 1) % static_cast<int>(m_matches.size()));
}

void NormsWindow::findPrevious()
{
    if (m_matches.isEmpty())
        return;
    const int count = static_cast<int>(m_matches.size());
    showMatch((m_current - 1 + count) % count);
}

void NormsWindow::showMatch(int index)
{
    m_current = index;
    const Match& match = m_matches.at(index);
    QPlainTextEdit* pane = m_panes.at(match.pane);
    clearSelections();
    QTextCursor cursor(pane->document());
    cursor.setPosition(static_cast<int>(match.span.start));
    cursor.setPosition(static_cast<int>(match.span.start + match.span.length),
                       QTextCursor::KeepAnchor);
    pane->setTextCursor(cursor);
    pane->centerCursor();
    highlight();
    updateStatus();
}

// Only the current match is selected: a match shown earlier in another pane,
// or for a shorter text typed on the way, must not stay marked.
void NormsWindow::clearSelections()
{
    for (QPlainTextEdit* pane : std::as_const(m_panes)) {
        QTextCursor cursor = pane->textCursor();
        cursor.clearSelection();
        pane->setTextCursor(cursor);
    }
}

void NormsWindow::highlight()
{
    QVector<QList<QTextEdit::ExtraSelection>> selections(m_panes.size());
    if (m_highlighted && m_highlighted->pane < m_panes.size()) {
        QTextEdit::ExtraSelection selection;
        selection.cursor = QTextCursor(m_panes.at(m_highlighted->pane)->document());
        selection.cursor.setPosition(static_cast<int>(m_highlighted->position));
        selection.cursor.setPosition(
            static_cast<int>(m_highlighted->position + m_highlighted->text.size()),
            QTextCursor::KeepAnchor);
        selection.format.setBackground(QColor(200, 230, 255));
        selections[m_highlighted->pane].append(selection);
    }
    for (int i = 0; i < m_matches.size(); ++i) {
        const Match& match = m_matches.at(i);
        QTextEdit::ExtraSelection selection;
        selection.cursor = QTextCursor(m_panes.at(match.pane)->document());
        selection.cursor.setPosition(static_cast<int>(match.span.start));
        selection.cursor.setPosition(static_cast<int>(match.span.start + match.span.length),
                                     QTextCursor::KeepAnchor);
        selection.format.setBackground(i == m_current ? QColor(255, 150, 0) : QColor(255, 255, 0));
        selections[match.pane].append(selection);
    }
    for (int pane = 0; pane < m_panes.size(); ++pane)
        m_panes.at(pane)->setExtraSelections(selections.at(pane));
}

void NormsWindow::updateStatus()
{
    if (m_findBar->findField()->text().isEmpty())
        m_findBar->setStatus(QString());
    else if (m_matches.isEmpty())
        m_findBar->setStatus(QStringLiteral("nessun risultato"));
    else
        m_findBar->setStatus(QStringLiteral("%1 di %2").arg(m_current + 1).arg(m_matches.size()));
}

bool NormsWindow::vaiAllArticolo(const QString& number)
{
    const Norms::Article* article = Norms::ArticleIndex::codice().find(number);
    if (!article) {
        m_findBar->setStatus(QStringLiteral("articolo non trovato"));
        return false;
    }
    if (article->title == m_title.id) {
        m_findBar->setStatus(QStringLiteral("Art. ") + article->label);
        showArticle(*article);
        return true;
    }
    m_forms.unload(m_title.id);
    auto* target = qobject_cast<NormsWindow*>(m_forms.show(article->title));
    if (target)
        target->showArticle(*article);
    return target != nullptr;
}

void NormsWindow::showArticle(const Norms::Article& article)
{
    QPlainTextEdit* pane = m_panes.value(article.pane);
    if (!pane)
        return;
    const QScopedValueRollback placing(m_placing, true);
    // Scrolling to the end first makes the entry's line come to the top, not the bottom.
    pane->moveCursor(QTextCursor::End);
    pane->ensureCursorVisible();
    pane->setTextCursor(QTextCursor(pane->document()->findBlockByNumber(article.line)));
    pane->ensureCursorVisible();
    m_highlighted = &article;
    highlight();
}

#include "massime.h"
#include "app/fonts.h"

#include "app/forms.h"
#include "app/numbers.h"
#include "app/prompts.h"
#include "app/quotaramod.h"
#include "app/twips.h"
#include "app/windowsetup.h"
#include "maximprintout.h"
#include "norms/articlelinks.h"
#include "output/document.h"
#include "output/documentpresenter.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

namespace {

const QString kYellowBox = QStringLiteral("background-color: #ffff00; color: #000080;");

QLabel* yellowBox(QWidget* area, const QString& name, double points, const QString& tooltip)
{
    auto* label = new QLabel(area);
    label->setObjectName(name);
    label->setStyleSheet(kYellowBox);
    label->setFont(Fonts::sansSerif(points));
    label->setToolTip(tooltip);
    return label;
}

QString endMarker()
{
    return QStringLiteral(
        "     ----- non esistono altre massime da visualizzare sull'argomento -----");
}

} // namespace

FrameDescription Massime::frameDescription()
{
    FrameDescription description;
    description.number = 8;
    description.id = WindowId::massime;
    description.guideWindow = WindowId::guidamassime;
    description.inlineHelp = {
        QStringLiteral("- Scegliere uno degli argomenti elencati sulla sinistra della finestra;"),
        QStringLiteral(
            "- visualizzare le sentenze disponibili usando la barra di scorrimento orizzontale;"),
        QStringLiteral("- stampare la singola sentenza cliccando sul tasto Stampa;"),
        QStringLiteral("- stampare tutte le sentenze dell'argomento scelto cliccando su "
                       "File...Stampa nella barra dei menu;"),
        QStringLiteral("- visualizzare il numero di sentenze disponibili nella casella gialla."),
    };
    description.hasMenu = true;
    description.fin2Caption = QStringLiteral("Finestra Norme (Disposizioni genarali)");
    return description;
}

Massime::Massime(Forms& forms, QWidget* parent)
    : QMainWindow(parent), m_forms(forms), m_frame(*this, forms, frameDescription()),
      m_tabellamassime(MaximTable::load())
{
    setWindowTitle(QStringLiteral("Clienti: massime"));
    setStyleSheet(QStringLiteral("Massime, QWidget#area { background-color: #c0c0c0; }"));
    buildMenu();
    buildControls();
    m_frame.setFileButtonHandler([this](ToolbarButton) { stampa_Click(); });
    Form_Load();
}

void Massime::buildMenu()
{
    QMenu* file = m_frame.fileMenu();
    const auto disabledItem = [file](const QString& caption, const QString& name) {
        QAction* item = file->addAction(caption);
        item->setObjectName(name);
        item->setEnabled(false);
    };
    disabledItem(QStringLiteral("Apri..."), QStringLiteral("apri"));
    disabledItem(QStringLiteral("Salva"), QStringLiteral("salva"));
    disabledItem(QStringLiteral("Salva con nome ..."), QStringLiteral("salvanome"));
    disabledItem(QStringLiteral("&Elimina..."), QStringLiteral("eliminare"));
    QMenu* stam = file->addMenu(QStringLiteral("S&tampa"));
    stam->setObjectName(QStringLiteral("stam"));
    stam->menuAction()->setObjectName(QStringLiteral("stam"));
    QAction* stampa =
        stam->addAction(QStringLiteral("&Sentenza visualizzata"), this, &Massime::stampa_Click);
    stampa->setObjectName(QStringLiteral("stampa"));
    QAction* stampatutte = stam->addAction(QStringLiteral("&Tutte le sentenze dell'argomento"),
                                           this, &Massime::stampatutte_Click);
    stampatutte->setObjectName(QStringLiteral("stampatutte"));
    m_frame.finishFileMenu();
}

void Massime::buildControls()
{
    QWidget* area = m_frame.area();

    m_label1 = yellowBox(area, QStringLiteral("Label1"), 12,
                         QStringLiteral("totale delle sentenze disponibili nella corrente "
                                        "versione del programma"));
    m_label1->setGeometry(Twips::rect(120, 600, 2535, 375));

    m_list1 = new QListWidget(area);
    m_list1->setObjectName(QStringLiteral("List1"));
    m_list1->setAccessibleName(QStringLiteral("argomenti delle massime"));
    m_list1->setStyleSheet(QStringLiteral("background-color: white;"));
    m_list1->setGeometry(Twips::rect(120, 1080, 2535, 4350));
    // A long topic goes on two lines rather than under a scroll bar.
    m_list1->setWordWrap(true);
    m_list1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_label2 = yellowBox(area, QStringLiteral("Label2"), 13.5,
                         QStringLiteral("argomento relativo alle massime visualizzate"));
    m_label2->setGeometry(Twips::rect(2760, 600, 6615, 495));

    m_hscroll1 = new QScrollBar(Qt::Horizontal, area);
    m_hscroll1->setObjectName(QStringLiteral("HScroll1"));
    m_hscroll1->setAccessibleName(QStringLiteral("massima dell'argomento da visualizzare"));
    m_hscroll1->setGeometry(Twips::rect(2760, 1200, 5415, 375));
    m_hscroll1->setRange(1, 100);
    m_hscroll1->setSingleStep(1);
    m_hscroll1->setPageStep(5);
    m_hscroll1->setValue(1);
    // The maxim changes when a dragged thumb is released, not while it moves.
    m_hscroll1->setTracking(false);
    // The arrows, Page Up/Down, Home and End step through the maxims.
    m_hscroll1->setFocusPolicy(Qt::StrongFocus);
    m_hscroll1->installEventFilter(this);

    m_conta = yellowBox(area, QStringLiteral("conta"), 13.5,
                        QStringLiteral("numero della massima dell'argomento scelto"));
    m_conta->setGeometry(Twips::rect(8280, 1200, 1095, 375));
    m_conta->setText(QStringLiteral(" "));

    m_sent = new QPlainTextEdit(area);
    m_sent->setObjectName(QStringLiteral("sent"));
    m_sent->setAccessibleName(QStringLiteral("testo della massima"));
    m_sent->setGeometry(Twips::rect(2760, 1680, 6615, 3570));
    m_sent->setReadOnly(true);
    m_sent->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_sent->setStyleSheet(QStringLiteral("background-color: white; color: #000080;"));
    m_sent->setFont(Fonts::sansSerif(9.75));
    m_sent->setTabChangesFocus(true);
    m_sent->installEventFilter(this);
    ArticleLinks::attach(m_sent, m_forms, ArticleLinks::prose());

    // Under the maxim, in the strip above the status line.
    m_articoli = new QLabel(area);
    m_articoli->setObjectName(QStringLiteral("articolimassima"));
    m_articoli->setGeometry(Twips::rect(2760, 5265, 6615, 240));
    m_articoli->setFont(Fonts::sansSerif(8.25));
    m_articoli->setTextFormat(Qt::RichText);
    m_articoli->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_articoli->setFocusPolicy(Qt::StrongFocus);
    m_articoli->setToolTip(QStringLiteral("gli articoli del Codice Civile applicati dalla "
                                          "massima: cliccare per leggerli"));
    m_articoli->setAccessibleName(
        QStringLiteral("articoli del Codice Civile applicati dalla massima"));
    connect(m_articoli, &QLabel::linkActivated, this,
            [this](const QString& link) { ArticleLinks::open(m_forms, link); });

    m_frame.makeFootButton(QStringLiteral("aiuto"))->setGeometry(Twips::rect(120, 5760, 1095, 375));
    m_frame.makeFootButton(QStringLiteral("guidainlinea"))
        ->setGeometry(Twips::rect(1200, 5760, 1095, 375));

    m_passo = WindowSetup::passo(area, WindowSetup::passoTwips,
                                 QStringLiteral("indicazioni sulla procedura e sul numero di "
                                                "massime disponibili"));
    m_passo->setStyleSheet(kYellowBox);

    m_stampiamo = new QPushButton(QStringLiteral("&Stampa"), area);
    m_stampiamo->setObjectName(QStringLiteral("stampiamo"));
    m_stampiamo->setToolTip(QStringLiteral("cliccare per stampare la sentenza visualizzata"));
    m_stampiamo->setGeometry(Twips::rect(7200, 5760, 1095, 375));

    m_frame.makeFootButton(QStringLiteral("esco"))->setGeometry(Twips::rect(8280, 5760, 1095, 375));

    connect(m_list1, &QListWidget::currentRowChanged, this, &Massime::List1_Click);
    connect(m_hscroll1, &QScrollBar::valueChanged, this, &Massime::HScroll1_Change);
    connect(m_stampiamo, &QPushButton::clicked, this, &Massime::stampiamo_Click);
}

// The arrows, Page Up/Down, Home and End step through the maxims on the
// scroll bar; Left and Right also from the text, which has no cursor to move.
bool Massime::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched != m_sent && watched != m_hscroll1) || event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() != Qt::NoModifier && key->modifiers() != Qt::KeypadModifier)
        return QMainWindow::eventFilter(watched, event);
    QAbstractSlider::SliderAction action = QAbstractSlider::SliderNoAction;
    switch (key->key()) {
    case Qt::Key_Left:
        action = QAbstractSlider::SliderSingleStepSub;
        break;
    case Qt::Key_Right:
        action = QAbstractSlider::SliderSingleStepAdd;
        break;
    case Qt::Key_PageUp:
        action = QAbstractSlider::SliderPageStepSub;
        break;
    case Qt::Key_PageDown:
        action = QAbstractSlider::SliderPageStepAdd;
        break;
    case Qt::Key_Home:
        action = QAbstractSlider::SliderToMinimum;
        break;
    case Qt::Key_End:
        action = QAbstractSlider::SliderToMaximum;
        break;
    default:
        break;
    }
    const bool fromText = watched == m_sent;
    if (action == QAbstractSlider::SliderNoAction ||
        (fromText && action != QAbstractSlider::SliderSingleStepSub &&
         action != QAbstractSlider::SliderSingleStepAdd))
        return QMainWindow::eventFilter(watched, event);
    m_hscroll1->triggerAction(action);
    return true;
}

void Massime::Form_Load()
{
    WindowSetup::open(*this, m_resize, m_frame.area(), WindowSetup::mainWindowTwips);

    for (int topic = 1; topic <= MaximTable::topicCount; ++topic)
        m_list1->addItem(MaximTable::listItem(topic, m_tabellamassime.argomento(topic)));
    m_label1->setText(Numbers::blankLed(m_tabellamassime.totale()) +
                      QStringLiteral(" massime totali"));
    m_passo->setText(QStringLiteral(
        "scegliere l'argomento di cui si vuole visualizzare le massime disponibili"));
}

void Massime::List1_Click(int row)
{
    if (row < 0)
        return;
    m_hscroll1->setValue(1);
    m_argomento = row + 1;
    m_numero = 1;
    showNumber(1);
    showMaxim(1);
    const QString name = m_tabellamassime.argomento(m_argomento);
    m_list1->setToolTip(QStringLiteral("argomento scelto: ") + name);
    m_label2->setText(name);
    contamassime();
}

void Massime::contamassime()
{
    m_totale = m_tabellamassime.contamassime(m_argomento);
    m_passo->setText(QStringLiteral("visualizzazione delle ") + Numbers::blankLed(m_totale) +
                     QStringLiteral(" massime relative all'argomento scelto"));
}

void Massime::HScroll1_Change(int value)
{
    m_numero = value;
    if (m_numero > m_totale) {
        showEndMarker();
        return;
    }
    showNumber(m_numero);
    showMaxim(m_numero);
}

void Massime::showMaxim(int number)
{
    m_sent->setPlainText(m_tabellamassime.massima(m_argomento, number));
    const QStringList articoli = m_tabellamassime.articoli(m_argomento, number);
    if (articoli.isEmpty()) {
        m_articoli->clear();
        return;
    }
    m_articoli->setText(
        QStringLiteral("Articoli applicati: ") +
        ArticleLinks::html(articoli.join(QStringLiteral(", ")), ArticleLinks::numbers()));
}

void Massime::mostraMassima(int topic, int number)
{
    if (topic < 1 || topic > MaximTable::topicCount)
        return;
    m_list1->setCurrentRow(topic - 1);
    m_hscroll1->setValue(number);
}

// The bar rests one step past the last maxim, never further.
void Massime::showEndMarker()
{
    m_sent->setPlainText(endMarker());
    m_articoli->clear();
    showNumber(m_totale + 1);
    const QSignalBlocker blocker(m_hscroll1);
    m_hscroll1->setValue(m_totale + 1);
    m_numero = m_totale + 1;
}

void Massime::showNumber(int number)
{
    m_shown = number;
    m_conta->setText(QString::number(number));
}

void Massime::stampa_Click()
{
    if (m_totale == 0) {
        m_forms.prompts().warn(
            this, Quotaramod::titolocontrollo(),
            QStringLiteral("Non vi è nulla da stampare: scegliere un argomento da visualizzare."));
        return;
    }
    if (m_shown > m_totale) {
        m_forms.prompts().warn(
            this, Quotaramod::titolocontrollo(),
            QStringLiteral("Non vi è nulla da stampare: le massime "
                           "dell'argomento sono finite, tornare a una di esse."));
        return;
    }
    m_passo->setText(DocumentPresenter::loadingStatus());
    // The maxim on display and, for all of them, every one that follows it.
    const int first = m_shown;
    const int last = m_stampatutto == 1 ? m_totale : first;
    Document document;
    MaximPrintout printout(document, m_label2->text());
    for (int number = first; number <= last; ++number)
        printout.addMaxim(number, m_tabellamassime.massima(m_argomento, number));
    printout.finish();
    const Presentation shown =
        m_forms.presenter().present(document.textDocument(), windowName(WindowId::massime));
    if (m_stampatutto == 1)
        showEndMarker();
    m_passo->setText(shown.status(QStringLiteral("ho visualizzato il testo su WORD")));
}

void Massime::stampatutte_Click()
{
    m_stampatutto = 1;
    stampa_Click();
    m_stampatutto = 0;
}

void Massime::stampiamo_Click()
{
    stampa_Click();
}

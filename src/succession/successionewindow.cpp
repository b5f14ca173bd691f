#include "successionewindow.h"
#include "app/accessibility.h"
#include "app/fonts.h"
#include "app/forms.h"
#include "app/prompts.h"
#include "app/quotaramod.h"
#include "app/twips.h"
#include "app/windowsetup.h"
#include "graficowindow.h"
#include "gridcasetaker.h"
#include "norms/articlelinks.h"
#include "output/document.h"
#include "output/documentpresenter.h"
#include "report.h"
#include "resultnames.h"
#include "successiontexts.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kYellow = u"background-color: #ffff00;"_s;
const QString kCyan = u"background-color: #00ffff;"_s;

constexpr int kRowHeight = 255;

QLabel* caption(QWidget* parent, const QString& name, const QString& text, const QString& tooltip,
                const QRect& twips)
{
    auto* label = WindowSetup::control<QLabel>(parent, name, twips, tooltip);
    label->setText(text);
    label->setStyleSheet(kYellow);
    return label;
}

// An amount keeps a gap from the fraction of the next column, which
// "max metà" fills almost whole.
QLabel* resultLabel(QWidget* parent, const QString& name, const QRect& twips,
                    Qt::Alignment alignment)
{
    auto* label = WindowSetup::control<QLabel>(parent, name, twips);
    label->setStyleSheet(kCyan);
    if (alignment & Qt::AlignRight)
        label->setContentsMargins(0, 0, 4, 0);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

QPlainTextEdit* fixedText(QWidget* parent, const QString& name, const QString& text,
                          const QString& tooltip, const QString& style, const QRect& twips)
{
    auto* box = WindowSetup::control<QPlainTextEdit>(parent, name, twips, tooltip);
    box->setPlainText(text);
    box->setReadOnly(true);
    box->setStyleSheet(style);
    return box;
}

QLineEdit* textBox(QWidget* parent, const QString& name, const QString& tooltip, const QRect& twips)
{
    return WindowSetup::control<QLineEdit>(parent, name, twips, tooltip);
}

// A combo box whose text the user may also type; typing must not complete
// or add items, so that the typed text is what the handlers see.
QComboBox* comboBox(QWidget* parent, const QString& name, const QString& tooltip,
                    const QRect& twips)
{
    auto* box = WindowSetup::control<QComboBox>(parent, name, twips, tooltip);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    return box;
}

struct RowDescription
{
    const char16_t* labelName;
    const char16_t* labelText;
    const char16_t* tooltip;
    const char16_t* fractionName;
};

// By result row, top to bottom.
constexpr int kRowTops[resultRows.size()] = {1200, 1440, 1680, 1920, 2160, 2520, 2760, 3000};

constexpr RowDescription kRows[resultRows.size()] = {
    {u"Label4", u"figli n. ",
     u"indica il numero di figli che partecipano alla divisione ereditaria", u"quotafigli"},
    {u"Label6", u"ascendenti n. ",
     u"indica il numero di ascendenti che partecipano alla divisione ereditaria",
     u"quotaascendenti"},
    {u"Label7", u"coniuge", u"indica se il coniuge partecipa alla divisione ereditaria",
     u"quotaconiuge"},
    {u"Label9", u"fratelli n. ",
     u"indica il numero di fratelli che partecipano alla divisione ereditaria", u"quotafratelli"},
    {u"Label12", u"disponibile ", u"quota che il testatore può assegnare a chiunque",
     u"quotadisponibile"},
    {u"Label16", u"a ciascun figlio (%) ", u"quota ripartita tra gli eredi dello stesso tipo",
     u"quotafiglio"},
    {u"Label17", u"a ciascun ascendente (%) ", u"quota ripartita tra gli eredi dello stesso tipo",
     u"quotaascendente"},
    {u"Label18", u"a ciascun fratello (%) ", u"quota ripartita tra gli eredi dello stesso tipo",
     u"quotafratello"},
};

QString str(const char16_t* text)
{
    return QString::fromUtf16(text);
}

QString elementName(const QString& array, int index)
{
    return array + u'_' + QString::number(index);
}

// The inputs inside the heirs frame would otherwise take the frame's title as
// their name, the lists their current value, the "?" buttons their caption.
void nameForScreenReaders(const QWidget& window)
{
    Accessibility::nameChildren(
        window, {
                    {u"decuius", u"de cuius, nome del defunto"},
                    {u"successione", u"tipologia della successione"},
                    {u"beni", u"valore dei beni"},
                    {u"figli", u"numero di figli"},
                    {u"ascendenti", u"numero di ascendenti"},
                    {u"coniuge", u"coniuge superstite, sì o no"},
                    {u"fratelli", u"numero di fratelli"},
                    {u"spiega1_1", u"spiegazione: chi è il de cuius"},
                    {u"spiega1_2", u"spiegazione: perché conta la tipologia della successione"},
                    {u"spiega1_3", u"spiegazione: come stimare il valore dei beni"},
                    {u"spiega1_4", u"spiegazione: la quota dei figli"},
                    {u"spiega1_5", u"spiegazione: chi sono gli ascendenti"},
                    {u"spiega1_6", u"spiegazione: i diritti del coniuge"},
                    {u"spiega1_7", u"spiegazione: i fratelli unilaterali"},
                    {u"spiega1_8", u"spiegazione: la quota disponibile"},
                    {u"spiega1_9", u"spiegazione: la percentuale di ciascun figlio"},
                    {u"spiega1_10", u"spiegazione: la quota di ciascun ascendente"},
                    {u"spiega1_11", u"spiegazione: la quota di ciascun fratello unilaterale"},
                    {u"guidafinestra", u"informazioni sulla tipologia di successione"},
                    {u"art", u"articoli del Codice Civile applicati"},
                    {u"Text1", u"diritti del coniuge superstite, art. 540 secondo comma"},
                    {u"nota", u"nota sul tipo di successione"},
                });
}

} // namespace

FrameDescription SuccessioneWindow::frameDescription()
{
    FrameDescription description;
    description.number = 1;
    description.id = WindowId::successione;
    description.guideName = u"Successione"_s;
    description.guideWindow = WindowId::guidasuccessione;
    description.inlineHelp = {
        u"- Digitare le informazioni sui dati generali della successione;"_s,
        u"- digitare il numero di eredi per ogni tipo e scegliere la presenza o meno del "
        u"coniuge;"_s,
        u"- o aprire un file archiviato per prelevare i dati;"_s,
        u"- seguire le indicazioni in linea nella casella gialla;"_s,
        u"- procedere con la consultazione delle norme del Codice Civile cliccando sul tasto "
        u"Norme."_s,
    };
    description.hasMenu = true;
    return description;
}

SuccessioneWindow::SuccessioneWindow(Forms& forms, QWidget* parent)
    : QMainWindow(parent), m_forms(forms), m_frame(*this, forms, frameDescription()),
      m_files(
          forms.prompts(), this, m_nomefile, [this] { return caseRecord(); },
          [this](const CaseRecord& record) { setCaseRecord(record); })
{
    setWindowTitle(u"Quotara: dati della successione"_s);
    setStyleSheet(u"SuccessioneWindow, QWidget#area { background-color: #c0c0c0; }"_s);
    buildMenu();
    QWidget* area = m_frame.area();
    buildGeneralData(area);
    buildHeirsFrame(area);
    buildFoot(area);
    nameForScreenReaders(*this);
    render();
    connectHandlers();
    orderTabs();
    m_frame.setFileButtonHandler([this](ToolbarButton button) { Toolbar1_ButtonClick(button); });
    m_files.setReport([this](const QString& status, bool stored) {
        if (stored)
            m_storedRecord = caseRecord();
        m_calculator.setGuidance(status);
        m_passo->setText(m_calculator.passo());
        updateTitle();
    });
    Form_Load();
}

void SuccessioneWindow::buildMenu()
{
    QMenu* file = m_frame.fileMenu();
    const auto item = [this, file](const QString& text, const QString& name,
                                   void (SuccessioneWindow::*handler)()) {
        QAction* action = file->addAction(text, this, handler);
        action->setObjectName(name);
    };
    item(u"&Apri..."_s, u"apri"_s, &SuccessioneWindow::apri_Click);
    item(u"&Salva"_s, u"salva"_s, &SuccessioneWindow::salva_Click);
    item(u"Salva con &nome..."_s, u"salvanome"_s, &SuccessioneWindow::salvanome_Click);
    item(u"&Elimina..."_s, u"eliminare"_s, &SuccessioneWindow::eliminare_click);
    item(u"S&tampa dati finestra"_s, u"stampa"_s, &SuccessioneWindow::stampa_Click);
    file->addSeparator();
    QAction* dettaglio =
        file->addAction(u"Calcolo &dettagliato..."_s, this, &SuccessioneWindow::dettaglio_Click);
    dettaglio->setObjectName(u"dettaglio"_s);
    dettaglio->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    m_frame.finishFileMenu();
    if (QMenu* visu = menuBar()->findChild<QMenu*>(u"visu"_s)) {
        visu->addSeparator();
        QAction* grafico =
            visu->addAction(u"&Grafico delle quote"_s, this, &SuccessioneWindow::grafico_Click);
        grafico->setObjectName(u"grafico"_s);
        grafico->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G));
    }
}

void SuccessioneWindow::buildGeneralData(QWidget* area)
{
    QLabel* label5 = caption(area, u"Label5"_s, u"Dati generali della successione"_s, QString(),
                             QRect(120, 840, 5175, kRowHeight));
    label5->setFont(Fonts::sansSerif(Fonts::defaultPoints, true));

    caption(area, u"Label1"_s, u"de cuius:"_s, u"il nome del defunto"_s,
            QRect(120, 1200, 2295, kRowHeight));
    m_decuius = textBox(area, u"decuius"_s, QString(), QRect(2400, 1200, 2655, kRowHeight));

    caption(area, u"Label2"_s, u"tipologia:"_s, u"tipo di successione"_s,
            QRect(120, 1440, 2295, kRowHeight));
    m_successione =
        comboBox(area, u"successione"_s, QString(), QRect(2400, 1440, 2655, kRowHeight));

    caption(area, u"Label3"_s, u"valore dei beni:"_s, u"il valore totale dei beni da dividere"_s,
            QRect(120, 1680, 2295, kRowHeight));
    m_beni = textBox(area, u"beni"_s, QString(), QRect(2400, 1680, 2655, kRowHeight));
    m_beni->setText(u"100"_s);

    for (int index = 1; index <= 3; ++index) {
        auto* button = new QPushButton(u"?"_s, area);
        button->setObjectName(elementName(u"spiega1"_s, index));
        button->setGeometry(Twips::rect(5040, 960 + 240 * index, 255, 255));
        m_spiega1[index] = button;
    }

    fixedText(area, u"guidafinestra"_s, SuccessionTexts::typeInformation(),
              u"informazioni sulla tipologia di successione"_s, kYellow,
              QRect(5400, 840, 3975, 1095))
        ->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void SuccessioneWindow::buildHeirsFrame(QWidget* area)
{
    m_frame7 = new QGroupBox(u"Eredi e quote dell'eredità:"_s, area);
    m_frame7->setObjectName(u"Frame7"_s);
    // A selector keeps the grey off the white fields inside the frame.
    m_frame7->setStyleSheet(u"QGroupBox#Frame7 { background-color: #c0c0c0; }"_s);
    m_frame7->setFont(Fonts::sansSerif());
    m_frame7->setGeometry(Twips::rect(120, 2040, 9255, 3495));
    QWidget* frame = m_frame7;

    QLabel* lberedi = caption(
        frame, u"lberedi"_s,
        u"Eredi (in caso di loro morte le rispettive quote vanno ai discendenti o agli ulteriori "
        u"eredi)"_s,
        u"scegli gli eredi che partecipano alla divisione ereditaria"_s,
        QRect(120, 360, 2535, 735));
    lberedi->setWordWrap(true);
    caption(frame, u"lbquote"_s, u"Quote"_s,
            u"visualizza le quote assegnate in base al valore dei beni"_s,
            QRect(2640, 360, 4095, kRowHeight))
        ->setAlignment(Qt::AlignCenter);
    caption(frame, u"Label10"_s, u"succ. testamentaria"_s,
            u"visualizza le quote assegnate in base allla successione testamentaria"_s,
            QRect(2640, 600, 2055, kRowHeight))
        ->setAlignment(Qt::AlignCenter);
    caption(frame, u"Label11"_s, u"succ. legittima"_s,
            u"visualizza le quote assegnate in base alla successione legittima"_s,
            QRect(4680, 600, 2055, kRowHeight))
        ->setAlignment(Qt::AlignCenter);
    caption(frame, u"Label8"_s, u"quota"_s, u"in termini frazionari"_s,
            QRect(2640, 840, 735, kRowHeight));
    caption(frame, u"Label13"_s, u"valore"_s, u"quota in valore assoluto"_s,
            QRect(3360, 840, 1335, kRowHeight));
    caption(frame, u"Label14"_s, u"quota"_s, u"in termini frazionari"_s,
            QRect(4680, 840, 735, kRowHeight));
    caption(frame, u"Label15"_s, u"valore"_s, u"quota in valore assoluto"_s,
            QRect(5400, 840, 1335, kRowHeight));

    const QString articlesTip = u"gli articoli di riferimento del Codice Civile"_s;
    caption(frame, u"lbarticoli"_s, u"art. del C.C."_s, articlesTip, QRect(6720, 360, 615, 735))
        ->setWordWrap(true);
    m_art = fixedText(frame, u"art"_s, QString(), articlesTip, kCyan, QRect(6720, 1200, 615, 1215));
    ArticleLinks::attach(m_art, m_forms, ArticleLinks::numbers());
    // The texts longer than their boxes show a scroll bar from the start.
    fixedText(frame, u"Text1"_s, SuccessionTexts::spouseRights(),
              u"visualizza i diritti del coniuge superstite"_s, kYellow,
              QRect(7440, 360, 1695, 2055))
        ->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_nota = fixedText(frame, u"nota"_s, QString(), u"note sul tipo di successione"_s, kYellow,
                       QRect(6840, 2520, 2295, 735));
    m_nota->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_nota->hide();

    for (const ResultRow row : resultRows)
        buildResultRow(row);
}

void SuccessioneWindow::buildResultRow(ResultRow row)
{
    QWidget* frame = m_frame7;
    const auto index = static_cast<std::size_t>(row);
    const int top = kRowTops[index];
    const RowDescription& d = kRows[index];
    const int number = rowNumber(row);
    const int labelWidth = number <= rowNumber(ResultRow::Fratelli) ? 1575 : 2295;
    caption(frame, str(d.labelName), str(d.labelText), str(d.tooltip),
            QRect(120, top, labelWidth, kRowHeight));

    const QRect field = QRect(1680, top, 735, kRowHeight);
    switch (row) {
    case ResultRow::Figli:
        m_figli = textBox(frame, u"figli"_s, str(d.tooltip), field);
        break;
    case ResultRow::Ascendenti:
        m_ascendenti = textBox(frame, u"ascendenti"_s, str(d.tooltip), field);
        break;
    case ResultRow::Coniuge:
        m_coniuge = comboBox(frame, u"coniuge"_s, str(d.tooltip), field);
        break;
    case ResultRow::Fratelli:
        m_fratelli = textBox(frame, u"fratelli"_s, str(d.tooltip), field);
        break;
    default:
        break;
    }

    auto* button = new QPushButton(u"?"_s, frame);
    button->setObjectName(elementName(u"spiega1"_s, number + 3));
    button->setGeometry(Twips::rect(2400, top, 255, 255));
    m_spiega1[static_cast<std::size_t>(number + 3)] = button;

    const QString fractionName = str(d.fractionName);
    auto& fractions = m_fractions[index];
    auto& amounts = m_amounts[index];
    constexpr auto testamentaria = static_cast<std::size_t>(ResultColumn::Testamentaria);
    constexpr auto legittima = static_cast<std::size_t>(ResultColumn::Legittima);
    fractions[testamentaria] = resultLabel(frame, elementName(fractionName, 1),
                                           QRect(2640, top, 735, kRowHeight), Qt::AlignHCenter);
    amounts[testamentaria] = resultLabel(frame, elementName(u"quota1"_s, number),
                                         QRect(3360, top, 1335, kRowHeight), Qt::AlignRight);
    fractions[legittima] = resultLabel(frame, elementName(fractionName, 2),
                                       QRect(4680, top, 735, kRowHeight), Qt::AlignHCenter);
    amounts[legittima] = resultLabel(frame, elementName(u"quota2"_s, number),
                                     QRect(5400, top, 1335, kRowHeight), Qt::AlignRight);
}

void SuccessioneWindow::buildFoot(QWidget* area)
{
    m_passo = WindowSetup::passo(area, WindowSetup::passoTwips,
                                 u"indicazioni sulla corretta procedura di immissione dei dati"_s);

    m_frame.makeFootButton(u"aiuto"_s)->setGeometry(Twips::rect(120, 5760, 1095, 375));
    m_frame.makeFootButton(u"guidainlinea"_s)->setGeometry(Twips::rect(1200, 5760, 1095, 375));
    m_frame.makeFootButton(u"cmdavanti"_s)->setGeometry(Twips::rect(7200, 5760, 1095, 375));
    m_frame.makeFootButton(u"esco"_s)->setGeometry(Twips::rect(8280, 5760, 1095, 375));

    // In the free strip between the toolbar and the general data, so that
    // every control of the calculator keeps its place.
    auto* dettaglio = new QPushButton(u"&Dettaglio"_s, area);
    dettaglio->setObjectName(u"cmddettaglio"_s);
    dettaglio->setToolTip(u"cliccare per il calcolo dettagliato della successione"_s);
    dettaglio->setAccessibleName(u"Calcolo dettagliato della successione"_s);
    dettaglio->setFont(Fonts::sansSerif(8.25));
    dettaglio->setGeometry(Twips::rect(8280, 578, 1095, 255));
    connect(dettaglio, &QPushButton::clicked, this, &SuccessioneWindow::dettaglio_Click);
}

void SuccessioneWindow::connectHandlers()
{
    connect(m_decuius, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_calculator.decuiusChange(text);
        m_passo->setText(m_calculator.passo());
        updateTitle();
    });
    connect(m_successione, &QComboBox::editTextChanged, this,
            &SuccessioneWindow::successione_Change);
    connect(m_successione, &QComboBox::activated, this, &SuccessioneWindow::successione_Click);
    connect(m_beni, &QLineEdit::textChanged, this, &SuccessioneWindow::beni_change);
    connect(m_figli, &QLineEdit::textChanged, this, &SuccessioneWindow::figli_Change);
    connect(m_ascendenti, &QLineEdit::textChanged, this, &SuccessioneWindow::ascendenti_Change);
    connect(m_fratelli, &QLineEdit::textChanged, this, &SuccessioneWindow::fratelli_Change);
    connect(m_coniuge, &QComboBox::editTextChanged, this, &SuccessioneWindow::coniuge_Change);
    connect(m_coniuge, &QComboBox::activated, this, &SuccessioneWindow::coniuge_Click);
    for (QComboBox* box : {m_successione, m_coniuge})
        connect(box->lineEdit(), &QLineEdit::editingFinished, this,
                &SuccessioneWindow::writeProperWords);
    for (int index = 1; index <= 11; ++index)
        connect(m_spiega1[index], &QPushButton::clicked, this,
                [this, index] { spiega1_Click(index); });
}

// Tab follows the case record, then the texts the user reads, then the
// buttons; the fixed texts pass the focus on rather than taking the Tab.
void SuccessioneWindow::orderTabs()
{
    QList<QWidget*> chain{m_decuius, m_successione, m_beni, m_figli, m_ascendenti,
                          m_coniuge, m_fratelli,    m_art,  m_nota};
    for (const QString& name : {u"guidafinestra"_s, u"Text1"_s})
        chain << m_frame.area()->findChild<QPlainTextEdit*>(name);
    for (int index = 1; index <= 11; ++index)
        chain << m_spiega1[index];
    for (const QString& name :
         {u"aiuto"_s, u"guidainlinea"_s, u"cmddettaglio"_s, u"cmdavanti"_s, u"esco"_s})
        chain << m_frame.area()->findChild<QPushButton*>(name);
    for (QWidget* widget : std::as_const(chain))
        if (auto* text = qobject_cast<QPlainTextEdit*>(widget))
            text->setTabChangesFocus(true);
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain.at(i - 1), chain.at(i));
}

void SuccessioneWindow::Form_Load()
{
    WindowSetup::open(*this, m_resize, m_frame.area(), WindowSetup::mainWindowTwips);

    findChild<QPushButton*>(u"esco"_s)->setToolTip(u"cliccare per uscire da "_s +
                                                   Quotaramod::nomeprogramma());
    {
        // Filling a list gives no field a text of its own.
        const QSignalBlocker typeBlocker(m_successione);
        const QSignalBlocker spouseBlocker(m_coniuge);
        m_successione->addItems({u"testamentaria"_s, u"legittima"_s, u"entrambe"_s});
        m_coniuge->addItems({u"sì"_s, u"no"_s});
        m_successione->setCurrentIndex(-1);
        m_coniuge->setCurrentIndex(-1);
    }
    m_successione->setEditText(u"legittima"_s);
    m_coniuge->setEditText(u"sì"_s);
    for (int index = 1; index <= 11; ++index)
        m_spiega1[index]->setToolTip(
            u"cliccare per visualizzare una breve spiegazione della tipologia"_s);
    Quotaramod::impostatitoli();
    aggiornapasso();
    m_storedRecord = caseRecord();
    updateTitle();
    // The user starts with the deceased's name, as the guidance line asks.
    m_decuius->setFocus();
}

CaseRecord SuccessioneWindow::caseRecord() const
{
    return CaseRecord{m_decuius->text(), m_successione->currentText(), m_beni->text(),
                      m_figli->text(),   m_ascendenti->text(),         m_coniuge->currentText(),
                      m_fratelli->text()};
}

void SuccessioneWindow::setCaseRecord(const CaseRecord& record)
{
    m_decuius->setText(record.decuius);
    m_successione->setEditText(record.successione);
    m_beni->setText(record.beni);
    m_figli->setText(record.figli);
    m_ascendenti->setText(record.ascendenti);
    m_coniuge->setEditText(record.coniuge);
    m_fratelli->setText(record.fratelli);
    writeProperWords();
}

// A type or spouse typed in another case or with blanks around it is written
// back as the list has it, once the user leaves the field.
void SuccessioneWindow::writeProperWords()
{
    const CaseRecord proper = m_calculator.properRecord();
    if (m_successione->currentText() != proper.successione)
        m_successione->setEditText(proper.successione);
    if (m_coniuge->currentText() != proper.coniuge)
        m_coniuge->setEditText(proper.coniuge);
}

void SuccessioneWindow::apri_Click()
{
    m_files.apri();
}

void SuccessioneWindow::salva_Click()
{
    m_files.salva();
}

void SuccessioneWindow::salvanome_Click()
{
    m_files.salvanome();
}

void SuccessioneWindow::eliminare_click()
{
    m_files.eliminare();
}

void SuccessioneWindow::stampa_Click()
{
    m_calculator.setGuidance(DocumentPresenter::loadingStatus());
    m_passo->setText(m_calculator.passo());
    Document document;
    buildReport(document, caseRecord(), results());
    const Presentation shown =
        m_forms.presenter().present(document.textDocument(), u"successione"_s);
    m_calculator.setGuidance(shown.status());
    m_passo->setText(m_calculator.passo());
}

void SuccessioneWindow::grafico_Click()
{
    // Opened next to the grid it follows; once open, it stays where the user put it.
    m_frame.showOver(WindowId::grafico);
    if (auto* grafico = qobject_cast<GraficoWindow*>(m_forms.loadedForm(WindowId::grafico)))
        grafico->showResults(results());
}

void SuccessioneWindow::dettaglio_Click()
{
    auto* taker = dynamic_cast<GridCaseTaker*>(m_forms.show(WindowId::dettaglio));
    if (taker)
        taker->startFromGrid(caseRecord(), results());
}

void SuccessioneWindow::Toolbar1_ButtonClick(ToolbarButton button)
{
    switch (button) {
    case ToolbarButton::Salva:
        salva_Click();
        return;
    case ToolbarButton::Cancella:
        eliminare_click();
        return;
    case ToolbarButton::Stampa:
        stampa_Click();
        return;
    default:
        apri_Click();
        return;
    }
}

void SuccessioneWindow::spiega1_Click(int index)
{
    m_forms.prompts().inform(this, Quotaramod::titoloaiuto(), SuccessionTexts::spiegazione(index));
}

void SuccessioneWindow::aiuto_Click()
{
    m_frame.showInlineHelp();
}

void SuccessioneWindow::aggiornapasso()
{
    m_calculator.setGuidance(guidanceText(m_calculator.record()));
    m_passo->setText(m_calculator.passo());
}

void SuccessioneWindow::successione_Change(const QString& text)
{
    m_calculator.successioneChange(text);
    render();
}

void SuccessioneWindow::successione_Click()
{
    m_calculator.successioneChange(m_successione->currentText());
    render();
}

void SuccessioneWindow::beni_change(const QString& text)
{
    m_calculator.beniChange(text);
    render();
}

void SuccessioneWindow::figli_Change(const QString& text)
{
    m_calculator.figliChange(text);
    render();
}

void SuccessioneWindow::ascendenti_Change(const QString& text)
{
    m_calculator.ascendentiChange(text);
    render();
}

void SuccessioneWindow::fratelli_Change(const QString& text)
{
    m_calculator.fratelliChange(text);
    render();
}

void SuccessioneWindow::coniuge_Change(const QString& text)
{
    m_calculator.coniugeChange(text);
    render();
}

void SuccessioneWindow::coniuge_Click()
{
    m_calculator.coniugeChange(m_coniuge->currentText());
    render();
}

void SuccessioneWindow::render()
{
    const Results& results = m_calculator.results();
    for (const ResultRow row : resultRows) {
        for (const ResultColumn column : resultColumns) {
            QLabel* fraction =
                m_fractions[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
            QLabel* amount =
                m_amounts[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
            fraction->setText(results.fraction(row, column));
            amount->setText(results.amount(row, column));
            fraction->setAccessibleName(ResultNames::fractionCell(results, row, column));
            amount->setAccessibleName(ResultNames::amountCell(results, row, column));
        }
    }
    if (m_art->toPlainText() != results.art)
        m_art->setPlainText(results.art);
    if (m_nota->toPlainText() != results.nota)
        m_nota->setPlainText(results.nota);
    m_nota->setVisible(results.notaVisible);
    m_passo->setText(m_calculator.passo());
    updateTitle();
    if (auto* grafico = qobject_cast<GraficoWindow*>(m_forms.loadedForm(WindowId::grafico)))
        grafico->showResults(results);
}

// The caption names the case's file and marks changes not yet saved.
void SuccessioneWindow::updateTitle()
{
    QString title = u"Quotara: dati della successione"_s;
    if (!m_nomefile.isEmpty())
        title += u" - "_s + QFileInfo(m_nomefile).fileName();
    if (caseRecord() != m_storedRecord)
        title += u" *"_s;
    setWindowTitle(title);
}

void registerSuccessionWindows(Forms& forms)
{
    forms.registerFactory(WindowId::successione,
                          [](Forms& f) { return std::make_unique<SuccessioneWindow>(f); });
    forms.registerFactory(WindowId::grafico,
                          [](Forms& f) { return std::make_unique<GraficoWindow>(f); });
}

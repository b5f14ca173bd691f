#include "dettagliowindow.h"

#include "app/forms.h"
#include "app/prompts.h"
#include "app/quotaramod.h"
#include "app/windowsetup.h"
#include "dettagliocharts.h"
#include "familyfile.h"
#include "familylabels.h"
#include "familymodel.h"
#include "familyreport.h"
#include "gridcase.h"
#include "norms/articlelinks.h"
#include "output/document.h"
#include "output/documentpresenter.h"

#include <QAction>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSplitter>
#include <QStyle>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;
using namespace Family;

namespace {

const QString kFaultProperty = u"errore"_s;

template <class E>
QComboBox* choice(const QString& name, const QString& accessible, const QList<E>& values)
{
    auto* box = new QComboBox;
    box->setObjectName(name);
    box->setAccessibleName(accessible);
    for (const E value : values)
        box->addItem(FamilyLabels::label(value), static_cast<int>(value));
    return box;
}

template <class E> E chosen(const QComboBox* box)
{
    return static_cast<E>(box->currentData().toInt());
}

template <class E> void choose(QComboBox* box, E value)
{
    box->setCurrentIndex(box->findData(static_cast<int>(value)));
}

QLineEdit* lineEdit(const QString& name, const QString& accessible)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setAccessibleName(accessible);
    return edit;
}

constexpr int ArticlesColumn = 4;

QTableWidget* sharesTable(const QString& name, const QString& accessible)
{
    auto* table = new QTableWidget(0, 5);
    table->setObjectName(name);
    table->setAccessibleName(accessible);
    table->setHorizontalHeaderLabels(
        {u"Erede"_s, u"Quota"_s, u"Den. comune"_s, u"Valore"_s, u"Articoli"_s});
    table->horizontalHeaderItem(2)->setToolTip(u"la quota sul denominatore comune a tutte"_s);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setTabKeyNavigation(false);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return table;
}

QString articlesText(const QStringList& articles)
{
    if (articles.isEmpty())
        return {};
    return (articles.size() == 1 ? u"art. "_s : u"artt. "_s) + articles.join(u", "_s);
}

/// The articles of one heir's share as links: a click, or Tab and Enter,
/// opens the Title at the article.
QPlainTextEdit* articleLinks(const QString& heir, const QString& articles, Forms& forms)
{
    auto* box = new QPlainTextEdit(articles);
    box->setObjectName(u"articoli"_s);
    box->setAccessibleName(u"Articoli della quota di %1"_s.arg(heir));
    box->setReadOnly(true);
    box->setFrameShape(QFrame::NoFrame);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->document()->setDocumentMargin(1);
    // No wider than the list, so that the column is as wide as the item's text.
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(articles) + 8);
    ArticleLinks::attach(box, forms, ArticleLinks::numbers());
    return box;
}

void fillShares(QTableWidget* table, const FamilyOutcome::Section& section,
                const FamilyCase& familyCase, Forms& forms)
{
    table->setRowCount(0);
    QWidget* previous = table;
    const auto addRow = [table, &forms, &previous](const QStringList& cells) {
        const int row = table->rowCount();
        table->insertRow(row);
        for (int column = 0; column < ArticlesColumn; ++column) {
            auto* item = new QTableWidgetItem(cells.at(column));
            if (column > 0)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(row, column, item);
        }
        const QString& articles = cells.at(ArticlesColumn);
        // The links cover the item, which sizes the column and is what a
        // screen reader or a copy of the row reads.
        table->setItem(row, ArticlesColumn, new QTableWidgetItem(articles));
        QPlainTextEdit* links = articleLinks(cells.first(), articles, forms);
        table->setCellWidget(row, ArticlesColumn, links);
        QWidget::setTabOrder(previous, links);
        previous = links;
    };
    for (const FamilyOutcome::HeirShare& share : section.shares) {
        const Person* person = familyCase.find(share.id);
        addRow({person ? person->displayName() : share.id, share.share.text(),
                FamilyOutcome::onCommonDenominator(share.share, section),
                FamilyLabels::amountText(share.amount), articlesText(share.articles)});
    }
    if (section.stateShare && section.stateAmount)
        addRow({u"Stato"_s, section.stateShare->text(),
                FamilyOutcome::onCommonDenominator(*section.stateShare, section),
                FamilyLabels::amountText(*section.stateAmount), u"art. 586"_s});
}

/// The id of the first person a fault names, or an empty text.
QString personNamedIn(const QString& fault, const FamilyCase& familyCase)
{
    for (const Person& person : familyCase.people) {
        const QRegularExpression word(
            u"(^|[^\\w])%1([^\\w]|$)"_s.arg(QRegularExpression::escape(person.id)));
        if (word.match(fault).hasMatch())
            return person.id;
    }
    return {};
}

} // namespace

DettaglioWindow::DettaglioWindow(Forms& forms, QWidget* parent)
    : QMainWindow(parent), m_forms(forms), m_model(new FamilyModel(this)),
      m_files(
          forms.prompts(), this, [this](QString& fault) { return familyCase(fault); },
          [this](const FamilyCase& c) {
              setFamilyCase(c);
              m_grid.reset();
              recompute();
          })
{
    setWindowTitle(u"Quotara: calcolo dettagliato della successione"_s);
    setWindowIcon(QIcon(u":/app/icons/quotara.svg"_s));
    setAccessibleName(u"Calcolo dettagliato della successione"_s);
    setStyleSheet(u"QLineEdit[errore=\"true\"], QComboBox[errore=\"true\"], "
                  u"QTableWidget[errore=\"true\"] { background-color: #ffc0c0; }"_s);

    auto* central = new QWidget;
    central->setObjectName(u"area"_s);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(buildGeneral());

    auto* middle = new QSplitter(Qt::Horizontal);
    middle->setObjectName(u"divisore"_s);
    middle->addWidget(buildFamily());
    middle->addWidget(buildPersonForm());
    m_grafici = new DettaglioCharts(forms.prompts());
    connect(m_grafici, &DettaglioCharts::personActivated, this, &DettaglioWindow::selectPerson);
    middle->addWidget(m_grafici);
    middle->setStretchFactor(2, 1);
    layout->addWidget(middle, 2);
    layout->addWidget(buildResults(), 3);

    // The comparison and status lines are read by their text, which says
    // what it is, as the succession window's guidance line is.
    m_confronto = linkLabel(u"confronto"_s);
    m_confronto->setWordWrap(true);
    m_confronto->hide();
    layout->addWidget(m_confronto);

    m_passo = new QLabel;
    m_passo->setObjectName(u"passo"_s);
    m_passo->setWordWrap(true);
    m_passo->setStyleSheet(u"background-color: #ffff00;"_s);
    layout->addWidget(m_passo);
    // With a large desktop font the panes need more room than a screen has:
    // the window then scrolls instead of growing past the screen's edge.
    auto* area = new QScrollArea;
    area->setObjectName(u"area"_s);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidget(central);
    setCentralWidget(area);

    buildMenus();
    orderTabs();
    connectGeneral();
    connectPersonForm();
    connect(m_model, &FamilyModel::peopleChanged, this, &DettaglioWindow::edited);

    setFamilyCase(FamilyCase{});
    // A new case starts without a value, which the status line asks for.
    m_relictum->clear();
    m_modified = false;
    recompute();
    WindowSetup::giveFace(*this);
    resize(WindowSetup::grownSize(*this, QSize(1240, 760)));
}

DettaglioWindow::~DettaglioWindow() = default;

QLabel* DettaglioWindow::linkLabel(const QString& name)
{
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setTextFormat(Qt::RichText);
    // No Tab stop of its own: the steps, which Tab reaches, cite the same articles.
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    connect(label, &QLabel::linkActivated, this,
            [this](const QString& href) { ArticleLinks::open(m_forms, href); });
    return label;
}

void DettaglioWindow::setLinkedText(QLabel* label, const QString& text)
{
    label->setText(ArticleLinks::html(text, ArticleLinks::prose()));
}

QAction* DettaglioWindow::addAction(const QString& name, const QString& text,
                                    const QString& accessible)
{
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    action->setToolTip(accessible);
    action->setStatusTip(accessible);
    return action;
}

void DettaglioWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(u"&File"_s);
    file->setObjectName(u"file"_s);
    const auto item = [this, file](const QString& name, const QString& text,
                                   const QString& accessible, void (DettaglioWindow::*handler)(),
                                   const QKeySequence& keys) {
        QAction* action = addAction(name, text, accessible);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, handler);
        file->addAction(action);
        return action;
    };
    QToolBar* toolbar = addToolBar(u"Comandi"_s);
    toolbar->setObjectName(u"Toolbar1"_s);
    toolbar->setAccessibleName(u"Comandi del calcolo dettagliato"_s);
    toolbar->addAction(item(u"apri"_s, u"&Apri..."_s, u"Apri un file Quotara-famiglia"_s,
                            &DettaglioWindow::apri_Click, QKeySequence::Open));
    toolbar->addAction(item(u"salva"_s, u"&Salva"_s, u"Salva il caso"_s,
                            &DettaglioWindow::salva_Click, QKeySequence::Save));
    item(u"salvanome"_s, u"Salva con &nome..."_s, u"Salva il caso con un altro nome"_s,
         &DettaglioWindow::salvanome_Click, QKeySequence::SaveAs);
    toolbar->addAction(item(u"stampa"_s, u"S&tampa"_s, u"Stampa il calcolo dettagliato"_s,
                            &DettaglioWindow::stampa_Click, QKeySequence::Print));
    file->addSeparator();
    QAction* chiudi = addAction(u"chiudi"_s, u"&Chiudi"_s, u"Chiudi la finestra"_s);
    chiudi->setShortcut(QKeySequence::Close);
    connect(chiudi, &QAction::triggered, this, [this] { m_forms.unload(WindowId::dettaglio); });
    file->addAction(chiudi);

    QMenu* family = menuBar()->addMenu(u"Fa&miglia"_s);
    family->setObjectName(u"famigliamenu"_s);
    for (QAction* action : m_famiglia->actions())
        family->addAction(action);

    QMenu* help = menuBar()->addMenu(u"&?"_s);
    help->setObjectName(u"inter"_s);
    QAction* guida = addAction(u"guida"_s, u"&Guida del calcolo dettagliato"_s,
                               u"Guida della finestra del calcolo dettagliato"_s);
    guida->setShortcut(QKeySequence::HelpContents);
    connect(guida, &QAction::triggered, this, &DettaglioWindow::guida_Click);
    help->addAction(guida);
    toolbar->addSeparator();
    QAction* question = toolbar->addAction(u"?"_s);
    question->setObjectName(u"cmdguida"_s);
    question->setToolTip(guida->toolTip());
    connect(question, &QAction::triggered, this, &DettaglioWindow::guida_Click);
}

QWidget* DettaglioWindow::buildGeneral()
{
    auto* box = new QGroupBox(u"Dati generali della successione"_s);
    box->setObjectName(u"generali"_s);
    auto* form = new QFormLayout;
    m_decuius = lineEdit(u"decuius"_s, u"Nome del de cuius"_s);
    m_tipologia = choice(u"tipologia"_s, u"Tipologia della successione"_s, FamilyLabels::kinds());
    m_relictum = lineEdit(u"relictum"_s, u"Valore dei beni (relictum)"_s);
    m_debiti = lineEdit(u"debiti"_s, u"Debiti"_s);
    m_riserva = choice(u"riservarinunziante"_s, u"Rinunziante senza rappresentanti nella riserva"_s,
                       FamilyLabels::renouncerReserves());
    m_riserva->setToolTip(u"come conta nella riserva il legittimario che rinunzia senza "
                          u"discendenti che lo rappresentino: punto controverso in "
                          u"giurisprudenza"_s);
    form->addRow(u"de &cuius:"_s, m_decuius);
    form->addRow(u"&tipologia:"_s, m_tipologia);
    form->addRow(u"&valore dei beni:"_s, m_relictum);
    form->addRow(u"de&biti:"_s, m_debiti);
    form->addRow(u"rinunziante nella ris&erva:"_s, m_riserva);

    m_donazioni = new QTableWidget(0, 2);
    m_donazioni->setObjectName(u"donazioni"_s);
    m_donazioni->setAccessibleName(u"Donazioni fatte in vita: donatario e valore"_s);
    m_donazioni->setHorizontalHeaderLabels({u"Donatario"_s, u"Valore"_s});
    m_donazioni->horizontalHeader()->setStretchLastSection(true);
    m_donazioni->verticalHeader()->hide();
    m_donazioni->setTabKeyNavigation(false);
    auto* addDonation = new QPushButton(u"A&ggiungi donazione"_s);
    addDonation->setObjectName(u"aggiungidonazione"_s);
    addDonation->setAccessibleName(u"Aggiungi una donazione"_s);
    auto* removeDonation = new QPushButton(u"Togli d&onazione"_s);
    removeDonation->setObjectName(u"toglidonazione"_s);
    removeDonation->setAccessibleName(u"Togli la donazione scelta"_s);
    connect(addDonation, &QPushButton::clicked, this, [this] {
        addDonationRow(QString(), QString());
        m_donazioni->setCurrentCell(m_donazioni->rowCount() - 1, 0);
        m_donazioni->setFocus();
        edited();
    });
    connect(removeDonation, &QPushButton::clicked, this, [this] {
        const int row = m_donazioni->currentRow();
        if (row < 0)
            return;
        m_donazioni->removeRow(row);
        edited();
    });
    auto* donationButtons = new QVBoxLayout;
    donationButtons->addWidget(addDonation);
    donationButtons->addWidget(removeDonation);
    donationButtons->addStretch();

    auto* row = new QHBoxLayout(box);
    row->addLayout(form, 1);
    auto* donationLabel = new QLabel(u"&donazioni:"_s);
    donationLabel->setBuddy(m_donazioni);
    auto* donations = new QVBoxLayout;
    donations->addWidget(donationLabel);
    donations->addWidget(m_donazioni);
    row->addLayout(donations, 1);
    row->addLayout(donationButtons);
    m_donazioni->setMaximumHeight(120);
    return box;
}

QWidget* DettaglioWindow::buildFamily()
{
    auto* box = new QGroupBox(u"Famiglia"_s);
    box->setObjectName(u"famigliabox"_s);
    m_famiglia = new QTreeView;
    m_famiglia->setObjectName(u"famiglia"_s);
    m_famiglia->setAccessibleName(u"Albero della famiglia: Ins aggiunge, Canc toglie"_s);
    m_famiglia->setModel(m_model);
    m_famiglia->setSelectionMode(QAbstractItemView::SingleSelection);
    m_famiglia->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_famiglia->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(m_famiglia->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &DettaglioWindow::personChosen);

    struct Adder
    {
        const char16_t* name;
        const char16_t* text;
        const char16_t* accessible;
        Relation relation;
        bool descendant;
    };
    static constexpr Adder adders[] = {
        {u"aggiungiconiuge", u"C&oniuge", u"Aggiungi il coniuge", Relation::Coniuge, false},
        {u"aggiungiunito", u"&Unito civilmente", u"Aggiungi l'unito civilmente",
         Relation::UnitoCivilmente, false},
        {u"aggiungifiglio", u"&Figlio", u"Aggiungi un figlio", Relation::Figlio, false},
        {u"aggiungidiscendente", u"D&iscendente", u"Aggiungi un figlio della persona scelta",
         Relation::Figlio, true},
        {u"aggiungigenitore", u"&Genitore", u"Aggiungi un genitore", Relation::Genitore, false},
        {u"aggiungiascendente", u"&Ascendente", u"Aggiungi un ascendente ulteriore",
         Relation::Ascendente, false},
        {u"aggiungifratello", u"F&ratello o sorella", u"Aggiungi un fratello o una sorella",
         Relation::Fratello, false},
        {u"aggiungiparente", u"&Parente", u"Aggiungi un altro parente", Relation::Parente, false},
    };
    auto* buttons = new QGridLayout;
    int index = 0;
    for (const Adder& adder : adders) {
        QAction* action = addAction(QString::fromUtf16(adder.name), QString::fromUtf16(adder.text),
                                    QString::fromUtf16(adder.accessible));
        const Relation relation = adder.relation;
        const bool descendant = adder.descendant;
        connect(action, &QAction::triggered, this,
                [this, relation, descendant] { aggiungi(relation, descendant); });
        m_famiglia->addAction(action);
        auto* button = new QToolButton;
        button->setObjectName(u"cmd"_s + action->objectName());
        button->setDefaultAction(action);
        button->setAccessibleName(action->toolTip());
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        buttons->addWidget(button, index / 4, index % 4);
        ++index;
    }
    QAction* insert = addAction(u"aggiungi"_s, u"Aggiungi (Ins)"_s,
                                u"Aggiungi un figlio, o un discendente della persona scelta"_s);
    insert->setShortcut(Qt::Key_Insert);
    insert->setShortcutContext(Qt::WidgetShortcut);
    connect(insert, &QAction::triggered, this, &DettaglioWindow::aggiungiContesto);
    m_famiglia->addAction(insert);
    QAction* remove = addAction(u"togli"_s, u"&Togli"_s, u"Togli la persona scelta"_s);
    remove->setShortcut(Qt::Key_Delete);
    remove->setShortcutContext(Qt::WidgetShortcut);
    connect(remove, &QAction::triggered, this, &DettaglioWindow::togli_Click);
    m_famiglia->addAction(remove);
    auto* removeButton = new QToolButton;
    removeButton->setObjectName(u"cmdtogli"_s);
    removeButton->setDefaultAction(remove);
    removeButton->setAccessibleName(remove->toolTip());
    buttons->addWidget(removeButton, index / 4, index % 4);

    auto* layout = new QVBoxLayout(box);
    layout->addWidget(m_famiglia);
    layout->addLayout(buttons);
    return box;
}

QWidget* DettaglioWindow::buildPersonForm()
{
    m_persona = new QGroupBox(u"Persona scelta"_s);
    m_persona->setObjectName(u"persona"_s);
    auto* form = new QFormLayout(m_persona);
    m_nome = lineEdit(u"nome"_s, u"Nome della persona"_s);
    m_relazione = choice(u"relazione"_s, u"Relazione con il de cuius"_s, FamilyLabels::relations());
    m_stato = choice(u"stato"_s, u"Stato della persona"_s, FamilyLabels::statuses());
    m_vincolo = choice(u"vincolo"_s, u"Vincolo del fratello"_s, FamilyLabels::bonds());
    m_linea = choice(u"linea"_s, u"Linea dell'ascendente"_s, FamilyLabels::lines());
    m_grado = new QSpinBox;
    m_grado->setObjectName(u"grado"_s);
    m_grado->setAccessibleName(u"Grado di parentela"_s);
    m_grado->setRange(0, 30);
    m_separazione =
        choice(u"separazione"_s, u"Separazione del coniuge"_s, FamilyLabels::separations());
    form->addRow(u"&nome:"_s, m_nome);
    form->addRow(u"re&lazione:"_s, m_relazione);
    form->addRow(u"&stato:"_s, m_stato);
    form->addRow(u"v&incolo:"_s, m_vincolo);
    form->addRow(u"line&a:"_s, m_linea);
    form->addRow(u"g&rado:"_s, m_grado);
    form->addRow(u"se&parazione:"_s, m_separazione);
    return m_persona;
}

QWidget* DettaglioWindow::buildResults()
{
    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->setObjectName(u"risultati"_s);

    m_legittimaBox = new QGroupBox(u"Successione legittima"_s);
    m_legittimaBox->setObjectName(u"legittima"_s);
    m_quoteLegittima = sharesTable(u"quotelegittima"_s, u"Quote della successione legittima"_s);
    m_statoLegittima = linkLabel(u"statolegittima"_s);
    auto* legittima = new QVBoxLayout(m_legittimaBox);
    legittima->addWidget(m_quoteLegittima);
    legittima->addWidget(m_statoLegittima);

    m_testamentariaBox = new QGroupBox(u"Successione testamentaria: quote di riserva"_s);
    m_testamentariaBox->setObjectName(u"testamentaria"_s);
    m_quoteTestamentaria =
        sharesTable(u"quotetestamentaria"_s, u"Quote di riserva della successione testamentaria"_s);
    m_disponibile = new QLabel;
    m_disponibile->setObjectName(u"disponibile"_s);
    m_massa = linkLabel(u"massa"_s);
    auto* testamentaria = new QVBoxLayout(m_testamentariaBox);
    testamentaria->addWidget(m_quoteTestamentaria);
    testamentaria->addWidget(m_disponibile);
    testamentaria->addWidget(m_massa);

    auto* stepsBox = new QGroupBox(u"Passi del calcolo"_s);
    stepsBox->setObjectName(u"passibox"_s);
    m_passi = new QPlainTextEdit;
    m_passi->setObjectName(u"passi"_s);
    m_passi->setAccessibleName(u"Passi del calcolo con i loro articoli"_s);
    m_passi->setReadOnly(true);
    ArticleLinks::attach(m_passi, m_forms, ArticleLinks::prose());
    auto* steps = new QVBoxLayout(stepsBox);
    steps->addWidget(m_passi);

    splitter->addWidget(m_legittimaBox);
    splitter->addWidget(m_testamentariaBox);
    splitter->addWidget(stepsBox);
    // The tables need the width of their five columns; the steps wrap.
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 3);
    splitter->setStretchFactor(2, 2);
    return splitter;
}

void DettaglioWindow::orderTabs()
{
    // From the tree Tab goes straight to the chosen person's fields, then to
    // the buttons that add people, which the Famiglia menu and Ins also reach.
    QWidget* previous = m_famiglia;
    for (QWidget* field : std::initializer_list<QWidget*>{m_nome, m_relazione, m_stato, m_vincolo,
                                                          m_linea, m_grado, m_separazione}) {
        setTabOrder(previous, field);
        previous = field;
    }
}

void DettaglioWindow::connectGeneral()
{
    for (QLineEdit* edit : {m_decuius, m_relictum, m_debiti})
        connect(edit, &QLineEdit::textChanged, this, &DettaglioWindow::edited);
    for (QComboBox* box : {m_tipologia, m_riserva})
        connect(box, &QComboBox::currentIndexChanged, this, &DettaglioWindow::edited);
    connect(m_donazioni, &QTableWidget::itemChanged, this, &DettaglioWindow::edited);
}

void DettaglioWindow::connectPersonForm()
{
    connect(m_nome, &QLineEdit::textChanged, this, &DettaglioWindow::personEdited);
    for (QComboBox* box : {m_relazione, m_stato, m_vincolo, m_linea, m_separazione})
        connect(box, &QComboBox::currentIndexChanged, this, &DettaglioWindow::personEdited);
    connect(m_grado, &QSpinBox::valueChanged, this, &DettaglioWindow::personEdited);
}

void DettaglioWindow::addDonationRow(const QString& donee, const QString& value)
{
    const QSignalBlocker blocker(m_donazioni);
    const int row = m_donazioni->rowCount();
    m_donazioni->insertRow(row);
    m_donazioni->setItem(row, 0, new QTableWidgetItem(donee));
    m_donazioni->setItem(row, 1, new QTableWidgetItem(value));
}

std::optional<FamilyCase> DettaglioWindow::familyCase(QString& fault) const
{
    FamilyCase result = m_model->familyCase();
    result.decuius = m_decuius->text();
    result.kind = chosen<Kind>(m_tipologia);
    result.renouncerReserve = chosen<RenouncerReserve>(m_riserva);
    const std::optional<Amount> relictum = FamilyLabels::readAmount(m_relictum->text());
    if (!relictum) {
        fault = u"valore dei beni non valido: scrivere un numero non negativo, per esempio "
                u"120000,00"_s;
        return std::nullopt;
    }
    result.relictum = *relictum;
    const std::optional<Amount> debts = m_debiti->text().trimmed().isEmpty()
                                            ? Amount::fromText(u"0"_s)
                                            : FamilyLabels::readAmount(m_debiti->text());
    if (!debts) {
        fault = u"debiti non validi: scrivere un numero non negativo, o lasciare vuoto"_s;
        return std::nullopt;
    }
    result.debts = *debts;
    result.donations.clear();
    for (int row = 0; row < m_donazioni->rowCount(); ++row) {
        const QString donee = m_donazioni->item(row, 0)->text().trimmed();
        const std::optional<Amount> value =
            FamilyLabels::readAmount(m_donazioni->item(row, 1)->text());
        if (donee.isEmpty() || !value) {
            fault =
                u"donazione n. %1: indicare il donatario e un valore non negativo"_s.arg(row + 1);
            return std::nullopt;
        }
        result.donations.append(Donation{donee, *value});
    }
    fault = FamilyFile::fault(result);
    if (!fault.isEmpty())
        return std::nullopt;
    return result;
}

void DettaglioWindow::setFamilyCase(const FamilyCase& familyCase)
{
    m_loading = true;
    m_decuius->setText(familyCase.decuius);
    choose(m_tipologia, familyCase.kind);
    choose(m_riserva, familyCase.renouncerReserve);
    m_relictum->setText(FamilyLabels::amountText(familyCase.relictum));
    m_debiti->setText(
        familyCase.debts.value().isZero() ? QString() : FamilyLabels::amountText(familyCase.debts));
    m_donazioni->setRowCount(0);
    for (const Donation& donation : familyCase.donations)
        addDonationRow(donation.donee, FamilyLabels::amountText(donation.value));
    m_model->setFamilyCase(familyCase);
    m_famiglia->expandAll();
    m_famiglia->setCurrentIndex(m_model->rootIndex());
    m_loading = false;
    m_modified = false;
    personChosen();
}

void DettaglioWindow::startFromGrid(const CaseRecord& record, const Results& results)
{
    if (m_modified &&
        !m_forms.prompts().ask(this, Quotaramod::titolocontrollo(),
                               u"Il caso dettagliato ha modifiche non salvate: ripartire dai "
                               u"dati della finestra Successione?"_s,
                               false))
        return;
    GridCase::Ascendants ascendants = GridCase::Ascendants::AsParents;
    if (GridCase::ascendantsAreAmbiguous(record)) {
        ascendants = m_forms.prompts().ask(
                         this, Quotaramod::titolocontrollo(),
                         u"La finestra Successione indica %1 ascendenti, più dei due genitori: "
                         u"inserirli come nonni e ascendenti più lontani, divisi tra le due "
                         u"linee? Con No non se ne inserisce nessuno e si possono aggiungere "
                         u"nell'albero."_s.arg(GridCase::count(record.ascendenti)))
                         ? GridCase::Ascendants::AsGrandparents
                         : GridCase::Ascendants::Left;
    }
    FamilyCase familyCase = GridCase::familyOf(record, ascendants);
    setFamilyCase(familyCase);
    // A value the grid holds but that is no amount stays for the user to mend.
    m_relictum->setText(GridCase::relictumText(record.beni).replace(u'.', u','));
    m_files.forgetFile();
    m_grid = std::make_pair(record, results);
    m_modified = false;
    recompute();
}

void DettaglioWindow::apri_Click()
{
    m_files.apri();
}

void DettaglioWindow::salva_Click()
{
    if (m_files.salva())
        m_modified = false;
}

void DettaglioWindow::salvanome_Click()
{
    if (m_files.salvanome())
        m_modified = false;
}

void DettaglioWindow::stampa_Click()
{
    QString fault;
    const std::optional<FamilyCase> familyCase = this->familyCase(fault);
    if (!familyCase || !m_outcome) {
        m_forms.prompts().warn(this, Quotaramod::titolocontrollo(),
                               u"Il calcolo non può essere stampato finché il caso non è "
                               u"corretto: %1."_s.arg(fault));
        return;
    }
    m_passo->setText(DocumentPresenter::loadingStatus());
    Document document;
    buildFamilyReport(document, *familyCase, *m_outcome);
    m_forms.presenter().present(document.textDocument(), windowName(WindowId::dettaglio));
}

void DettaglioWindow::guida_Click()
{
    m_forms.show(WindowId::guidadettaglio);
}

void DettaglioWindow::aggiungi(Relation relation, bool descendant)
{
    QModelIndex parent = m_model->rootIndex();
    if (descendant) {
        parent = m_famiglia->currentIndex().siblingAtColumn(FamilyModel::PersonColumn);
        if (!m_model->person(parent)) {
            m_passo->setText(u"scegliere nell'albero la persona di cui aggiungere un figlio"_s);
            return;
        }
    }
    Person person;
    person.relation = relation;
    if (relation == Relation::Ascendente)
        person.degree = 2;
    if (relation == Relation::Parente)
        person.degree = 3;
    if (relation == Relation::Genitore) {
        // The second parent takes the other line.
        for (const Person& other : m_model->familyCase().people) {
            if (other.relation == Relation::Genitore && other.parent.isEmpty() &&
                other.line == Line::Paterna)
                person.line = Line::Materna;
        }
    }
    const QModelIndex added = m_model->addPerson(parent, person);
    m_famiglia->expand(parent);
    m_famiglia->setCurrentIndex(added);
}

void DettaglioWindow::aggiungiContesto()
{
    const Person* current =
        m_model->person(m_famiglia->currentIndex().siblingAtColumn(FamilyModel::PersonColumn));
    const bool canHaveDescendants = current && (current->relation == Relation::Figlio ||
                                                current->relation == Relation::Fratello);
    aggiungi(Relation::Figlio, canHaveDescendants);
}

void DettaglioWindow::togli_Click()
{
    const QModelIndex index = m_famiglia->currentIndex().siblingAtColumn(FamilyModel::PersonColumn);
    const Person* person = m_model->person(index);
    if (!person)
        return;
    const int descendants = m_model->descendantCount(index);
    if (descendants > 0 &&
        !m_forms.prompts().ask(
            this, Quotaramod::titolocontrollo(),
            u"Togliere %1 e i suoi %2 discendenti?"_s.arg(person->displayName()).arg(descendants),
            false))
        return;
    const QModelIndex parent = index.parent();
    const int row = index.row();
    m_model->removePerson(index);
    const int rows = m_model->rowCount(parent);
    m_famiglia->setCurrentIndex(rows == 0 ? parent
                                          : m_model->index(std::min(row, rows - 1), 0, parent));
}

void DettaglioWindow::selectPerson(const QString& id)
{
    m_famiglia->setCurrentIndex(id.isEmpty() ? m_model->rootIndex() : m_model->indexOf(id));
}

void DettaglioWindow::personChosen()
{
    const Person* person =
        m_model->person(m_famiglia->currentIndex().siblingAtColumn(FamilyModel::PersonColumn));
    showPerson(person);
    m_grafici->setCurrentPerson(person ? person->id : QString());
}

void DettaglioWindow::showPerson(const Person* person)
{
    const QList<QWidget*> fields{m_nome,  m_relazione, m_stato,      m_vincolo,
                                 m_linea, m_grado,     m_separazione};
    std::vector<std::unique_ptr<QSignalBlocker>> blockers;
    for (QWidget* field : fields)
        blockers.push_back(std::make_unique<QSignalBlocker>(field));
    m_persona->setEnabled(person != nullptr);
    if (!person) {
        m_nome->clear();
        m_persona->setTitle(u"Persona scelta: il de cuius (il nome si scrive nei dati generali)"_s);
        return;
    }
    m_persona->setTitle(u"Persona scelta: "_s + person->id);
    m_nome->setText(person->name);
    choose(m_relazione, person->relation);
    choose(m_stato, person->status);
    choose(m_vincolo, person->bond);
    choose(m_linea, person->line);
    m_grado->setValue(person->degree);
    choose(m_separazione, person->separation);
    updateFormFields(person->relation, !person->parent.isEmpty());
}

void DettaglioWindow::updateFormFields(Relation relation, bool descendant)
{
    m_relazione->setEnabled(!descendant);
    m_vincolo->setEnabled(!descendant && relation == Relation::Fratello);
    m_linea->setEnabled(!descendant &&
                        (relation == Relation::Genitore || relation == Relation::Ascendente));
    m_grado->setEnabled(!descendant &&
                        (relation == Relation::Ascendente || relation == Relation::Parente));
    m_separazione->setEnabled(!descendant && relation == Relation::Coniuge);
}

void DettaglioWindow::personEdited()
{
    const QModelIndex index = m_famiglia->currentIndex().siblingAtColumn(FamilyModel::PersonColumn);
    const Person* current = m_model->person(index);
    if (!current)
        return;
    Person person = *current;
    person.name = m_nome->text().trimmed();
    person.relation = chosen<Relation>(m_relazione);
    person.status = chosen<Status>(m_stato);
    person.bond = chosen<Bond>(m_vincolo);
    person.line = chosen<Line>(m_linea);
    person.separation = chosen<Separation>(m_separazione);
    person.degree = m_grado->value();
    if (person.relation != current->relation) {
        // A new relation starts from its own defaults.
        person.degree = person.relation == Relation::Ascendente ? 2
                        : person.relation == Relation::Parente  ? 3
                                                                : 0;
        person.bond = Bond::Germano;
        person.separation = Separation::Nessuna;
        const QSignalBlocker blocker(m_grado);
        m_grado->setValue(person.degree);
        choose(m_vincolo, person.bond);
        choose(m_separazione, person.separation);
    }
    updateFormFields(person.relation, !person.parent.isEmpty());
    m_model->updatePerson(index, person);
}

void DettaglioWindow::edited()
{
    if (m_loading)
        return;
    m_modified = true;
    recompute();
}

void DettaglioWindow::clearMarks()
{
    for (QWidget* field : std::initializer_list<QWidget*>{m_relictum, m_debiti, m_donazioni}) {
        field->setProperty("errore", false);
        field->setAccessibleDescription(QString());
        field->style()->unpolish(field);
        field->style()->polish(field);
    }
    m_model->setFaultyPerson(QString(), QString());
}

void DettaglioWindow::markFault(QWidget* field, const QString& fault)
{
    field->setProperty("errore", true);
    field->setAccessibleDescription(fault);
    field->style()->unpolish(field);
    field->style()->polish(field);
}

void DettaglioWindow::recompute()
{
    if (m_loading)
        return;
    clearMarks();
    m_model->setDecuius(m_decuius->text());
    QString fault;
    const std::optional<FamilyCase> familyCase = this->familyCase(fault);
    if (!familyCase) {
        clearOutcome();
        if (fault.startsWith(u"valore dei beni"))
            markFault(m_relictum, fault);
        else if (fault.startsWith(u"debiti"))
            markFault(m_debiti, fault);
        else if (fault.startsWith(u"donazion"))
            markFault(m_donazioni, fault);
        else if (const QString id = personNamedIn(fault, m_model->familyCase()); !id.isEmpty())
            m_model->setFaultyPerson(id, fault);
        else if (fault.contains(u"debiti"))
            markFault(m_debiti, fault);
        m_passo->setText(u"Dati non validi: "_s + fault);
        return;
    }
    const FamilyOutcome::Outcome outcome = FamilyOutcome::compute(*familyCase);
    showOutcome(outcome);
    m_outcome = outcome;
    m_passo->setText(u"quote calcolate: scegliere una persona nell'albero per modificarla, Ins "
                     u"per aggiungere un figlio o un discendente, Canc per toglierla"_s);
    if (!m_grid) {
        m_confronto->hide();
        return;
    }
    const auto column = [](const std::optional<FamilyOutcome::Section>& section)
        -> std::optional<GridCase::Column> {
        if (!section)
            return std::nullopt;
        GridCase::Column result;
        for (const FamilyOutcome::HeirShare& share : section->shares)
            result.shares.append(GridCase::Share{share.id, share.share, share.articles});
        result.disponibile = section->disponibile;
        return result;
    };
    const QString comparison =
        GridCase::comparison(m_grid->first, m_grid->second, *familyCase, column(outcome.legittima),
                             column(outcome.testamentaria));
    setLinkedText(m_confronto, comparison.isEmpty()
                                   ? u"Le quote coincidono con quelle della finestra Successione."_s
                                   : comparison);
    m_confronto->show();
}

void DettaglioWindow::showOutcome(const FamilyOutcome::Outcome& outcome)
{
    const FamilyCase& familyCase = m_model->familyCase();
    m_grafici->showCase(familyCase, outcome);
    m_legittimaBox->setVisible(outcome.legittima.has_value());
    m_testamentariaBox->setVisible(outcome.testamentaria.has_value());
    QStringList steps;
    if (const auto& section = outcome.legittima) {
        fillShares(m_quoteLegittima, *section, familyCase, m_forms);
        setLinkedText(m_statoLegittima, section->stateShare ? u"allo Stato (art. 586): %1"_s.arg(
                                                                  section->stateShare->text())
                                                            : QString());
        steps << u"Successione legittima (%1):"_s.arg(articlesText(section->articles));
        steps << section->passi;
    }
    if (const auto& section = outcome.testamentaria) {
        fillShares(m_quoteTestamentaria, *section, familyCase, m_forms);
        m_disponibile->setText(section->disponibile && section->disponibileAmount
                                   ? u"quota disponibile: %1, %2"_s.arg(
                                         section->disponibile->text(),
                                         FamilyLabels::amountText(*section->disponibileAmount))
                                   : QString());
        setLinkedText(m_massa, section->massa ? u"massa (art. 556): %1"_s.arg(
                                                    FamilyLabels::amountText(*section->massa))
                                              : QString());
        if (!steps.isEmpty())
            steps << QString();
        steps << u"Successione testamentaria (%1):"_s.arg(articlesText(section->articles));
        steps << section->passi;
    }
    const QString text = steps.join(u'\n');
    if (m_passi->toPlainText() != text)
        m_passi->setPlainText(text);
}

void DettaglioWindow::clearOutcome()
{
    m_outcome.reset();
    m_grafici->showCase(m_model->familyCase(), std::nullopt);
    m_quoteLegittima->setRowCount(0);
    m_quoteTestamentaria->setRowCount(0);
    m_statoLegittima->clear();
    m_disponibile->clear();
    m_massa->clear();
    m_passi->clear();
    m_confronto->hide();
}

void registerFamilyWindows(Forms& forms)
{
    forms.registerFactory(WindowId::dettaglio,
                          [](Forms& f) { return std::make_unique<DettaglioWindow>(f); });
}

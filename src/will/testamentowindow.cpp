#include "testamentowindow.h"
#include "app/fonts.h"

#include "app/caseopener.h"
#include "app/forms.h"
#include "app/prompts.h"
#include "app/quotaramod.h"
#include "app/textfit.h"
#include "app/twips.h"
#include "app/windowsetup.h"
#include "output/document.h"
#include "output/documentpresenter.h"
#include "willprintout.h"
#include "willtexts.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>

namespace {

// Each aspect's row holds two lines of its note; the advice beside them
// holds its thirteen lines.
constexpr int kAspectTop = 1665;
constexpr int kAspectStep = 525;
constexpr int kAspectHeight = 480;
constexpr int kTextMargin = 2;

const QColor kHeadingColour(0, 0, 128);

QLabel* makeLabel(QWidget* area, const QString& name, const QString& caption, const QRect& twips,
                  bool heading)
{
    auto* label = WindowSetup::control<QLabel>(area, name, twips);
    label->setText(caption);
    label->setFont(Fonts::sansSerif(Fonts::defaultPoints, heading));
    label->setWordWrap(!heading);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (heading) {
        QPalette colours = label->palette();
        colours.setColor(QPalette::WindowText, kHeadingColour);
        label->setPalette(colours);
    }
    return label;
}

QPlainTextEdit* makeText(QWidget* area, const QString& name, const QString& text,
                         const QRect& twips)
{
    auto* box = WindowSetup::control<QPlainTextEdit>(area, name, twips);
    box->setReadOnly(true);
    box->setPlainText(text);
    box->document()->setDocumentMargin(kTextMargin);
    return box;
}

// The line break that ends an aspect's note stays in its text (the printout
// takes it), but shows no empty line that would need a scroll bar.
void hideFinalBreak(QPlainTextEdit* box)
{
    QTextBlock last = box->document()->lastBlock();
    if (!last.text().isEmpty() || last == box->document()->firstBlock())
        return;
    last.setVisible(false);
    box->document()->markContentsDirty(last.position(), last.length());
}

void placeButton(QPushButton* button, const QRect& twips)
{
    button->setGeometry(Twips::rect(twips.x(), twips.y(), twips.width(), twips.height()));
}

// Read-only text boxes would otherwise have no name and the "?" buttons only their caption.
void nameForScreenReaders(QWidget& window)
{
    const auto& aspects = WillTexts::aspects();
    for (std::size_t i = 0; i < aspects.size(); ++i) {
        const WillTexts::Aspect& aspect = aspects[i];
        if (auto* text = window.findChild<QWidget*>(aspect.textName))
            text->setAccessibleName(aspect.heading);
        if (auto* spiega = window.findChild<QWidget*>(QStringLiteral("spiega_%1").arg(i + 1)))
            spiega->setAccessibleName(QStringLiteral("spiegazione: ") + aspect.heading);
    }
    if (auto* advice = window.findChild<QWidget*>(QStringLiteral("Text2")))
        advice->setAccessibleName(WillTexts::adviceHeading());
    if (auto* example = window.findChild<QWidget*>(QStringLiteral("esempio")))
        example->setAccessibleName(WillTexts::exampleHeading());
}

} // namespace

FrameDescription TestamentoWindow::frameDescription()
{
    FrameDescription d;
    d.number = 7;
    d.id = WindowId::testamento;
    d.guideName = QStringLiteral("Testamento");
    d.guideWindow = WindowId::guidatestamento;
    d.inlineHelp = WillTexts::inlineHelp();
    d.hasMenu = true;
    d.helpMenuName = QStringLiteral("help");
    d.suggestionsItemName = QStringLiteral("sugger");
    d.exitItemName = QStringLiteral("esci");
    d.aiutoTooltip = QStringLiteral("cliccare per avere gli aiuti in linea");
    d.guidainlineaTooltip = QStringLiteral("cliccare per visualizzare il Sommario della guida");
    d.cmdsuccTooltip = QStringLiteral("cliccare per visualizzare la finestra Successione");
    return d;
}

TestamentoWindow::TestamentoWindow(Forms& forms, QWidget* parent)
    : QMainWindow(parent), m_forms(forms), m_frame(*this, forms, frameDescription()),
      m_files(
          forms.prompts(), this, m_nomefile, [] { return CaseRecord{}; }, [](const CaseRecord&) {})
{
    setWindowTitle(WillTexts::windowTitle());
    buildMenu();
    m_frame.button(ToolbarButton::Salva)->setEnabled(false);
    m_frame.setFileButtonHandler([this](ToolbarButton button) { onFileButton(button); });

    QWidget* area = m_frame.area();
    buildDefinition(area);
    buildAspects(area);
    buildAdviceAndExample(area);
    buildLinks(area);
    buildFoot(area);
    m_files.setReport([this](const QString& status, bool) { m_passo->setText(status); });
    m_passo->setText(WillTexts::passoIniziale());
    nameForScreenReaders(*this);

    WindowSetup::open(*this, m_resize, area, WindowSetup::mainWindowTwips);
}

void TestamentoWindow::buildMenu()
{
    QMenu* file = m_frame.fileMenu();
    const auto addItem = [file](const QString& caption, const QString& name) {
        QAction* item = file->addAction(caption);
        item->setObjectName(name);
        return item;
    };
    connect(addItem(QStringLiteral("&Apri..."), QStringLiteral("apri")), &QAction::triggered, this,
            &TestamentoWindow::apri_Click);
    addItem(QStringLiteral("&Salva"), QStringLiteral("salva"))->setEnabled(false);
    addItem(QStringLiteral("Salva con &nome..."), QStringLiteral("salvano"))->setEnabled(false);
    connect(addItem(QStringLiteral("&Elimina..."), QStringLiteral("eliminare")),
            &QAction::triggered, this, &TestamentoWindow::eliminare_click);
    connect(addItem(QStringLiteral("S&tampa"), QStringLiteral("stampa")), &QAction::triggered, this,
            &TestamentoWindow::stampa_Click);
    m_frame.finishFileMenu();
}

void TestamentoWindow::buildDefinition(QWidget* area)
{
    m_lb1 = makeLabel(area, QStringLiteral("lb1"), WillTexts::definitionHeading(),
                      QRect(120, 660, 3500, 255), true);
    m_nome = makeLabel(area, QStringLiteral("nome"), WillTexts::definition(),
                       QRect(120, 915, 9360, 480), false);
}

void TestamentoWindow::buildAspects(QWidget* area)
{
    makeLabel(area, QStringLiteral("Label7"), WillTexts::aspectsTitle(),
              QRect(120, 1410, 4500, 255), true);
    const auto& aspects = WillTexts::aspects();
    for (std::size_t i = 0; i < aspects.size(); ++i) {
        const WillTexts::Aspect& aspect = aspects[i];
        const int top = kAspectTop + static_cast<int>(i) * kAspectStep;
        // The heading ends where its note's box begins.
        makeLabel(area, aspect.headingName, aspect.heading, QRect(120, top, 1470, 255), false);
        m_aspectTexts[i] =
            makeText(area, aspect.textName, aspect.text, QRect(1620, top, 3900, kAspectHeight));
        hideFinalBreak(m_aspectTexts[i]);
        TextFit::keepWhole(*m_aspectTexts[i]);
        const int index = static_cast<int>(i) + 1;
        auto* spiega = new QPushButton(QStringLiteral("?"), area);
        spiega->setObjectName(QStringLiteral("spiega_%1").arg(index));
        placeButton(spiega, QRect(5580, top + 83, 315, 315));
        connect(spiega, &QPushButton::clicked, this, [this, index] { spiega_Click(index); });
    }
}

void TestamentoWindow::buildAdviceAndExample(QWidget* area)
{
    makeLabel(area, QStringLiteral("Label1"), WillTexts::adviceHeading(),
              QRect(5970, 1410, 3510, 255), true);
    // The advice is broken into its lines by hand.
    makeText(area, QStringLiteral("Text2"), WillTexts::advice(),
             QRect(5970, kAspectTop, 3510, 2640))
        ->setLineWrapMode(QPlainTextEdit::NoWrap);
    makeLabel(area, QStringLiteral("Label5"), WillTexts::exampleHeading(),
              QRect(120, 4305, 9360, 255), true)
        ->setFont(Fonts::sansSerif(8.25, false));
    makeText(area, QStringLiteral("esempio"), WillTexts::example(), QRect(120, 4560, 9360, 885));
}

void TestamentoWindow::buildLinks(QWidget* area)
{
    const auto& links = WillTexts::links();
    for (std::size_t i = 0; i < links.size(); ++i) {
        const int index = static_cast<int>(i) + 1;
        auto* stima = new QPushButton(links[i].caption, area);
        stima->setObjectName(QStringLiteral("stima_%1").arg(index));
        stima->setToolTip(links[i].url.toString());
        placeButton(stima, QRect(120 + static_cast<int>(i) * 3180, 5475, 3000, 315));
        connect(stima, &QPushButton::clicked, this, [this, index] { stima_Click(index); });
    }
}

void TestamentoWindow::buildFoot(QWidget* area)
{
    m_passo = WindowSetup::passo(area, QRect(120, 5805, 9360, 255), QString());

    placeButton(m_frame.makeFootButton(QStringLiteral("aiuto")), QRect(120, 6075, 1335, 330));
    placeButton(m_frame.makeFootButton(QStringLiteral("guidainlinea")),
                QRect(1560, 6075, 1335, 330));
    placeButton(m_frame.makeFootButton(QStringLiteral("cmdsucc")), QRect(3000, 6075, 1335, 330));
    placeButton(m_frame.makeFootButton(QStringLiteral("esco")), QRect(8145, 6075, 1335, 330));
}

void TestamentoWindow::onFileButton(ToolbarButton button)
{
    switch (button) {
    case ToolbarButton::Apri:
        apri_Click();
        return;
    case ToolbarButton::Cancella:
        eliminare_click();
        return;
    case ToolbarButton::Stampa:
        stampa_Click();
        return;
    default:
        return;
    }
}

void TestamentoWindow::spiega_Click(int index)
{
    m_forms.prompts().inform(this, Quotaramod::titoloaiuto(), WillTexts::explanation(index));
}

void TestamentoWindow::stampa_Click()
{
    m_passo->setText(DocumentPresenter::loadingStatus());
    WillPrintContent content;
    content.definitionHeading = m_lb1->text();
    content.definition = m_nome->text();
    for (std::size_t i = 0; i < m_aspectTexts.size(); ++i)
        content.aspectTexts[i] = m_aspectTexts[i]->toPlainText();
    Document document;
    stampatestamento(document, content);
    const Presentation shown =
        m_forms.presenter().present(document.textDocument(), QStringLiteral("testamento"));
    m_passo->setText(shown.status());
}

void TestamentoWindow::apri_Click()
{
    auto* succession = dynamic_cast<CaseOpener*>(m_forms.form(WindowId::successione));
    if (!succession)
        return;
    succession->apri_Click();
    m_forms.show(WindowId::successione);
}

void TestamentoWindow::eliminare_click()
{
    m_files.eliminare();
}

void TestamentoWindow::stima_Click(int index)
{
    const auto& links = WillTexts::links();
    if (index < 1 || index > static_cast<int>(links.size()))
        return;
    const QUrl& address = links[static_cast<std::size_t>(index - 1)].url;
    if (!Link(address))
        m_forms.prompts().warn(this, Quotaramod::titolocontrollo(),
                               QStringLiteral("La pagina %1 non si è aperta: nessun programma di "
                                              "navigazione si è avviato.")
                                   .arg(address.toString()));
}

bool TestamentoWindow::Link(const QUrl& address)
{
    return m_forms.prompts().openUrl(address);
}

void registerWillWindows(Forms& forms)
{
    forms.registerFactory(WindowId::testamento,
                          [](Forms& f) { return std::make_unique<TestamentoWindow>(f); });
}

#include "sommario.h"

#include "app/confermauscita.h"
#include "app/fonts.h"
#include "app/forms.h"
#include "app/prompts.h"
#include "app/quotaramod.h"
#include "app/twips.h"
#include "app/windowsetup.h"
#include "helpdocument.h"
#include "output/document.h"
#include "output/documentfiles.h"
#include "output/documentpresenter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStandardPaths>

namespace {

struct Entry
{
    int top;
    const char16_t* caption;
    WindowId target;
};

constexpr Entry kEntries[Sommario::entryCount] = {
    {840, u" Manuale d'uso rapido", WindowId::manuale},
    {1200, u" Funzionamento del programma", WindowId::guidafunzionamento},
    {1800, u" Finestra Successione", WindowId::guidasuccessione},
    {2160, u" Finestra Norme", WindowId::guidanorme},
    {2520, u" Finestra Testamento", WindowId::guidatestamento},
    {2880, u" Finestra Massime", WindowId::guidamassime},
    {4800, u"  Suggerimento del giorno", WindowId::frmTip},
    {5160, u"  altri prodotti Software Solvano", WindowId::catalogo},
    // Added after the guide of the last main window, in the free row below it.
    {3240, u" Finestra Calcolo dettagliato", WindowId::guidadettaglio},
};

// The catalogue entry opens a window of another kind and has no tooltip.
constexpr int kCatalogueEntry = 8;

bool canWriteTo(const QString& folder)
{
    const QFileInfo info(folder);
    return !folder.isEmpty() && info.isDir() && info.isWritable();
}

} // namespace

Sommario::Sommario(Forms& forms, QWidget* parent)
    : QWidget(parent, Qt::Window), m_forms(forms),
      m_programFolder(QCoreApplication::applicationDirPath()),
      m_documentsFolder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
{
    setWindowTitle(Quotaramod::nomeprogramma() + QStringLiteral(": guida in linea"));
    setWindowIcon(QIcon(QStringLiteral(":/app/icons/quotara.svg")));
    setMouseTracking(true);

    auto* heading = new QLabel(QStringLiteral("Argomenti della guida"), this);
    heading->setObjectName(QStringLiteral("Label1"));
    heading->setGeometry(Twips::rect(240, 240, 3375, 375));
    heading->setFont(Fonts::sansSerif(9.75, true));

    for (int index = 1; index <= entryCount; ++index) {
        const Entry& entry = kEntries[index - 1];
        addEntry(index, entry.top, QString::fromUtf16(entry.caption));
    }

    connect(addButton(QStringLiteral("cmdstampa"), QStringLiteral("&Stampa"), 120,
                      QStringLiteral("cliccare per avere la copia su carta del sommario")),
            &QPushButton::clicked, this, &Sommario::cmdStampa_Click);
    connect(addButton(QStringLiteral("cmdchiudi"), QStringLiteral("&Chiudi"), 1320,
                      QStringLiteral("cliccare per chiudere la finestra")),
            &QPushButton::clicked, this, &Sommario::cmdchiudi_Click);
    connect(addButton(QStringLiteral("Command1"), QStringLiteral("&USCITA"), 2520,
                      Quotaramod::exitTooltip()),
            &QPushButton::clicked, this, &Sommario::Command1_Click);

    WindowSetup::open(*this, m_resize, nullptr, WindowSetup::summaryTwips);
}

void Sommario::addEntry(int index, int top, const QString& caption)
{
    auto* button = new QPushButton(QStringLiteral("--->"), this);
    button->setObjectName(QStringLiteral("puls_%1").arg(index));
    // The arrow says nothing to a screen reader; the entry it opens does.
    button->setAccessibleName(caption);
    button->setGeometry(Twips::rect(240, top, 375, 255));
    connect(button, &QPushButton::clicked, this, [this, index] { puls_Click(index); });

    auto* label = new QLabel(caption, this);
    label->setObjectName(QStringLiteral("lbl_%1").arg(index));
    label->setGeometry(Twips::rect(720, top, 2895, 255));
    label->setFont(Fonts::sansSerif(8.25, false));
    label->setCursor(Qt::PointingHandCursor);
    label->setMouseTracking(true);
    label->installEventFilter(this);

    if (index != kCatalogueEntry)
        button->setToolTip(QStringLiteral("cliccare per visualizzare: ") + caption);
    m_puls.at(static_cast<std::size_t>(index - 1)) = button;
    m_lbl.at(static_cast<std::size_t>(index - 1)) = label;
}

QPushButton* Sommario::addButton(const QString& name, const QString& caption, int left,
                                 const QString& tooltip)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setGeometry(Twips::rect(left, 6000, 1215, 375));
    button->setToolTip(tooltip);
    return button;
}

void Sommario::setSaveFolders(const QString& programFolder, const QString& documentsFolder)
{
    m_programFolder = programFolder;
    m_documentsFolder = documentsFolder;
}

QString Sommario::helpFileName()
{
    return Quotaramod::nomeprogramma() + QStringLiteral("-guida.odt");
}

QLabel* Sommario::lbl(int index) const
{
    return m_lbl.at(static_cast<std::size_t>(index - 1));
}

QPushButton* Sommario::puls(int index) const
{
    return m_puls.at(static_cast<std::size_t>(index - 1));
}

WindowId Sommario::target(int index)
{
    return kEntries[index - 1].target;
}

int Sommario::entryOf(const QObject* label) const
{
    for (int index = 1; index <= entryCount; ++index) {
        if (lbl(index) == label)
            return index;
    }
    return 0;
}

void Sommario::puls_Click(int index)
{
    m_forms.show(target(index));
}

void Sommario::normalelink()
{
    for (QLabel* label : m_lbl) {
        QFont font = label->font();
        font.setBold(false);
        label->setFont(font);
    }
}

void Sommario::lbl_MouseMove(int index)
{
    normalelink();
    QFont font = lbl(index)->font();
    font.setBold(true);
    lbl(index)->setFont(font);
}

void Sommario::lbl_Mousedown(int index)
{
    lbl(index)->setFrameStyle(QFrame::NoFrame);
    puls_Click(index);
}

void Sommario::lbl_MouseUp(int index)
{
    lbl(index)->setFrameStyle(QFrame::Box | QFrame::Plain);
    lbl(index)->setLineWidth(1);
}

bool Sommario::eventFilter(QObject* watched, QEvent* event)
{
    const int index = entryOf(watched);
    if (index == 0)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove:
        // Consumed: a label ignores the move, which would reach the window and
        // clear the highlight at once.
        lbl_MouseMove(index);
        return true;
    case QEvent::MouseButtonPress:
        lbl_Mousedown(index);
        return true;
    case QEvent::MouseButtonRelease:
        lbl_MouseUp(index);
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void Sommario::mouseMoveEvent(QMouseEvent* event)
{
    normalelink();
    QWidget::mouseMoveEvent(event);
}

void Sommario::cmdStampa_Click()
{
    Document document;
    buildHelpDocument(document);
    m_forms.presenter().present(document.textDocument(), QStringLiteral("guida"));
    const QString saved = saveHelp(document);
    if (saved.isEmpty()) {
        m_forms.prompts().warn(this, Quotaramod::titoloaiuto(),
                               QStringLiteral("Non è stato possibile salvare la guida ") +
                                   helpFileName() +
                                   QStringLiteral(" né nella cartella del programma né nella "
                                                  "cartella Documenti."));
        return;
    }
    m_forms.prompts().inform(this, Quotaramod::titoloaiuto(),
                             QStringLiteral("La guida è stata salvata nel file ") +
                                 QDir::toNativeSeparators(saved));
}

QString Sommario::saveHelp(const Document& document) const
{
    if (canWriteTo(m_programFolder)) {
        const QString path = QDir(m_programFolder).filePath(helpFileName());
        if (DocumentFiles::writeOdt(document.textDocument(), path))
            return path;
    }
    if (m_documentsFolder.isEmpty() || !QDir().mkpath(m_documentsFolder))
        return {};
    const QString path = QDir(m_documentsFolder).filePath(helpFileName());
    return DocumentFiles::writeOdt(document.textDocument(), path) ? path : QString();
}

void Sommario::cmdchiudi_Click()
{
    hide();
}

void Sommario::Command1_Click()
{
    confermauscita(m_forms, this);
}

#include "helpwindow.h"
#include "app/fonts.h"

#include "app/forms.h"
#include "app/twips.h"
#include "app/windowsetup.h"
#include "helptexts.h"
#include "output/document.h"
#include "output/documentpresenter.h"
#include "output/stampaguida.h"

#include <QLabel>
#include <QPushButton>

namespace {

const QColor kBackground(255, 255, 192);
const QColor kHeadingColour(0, 0, 255);

constexpr int kGuideLeftEdge = 5467;

QRect twipsRect(const QRect& twips)
{
    return Twips::rect(twips.x(), twips.y(), twips.width(), twips.height());
}

// The text is laid out for the specified font; where the desktop substitutes a
// wider one, the size steps down until the whole text shows.
void fitText(QLabel* label, double points)
{
    constexpr double smallest = 7;
    constexpr double step = 0.25;
    QFont font = label->font();
    for (; points > smallest; points -= step) {
        font.setPointSizeF(points);
        label->setFont(font);
        if (label->heightForWidth(label->width()) <= label->height())
            return;
    }
}

HelpGeometry guideGeometry(WindowId id)
{
    const bool wide = id == WindowId::guidafunzionamento;
    HelpGeometry geometry;
    geometry.left = kGuideLeftEdge;
    geometry.heading = QRect(120, 600, wide ? 4095 : 3615, 255);
    geometry.text = QRect(120, 960, 5175, wide ? 5280 : 5295);
    return geometry;
}

HelpGeometry manualGeometry()
{
    HelpGeometry geometry;
    geometry.width = WindowSetup::mainWindowTwips.width();
    geometry.heading = QRect(120, 600, 3615, 375);
    geometry.text = QRect(240, 960, 9015, 5280);
    geometry.tooltips = true;
    return geometry;
}

} // namespace

std::optional<HelpPage> HelpWindow::pageFor(WindowId id)
{
    if (!HelpTexts::isGuide(id))
        return std::nullopt;
    return HelpPage{HelpTexts::heading(id), HelpTexts::text(id),
                    id == WindowId::manuale ? manualGeometry() : guideGeometry(id)};
}

HelpWindow::HelpWindow(Forms& forms, WindowId id, const HelpPage& page, QWidget* parent)
    : QWidget(parent, Qt::Window), m_forms(forms), m_id(id)
{
    setWindowTitle(QStringLiteral("Guida in linea"));
    setWindowIcon(QIcon(QStringLiteral(":/app/icons/quotara.svg")));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kBackground);
    setPalette(colours);
    setAutoFillBackground(true);

    QPushButton* sommario =
        addButton(QStringLiteral("cmdSommario"), QStringLiteral("&Sommario"), 120);
    QPushButton* stampa = addButton(QStringLiteral("cmdStampa"), QStringLiteral("S&tampa"), 1320);
    QPushButton* chiudi = addButton(QStringLiteral("cmdchiudi"), QStringLiteral("&Chiudi"), 2520);
    connect(sommario, &QPushButton::clicked, this, &HelpWindow::cmdSommario_Click);
    connect(stampa, &QPushButton::clicked, this, &HelpWindow::cmdStampa_Click);
    connect(chiudi, &QPushButton::clicked, this, &HelpWindow::cmdchiudi_Click);
    if (page.geometry.tooltips) {
        sommario->setToolTip(QStringLiteral("cliccare per visualizzare il sommario della guida"));
        stampa->setToolTip(
            QStringLiteral("cliccare per avere la copia su carta del MANUALE D'USO RAPIDO"));
        chiudi->setToolTip(QStringLiteral("cliccare per chiudere la finestra"));
    }

    m_label1 = new QLabel(page.heading, this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setGeometry(twipsRect(page.geometry.heading));
    m_label1->setFont(Fonts::sansSerif(8.25, true));
    QPalette headingColours = m_label1->palette();
    headingColours.setColor(QPalette::WindowText, kHeadingColour);
    m_label1->setPalette(headingColours);

    m_label2 = new QLabel(page.text, this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setGeometry(twipsRect(page.geometry.text));
    m_label2->setFont(Fonts::sansSerif(9.75, false));
    m_label2->setWordWrap(true);
    m_label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fitText(m_label2, 9.75);
    QPalette textColours = m_label2->palette();
    textColours.setColor(QPalette::WindowText, Qt::black);
    m_label2->setPalette(textColours);

    WindowSetup::open(*this, m_resize, nullptr, QSize(page.geometry.width, page.geometry.height));
    if (page.geometry.left)
        move(Twips::toPixels(*page.geometry.left), y());
}

QPushButton* HelpWindow::addButton(const QString& name, const QString& caption, int left)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setGeometry(Twips::rect(left, 120, 1215, 375));
    return button;
}

QString HelpWindow::heading() const
{
    return m_label1->text();
}

QString HelpWindow::text() const
{
    return m_label2->text();
}

void HelpWindow::cmdSommario_Click()
{
    m_forms.show(WindowId::sommario);
}

void HelpWindow::cmdStampa_Click()
{
    Document document;
    stampaguida(document, heading(), text());
    m_forms.presenter().present(document.textDocument(), QStringLiteral("guida"));
}

void HelpWindow::cmdchiudi_Click()
{
    m_forms.unload(m_id);
}

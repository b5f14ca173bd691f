#include "informa.h"
#include "fonts.h"

#include "quotaramod.h"
#include "twips.h"
#include "windowsetup.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

} // namespace

Informa::Informa(Forms& forms, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint)
{
    Q_UNUSED(forms);
    setWindowTitle(QStringLiteral("Informazioni su ") + Quotaramod::nomeprogramma());
    setWindowIcon(QIcon(QStringLiteral(":/app/icons/quotara.svg")));

    QLabel* maker = addLabel(QStringLiteral("Label3"), QStringLiteral("software Solvano"),
                             QRect(120, 0, 6615, 405));
    maker->setFont(Fonts::face(
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")},
        18, true));
    QLabel* name =
        addLabel(QStringLiteral("Label1"), Quotaramod::nomeprogramma(), QRect(240, 360, 6495, 615));
    name->setFont(Fonts::face({QStringLiteral("Arial Black"), QStringLiteral("DejaVu Sans"),
                               QStringLiteral("Sans Serif")},
                              24, true));
    addLabel(QStringLiteral("Label2"), Quotaramod::sottotitolo(), QRect(240, 960, 6495, 255))
        ->setFont(Fonts::sansSerif(9.75));
    addRule(QStringLiteral("Line1"), 240, 6720, 1320);

    // These two lines keep their centres but take the whole width, so that a
    // wider substitute font does not cut them.
    addLabel(QStringLiteral("Label5"), Quotaramod::platformLine(), QRect(240, 1440, 6495, 255));
    m_edition =
        addLabel(QStringLiteral("Label6"), Quotaramod::editionLine(), QRect(240, 1680, 6495, 255));
    addRule(QStringLiteral("Line2"), 1320, 5640, 2040);

    QLabel* notice =
        addLabel(QStringLiteral("Label4"),
                 QStringLiteral("Il programma fornisce indicazioni orientative sulle quote di "
                                "successione e non costituisce parere legale."),
                 QRect(240, 2100, 6495, 405));
    notice->setWordWrap(true);
    addRule(QStringLiteral("Line3"), 480, 6480, 2520);

    QLabel* credit = addLabel(
        QStringLiteral("label7"),
        QStringLiteral("(il brano musicale \"Internet\" che accompagna l'avvio è stato composto "
                       "appositamente per ") +
            Quotaramod::nomeprogramma() + u')',
        QRect(240, 2640, 4800, 495));
    credit->setWordWrap(true);
    credit->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(Twips::rect(5160, 3120, 1575, 495));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &Informa::cmdOK_Click);
    WindowSetup::fixSize(*this, QSize(6960, 3780));
}

QLabel* Informa::addLabel(const QString& name, const QString& text, const QRect& twips)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setGeometry(Twips::rect(twips.x(), twips.y(), twips.width(), twips.height()));
    label->setFont(Fonts::sansSerif(8.25));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

void Informa::addRule(const QString& name, int x1, int x2, int y)
{
    auto* rule = new QFrame(this);
    rule->setObjectName(name);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Plain);
    rule->setLineWidth(1);
    // A one-pixel line needs a few pixels of height for the frame to draw it.
    rule->setGeometry(Twips::toPixels(x1), Twips::toPixels(y) - 1, Twips::toPixels(x2 - x1), 3);
}

QString Informa::editionText() const
{
    return m_edition->text();
}

void Informa::cmdOK_Click()
{
    hide();
}

#include "splash.h"
#include "fonts.h"

#include "datafiles.h"
#include "forms.h"
#include "musicplayer.h"
#include "quotaramod.h"
#include "twips.h"
#include "windowsetup.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QSvgWidget>

namespace {

const QString kYellow = QStringLiteral("#ffff00");

// The labels' widths were set for a narrower face; a line that does not fit
// is set in a smaller size rather than cut.
void shrinkToFit(QLabel* label)
{
    QFont font = label->font();
    while (font.pointSizeF() > 5 &&
           QFontMetrics(font).horizontalAdvance(label->text()) > label->width())
        font.setPointSizeF(font.pointSizeF() - 0.25);
    label->setFont(font);
}

} // namespace

void mostrasuccessione(Forms& forms)
{
    forms.show(WindowId::successione);
}

QString FrmSplash::musicFileName()
{
    return QStringLiteral("Internet.mid");
}

FrmSplash::FrmSplash(Forms& forms, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_forms(forms)
{
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral("FrmSplash { background-color: black; }"));
    setWindowTitle(Quotaramod::nomeprogramma());
    setWindowIcon(QIcon(QStringLiteral(":/app/icons/quotara.svg")));
    setFocusPolicy(Qt::StrongFocus);

    // Bare name first, as the program always did; then where the program is installed.
    QString music = musicFileName();
    if (!QFileInfo::exists(music) && !DataFiles::locate(musicFileName()).isEmpty())
        music = DataFiles::locate(musicFileName());
    m_forms.music().open(music);
    m_forms.music().play();

    Quotaramod::impostatitoli();
    Quotaramod::impostaidentita();

    for (int index : {0, 9, 10, 11}) {
        const QRect bars[] = {Twips::rect(0, 0, 8775, 255), Twips::rect(0, 255, 255, 5175),
                              Twips::rect(8520, 255, 255, 5175), Twips::rect(240, 5160, 8295, 255)};
        const int bar = index == 0 ? 0 : index - 8;
        QLabel* label = addLabel(index, 0, 0, 0, 0);
        label->setGeometry(bars[bar]);
        label->setStyleSheet(QStringLiteral("background-color: %1;").arg(kYellow));
    }

    QLabel* maker = addLabel(1, 2880, 480, 5520, 555);
    maker->setText(QStringLiteral("software Solvano"));
    maker->setFont(Fonts::face({QStringLiteral("Algerian"), QStringLiteral("URW Bookman"),
                                QStringLiteral("DejaVu Serif"), QStringLiteral("Serif")},
                               21.75, true));

    QLabel* presents = addLabel(2, 3840, 1200, 3855, 255);
    presents->setText(QString(24, u' ') + QStringLiteral("presenta"));
    presents->setFont(Fonts::sansSerif());

    QLabel* name = addLabel(3, 2880, 1560, 5520, 780);
    name->setFont(Fonts::face({QStringLiteral("Arial Black"), QStringLiteral("DejaVu Sans"),
                               QStringLiteral("Sans Serif")},
                              27.75, true));
    name->setText(Quotaramod::nomeprogramma());
    name->adjustSize();

    QLabel* subtitle = addLabel(4, 3000, 2640, 5415, 360);
    subtitle->setFont(Fonts::sansSerif(12));
    subtitle->setText(Quotaramod::sottotitolo());

    QLabel* edition = addLabel(5, 3840, 3070, 3855, 255);
    edition->setFont(Fonts::face(
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")},
        8.25, false));
    edition->setText(QStringLiteral("EDIZIONE PROFESSIONALE - VERSIONE ") + Quotaramod::versione());

    QLabel* empty = addLabel(7, 480, 4080, 7935, 195);
    empty->setFont(edition->font());

    QLabel* hint = addLabel(8, 3960, 4800, 4455, 255);
    hint->setFont(Fonts::sansSerif());
    hint->setText(
        QStringLiteral("(cliccare sulla finestra per iniziare; premere un tasto per uscire)"));

    for (QLabel* line : {edition, hint})
        shrinkToFit(line);

    auto* image = new QSvgWidget(QStringLiteral(":/app/icons/quotara.svg"), this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(Twips::rect(600, 1200, 1500, 1500));
    image->installEventFilter(this);
    WindowSetup::fixSize(*this, QSize(8775, 5415));
}

QLabel* FrmSplash::addLabel(int index, int left, int top, int width, int height)
{
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("label_%1").arg(index));
    label->setGeometry(Twips::rect(left, top, width, height));
    label->setStyleSheet(QStringLiteral("color: %1; background-color: black;").arg(kYellow));
    label->installEventFilter(this);
    m_labels.at(static_cast<std::size_t>(index)) = label;
    return label;
}

void FrmSplash::showFarewell()
{
    m_forms.music().play();
    show();
    raise();
    activateWindow();
    label(2)->setText(QString(10, u' ') + QStringLiteral("elaborazione eseguita con"));
}

void FrmSplash::Form_Click()
{
    m_forms.music().pause();
    mostrasuccessione(m_forms);
}

void FrmSplash::Form_KeyPress()
{
    m_forms.music().close();
    m_forms.unload(WindowId::catalogo);
    m_forms.unload(WindowId::frmSplash);
}

void FrmSplash::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Form_Click();
}

void FrmSplash::keyPressEvent(QKeyEvent* event)
{
    Q_UNUSED(event);
    Form_KeyPress();
}

bool FrmSplash::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && watched != this) {
        Form_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

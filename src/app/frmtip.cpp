#include "frmtip.h"
#include "fonts.h"

#include "datafiles.h"
#include "twips.h"
#include "windowsetup.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSvgWidget>

namespace {

const QColor kPanel(255, 255, 225);

} // namespace

FrmTip::FrmTip(Forms& forms, QWidget* parent)
    : FrmTip(forms, DataFiles::locate(Tips::fileName()), parent)
{
}

FrmTip::FrmTip(Forms& forms, const QString& tipsPath, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint)
{
    Q_UNUSED(forms);
    setWindowTitle(QStringLiteral("Suggerimento del giorno"));
    setWindowIcon(QIcon(QStringLiteral(":/app/icons/quotara.svg")));

    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Picture1"));
    panel->setGeometry(Twips::rect(120, 120, 4455, 2595));
    QPalette colours = panel->palette();
    colours.setColor(QPalette::Window, kPanel);
    panel->setPalette(colours);
    panel->setAutoFillBackground(true);

    auto* picture = new QSvgWidget(QStringLiteral(":/app/icons/quotara.svg"), panel);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setGeometry(Twips::rect(120, 120, 375, 375));

    auto* heading = new QLabel(QStringLiteral("Non tutti sanno che..."), panel);
    heading->setObjectName(QStringLiteral("Label1"));
    heading->setGeometry(Twips::rect(540, 180, 2655, 255));
    heading->setFont(Fonts::sansSerif(9.75, true));

    m_tipText = new QLabel(panel);
    m_tipText->setObjectName(QStringLiteral("lblTipText"));
    // Tall enough for the message about a missing tips file.
    m_tipText->setGeometry(Twips::rect(180, 600, 4095, 1935));
    m_tipText->setFont(Fonts::sansSerif(9.75, false));
    m_tipText->setWordWrap(true);
    m_tipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    const struct
    {
        const char16_t* name;
        const char16_t* caption;
        int top;
        void (FrmTip::*handler)();
    } buttons[] = {
        {u"cmdOK", u"&Chiudi", 120, &FrmTip::cmdOK_Click},
        {u"cmdNextTip", u"&Successivo", 600, &FrmTip::cmdNextTip_Click},
        {u"cmdprecedente", u"&Precedente", 1080, &FrmTip::cmdprecedente_Click},
    };
    for (const auto& entry : buttons) {
        auto* button = new QPushButton(QString::fromUtf16(entry.caption), this);
        button->setObjectName(QString::fromUtf16(entry.name));
        button->setGeometry(Twips::rect(4800, entry.top, 1215, 375));
        connect(button, &QPushButton::clicked, this, entry.handler);
    }

    if (!LoadTips(tipsPath)) {
        const bool missing = tipsPath.isEmpty() || !QFileInfo::exists(tipsPath);
        m_tipText->setText(missing ? Tips::missingFileText()
                                   : Tips::unreadableFileText(m_tips.fault()));
    }
    WindowSetup::fixSize(*this, QSize(6150, 2835));
}

bool FrmTip::LoadTips(const QString& path)
{
    if (!m_tips.LoadTips(path))
        return false;
    DisplayCurrentTip();
    return true;
}

void FrmTip::DisplayCurrentTip()
{
    if (m_tips.hasTip())
        m_tipText->setText(m_tips.currentTip());
}

void FrmTip::AdvanceTip()
{
    m_tips.AdvanceTip();
    DisplayCurrentTip();
}

QString FrmTip::tipText() const
{
    return m_tipText->text();
}

void FrmTip::cmdNextTip_Click()
{
    AdvanceTip();
}

void FrmTip::cmdprecedente_Click()
{
    m_tips.previousTip();
    DisplayCurrentTip();
}

void FrmTip::cmdOK_Click()
{
    hide();
}

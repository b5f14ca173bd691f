#include "catalogo.h"

#include "forms.h"
#include "quotaramod.h"
#include "twips.h"
#include "windowsetup.h"

#include <QLabel>
#include <QPushButton>

QString Catalogo::notice()
{
    return QStringLiteral("Il catalogo degli altri prodotti software Solvano non è disponibile "
                          "in questa edizione di ") +
           Quotaramod::nomeprogramma() + u'.';
}

Catalogo::Catalogo(Forms& forms, QWidget* parent) : QWidget(parent, Qt::Window), m_forms(forms)
{
    setWindowTitle(Quotaramod::nomeprogramma() + QStringLiteral(": altri prodotti"));
    setWindowIcon(QIcon(QStringLiteral(":/app/icons/quotara.svg")));

    auto* close = new QPushButton(QStringLiteral("&Chiudi"), this);
    close->setObjectName(QStringLiteral("cmdchiudi"));
    close->setGeometry(Twips::rect(120, 120, 1215, 375));
    close->setToolTip(QStringLiteral("cliccare per chiudere la finestra"));
    connect(close, &QPushButton::clicked, this, &Catalogo::cmdchiudi_Click);

    auto* heading = new QLabel(QStringLiteral("altri prodotti Software Solvano"), this);
    heading->setObjectName(QStringLiteral("Label1"));
    heading->setGeometry(Twips::rect(120, 600, 9135, 375));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);

    auto* text = new QLabel(notice(), this);
    text->setObjectName(QStringLiteral("Label2"));
    text->setGeometry(Twips::rect(120, 1080, 9135, 735));
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    WindowSetup::open(*this, m_resize, nullptr, WindowSetup::mainWindowTwips);
}

void Catalogo::cmdchiudi_Click()
{
    m_forms.unload(WindowId::catalogo);
}

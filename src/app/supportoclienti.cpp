#include "supportoclienti.h"

#include "forms.h"
#include "quotaramod.h"
#include "twips.h"
#include "windowsetup.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>

namespace {

QString documentsFolder()
{
    return QDir::toNativeSeparators(
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

QString item(const QString& text)
{
    return QStringLiteral("<li>") + text.toHtmlEscaped() + QStringLiteral("</li>");
}

} // namespace

QString SupportoClienti::pageText()
{
    const QString program = Quotaramod::nomeprogramma();
    const QString printed = QDir::toNativeSeparators(
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(program));
    const QString programFolder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    return QStringLiteral("<p><b>Come ottenere assistenza</b></p>") + QStringLiteral("<p>") +
           QStringLiteral("Prima di segnalare un problema consultare la guida in linea: il "
                          "pulsante AIUTO e il sommario della guida spiegano ogni finestra.")
               .toHtmlEscaped() +
           QStringLiteral("</p><p>") +
           QStringLiteral("Quando si segnala un problema, indicare:").toHtmlEscaped() +
           QStringLiteral("</p><ul>") +
           item(QStringLiteral("la versione del programma: ") + program + u' ' +
                Quotaramod::editionLine() + u';') +
           item(QStringLiteral("il sistema operativo in uso;")) +
           item(QStringLiteral("la finestra in cui si stava lavorando e le operazioni svolte "
                               "subito prima del problema;")) +
           item(QStringLiteral("il testo esatto di ogni messaggio comparso;")) +
           item(QStringLiteral("i dati della successione inseriti, oppure il file della "
                               "successione allegato alla segnalazione.")) +
           QStringLiteral("</ul><p><b>Dove si trovano i file</b></p><ul>") +
           item(QStringLiteral("I file delle successioni si trovano nella cartella scelta al "
                               "momento del salvataggio; la finestra di salvataggio propone "
                               "la cartella Documenti (") +
                documentsFolder() +
                QStringLiteral(") e la finestra di apertura elenca i file il cui nome "
                               "comincia con \"Quotara-dati-\".")) +
           item(QStringLiteral("I documenti prodotti dai comandi di stampa sono salvati "
                               "nella cartella ") +
                printed + u'.') +
           item(QStringLiteral("La guida completa stampata dal sommario è salvata come ") +
                program + QStringLiteral("-guida.odt nella cartella del programma (") +
                programFolder +
                QStringLiteral(") oppure, se questa non è scrivibile, nella cartella "
                               "Documenti.")) +
           QStringLiteral("</ul>");
}

SupportoClienti::SupportoClienti(Forms& forms, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint), m_forms(forms)
{
    setWindowTitle(Quotaramod::nomeprogramma() + QStringLiteral(": assistenza clienti"));
    setWindowIcon(QIcon(QStringLiteral(":/app/icons/quotara.svg")));

    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("Label1"));
    m_text->setGeometry(Twips::rect(240, 120, 6720, 5520));
    m_text->setTextFormat(Qt::RichText);
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_text->setText(pageText());

    auto* close = new QPushButton(QStringLiteral("&Chiudi"), this);
    close->setObjectName(QStringLiteral("cmdchiudi"));
    close->setGeometry(Twips::rect(5760, 5820, 1215, 375));
    close->setToolTip(QStringLiteral("cliccare per chiudere la finestra"));
    connect(close, &QPushButton::clicked, this, &SupportoClienti::cmdchiudi_Click);
    WindowSetup::fixSize(*this, QSize(7200, 6360));
}

QString SupportoClienti::shownText() const
{
    return m_text->text();
}

void SupportoClienti::cmdchiudi_Click()
{
    m_forms.unload(WindowId::supportoclienti);
}

#include "previewwindow.h"

#include "app/prompts.h"
#include "app/quotaramod.h"
#include "documentfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

PreviewWindow::PreviewWindow(Prompts& prompts, const QTextDocument& document,
                             const QString& fileName, QWidget* parent)
    : QWidget(parent, Qt::Window), m_prompts(prompts), m_view(new QTextEdit(this)),
      m_fileName(fileName)
{
    setObjectName(QStringLiteral("anteprima"));
    setAttribute(Qt::WA_DeleteOnClose);
    const QString shown =
        fileName.isEmpty() ? QStringLiteral("documento") : QFileInfo(fileName).fileName();
    setWindowTitle(QStringLiteral("%1: %2").arg(Quotaramod::nomeprogramma(), shown));

    m_view->setObjectName(QStringLiteral("testo"));
    m_view->setReadOnly(true);
    // Shown and printed as the word processor would lay it out.
    std::unique_ptr<QTextDocument> paged = DocumentFiles::pagedCopy(document);
    paged->setParent(m_view);
    m_view->setDocument(paged.release());

    auto* buttons = new QHBoxLayout;
    const auto addButton = [&](const char* name, const QString& caption,
                               void (PreviewWindow::*slot)()) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QString::fromLatin1(name));
        connect(button, &QPushButton::clicked, this, slot);
        buttons->addWidget(button);
    };
    addButton("stampa", QStringLiteral("&Stampa..."), &PreviewWindow::print);
    addButton("salvaodt", QStringLiteral("Salva come &ODT..."), &PreviewWindow::saveAsOdt);
    addButton("esportapdf", QStringLiteral("Esporta &PDF..."), &PreviewWindow::exportPdf);
    buttons->addStretch();
    auto* chiudi = new QPushButton(QStringLiteral("&Chiudi"), this);
    chiudi->setObjectName(QStringLiteral("chiudi"));
    connect(chiudi, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(chiudi);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view);
    layout->addLayout(buttons);
    resize(720, 800);
}

const QTextDocument* PreviewWindow::document() const
{
    return m_view->document();
}

void PreviewWindow::print()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Stampa"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_view->document()->print(&printer);
}

QString PreviewWindow::chooseFile(const QString& title, const QString& filter,
                                  const QString& suffix)
{
    QString suggested = m_fileName.isEmpty() ? QStringLiteral("Quotara") : m_fileName;
    suggested = QFileInfo(suggested).completeBaseName() + suffix;
    const QString directory =
        m_fileName.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                             : QFileInfo(m_fileName).absolutePath();
    return m_prompts.chooseSaveFile(this,
                                    FileDialogRequest{title, filter, directory, suggested, filter});
}

void PreviewWindow::saveAsOdt()
{
    const QString fileName =
        chooseFile(QStringLiteral("Salva il documento"),
                   QStringLiteral("Documento di testo ODF (*.odt)"), QStringLiteral(".odt"));
    if (fileName.isEmpty())
        return;
    QString error;
    if (!DocumentFiles::writeOdt(*m_view->document(), fileName, &error))
        m_prompts.warn(this, Quotaramod::titolocontrollo(),
                       QStringLiteral("Impossibile salvare il documento in %1: %2")
                           .arg(QDir::toNativeSeparators(fileName), error));
}

void PreviewWindow::exportPdf()
{
    const QString fileName =
        chooseFile(QStringLiteral("Esporta in PDF"), QStringLiteral("Documento PDF (*.pdf)"),
                   QStringLiteral(".pdf"));
    if (fileName.isEmpty())
        return;
    QString error;
    if (!DocumentFiles::writePdf(*m_view->document(), fileName, &error))
        m_prompts.warn(this, Quotaramod::titolocontrollo(),
                       QStringLiteral("Impossibile esportare il documento in %1: %2")
                           .arg(QDir::toNativeSeparators(fileName), error));
}

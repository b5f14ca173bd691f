#include "documentfiles.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <QTextDocumentWriter>

#include <memory>

namespace DocumentFiles {

namespace {

bool fail(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
    return false;
}

} // namespace

bool writeOdt(const QTextDocument& document, const QString& fileName, QString* error)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, file.errorString());
    QTextDocumentWriter writer(&file, "odf");
    if (!writer.write(&document)) {
        file.cancelWriting();
        return fail(error, file.errorString());
    }
    if (!file.commit())
        return fail(error, file.errorString());
    return true;
}

bool writePdf(const QTextDocument& document, const QString& fileName, QString* error)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, file.errorString());
    {
        QPdfWriter pdf(&file);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
        pdf.setCreator(QStringLiteral("Quotara"));
        // Printing lays out a copy, so the caller's document stays as it is.
        const std::unique_ptr<QTextDocument> copy(document.clone());
        copy->print(&pdf);
    }
    if (!file.commit())
        return fail(error, file.errorString());
    return true;
}

} // namespace DocumentFiles

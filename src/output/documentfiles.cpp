#include "documentfiles.h"

#include <QBuffer>
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

bool saveBytes(const QByteArray& bytes, const QString& fileName, QString* error)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(error, reason);
    }
    if (!file.commit())
        return fail(error, file.errorString());
    return true;
}

} // namespace

// Both writers close the device they write to, which QSaveFile forbids: the
// document is built in memory and then saved in one go.
bool writeOdt(const QTextDocument& document, const QString& fileName, QString* error)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QTextDocumentWriter writer(&buffer, "odf");
    if (!writer.write(&document))
        return fail(error, QStringLiteral("formato OpenDocument non disponibile"));
    return saveBytes(buffer.data(), fileName, error);
}

bool writePdf(const QTextDocument& document, const QString& fileName, QString* error)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
        pdf.setCreator(QStringLiteral("Quotara"));
        // Printing lays out a copy, so the caller's document stays as it is.
        const std::unique_ptr<QTextDocument> copy(document.clone());
        copy->print(&pdf);
    }
    return saveBytes(buffer.data(), fileName, error);
}

} // namespace DocumentFiles

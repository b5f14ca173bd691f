#include "documentfiles.h"

#include "app/safesave.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTextFrame>
#include <QTextTable>

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

// Both writers close the device they write to, which QSaveFile forbids: the
// document is built in memory and then saved in one go.
bool writeOdt(const QTextDocument& document, const QString& fileName, QString* error)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QTextDocumentWriter writer(&buffer, "odf");
    if (!writer.write(&document))
        return fail(error, QStringLiteral("formato OpenDocument non disponibile"));
    return SafeSave::write(buffer.data(), fileName, error);
}

std::unique_ptr<QTextDocument> pagedCopy(const QTextDocument& document)
{
    std::unique_ptr<QTextDocument> copy(document.clone());
    QTextOption option = copy->defaultTextOption();
    option.setWrapMode(QTextOption::WordWrap);
    copy->setDefaultTextOption(option);
    const auto frames = copy->rootFrame()->childFrames();
    for (QTextFrame* frame : frames) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table)
            continue;
        QTextTableFormat format = table->format();
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.clearColumnWidthConstraints();
        table->setFormat(format);
    }
    for (QTextBlock block = copy->begin(); block.isValid(); block = block.next()) {
        QTextCursor cursor(block);
        if (!cursor.currentTable() || !(block.blockFormat().alignment() & Qt::AlignJustify))
            continue;
        QTextBlockFormat format;
        format.setAlignment(Qt::AlignLeft);
        cursor.mergeBlockFormat(format);
    }
    return copy;
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
        pagedCopy(document)->print(&pdf);
    }
    return SafeSave::write(buffer.data(), fileName, error);
}

} // namespace DocumentFiles

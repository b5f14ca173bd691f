#pragma once

#include <QString>

#include <memory>

class QTextDocument;

/// Writing a finished document to a file. Both write to a temporary file and
/// rename it at the end, so a failure never leaves a half-written file; on
/// failure `error` (when given) receives the system's reason.
namespace DocumentFiles {

bool writeOdt(const QTextDocument& document, const QString& fileName, QString* error = nullptr);

/// A copy laid out for the page as a word processor lays out the file:
/// tables across the text width with columns sized to their content, table
/// cells aligned left instead of justified, and lines broken between words
/// only. (The fixed table widths the OpenDocument file needs are points
/// there but pixels in Qt's own layout.)
std::unique_ptr<QTextDocument> pagedCopy(const QTextDocument& document);

/// A4 pages; needs a QGuiApplication for the fonts.
bool writePdf(const QTextDocument& document, const QString& fileName, QString* error = nullptr);

} // namespace DocumentFiles

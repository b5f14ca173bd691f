#pragma once

#include <QString>

class QTextDocument;

/// Writing a finished document to a file. Both write to a temporary file and
/// rename it at the end, so a failure never leaves a half-written file; on
/// failure `error` (when given) receives the system's reason.
namespace DocumentFiles {

bool writeOdt(const QTextDocument& document, const QString& fileName, QString* error = nullptr);

/// A4 pages; needs a QGuiApplication for the fonts.
bool writePdf(const QTextDocument& document, const QString& fileName, QString* error = nullptr);

} // namespace DocumentFiles

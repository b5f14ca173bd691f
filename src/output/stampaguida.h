#pragma once

#include <QString>

class Document;

/// Builds the printed guide: the program's name and subtitle, "Guida: " with
/// the guide's heading, then its text, all justified.
void stampaguida(Document& document, const QString& guidatitolo, const QString& guidatesto);

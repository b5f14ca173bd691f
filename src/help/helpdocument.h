#pragma once

class Document;

/// Builds the whole help as one document: the program's name and subtitle,
/// then every guide, the quick manual first, each on its own page.
void buildHelpDocument(Document& document);

#pragma once

#include <QString>

class Document;

/// The printout of a topic's maxims: the topic heading, then each maxim
/// under its own heading, every one after the first on a new page. The
/// window decides which maxims go in; `finish` justifies the document.
class MaximPrintout
{
public:
    /// Sets the font and types "Argomento: " with the topic's name.
    MaximPrintout(Document& document, const QString& topicName);

    /// Types "Massima n." with `number` in blank-led form and the maxim's text.
    void addMaxim(int number, const QString& text);

    /// Justifies every paragraph.
    void finish();

    static constexpr double fontSize = 12;
    static QString fontName() { return QStringLiteral("Century Gothic"); }

private:
    Document& m_document;
    int m_maxims = 0;
};

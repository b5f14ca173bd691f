#include "maximprintout.h"

#include "app/numbers.h"
#include "output/document.h"

MaximPrintout::MaximPrintout(Document& document, const QString& topicName) : m_document(document)
{
    m_document.setFontName(fontName());
    m_document.setFontSize(fontSize);
    m_document.typeText(QStringLiteral("Argomento: ") + topicName + QStringLiteral("\r\r"));
}

void MaximPrintout::addMaxim(int number, const QString& text)
{
    if (m_maxims > 0)
        m_document.typeText(QStringLiteral("\r\f"));
    m_document.typeText(QStringLiteral("Massima n.") + Numbers::blankLed(number) + u'\r' + text);
    ++m_maxims;
}

void MaximPrintout::finish()
{
    m_document.justifyAll();
}

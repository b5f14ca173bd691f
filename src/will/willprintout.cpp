#include "willprintout.h"

#include "output/document.h"
#include "willtexts.h"

namespace {

const QChar kBreak(13);

QString breaks(int count)
{
    return QString(count, kBreak);
}

// A text box ends its lines with carriage return and line feed, which the
// word processor takes as one paragraph mark, not two.
QString cellText(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QString(kBreak));
}

void typeHeadings(Document& document, const WillPrintContent& content)
{
    document.setFontName(QStringLiteral("Century Gothic"));
    document.setFontSize(20);
    document.typeText(QStringLiteral("QUOTARA") + kBreak);
    document.setFontSize(16);
    document.typeText(QStringLiteral("(quote di successione)") + breaks(2));
    document.setFontSize(12);
    document.typeText(QStringLiteral("Testamento") + breaks(2));
    document.typeText(content.definitionHeading + QStringLiteral(": ") + content.definition +
                      kBreak);
}

void addAspectsTable(Document& document, const WillPrintContent& content)
{
    document.insertParagraphAfter();
    const Document::TableId table = document.addTable(6, 2);
    document.setTableFontSize(table, 10);
    document.applyColorfulFormat(table);
    document.setCellText(table, 1, 1, QStringLiteral("tipologia"));
    document.setCellText(table, 1, 2, QStringLiteral("significato"));
    const auto& aspects = WillTexts::aspects();
    for (std::size_t i = 0; i < aspects.size(); ++i) {
        const int row = static_cast<int>(i) + 2;
        document.setCellText(table, row, 1, aspects[i].printedName);
        document.setCellText(table, row, 2, cellText(content.aspectTexts[i]));
    }
}

void typeExample(Document& document)
{
    document.insertParagraphAfter();
    document.setFontSize(12);
    document.typeText(kBreak + QStringLiteral("Esempio di testamento:") + breaks(2));
    document.typeText(WillTexts::printedExample() + kBreak);
    document.typeText(WillTexts::printedSignature() + kBreak);
}

} // namespace

WillPrintContent defaultWillPrintContent()
{
    WillPrintContent content;
    content.definitionHeading = WillTexts::definitionHeading();
    content.definition = WillTexts::definition();
    const auto& aspects = WillTexts::aspects();
    for (std::size_t i = 0; i < aspects.size(); ++i)
        content.aspectTexts[i] = aspects[i].text;
    return content;
}

void stampatestamento(Document& document, const WillPrintContent& content)
{
    typeHeadings(document, content);
    addAspectsTable(document, content);
    typeExample(document);
    document.justifyAll();
}

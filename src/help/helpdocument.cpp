#include "helpdocument.h"

#include "app/quotaramod.h"
#include "helptexts.h"
#include "output/document.h"

void buildHelpDocument(Document& document)
{
    const QChar paragraph(13);
    const QChar pageBreak(12);
    document.setFontName(QStringLiteral("Century Gothic"));
    document.setFontSize(20);
    document.typeText(Quotaramod::nomeprogramma() + paragraph);
    document.setFontSize(16);
    document.typeText(Quotaramod::sottotitolo() + QString(3, paragraph));
    const QList<WindowId>& guides = HelpTexts::printOrder();
    for (qsizetype i = 0; i < guides.size(); ++i) {
        document.typeText(QStringLiteral("Guida: ") + HelpTexts::heading(guides.at(i)) +
                          QString(2, paragraph));
        if (i == 0)
            document.setFontSize(12);
        QString text = HelpTexts::text(guides.at(i)) + paragraph;
        if (i + 1 < guides.size())
            text += pageBreak;
        document.typeText(text);
    }
    document.justifyAll();
}

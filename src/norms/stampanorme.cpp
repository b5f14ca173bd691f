#include "stampanorme.h"

#include "app/quotaramod.h"
#include "output/document.h"

namespace Norms {

void stampanorme(Document& document, const TitleDescription& title)
{
    const QString paragraph(1, QChar(13));
    document.setFontName(QStringLiteral("Century Gothic"));
    document.setFontSize(18);
    document.typeText(Quotaramod::nomeprogramma() + paragraph + Quotaramod::sottotitolo() +
                      paragraph + paragraph);
    document.setFontSize(12);
    document.typeText(QStringLiteral("Articoli del Codice Civile") + paragraph + paragraph);
    document.typeText(title.frameHeading + paragraph + paragraph);
    document.setFontSize(10);
    document.typeText(currencyNotice() + paragraph + paragraph);
    for (const QString& text : paneTexts(title))
        document.typeText(text + paragraph);
    document.justifyAll();
}

} // namespace Norms

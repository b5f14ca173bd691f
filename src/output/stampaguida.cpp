#include "stampaguida.h"

#include "app/quotaramod.h"
#include "document.h"

void stampaguida(Document& document, const QString& guidatitolo, const QString& guidatesto)
{
    const QChar paragraph(13);
    document.setFontName(QStringLiteral("Century Gothic"));
    document.setFontSize(20);
    document.typeText(Quotaramod::nomeprogramma() + paragraph);
    document.setFontSize(16);
    document.typeText(Quotaramod::sottotitolo() + QString(3, paragraph));
    document.typeText(QStringLiteral("Guida: ") + guidatitolo + QString(2, paragraph));
    document.setFontSize(12);
    document.typeText(guidatesto + paragraph);
    document.justifyAll();
}

#include "spousehousing.h"

#include "norms/articleindex.h"

QString spouseHousingParagraph()
{
    return Norms::ArticleIndex::codice().paragraph(QStringLiteral("540"), 2);
}

#include "fonts.h"

namespace Fonts {

QFont face(const QStringList& families, double points, bool bold)
{
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QStringList sansSerifFamilies()
{
    // Liberation Sans has the metrics of the faces the layouts were drawn
    // with; DejaVu Sans is wider and comes last.
    return {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
            QStringLiteral("Arial"),         QStringLiteral("Nimbus Sans"),
            QStringLiteral("DejaVu Sans"),   QStringLiteral("Sans Serif")};
}

QFont sansSerif(double points, bool bold)
{
    return face(sansSerifFamilies(), points, bold);
}

} // namespace Fonts

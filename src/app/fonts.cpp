#include "fonts.h"

#include <QGuiApplication>

namespace Fonts {

double textScale()
{
    const double points = QGuiApplication::font().pointSizeF();
    return points > desktopPoints ? points / desktopPoints : 1.0;
}

QFont applicationFont(const QFont& system)
{
    QFont font;
    font.setFamilies(sansSerifFamilies());
    // A font given in pixels has no size in points (-1).
    font.setPointSizeF(system.pointSizeF() > 0 ? system.pointSizeF() : defaultPoints);
    return font;
}

QFont face(const QStringList& families, double points, bool bold)
{
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(points * textScale());
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

#include "resultnames.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// Whose share a row holds, after "quota testamentaria" or "quota legittima".
QString heirOf(int row)
{
    switch (row) {
    case 1:
        return u"dei figli"_s;
    case 2:
        return u"degli ascendenti"_s;
    case 3:
        return u"del coniuge"_s;
    case 4:
        return u"dei fratelli"_s;
    case 5:
        return u"disponibile"_s;
    case 6:
        return u"di ciascun figlio"_s;
    case 7:
        return u"di ciascun ascendente"_s;
    default:
        return u"di ciascun fratello"_s;
    }
}

QString shareOf(int row, int column)
{
    const QString kind = column == 1 ? u"testamentaria"_s : u"legittima"_s;
    return u"quota "_s + kind + u' ' + heirOf(row);
}

// Rows 6 to 8 show a percentage of the estate rather than a fraction.
QString spokenFraction(const QString& caption, int row)
{
    if (caption.isEmpty() || row < 6)
        return caption;
    return caption + u" per cento"_s;
}

} // namespace

namespace ResultNames {

QString fractionCell(const Results& results, int row, int column)
{
    QStringList parts;
    const QString fraction = spokenFraction(results.fraction(row, column), row);
    if (!fraction.isEmpty())
        parts.append(fraction);
    const QString& amount = results.amount(row, column);
    if (!amount.isEmpty())
        parts.append(amount);
    if (parts.isEmpty())
        parts.append(u"nessuna"_s);
    return shareOf(row, column) + u": "_s + parts.join(u", "_s);
}

QString amountCell(const Results& results, int row, int column)
{
    const QString& amount = results.amount(row, column);
    return u"valore della "_s + shareOf(row, column) + u": "_s +
           (amount.isEmpty() ? u"nessuno"_s : amount);
}

} // namespace ResultNames

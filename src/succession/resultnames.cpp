#include "resultnames.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// Whose share a row holds, after "quota testamentaria" or "quota legittima".
QString heirOf(ResultRow row)
{
    switch (row) {
    case ResultRow::Figli:
        return u"dei figli"_s;
    case ResultRow::Ascendenti:
        return u"degli ascendenti"_s;
    case ResultRow::Coniuge:
        return u"del coniuge"_s;
    case ResultRow::Fratelli:
        return u"dei fratelli"_s;
    case ResultRow::Disponibile:
        return u"disponibile"_s;
    case ResultRow::Figlio:
        return u"di ciascun figlio"_s;
    case ResultRow::Ascendente:
        return u"di ciascun ascendente"_s;
    case ResultRow::Fratello:
        return u"di ciascun fratello"_s;
    }
    return {};
}

QString shareOf(ResultRow row, ResultColumn column)
{
    const QString kind =
        column == ResultColumn::Testamentaria ? u"testamentaria"_s : u"legittima"_s;
    return u"quota "_s + kind + u' ' + heirOf(row);
}

// The rows of each heir show a percentage of the estate rather than a fraction.
QString spokenFraction(const QString& caption, ResultRow row)
{
    if (caption.isEmpty() || !isEachHeirRow(row))
        return caption;
    return caption + u" per cento"_s;
}

} // namespace

namespace ResultNames {

QString fractionCell(const Results& results, ResultRow row, ResultColumn column)
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

QString amountCell(const Results& results, ResultRow row, ResultColumn column)
{
    const QString& amount = results.amount(row, column);
    return u"valore della "_s + shareOf(row, column) + u": "_s +
           (amount.isEmpty() ? u"nessuno"_s : amount);
}

} // namespace ResultNames

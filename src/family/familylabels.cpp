#include "familylabels.h"

#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;
using namespace Family;

namespace FamilyLabels {

const QList<Relation>& relations()
{
    static const QList<Relation> values{
        Relation::Coniuge,    Relation::UnitoCivilmente, Relation::Figlio, Relation::Genitore,
        Relation::Ascendente, Relation::Fratello,        Relation::Parente};
    return values;
}

const QList<Status>& statuses()
{
    static const QList<Status> values{Status::Vivente, Status::Premorto, Status::Rinunziante,
                                      Status::Indegno};
    return values;
}

const QList<Bond>& bonds()
{
    static const QList<Bond> values{Bond::Germano, Bond::Unilaterale};
    return values;
}

const QList<Line>& lines()
{
    static const QList<Line> values{Line::Paterna, Line::Materna};
    return values;
}

const QList<Separation>& separations()
{
    static const QList<Separation> values{Separation::Nessuna, Separation::SenzaAddebito,
                                          Separation::ConAddebito};
    return values;
}

const QList<Kind>& kinds()
{
    static const QList<Kind> values{Kind::Legittima, Kind::Testamentaria, Kind::Entrambe};
    return values;
}

const QList<RenouncerReserve>& renouncerReserves()
{
    static const QList<RenouncerReserve> values{RenouncerReserve::NonComputato,
                                                RenouncerReserve::Computato};
    return values;
}

QString relationText(const Person& person, const FamilyCase& familyCase)
{
    if (!person.parent.isEmpty()) {
        const Person* parent = familyCase.find(person.parent);
        return u"figlio di "_s + (parent ? parent->displayName() : person.parent);
    }
    switch (person.relation) {
    case Relation::Genitore:
        return u"genitore (linea %1)"_s.arg(label(person.line));
    case Relation::Ascendente:
        return u"ascendente (grado %1, linea %2)"_s.arg(person.degree).arg(label(person.line));
    case Relation::Fratello:
        return u"fratello %1"_s.arg(label(person.bond));
    case Relation::Parente:
        return u"parente di grado %1"_s.arg(person.degree);
    case Relation::Coniuge:
        if (person.separation != Separation::Nessuna)
            return u"coniuge (separato %1)"_s.arg(label(person.separation));
        return label(person.relation);
    default:
        return label(person.relation);
    }
}

std::optional<Amount> readAmount(const QString& text)
{
    static const QRegularExpression grouped(u"^\\d{1,3}(\\.\\d{3})+$"_s);
    QString plain = text.trimmed();
    if (plain.contains(u',')) {
        plain.remove(u'.');
        plain.replace(u',', u'.');
    } else if (grouped.match(plain).hasMatch()) {
        plain.remove(u'.');
    }
    return Amount::fromText(plain);
}

QString amountText(const Amount& amount)
{
    const QString text = amount.text();
    const qsizetype point = text.indexOf(u'.');
    QString whole = point < 0 ? text : text.left(point);
    const QString cents = point < 0 ? u"00"_s : text.mid(point + 1);
    for (qsizetype i = whole.size() - 3; i > 0; i -= 3)
        whole.insert(i, u'.');
    return whole + u',' + cents;
}

} // namespace FamilyLabels

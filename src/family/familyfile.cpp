#include "familyfile.h"

#include "app/inputfile.h"
#include "app/safesave.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;
using namespace Family;

namespace FamilyFile {

namespace {

/// Thrown inside the reader only, with the message for the user.
struct Fault
{
    QString message;
};

[[noreturn]] void fail(const QString& message)
{
    throw Fault{message};
}

QString quoted(const QString& text)
{
    return u'"' + text + u'"';
}

/// The object being read, with the prefix that names it in messages.
class Fields
{
public:
    Fields(const QJsonObject& object, QString where) : m_object(object), m_where(std::move(where))
    {
    }

    void allowOnly(std::initializer_list<QStringView> keys) const
    {
        for (auto it = m_object.begin(); it != m_object.end(); ++it) {
            if (std::find(keys.begin(), keys.end(), it.key()) == keys.end())
                fail(m_where + u"campo sconosciuto: "_s + quoted(it.key()));
        }
    }

    bool has(const QString& key) const { return m_object.contains(key); }

    QString field(const QString& key) const { return m_where + u"campo "_s + quoted(key); }

    QJsonValue required(const QString& key) const
    {
        if (!has(key))
            fail(m_where + u"manca il campo "_s + quoted(key));
        return m_object.value(key);
    }

    QString string(const QString& key) const
    {
        const QJsonValue value = required(key);
        if (!value.isString())
            fail(field(key) + u": atteso un testo"_s);
        return value.toString();
    }

    QString optionalString(const QString& key) const { return has(key) ? string(key) : QString(); }

    template <class E> E word(const QString& key, E fallback, const QString& choices) const
    {
        if (!has(key))
            return fallback;
        const QString text = string(key);
        const std::optional<E> value = fromWord<E>(text);
        if (!value)
            fail(field(key) + u": valore sconosciuto "_s + quoted(text) + u" ("_s + choices + u')');
        return *value;
    }

    int integer(const QString& key) const
    {
        const QJsonValue value = required(key);
        const double number = value.toDouble(0.5);
        if (!value.isDouble() || std::floor(number) != number || std::abs(number) > 1e9)
            fail(field(key) + u": atteso un numero intero"_s);
        return static_cast<int>(number);
    }

    Amount amount(const QString& key) const
    {
        const QJsonValue value = required(key);
        QString text;
        if (value.isString()) {
            text = value.toString();
        } else if (value.isDouble()) {
            const double number = value.toDouble();
            if (std::floor(number) != number || std::abs(number) > 9007199254740992.0)
                fail(field(key) + u": un importo in numero deve essere intero; "_s +
                     u"i decimali si scrivono nel testo, come \"1500.50\""_s);
            text = QString::number(static_cast<qint64>(number));
        } else {
            fail(field(key) + u": atteso un importo, come \"120000.00\""_s);
        }
        if (text.startsWith(u'-') && Amount::fromText(text.mid(1)))
            fail(field(key) + u": importo negativo: "_s + text);
        const std::optional<Amount> amount = Amount::fromText(text);
        if (!amount)
            fail(field(key) + u": importo non valido: "_s + quoted(text) +
                 u" (cifre, con il punto per i decimali)"_s);
        return *amount;
    }

    QJsonArray array(const QString& key) const
    {
        const QJsonValue value = required(key);
        if (!value.isArray())
            fail(field(key) + u": atteso un elenco"_s);
        return value.toArray();
    }

private:
    QJsonObject m_object;
    QString m_where;
};

QJsonObject objectAt(const QJsonArray& array, qsizetype index, const QString& name)
{
    const QJsonValue value = array.at(index);
    if (!value.isObject())
        fail(u"%1[%2]: atteso un oggetto"_s.arg(name).arg(index));
    return value.toObject();
}

Donation donationOf(const QJsonObject& object, qsizetype index)
{
    const Fields fields(object, u"donazioni[%1]: "_s.arg(index));
    fields.allowOnly({u"donatario", u"valore"});
    return Donation{fields.string(u"donatario"_s), fields.amount(u"valore"_s)};
}

void refuseKey(const Fields& fields, const QString& key, Relation relation)
{
    if (fields.has(key))
        fail(fields.field(key) + u": non si applica a "_s + quoted(wordOf(relation)));
}

void readKinship(const Fields& fields, Person& person)
{
    const Relation r = person.relation;
    if (r != Relation::Figlio)
        refuseKey(fields, u"di"_s, r);
    if (r != Relation::Fratello)
        refuseKey(fields, u"vincolo"_s, r);
    if (r != Relation::Coniuge)
        refuseKey(fields, u"separazione"_s, r);
    if (r != Relation::Genitore && r != Relation::Ascendente)
        refuseKey(fields, u"linea"_s, r);
    if (r != Relation::Ascendente && r != Relation::Parente)
        refuseKey(fields, u"grado"_s, r);

    person.parent = fields.optionalString(u"di"_s);
    person.bond = fields.word(u"vincolo"_s, Bond::Germano, u"germano o unilaterale"_s);
    person.separation = fields.word(u"separazione"_s, Separation::Nessuna,
                                    u"nessuna, senza_addebito o con_addebito"_s);
    if (r == Relation::Genitore || r == Relation::Ascendente) {
        if (!fields.has(u"linea"_s))
            fail(fields.field(u"linea"_s) + u": manca (paterna o materna)"_s);
        person.line = fields.word(u"linea"_s, Line::Paterna, u"paterna o materna"_s);
    }
    if (r == Relation::Ascendente) {
        person.degree = fields.integer(u"grado"_s);
        if (person.degree < 2)
            fail(fields.field(u"grado"_s) + u": un ascendente è almeno di grado 2 (i nonni)"_s);
    }
    if (r == Relation::Parente) {
        person.degree = fields.integer(u"grado"_s);
        if (person.degree < 3 || person.degree > 6)
            fail(fields.field(u"grado"_s) + u": un parente è di grado da 3 a 6"_s);
    }
}

Person personOf(const QJsonObject& object, qsizetype index)
{
    const Fields unnamed(object, u"persone[%1]: "_s.arg(index));
    Person person;
    person.id = unnamed.string(u"id"_s);
    if (person.id.isEmpty())
        fail(unnamed.field(u"id"_s) + u": vuoto"_s);
    const Fields fields(object, u"persona "_s + quoted(person.id) + u": "_s);
    fields.allowOnly({u"id", u"nome", u"relazione", u"di", u"stato", u"vincolo", u"linea", u"grado",
                      u"separazione"});
    person.name = fields.optionalString(u"nome"_s);
    fields.required(u"relazione"_s);
    person.relation = fields.word(u"relazione"_s, Relation::Figlio,
                                  u"coniuge, unito_civilmente, figlio, genitore, ascendente, "
                                  u"fratello o parente"_s);
    person.status =
        fields.word(u"stato"_s, Status::Vivente, u"vivente, premorto, rinunziante o indegno"_s);
    readKinship(fields, person);
    return person;
}

FamilyCase caseOf(const QJsonObject& root)
{
    const Fields fields(root, QString());
    fields.allowOnly({u"formato", u"decuius", u"tipologia", u"relictum", u"debiti", u"donazioni",
                      u"riserva_rinunziante", u"persone"});
    const QString format = fields.string(u"formato"_s);
    if (format != QLatin1StringView(formatName))
        fail(fields.field(u"formato"_s) + u": atteso "_s + quoted(QString::fromLatin1(formatName)) +
             u", trovato "_s + quoted(format));
    FamilyCase result;
    result.decuius = fields.optionalString(u"decuius"_s);
    result.kind =
        fields.word(u"tipologia"_s, Kind::Entrambe, u"legittima, testamentaria o entrambe"_s);
    result.relictum = fields.amount(u"relictum"_s);
    if (fields.has(u"debiti"_s))
        result.debts = fields.amount(u"debiti"_s);
    if (fields.has(u"donazioni"_s)) {
        const QJsonArray donations = fields.array(u"donazioni"_s);
        for (qsizetype i = 0; i < donations.size(); ++i)
            result.donations.append(donationOf(objectAt(donations, i, u"donazioni"_s), i));
    }
    result.renouncerReserve = fields.word(u"riserva_rinunziante"_s, RenouncerReserve::NonComputato,
                                          u"non_computato o computato"_s);
    const QJsonArray people = fields.array(u"persone"_s);
    for (qsizetype i = 0; i < people.size(); ++i)
        result.people.append(personOf(objectAt(people, i, u"persone"_s), i));
    return result;
}

QString named(const Person& person)
{
    return u"persona "_s + quoted(person.id) + u": "_s;
}

/// Where the chain of `di` from `person` leads: empty when it ends at a child
/// or at a brother or sister of the deceased, else what is wrong.
QString lineageFault(const FamilyCase& familyCase, const Person& person)
{
    QStringList chain{person.id};
    const Person* current = &person;
    while (current->relation == Relation::Figlio && !current->parent.isEmpty()) {
        const Person* parent = familyCase.find(current->parent);
        if (!parent)
            return named(*current) + u"\"di\" nomina "_s + quoted(current->parent) +
                   u", che non è tra le persone"_s;
        if (chain.contains(parent->id))
            return named(person) + u"\"di\" forma un ciclo ("_s + chain.join(u" → "_s) + u" → "_s +
                   parent->id + u')';
        if (parent->relation != Relation::Figlio && parent->relation != Relation::Fratello)
            return named(*current) + u"\"di\" nomina "_s + quoted(parent->id) +
                   u", che non è un figlio, un fratello o una sorella del defunto né un loro "
                   u"discendente"_s;
        chain << parent->id;
        current = parent;
    }
    return QString();
}

QString countFault(const FamilyCase& familyCase)
{
    QHash<QString, int> seen;
    int spouses = 0;
    for (const Person& person : familyCase.people) {
        if (person.id.isEmpty())
            return u"persone: una persona senza \"id\""_s;
        if (seen.contains(person.id))
            return named(person) + u"\"id\" ripetuto"_s;
        seen.insert(person.id, 1);
        const bool spouse =
            person.relation == Relation::Coniuge || person.relation == Relation::UnitoCivilmente;
        if (spouse && person.status != Status::Premorto && ++spouses > 1)
            return named(person) + u"un secondo coniuge o unito civilmente in vita"_s;
    }
    QHash<QString, int> perLineAndDegree;
    for (const Person& person : familyCase.people) {
        if (person.relation != Relation::Genitore && person.relation != Relation::Ascendente)
            continue;
        const int degree = person.relation == Relation::Genitore ? 1 : person.degree;
        const QString key = wordOf(person.line) + u'/' + QString::number(degree);
        const int count = ++perLineAndDegree[key];
        if (person.relation == Relation::Genitore && count > 1)
            return named(person) + u"un secondo genitore in linea "_s + wordOf(person.line);
        if (degree - 1 < 31 && count > (1 << (degree - 1)))
            return named(person) +
                   u"più di %1 ascendenti di grado %2 in linea %3"_s.arg(1 << (degree - 1))
                       .arg(degree)
                       .arg(wordOf(person.line));
    }
    return QString();
}

/// A name no window could show whole.
QString lengthFault(const FamilyCase& familyCase)
{
    const auto tooLong = [](const QString& text) { return text.size() > maximumTextLength; };
    const QString limit = u"supera i %1 caratteri"_s.arg(maximumTextLength);
    if (tooLong(familyCase.decuius))
        return u"campo \"decuius\": il nome "_s + limit;
    for (const Person& person : familyCase.people) {
        if (tooLong(person.id))
            return u"persone: un \"id\" "_s + limit;
        if (tooLong(person.name))
            return named(person) + u"il nome "_s + limit;
    }
    for (const Donation& donation : familyCase.donations) {
        if (tooLong(donation.donee))
            return u"donazioni: un donatario "_s + limit;
    }
    return QString();
}

} // namespace

QString fault(const FamilyCase& familyCase)
{
    if (const QString length = lengthFault(familyCase); !length.isEmpty())
        return length;
    if (const QString counted = countFault(familyCase); !counted.isEmpty())
        return counted;
    for (const Person& person : familyCase.people) {
        if (const QString lineage = lineageFault(familyCase, person); !lineage.isEmpty())
            return lineage;
    }
    if (familyCase.debts > familyCase.relictum)
        return u"campo \"debiti\": i debiti (%1) superano il relictum (%2): l'eredità è "
               u"insolvente, e il calcolo non stabilisce come ciò entri nella base"_s.arg(
                   familyCase.debts.text(), familyCase.relictum.text());
    return QString();
}

Reading decode(const QByteArray& bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return {std::nullopt,
                u"non è un file JSON valido: %1 (al carattere %2)"_s.arg(error.errorString())
                    .arg(error.offset)};
    if (!document.isObject())
        return {std::nullopt, u"il file non contiene un oggetto JSON"_s};
    try {
        FamilyCase familyCase = caseOf(document.object());
        if (QString problem = fault(familyCase); !problem.isEmpty())
            return {std::nullopt, problem};
        return {std::move(familyCase), QString()};
    } catch (const Fault& f) {
        return {std::nullopt, f.message};
    }
}

Reading read(const QString& fileName)
{
    const InputFile::Contents contents = InputFile::read(fileName, maximumSize);
    if (!contents.bytes)
        return {std::nullopt, contents.fault};
    return decode(*contents.bytes);
}

namespace {

QJsonObject personObject(const Person& person)
{
    QJsonObject object{{u"id"_s, person.id}, {u"relazione"_s, wordOf(person.relation)}};
    if (!person.name.isEmpty())
        object.insert(u"nome"_s, person.name);
    if (!person.parent.isEmpty())
        object.insert(u"di"_s, person.parent);
    if (person.status != Status::Vivente)
        object.insert(u"stato"_s, wordOf(person.status));
    switch (person.relation) {
    case Relation::Coniuge:
        object.insert(u"separazione"_s, wordOf(person.separation));
        break;
    case Relation::Fratello:
        object.insert(u"vincolo"_s, wordOf(person.bond));
        break;
    case Relation::Genitore:
        object.insert(u"linea"_s, wordOf(person.line));
        break;
    case Relation::Ascendente:
        object.insert(u"linea"_s, wordOf(person.line));
        object.insert(u"grado"_s, person.degree);
        break;
    case Relation::Parente:
        object.insert(u"grado"_s, person.degree);
        break;
    case Relation::UnitoCivilmente:
    case Relation::Figlio:
        break;
    }
    return object;
}

} // namespace

QByteArray encode(const FamilyCase& familyCase)
{
    QJsonArray donations;
    for (const Donation& donation : familyCase.donations)
        donations.append(
            QJsonObject{{u"donatario"_s, donation.donee}, {u"valore"_s, donation.value.text()}});
    QJsonArray people;
    for (const Person& person : familyCase.people)
        people.append(personObject(person));
    const QJsonObject root{
        {u"formato"_s, QString::fromLatin1(formatName)},
        {u"decuius"_s, familyCase.decuius},
        {u"tipologia"_s, wordOf(familyCase.kind)},
        {u"relictum"_s, familyCase.relictum.text()},
        {u"debiti"_s, familyCase.debts.text()},
        {u"donazioni"_s, donations},
        {u"riserva_rinunziante"_s, wordOf(familyCase.renouncerReserve)},
        {u"persone"_s, people},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool write(const FamilyCase& familyCase, const QString& fileName, QString* error)
{
    return SafeSave::write(encode(familyCase), fileName, error);
}

} // namespace FamilyFile

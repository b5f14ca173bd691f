#include "familycase.h"

#include <utility>

namespace Family {

namespace {

template <class E> struct Vocabulary;

template <> struct Vocabulary<Relation>
{
    static constexpr std::pair<Relation, const char16_t*> words[] = {
        {Relation::Coniuge, u"coniuge"},       {Relation::UnitoCivilmente, u"unito_civilmente"},
        {Relation::Figlio, u"figlio"},         {Relation::Genitore, u"genitore"},
        {Relation::Ascendente, u"ascendente"}, {Relation::Fratello, u"fratello"},
        {Relation::Parente, u"parente"},
    };
};

template <> struct Vocabulary<Status>
{
    static constexpr std::pair<Status, const char16_t*> words[] = {
        {Status::Vivente, u"vivente"},
        {Status::Premorto, u"premorto"},
        {Status::Rinunziante, u"rinunziante"},
        {Status::Indegno, u"indegno"},
    };
};

template <> struct Vocabulary<Bond>
{
    static constexpr std::pair<Bond, const char16_t*> words[] = {
        {Bond::Germano, u"germano"},
        {Bond::Unilaterale, u"unilaterale"},
    };
};

template <> struct Vocabulary<Line>
{
    static constexpr std::pair<Line, const char16_t*> words[] = {
        {Line::Paterna, u"paterna"},
        {Line::Materna, u"materna"},
    };
};

template <> struct Vocabulary<Separation>
{
    static constexpr std::pair<Separation, const char16_t*> words[] = {
        {Separation::Nessuna, u"nessuna"},
        {Separation::SenzaAddebito, u"senza_addebito"},
        {Separation::ConAddebito, u"con_addebito"},
    };
};

template <> struct Vocabulary<Kind>
{
    static constexpr std::pair<Kind, const char16_t*> words[] = {
        {Kind::Legittima, u"legittima"},
        {Kind::Testamentaria, u"testamentaria"},
        {Kind::Entrambe, u"entrambe"},
    };
};

template <> struct Vocabulary<RenouncerReserve>
{
    static constexpr std::pair<RenouncerReserve, const char16_t*> words[] = {
        {RenouncerReserve::NonComputato, u"non_computato"},
        {RenouncerReserve::Computato, u"computato"},
    };
};

template <class E> QString word(E value)
{
    for (const auto& [entry, text] : Vocabulary<E>::words) {
        if (entry == value)
            return QString::fromUtf16(text);
    }
    return QString();
}

} // namespace

const Person* FamilyCase::find(const QString& id) const
{
    for (const Person& person : people) {
        if (person.id == id)
            return &person;
    }
    return nullptr;
}

QString wordOf(Relation value)
{
    return word(value);
}

QString wordOf(Status value)
{
    return word(value);
}

QString wordOf(Bond value)
{
    return word(value);
}

QString wordOf(Line value)
{
    return word(value);
}

QString wordOf(Separation value)
{
    return word(value);
}

QString wordOf(Kind value)
{
    return word(value);
}

QString wordOf(RenouncerReserve value)
{
    return word(value);
}

template <class E> std::optional<E> fromWord(const QString& text)
{
    for (const auto& [entry, spelling] : Vocabulary<E>::words) {
        if (text == QStringView(spelling))
            return entry;
    }
    return std::nullopt;
}

template std::optional<Relation> fromWord<Relation>(const QString&);
template std::optional<Status> fromWord<Status>(const QString&);
template std::optional<Bond> fromWord<Bond>(const QString&);
template std::optional<Line> fromWord<Line>(const QString&);
template std::optional<Separation> fromWord<Separation>(const QString&);
template std::optional<Kind> fromWord<Kind>(const QString&);
template std::optional<RenouncerReserve> fromWord<RenouncerReserve>(const QString&);

} // namespace Family

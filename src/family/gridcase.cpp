#include "gridcase.h"

#include "app/numbers.h"

#include <QRegularExpression>

#include <array>
#include <cmath>

using namespace Qt::Literals::StringLiterals;
using namespace Family;

namespace GridCase {

namespace {

/// The four classes of heirs the grid counts, in the order of its rows.
enum class HeirClass { Figli = 1, Ascendenti, Coniuge, Fratelli };

constexpr std::array kClasses{HeirClass::Figli, HeirClass::Ascendenti, HeirClass::Coniuge,
                              HeirClass::Fratelli};

QString className(HeirClass heirClass)
{
    switch (heirClass) {
    case HeirClass::Figli:
        return u"figli"_s;
    case HeirClass::Ascendenti:
        return u"ascendenti"_s;
    case HeirClass::Coniuge:
        return u"coniuge"_s;
    case HeirClass::Fratelli:
        return u"fratelli"_s;
    }
    return {};
}

/// The person at the top of a person's line: himself, or the relative of the
/// deceased whose descendant he is.
const Person* head(const FamilyCase& familyCase, const Person& person)
{
    const Person* current = &person;
    for (qsizetype guard = 0; guard <= familyCase.people.size() && !current->parent.isEmpty();
         ++guard) {
        const Person* up = familyCase.find(current->parent);
        if (!up)
            return nullptr;
        current = up;
    }
    return current->parent.isEmpty() ? current : nullptr;
}

std::optional<HeirClass> classOf(const FamilyCase& familyCase, const Person& person)
{
    const Person* top = head(familyCase, person);
    if (!top)
        return std::nullopt;
    switch (top->relation) {
    case Relation::Figlio:
        return HeirClass::Figli;
    case Relation::Genitore:
    case Relation::Ascendente:
        return HeirClass::Ascendenti;
    case Relation::Coniuge:
    case Relation::UnitoCivilmente:
        return HeirClass::Coniuge;
    case Relation::Fratello:
        return HeirClass::Fratelli;
    case Relation::Parente:
        return std::nullopt;
    }
    return std::nullopt;
}

/// The grid's caption as a fraction: "2/4", "intero", "nulla"; the
/// ascendants' "min.metà" and the brothers' "max metà" stand for the half the
/// grid gives them.
std::optional<Fraction> captionValue(const QString& caption)
{
    static const QRegularExpression ratio(u"^(\\d+)/(\\d+)$"_s);
    const QString text = caption.trimmed();
    if (text.isEmpty() || text == u"nulla" || text == u"0")
        return Fraction(0);
    if (text == u"intero")
        return Fraction(1);
    if (text == u"min.metà" || text == u"max metà")
        return Fraction(1, 2);
    const QRegularExpressionMatch match = ratio.match(text);
    if (!match.hasMatch() || match.captured(2).toLong() == 0)
        return std::nullopt;
    return Fraction(match.captured(1).toLong(), match.captured(2).toLong());
}

ResultRow gridRowOf(HeirClass heirClass)
{
    switch (heirClass) {
    case HeirClass::Figli:
        return ResultRow::Figli;
    case HeirClass::Ascendenti:
        return ResultRow::Ascendenti;
    case HeirClass::Coniuge:
        return ResultRow::Coniuge;
    case HeirClass::Fratelli:
        break;
    }
    return ResultRow::Fratelli;
}

struct Difference
{
    QString where; ///< "fratelli 1/3 invece di 1/2"
    QStringList articles;
};

void compareColumn(const FamilyCase& familyCase, const Results& grid, ResultColumn gridColumn,
                   const Column& column, const QString& kindName, QStringList& differences,
                   QStringList& articles)
{
    for (const HeirClass heirClass : kClasses) {
        Fraction total;
        QStringList classArticles;
        for (const Share& share : column.shares) {
            const Person* person = familyCase.find(share.id);
            if (person && classOf(familyCase, *person) == heirClass) {
                total += share.share;
                classArticles << share.articles;
            }
        }
        const std::optional<Fraction> gridShare =
            captionValue(grid.fraction(gridRowOf(heirClass), gridColumn));
        if (!gridShare || *gridShare == total)
            continue;
        differences << u"%1 %2 invece di %3 (%4)"_s.arg(className(heirClass), total.text(),
                                                        gridShare->text(), kindName);
        articles << classArticles;
    }
    if (!column.disponibile)
        return;
    const std::optional<Fraction> gridShare =
        captionValue(grid.fraction(ResultRow::Disponibile, gridColumn));
    if (gridShare && *gridShare != *column.disponibile)
        differences << u"disponibile %1 invece di %2 (%3)"_s.arg(column.disponibile->text(),
                                                                 gridShare->text(), kindName);
}

/// What of the family the grid's four counts cannot say.
QStringList refinements(const CaseRecord& record, const FamilyCase& familyCase)
{
    QStringList found;
    const auto add = [&found](const QString& text) {
        if (!found.contains(text))
            found << text;
    };
    std::array<int, 5> counts{};
    for (const Person& person : familyCase.people) {
        if (!person.parent.isEmpty()) {
            add(u"discendenti che subentrano per rappresentazione"_s);
            continue;
        }
        if (person.status != Status::Vivente)
            add(u"eredi premorti, rinunzianti o indegni"_s);
        if (person.relation == Relation::Fratello && person.bond == Bond::Unilaterale)
            add(u"fratelli unilaterali"_s);
        if (person.relation == Relation::Ascendente)
            add(u"ascendenti oltre i genitori"_s);
        if (person.relation == Relation::Parente)
            add(u"altri parenti"_s);
        if (person.separation == Separation::ConAddebito)
            add(u"la separazione con addebito del coniuge"_s);
        if (const std::optional<HeirClass> heirClass = classOf(familyCase, person))
            ++counts[static_cast<std::size_t>(*heirClass)];
    }
    if (!familyCase.donations.isEmpty() || familyCase.debts.value() != Fraction(0))
        add(u"i debiti e le donazioni della massa (art. 556)"_s);
    const std::array<int, 5> gridCounts{0, count(record.figli), count(record.ascendenti),
                                        record.coniuge == u"sì" ? 1 : 0, count(record.fratelli)};
    for (const HeirClass heirClass : kClasses) {
        const auto i = static_cast<std::size_t>(heirClass);
        if (counts[i] != gridCounts[i])
            add(u"%1: %2 qui, %3 nella finestra Successione"_s.arg(className(heirClass))
                    .arg(counts[i])
                    .arg(gridCounts[i]));
    }
    return found;
}

} // namespace

int count(const QString& text)
{
    const double value = Numbers::leadingNumber(text);
    if (!(value > 0))
        return 0;
    return static_cast<int>(std::min<double>(std::floor(value), maximumCount));
}

bool ascendantsAreAmbiguous(const CaseRecord& record)
{
    return count(record.ascendenti) > 2;
}

FamilyCase familyOf(const CaseRecord& record, Ascendants ascendants)
{
    FamilyCase familyCase;
    familyCase.decuius = record.decuius;
    const QString kind = record.successione;
    for (const Kind candidate : {Kind::Legittima, Kind::Testamentaria, Kind::Entrambe}) {
        if (wordOf(candidate) == kind)
            familyCase.kind = candidate;
    }
    if (const std::optional<Amount> relictum = Amount::fromText(relictumText(record.beni)))
        familyCase.relictum = *relictum;

    const auto add = [&familyCase](Relation relation, const QString& prefix, int n) {
        Person person;
        person.relation = relation;
        person.id = prefix + QString::number(n);
        familyCase.people.append(person);
        return &familyCase.people.last();
    };
    if (record.coniuge == u"sì")
        add(Relation::Coniuge, u"c"_s, 1);
    for (int n = 1; n <= count(record.figli); ++n)
        add(Relation::Figlio, u"f"_s, n);
    const int ascendantCount = count(record.ascendenti);
    if (ascendantCount <= 2 || ascendants == Ascendants::AsParents) {
        for (int n = 1; n <= std::min(ascendantCount, 2); ++n)
            add(Relation::Genitore, u"g"_s, n)->line = n == 1 ? Line::Paterna : Line::Materna;
    } else if (ascendants == Ascendants::AsGrandparents) {
        // Each line has 2^(degree-1) ascendants of a degree: fill the nearest
        // degree first, one line after the other.
        int degree = 2;
        int placed = 0;
        for (int n = 1; n <= ascendantCount; ++n) {
            if (placed == 2 * (1 << (degree - 1))) {
                ++degree;
                placed = 0;
            }
            Person* person = add(Relation::Ascendente, u"a"_s, n);
            person->degree = degree;
            person->line = placed % 2 == 0 ? Line::Paterna : Line::Materna;
            ++placed;
        }
    }
    for (int n = 1; n <= count(record.fratelli); ++n)
        add(Relation::Fratello, u"b"_s, n);
    return familyCase;
}

QString relictumText(const QString& beni)
{
    const std::optional<double> value = Numbers::localeNumber(beni);
    if (!value || *value < 0 || !std::isfinite(*value))
        return beni;
    return QString::number(*value, 'f', 2);
}

QString comparison(const CaseRecord& record, const Results& grid, const FamilyCase& familyCase,
                   const std::optional<Column>& legittima,
                   const std::optional<Column>& testamentaria)
{
    QStringList differences;
    QStringList articles;
    // The grid fills only the columns of its own kind of succession.
    const bool gridLegittima = record.successione != u"testamentaria";
    const bool gridTestamentaria = record.successione != u"legittima";
    if (legittima && gridLegittima)
        compareColumn(familyCase, grid, ResultColumn::Legittima, *legittima, u"legittima"_s,
                      differences, articles);
    if (testamentaria && gridTestamentaria)
        compareColumn(familyCase, grid, ResultColumn::Testamentaria, *testamentaria,
                      u"testamentaria"_s, differences, articles);
    if (differences.isEmpty())
        return {};
    QString line = u"Le quote differiscono da quelle della finestra Successione: "_s +
                   differences.join(u"; "_s) + u". "_s;
    const QStringList refined = refinements(record, familyCase);
    if (!refined.isEmpty())
        return line + u"La griglia non distingue: "_s + refined.join(u", "_s) + u'.';
    articles.removeDuplicates();
    articles.sort();
    return line +
           u"La griglia conta solo il numero di eredi di ogni tipo; qui si applicano "
           u"le regole della famiglia reale (art. "_s +
           articles.join(u", "_s) + u")."_s;
}

} // namespace GridCase

#include "familyengine.h"

#include <QHash>
#include <QStringBuilder>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <numeric>
#include <optional>
#include <span>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace FamilyEngine {

namespace {

using namespace Family;

using People = QList<const Person*>;

/// A set of articles of the code's Book II (456-809), kept as bits: every
/// step of every line of representation unites such sets.
class Articles
{
public:
    Articles() = default;
    Articles(std::initializer_list<int> articles) { insert(articles); }

    void insert(int article)
    {
        const auto bit = std::size_t(article - kFirst);
        m_words.at(bit / 64) |= std::uint64_t(1) << (bit % 64);
    }
    void insert(std::initializer_list<int> articles)
    {
        for (const int article : articles)
            insert(article);
    }
    void insert(const Articles& other)
    {
        for (std::size_t word = 0; word < m_words.size(); ++word)
            m_words[word] |= other.m_words[word];
    }
    bool empty() const
    {
        return std::all_of(m_words.begin(), m_words.end(), [](std::uint64_t w) { return w == 0; });
    }

    /// The articles in the code's order, as their numbers.
    QStringList texts() const
    {
        QStringList list;
        list.reserve(
            std::accumulate(m_words.begin(), m_words.end(), qsizetype(0),
                            [](qsizetype n, std::uint64_t w) { return n + std::popcount(w); }));
        for (std::size_t word = 0; word < m_words.size(); ++word) {
            for (std::uint64_t bits = m_words[word]; bits != 0; bits &= bits - 1)
                list << numberOf(kFirst + int(word * 64) + std::countr_zero(bits));
        }
        return list;
    }

private:
    static constexpr int kFirst = 456;
    static constexpr int kLast = 809;

    static QString numberOf(int article)
    {
        static const QStringList numbers = [] {
            QStringList list;
            for (int number = kFirst; number <= kLast; ++number)
                list << QString::number(number);
            return list;
        }();
        return numbers.at(article - kFirst);
    }

    std::array<std::uint64_t, (kLast - kFirst) / 64 + 1> m_words{};
};

bool isSpouse(const Person& person)
{
    return person.relation == Relation::Coniuge || person.relation == Relation::UnitoCivilmente;
}

bool isLiving(const Person& person)
{
    return person.status == Status::Vivente;
}

QString absence(const Person& person)
{
    switch (person.status) {
    case Status::Premorto:
        return u"è premorto"_s;
    case Status::Rinunziante:
        return u"ha rinunziato"_s;
    case Status::Indegno:
        return u"è indegno (art. 463)"_s;
    case Status::Vivente:
        break;
    }
    return QString();
}

/// The ties of the family, found once for every section: whose child each
/// person is, and whose line takes. People are held by their place in the
/// case, so that no step looks an id up.
class Kinship
{
public:
    explicit Kinship(const FamilyCase& familyCase)
        : m_case(familyCase), m_firstChild(std::size_t(familyCase.people.size()) + 1, 0),
          m_parents(std::size_t(familyCase.people.size()), nullptr),
          m_takes(std::size_t(familyCase.people.size()), false)
    {
        const QList<Person>& people = familyCase.people;
        QHash<QString, qsizetype> places;
        places.reserve(people.size());
        for (qsizetype place = 0; place < people.size(); ++place) {
            if (!places.contains(people[place].id))
                places.insert(people[place].id, place);
        }
        for (const Person& person : people) {
            if (person.parent.isEmpty())
                continue;
            const auto found = places.constFind(person.parent);
            if (found == places.cend())
                continue;
            m_parents[placeOf(person)] = &people[*found];
            if (person.relation == Relation::Figlio)
                ++m_firstChild[std::size_t(*found) + 1];
        }
        // The children grouped by parent, in the case's order: m_firstChild[p]
        // is where the children of the person at p begin.
        for (std::size_t place = 1; place < m_firstChild.size(); ++place)
            m_firstChild[place] += m_firstChild[place - 1];
        m_children.resize(m_firstChild.back());
        std::vector<std::size_t> next(m_firstChild.begin(), m_firstChild.end() - 1);
        for (const Person& person : people) {
            const Person* parent = m_parents[placeOf(person)];
            if (parent && person.relation == Relation::Figlio)
                m_children[next[placeOf(*parent)]++] = &person;
        }
        for (const Person& person : people)
            m_takes[placeOf(person)] = computeTakes(person, 0);
    }

    const FamilyCase& familyCase() const { return m_case; }

    std::size_t placeOf(const Person& person) const
    {
        return std::size_t(&person - m_case.people.constData());
    }

    /// The children of `person` in the case.
    std::span<const Person* const> childrenOf(const Person& person) const
    {
        const std::size_t place = placeOf(person);
        return std::span<const Person* const>(m_children)
            .subspan(m_firstChild[place], m_firstChild[place + 1] - m_firstChild[place]);
    }

    /// The person whose child `person` is, or nullptr.
    const Person* parentOf(const Person& person) const { return m_parents[placeOf(person)]; }

    /// Whether the line headed by `person` takes: he is living, or some of his
    /// descendants represent him (arts. 467-468).
    bool takes(const Person& person) const { return m_takes[placeOf(person)]; }

private:
    bool computeTakes(const Person& person, int depth) const
    {
        if (isLiving(person))
            return true;
        if (depth > m_case.people.size())
            return false;
        const std::span<const Person* const> children = childrenOf(person);
        return std::any_of(children.begin(), children.end(),
                           [&](const Person* child) { return computeTakes(*child, depth + 1); });
    }

    const FamilyCase& m_case;
    std::vector<std::size_t> m_firstChild;
    std::vector<const Person*> m_children;
    std::vector<const Person*> m_parents;
    std::vector<bool> m_takes;
};

/// The shares of one section as they are given, with the steps that explain them.
class Ledger
{
public:
    explicit Ledger(const Kinship& kinship)
        : m_kinship(kinship), m_case(kinship.familyCase()),
          m_shares(std::size_t(m_case.people.size())), m_articles(std::size_t(m_case.people.size()))
    {
    }

    const FamilyCase& familyCase() const { return m_case; }

    void give(const Person& person, const Fraction& share, const Articles& articles)
    {
        const std::size_t place = placeOf(person);
        std::optional<Fraction>& held = m_shares[place];
        if (held)
            *held += share;
        else
            held = share;
        m_articles[place].insert(articles);
        m_section.insert(articles);
    }

    void cite(std::initializer_list<int> articles) { m_section.insert(articles); }
    void step(const QString& text) { m_passi << text; }

    std::span<const Person* const> childrenOf(const Person& person) const
    {
        return m_kinship.childrenOf(person);
    }
    const Person* parentOf(const Person& person) const { return m_kinship.parentOf(person); }
    bool takes(const Person& person) const { return m_kinship.takes(person); }

    /// Gives `share` to the line headed by `person`: to him when living,
    /// otherwise per stirpes to the descendants who represent him.
    void giveLine(const Person& person, const Fraction& share, const Articles& articles,
                  int depth = 0)
    {
        if (isLiving(person)) {
            give(person, share, articles);
            return;
        }
        People representatives;
        for (const Person* child : childrenOf(person)) {
            if (takes(*child))
                representatives << child;
        }
        if (representatives.isEmpty() || depth > m_case.people.size())
            return;
        if (person.status == Status::Indegno)
            cite({463});
        const Fraction each = share / Fraction(representatives.size());
        QStringList names;
        for (const Person* representative : representatives)
            names << representative->displayName();
        // Built in one piece: this step is written for every line at every depth.
        step(person.displayName() % u' ' % absence(person) % u": la sua quota di " % share.text() %
             u" va per stirpi a chi lo rappresenta (" % names.join(u", "_s) % u"), " % each.text() %
             u" ciascuno (artt. 467, 468, 469).");
        Articles inherited = articles;
        inherited.insert({467, 468, 469});
        for (const Person* representative : representatives)
            giveLine(*representative, each, inherited, depth + 1);
    }

    /// The section on `base`; with `livingOnly` the shares of those who are not
    /// living (and whose share falls into the disposable portion) are left out.
    Section section(const Amount& base, bool livingOnly) const
    {
        Section result;
        result.base = base;
        result.shares.reserve(m_case.people.size());
        for (const Person& person : m_case.people) {
            const std::size_t place = placeOf(person);
            const std::optional<Fraction>& held = m_shares[place];
            if (!held || held->isZero() || (livingOnly && !isLiving(person)))
                continue;
            result.shares << HeirShare{person.id, *held, base.share(*held),
                                       m_articles[place].texts()};
        }
        result.articles = m_section.texts();
        result.passi = m_passi;
        return result;
    }

    Fraction total() const
    {
        Fraction sum;
        for (const std::optional<Fraction>& share : m_shares) {
            if (share)
                sum += *share;
        }
        return sum;
    }

private:
    std::size_t placeOf(const Person& person) const { return m_kinship.placeOf(person); }

    const Kinship& m_kinship;
    const FamilyCase& m_case;
    std::vector<std::optional<Fraction>> m_shares;
    std::vector<Articles> m_articles;
    Articles m_section;
    QStringList m_passi;
};

/// The family of the deceased sorted into the classes of heirs.
struct Classes
{
    const Person* spouse = nullptr;      ///< the living spouse or partner who inherits
    const Person* faultSpouse = nullptr; ///< a living spouse separated with fault
    People children;                     ///< lines of the deceased's children that take
    People childrenOut;                  ///< children out without representatives
    People parents;                      ///< living parents
    People ascendants;                   ///< living further ascendants of the nearest degree
    People siblings;                     ///< lines of brothers and sisters that take
    People relatives;                    ///< living other relatives of the nearest degree
    People renouncers;                   ///< anyone who renounced and drops out
    bool unworthy = false;
};

Classes classify(const Ledger& ledger)
{
    const FamilyCase& familyCase = ledger.familyCase();
    Classes classes;
    for (const Person& person : familyCase.people) {
        if (person.status == Status::Indegno)
            classes.unworthy = true;
        if (!person.parent.isEmpty()) {
            const Person* parent = ledger.parentOf(person);
            if (person.status == Status::Rinunziante && !ledger.takes(person) && parent &&
                !isLiving(*parent))
                classes.renouncers << &person;
            continue;
        }
        const bool living = isLiving(person);
        switch (person.relation) {
        case Relation::Coniuge:
        case Relation::UnitoCivilmente:
            if (living && person.separation == Separation::ConAddebito)
                classes.faultSpouse = &person;
            else if (living)
                classes.spouse = &person;
            break;
        case Relation::Figlio:
            (ledger.takes(person) ? classes.children : classes.childrenOut) << &person;
            break;
        case Relation::Genitore:
            if (living)
                classes.parents << &person;
            break;
        case Relation::Ascendente:
            if (living)
                classes.ascendants << &person;
            break;
        case Relation::Fratello:
            if (ledger.takes(person))
                classes.siblings << &person;
            break;
        case Relation::Parente:
            if (living)
                classes.relatives << &person;
            break;
        }
        if (person.status == Status::Rinunziante && !ledger.takes(person))
            classes.renouncers << &person;
    }
    const auto nearest = [](People& people) {
        if (people.isEmpty())
            return;
        const int degree =
            (*std::min_element(people.begin(), people.end(), [](const Person* a, const Person* b) {
                return a->degree < b->degree;
            }))->degree;
        people.removeIf([degree](const Person* person) { return person->degree != degree; });
    };
    nearest(classes.ascendants);
    nearest(classes.relatives);
    return classes;
}

bool hasAscendants(const Classes& classes)
{
    return !classes.parents.isEmpty() || !classes.ascendants.isEmpty();
}

QString namesOf(const People& people)
{
    QStringList names;
    for (const Person* person : people)
        names << person->displayName();
    return names.join(u", "_s);
}

/// Gives the ascendants' share: to the parents equally (art. 568), or to the
/// further ascendants of the nearest degree, half to each line (art. 569).
void giveAscendants(Ledger& ledger, const Classes& classes, const Fraction& share,
                    Articles articles)
{
    const bool alone = articles.empty();
    if (!classes.parents.isEmpty()) {
        if (alone)
            articles.insert(568);
        const Fraction each = share / Fraction(classes.parents.size());
        for (const Person* parent : classes.parents)
            ledger.give(*parent, each, articles);
        ledger.step(u"Agli ascendenti spetta %1, ai genitori (%2) in parti uguali: %3 ciascuno "
                    u"(art. 568)."_s.arg(share.text(), namesOf(classes.parents), each.text()));
        return;
    }
    articles.insert(569);
    People paternal, maternal;
    for (const Person* ascendant : classes.ascendants)
        (ascendant->line == Line::Paterna ? paternal : maternal) << ascendant;
    const auto giveLine = [&](const People& line, const Fraction& lineShare) {
        const Fraction each = lineShare / Fraction(line.size());
        for (const Person* ascendant : line)
            ledger.give(*ascendant, each, articles);
    };
    if (!paternal.isEmpty() && !maternal.isEmpty()) {
        const Fraction half = share / Fraction(2);
        giveLine(paternal, half);
        giveLine(maternal, half);
        ledger.step(u"Mancano i genitori: agli ascendenti di grado %1 spetta %2, metà alla linea "
                    u"paterna (%3) e metà alla materna (%4) (art. 569)."_s.arg(
                        QString::number(classes.ascendants.first()->degree), share.text(),
                        namesOf(paternal), namesOf(maternal)));
        return;
    }
    giveLine(classes.ascendants, share);
    ledger.step(u"Mancano i genitori: %1 va all'ascendente o agli ascendenti più vicini, di grado "
                u"%2 (%3), senza distinzione di linea (art. 569)."_s.arg(
                    share.text(), QString::number(classes.ascendants.first()->degree),
                    namesOf(classes.ascendants)));
}

int weightOf(const Person& sibling)
{
    return sibling.bond == Bond::Unilaterale ? 1 : 2;
}

/// Gives the brothers' and sisters' share by heads, a half-sibling's head
/// counting half of a full one's (art. 570).
void giveSiblings(Ledger& ledger, const Classes& classes, const Fraction& share, Articles articles)
{
    if (articles.empty())
        articles.insert(570);
    int weight = 0;
    for (const Person* sibling : classes.siblings)
        weight += weightOf(*sibling);
    for (const Person* sibling : classes.siblings)
        ledger.giveLine(*sibling, share * Fraction(weightOf(*sibling), weight), articles);
    const bool half = std::any_of(classes.siblings.begin(), classes.siblings.end(),
                                  [](const Person* s) { return s->bond == Bond::Unilaterale; });
    ledger.step(u"Ai fratelli e alle sorelle (%1) spetta %2 in parti uguali%3 (art. 570)."_s.arg(
        namesOf(classes.siblings), share.text(),
        half ? u", gli unilaterali la metà dei germani"_s : QString()));
}

/// Ascendants and brothers or sisters together (art. 571): by heads, a
/// missing parent's place taken by the further ascendants, the ascendants
/// never below half of `share`; with a spouse never below a quarter of the
/// estate (art. 582).
void giveConcurrence(Ledger& ledger, const Classes& classes, const Fraction& share, bool withSpouse)
{
    const int parentHeads = classes.parents.isEmpty() ? 1 : int(classes.parents.size());
    int weight = 2 * parentHeads;
    for (const Person* sibling : classes.siblings)
        weight += weightOf(*sibling);
    Fraction ascendants = share * Fraction(2 * parentHeads, weight);
    ledger.step(u"Ascendenti e fratelli o sorelle concorrono per capi su %1: agli ascendenti "
                u"%2 (art. 571)."_s.arg(share.text(), ascendants.text()));
    if (ascendants < share / Fraction(2)) {
        ascendants = share / Fraction(2);
        ledger.step(u"La quota degli ascendenti non può essere minore della metà: sale a %1 "
                    u"(art. 571)."_s.arg(ascendants.text()));
    }
    Articles articles{571};
    if (withSpouse) {
        articles.insert(582);
        if (ascendants < Fraction(1, 4)) {
            ascendants = Fraction(1, 4);
            ledger.step(u"Con il coniuge agli ascendenti spetta in ogni caso un quarto "
                        u"dell'eredità: sale a 1/4, a spese dei fratelli e delle sorelle "
                        u"(art. 582)."_s);
        }
    }
    giveAscendants(ledger, classes, ascendants, articles);
    giveSiblings(ledger, classes, share - ascendants, articles);
}

void noteAbsentees(Ledger& ledger, const Classes& classes, bool reserve)
{
    for (const Person* renouncer : classes.renouncers) {
        ledger.cite(reserve ? std::initializer_list<int>{521}
                            : std::initializer_list<int>{521, 522});
        ledger.step(u"%1 ha rinunziato e non ha discendenti che lo rappresentino: è considerato "
                    u"come se non fosse mai stato chiamato (art. 521%2)."_s.arg(
                        renouncer->displayName(), reserve ? QString() : u", 522"_s));
    }
    if (classes.unworthy)
        ledger.cite({463});
    if (!classes.faultSpouse)
        return;
    ledger.cite({reserve ? 548 : 585});
    ledger.step(
        u"%1 è separato con addebito: non ha diritti %2; gli spetta solo un assegno vitalizio "
        u"se al momento dell'apertura della successione godeva degli alimenti (art. %3)."_s.arg(
            classes.faultSpouse->displayName(),
            reserve ? u"di legittimario"_s : u"nella successione legittima"_s,
            reserve ? u"548"_s : u"585"_s));
}

void noteDisputedRenunciation(Ledger& ledger, const Classes& classes)
{
    if (!classes.spouse || !classes.children.isEmpty() || classes.childrenOut.isEmpty())
        return;
    const bool allRenounced =
        std::all_of(classes.childrenOut.begin(), classes.childrenOut.end(),
                    [](const Person* child) { return child->status == Status::Rinunziante; });
    if (!allRenounced)
        return;
    ledger.step(u"Punto controverso: tutti i figli hanno rinunziato. Qui si segue la lettura "
                u"per cui i rinunzianti sono considerati come mai chiamati (art. 521; Consiglio "
                u"Nazionale del Notariato, studio 148-2012/C), e il coniuge concorre con gli "
                u"altri chiamati come se i figli mancassero; altri sostengono che la quota dei "
                u"figli si accresca al coniuge."_s);
}

void giveChildren(Ledger& ledger, const Classes& classes)
{
    const qsizetype lines = classes.children.size();
    Fraction block(1);
    Articles articles{566};
    if (classes.spouse) {
        const Fraction spouseShare = lines == 1 ? Fraction(1, 2) : Fraction(1, 3);
        ledger.give(*classes.spouse, spouseShare, {581});
        block = Fraction(1) - spouseShare;
        articles = {581};
        ledger.step(u"Il coniuge concorre con %1: gli spetta %2 (art. 581)."_s.arg(
            lines == 1 ? u"un solo figlio (o la sua stirpe)"_s : u"più figli (o loro stirpi)"_s,
            spouseShare.text()));
    }
    const Fraction each = block / Fraction(lines);
    ledger.step(
        u"I figli (%1) escludono ascendenti, fratelli e sorelle e altri parenti; "
        u"dividono %2 in parti uguali, %3 per ciascuno o per la sua stirpe (art. %4)."_s.arg(
            namesOf(classes.children), block.text(), each.text(),
            classes.spouse ? u"581"_s : u"566"_s));
    for (const Person* child : classes.children)
        ledger.giveLine(*child, each, articles);
}

void giveWithoutChildren(Ledger& ledger, const Classes& classes)
{
    const bool ascendants = hasAscendants(classes);
    const bool siblings = !classes.siblings.isEmpty();
    if (classes.spouse) {
        if (!ascendants && !siblings) {
            ledger.give(*classes.spouse, Fraction(1), {583});
            ledger.step(u"Non ci sono figli, ascendenti, fratelli o sorelle: al coniuge spetta "
                        u"l'intera eredità (art. 583)."_s);
            return;
        }
        ledger.give(*classes.spouse, Fraction(2, 3), {582});
        ledger.step(u"Il coniuge concorre con ascendenti o con fratelli e sorelle: gli spettano "
                    u"i due terzi (art. 582)."_s);
        if (ascendants && siblings)
            giveConcurrence(ledger, classes, Fraction(1, 3), true);
        else if (ascendants)
            giveAscendants(ledger, classes, Fraction(1, 3), {582});
        else
            giveSiblings(ledger, classes, Fraction(1, 3), {582});
        return;
    }
    if (ascendants && siblings) {
        giveConcurrence(ledger, classes, Fraction(1), false);
        return;
    }
    if (ascendants) {
        giveAscendants(ledger, classes, Fraction(1), {});
        return;
    }
    if (siblings) {
        giveSiblings(ledger, classes, Fraction(1), {});
        return;
    }
    if (!classes.relatives.isEmpty()) {
        const Fraction each = Fraction(1) / Fraction(classes.relatives.size());
        for (const Person* relative : classes.relatives)
            ledger.give(*relative, each, {572});
        ledger.step(u"Mancano coniuge, figli, ascendenti, fratelli e sorelle: succedono i parenti "
                    u"più prossimi, di grado %1 (%2), per capi: %3 ciascuno (art. 572)."_s.arg(
                        QString::number(classes.relatives.first()->degree),
                        namesOf(classes.relatives), each.text()));
        return;
    }
    ledger.cite({586});
    ledger.step(u"Non c'è alcun successibile entro il sesto grado: l'eredità è devoluta allo "
                u"Stato (art. 586)."_s);
}

Amount legittimaBase(const FamilyCase& familyCase)
{
    return familyCase.relictum - familyCase.debts;
}

Amount massaOf(const FamilyCase& familyCase)
{
    Amount massa = legittimaBase(familyCase);
    for (const Donation& donation : familyCase.donations)
        massa = massa + donation.value;
    return massa;
}

/// A renouncing legitimary without representatives who, by the case's choice,
/// counts in the reserve: his reserved share falls into the disposable portion.
bool countsRenouncer(const FamilyCase& familyCase, const Person& person)
{
    return familyCase.renouncerReserve == RenouncerReserve::Computato &&
           person.status == Status::Rinunziante;
}

void noteDisputedReserve(Ledger& ledger, const Classes& classes)
{
    if (classes.renouncers.isEmpty())
        return;
    const bool counted = ledger.familyCase().renouncerReserve == RenouncerReserve::Computato;
    ledger.step(
        u"Punto controverso: se il legittimario che rinunzia senza rappresentanti si conti nel "
        u"calcolo della riserva. Qui %1 (%2)."_s.arg(
            counted ? u"si conta, e la sua quota di riserva cade nella disponibile"_s
                    : u"non si conta, come se non fosse mai esistito"_s,
            counted ? u"Cass. SU 13524/2006, applicata da Cass. 27259/2017; contra Cass. "
                      u"2434/1987 e 1529/1995"_s
                    : u"Cass. 2434/1987 e 1529/1995; contra Cass. SU 13524/2006 e Cass. "
                      u"27259/2017"_s));
}

Section legittimaOf(const Kinship& kinship)
{
    const FamilyCase& familyCase = kinship.familyCase();
    Ledger ledger(kinship);
    const Classes classes = classify(ledger);
    noteAbsentees(ledger, classes, false);
    noteDisputedRenunciation(ledger, classes);
    if (classes.spouse && classes.spouse->separation == Separation::SenzaAddebito) {
        ledger.cite({585});
        ledger.step(u"%1 è separato senza addebito: ha gli stessi diritti successori del coniuge "
                    u"non separato (art. 585)."_s.arg(classes.spouse->displayName()));
    }
    if (!classes.children.isEmpty())
        giveChildren(ledger, classes);
    else
        giveWithoutChildren(ledger, classes);
    const Amount base = legittimaBase(familyCase);
    Section section = ledger.section(base, false);
    const Fraction state = Fraction(1) - ledger.total();
    if (!state.isZero()) {
        section.stateShare = state;
        section.stateAmount = base.share(state);
    }
    return section;
}

Section riservaOf(const Kinship& kinship)
{
    const FamilyCase& familyCase = kinship.familyCase();
    Ledger ledger(kinship);
    const Classes classes = classify(ledger);
    noteAbsentees(ledger, classes, true);
    noteDisputedReserve(ledger, classes);

    People childLines = classes.children;
    for (const Person* child : classes.childrenOut) {
        if (countsRenouncer(familyCase, *child))
            childLines << child;
    }
    const Person* spouse = classes.spouse;
    bool spouseCounted = false;
    if (!spouse) {
        for (const Person* renouncer : classes.renouncers) {
            if (isSpouse(*renouncer) && countsRenouncer(familyCase, *renouncer)) {
                spouse = renouncer;
                spouseCounted = true;
            }
        }
    }
    People parents = classes.parents;
    for (const Person* renouncer : classes.renouncers) {
        if (renouncer->relation == Relation::Genitore && countsRenouncer(familyCase, *renouncer))
            parents << renouncer;
    }
    const bool ascendants =
        childLines.isEmpty() && (!parents.isEmpty() || !classes.ascendants.isEmpty());

    Fraction childBlock, spouseShare, ascendantShare;
    Articles childArticles{536}, spouseArticles, ascendantArticles;
    const qsizetype lines = childLines.size();
    if (lines > 0) {
        if (spouse) {
            spouseShare = lines == 1 ? Fraction(1, 3) : Fraction(1, 4);
            childBlock = lines == 1 ? Fraction(1, 3) : Fraction(1, 2);
            childArticles.insert(542);
            spouseArticles = {542};
            ledger.step(u"Il coniuge concorre con %1: al coniuge è riservato %2, ai figli %3 "
                        u"(art. 542)."_s.arg(lines == 1 ? u"un figlio"_s : u"più figli"_s,
                                             spouseShare.text(), childBlock.text()));
        } else {
            childBlock = lines == 1 ? Fraction(1, 2) : Fraction(2, 3);
            childArticles.insert(537);
            ledger.step(u"Ai figli è riservato %1 del patrimonio (art. 537); chi rappresenta un "
                        u"figlio ne prende il posto (art. 536)."_s.arg(childBlock.text()));
        }
    } else if (spouse && ascendants) {
        spouseShare = Fraction(1, 2);
        ascendantShare = Fraction(1, 4);
        spouseArticles = {544};
        ascendantArticles = {544};
        ledger.step(u"Il coniuge concorre con gli ascendenti: al coniuge è riservata la metà, agli "
                    u"ascendenti un quarto (art. 544)."_s);
    } else if (spouse) {
        spouseShare = Fraction(1, 2);
        spouseArticles = {540};
        ledger.step(u"Al coniuge è riservata la metà del patrimonio (art. 540)."_s);
    } else if (ascendants) {
        ascendantShare = Fraction(1, 3);
        ascendantArticles = {538};
        ledger.step(u"Non ci sono figli: agli ascendenti è riservato un terzo del patrimonio "
                    u"(art. 538)."_s);
    } else {
        ledger.step(u"Non ci sono legittimari: l'intero patrimonio è disponibile."_s);
    }
    if (spouse) {
        if (spouseCounted)
            ledger.step(u"La riserva del coniuge rinunziante, %1, cade nella disponibile."_s.arg(
                spouseShare.text()));
        else
            ledger.give(*spouse, spouseShare, spouseArticles);
        if (!spouseCounted)
            ledger.step(u"Al coniuge sono riservati anche i diritti di abitazione sulla casa "
                        u"adibita a residenza familiare e di uso dei mobili che la corredano "
                        u"(art. 540, secondo comma)."_s);
        if (!spouseCounted && spouse->separation == Separation::SenzaAddebito)
            ledger.step(u"Per il coniuge separato senza addebito questi diritti sono controversi: "
                        u"Cass. 22566/2023 li riconosce, se la casa ha conservato un legame con "
                        u"l'uso familiare; Cass. 13407/2014 e 22456/2014 li negavano, perché "
                        u"cessata la convivenza manca una casa adibita a residenza familiare."_s);
    }
    if (lines > 0) {
        const Fraction each = childBlock / Fraction(lines);
        for (const Person* child : childLines) {
            if (!ledger.takes(*child)) {
                ledger.step(u"La riserva di %1, %2, cade nella disponibile."_s.arg(
                    child->displayName(), each.text()));
                continue;
            }
            ledger.giveLine(*child, each, childArticles);
        }
    }
    if (ascendants) {
        Classes reserveClasses = classes;
        reserveClasses.parents = parents;
        giveAscendants(ledger, reserveClasses, ascendantShare, ascendantArticles);
        for (const Person* parent : parents) {
            if (!isLiving(*parent))
                ledger.step(u"La parte di %1, che ha rinunziato, cade nella disponibile."_s.arg(
                    parent->displayName()));
        }
    }
    ledger.cite({556});
    const Amount massa = massaOf(familyCase);
    ledger.step(u"La massa su cui si calcolano le quote è il relictum (%1), meno i debiti (%2), "
                u"più le donazioni (%3): %4 (art. 556)."_s.arg(
                    familyCase.relictum.text(), familyCase.debts.text(),
                    (massa - legittimaBase(familyCase)).text(), massa.text()));
    Section section = ledger.section(massa, true);
    Fraction reserved;
    for (const HeirShare& share : section.shares)
        reserved += share.share;
    section.disponibile = Fraction(1) - reserved;
    section.disponibileAmount = massa.share(*section.disponibile);
    section.massa = massa;
    return section;
}

} // namespace

Section legittima(const FamilyCase& familyCase)
{
    return legittimaOf(Kinship(familyCase));
}

Section riserva(const FamilyCase& familyCase)
{
    return riservaOf(Kinship(familyCase));
}

Outcome compute(const FamilyCase& familyCase)
{
    const Kinship kinship(familyCase);
    Outcome outcome;
    if (familyCase.kind != Kind::Testamentaria)
        outcome.legittima = legittimaOf(kinship);
    if (familyCase.kind != Kind::Legittima)
        outcome.testamentaria = riservaOf(kinship);
    return outcome;
}

} // namespace FamilyEngine

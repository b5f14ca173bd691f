#include "familychart.h"

#include "familylabels.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <functional>

using namespace Qt::Literals::StringLiterals;
using namespace Family;

namespace FamilyChart {

namespace {

constexpr double slotWidth = boxWidth + 20;
constexpr double rowHeight = boxHeight + 44;
constexpr double margin = 16;
constexpr double legendHeight = 28;

bool isSpouse(const Person& person)
{
    return person.relation == Relation::Coniuge || person.relation == Relation::UnitoCivilmente;
}

bool isLiving(const Person& person)
{
    return person.status == Status::Vivente;
}

/// The family as the chart reads it: children by parent, and who takes.
class Family
{
public:
    Family(const FamilyCase& familyCase, const std::optional<FamilyOutcome::Outcome>& outcome)
        : m_case(familyCase), m_outcome(outcome)
    {
        for (const Person& person : familyCase.people) {
            if (person.relation == Relation::Figlio && !person.parent.isEmpty())
                m_children[person.parent] << &person;
            else if (person.relation == Relation::Figlio)
                m_decuiusChildren << &person;
        }
        if (!outcome)
            return;
        for (const auto* section : {&outcome->legittima, &outcome->testamentaria}) {
            if (!*section)
                continue;
            for (const FamilyOutcome::HeirShare& share : (*section)->shares)
                m_heirs.insert(share.id);
        }
    }

    const FamilyCase& familyCase() const { return m_case; }
    QList<const Person*> childrenOf(const QString& id) const
    {
        return id.isEmpty() ? m_decuiusChildren : m_children.value(id);
    }
    bool isHeir(const Person& person) const { return m_heirs.contains(person.id); }

    /// Whether the line headed by `person` takes: he lives, or a descendant
    /// represents him.
    bool takes(const Person& person, int depth = 0) const
    {
        if (isLiving(person))
            return true;
        if (depth > m_case.people.size())
            return false;
        const QList<const Person*> children = childrenOf(person.id);
        return std::any_of(children.begin(), children.end(),
                           [&](const Person* child) { return takes(*child, depth + 1); });
    }

    QList<const Person*> representatives(const Person& person) const
    {
        QList<const Person*> result;
        if (isLiving(person))
            return result;
        for (const Person* child : childrenOf(person.id)) {
            if (takes(*child))
                result << child;
        }
        return result;
    }

    QStringList shareLines(const Person& person) const
    {
        QStringList lines;
        if (!m_outcome)
            return lines;
        const auto add = [&](const std::optional<FamilyOutcome::Section>& section,
                             const QString& label) {
            if (!section)
                return;
            for (const FamilyOutcome::HeirShare& share : section->shares) {
                if (share.id == person.id)
                    lines << u"%1 %2: %3"_s.arg(label, share.share.text(),
                                                FamilyLabels::amountText(share.amount));
            }
        };
        add(m_outcome->legittima, u"legittima"_s);
        add(m_outcome->testamentaria, u"riserva"_s);
        return lines;
    }

    QString reason(const Person& person) const
    {
        if (!m_outcome || isHeir(person))
            return {};
        if (!isLiving(person))
            return statusReason(person);
        if (!person.parent.isEmpty())
            return descendantReason(person);
        return classReason(person);
    }

private:
    QString statusReason(const Person& person) const
    {
        QString text = person.status == Status::Premorto      ? u"premorto"_s
                       : person.status == Status::Rinunziante ? u"rinunziante"_s
                                                              : u"indegno (art. 463)"_s;
        const QList<const Person*> standIns = representatives(person);
        if (standIns.isEmpty())
            return text;
        QStringList names;
        for (const Person* standIn : standIns)
            names << standIn->displayName();
        return text + u", rappresentato da "_s + names.join(u", "_s);
    }

    QString descendantReason(const Person& person) const
    {
        const Person* parent = m_case.find(person.parent);
        if (parent && isLiving(*parent) && isHeir(*parent))
            return u"escluso da %1, che eredita (art. 467)"_s.arg(parent->displayName());
        // The line takes nothing: the reason of the one who heads it.
        const Person* head = parent;
        QSet<QString> seen{person.id};
        while (head && !head->parent.isEmpty() && !seen.contains(head->id)) {
            seen.insert(head->id);
            head = m_case.find(head->parent);
        }
        if (!head || head == &person || isHeir(*head) || !isLiving(*head))
            return u"non succede"_s;
        return classReason(*head);
    }

    bool anyOf(const std::function<bool(const Person&)>& test) const
    {
        return std::any_of(m_case.people.begin(), m_case.people.end(),
                           [&](const Person& person) { return test(person); });
    }

    bool childrenTake() const
    {
        return std::any_of(m_decuiusChildren.begin(), m_decuiusChildren.end(),
                           [this](const Person* child) { return takes(*child); });
    }

    bool rootLiving(Relation relation) const
    {
        return anyOf([relation](const Person& p) {
            return p.parent.isEmpty() && p.relation == relation && isLiving(p);
        });
    }

    QString classReason(const Person& person) const
    {
        const bool intestate = m_outcome->legittima.has_value();
        if (isSpouse(person))
            return person.separation == Separation::ConAddebito
                       ? u"escluso per la separazione con addebito (artt. 548, 585)"_s
                       : u"non succede"_s;
        if (!intestate &&
            (person.relation == Relation::Fratello || person.relation == Relation::Parente))
            return u"non legittimario (art. 536)"_s;
        const bool children = childrenTake();
        switch (person.relation) {
        case Relation::Genitore:
            if (children)
                return intestate ? u"escluso dai figli (art. 568)"_s
                                 : u"escluso dai figli (art. 538)"_s;
            break;
        case Relation::Ascendente:
            if (children)
                return intestate ? u"escluso dai figli (art. 569)"_s
                                 : u"escluso dai figli (art. 538)"_s;
            if (rootLiving(Relation::Genitore))
                return u"escluso dai genitori (art. 569)"_s;
            if (anyOf([&person](const Person& p) {
                    return p.parent.isEmpty() && p.relation == Relation::Ascendente &&
                           isLiving(p) && p.degree < person.degree;
                }))
                return u"escluso dagli ascendenti più vicini (art. 569)"_s;
            break;
        case Relation::Fratello:
            if (children)
                return u"escluso dai figli (art. 570)"_s;
            break;
        case Relation::Parente:
            return relativeReason(person, children);
        default:
            break;
        }
        return u"non succede"_s;
    }

    QString relativeReason(const Person& person, bool children) const
    {
        if (children)
            return u"escluso dai figli (art. 572)"_s;
        if (rootLiving(Relation::Genitore) || rootLiving(Relation::Ascendente))
            return u"escluso dagli ascendenti (art. 572)"_s;
        if (anyOf([this](const Person& p) {
                return p.parent.isEmpty() && p.relation == Relation::Fratello && takes(p);
            }))
            return u"escluso dai fratelli e dalle sorelle (art. 572)"_s;
        if (anyOf([](const Person& p) { return isSpouse(p) && isLiving(p); }))
            return u"escluso dal coniuge (art. 583)"_s;
        if (anyOf([&person](const Person& p) {
                return p.relation == Relation::Parente && isLiving(p) && p.degree < person.degree;
            }))
            return u"escluso dai parenti più vicini (art. 572)"_s;
        return u"non succede"_s;
    }

    const FamilyCase& m_case;
    const std::optional<FamilyOutcome::Outcome>& m_outcome;
    QHash<QString, QList<const Person*>> m_children;
    QList<const Person*> m_decuiusChildren;
    QSet<QString> m_heirs;
};

/// Places the boxes on a grid of slots: one slot a box wide, one row a
/// generation high.
class Placer
{
public:
    Placer(const Family& family, Chart& chart) : m_family(family), m_chart(chart) {}

    /// The slots the subtree of `id` needs: one per leaf.
    double width(const QString& id, QSet<QString>& seen) const
    {
        double total = 0;
        for (const Person* child : m_family.childrenOf(id)) {
            if (seen.contains(child->id))
                continue;
            seen.insert(child->id);
            total += width(child->id, seen);
        }
        return std::max(1.0, total);
    }

    double width(const QString& id) const
    {
        QSet<QString> seen{id};
        return width(id, seen);
    }

    /// Places the descendants of `id` from slot `left` in `generation`;
    /// returns the centre of their span, or none without any.
    std::optional<double> placeChildren(const QString& id, int from, double left, int generation)
    {
        double first = 0;
        double last = 0;
        bool any = false;
        for (const Person* child : m_family.childrenOf(id)) {
            if (m_placed.contains(child->id))
                continue;
            const double span = width(child->id);
            const double centre = place(*child, left, generation);
            link(from, index(*child),
                 m_family.representatives(*personAt(from)).contains(child)
                     ? LinkKind::Rappresentazione
                     : LinkKind::Parentela);
            if (!any)
                first = centre;
            last = centre;
            any = true;
            left += span;
        }
        if (!any)
            return std::nullopt;
        return (first + last) / 2;
    }

    /// Places `person` and his descendants from slot `left`; returns his centre.
    double place(const Person& person, double left, int generation)
    {
        m_placed.insert(person.id);
        const int at = index(person);
        const double centre =
            placeChildren(person.id, at, left, generation + 1).value_or(left + 0.5);
        put(at, centre, generation);
        return centre;
    }

    void put(int at, double centre, int generation)
    {
        Box& box = m_chart.boxes[at];
        box.generation = generation;
        box.rect =
            QRectF(centre * slotWidth - boxWidth / 2, generation * rowHeight, boxWidth, boxHeight);
        if (at > 0)
            m_placed.insert(box.id);
    }

    void link(int from, int to, LinkKind kind) { m_chart.links.append(Link{from, to, kind}); }

    int index(const Person& person) const { return m_chart.indexOf(person.id); }
    const Person* personAt(int at) const
    {
        return at == 0 ? &m_decuius : m_family.familyCase().find(m_chart.boxes.at(at).id);
    }
    bool placed(const Person& person) const { return m_placed.contains(person.id); }

private:
    const Family& m_family;
    Chart& m_chart;
    QSet<QString> m_placed;
    const Person m_decuius{}; ///< stands for the deceased: living, so he is represented by none
};

QList<const Person*> rootsOf(const FamilyCase& familyCase, Relation relation)
{
    QList<const Person*> result;
    for (const Person& person : familyCase.people) {
        if (person.parent.isEmpty() && person.relation == relation)
            result << &person;
    }
    return result;
}

/// The row of the deceased: brothers and sisters with their lines, the
/// deceased with his spouse and descendants, the other relatives; then
/// anyone the case does not tie to them.
double placeMiddle(const FamilyCase& familyCase, const Family& family, Placer& placer)
{
    double left = 0;
    for (const Person* sibling : rootsOf(familyCase, Relation::Fratello)) {
        const double span = placer.width(sibling->id);
        placer.place(*sibling, left, 0);
        placer.link(0, placer.index(*sibling), LinkKind::Collaterale);
        left += span;
    }
    QList<const Person*> spouses = rootsOf(familyCase, Relation::Coniuge);
    spouses << rootsOf(familyCase, Relation::UnitoCivilmente);
    const double children = family.childrenOf(QString()).isEmpty() ? 0 : placer.width(QString());
    const double group = std::max(children, 1.0 + double(spouses.size()));
    placer.placeChildren(QString(), 0, left + (group - children) / 2, 1);
    const double decuius = left + group / 2 - double(spouses.size()) / 2;
    placer.put(0, decuius, 0);
    for (qsizetype i = 0; i < spouses.size(); ++i) {
        placer.put(placer.index(*spouses.at(i)), decuius + double(i) + 1, 0);
        placer.link(0, placer.index(*spouses.at(i)), LinkKind::Unione);
    }
    left += group;
    QList<const Person*> relatives = rootsOf(familyCase, Relation::Parente);
    std::stable_sort(relatives.begin(), relatives.end(),
                     [](const Person* a, const Person* b) { return a->degree < b->degree; });
    for (const Person* relative : relatives) {
        placer.place(*relative, left, 0);
        placer.link(0, placer.index(*relative), LinkKind::Collaterale);
        left += placer.width(relative->id);
    }
    return decuius;
}

/// Ascendants above the deceased, a row per degree, each line on its side;
/// each links to the nearest of his line below, or to the deceased.
void placeAscendants(const FamilyCase& familyCase, Placer& placer, double decuius)
{
    QList<const Person*> ascendants = rootsOf(familyCase, Relation::Genitore);
    ascendants << rootsOf(familyCase, Relation::Ascendente);
    QHash<int, QList<const Person*>> paternal, maternal;
    int highest = 1;
    for (const Person* ascendant : ascendants) {
        const int degree = ascendant->relation == Relation::Genitore ? 1 : ascendant->degree;
        highest = std::max(highest, degree);
        (ascendant->line == Line::Paterna ? paternal : maternal)[degree] << ascendant;
    }
    for (int degree = 1; degree <= highest; ++degree) {
        const QList<const Person*> left = paternal.value(degree);
        const QList<const Person*> right = maternal.value(degree);
        for (qsizetype i = 0; i < left.size(); ++i)
            placer.put(placer.index(*left.at(i)), decuius - 0.5 - double(left.size() - 1 - i),
                       -degree);
        for (qsizetype i = 0; i < right.size(); ++i)
            placer.put(placer.index(*right.at(i)), decuius + 0.5 + double(i), -degree);
        const auto below = [&](const QHash<int, QList<const Person*>>& line) {
            for (int d = degree - 1; d >= 1; --d) {
                if (!line.value(d).isEmpty())
                    return placer.index(*line.value(d).first());
            }
            return 0;
        };
        for (const Person* ascendant : left)
            placer.link(placer.index(*ascendant), below(paternal), LinkKind::Parentela);
        for (const Person* ascendant : right)
            placer.link(placer.index(*ascendant), below(maternal), LinkKind::Parentela);
    }
}

void placeTheRest(const FamilyCase& familyCase, Placer& placer, Chart& chart)
{
    double right = 0;
    for (const Box& box : chart.boxes)
        right = std::max(right, box.rect.right() / slotWidth);
    for (const Person& person : familyCase.people) {
        if (placer.placed(person))
            continue;
        const double span = placer.width(person.id);
        placer.place(person, std::ceil(right), 0);
        right = std::ceil(right) + span;
    }
}

void fitBounds(Chart& chart)
{
    QRectF boxes;
    for (const Box& box : chart.boxes)
        boxes = boxes.isNull() ? box.rect : boxes.united(box.rect);
    const QPointF shift(margin - boxes.left(), margin - boxes.top());
    for (Box& box : chart.boxes)
        box.rect.translate(shift);
    boxes.translate(shift);
    chart.legendRect = QRectF(boxes.left(), boxes.bottom() + margin,
                              std::max(boxes.width(), 2 * boxWidth), legendHeight);
    chart.bounds = boxes.united(chart.legendRect).adjusted(-margin, -margin, margin, margin);
}

} // namespace

QString Box::accessibleText() const
{
    QStringList parts{name, relation};
    if (standing == Standing::Erede)
        parts << u"erede: "_s + shares.join(u"; "_s);
    else if (!reason.isEmpty())
        parts << u"non eredita: "_s + reason;
    return parts.join(u", "_s);
}

int Chart::indexOf(const QString& id) const
{
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        if (boxes.at(i).id == id)
            return int(i);
    }
    return -1;
}

Chart layout(const FamilyCase& familyCase, const std::optional<FamilyOutcome::Outcome>& outcome)
{
    const Family family(familyCase, outcome);
    Chart chart;
    Box decuius;
    decuius.name = familyCase.decuius.trimmed().isEmpty() ? u"de cuius"_s : familyCase.decuius;
    decuius.relation = u"de cuius"_s;
    decuius.standing = Standing::Decuius;
    chart.boxes << decuius;
    for (const Person& person : familyCase.people) {
        Box box;
        box.id = person.id;
        box.name = person.displayName();
        box.relation = FamilyLabels::relationText(person, familyCase);
        box.shares = family.shareLines(person);
        box.standing = family.isHeir(person) ? Standing::Erede : Standing::NonErede;
        box.reason = family.reason(person);
        chart.boxes << box;
    }
    Placer placer(family, chart);
    const double decuiusSlot = placeMiddle(familyCase, family, placer);
    placeAscendants(familyCase, placer, decuiusSlot);
    placeTheRest(familyCase, placer, chart);
    fitBounds(chart);
    return chart;
}

QString description(const Chart& chart)
{
    QStringList lines;
    for (const Box& box : chart.boxes)
        lines << box.accessibleText();
    return lines.join(u"; "_s) + u'.';
}

} // namespace FamilyChart

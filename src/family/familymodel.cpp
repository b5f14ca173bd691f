#include "familymodel.h"

#include "familylabels.h"

#include <QBrush>
#include <QColor>
#include <QSet>

using namespace Qt::Literals::StringLiterals;
using namespace Family;

namespace {

QString idPrefix(const Person& person)
{
    if (!person.parent.isEmpty())
        return u"d"_s;
    switch (person.relation) {
    case Relation::Coniuge:
        return u"c"_s;
    case Relation::UnitoCivilmente:
        return u"u"_s;
    case Relation::Figlio:
        return u"f"_s;
    case Relation::Genitore:
        return u"g"_s;
    case Relation::Ascendente:
        return u"a"_s;
    case Relation::Fratello:
        return u"b"_s;
    case Relation::Parente:
        return u"z"_s;
    }
    return u"p"_s;
}

} // namespace

FamilyModel::FamilyModel(QObject* parent) : QAbstractItemModel(parent) {}

void FamilyModel::resetKeys()
{
    m_keys.clear();
    for (qsizetype i = 0; i < m_case.people.size(); ++i)
        m_keys.append(m_nextKey++);
}

void FamilyModel::setFamilyCase(const FamilyCase& familyCase)
{
    beginResetModel();
    m_case = familyCase;
    m_faultyId.clear();
    m_fault.clear();
    resetKeys();
    endResetModel();
    Q_EMIT peopleChanged();
}

void FamilyModel::setDecuius(const QString& name)
{
    if (name == m_case.decuius)
        return;
    m_case.decuius = name;
    emitRowChanged(rootIndex());
}

QModelIndex FamilyModel::rootIndex() const
{
    return createIndex(0, PersonColumn, quintptr(0));
}

bool FamilyModel::isRoot(const QModelIndex& index) const
{
    return index.isValid() && index.internalId() == 0;
}

quintptr FamilyModel::keyOf(const QModelIndex& index) const
{
    if (!index.isValid())
        return 0;
    if (isRoot(index))
        return rootKey;
    const QList<qsizetype> siblings = childPositions(index.internalId());
    if (index.row() < 0 || index.row() >= siblings.size())
        return 0;
    return m_keys.at(siblings.at(index.row()));
}

qsizetype FamilyModel::positionOfKey(quintptr key) const
{
    return m_keys.indexOf(key);
}

QString FamilyModel::idOfKey(quintptr key) const
{
    const qsizetype position = positionOfKey(key);
    return position < 0 ? QString() : m_case.people.at(position).id;
}

QList<qsizetype> FamilyModel::childPositions(quintptr key) const
{
    QList<qsizetype> positions;
    if (key == 0)
        return positions;
    const QString parentId = key == rootKey ? QString() : idOfKey(key);
    if (key != rootKey && parentId.isEmpty())
        return positions;
    for (qsizetype i = 0; i < m_case.people.size(); ++i) {
        if (m_case.people.at(i).parent == parentId)
            positions.append(i);
    }
    return positions;
}

quintptr FamilyModel::parentKeyOfPosition(qsizetype position) const
{
    const QString& parentId = m_case.people.at(position).parent;
    if (parentId.isEmpty())
        return rootKey;
    for (qsizetype i = 0; i < m_case.people.size(); ++i) {
        if (m_case.people.at(i).id == parentId)
            return m_keys.at(i);
    }
    // A person whose parent is missing hangs below the deceased, where the
    // window shows him as wrong rather than losing him.
    return rootKey;
}

const Person* FamilyModel::person(const QModelIndex& index) const
{
    const qsizetype position = positionOfKey(keyOf(index));
    return position < 0 ? nullptr : &m_case.people.at(position);
}

QModelIndex FamilyModel::indexOf(const QString& id, int column) const
{
    for (qsizetype i = 0; i < m_case.people.size(); ++i) {
        if (m_case.people.at(i).id != id)
            continue;
        const quintptr parentKey = parentKeyOfPosition(i);
        const QList<qsizetype> siblings = childPositions(parentKey);
        return createIndex(static_cast<int>(siblings.indexOf(i)), column, parentKey);
    }
    return {};
}

QModelIndex FamilyModel::index(int row, int column, const QModelIndex& parent) const
{
    if (row < 0 || column < 0 || column >= ColumnCount)
        return {};
    if (!parent.isValid())
        return row == 0 ? createIndex(0, column, quintptr(0)) : QModelIndex();
    if (parent.column() != PersonColumn)
        return {};
    const quintptr key = keyOf(parent);
    if (row >= childPositions(key).size())
        return {};
    return createIndex(row, column, key);
}

QModelIndex FamilyModel::parent(const QModelIndex& child) const
{
    if (!child.isValid() || isRoot(child))
        return {};
    const quintptr parentKey = child.internalId();
    if (parentKey == rootKey)
        return rootIndex();
    const qsizetype position = positionOfKey(parentKey);
    if (position < 0)
        return {};
    const quintptr grandKey = parentKeyOfPosition(position);
    return createIndex(static_cast<int>(childPositions(grandKey).indexOf(position)), PersonColumn,
                       grandKey);
}

int FamilyModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return 1;
    if (parent.column() != PersonColumn)
        return 0;
    return static_cast<int>(childPositions(keyOf(parent)).size());
}

int FamilyModel::columnCount(const QModelIndex&) const
{
    return ColumnCount;
}

QVariant FamilyModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const Person* who = person(index);
    if (isRoot(index)) {
        if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
            return {};
        switch (index.column()) {
        case PersonColumn:
            return m_case.decuius.isEmpty() ? u"de cuius"_s : m_case.decuius;
        case RelationColumn:
            return u"de cuius"_s;
        default:
            return QVariant();
        }
    }
    if (!who)
        return {};
    const bool faulty = !m_faultyId.isEmpty() && who->id == m_faultyId;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        switch (index.column()) {
        case PersonColumn:
            return who->displayName();
        case RelationColumn:
            return FamilyLabels::relationText(*who, m_case);
        default:
            return FamilyLabels::label(who->status);
        }
    case Qt::ToolTipRole:
        return faulty ? m_fault : QVariant();
    case Qt::BackgroundRole:
        return faulty ? QBrush(QColor(255, 192, 192)) : QVariant();
    default:
        return {};
    }
}

QVariant FamilyModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case PersonColumn:
        return u"Persona"_s;
    case RelationColumn:
        return u"Relazione"_s;
    case StatusColumn:
        return u"Stato"_s;
    default:
        return {};
    }
}

QString FamilyModel::newId(const Person& person) const
{
    QSet<QString> used;
    for (const Person& p : m_case.people)
        used.insert(p.id);
    const QString prefix = idPrefix(person);
    for (int n = 1;; ++n) {
        const QString id = prefix + QString::number(n);
        if (!used.contains(id))
            return id;
    }
}

QModelIndex FamilyModel::addPerson(const QModelIndex& parent, Person person)
{
    const quintptr parentKey = keyOf(parent);
    if (parentKey == 0)
        return {};
    person.parent = parentKey == rootKey ? QString() : idOfKey(parentKey);
    if (!person.parent.isEmpty())
        person.relation = Relation::Figlio;
    person.id = newId(person);
    const int row = rowCount(parent);
    beginInsertRows(parent.siblingAtColumn(PersonColumn), row, row);
    m_case.people.append(person);
    m_keys.append(m_nextKey++);
    endInsertRows();
    Q_EMIT peopleChanged();
    return index(row, PersonColumn, parent.siblingAtColumn(PersonColumn));
}

QSet<QString> FamilyModel::descendantIds(const QString& id) const
{
    QSet<QString> found;
    // A child may stand before his parent in the case: repeat until no
    // person left names a found one as parent.
    QSet<QString> parents{id};
    for (bool grew = true; grew;) {
        grew = false;
        for (const Person& p : m_case.people) {
            if (parents.contains(p.parent) && !parents.contains(p.id)) {
                parents.insert(p.id);
                found.insert(p.id);
                grew = true;
            }
        }
    }
    return found;
}

int FamilyModel::descendantCount(const QModelIndex& index) const
{
    const Person* who = person(index);
    return who ? static_cast<int>(descendantIds(who->id).size()) : 0;
}

bool FamilyModel::removePerson(const QModelIndex& index)
{
    const Person* who = person(index);
    if (!who)
        return false;
    QSet<QString> removed = descendantIds(who->id);
    removed.insert(who->id);
    const QModelIndex parent = index.parent();
    beginRemoveRows(parent, index.row(), index.row());
    for (qsizetype i = m_case.people.size() - 1; i >= 0; --i) {
        if (removed.contains(m_case.people.at(i).id)) {
            m_case.people.removeAt(i);
            m_keys.removeAt(i);
        }
    }
    if (removed.contains(m_faultyId))
        m_faultyId.clear();
    endRemoveRows();
    Q_EMIT peopleChanged();
    return true;
}

void FamilyModel::updatePerson(const QModelIndex& index, const Person& person)
{
    const qsizetype position = positionOfKey(keyOf(index));
    if (position < 0)
        return;
    Person& target = m_case.people[position];
    Person changed = person;
    changed.id = target.id;
    changed.parent = target.parent;
    if (changed == target)
        return;
    target = changed;
    emitRowChanged(index);
    // The relation column of his children names him.
    const QModelIndex first = this->index(0, PersonColumn, index.siblingAtColumn(PersonColumn));
    if (first.isValid()) {
        const int last = rowCount(index.siblingAtColumn(PersonColumn)) - 1;
        Q_EMIT dataChanged(first.siblingAtColumn(RelationColumn),
                           first.siblingAtRow(last).siblingAtColumn(RelationColumn));
    }
    Q_EMIT peopleChanged();
}

void FamilyModel::setFaultyPerson(const QString& id, const QString& fault)
{
    if (id == m_faultyId && fault == m_fault)
        return;
    const QString before = m_faultyId;
    m_faultyId = id;
    m_fault = fault;
    for (const QString& changed : {before, id}) {
        const QModelIndex index = indexOf(changed);
        if (index.isValid())
            emitRowChanged(index);
    }
}

void FamilyModel::emitRowChanged(const QModelIndex& index)
{
    Q_EMIT dataChanged(index.siblingAtColumn(PersonColumn), index.siblingAtColumn(StatusColumn));
}

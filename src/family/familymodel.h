#pragma once

#include "familycase.h"

#include <QAbstractItemModel>
#include <QList>
#include <QSet>

/// The family of a detailed case as a tree: the deceased at the root, the
/// people related to him directly below, and under each person his children
/// of the case. The rows of one parent keep the order of the case's people,
/// which is the order the results list them in. Three columns: the person,
/// the relation, the status. The model holds the whole case; the window edits
/// the people through it.
class FamilyModel : public QAbstractItemModel
{
    Q_OBJECT
public:
    enum Column { PersonColumn, RelationColumn, StatusColumn, ColumnCount };

    explicit FamilyModel(QObject* parent = nullptr);

    const Family::FamilyCase& familyCase() const { return m_case; }
    /// Replaces the whole case.
    void setFamilyCase(const Family::FamilyCase& familyCase);
    /// The deceased's name, shown at the root.
    void setDecuius(const QString& name);

    /// The deceased's row.
    QModelIndex rootIndex() const;
    bool isRoot(const QModelIndex& index) const;
    /// The person of a row; nullptr for the deceased's row.
    const Family::Person* person(const QModelIndex& index) const;
    QModelIndex indexOf(const QString& id, int column = PersonColumn) const;

    /// Adds a person below `parent` (the deceased's row, or the person whose
    /// child he is), with a new id; returns his row.
    QModelIndex addPerson(const QModelIndex& parent, Family::Person person);
    /// Removes the person and, with him, his descendants.
    bool removePerson(const QModelIndex& index);
    /// How many descendants of the person the case holds.
    int descendantCount(const QModelIndex& index) const;
    /// Changes the person of a row; his id and parent stay.
    void updatePerson(const QModelIndex& index, const Family::Person& person);

    /// The person the window marks as wrong, or none.
    void setFaultyPerson(const QString& id, const QString& fault);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

Q_SIGNALS:
    /// The people of the case changed.
    void peopleChanged();

private:
    /// Each node has a key that stays while it exists: 1 the deceased, from
    /// 2 the people. An index's internal id is the key of its parent node.
    static constexpr quintptr rootKey = 1;

    quintptr keyOf(const QModelIndex& index) const;
    qsizetype positionOfKey(quintptr key) const;
    QString idOfKey(quintptr key) const;
    /// Positions in the case of the children of a node, in order.
    QList<qsizetype> childPositions(quintptr key) const;
    quintptr parentKeyOfPosition(qsizetype position) const;
    QString newId(const Family::Person& person) const;
    QSet<QString> descendantIds(const QString& id) const;
    void resetKeys();
    void emitRowChanged(const QModelIndex& index);

    Family::FamilyCase m_case;
    QList<quintptr> m_keys; ///< one per person of the case, same order
    quintptr m_nextKey = rootKey + 1;
    QString m_faultyId;
    QString m_fault;
};

#include "family/familymodel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace Family;

class TestFamilyModel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void deceasedAtTheRoot();
    void addsBelowTheDeceasedAndBelowAPerson_data();
    void addsBelowTheDeceasedAndBelowAPerson();
    void rowsKeepTheCaseOrder();
    void removesWithDescendants();
    void updateKeepsIdAndParent();
    void showsRelationAndStatus_data();
    void showsRelationAndStatus();
    void marksTheFaultyPerson();
    void loadsACaseWhoseChildComesFirst();

private:
    Person person(Relation relation, const QString& id = {}, const QString& parent = {}) const;

    std::unique_ptr<FamilyModel> m_model;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
};

void TestFamilyModel::init()
{
    m_model = std::make_unique<FamilyModel>();
    m_tester = std::make_unique<QAbstractItemModelTester>(
        m_model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
}

void TestFamilyModel::cleanup()
{
    m_tester.reset();
    m_model.reset();
}

Person TestFamilyModel::person(Relation relation, const QString& id, const QString& parent) const
{
    Person p;
    p.relation = relation;
    p.id = id;
    p.parent = parent;
    return p;
}

void TestFamilyModel::deceasedAtTheRoot()
{
    QCOMPARE(m_model->rowCount(), 1);
    const QModelIndex root = m_model->rootIndex();
    QVERIFY(m_model->isRoot(root));
    QVERIFY(!m_model->person(root));
    QCOMPARE(root.data().toString(), u"de cuius"_s);
    m_model->setDecuius(u"Mario Rossi"_s);
    QCOMPARE(root.data().toString(), u"Mario Rossi"_s);
    QCOMPARE(root.siblingAtColumn(FamilyModel::RelationColumn).data().toString(), u"de cuius"_s);
    QCOMPARE(m_model->rowCount(root), 0);
}

void TestFamilyModel::addsBelowTheDeceasedAndBelowAPerson_data()
{
    QTest::addColumn<Relation>("relation");
    QTest::addColumn<QString>("id");
    QTest::newRow("coniuge") << Relation::Coniuge << u"c1"_s;
    QTest::newRow("unito") << Relation::UnitoCivilmente << u"u1"_s;
    QTest::newRow("figlio") << Relation::Figlio << u"f1"_s;
    QTest::newRow("genitore") << Relation::Genitore << u"g1"_s;
    QTest::newRow("ascendente") << Relation::Ascendente << u"a1"_s;
    QTest::newRow("fratello") << Relation::Fratello << u"b1"_s;
    QTest::newRow("parente") << Relation::Parente << u"z1"_s;
}

void TestFamilyModel::addsBelowTheDeceasedAndBelowAPerson()
{
    QFETCH(Relation, relation);
    QFETCH(QString, id);
    QSignalSpy changed(m_model.get(), &FamilyModel::peopleChanged);
    const QModelIndex added = m_model->addPerson(m_model->rootIndex(), person(relation));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(added.parent(), m_model->rootIndex());
    QCOMPARE(m_model->person(added)->id, id);
    QCOMPARE(m_model->person(added)->relation, relation);
    QVERIFY(m_model->person(added)->parent.isEmpty());

    // A descendant is always a child of his parent, whatever was asked.
    const QModelIndex child = m_model->addPerson(added, person(Relation::Genitore));
    QCOMPARE(child.parent(), added);
    QCOMPARE(m_model->person(child)->parent, id);
    QCOMPARE(m_model->person(child)->relation, Relation::Figlio);
    QCOMPARE(m_model->person(child)->id, u"d1"_s);
    QCOMPARE(m_model->familyCase().people.size(), 2);
}

void TestFamilyModel::rowsKeepTheCaseOrder()
{
    const QModelIndex root = m_model->rootIndex();
    const QModelIndex f1 = m_model->addPerson(root, person(Relation::Figlio));
    m_model->addPerson(root, person(Relation::Coniuge));
    m_model->addPerson(f1, person(Relation::Figlio));
    const QModelIndex f2 = m_model->addPerson(root, person(Relation::Figlio));
    m_model->addPerson(f1, person(Relation::Figlio));
    QCOMPARE(m_model->rowCount(root), 3);
    QCOMPARE(m_model->index(0, 0, root).data().toString(), u"f1"_s);
    QCOMPARE(m_model->index(1, 0, root).data().toString(), u"c1"_s);
    QCOMPARE(m_model->index(2, 0, root).data().toString(), u"f2"_s);
    QCOMPARE(m_model->rowCount(f1), 2);
    QCOMPARE(m_model->index(1, 0, f1).data().toString(), u"d2"_s);
    QCOMPARE(m_model->indexOf(u"d2"_s), m_model->index(1, 0, f1));
    QCOMPARE(m_model->indexOf(u"f2"_s), f2);
    QVERIFY(!m_model->indexOf(u"nessuno"_s).isValid());
}

void TestFamilyModel::removesWithDescendants()
{
    const QModelIndex root = m_model->rootIndex();
    const QModelIndex f1 = m_model->addPerson(root, person(Relation::Figlio));
    const QModelIndex d1 = m_model->addPerson(f1, person(Relation::Figlio));
    m_model->addPerson(d1, person(Relation::Figlio));
    m_model->addPerson(root, person(Relation::Fratello));
    QCOMPARE(m_model->descendantCount(f1), 2);
    QCOMPARE(m_model->descendantCount(root), 0);
    QVERIFY(m_model->removePerson(m_model->indexOf(u"f1"_s)));
    QCOMPARE(m_model->familyCase().people.size(), 1);
    QCOMPARE(m_model->familyCase().people.first().id, u"b1"_s);
    QCOMPARE(m_model->rowCount(root), 1);
    // The deceased cannot be removed.
    QVERIFY(!m_model->removePerson(root));
    QCOMPARE(m_model->rowCount(), 1);
}

void TestFamilyModel::updateKeepsIdAndParent()
{
    const QModelIndex f1 = m_model->addPerson(m_model->rootIndex(), person(Relation::Figlio));
    const QModelIndex d1 = m_model->addPerson(f1, person(Relation::Figlio));
    QSignalSpy changed(m_model.get(), &FamilyModel::dataChanged);
    Person edited = *m_model->person(f1);
    edited.id = u"altro"_s;
    edited.parent = u"altro"_s;
    edited.name = u"Anna"_s;
    edited.status = Status::Premorto;
    m_model->updatePerson(f1, edited);
    QCOMPARE(m_model->person(f1)->id, u"f1"_s);
    QVERIFY(m_model->person(f1)->parent.isEmpty());
    QCOMPARE(f1.data().toString(), u"Anna"_s);
    QCOMPARE(f1.siblingAtColumn(FamilyModel::StatusColumn).data().toString(), u"premorto"_s);
    // His child's relation names him.
    QCOMPARE(d1.siblingAtColumn(FamilyModel::RelationColumn).data().toString(),
             u"figlio di Anna"_s);
    QVERIFY(changed.count() >= 2);
}

void TestFamilyModel::showsRelationAndStatus_data()
{
    QTest::addColumn<Person>("who");
    QTest::addColumn<QString>("relation");
    Person p = person(Relation::Ascendente, u"a"_s);
    p.degree = 2;
    p.line = Line::Materna;
    QTest::newRow("ascendente") << p << u"ascendente (grado 2, linea materna)"_s;
    p = person(Relation::Fratello, u"b"_s);
    p.bond = Bond::Unilaterale;
    QTest::newRow("unilaterale") << p << u"fratello unilaterale"_s;
    p = person(Relation::Coniuge, u"c"_s);
    p.separation = Separation::ConAddebito;
    QTest::newRow("separato") << p << u"coniuge (separato con addebito)"_s;
    QTest::newRow("unito") << person(Relation::UnitoCivilmente, u"u"_s) << u"unito civilmente"_s;
    p = person(Relation::Parente, u"z"_s);
    p.degree = 4;
    QTest::newRow("parente") << p << u"parente di grado 4"_s;
}

void TestFamilyModel::showsRelationAndStatus()
{
    QFETCH(Person, who);
    QFETCH(QString, relation);
    FamilyCase familyCase;
    familyCase.people.append(who);
    m_model->setFamilyCase(familyCase);
    const QModelIndex index = m_model->indexOf(who.id, FamilyModel::RelationColumn);
    QCOMPARE(index.data().toString(), relation);
    QCOMPARE(index.siblingAtColumn(FamilyModel::StatusColumn).data().toString(), u"vivente"_s);
}

void TestFamilyModel::marksTheFaultyPerson()
{
    m_model->addPerson(m_model->rootIndex(), person(Relation::Genitore));
    const QModelIndex g1 = m_model->indexOf(u"g1"_s);
    QVERIFY(!g1.data(Qt::BackgroundRole).isValid());
    m_model->setFaultyPerson(u"g1"_s, u"g1: due genitori nella linea paterna"_s);
    QVERIFY(g1.data(Qt::BackgroundRole).isValid());
    QCOMPARE(g1.data(Qt::ToolTipRole).toString(), u"g1: due genitori nella linea paterna"_s);
    m_model->setFaultyPerson(QString(), QString());
    QVERIFY(!g1.data(Qt::BackgroundRole).isValid());
}

void TestFamilyModel::loadsACaseWhoseChildComesFirst()
{
    FamilyCase familyCase;
    familyCase.people = {person(Relation::Figlio, u"n1"_s, u"f2"_s),
                         person(Relation::Figlio, u"f2"_s)};
    m_model->setFamilyCase(familyCase);
    const QModelIndex f2 = m_model->indexOf(u"f2"_s);
    QCOMPARE(f2.parent(), m_model->rootIndex());
    QCOMPARE(m_model->rowCount(f2), 1);
    QCOMPARE(m_model->indexOf(u"n1"_s).parent(), f2);
    QVERIFY(m_model->removePerson(f2));
    QVERIFY(m_model->familyCase().people.isEmpty());
}

QTEST_GUILESS_MAIN(TestFamilyModel)
#include "tst_familymodel.moc"

#include "family/familyfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace Family;

namespace {

const char appendixExample[] = R"({
  "formato": "quotara-famiglia/1",
  "decuius": "Mario Rossi",
  "tipologia": "entrambe",
  "relictum": "120000.00",
  "debiti": "0",
  "donazioni": [ { "donatario": "f1", "valore": "30000.00" } ],
  "riserva_rinunziante": "non_computato",
  "persone": [
    { "id": "c",  "relazione": "coniuge", "separazione": "nessuna" },
    { "id": "f1", "relazione": "figlio" },
    { "id": "f2", "relazione": "figlio", "stato": "premorto" },
    { "id": "n1", "relazione": "figlio", "di": "f2" },
    { "id": "n2", "relazione": "figlio", "di": "f2", "stato": "rinunziante" },
    { "id": "p",  "relazione": "genitore", "linea": "paterna" },
    { "id": "g",  "relazione": "ascendente", "linea": "materna", "grado": 2 },
    { "id": "b1", "relazione": "fratello", "vincolo": "germano" },
    { "id": "b2", "relazione": "fratello", "vincolo": "unilaterale", "stato": "premorto" },
    { "id": "nb", "relazione": "figlio", "di": "b2" },
    { "id": "z",  "relazione": "parente", "grado": 4 }
  ]
})";

// A case file with the given top-level members and people.
QByteArray caseFile(const QString& top, const QString& people)
{
    return (uR"({"formato": "quotara-famiglia/1", )"_s + top + uR"(, "persone": [)"_s + people +
            u"]}"_s)
        .toUtf8();
}

QByteArray withPeople(const QString& people)
{
    return caseFile(uR"("relictum": "100")"_s, people);
}

Person person(const QString& id, Relation relation)
{
    Person p;
    p.id = id;
    p.relation = relation;
    return p;
}

} // namespace

class TestFamilyFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsTheDocumentedExample();
    void readsDefaults();
    void readsNamesAndIntegerAmounts();
    void rejects_data();
    void rejects();
    void roundTrips_data();
    void roundTrips();
    void writesAtomically();
    void reportsWriteFailure();
    void reportsUnreadableFile();
};

void TestFamilyFile::readsTheDocumentedExample()
{
    const FamilyFile::Reading reading = FamilyFile::decode(appendixExample);
    QVERIFY2(reading.familyCase, qPrintable(reading.fault));
    const FamilyCase& c = *reading.familyCase;
    QCOMPARE(c.decuius, u"Mario Rossi"_s);
    QCOMPARE(c.kind, Kind::Entrambe);
    QCOMPARE(c.relictum.text(), u"120000.00"_s);
    QCOMPARE(c.debts, Amount());
    QCOMPARE(c.donations.size(), 1);
    QCOMPARE(c.donations[0].donee, u"f1"_s);
    QCOMPARE(c.donations[0].value.text(), u"30000.00"_s);
    QCOMPARE(c.renouncerReserve, RenouncerReserve::NonComputato);
    QCOMPARE(c.people.size(), 11);
    QCOMPARE(c.people[0].relation, Relation::Coniuge);
    QCOMPARE(c.people[2].status, Status::Premorto);
    QCOMPARE(c.people[4].parent, u"f2"_s);
    QCOMPARE(c.people[4].status, Status::Rinunziante);
    QCOMPARE(c.people[6].line, Line::Materna);
    QCOMPARE(c.people[6].degree, 2);
    QCOMPARE(c.people[8].bond, Bond::Unilaterale);
    QCOMPARE(c.people[9].parent, u"b2"_s);
    QCOMPARE(c.people[10].relation, Relation::Parente);
    QCOMPARE(c.people[10].degree, 4);
}

void TestFamilyFile::readsDefaults()
{
    const FamilyFile::Reading reading =
        FamilyFile::decode(withPeople(uR"({"id": "f", "relazione": "figlio"},
                                          {"id": "b", "relazione": "fratello"},
                                          {"id": "c", "relazione": "coniuge"})"_s));
    QVERIFY2(reading.familyCase, qPrintable(reading.fault));
    const FamilyCase& c = *reading.familyCase;
    QCOMPARE(c.kind, Kind::Entrambe);
    QVERIFY(c.donations.isEmpty());
    QCOMPARE(c.debts, Amount());
    QCOMPARE(c.people[0].status, Status::Vivente);
    QVERIFY(c.people[0].parent.isEmpty());
    QCOMPARE(c.people[1].bond, Bond::Germano);
    QCOMPARE(c.people[2].separation, Separation::Nessuna);
}

void TestFamilyFile::readsNamesAndIntegerAmounts()
{
    const FamilyFile::Reading reading = FamilyFile::decode(
        caseFile(uR"("relictum": 250000, "debiti": 1000,
                    "donazioni": [{"donatario": "un amico", "valore": 500}])"_s,
                 uR"({"id": "f", "nome": "Anna Rossi", "relazione": "figlio"})"_s));
    QVERIFY2(reading.familyCase, qPrintable(reading.fault));
    QCOMPARE(reading.familyCase->relictum.text(), u"250000.00"_s);
    QCOMPARE(reading.familyCase->debts.text(), u"1000.00"_s);
    QCOMPARE(reading.familyCase->donations[0].donee, u"un amico"_s);
    QCOMPARE(reading.familyCase->people[0].displayName(), u"Anna Rossi"_s);
}

void TestFamilyFile::rejects_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("culprit");

    const QString relictum = uR"("relictum": "100")"_s;
    const QString child = uR"({"id": "f", "relazione": "figlio"})"_s;
    QTest::newRow("not JSON") << QByteArray("{") << u"JSON"_s;
    QTest::newRow("not an object") << QByteArray("[]") << u"oggetto"_s;
    QTest::newRow("no format") << QByteArray(R"({"relictum": "1", "persone": []})")
                               << u"\"formato\""_s;
    QTest::newRow("other format")
        << QByteArray(R"({"formato": "quotara-famiglia/2", "relictum": "1", "persone": []})")
        << u"quotara-famiglia/2"_s;
    QTest::newRow("unknown top key")
        << caseFile(relictum + uR"(, "eredi": 2)"_s, child) << u"\"eredi\""_s;
    QTest::newRow("no relictum") << caseFile(uR"("decuius": "x")"_s, child) << u"\"relictum\""_s;
    QTest::newRow("negative relictum")
        << caseFile(uR"("relictum": "-100")"_s, child) << u"\"relictum\": importo negativo"_s;
    QTest::newRow("negative integer relictum")
        << caseFile(uR"("relictum": -100)"_s, child) << u"\"relictum\": importo negativo"_s;
    QTest::newRow("fractional number")
        << caseFile(uR"("relictum": 100.5)"_s, child) << u"\"relictum\""_s;
    QTest::newRow("bad amount") << caseFile(uR"("relictum": "1.000,00")"_s, child)
                                << u"\"relictum\": importo non valido"_s;
    QTest::newRow("negative debts")
        << caseFile(relictum + uR"(, "debiti": "-1")"_s, child) << u"\"debiti\""_s;
    QTest::newRow("debts above relictum")
        << caseFile(relictum + uR"(, "debiti": "100.01")"_s, child) << u"insolvente"_s;
    QTest::newRow("negative donation")
        << caseFile(relictum + uR"(, "donazioni": [{"donatario": "f", "valore": "-3"}])"_s, child)
        << u"donazioni[0]: campo \"valore\""_s;
    QTest::newRow("donation unknown key")
        << caseFile(relictum +
                        uR"(, "donazioni": [{"donatario": "f", "valore": "3", "data": "x"}])"_s,
                    child)
        << u"donazioni[0]: campo sconosciuto: \"data\""_s;
    QTest::newRow("unknown kind") << caseFile(relictum + uR"(, "tipologia": "mista")"_s, child)
                                  << u"\"tipologia\": valore sconosciuto \"mista\""_s;
    QTest::newRow("unknown reserve rule")
        << caseFile(relictum + uR"(, "riserva_rinunziante": "forse")"_s, child)
        << u"\"riserva_rinunziante\""_s;
    const QString tooLong(FamilyFile::maximumTextLength + 1, u'x');
    QTest::newRow("name too long")
        << withPeople(uR"({"id": "x", "relazione": "figlio", "nome": "%1"})"_s.arg(tooLong))
        << u"persona \"x\": il nome supera i 1000 caratteri"_s;
    QTest::newRow("decuius too long")
        << caseFile(relictum + uR"(, "decuius": "%1")"_s.arg(tooLong), child)
        << u"campo \"decuius\": il nome supera"_s;
    QTest::newRow("person without id")
        << withPeople(uR"({"relazione": "figlio"})"_s) << u"persone[0]: manca il campo \"id\""_s;
    QTest::newRow("unknown relation")
        << withPeople(uR"({"id": "x", "relazione": "cugino"})"_s)
        << u"persona \"x\": campo \"relazione\": valore sconosciuto \"cugino\""_s;
    QTest::newRow("no relation") << withPeople(uR"({"id": "x"})"_s)
                                 << u"persona \"x\": manca il campo \"relazione\""_s;
    QTest::newRow("unknown person key")
        << withPeople(uR"({"id": "x", "relazione": "figlio", "età": 3})"_s)
        << u"persona \"x\": campo sconosciuto: \"età\""_s;
    QTest::newRow("unknown status")
        << withPeople(uR"({"id": "x", "relazione": "figlio", "stato": "assente"})"_s)
        << u"persona \"x\": campo \"stato\""_s;
    QTest::newRow("line on a child")
        << withPeople(uR"({"id": "x", "relazione": "figlio", "linea": "paterna"})"_s)
        << u"persona \"x\": campo \"linea\""_s;
    QTest::newRow("separation of a partner")
        << withPeople(
               uR"({"id": "u", "relazione": "unito_civilmente", "separazione": "nessuna"})"_s)
        << u"persona \"u\": campo \"separazione\""_s;
    QTest::newRow("parent without line") << withPeople(uR"({"id": "p", "relazione": "genitore"})"_s)
                                         << u"persona \"p\": campo \"linea\""_s;
    QTest::newRow("ascendant of degree 1")
        << withPeople(
               uR"({"id": "g", "relazione": "ascendente", "linea": "paterna", "grado": 1})"_s)
        << u"persona \"g\": campo \"grado\""_s;
    QTest::newRow("relative of degree 7")
        << withPeople(uR"({"id": "z", "relazione": "parente", "grado": 7})"_s)
        << u"persona \"z\": campo \"grado\""_s;
    QTest::newRow("relative without degree")
        << withPeople(uR"({"id": "z", "relazione": "parente"})"_s)
        << u"persona \"z\": manca il campo \"grado\""_s;
    QTest::newRow("degree as text")
        << withPeople(uR"({"id": "z", "relazione": "parente", "grado": "4"})"_s)
        << u"persona \"z\": campo \"grado\""_s;
    QTest::newRow("duplicate id") << withPeople(child + u", "_s + child)
                                  << u"persona \"f\": \"id\" ripetuto"_s;
    QTest::newRow("di names nobody")
        << withPeople(uR"({"id": "n", "relazione": "figlio", "di": "zz"})"_s)
        << u"persona \"n\": \"di\" nomina \"zz\""_s;
    QTest::newRow("di names a parent")
        << withPeople(uR"({"id": "p", "relazione": "genitore", "linea": "materna"},
                          {"id": "n", "relazione": "figlio", "di": "p"})"_s)
        << u"persona \"n\": \"di\" nomina \"p\", che non è un figlio"_s;
    QTest::newRow("di on a brother")
        << withPeople(uR"({"id": "b", "relazione": "fratello", "di": "f"}, )"_s + child)
        << u"persona \"b\": campo \"di\""_s;
    QTest::newRow("child of his own child")
        << withPeople(uR"({"id": "a", "relazione": "figlio", "di": "b"},
                          {"id": "b", "relazione": "figlio", "di": "a"})"_s)
        << u"persona \"a\": \"di\" forma un ciclo"_s;
    QTest::newRow("own child") << withPeople(uR"({"id": "a", "relazione": "figlio", "di": "a"})"_s)
                               << u"persona \"a\": \"di\" forma un ciclo"_s;
    QTest::newRow("two fathers")
        << withPeople(uR"({"id": "p1", "relazione": "genitore", "linea": "paterna"},
                          {"id": "p2", "relazione": "genitore", "linea": "paterna"})"_s)
        << u"persona \"p2\": un secondo genitore in linea paterna"_s;
    QTest::newRow("three grandparents in a line")
        << withPeople(uR"({"id": "g1", "relazione": "ascendente", "linea": "materna", "grado": 2},
                          {"id": "g2", "relazione": "ascendente", "linea": "materna", "grado": 2},
                          {"id": "g3", "relazione": "ascendente", "linea": "materna", "grado": 2})"_s)
        << u"persona \"g3\": più di 2 ascendenti di grado 2 in linea materna"_s;
    QTest::newRow("two living spouses") << withPeople(uR"({"id": "c1", "relazione": "coniuge"},
                          {"id": "c2", "relazione": "unito_civilmente"})"_s)
                                        << u"persona \"c2\": un secondo coniuge"_s;
}

void TestFamilyFile::rejects()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, culprit);
    const FamilyFile::Reading reading = FamilyFile::decode(bytes);
    QVERIFY(!reading.familyCase);
    QVERIFY2(reading.fault.contains(culprit), qPrintable(reading.fault));
}

void TestFamilyFile::roundTrips_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("documented example") << QByteArray(appendixExample);
    QTest::newRow("names, partner, predeceased first spouse")
        << caseFile(uR"("decuius": "Lucia Bianchi", "tipologia": "testamentaria",
                       "relictum": "0.125", "riserva_rinunziante": "computato")"_s,
                    uR"({"id": "c0", "relazione": "coniuge", "stato": "premorto",
                         "separazione": "con_addebito"},
                        {"id": "u", "nome": "Giulia Neri", "relazione": "unito_civilmente"},
                        {"id": "g", "relazione": "ascendente", "linea": "paterna", "grado": 5,
                         "stato": "indegno"})"_s);
}

void TestFamilyFile::roundTrips()
{
    QFETCH(QByteArray, bytes);
    const FamilyFile::Reading first = FamilyFile::decode(bytes);
    QVERIFY2(first.familyCase, qPrintable(first.fault));
    const FamilyFile::Reading second = FamilyFile::decode(FamilyFile::encode(*first.familyCase));
    QVERIFY2(second.familyCase, qPrintable(second.fault));
    QCOMPARE(*second.familyCase, *first.familyCase);
}

void TestFamilyFile::writesAtomically()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"famiglia.json"_s);
    FamilyCase c;
    c.decuius = u"Mario Rossi"_s;
    c.relictum = *Amount::fromText(u"1000"_s);
    c.people = {person(u"f"_s, Relation::Figlio)};
    QString error;
    QVERIFY2(FamilyFile::write(c, path, &error), qPrintable(error));
    const FamilyFile::Reading reading = FamilyFile::read(path);
    QVERIFY2(reading.familyCase, qPrintable(reading.fault));
    QCOMPARE(*reading.familyCase, c);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"famiglia.json"_s});
}

void TestFamilyFile::reportsWriteFailure()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString error;
    QVERIFY(!FamilyFile::write(FamilyCase(), dir.filePath(u"manca/famiglia.json"_s), &error));
    QVERIFY(!error.isEmpty());
}

void TestFamilyFile::reportsUnreadableFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const FamilyFile::Reading reading = FamilyFile::read(dir.filePath(u"nessuno.json"_s));
    QVERIFY(!reading.familyCase);
    QVERIFY2(reading.fault.contains(u"non esiste"_s), qPrintable(reading.fault));
}

QTEST_GUILESS_MAIN(TestFamilyFile)
#include "tst_familyfile.moc"

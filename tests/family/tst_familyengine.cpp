#include "family/familyengine.h"
#include "family/familyfile.h"

#include <QRandomGenerator>
#include <QTest>

#include <map>

using namespace Qt::Literals::StringLiterals;

using Shares = std::map<QString, QString>;
Q_DECLARE_METATYPE(Shares)

namespace {

/// A case file around the given people (JSON objects separated by commas).
Family::FamilyCase caseOf(const QString& people, const QString& extra = QString())
{
    const QString json = u"{\"formato\":\"quotara-famiglia/1\",\"decuius\":\"X\","
                         u"\"tipologia\":\"entrambe\",\"relictum\":\"120000\"%1,"
                         u"\"persone\":[%2]}"_s.arg(extra, people);
    const FamilyFile::Reading reading = FamilyFile::decode(json.toUtf8());
    if (!reading.familyCase)
        qFatal("bad test case: %s", qPrintable(reading.fault));
    return *reading.familyCase;
}

Shares sharesOf(const FamilyEngine::Section& section)
{
    Shares shares;
    for (const FamilyEngine::HeirShare& share : section.shares)
        shares[share.id] = share.share.text();
    if (section.stateShare)
        shares[u"Stato"_s] = section.stateShare->text();
    if (section.disponibile)
        shares[u"disponibile"_s] = section.disponibile->text();
    return shares;
}

} // namespace

class TestFamilyEngine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void legittima_data();
    void legittima();
    void riserva_data();
    void riserva();
    void amountsRoundHalfUp();
    void disputedPointsAreShown();
    void sharesAlwaysAddUp();
};

void TestFamilyEngine::legittima_data()
{
    QTest::addColumn<QString>("people");
    QTest::addColumn<Shares>("expected");

    const QString spouse = u"{\"id\":\"c\",\"relazione\":\"coniuge\"},"_s;
    QTest::newRow("art. 581: spouse and one child")
        << spouse + u"{\"id\":\"f\",\"relazione\":\"figlio\"}"_s
        << Shares{{u"c"_s, u"1/2"_s}, {u"f"_s, u"1/2"_s}};
    QTest::newRow("art. 581: spouse and two children")
        << spouse +
               u"{\"id\":\"f\",\"relazione\":\"figlio\"},{\"id\":\"g\",\"relazione\":\"figlio\"}"_s
        << Shares{{u"c"_s, u"1/3"_s}, {u"f"_s, u"1/3"_s}, {u"g"_s, u"1/3"_s}};
    QTest::newRow("arts. 467, 581: a stirpe counts as one child")
        << spouse + u"{\"id\":\"f\",\"relazione\":\"figlio\",\"stato\":\"premorto\"},"
                    u"{\"id\":\"n1\",\"relazione\":\"figlio\",\"di\":\"f\"},"
                    u"{\"id\":\"n2\",\"relazione\":\"figlio\",\"di\":\"f\"}"_s
        << Shares{{u"c"_s, u"1/2"_s}, {u"n1"_s, u"1/4"_s}, {u"n2"_s, u"1/4"_s}};
    QTest::newRow("art. 467: the unworthy child's son takes his place")
        << u"{\"id\":\"f\",\"relazione\":\"figlio\",\"stato\":\"indegno\"},"
           u"{\"id\":\"n\",\"relazione\":\"figlio\",\"di\":\"f\"},"
           u"{\"id\":\"g\",\"relazione\":\"figlio\"}"_s
        << Shares{{u"n"_s, u"1/2"_s}, {u"g"_s, u"1/2"_s}};
    QTest::newRow("art. 521: a renouncer without descendants drops out")
        << u"{\"id\":\"f\",\"relazione\":\"figlio\",\"stato\":\"rinunziante\"},"
           u"{\"id\":\"g\",\"relazione\":\"figlio\"}"_s
        << Shares{{u"g"_s, u"1"_s}};
    QTest::newRow("art. 571: two parents and one brother")
        << u"{\"id\":\"p\",\"relazione\":\"genitore\",\"linea\":\"paterna\"},"
           u"{\"id\":\"m\",\"relazione\":\"genitore\",\"linea\":\"materna\"},"
           u"{\"id\":\"b\",\"relazione\":\"fratello\"}"_s
        << Shares{{u"p"_s, u"1/3"_s}, {u"m"_s, u"1/3"_s}, {u"b"_s, u"1/3"_s}};
    QTest::newRow("art. 571: a parent never below half")
        << u"{\"id\":\"p\",\"relazione\":\"genitore\",\"linea\":\"paterna\"},"
           u"{\"id\":\"b1\",\"relazione\":\"fratello\"},{\"id\":\"b2\",\"relazione\":\"fratello\"},"
           u"{\"id\":\"b3\",\"relazione\":\"fratello\"}"_s
        << Shares{
               {u"p"_s, u"1/2"_s}, {u"b1"_s, u"1/6"_s}, {u"b2"_s, u"1/6"_s}, {u"b3"_s, u"1/6"_s}};
    QTest::newRow("art. 571: half-siblings half a parent's head")
        << u"{\"id\":\"p\",\"relazione\":\"genitore\",\"linea\":\"paterna\"},"
           u"{\"id\":\"m\",\"relazione\":\"genitore\",\"linea\":\"materna\"},"
           u"{\"id\":\"b\",\"relazione\":\"fratello\"},"
           u"{\"id\":\"u\",\"relazione\":\"fratello\",\"vincolo\":\"unilaterale\"}"_s
        << Shares{{u"p"_s, u"2/7"_s}, {u"m"_s, u"2/7"_s}, {u"b"_s, u"2/7"_s}, {u"u"_s, u"1/7"_s}};
    QTest::newRow("art. 571: grandparents in place of both parents")
        << u"{\"id\":\"g1\",\"relazione\":\"ascendente\",\"linea\":\"paterna\",\"grado\":2},"
           u"{\"id\":\"g2\",\"relazione\":\"ascendente\",\"linea\":\"materna\",\"grado\":2},"
           u"{\"id\":\"b\",\"relazione\":\"fratello\"}"_s
        << Shares{{u"g1"_s, u"1/4"_s}, {u"g2"_s, u"1/4"_s}, {u"b"_s, u"1/2"_s}};
    QTest::newRow("art. 582: spouse, parents, brother; ascendants raised to a quarter")
        << spouse + u"{\"id\":\"p\",\"relazione\":\"genitore\",\"linea\":\"paterna\"},"
                    u"{\"id\":\"m\",\"relazione\":\"genitore\",\"linea\":\"materna\"},"
                    u"{\"id\":\"b\",\"relazione\":\"fratello\"}"_s
        << Shares{{u"c"_s, u"2/3"_s}, {u"p"_s, u"1/8"_s}, {u"m"_s, u"1/8"_s}, {u"b"_s, u"1/12"_s}};
    QTest::newRow("art. 582: spouse and parents")
        << spouse + u"{\"id\":\"p\",\"relazione\":\"genitore\",\"linea\":\"paterna\"},"
                    u"{\"id\":\"m\",\"relazione\":\"genitore\",\"linea\":\"materna\"}"_s
        << Shares{{u"c"_s, u"2/3"_s}, {u"p"_s, u"1/6"_s}, {u"m"_s, u"1/6"_s}};
    QTest::newRow("arts. 468, 582: spouse and a predeceased half-brother's son")
        << spouse +
               u"{\"id\":\"b\",\"relazione\":\"fratello\",\"vincolo\":\"unilaterale\","
               u"\"stato\":\"premorto\"},{\"id\":\"n\",\"relazione\":\"figlio\",\"di\":\"b\"}"_s
        << Shares{{u"c"_s, u"2/3"_s}, {u"n"_s, u"1/3"_s}};
    QTest::newRow("art. 583: civil-union partner alone")
        << u"{\"id\":\"u\",\"relazione\":\"unito_civilmente\"}"_s << Shares{{u"u"_s, u"1"_s}};
    QTest::newRow("art. 585: spouse separated with fault")
        << u"{\"id\":\"c\",\"relazione\":\"coniuge\",\"separazione\":\"con_addebito\"},"
           u"{\"id\":\"f\",\"relazione\":\"figlio\"}"_s
        << Shares{{u"f"_s, u"1"_s}};
    QTest::newRow("art. 570: full and half siblings")
        << u"{\"id\":\"b\",\"relazione\":\"fratello\"},"
           u"{\"id\":\"u\",\"relazione\":\"fratello\",\"vincolo\":\"unilaterale\"}"_s
        << Shares{{u"b"_s, u"2/3"_s}, {u"u"_s, u"1/3"_s}};
    QTest::newRow("art. 569: half to each line")
        << u"{\"id\":\"a\",\"relazione\":\"ascendente\",\"linea\":\"paterna\",\"grado\":2},"
           u"{\"id\":\"b\",\"relazione\":\"ascendente\",\"linea\":\"paterna\",\"grado\":2},"
           u"{\"id\":\"c\",\"relazione\":\"ascendente\",\"linea\":\"materna\",\"grado\":2}"_s
        << Shares{{u"a"_s, u"1/4"_s}, {u"b"_s, u"1/4"_s}, {u"c"_s, u"1/2"_s}};
    QTest::newRow("art. 569: the nearest degree, without distinction of line")
        << u"{\"id\":\"a\",\"relazione\":\"ascendente\",\"linea\":\"paterna\",\"grado\":2},"
           u"{\"id\":\"c\",\"relazione\":\"ascendente\",\"linea\":\"materna\",\"grado\":3}"_s
        << Shares{{u"a"_s, u"1"_s}};
    QTest::newRow("art. 572: nearest relatives per capita")
        << u"{\"id\":\"r3\",\"relazione\":\"parente\",\"grado\":3},"
           u"{\"id\":\"s3\",\"relazione\":\"parente\",\"grado\":3},"
           u"{\"id\":\"r4\",\"relazione\":\"parente\",\"grado\":4}"_s
        << Shares{{u"r3"_s, u"1/2"_s}, {u"s3"_s, u"1/2"_s}};
    QTest::newRow("art. 586: nobody, the State")
        << u"{\"id\":\"f\",\"relazione\":\"figlio\",\"stato\":\"premorto\"}"_s
        << Shares{{u"Stato"_s, u"1"_s}};
}

void TestFamilyEngine::legittima()
{
    QFETCH(QString, people);
    QFETCH(Shares, expected);
    QCOMPARE(sharesOf(FamilyEngine::legittima(caseOf(people))), expected);
}

void TestFamilyEngine::riserva_data()
{
    QTest::addColumn<QString>("people");
    QTest::addColumn<QString>("extra");
    QTest::addColumn<Shares>("expected");

    const QString spouse = u"{\"id\":\"c\",\"relazione\":\"coniuge\"},"_s;
    const QString child = u"{\"id\":\"f\",\"relazione\":\"figlio\"}"_s;
    QTest::newRow("art. 537: one child")
        << child << QString() << Shares{{u"f"_s, u"1/2"_s}, {u"disponibile"_s, u"1/2"_s}};
    QTest::newRow("art. 537: two children")
        << child + u",{\"id\":\"g\",\"relazione\":\"figlio\"}"_s << QString()
        << Shares{{u"f"_s, u"1/3"_s}, {u"g"_s, u"1/3"_s}, {u"disponibile"_s, u"1/3"_s}};
    QTest::newRow("art. 540: spouse alone")
        << u"{\"id\":\"c\",\"relazione\":\"coniuge\"}"_s << QString()
        << Shares{{u"c"_s, u"1/2"_s}, {u"disponibile"_s, u"1/2"_s}};
    QTest::newRow("art. 542: spouse and one child")
        << spouse + child << QString()
        << Shares{{u"c"_s, u"1/3"_s}, {u"f"_s, u"1/3"_s}, {u"disponibile"_s, u"1/3"_s}};
    QTest::newRow("art. 542: spouse and two children")
        << spouse + child + u",{\"id\":\"g\",\"relazione\":\"figlio\"}"_s << QString()
        << Shares{{u"c"_s, u"1/4"_s},
                  {u"f"_s, u"1/4"_s},
                  {u"g"_s, u"1/4"_s},
                  {u"disponibile"_s, u"1/4"_s}};
    QTest::newRow("arts. 536, 542: grandchildren represent their father")
        << spouse + u"{\"id\":\"f\",\"relazione\":\"figlio\",\"stato\":\"premorto\"},"
                    u"{\"id\":\"n1\",\"relazione\":\"figlio\",\"di\":\"f\"},"
                    u"{\"id\":\"n2\",\"relazione\":\"figlio\",\"di\":\"f\"}"_s
        << QString()
        << Shares{{u"c"_s, u"1/3"_s},
                  {u"n1"_s, u"1/6"_s},
                  {u"n2"_s, u"1/6"_s},
                  {u"disponibile"_s, u"1/3"_s}};
    QTest::newRow("art. 538: parents")
        << u"{\"id\":\"p\",\"relazione\":\"genitore\",\"linea\":\"paterna\"},"
           u"{\"id\":\"m\",\"relazione\":\"genitore\",\"linea\":\"materna\"}"_s
        << QString()
        << Shares{{u"p"_s, u"1/6"_s}, {u"m"_s, u"1/6"_s}, {u"disponibile"_s, u"2/3"_s}};
    QTest::newRow("art. 544: spouse and a parent")
        << spouse + u"{\"id\":\"p\",\"relazione\":\"genitore\",\"linea\":\"paterna\"}"_s
        << QString()
        << Shares{{u"c"_s, u"1/2"_s}, {u"p"_s, u"1/4"_s}, {u"disponibile"_s, u"1/4"_s}};
    QTest::newRow("siblings are no legitimaries")
        << u"{\"id\":\"b\",\"relazione\":\"fratello\"}"_s << QString()
        << Shares{{u"disponibile"_s, u"1"_s}};
    QTest::newRow("art. 548: spouse separated with fault")
        << u"{\"id\":\"c\",\"relazione\":\"coniuge\",\"separazione\":\"con_addebito\"},"_s + child
        << QString() << Shares{{u"f"_s, u"1/2"_s}, {u"disponibile"_s, u"1/2"_s}};
    const QString renouncer =
        u",{\"id\":\"r\",\"relazione\":\"figlio\",\"stato\":\"rinunziante\"}"_s;
    // Cass. 2434/1987 and 1529/1995: the renouncer does not count.
    QTest::newRow("renouncer not counted")
        << child + renouncer << QString()
        << Shares{{u"f"_s, u"1/2"_s}, {u"disponibile"_s, u"1/2"_s}};
    // Cass. SU 13524/2006, Cass. 27259/2017: he counts, his share is disposable.
    QTest::newRow("renouncer counted")
        << child + renouncer << u",\"riserva_rinunziante\":\"computato\""_s
        << Shares{{u"f"_s, u"1/3"_s}, {u"disponibile"_s, u"2/3"_s}};
}

void TestFamilyEngine::riserva()
{
    QFETCH(QString, people);
    QFETCH(QString, extra);
    QFETCH(Shares, expected);
    QCOMPARE(sharesOf(FamilyEngine::riserva(caseOf(people, extra))), expected);
}

void TestFamilyEngine::amountsRoundHalfUp()
{
    const Family::FamilyCase familyCase = caseOf(
        u"{\"id\":\"c\",\"relazione\":\"coniuge\"},{\"id\":\"f\",\"relazione\":\"figlio\"},"
        u"{\"id\":\"g\",\"relazione\":\"figlio\"}"_s,
        u",\"debiti\":\"20000\",\"donazioni\":[{\"donatario\":\"f\",\"valore\":\"50000.01\"}]"_s);
    const FamilyEngine::Section legittima = FamilyEngine::legittima(familyCase);
    QCOMPARE(legittima.base.text(), u"100000.00"_s);
    QCOMPARE(legittima.shares.first().amount.text(), u"33333.33"_s);
    const FamilyEngine::Section riserva = FamilyEngine::riserva(familyCase);
    QCOMPARE(riserva.massa->text(), u"150000.01"_s);
    QCOMPARE(riserva.shares.first().amount.text(), u"37500.00"_s); // 1/4 of 150000.01 = 37500.0025
    QVERIFY(riserva.articles.contains(u"556"_s));
    const Family::FamilyCase thirds = caseOf(u"{\"id\":\"f\",\"relazione\":\"figlio\"},"
                                             u"{\"id\":\"g\",\"relazione\":\"figlio\"},"
                                             u"{\"id\":\"h\",\"relazione\":\"figlio\"}"_s,
                                             u",\"debiti\":\"20000\""_s);
    QCOMPARE(FamilyEngine::riserva(thirds).disponibileAmount->text(), u"33333.33"_s);
    QCOMPARE(FamilyEngine::riserva(thirds).shares.first().amount.text(), u"22222.22"_s);
}

void TestFamilyEngine::disputedPointsAreShown()
{
    const auto mentions = [](const FamilyEngine::Section& section, const QString& word) {
        return section.passi.join(u' ').contains(word);
    };
    const Family::FamilyCase allRenounce =
        caseOf(u"{\"id\":\"c\",\"relazione\":\"coniuge\"},"
               u"{\"id\":\"f\",\"relazione\":\"figlio\",\"stato\":\"rinunziante\"},"
               u"{\"id\":\"p\",\"relazione\":\"genitore\",\"linea\":\"paterna\"}"_s);
    const FamilyEngine::Section legittima = FamilyEngine::legittima(allRenounce);
    QVERIFY(mentions(legittima, u"controverso"_s));
    QCOMPARE(sharesOf(legittima), (Shares{{u"c"_s, u"2/3"_s}, {u"p"_s, u"1/3"_s}}));
    QVERIFY(legittima.articles.contains(u"521"_s));
    QVERIFY(mentions(FamilyEngine::riserva(allRenounce), u"13524/2006"_s));
    // Cass. II 22566/2023 grants the separated spouse the rights of habitation and use;
    // Cass. II 13407/2014 and 22456/2014 denied them.
    const Family::FamilyCase separated =
        caseOf(u"{\"id\":\"c\",\"relazione\":\"coniuge\",\"separazione\":\"senza_addebito\"},"
               u"{\"id\":\"f\",\"relazione\":\"figlio\"}"_s);
    const FamilyEngine::Section reserve = FamilyEngine::riserva(separated);
    QVERIFY(mentions(reserve, u"controversi"_s));
    QVERIFY(mentions(reserve, u"22566/2023"_s) && mentions(reserve, u"13407/2014"_s));
    QCOMPARE(sharesOf(reserve).at(u"c"_s), u"1/3"_s);
    const Family::FamilyCase together = caseOf(u"{\"id\":\"c\",\"relazione\":\"coniuge\"},"
                                               u"{\"id\":\"f\",\"relazione\":\"figlio\"}"_s);
    QVERIFY(!mentions(FamilyEngine::riserva(together), u"22566/2023"_s));
    const Family::FamilyCase plain = caseOf(u"{\"id\":\"f\",\"relazione\":\"figlio\"}"_s);
    QVERIFY(!mentions(FamilyEngine::legittima(plain), u"controverso"_s));
}

namespace {

QString randomFamily(QRandomGenerator& random)
{
    const QStringList statuses{u"vivente"_s, u"vivente"_s, u"premorto"_s, u"rinunziante"_s,
                               u"indegno"_s};
    const auto status = [&] { return statuses[random.bounded(int(statuses.size()))]; };
    QStringList people;
    int next = 0;
    const auto add = [&](const QString& fields) {
        const QString id = u"p%1"_s.arg(next++);
        people << u"{\"id\":\"%1\",%2,\"stato\":\"%3\"}"_s.arg(id, fields, status());
        return id;
    };
    const auto descendants = [&](const QString& parent, int depth, auto& self) -> void {
        const int count = random.bounded(depth > 2 ? 1 : 3);
        for (int i = 0; i < count; ++i)
            self(add(u"\"relazione\":\"figlio\",\"di\":\"%1\""_s.arg(parent)), depth + 1, self);
    };
    if (random.bounded(2))
        add(random.bounded(4)
                ? u"\"relazione\":\"coniuge\",\"separazione\":\"%1\""_s.arg(QStringList{
                      u"nessuna"_s, u"senza_addebito"_s, u"con_addebito"_s}[random.bounded(3)])
                : u"\"relazione\":\"unito_civilmente\""_s);
    for (int i = random.bounded(4); i > 0; --i)
        descendants(add(u"\"relazione\":\"figlio\""_s), 1, descendants);
    for (const QString& line : {u"paterna"_s, u"materna"_s}) {
        if (random.bounded(2))
            add(u"\"relazione\":\"genitore\",\"linea\":\"%1\""_s.arg(line));
        for (int i = random.bounded(3); i > 0; --i)
            add(u"\"relazione\":\"ascendente\",\"linea\":\"%1\",\"grado\":%2"_s.arg(line).arg(
                2 + random.bounded(2)));
    }
    for (int i = random.bounded(4); i > 0; --i)
        descendants(add(u"\"relazione\":\"fratello\",\"vincolo\":\"%1\""_s.arg(
                        random.bounded(2) ? u"germano"_s : u"unilaterale"_s)),
                    1, descendants);
    for (int i = random.bounded(3); i > 0; --i)
        add(u"\"relazione\":\"parente\",\"grado\":%1"_s.arg(3 + random.bounded(4)));
    return people.join(u',');
}

} // namespace

void TestFamilyEngine::sharesAlwaysAddUp()
{
    QRandomGenerator random(20261208);
    int computed = 0;
    for (int round = 0; round < 3000; ++round) {
        const QString json =
            u"{\"formato\":\"quotara-famiglia/1\",\"decuius\":\"X\",\"tipologia\":\"entrambe\","
            u"\"relictum\":\"%1\",\"riserva_rinunziante\":\"%2\",\"persone\":[%3]}"_s.arg(
                QString::number(random.bounded(1, 1000000)),
                random.bounded(2) ? u"computato"_s : u"non_computato"_s, randomFamily(random));
        const FamilyFile::Reading reading = FamilyFile::decode(json.toUtf8());
        if (!reading.familyCase)
            continue;
        ++computed;
        const FamilyEngine::Outcome outcome = FamilyEngine::compute(*reading.familyCase);
        for (const FamilyEngine::Section* section :
             {&*outcome.legittima, &*outcome.testamentaria}) {
            Fraction sum;
            for (const FamilyEngine::HeirShare& share : section->shares) {
                QVERIFY2(!share.share.isZero(), qPrintable(json));
                QVERIFY2(share.share > Fraction(0), qPrintable(json));
                const Family::Person* person = reading.familyCase->find(share.id);
                QVERIFY2(person && person->status == Family::Status::Vivente, qPrintable(json));
                sum += share.share;
            }
            if (section->stateShare)
                sum += *section->stateShare;
            if (section->disponibile)
                sum += *section->disponibile;
            QVERIFY2(sum == Fraction(1), qPrintable(json + u" sum "_s + sum.text()));
        }
        QVERIFY(!outcome.testamentaria->stateShare);
        QVERIFY(!(*outcome.testamentaria->disponibile < Fraction(0)));
    }
    QVERIFY2(computed > 1000, qPrintable(QString::number(computed)));
}

QTEST_GUILESS_MAIN(TestFamilyEngine)
#include "tst_familyengine.moc"

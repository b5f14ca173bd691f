#include "family/familychart.h"
#include "family/familychartpainter.h"
#include "family/familyfile.h"

#include <QGuiApplication>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace Family;
using FamilyChart::LinkKind;
using FamilyChart::Standing;

namespace {

FamilyCase caseOf(const QString& people, const QString& kind = u"entrambe"_s)
{
    const QString json =
        u"{\"formato\":\"quotara-famiglia/1\",\"decuius\":\"Mario\","
        u"\"tipologia\":\"%1\",\"relictum\":\"120000\",\"persone\":[%2]}"_s.arg(kind, people);
    const FamilyFile::Reading reading = FamilyFile::decode(json.toUtf8());
    if (!reading.familyCase)
        qWarning("%s", qPrintable(reading.fault));
    return reading.familyCase.value_or(FamilyCase{});
}

FamilyChart::Chart chartOf(const FamilyCase& familyCase)
{
    return FamilyChart::layout(familyCase, FamilyEngine::compute(familyCase));
}

/// The family a new user enters first: a spouse, a predeceased child with two
/// children, a renouncing brother and a half-sister.
const QString kFamily =
    u"{\"id\":\"c\",\"nome\":\"Anna\",\"relazione\":\"coniuge\"},"
    u"{\"id\":\"f\",\"nome\":\"Luca\",\"relazione\":\"figlio\",\"stato\":\"premorto\"},"
    u"{\"id\":\"n1\",\"nome\":\"Sara\",\"relazione\":\"figlio\",\"di\":\"f\"},"
    u"{\"id\":\"n2\",\"nome\":\"Paolo\",\"relazione\":\"figlio\",\"di\":\"f\"},"
    u"{\"id\":\"b\",\"nome\":\"Marco\",\"relazione\":\"fratello\",\"stato\":\"rinunziante\"},"
    u"{\"id\":\"s\",\"nome\":\"Giulia\",\"relazione\":\"fratello\",\"vincolo\":\"unilaterale\"}"_s;

} // namespace

class TestFamilyChart : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void boxes_data();
    void boxes();
    void placesByGeneration_data();
    void placesByGeneration();
    void representationLines();
    void withoutOutcome();
    void boxesNeverOverlap_data();
    void boxesNeverOverlap();
    void description();
    void rendersAtPrintResolution();
};

void TestFamilyChart::boxes_data()
{
    QTest::addColumn<QString>("people");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("heir");
    QTest::addColumn<QStringList>("shares");
    QTest::addColumn<QString>("reason");

    QTest::newRow("spouse: both kinds with amounts")
        << kFamily << u"entrambe"_s << u"c"_s << true
        << QStringList{u"legittima 1/2: 60.000,00"_s, u"riserva 1/3: 40.000,00"_s} << QString();
    QTest::newRow("grandchild in his father's place")
        << kFamily << u"legittima"_s << u"n1"_s << true
        << QStringList{u"legittima 1/4: 30.000,00"_s} << QString();
    QTest::newRow("predeceased child and his representatives")
        << kFamily << u"entrambe"_s << u"f"_s << false << QStringList()
        << u"premorto, rappresentato da Sara, Paolo"_s;
    QTest::newRow("renouncing brother")
        << kFamily << u"entrambe"_s << u"b"_s << false << QStringList() << u"rinunziante"_s;
    QTest::newRow("half-sister after the children")
        << kFamily << u"entrambe"_s << u"s"_s << false << QStringList()
        << u"escluso dai figli (art. 570)"_s;
    QTest::newRow("sister without a reserve")
        << u"{\"id\":\"s\",\"relazione\":\"fratello\"}"_s << u"testamentaria"_s << u"s"_s << false
        << QStringList() << u"non legittimario (art. 536)"_s;
    QTest::newRow("unworthy child represented")
        << u"{\"id\":\"f\",\"relazione\":\"figlio\",\"stato\":\"indegno\"},"
           u"{\"id\":\"n\",\"nome\":\"Elia\",\"relazione\":\"figlio\",\"di\":\"f\"}"_s
        << u"legittima"_s << u"f"_s << false << QStringList()
        << u"indegno (art. 463), rappresentato da Elia"_s;
    QTest::newRow("grandson of a living child")
        << u"{\"id\":\"f\",\"nome\":\"Luca\",\"relazione\":\"figlio\"},"
           u"{\"id\":\"n\",\"relazione\":\"figlio\",\"di\":\"f\"}"_s
        << u"legittima"_s << u"n"_s << false << QStringList()
        << u"escluso da Luca, che eredita (art. 467)"_s;
    QTest::newRow("grandparent after a parent")
        << u"{\"id\":\"p\",\"relazione\":\"genitore\",\"linea\":\"paterna\"},"
           u"{\"id\":\"g\",\"relazione\":\"ascendente\",\"linea\":\"materna\",\"grado\":2}"_s
        << u"legittima"_s << u"g"_s << false << QStringList()
        << u"escluso dai genitori (art. 569)"_s;
    QTest::newRow("parent after a child")
        << u"{\"id\":\"p\",\"relazione\":\"genitore\",\"linea\":\"paterna\"},"
           u"{\"id\":\"f\",\"relazione\":\"figlio\"}"_s
        << u"testamentaria"_s << u"p"_s << false << QStringList()
        << u"escluso dai figli (art. 538)"_s;
    QTest::newRow("relative after the spouse")
        << u"{\"id\":\"c\",\"relazione\":\"coniuge\"},"
           u"{\"id\":\"r\",\"relazione\":\"parente\",\"grado\":4}"_s
        << u"legittima"_s << u"r"_s << false << QStringList()
        << u"escluso dal coniuge (art. 583)"_s;
    QTest::newRow("relative after a nearer one")
        << u"{\"id\":\"r3\",\"relazione\":\"parente\",\"grado\":3},"
           u"{\"id\":\"r\",\"relazione\":\"parente\",\"grado\":4}"_s
        << u"legittima"_s << u"r"_s << false << QStringList()
        << u"escluso dai parenti più vicini (art. 572)"_s;
    QTest::newRow("relative after a nephew")
        << u"{\"id\":\"b\",\"relazione\":\"fratello\",\"stato\":\"premorto\"},"
           u"{\"id\":\"n\",\"relazione\":\"figlio\",\"di\":\"b\"},"
           u"{\"id\":\"r\",\"relazione\":\"parente\",\"grado\":4}"_s
        << u"legittima"_s << u"r"_s << false << QStringList()
        << u"escluso dai fratelli e dalle sorelle (art. 572)"_s;
    QTest::newRow("spouse separated with fault")
        << u"{\"id\":\"c\",\"relazione\":\"coniuge\",\"separazione\":\"con_addebito\"},"
           u"{\"id\":\"f\",\"relazione\":\"figlio\"}"_s
        << u"entrambe"_s << u"c"_s << false << QStringList()
        << u"escluso per la separazione con addebito (artt. 548, 585)"_s;
}

void TestFamilyChart::boxes()
{
    QFETCH(QString, people);
    QFETCH(QString, kind);
    QFETCH(QString, id);
    QFETCH(bool, heir);
    QFETCH(QStringList, shares);
    QFETCH(QString, reason);
    const FamilyCase familyCase = caseOf(people, kind);
    QVERIFY(!familyCase.people.isEmpty());
    const FamilyChart::Chart chart = chartOf(familyCase);
    const int at = chart.indexOf(id);
    QVERIFY(at > 0);
    const FamilyChart::Box& box = chart.boxes.at(at);
    QCOMPARE(box.standing, heir ? Standing::Erede : Standing::NonErede);
    QCOMPARE(box.shares, shares);
    QCOMPARE(box.reason, reason);
    QCOMPARE(box.name, familyCase.find(id)->displayName());
}

void TestFamilyChart::placesByGeneration_data()
{
    QTest::addColumn<QString>("people");
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("generation");
    QTest::addColumn<int>("side"); ///< -1 left of the deceased, 1 right, 0 any

    const QString ascendants =
        u"{\"id\":\"p\",\"relazione\":\"genitore\",\"linea\":\"paterna\"},"
        u"{\"id\":\"m\",\"relazione\":\"genitore\",\"linea\":\"materna\"},"
        u"{\"id\":\"gp\",\"relazione\":\"ascendente\",\"linea\":\"paterna\",\"grado\":2},"
        u"{\"id\":\"gm\",\"relazione\":\"ascendente\",\"linea\":\"materna\",\"grado\":3},"
        u"{\"id\":\"r\",\"relazione\":\"parente\",\"grado\":4}"_s;
    QTest::newRow("spouse beside, to the right") << kFamily << u"c"_s << 0 << 1;
    QTest::newRow("child below") << kFamily << u"f"_s << 1 << 0;
    QTest::newRow("grandchild two rows below") << kFamily << u"n2"_s << 2 << 0;
    QTest::newRow("brother to the left") << kFamily << u"b"_s << 0 << -1;
    QTest::newRow("half-sister to the left") << kFamily << u"s"_s << 0 << -1;
    QTest::newRow("father above, left") << ascendants << u"p"_s << -1 << -1;
    QTest::newRow("mother above, right") << ascendants << u"m"_s << -1 << 1;
    QTest::newRow("paternal grandparent") << ascendants << u"gp"_s << -2 << -1;
    QTest::newRow("maternal great-grandparent") << ascendants << u"gm"_s << -3 << 1;
    QTest::newRow("other relative to the right") << ascendants << u"r"_s << 0 << 1;
}

void TestFamilyChart::placesByGeneration()
{
    QFETCH(QString, people);
    QFETCH(QString, id);
    QFETCH(int, generation);
    QFETCH(int, side);
    const FamilyChart::Chart chart = chartOf(caseOf(people));
    const FamilyChart::Box& box = chart.boxes.at(chart.indexOf(id));
    const FamilyChart::Box& decuius = chart.boxes.first();
    QCOMPARE(decuius.standing, Standing::Decuius);
    QCOMPARE(decuius.name, u"Mario"_s);
    QCOMPARE(box.generation, generation);
    QCOMPARE(box.rect.top() < decuius.rect.top(), generation < 0);
    QCOMPARE(box.rect.top() > decuius.rect.top(), generation > 0);
    // Beside the deceased a box keeps clear of his; above, it leans to its side.
    const QRectF& r = box.rect;
    const QRectF& d = decuius.rect;
    if (generation == 0 && side != 0)
        QVERIFY(side < 0 ? r.right() <= d.left() : r.left() >= d.right());
    if (generation != 0 && side != 0)
        QVERIFY(side < 0 ? r.center().x() < d.center().x() : r.center().x() > d.center().x());
    QVERIFY(chart.bounds.contains(box.rect));
}

void TestFamilyChart::representationLines()
{
    const FamilyChart::Chart chart = chartOf(caseOf(kFamily));
    const auto kindOf = [&chart](const QString& from,
                                 const QString& to) -> std::optional<LinkKind> {
        for (const FamilyChart::Link& link : chart.links) {
            if (link.from == chart.indexOf(from) && link.to == chart.indexOf(to))
                return link.kind;
        }
        return std::nullopt;
    };
    QCOMPARE(kindOf(QString(), u"f"_s), LinkKind::Parentela);
    QCOMPARE(kindOf(u"f"_s, u"n1"_s), LinkKind::Rappresentazione);
    QCOMPARE(kindOf(u"f"_s, u"n2"_s), LinkKind::Rappresentazione);
    QCOMPARE(kindOf(QString(), u"c"_s), LinkKind::Unione);
    QCOMPARE(kindOf(QString(), u"b"_s), LinkKind::Collaterale);
    QCOMPARE(chart.links.size(), 6);

    // A living child's children are his, not his representatives.
    const FamilyChart::Chart living = chartOf(caseOf(
        u"{\"id\":\"f\",\"relazione\":\"figlio\"},{\"id\":\"n\",\"relazione\":\"figlio\",\"di\":"
        u"\"f\"}"_s));
    QCOMPARE(living.links.size(), 2);
    QCOMPARE(living.links.at(1).kind, LinkKind::Parentela);
}

void TestFamilyChart::withoutOutcome()
{
    const FamilyChart::Chart chart = FamilyChart::layout(caseOf(kFamily), std::nullopt);
    QCOMPARE(chart.boxes.size(), 7);
    for (const FamilyChart::Box& box : chart.boxes.mid(1)) {
        QCOMPARE(box.standing, Standing::NonErede);
        QVERIFY(box.shares.isEmpty());
        QVERIFY(box.reason.isEmpty());
    }
}

void TestFamilyChart::boxesNeverOverlap_data()
{
    QTest::addColumn<QString>("people");
    QTest::newRow("first family") << kFamily;
    QString large = u"{\"id\":\"c\",\"relazione\":\"coniuge\"}"_s;
    for (int child = 0; child < 4; ++child) {
        large += u",{\"id\":\"f%1\",\"relazione\":\"figlio\",\"stato\":\"premorto\"}"_s.arg(child);
        for (int grandchild = 0; grandchild < child; ++grandchild)
            large +=
                u",{\"id\":\"f%1n%2\",\"relazione\":\"figlio\",\"di\":\"f%1\"}"_s.arg(child).arg(
                    grandchild);
    }
    for (int sibling = 0; sibling < 3; ++sibling) {
        large +=
            u",{\"id\":\"s%1\",\"relazione\":\"fratello\",\"stato\":\"premorto\"}"_s.arg(sibling);
        large += u",{\"id\":\"s%1n\",\"relazione\":\"figlio\",\"di\":\"s%1\"}"_s.arg(sibling);
        large += u",{\"id\":\"s%1nn\",\"relazione\":\"figlio\",\"di\":\"s%1n\"}"_s.arg(sibling);
    }
    large += u",{\"id\":\"p\",\"relazione\":\"genitore\",\"linea\":\"paterna\"}"_s
             u",{\"id\":\"g1\",\"relazione\":\"ascendente\",\"linea\":\"materna\",\"grado\":2}"_s
             u",{\"id\":\"g2\",\"relazione\":\"ascendente\",\"linea\":\"materna\",\"grado\":2}"_s
             u",{\"id\":\"r\",\"relazione\":\"parente\",\"grado\":3}"_s;
    QTest::newRow("three generations both sides") << large;
}

void TestFamilyChart::boxesNeverOverlap()
{
    QFETCH(QString, people);
    const FamilyCase familyCase = caseOf(people);
    QVERIFY(!familyCase.people.isEmpty());
    const FamilyChart::Chart chart = chartOf(familyCase);
    QCOMPARE(chart.boxes.size(), familyCase.people.size() + 1);
    for (qsizetype i = 0; i < chart.boxes.size(); ++i) {
        QVERIFY(chart.bounds.contains(chart.boxes.at(i).rect));
        QVERIFY(!chart.legendRect.intersects(chart.boxes.at(i).rect));
        for (qsizetype j = i + 1; j < chart.boxes.size(); ++j)
            QVERIFY2(!chart.boxes.at(i).rect.intersects(chart.boxes.at(j).rect),
                     qPrintable(chart.boxes.at(i).id + u" / "_s + chart.boxes.at(j).id));
    }
    // A descendant hangs one row below his parent; an ascendant is linked
    // down to the nearest of his line, or to the deceased.
    for (const FamilyChart::Link& link : chart.links) {
        if (link.kind != LinkKind::Parentela && link.kind != LinkKind::Rappresentazione)
            continue;
        const int from = chart.boxes.at(link.from).generation;
        const int to = chart.boxes.at(link.to).generation;
        QVERIFY(to > from);
        if (from >= 0)
            QCOMPARE(to, from + 1);
    }
}

void TestFamilyChart::description()
{
    const FamilyChart::Chart chart = chartOf(caseOf(kFamily, u"legittima"_s));
    const QString text = FamilyChart::description(chart);
    QVERIFY(text.startsWith(u"Mario, de cuius; "_s));
    QVERIFY(text.contains(u"Anna, coniuge, erede: legittima 1/2: 60.000,00; "_s));
    QVERIFY(
        text.contains(u"Luca, figlio, non eredita: premorto, rappresentato da Sara, Paolo; "_s));
    QVERIFY(text.contains(u"Sara, figlio di Luca, erede: legittima 1/4: 30.000,00"_s));
}

void TestFamilyChart::rendersAtPrintResolution()
{
    const FamilyChart::Chart chart = chartOf(caseOf(kFamily));
    const QImage natural = FamilyChart::renderImage(chart, 100000, 96);
    QCOMPARE(natural.size(), chart.bounds.size().toSize());
    const QImage print = FamilyChart::renderImage(chart, chart.bounds.width() / 2, 300);
    QCOMPARE(print.width(), qRound(chart.bounds.width() / 2 * 300 / 96));
    QCOMPARE(print.dotsPerMeterX(), qRound(300 / 0.0254));
    // The heir's green border and the grey of those left out are drawn.
    const FamilyChart::Box& anna = chart.boxes.at(chart.indexOf(u"c"_s));
    const QPoint border =
        (anna.rect.topLeft() - chart.bounds.topLeft() + QPointF(anna.rect.width() / 2, 0))
            .toPoint();
    QCOMPARE(natural.pixelColor(border).green() > natural.pixelColor(border).red(), true);
    const FamilyChart::Box& luca = chart.boxes.at(chart.indexOf(u"f"_s));
    const QPoint inside =
        (luca.rect.bottomRight() - chart.bounds.topLeft() - QPointF(8, 8)).toPoint();
    QCOMPARE(natural.pixelColor(inside), QColor(0xec, 0xec, 0xec));
}

QTEST_MAIN(TestFamilyChart)
#include "tst_familychart.moc"

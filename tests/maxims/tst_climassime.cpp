#include "clirun.h"
#include "maxims/climassime.h"
#include "maxims/maximtable.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

CliRun run(const QStringList& args)
{
    return runCli(cliMassime, args);
}

} // namespace

class TestCliMassime : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void listsTopics();
    void listsTopicsAsJson();
    void showsTopic_data();
    void showsTopic();
    void showsTopicAsJson();
    void rejectsBadArguments_data();
    void rejectsBadArguments();
    void listsTheMaximsOnAnArticle_data();
    void listsTheMaximsOnAnArticle();
    void listsTheMaximsOnAnArticleAsJson();
};

void TestCliMassime::listsTopics()
{
    const CliRun result = run({});
    QCOMPARE(result.status, 0);
    const QStringList lines = result.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 9);
    QCOMPARE(lines.at(0), QStringLiteral("   1) Accettazione dell'eredità: 3 massime"));
    QCOMPARE(lines.at(2), QStringLiteral("   3) Comunione ereditaria: 1 massima"));
    QCOMPARE(lines.at(6), QStringLiteral("   7) Successioni mortis causa: 38 massime"));
    QCOMPARE(lines.at(8), QStringLiteral(" 74 massime totali"));
}

void TestCliMassime::listsTopicsAsJson()
{
    const CliRun result = run({QStringLiteral("--json")});
    QCOMPARE(result.status, 0);
    const QJsonObject root = QJsonDocument::fromJson(result.out.toUtf8()).object();
    QCOMPARE(root.value(QStringLiteral("totale")).toInt(), 74);
    const QJsonArray topics = root.value(QStringLiteral("argomenti")).toArray();
    QCOMPARE(topics.size(), 8);
    const QList<int> counts = {3, 2, 1, 18, 5, 2, 38, 5};
    for (int i = 0; i < topics.size(); ++i) {
        const QJsonObject topic = topics.at(i).toObject();
        QCOMPARE(topic.value(QStringLiteral("numero")).toInt(), i + 1);
        QCOMPARE(topic.value(QStringLiteral("argomento")).toString(),
                 MaximTable::argomenti().at(i));
        QCOMPARE(topic.value(QStringLiteral("massime")).toInt(), counts.at(i));
    }
}

void TestCliMassime::showsTopic_data()
{
    QTest::addColumn<int>("topic");
    for (int topic : {1, 3, 7})
        QTest::addRow("%d", topic) << topic;
}

void TestCliMassime::showsTopic()
{
    QFETCH(int, topic);
    const MaximTable table = MaximTable::load();
    const CliRun result = run({QString::number(topic)});
    QCOMPARE(result.status, 0);
    const QStringList lines = result.out.split(u'\n', Qt::SkipEmptyParts);
    const int count = table.contamassime(topic);
    QCOMPARE(lines.size(), 1 + 2 * count);
    QCOMPARE(lines.at(0), QStringLiteral("Argomento: ") + table.argomento(topic));
    for (int number = 1; number <= count; ++number) {
        QCOMPARE(lines.at(2 * number - 1), QStringLiteral("Massima n. %1").arg(number));
        QCOMPARE(lines.at(2 * number), table.massima(topic, number));
    }
}

void TestCliMassime::showsTopicAsJson()
{
    const MaximTable table = MaximTable::load();
    const CliRun result = run({QStringLiteral("--json"), QStringLiteral("5")});
    QCOMPARE(result.status, 0);
    const QJsonObject root = QJsonDocument::fromJson(result.out.toUtf8()).object();
    QCOMPARE(root.value(QStringLiteral("numero")).toInt(), 5);
    QCOMPARE(root.value(QStringLiteral("argomento")).toString(), QStringLiteral("Donazione"));
    const QJsonArray maxims = root.value(QStringLiteral("massime")).toArray();
    QCOMPARE(maxims.size(), 5);
    for (int i = 0; i < maxims.size(); ++i) {
        const QJsonObject maxim = maxims.at(i).toObject();
        QCOMPARE(maxim.value(QStringLiteral("numero")).toInt(), i + 1);
        QCOMPARE(maxim.value(QStringLiteral("testo")).toString(), table.massima(5, i + 1));
    }
}

void TestCliMassime::rejectsBadArguments_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("zero") << QStringList{QStringLiteral("0")};
    QTest::newRow("nine") << QStringList{QStringLiteral("9")};
    QTest::newRow("word") << QStringList{QStringLiteral("tre")};
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--xml")};
    QTest::newRow("two topics") << QStringList{QStringLiteral("1"), QStringLiteral("2")};
    QTest::newRow("article outside the Titles")
        << QStringList{QStringLiteral("--articolo"), QStringLiteral("279")};
    QTest::newRow("article no number")
        << QStringList{QStringLiteral("--articolo"), QStringLiteral("primo")};
    QTest::newRow("article missing") << QStringList{QStringLiteral("--articolo")};
    QTest::newRow("article unknown suffix") << QStringList{QStringLiteral("--articolo=768-novies")};
    QTest::newRow("article and topic")
        << QStringList{QStringLiteral("--articolo"), QStringLiteral("540"), QStringLiteral("7")};
    QTest::newRow("topic and article")
        << QStringList{QStringLiteral("7"), QStringLiteral("--articolo"), QStringLiteral("540")};
}

void TestCliMassime::rejectsBadArguments()
{
    QFETCH(QStringList, args);
    const CliRun result = run(args);
    QCOMPARE(result.status, 2);
    QVERIFY(result.out.isEmpty());
    QVERIFY(result.err.contains(QStringLiteral("uso: quotara-cli massime")));
}

void TestCliMassime::listsTheMaximsOnAnArticle_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("label");
    QTest::newRow("540") << QStringList{QStringLiteral("--articolo"), QStringLiteral("540")}
                         << QStringLiteral("540");
    QTest::newRow("joined") << QStringList{QStringLiteral("--articolo=476")}
                            << QStringLiteral("476");
    QTest::newRow("Art. prefix") << QStringList{QStringLiteral("--articolo"),
                                                QStringLiteral("Art. 713")}
                                 << QStringLiteral("713");
    QTest::newRow("suffix with a blank")
        << QStringList{QStringLiteral("--articolo"), QStringLiteral("768 bis")}
        << QStringLiteral("768-bis");
    QTest::newRow("none on it") << QStringList{QStringLiteral("--articolo"), QStringLiteral("456")}
                                << QStringLiteral("456");
}

void TestCliMassime::listsTheMaximsOnAnArticle()
{
    QFETCH(QStringList, args);
    QFETCH(QString, label);
    const MaximTable table = MaximTable::load();
    const QVector<MaximRef> expected = table.maximsOnArticle(label);
    const CliRun result = run(args);
    QCOMPARE(result.status, 0);
    const QStringList lines = result.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1 + 3 * expected.size());
    if (expected.isEmpty())
        QCOMPARE(lines.at(0), QStringLiteral("Art. %1: nessuna massima").arg(label));
    else
        QVERIFY(lines.at(0).startsWith(
            QStringLiteral("Art. %1: %2 massim").arg(label).arg(expected.size())));
    for (qsizetype i = 0; i < expected.size(); ++i) {
        const MaximRef& ref = expected.at(i);
        QCOMPARE(lines.at(1 + 3 * i), QStringLiteral("Argomento: ") + table.argomento(ref.topic));
        QCOMPARE(lines.at(2 + 3 * i), QStringLiteral("Massima n. %1").arg(ref.number));
        QCOMPARE(lines.at(3 + 3 * i), table.massima(ref.topic, ref.number));
    }
}

void TestCliMassime::listsTheMaximsOnAnArticleAsJson()
{
    const CliRun result =
        run({QStringLiteral("--articolo"), QStringLiteral("540"), QStringLiteral("--json")});
    QCOMPARE(result.status, 0);
    const QJsonObject root = QJsonDocument::fromJson(result.out.toUtf8()).object();
    QCOMPARE(root.value(QStringLiteral("articolo")).toString(), QStringLiteral("540"));
    const QJsonArray maxims = root.value(QStringLiteral("massime")).toArray();
    QVERIFY(!maxims.isEmpty());
    const MaximTable table = MaximTable::load();
    QCOMPARE(maxims.size(), table.maximsOnArticle(QStringLiteral("540")).size());
    for (const QJsonValue& value : maxims) {
        const QJsonObject maxim = value.toObject();
        const int topic = maxim.value(QStringLiteral("numeroargomento")).toInt();
        const int number = maxim.value(QStringLiteral("numero")).toInt();
        QCOMPARE(maxim.value(QStringLiteral("argomento")).toString(), table.argomento(topic));
        QCOMPARE(maxim.value(QStringLiteral("testo")).toString(), table.massima(topic, number));
        QVERIFY(maxim.value(QStringLiteral("articoli")).toArray().contains(QStringLiteral("540")));
    }
}

QTEST_GUILESS_MAIN(TestCliMassime)
#include "tst_climassime.moc"

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
}

void TestCliMassime::rejectsBadArguments()
{
    QFETCH(QStringList, args);
    const CliRun result = run(args);
    QCOMPARE(result.status, 2);
    QVERIFY(result.out.isEmpty());
    QVERIFY(result.err.contains(QStringLiteral("uso: quotara-cli massime")));
}

QTEST_GUILESS_MAIN(TestCliMassime)
#include "tst_climassime.moc"

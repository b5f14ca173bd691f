#include "app/cp1252.h"
#include "maxims/maximtable.h"

#include <QDate>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

QString rawData(int topic)
{
    QFile file(MaximTable::dataPath(topic));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

/// The line before each maxim of a data text that is not empty.
QStringList linesBeforeMaxims(const QString& text)
{
    QStringList before;
    QString previous;
    for (const QString& line : text.split(u'\n')) {
        if (line.trimmed().isEmpty())
            continue;
        if (!line.startsWith(u'#'))
            before << previous;
        previous = line;
    }
    return before;
}

// Court, then section (none for the Constitutional Court), kind, number and date.
const QRegularExpression citation(
    QStringLiteral(R"(\((Cass\. civ\., sez\. (I|II|III|IV|V|VI|VI-[1-5]|L|un\.)|Corte cost\.), )"
                   R"((sent|ord)\. n\. ([1-9][0-9]*) del ([0-9]{2}/[0-9]{2}/[0-9]{4})\)$)"));

} // namespace

class TestMaximData : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void topics_data();
    void topics();
    void totalIs74();
    void slotLimit();
    void parse_data();
    void parse();
    void maxims_data();
    void maxims();
    void everyRulingOnce();

private:
    const MaximTable m_table = MaximTable::load();
};

void TestMaximData::initTestCase()
{
    for (int topic = 1; topic <= MaximTable::topicCount; ++topic)
        QVERIFY2(QFile::exists(MaximTable::dataPath(topic)),
                 qPrintable(MaximTable::dataPath(topic)));
}

void TestMaximData::topics_data()
{
    QTest::addColumn<int>("topic");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("item");
    const QList<std::pair<QString, int>> topics = {
        {QStringLiteral("Accettazione dell'eredità"), 3},
        {QStringLiteral("Azione di petizione e di riduzione"), 2},
        {QStringLiteral("Comunione ereditaria"), 1},
        {QStringLiteral("Divisione"), 18},
        {QStringLiteral("Donazione"), 5},
        {QStringLiteral("Retratto successorio"), 2},
        {QStringLiteral("Successioni mortis causa"), 38},
        {QStringLiteral("Testamento"), 5},
    };
    for (int topic = 1; topic <= topics.size(); ++topic) {
        const auto& [name, count] = topics.at(topic - 1);
        QTest::addRow("%d", topic)
            << topic << name << count << QStringLiteral("   %1) ").arg(topic) + name;
    }
}

void TestMaximData::topics()
{
    QFETCH(int, topic);
    QFETCH(QString, name);
    QFETCH(int, count);
    QFETCH(QString, item);
    QCOMPARE(m_table.argomento(topic), name);
    QCOMPARE(MaximTable::argomenti().at(topic - 1), name);
    QCOMPARE(m_table.contamassime(topic), count);
    QCOMPARE(MaximTable::parse(rawData(topic)).size(), count);
    for (int number = 1; number <= count; ++number)
        QVERIFY2(!m_table.massima(topic, number).isEmpty(), qPrintable(QString::number(number)));
    QVERIFY(m_table.massima(topic, count + 1).isEmpty());
    QCOMPARE(MaximTable::listItem(topic, m_table.argomento(topic)), item);
}

void TestMaximData::totalIs74()
{
    QCOMPARE(m_table.totale(), 74);
}

void TestMaximData::slotLimit()
{
    for (int topic = 1; topic <= MaximTable::topicCount; ++topic)
        QVERIFY(MaximTable::parse(rawData(topic)).size() <= MaximTable::slotCount);
    QCOMPARE(MaximTable::slotCount, 38);
    QVERIFY(!m_table.massima(7, 38).isEmpty());
    QVERIFY(m_table.massima(7, 39).isEmpty());
    QVERIFY(m_table.massima(0, 1).isEmpty());
    QVERIFY(m_table.massima(9, 1).isEmpty());
    QVERIFY(m_table.massima(1, 0).isEmpty());
    QCOMPARE(m_table.contamassime(0), 0);
    QCOMPARE(m_table.argomento(9), QString());
}

void TestMaximData::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("maxims");
    QTest::newRow("comments and empty lines")
        << QStringLiteral("# Argomento\n# fonte: x\nPrima.\n\n# fonte: y\nSeconda.\n")
        << QStringList{QStringLiteral("Prima."), QStringLiteral("Seconda.")};
    QTest::newRow("CRLF") << QStringLiteral("# c\r\nPrima.\r\n\r\nSeconda.\r\n")
                          << QStringList{QStringLiteral("Prima."), QStringLiteral("Seconda.")};
    QTest::newRow("blank-only line")
        << QStringLiteral("Prima.\n   \nSeconda.")
        << QStringList{QStringLiteral("Prima."), QStringLiteral("Seconda.")};
    QTest::newRow("hash inside a maxim")
        << QStringLiteral("Art. 1 # 2.\n") << QStringList{QStringLiteral("Art. 1 # 2.")};
    QTest::newRow("nothing") << QString() << QStringList();
}

void TestMaximData::parse()
{
    QFETCH(QString, text);
    QFETCH(QStringList, maxims);
    QCOMPARE(MaximTable::parse(text), maxims);
}

void TestMaximData::maxims_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("before");
    for (int topic = 1; topic <= MaximTable::topicCount; ++topic) {
        const QStringList before = linesBeforeMaxims(rawData(topic));
        for (int number = 1; number <= m_table.contamassime(topic); ++number) {
            QTest::addRow("%d/%d", topic, number)
                << m_table.massima(topic, number) << before.value(number - 1);
        }
    }
}

void TestMaximData::maxims()
{
    QFETCH(QString, text);
    QFETCH(QString, before);
    QVERIFY2(text.size() >= 230 && text.size() <= 2000, qPrintable(QString::number(text.size())));
    QVERIFY(!text.contains(u'\n') && !text.contains(u'\r') && !text.contains(u'\t'));
    QCOMPARE(text, text.trimmed());
    QVERIFY(Cp1252::canEncode(text));
    const QRegularExpressionMatch match = citation.match(text);
    QVERIFY2(match.hasMatch(), qPrintable(text.right(80)));
    const QDate date = QDate::fromString(match.captured(5), QStringLiteral("dd/MM/yyyy"));
    QVERIFY2(date.isValid(), qPrintable(match.captured(5)));
    QVERIFY(date.year() >= 1942);
    QVERIFY(date <= QDate::currentDate());
    // The ruling's principle comes before the citation.
    QVERIFY(match.capturedStart() >= 200);
    QVERIFY2(before.startsWith(QStringLiteral("# fonte: http")), qPrintable(before.left(80)));
}

void TestMaximData::everyRulingOnce()
{
    QSet<QString> seen;
    for (int topic = 1; topic <= MaximTable::topicCount; ++topic) {
        for (int number = 1; number <= m_table.contamassime(topic); ++number) {
            const QRegularExpressionMatch match = citation.match(m_table.massima(topic, number));
            QVERIFY(match.hasMatch());
            QVERIFY2(!seen.contains(match.captured(0)), qPrintable(match.captured(0)));
            seen.insert(match.captured(0));
        }
    }
    QCOMPARE(seen.size(), 74);
}

QTEST_GUILESS_MAIN(TestMaximData)
#include "tst_maximdata.moc"

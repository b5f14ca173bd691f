#include "app/cp1252.h"
#include "maxims/maximtable.h"
#include "norms/articleindex.h"

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

bool isArticleList(const QString& line)
{
    return line.startsWith(QStringLiteral("@articoli "));
}

/// The line before each maxim of a data text that is not empty.
QStringList linesBeforeMaxims(const QString& text)
{
    QStringList before;
    QString previous;
    for (const QString& line : text.split(u'\n')) {
        if (line.trimmed().isEmpty())
            continue;
        if (!line.startsWith(u'#') && !isArticleList(line))
            before << previous;
        previous = line;
    }
    return before;
}

/// The line after each maxim of a data text that is not empty.
QStringList linesAfterMaxims(const QString& text)
{
    QStringList after;
    bool afterMaxim = false;
    for (const QString& line : text.split(u'\n')) {
        if (line.trimmed().isEmpty())
            continue;
        if (afterMaxim)
            after << line;
        afterMaxim = !line.startsWith(u'#') && !isArticleList(line);
    }
    if (afterMaxim)
        after << QString();
    return after;
}

QVector<MaximRef> refs(std::initializer_list<std::pair<int, int>> slots)
{
    QVector<MaximRef> list;
    for (const auto& [topic, number] : slots)
        list.append(MaximRef{topic, number});
    return list;
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
    void parseEntries_data();
    void parseEntries();
    void articles_data();
    void articles();
    void maximsOnArticle_data();
    void maximsOnArticle();
    void everyArticleFindsItsMaxims();
    void auditedMaxims_data();
    void auditedMaxims();
    void disputedMaxims_data();
    void disputedMaxims();

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

void TestMaximData::parseEntries_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVector<MaximEntry>>("entries");
    const QString first = QStringLiteral("Prima.");
    const QString second = QStringLiteral("Seconda.");
    QTest::newRow("articles after each maxim")
        << QStringLiteral("# fonte: x\nPrima.\n@articoli 476, 768-bis\n# fonte: y\nSeconda.\n"
                          "@articoli 540\n")
        << QVector<MaximEntry>{{first, {QStringLiteral("476"), QStringLiteral("768-bis")}},
                               {second, {QStringLiteral("540")}}};
    QTest::newRow("blanks and CRLF")
        << QStringLiteral("Prima.\r\n@articoli  476 ,485 ,\r\n")
        << QVector<MaximEntry>{{first, {QStringLiteral("476"), QStringLiteral("485")}}};
    QTest::newRow("no list") << QStringLiteral("Prima.\nSeconda.\n")
                             << QVector<MaximEntry>{{first, {}}, {second, {}}};
    QTest::newRow("list before any maxim")
        << QStringLiteral("@articoli 476\nPrima.\n") << QVector<MaximEntry>{{first, {}}};
    QTest::newRow("two lists") << QStringLiteral("Prima.\n@articoli 476\n@articoli 481\n")
                               << QVector<MaximEntry>{
                                      {first, {QStringLiteral("476"), QStringLiteral("481")}}};
    QTest::newRow("tag without blank is a maxim")
        << QStringLiteral("@articoli\n") << QVector<MaximEntry>{{QStringLiteral("@articoli"), {}}};
}

void TestMaximData::parseEntries()
{
    QFETCH(QString, text);
    QFETCH(QVector<MaximEntry>, entries);
    QCOMPARE(MaximTable::parseEntries(text), entries);
    QStringList texts;
    for (const MaximEntry& entry : entries)
        texts << entry.text;
    QCOMPARE(MaximTable::parse(text), texts);
}

void TestMaximData::articles_data()
{
    QTest::addColumn<QStringList>("articles");
    QTest::addColumn<QString>("after");
    for (int topic = 1; topic <= MaximTable::topicCount; ++topic) {
        const QStringList after = linesAfterMaxims(rawData(topic));
        for (int number = 1; number <= m_table.contamassime(topic); ++number) {
            QTest::addRow("%d/%d", topic, number)
                << m_table.articoli(topic, number) << after.value(number - 1);
        }
    }
}

void TestMaximData::articles()
{
    QFETCH(QStringList, articles);
    QFETCH(QString, after);
    QVERIFY2(isArticleList(after), qPrintable(after.left(80)));
    QVERIFY(!articles.isEmpty());
    const Norms::ArticleIndex& index = Norms::ArticleIndex::codice();
    std::optional<Norms::ArticleNumber> previous;
    for (const QString& label : articles) {
        const Norms::Article* article = index.find(label);
        QVERIFY2(article, qPrintable(label));
        QCOMPARE(article->label, label);
        QVERIFY2(!article->repealed, qPrintable(label));
        // In the order of the code, each once.
        const std::optional<Norms::ArticleNumber> number = Norms::ArticleNumber::parse(label);
        QVERIFY(number);
        QVERIFY2(!previous || *previous < *number, qPrintable(label));
        previous = number;
    }
}

void TestMaximData::maximsOnArticle_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QVector<MaximRef>>("maxims");
    QTest::newRow("476") << QStringLiteral("476") << refs({{1, 1}, {1, 2}, {1, 3}});
    QTest::newRow("540") << QStringLiteral("540")
                         << refs({{7, 21}, {7, 22}, {7, 23}, {7, 24}, {7, 30}});
    QTest::newRow("732") << QStringLiteral("732") << refs({{6, 1}, {6, 2}});
    QTest::newRow("across topics") << QStringLiteral("481") << refs({{1, 3}, {7, 5}, {7, 17}});
    QTest::newRow("none") << QStringLiteral("768-bis") << refs({});
    QTest::newRow("another spelling") << QStringLiteral("art. 540") << refs({});
    QTest::newRow("empty") << QString() << refs({});
}

void TestMaximData::maximsOnArticle()
{
    QFETCH(QString, label);
    QFETCH(QVector<MaximRef>, maxims);
    QCOMPARE(m_table.maximsOnArticle(label), maxims);
}

void TestMaximData::everyArticleFindsItsMaxims()
{
    QVERIFY(m_table.articoli(7, 39).isEmpty());
    QVERIFY(m_table.articoli(0, 1).isEmpty());
    QVERIFY(m_table.articoli(9, 1).isEmpty());
    QVERIFY(m_table.articoli(3, 2).isEmpty());
    for (int topic = 1; topic <= MaximTable::topicCount; ++topic) {
        for (int number = 1; number <= m_table.contamassime(topic); ++number) {
            for (const QString& label : m_table.articoli(topic, number)) {
                const QVector<MaximRef> found = m_table.maximsOnArticle(label);
                QVERIFY2(found.contains(MaximRef{topic, number}), qPrintable(label));
                for (qsizetype i = 1; i < found.size(); ++i) {
                    const MaximRef& a = found.at(i - 1);
                    const MaximRef& b = found.at(i);
                    QVERIFY(a.topic < b.topic || (a.topic == b.topic && a.number < b.number));
                }
            }
        }
    }
}

void TestMaximData::auditedMaxims_data()
{
    QTest::addColumn<int>("topic");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("citation");
    QTest::addColumn<QString>("dropped");
    // The ruling that decided the principle, not the earlier order it quotes.
    QTest::newRow("1/3") << 1 << 3
                         << QStringLiteral("(Cass. civ., sez. III, sent. n. 1735 del 16/01/2024)")
                         << QStringLiteral("15663");
    // Clauses of the official massime, no longer repeated.
    QTest::newRow("4/7") << 4 << 7
                         << QStringLiteral("(Cass. civ., sez. II, ord. n. 17176 del 21/06/2024)")
                         << QStringLiteral("per intero a una quota e altri");
    // An untraceable ruling, replaced.
    QTest::newRow("4/16") << 4 << 16
                          << QStringLiteral("(Cass. civ., sez. II, sent. n. 8240 del 22/03/2019)")
                          << QStringLiteral("24169");
    // Rulings that apply no article of the code, replaced.
    QTest::newRow("7/25") << 7 << 25
                          << QStringLiteral("(Cass. civ., sez. I, ord. n. 1772 del 17/01/2024)")
                          << QStringLiteral("22434");
    QTest::newRow("7/26") << 7 << 26
                          << QStringLiteral("(Cass. civ., sez. I, sent. n. 31672 del 26/10/2022)")
                          << QStringLiteral("19290");
    QTest::newRow("7/31") << 7 << 31
                          << QStringLiteral("(Cass. civ., sez. II, ord. n. 722 del 09/01/2024)")
                          << QStringLiteral("2867");
    // Rulings no second source confirmed, replaced by confirmed ones on the same articles.
    QTest::newRow("4/8") << 4 << 8
                         << QStringLiteral("(Cass. civ., sez. II, sent. n. 14713 del 30/08/2012)")
                         << QStringLiteral("26616");
    QTest::newRow("7/1") << 7 << 1
                         << QStringLiteral("(Cass. civ., sez. II, sent. n. 8776 del 10/04/2013)")
                         << QStringLiteral("12575");
    QTest::newRow("7/22") << 7 << 22
                          << QStringLiteral("(Cass. civ., sez. II, sent. n. 20703 del 10/09/2013)")
                          << QStringLiteral("26741");
    QTest::newRow("4/6") << 4 << 6
                         << QStringLiteral("(Cass. civ., sez. II, ord. n. 8233 del 22/03/2019)")
                         << QStringLiteral("18683");
    QTest::newRow("4/10") << 4 << 10
                          << QStringLiteral("(Cass. civ., sez. II, sent. n. 20041 del 06/10/2016)")
                          << QStringLiteral("1481");
    QTest::newRow("7/10") << 7 << 10
                          << QStringLiteral("(Cass. civ., sez. II, sent. n. 8021 del 21/05/2012)")
                          << QStringLiteral("8912");
    QTest::newRow("4/3") << 4 << 3
                         << QStringLiteral("(Cass. civ., sez. II, sent. n. 21906 del 30/07/2021)")
                         << QStringLiteral("18548");
    QTest::newRow("4/9") << 4 << 9
                         << QStringLiteral("(Cass. civ., sez. II, sent. n. 25240 del 08/11/2013)")
                         << QStringLiteral("3380");
    // The old 6/1 also repeated its massima ("misura della partecipazione dell'acquirente").
    QTest::newRow("6/1") << 6 << 1
                         << QStringLiteral("(Cass. civ., sez. II, sent. n. 16314 del 04/08/2016)")
                         << QStringLiteral("11881");
    QTest::newRow("7/35") << 7 << 35
                          << QStringLiteral("(Cass. civ., sez. II, sent. n. 28962 del 18/10/2023)")
                          << QStringLiteral("33011");
    // A rule the Sezioni Unite abandoned in 2006, replaced by a ruling that follows them.
    QTest::newRow("7/37") << 7 << 37
                          << QStringLiteral("(Cass. civ., sez. II, sent. n. 18561 del 30/06/2021)")
                          << QStringLiteral("1529");
    // Found with all its data on foroeuropeo.it only; replaced by the 2022 order that restates
    // its rule.
    QTest::newRow("7/11") << 7 << 11
                          << QStringLiteral("(Cass. civ., sez. II, ord. n. 37927 del 28/12/2022)")
                          << QStringLiteral("21014");
    // Found with its data in one full text only; replaced by a ruling of the Constitutional
    // Court on the curator of the vacant estate.
    QTest::newRow("7/19") << 7 << 19 << QStringLiteral("(Corte cost., sent. n. 83 del 30/04/2021)")
                          << QStringLiteral("5908");
    // Its second source gave the massima without naming the ruling; replaced by a ruling on
    // the parties to a suit on the division, confirmed in two sources.
    QTest::newRow("4/5") << 4 << 5
                         << QStringLiteral("(Cass. civ., sez. II, sent. n. 24834 del 17/08/2022)")
                         << QStringLiteral("39340");
    // No second source with the section and day of Cass. III, 4845/2003; replaced by the 2021
    // order that follows it.
    QTest::newRow("7/14") << 7 << 14
                          << QStringLiteral("(Cass. civ., sez. VI, ord. n. 36080 del 23/11/2021)")
                          << QStringLiteral("sez. III, sent. n. 4845");
    // No second source with its section and day; replaced by a ruling on the same article.
    QTest::newRow("8/5") << 8 << 5
                         << QStringLiteral("(Cass. civ., sez. II, sent. n. 169 del 05/01/2018)")
                         << QStringLiteral("18893");
    // Its section and day were in one source only; replaced by a ruling of the Sezioni Unite on
    // the executor, confirmed in five.
    QTest::newRow("7/18") << 7 << 18
                          << QStringLiteral("(Cass. civ., sez. un., sent. n. 10107 del 16/04/2021)")
                          << QStringLiteral("2611");
}

void TestMaximData::auditedMaxims()
{
    QFETCH(int, topic);
    QFETCH(int, number);
    QFETCH(QString, citation);
    QFETCH(QString, dropped);
    const QString text = m_table.massima(topic, number);
    QVERIFY2(text.endsWith(citation), qPrintable(text.right(80)));
    QVERIFY(!text.contains(dropped));
}

void TestMaximData::disputedMaxims_data()
{
    QTest::addColumn<int>("topic");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("citation");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QStringList>("otherSide");
    const QString disputed = QStringLiteral("La soluzione è discussa.");
    // Cass. VI, ord. 36080/2021 (after Cass. 7076/1995 and III, 4845/2003) requires the inventory
    // from the possessing called heir who renounces; the case law before 1995 (Cass. 11634/1991),
    // most scholars and the notaries' study CNN 406-2017/C do not.
    QTest::newRow("7/14") << 7 << 14
                          << QStringLiteral("(Cass. civ., sez. VI, ord. n. 36080 del 23/11/2021)")
                          << disputed
                          << QStringList{QStringLiteral("Prima del 1995"),
                                         QStringLiteral("dottrina prevalente")};
    // Cass. II, ord. 37927/2022 (after Cass. II, 21014/2011, 3958/2014, Cass. 4846/2003) admits
    // no tacit revocation of a renunciation; Cass. 13599/2016 and most scholars admit a tacit
    // acceptance after it.
    QTest::newRow("7/11") << 7 << 11
                          << QStringLiteral("(Cass. civ., sez. II, ord. n. 37927 del 28/12/2022)")
                          << disputed
                          << QStringList{QStringLiteral("n. 13599 del 04/07/2016"),
                                         QStringLiteral("dottrina prevalente")};
    // Cass. II, 22566/2023 grants the habitation rights to the spouse separated without fault;
    // Cass. II, 13407/2014 and 22456/2014, then ord. 15277/2019, denied them.
    QTest::newRow("7/24") << 7 << 24
                          << QStringLiteral("(Cass. civ., sez. II, sent. n. 22566 del 26/07/2023)")
                          << disputed
                          << QStringList{QStringLiteral("sent. n. 13407 del 12/06/2014"),
                                         QStringLiteral("sent. n. 22456 del 22/10/2014"),
                                         QStringLiteral("ord. n. 15277 del 05/06/2019")};
}

void TestMaximData::disputedMaxims()
{
    QFETCH(int, topic);
    QFETCH(int, number);
    QFETCH(QString, citation);
    QFETCH(QString, note);
    QFETCH(QStringList, otherSide);
    const QString text = m_table.massima(topic, number);
    QVERIFY2(text.endsWith(citation), qPrintable(text.right(80)));
    // The note is a sentence of its own, and the opposite view follows it.
    const qsizetype at = text.indexOf(QStringLiteral(". ") + note);
    QVERIFY2(at > 0, qPrintable(text));
    for (const QString& other : otherSide)
        QVERIFY2(text.indexOf(other, at) > at, qPrintable(other));
}

QTEST_GUILESS_MAIN(TestMaximData)
#include "tst_maximdata.moc"

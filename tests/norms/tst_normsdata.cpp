#include "norms/articleindex.h"
#include "norms/normstitles.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace Norms;

namespace {

/// Articles whose text is still being added to the panes. The set may only
/// shrink: an article missing outside it fails the coverage test.
const QSet<int> kKnownMissing{};

constexpr int kFirstArticle = 456;
constexpr int kLastArticle = 809;

int romanValue(const QString& roman)
{
    static const QMap<QChar, int> digits{{u'I', 1}, {u'V', 5}, {u'X', 10}, {u'L', 50}};
    int value = 0;
    for (qsizetype i = 0; i < roman.size(); ++i) {
        const int digit = digits.value(roman.at(i));
        const int next = i + 1 < roman.size() ? digits.value(roman.at(i + 1)) : 0;
        value += digit < next ? -digit : digit;
    }
    return value;
}

QString numberList(QList<int> numbers)
{
    std::sort(numbers.begin(), numbers.end());
    QStringList texts;
    for (int number : numbers)
        texts.append(QString::number(number));
    return texts.join(u' ');
}

} // namespace

class TestNormsData : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyPaneIsThere();
    void articlesInOrderInTheirPane();
    void everyArticleCoveredOnce();
    void repealedEntries_data();
    void repealedEntries();
    void headingsHaveTheirShape_data();
    void headingsHaveTheirShape();
    void noEditorialMarkers_data();
    void noEditorialMarkers();
    void currencyNoticeNamesADate();
};

void TestNormsData::everyPaneIsThere()
{
    for (const TitleDescription& title : titles()) {
        for (const PaneDescription& pane : title.panes)
            QVERIFY2(paneText(pane).size() > 1000, qPrintable(pane.resource));
    }
}

void TestNormsData::articlesInOrderInTheirPane()
{
    const ArticleIndex& index = ArticleIndex::codice();
    QVERIFY(!index.articles().isEmpty());
    ArticleNumber previous{kFirstArticle - 1, 0};
    for (const Article& article : index.articles()) {
        const QString where =
            windowName(article.title) +
            QStringLiteral(" Text%1 Art. %2").arg(article.pane + 1).arg(article.label);
        QVERIFY2(article.first > previous,
                 qPrintable(where + QStringLiteral(" stands after Art. ") + previous.toString()));
        QVERIFY2(article.first <= article.last, qPrintable(where));
        const PaneDescription& pane =
            titleOf(article.title)->panes.at(static_cast<std::size_t>(article.pane));
        QVERIFY2(article.first.number >= pane.firstArticle &&
                     article.last.number <= pane.lastArticle,
                 qPrintable(where + QStringLiteral(" lies outside the pane's articles")));
        QVERIFY2(!article.heading.isEmpty(), qPrintable(where + QStringLiteral(" has no heading")));
        const QString firstLine = article.text.section(u'\n', 0, 0);
        QVERIFY2(article.repealed || firstLine.contains(QStringLiteral(" - ")),
                 qPrintable(where + QStringLiteral(": no \" - \" after the heading")));
        previous = article.last;
    }
}

void TestNormsData::everyArticleCoveredOnce()
{
    const ArticleIndex& index = ArticleIndex::codice();
    QMap<int, int> covered;
    for (const Article& article : index.articles()) {
        if (article.first.suffix != 0)
            continue;
        for (int number = article.first.number; number <= article.last.number; ++number)
            ++covered[number];
    }
    QList<int> missing;
    QList<int> twice;
    for (int number = kFirstArticle; number <= kLastArticle; ++number) {
        if (covered.value(number) == 0)
            missing.append(number);
        if (covered.value(number) > 1)
            twice.append(number);
    }
    QVERIFY2(covered.firstKey() >= kFirstArticle && covered.lastKey() <= kLastArticle,
             "an article outside 456-809");
    QVERIFY2(twice.isEmpty(), qPrintable(QStringLiteral("more than once: ") + numberList(twice)));
    QList<int> unexpected;
    for (int number : std::as_const(missing)) {
        if (!kKnownMissing.contains(number))
            unexpected.append(number);
    }
    QVERIFY2(unexpected.isEmpty(),
             qPrintable(QStringLiteral("missing articles: ") + numberList(unexpected)));
    QList<int> filled;
    for (int number : kKnownMissing) {
        if (!missing.contains(number))
            filled.append(number);
    }
    if (!missing.isEmpty())
        qInfo("still to be added: %s", qPrintable(numberList(missing)));
    if (!filled.isEmpty())
        qWarning("now present, take them out of kKnownMissing: %s", qPrintable(numberList(filled)));
}

void TestNormsData::repealedEntries_data()
{
    QTest::addColumn<int>("number");
    // Repealed before these texts were first gathered, and still repealed.
    for (int number : {539, 541, 543, 545, 546, 547, 574, 575, 576, 578, 579, 593, 595, 716, 780})
        QTest::addRow("%d", number) << number;
}

void TestNormsData::repealedEntries()
{
    QFETCH(int, number);
    const ArticleIndex& index = ArticleIndex::codice();
    const Article* article = index.find(ArticleNumber{number, 0});
    QVERIFY(article);
    QVERIFY(article->repealed);
    const QString expected = article->first == article->last ? QStringLiteral(" (abrogato) ")
                                                             : QStringLiteral(" (abrogati) ");
    QCOMPARE(article->text, QStringLiteral("Art. ") + article->label + expected);
}

void TestNormsData::headingsHaveTheirShape_data()
{
    QTest::addColumn<int>("title");
    for (std::size_t i = 0; i < titles().size(); ++i)
        QTest::newRow(qPrintable(windowName(titles().at(i).id))) << static_cast<int>(i);
}

void TestNormsData::headingsHaveTheirShape()
{
    QFETCH(int, title);
    static const QRegularExpression heading(
        QStringLiteral("^(Capo|Sezione) ([IVXL]+)(-[a-z]+)? $"));
    int capo = 0;
    int sezione = 0;
    for (const QString& text : paneTexts(titles().at(static_cast<std::size_t>(title)))) {
        const QStringList lines = text.split(u'\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString& line = lines.at(i);
            if (!line.startsWith(QStringLiteral("Capo")) &&
                !line.startsWith(QStringLiteral("Sezione")))
                continue;
            const QString where = QStringLiteral("line %1: ").arg(i + 1) + line;
            const QRegularExpressionMatch match = heading.match(line);
            QVERIFY2(match.hasMatch(), qPrintable(where));
            QVERIFY2(i + 2 < lines.size(), qPrintable(where));
            const QString name = lines.at(i + 1);
            QVERIFY2(!name.isEmpty() && name.endsWith(u'.') && name == name.trimmed(),
                     qPrintable(where + QStringLiteral(" / ") + name));
            QVERIFY2(lines.at(i + 2).isEmpty(), qPrintable(where));
            const int value = romanValue(match.captured(2));
            const bool added = match.capturedLength(3) > 0;
            int& counter = match.captured(1) == QStringLiteral("Capo") ? capo : sezione;
            QVERIFY2(value == (added ? counter : counter + 1),
                     qPrintable(where + QStringLiteral(" out of sequence")));
            counter = value;
            if (&counter == &capo)
                sezione = 0;
        }
    }
    QVERIFY(capo > 0);
}

void TestNormsData::noEditorialMarkers_data()
{
    QTest::addColumn<QString>("resource");
    for (const TitleDescription& title : titles()) {
        for (const PaneDescription& pane : title.panes)
            QTest::newRow(qPrintable(windowName(title.id) + u'_' + pane.name)) << pane.resource;
    }
}

void TestNormsData::noEditorialMarkers()
{
    QFETCH(QString, resource);
    QFile file(resource);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    static const QRegularExpression gluedFootnote(QStringLiteral("[\\w.,;:]\\(\\d{1,3}\\)"),
                                                  QRegularExpression::UseUnicodePropertiesOption);
    const QRegularExpressionMatch footnote = gluedFootnote.match(text);
    QVERIFY2(!footnote.hasMatch(), qPrintable(text.mid(footnote.capturedStart() - 30, 60)));
    QVERIFY2(!text.contains(QStringLiteral("((")), "a \"((\" marker");
    QVERIFY2(!text.contains(QStringLiteral("))")), "a \"))\" marker");
    QVERIFY(!text.contains(u'\r'));
    QVERIFY(!text.contains(u'\t'));
    QVERIFY(!text.contains(QChar::ReplacementCharacter));
    const QStringList lines = text.split(u'\n');
    for (const QString& line : lines) {
        const bool trailingBlankAllowed = line.startsWith(QStringLiteral("Capo ")) ||
                                          line.startsWith(QStringLiteral("Sezione ")) ||
                                          line.endsWith(QStringLiteral(" (abrogato) ")) ||
                                          line.endsWith(QStringLiteral(" (abrogati) "));
        QVERIFY2(trailingBlankAllowed || line == line.trimmed(), qPrintable(line.left(60)));
    }
}

void TestNormsData::currencyNoticeNamesADate()
{
    static const QRegularExpression notice(
        QStringLiteral("^Testo vigente al ([1-9]|[12][0-9]|3[01]) (gennaio|febbraio|marzo|aprile|"
                       "maggio|giugno|luglio|agosto|settembre|ottobre|novembre|dicembre) "
                       "20[0-9]{2}$"));
    QVERIFY2(notice.match(currencyNotice()).hasMatch(), qPrintable(currencyNotice()));
}

QTEST_GUILESS_MAIN(TestNormsData)
#include "tst_normsdata.moc"

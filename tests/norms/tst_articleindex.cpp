#include "clirun.h"
#include "norms/articleindex.h"
#include "norms/normscli.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace Norms;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString kPane = QStringLiteral("Art. 1 Prima - Testo uno.\n"
                                     "Secondo comma.\n"
                                     "\n"
                                     "Capo II \n"
                                     "Del resto.\n"
                                     "\n"
                                     "Art. 2 Seconda - Testo due.\n"
                                     "Art. 2-bis Aggiunta - Senza riga vuota prima.\n"
                                     "\n"
                                     "Art. 3-5 (abrogati) \n"
                                     "\n"
                                     "Art. 6 Rubrica sola\n"
                                     "Corpo su riga propria.\n");

} // namespace

class TestArticleIndex : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void parseNumber_data();
    void parseNumber();
    void parsePaneSplitsEntries();
    void findInTheCode_data();
    void findInTheCode();
    void everyEntryIsFoundByItsNumbers();
    void paragraphOfAnArticle_data();
    void paragraphOfAnArticle();
    void foldedMatchesMapToTheOriginal_data();
    void foldedMatchesMapToTheOriginal();
    void searchIgnoresCaseAndAccents();
    void contextShowsWholeWords();
    void cliArticolo_data();
    void cliArticolo();
    void cliArticoloJson();
    void cliCerca();
    void cliCercaJson();
};

void TestArticleIndex::parseNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("suffix");
    QTest::newRow("plain") << "456" << true << 456 << 0;
    QTest::newRow("bis") << "768-bis" << true << 768 << 2;
    QTest::newRow("blank") << "768 bis" << true << 768 << 2;
    QTest::newRow("glued") << "768bis" << true << 768 << 2;
    QTest::newRow("upper") << "768-OCTIES" << true << 768 << 8;
    QTest::newRow("art.") << "Art. 463-bis" << true << 463 << 2;
    QTest::newRow("articolo") << "articolo 536" << true << 536 << 0;
    QTest::newRow("spaces") << "  587 " << true << 587 << 0;
    QTest::newRow("unknown suffix") << "768-foo" << false << 0 << 0;
    QTest::newRow("empty") << "" << false << 0 << 0;
    QTest::newRow("words") << "successione" << false << 0 << 0;
    QTest::newRow("range") << "545-547" << false << 0 << 0;
}

void TestArticleIndex::parseNumber()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, number);
    QFETCH(int, suffix);
    const std::optional<ArticleNumber> parsed = ArticleNumber::parse(text);
    QCOMPARE(parsed.has_value(), valid);
    if (!valid)
        return;
    QCOMPARE(parsed->number, number);
    QCOMPARE(parsed->suffix, suffix);
    QCOMPARE(ArticleNumber::parse(parsed->toString()), parsed);
}

void TestArticleIndex::parsePaneSplitsEntries()
{
    const QVector<Article> articles = ArticleIndex::parsePane(kPane, WindowId::titoloIV, 1);
    QCOMPARE(articles.size(), 5);
    QCOMPARE(articles.at(0).text, QStringLiteral("Art. 1 Prima - Testo uno.\nSecondo comma."));
    QCOMPARE(articles.at(0).heading, QStringLiteral("Prima"));
    QCOMPARE(articles.at(0).line, 0);
    QCOMPARE(articles.at(1).label, QStringLiteral("2"));
    QCOMPARE(articles.at(1).text, QStringLiteral("Art. 2 Seconda - Testo due."));
    QCOMPARE(articles.at(1).line, 6);
    QCOMPARE(articles.at(2).label, QStringLiteral("2-bis"));
    QCOMPARE(articles.at(2).first, (ArticleNumber{2, 2}));
    QCOMPARE(articles.at(2).line, 7);
    QCOMPARE(kPane.mid(articles.at(2).position, 13), QStringLiteral("Art. 2-bis Ag"));
    QCOMPARE(articles.at(3).label, QStringLiteral("3-5"));
    QVERIFY(articles.at(3).repealed);
    QCOMPARE(articles.at(3).first, (ArticleNumber{3, 0}));
    QCOMPARE(articles.at(3).last, (ArticleNumber{5, 0}));
    QVERIFY(articles.at(3).covers({4, 0}));
    QVERIFY(!articles.at(3).covers({5, 2}));
    QCOMPARE(articles.at(4).heading, QStringLiteral("Rubrica sola"));
    QCOMPARE(articles.at(4).text, QStringLiteral("Art. 6 Rubrica sola\nCorpo su riga propria."));
    for (const Article& article : articles) {
        QCOMPARE(article.title, WindowId::titoloIV);
        QCOMPARE(article.pane, 1);
        QVERIFY(!article.text.contains(QStringLiteral("Capo")));
    }
}

void TestArticleIndex::findInTheCode_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("pane");
    QTest::newRow("first") << "456"
                           << "456"
                           << "titoloI" << 0;
    QTest::newRow("added") << "463-bis"
                           << "463-bis"
                           << "titoloI" << 0;
    QTest::newRow("second pane") << "536"
                                 << "536"
                                 << "titoloI" << 1;
    QTest::newRow("in a run") << "546"
                              << "545-547"
                              << "titoloI" << 1;
    QTest::newRow("Title II") << "581"
                              << "581"
                              << "titoloII" << 0;
    QTest::newRow("third pane") << "700"
                                << "700"
                                << "titoloIII" << 2;
    QTest::newRow("family pact") << "768 bis"
                                 << "768-bis"
                                 << "titoloIV" << 0;
    QTest::newRow("last") << "809"
                          << "809"
                          << "titoloV" << 0;
    QTest::newRow("before the code") << "455"
                                     << ""
                                     << "" << 0;
    QTest::newRow("after the code") << "810"
                                    << ""
                                    << "" << 0;
    QTest::newRow("no such suffix") << "768-novies"
                                    << ""
                                    << "" << 0;
    QTest::newRow("not a number") << "eredità"
                                  << ""
                                  << "" << 0;
}

void TestArticleIndex::findInTheCode()
{
    QFETCH(QString, number);
    QFETCH(QString, label);
    QFETCH(QString, window);
    QFETCH(int, pane);
    const Article* article = ArticleIndex::codice().find(number);
    if (label.isEmpty()) {
        QCOMPARE(article, nullptr);
        return;
    }
    QVERIFY(article);
    QCOMPARE(article->label, label);
    QCOMPARE(windowName(article->title), window);
    QCOMPARE(article->pane, pane);
    QVERIFY(article->text.startsWith(QStringLiteral("Art. ") + label + u' '));
    const TitleDescription* title = titleOf(article->title);
    const QString text = paneText(title->panes.at(static_cast<std::size_t>(pane)));
    QCOMPARE(text.mid(article->position, article->text.size()), article->text);
    QCOMPARE(text.split(u'\n').at(article->line), article->text.section(u'\n', 0, 0));
}

void TestArticleIndex::everyEntryIsFoundByItsNumbers()
{
    // The lookup relies on the entries following one another in the code.
    const ArticleIndex& index = ArticleIndex::codice();
    QVERIFY(index.articles().size() > 300);
    for (const Article& article : index.articles()) {
        QCOMPARE(index.find(article.first), &article);
        QCOMPARE(index.find(article.last), &article);
    }
}

void TestArticleIndex::paragraphOfAnArticle_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<int>("paragraph");
    QTest::addColumn<QString>("begins");
    QTest::addColumn<QString>("ends");
    QTest::newRow("first, without number and heading")
        << u"540"_s << 1 << u"A favore del coniuge è riservata la metà"_s
        << u"per il caso di concorso con i figli."_s;
    QTest::newRow("second") << u"540"_s << 2 << u"Al coniuge, anche quando concorra"_s
                            << u"sulla quota riservata ai figli."_s;
    QTest::newRow("past the last") << u"540"_s << 3 << QString() << QString();
    QTest::newRow("none before the first") << u"540"_s << 0 << QString() << QString();
    QTest::newRow("outside the code") << u"999"_s << 1 << QString() << QString();
}

void TestArticleIndex::paragraphOfAnArticle()
{
    QFETCH(QString, number);
    QFETCH(int, paragraph);
    QFETCH(QString, begins);
    QFETCH(QString, ends);
    const QString text = ArticleIndex::codice().paragraph(number, paragraph);
    if (begins.isEmpty()) {
        QCOMPARE(text, QString());
        return;
    }
    QVERIFY2(text.startsWith(begins), qPrintable(text));
    QVERIFY2(text.endsWith(ends), qPrintable(text));
    QVERIFY(!text.contains(u'\n'));
}

void TestArticleIndex::foldedMatchesMapToTheOriginal_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<QList<qsizetype>>("starts");
    QTest::addColumn<QList<qsizetype>>("lengths");
    QTest::newRow("accent in text")
        << "È la libertà, LIBERTA"
        << "liberta" << QList<qsizetype>{5, 14} << QList<qsizetype>{7, 7};
    QTest::newRow("accent in needle") << "È nullo"
                                      << "è" << QList<qsizetype>{0} << QList<qsizetype>{1};
    QTest::newRow("decomposed text") << QStringLiteral("citta\u0300 e citta") << "città"
                                     << QList<qsizetype>{0, 9} << QList<qsizetype>{6, 5};
    QTest::newRow("quotes") << QStringLiteral("dell\u2019erede") << "dell'erede"
                            << QList<qsizetype>{0} << QList<qsizetype>{10};
    QTest::newRow("no overlap") << "aaaa"
                                << "aa" << QList<qsizetype>{0, 2} << QList<qsizetype>{2, 2};
    QTest::newRow("empty needle") << "testo"
                                  << "" << QList<qsizetype>{} << QList<qsizetype>{};
    QTest::newRow("absent") << "testo"
                            << "erede" << QList<qsizetype>{} << QList<qsizetype>{};
}

void TestArticleIndex::foldedMatchesMapToTheOriginal()
{
    QFETCH(QString, text);
    QFETCH(QString, needle);
    QFETCH(QList<qsizetype>, starts);
    QFETCH(QList<qsizetype>, lengths);
    const QVector<TextSpan> spans = FoldedText(text).findAll(needle);
    QCOMPARE(spans.size(), starts.size());
    for (qsizetype i = 0; i < spans.size(); ++i) {
        QCOMPARE(spans.at(i).start, starts.at(i));
        QCOMPARE(spans.at(i).length, lengths.at(i));
    }
}

void TestArticleIndex::searchIgnoresCaseAndAccents()
{
    const QVector<ArticleMatch> plain = ArticleIndex::codice().search(QStringLiteral("liberalità"));
    const QVector<ArticleMatch> folded =
        ArticleIndex::codice().search(QStringLiteral("LIBERALITA"));
    QVERIFY(!plain.isEmpty());
    QCOMPARE(folded.size(), plain.size());
    QStringList labels;
    for (const ArticleMatch& match : folded) {
        labels.append(match.article->label);
        const QString found = match.article->text.mid(match.span.start, match.span.length);
        QCOMPARE(found.toLower(), QStringLiteral("liberalità"));
        QVERIFY(match.context.contains(found));
    }
    QVERIFY(labels.contains(QStringLiteral("769")));
    for (qsizetype i = 1; i < folded.size(); ++i)
        QVERIFY(folded.at(i - 1).article->last < folded.at(i).article->first);
    QVERIFY(ArticleIndex::codice().search(QStringLiteral("zzzqqq")).isEmpty());
    QVERIFY(ArticleIndex::codice().search(QString()).isEmpty());
}

void TestArticleIndex::contextShowsWholeWords()
{
    const QString text = QStringLiteral("uno due tre quattro cinque sei sette\notto nove dieci");
    const qsizetype at = text.indexOf(QStringLiteral("sei"));
    QCOMPARE(ArticleIndex::contextAround(text, {at, 3}, 8),
             QStringLiteral("...quattro cinque sei sette otto..."));
    QCOMPARE(ArticleIndex::contextAround(text, {0, 3}, 4), QStringLiteral("uno due..."));
    QCOMPARE(ArticleIndex::contextAround(text, {text.size() - 5, 5}, 100),
             QString(text).replace(u'\n', u' '));
}

void TestArticleIndex::cliArticolo_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("start");
    QTest::newRow("plain") << QStringList{QStringLiteral("456")} << 0
                           << "Art. 456 Apertura della successione - ";
    QTest::newRow("bis") << QStringList{QStringLiteral("768-bis")} << 0 << "Art. 768-bis ";
    QTest::newRow("two words") << QStringList{QStringLiteral("768"), QStringLiteral("ter")} << 0
                               << "Art. 768-ter ";
    QTest::newRow("repealed run") << QStringList{QStringLiteral("546")} << 0
                                  << "Art. 545-547 (abrogati) \n";
    QTest::newRow("no such article") << QStringList{QStringLiteral("900")} << 1 << "";
    QTest::newRow("not a number") << QStringList{QStringLiteral("abc")} << 2 << "";
    QTest::newRow("nothing") << QStringList{} << 2 << "";
}

void TestArticleIndex::cliArticolo()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, start);
    const CliRun result = runCli(&::cliArticolo, args);
    QCOMPARE(result.status, status);
    if (status != 0) {
        QVERIFY(result.out.isEmpty());
        QVERIFY(!result.err.isEmpty());
        return;
    }
    QVERIFY2(result.out.startsWith(start), qPrintable(result.out.left(80)));
    const Article* article = ArticleIndex::codice().find(args.join(u' '));
    QVERIFY(article);
    QCOMPARE(result.out, article->text + u'\n');
}

void TestArticleIndex::cliArticoloJson()
{
    const CliRun result =
        runCli(&::cliArticolo, {QStringLiteral("--json"), QStringLiteral("768-bis")});
    QCOMPARE(result.status, 0);
    const QJsonObject object = QJsonDocument::fromJson(result.out.toUtf8()).object();
    QCOMPARE(object.value(QStringLiteral("articolo")).toString(), QStringLiteral("768-bis"));
    QCOMPARE(object.value(QStringLiteral("finestra")).toString(), QStringLiteral("titoloIV"));
    QCOMPARE(object.value(QStringLiteral("riquadro")).toString(), QStringLiteral("Text1"));
    QCOMPARE(object.value(QStringLiteral("abrogato")).toBool(), false);
    QCOMPARE(object.value(QStringLiteral("testo")).toString(),
             ArticleIndex::codice().find(QStringLiteral("768-bis"))->text);
    const CliRun repealed =
        runCli(&::cliArticolo, {QStringLiteral("--json"), QStringLiteral("716")});
    QCOMPARE(QJsonDocument::fromJson(repealed.out.toUtf8())
                 .object()
                 .value(QStringLiteral("abrogato"))
                 .toBool(),
             true);
}

void TestArticleIndex::cliCerca()
{
    const CliRun result =
        runCli(&::cliCerca, {QStringLiteral("PATTO"), QStringLiteral("DI FAMIGLIA")});
    QCOMPARE(result.status, 0);
    const QStringList lines = result.out.split(u'\n', Qt::SkipEmptyParts);
    const QVector<ArticleMatch> matches =
        ArticleIndex::codice().search(QStringLiteral("patto di famiglia"));
    QCOMPARE(lines.size(), matches.size());
    QVERIFY(result.out.contains(QStringLiteral("Art. 768-bis\tNozione\t")));
    for (const QString& line : lines) {
        const QStringList fields = line.split(u'\t');
        QCOMPARE(fields.size(), 3);
        QVERIFY(fields.at(0).startsWith(QStringLiteral("Art. ")));
        QVERIFY(fields.at(2).contains(QStringLiteral("patto di famiglia"), Qt::CaseInsensitive));
    }
    QCOMPARE(runCli(&::cliCerca, {QStringLiteral("zzzqqq")}).status, 1);
    QCOMPARE(runCli(&::cliCerca, {}).status, 2);
}

void TestArticleIndex::cliCercaJson()
{
    const CliRun result =
        runCli(&::cliCerca, {QStringLiteral("--json"), QStringLiteral("eredita")});
    QCOMPARE(result.status, 0);
    const QJsonArray list = QJsonDocument::fromJson(result.out.toUtf8()).array();
    QCOMPARE(list.size(), ArticleIndex::codice().search(QStringLiteral("eredità")).size());
    QVERIFY(list.size() > 50);
    const QJsonObject first = list.first().toObject();
    QCOMPARE(first.value(QStringLiteral("articolo")).toString(), QStringLiteral("457"));
    QVERIFY(first.value(QStringLiteral("contesto"))
                .toString()
                .contains(QStringLiteral("eredità"), Qt::CaseInsensitive));
}

QTEST_GUILESS_MAIN(TestArticleIndex)
#include "tst_articleindex.moc"

#include "norms/articlereferences.h"

#include <QDirIterator>
#include <QFile>
#include <QTest>

using namespace Norms;
using namespace Qt::StringLiterals;

namespace {

/// Each reference as "the linked words=the article", for example "art. 537=537".
QStringList describe(const QString& text, const QVector<ArticleReference>& references)
{
    QStringList out;
    for (const ArticleReference& reference : references)
        out << text.mid(reference.span.start, reference.span.length) + u'=' +
                   reference.article.toString();
    return out;
}

QStringList resourceTexts(const QString& folder)
{
    QStringList texts;
    QDirIterator it(folder);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly))
            texts << QString::fromUtf8(file.readAll());
    }
    return texts;
}

} // namespace

class TestArticleReferences : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void prose_data();
    void prose();
    void list_data();
    void list();
    void everyReferenceOfTheDataNamesAnArticle_data();
    void everyReferenceOfTheDataNamesAnArticle();
    void theLawTextsLinkTheirReferences();
};

void TestArticleReferences::prose_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");

    const auto row = [](const char* name, const QString& text, const QStringList& expected) {
        QTest::newRow(name) << text << expected;
    };
    // Forms the law and the maxims use.
    row("articolo", u"si applica l'articolo 542 per il caso"_s, {u"articolo 542=542"_s});
    row("artt. e seguenti", u"Si osservano gli artt. 565 e seguenti."_s, {u"artt. 565=565"_s});
    row("dall'articolo -bis", u"previsto dall'articolo 768-bis, è nullo"_s,
        {u"articolo 768-bis=768-bis"_s});
    row("comma before", u"a norma del primo comma dell'articolo 537."_s, {u"articolo 537=537"_s});
    row("comma after", u"l'art. 537, secondo comma, prevede"_s, {u"art. 537=537"_s});
    row("e ss.", u"gli artt. 536 e ss. c.c."_s, {u"artt. 536=536"_s});
    row("two articles", u"gli articoli 581 e 582"_s, {u"articoli 581=581"_s, u"582=582"_s});
    row("bare -bis", u"il patto (768-bis) regola"_s, {u"768-bis=768-bis"_s});
    row("no blank", u"ai sensi dell'art.540 del Codice Civile"_s, {u"art.540=540"_s});
    row("c.c.", u"ai sensi dell'art. 476 c.c. Non vale"_s, {u"art. 476=476"_s});
    row("cod. civ.", u"art. 476 cod. civ."_s, {u"art. 476=476"_s});
    row("del presente codice", u"dall'articolo 463 del presente codice."_s,
        {u"articolo 463=463"_s});
    row("capital Art", u"Art. 540 Riserva a favore del coniuge"_s, {u"Art. 540=540"_s});
    row("typographic apostrophe", u"dell\u2019art. 571"_s, {u"art. 571=571"_s});
    row("list with commas", u"dagli articoli 592, 593, 595, 596, 597 e 598 sono nulle"_s,
        {u"articoli 592=592"_s, u"593=593"_s, u"595=595"_s, u"596=596"_s, u"597=597"_s,
         u"598=598"_s});
    row("range with a", u"degli articoli 611 a 615."_s, {u"articoli 611=611"_s, u"615=615"_s});
    row("range with dash", u"gli artt. 528-532 c.c. servono"_s, {u"artt. 528=528"_s, u"532=532"_s});
    row("qualified list", u"degli articoli 561, primo comma, secondo periodo, o 564, e il"_s,
        {u"articoli 561=561"_s, u"564=564"_s});
    row("comma and number", u"l'art. 540, secondo comma, n. 2, c.c."_s, {u"art. 540=540"_s});
    row("comma numbered", u"art. 537, comma 2, c.c."_s, {u"art. 537=537"_s});
    row("ordinal sign", u"art. 537, 2° comma"_s, {u"art. 537=537"_s});
    row("suffix with blank", u"l'articolo 768 quater"_s, {u"articolo 768 quater=768-quater"_s});
    row("suffix joined", u"l'art. 768bis"_s, {u"art. 768bis=768-bis"_s});
    row("repealed article", u"l'art. 539"_s, {u"art. 539=539"_s});
    row("inside a repealed run", u"l'art. 546"_s, {u"art. 546=546"_s});
    row("two references", u"l'art. 565 c.c. e l'art. 581 c.c."_s,
        {u"art. 565=565"_s, u"art. 581=581"_s});
    row("end of sentence", u"secondo l'art. 580."_s, {u"art. 580=580"_s});
    row("in parentheses", u"(art. 801 c.c.) consiste"_s, {u"art. 801=801"_s});
    row("bounds", u"art. 456 e art. 809"_s, {u"art. 456=456"_s, u"art. 809=809"_s});
    row("after another code", u"artt. 2 e 3 Cost. il fatto che gli artt. 565 e 582 c.c. n"_s,
        {u"artt. 565=565"_s, u"582=582"_s});
    row("last of a list out of range", u"artt. 809 e 810"_s, {u"artt. 809=809"_s});
    row("first of a list out of range", u"artt. 455 e 456"_s, {u"456=456"_s});

    // Not a link: outside the Title range, another code or law, no number.
    row("outside before", u"l'articolo 279"_s, {});
    row("outside after", u"art. 810 c.c."_s, {});
    row("small", u"art. 4 c.c."_s, {});
    row("far", u"art. 1350, n. 5, c.c."_s, {});
    row("huge", u"art. 99999999999"_s, {});
    row("c.p.c.", u"l'art. 789, terzo comma, c.p.c. decide"_s, {});
    row("c.p.c. no comma", u"art. 700 c.p.c."_s, {});
    row("c.p.", u"art. 575 c.p."_s, {});
    row("c.p.p.", u"art. 576 c.p.p."_s, {});
    row("codice di procedura", u"dell'articolo 444 del codice di procedura penale"_s, {});
    row("codice di procedura civile list", u"artt. 747 e seguenti del codice di procedura civile"_s,
        {});
    row("Cod. Proc. Civ.", u"art. 749 Cod. Proc. Civ."_s, {});
    row("codice penale", u"art. 575 del codice penale"_s, {});
    row("Cost.", u"art. 536 Cost."_s, {});
    row("disp. att.", u"art. 600 disp. att. c.c."_s, {});
    row("disposizioni di attuazione", u"art. 600 delle disposizioni di attuazione"_s, {});
    row("law after", u"art. 46 della legge n. 218 del 1995"_s, {});
    row("law in range after", u"art. 540 della legge n. 151 del 1975"_s, {});
    row("same law", u"l'art. 613 della stessa legge"_s, {});
    row("decree", u"l'articolo 580 del decreto legislativo 17 gennaio 2003, n. 5"_s, {});
    row("d.lgs.", u"art. 562 d.lgs. 154/2013"_s, {});
    row("d.P.R.", u"art. 600 del d.P.R. n. 380/2001"_s, {});
    row("law before", u"L. 76/2016 art. 1, comma 21"_s, {});
    row("law before in range", u"L. 76/2016, art. 600"_s, {});
    row("decree before", u"D.Lgs. 154/2013 art. 562"_s, {});
    row("code before", u"c.p.c., art. 789"_s, {});
    row("disp. att. before", u"disp. att. c.c. art. 600"_s, {});
    row("bare -bis of a law", u"il 9-bis della legge"_s, {});
    row("bare -bis unknown", u"il 768-novies"_s, {});
    row("bare -bis of another code", u"l'art. 9-bis e il 768-bis c.p.c."_s, {});
    row("no number", u"l'articolo precedente"_s, {});
    row("bare number", u"entro 600 giorni"_s, {});
    row("number with letters", u"art. 540abc"_s, {});
    row("unknown suffix", u"art. 540-abc"_s, {u"art. 540=540"_s});
    row("word containing art", u"parte 540, arte 541"_s, {});
    row("articolato", u"articolato 540"_s, {});
    row("empty", QString(), {});
}

void TestArticleReferences::prose()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    QCOMPARE(describe(text, findArticleReferences(text)), expected);
}

void TestArticleReferences::list_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("blanks") << u"540 542 581"_s
                            << QStringList{u"540=540"_s, u"542=542"_s, u"581=581"_s};
    QTest::newRow("commas") << u"565, 768-bis"_s << QStringList{u"565=565"_s, u"768-bis=768-bis"_s};
    QTest::newRow("outside") << u"279 540 1350"_s << QStringList{u"540=540"_s};
    QTest::newRow("range") << u"545-547"_s << QStringList{u"545=545"_s, u"547=547"_s};
    QTest::newRow("prefix") << u"artt. 536, 537"_s << QStringList{u"536=536"_s, u"537=537"_s};
    QTest::newRow("empty") << QString() << QStringList{};
}

void TestArticleReferences::list()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    QCOMPARE(describe(text, findArticleNumbers(text)), expected);
}

void TestArticleReferences::everyReferenceOfTheDataNamesAnArticle_data()
{
    QTest::addColumn<QString>("text");
    int n = 0;
    for (const QString& folder : {u":/norms/data"_s, u":/maxims/data"_s}) {
        for (const QString& text : resourceTexts(folder))
            QTest::newRow(qPrintable(folder + QString::number(++n))) << text;
    }
}

// Whatever the text, a reference is a stretch of it that holds the number of
// an article the code window can show, and references never overlap.
void TestArticleReferences::everyReferenceOfTheDataNamesAnArticle()
{
    QFETCH(QString, text);
    QVERIFY(!text.isEmpty());
    qsizetype end = 0;
    for (const ArticleReference& reference : findArticleReferences(text)) {
        QVERIFY(reference.span.start >= end);
        end = reference.span.start + reference.span.length;
        QVERIFY(end <= text.size());
        QVERIFY(ArticleIndex::codice().find(reference.article));
        const QString words = text.mid(reference.span.start, reference.span.length);
        QVERIFY2(words.contains(QString::number(reference.article.number)), qPrintable(words));
    }
}

void TestArticleReferences::theLawTextsLinkTheirReferences()
{
    const Article* article = ArticleIndex::codice().find(u"599"_s);
    QVERIFY(article);
    QStringList numbers;
    for (const ArticleReference& reference : findArticleReferences(article->text))
        numbers << reference.article.toString();
    QCOMPARE(numbers,
             (QStringList{u"599"_s, u"592"_s, u"593"_s, u"595"_s, u"596"_s, u"597"_s, u"598"_s}));
}

QTEST_GUILESS_MAIN(TestArticleReferences)
#include "tst_articlereferences.moc"

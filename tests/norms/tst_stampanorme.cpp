#include "app/quotaramod.h"
#include "norms/normstitles.h"
#include "norms/stampanorme.h"
#include "output/document.h"

#include <QTest>
#include <QTextBlock>

using namespace Norms;

namespace {

QTextBlock blockStartingWith(const QTextDocument& document, const QString& start)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.text().startsWith(start))
            return block;
    }
    return {};
}

double sizeOf(const QTextBlock& block)
{
    return block.begin().fragment().charFormat().fontPointSize();
}

} // namespace

class TestStampanorme : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void documentHoldsTheTitle_data();
    void documentHoldsTheTitle();
};

void TestStampanorme::documentHoldsTheTitle_data()
{
    QTest::addColumn<int>("title");
    QTest::addColumn<int>("panes");
    const int panes[] = {2, 1, 3, 1, 1};
    for (int i = 0; i < 5; ++i) {
        QTest::newRow(qPrintable(windowName(titles().at(static_cast<std::size_t>(i)).id)))
            << i << panes[i];
    }
}

void TestStampanorme::documentHoldsTheTitle()
{
    QFETCH(int, title);
    QFETCH(int, panes);
    const TitleDescription& description = titles().at(static_cast<std::size_t>(title));
    QCOMPARE(static_cast<int>(description.panes.size()), panes);

    Document document;
    stampanorme(document, description);

    QString expected = Quotaramod::nomeprogramma() + u'\n' + Quotaramod::sottotitolo() +
                       QStringLiteral("\n\nArticoli del Codice Civile\n\n") +
                       description.frameHeading + QStringLiteral("\n\n") + currencyNotice() +
                       QStringLiteral("\n\n");
    for (const QString& text : paneTexts(description))
        expected += text + u'\n';
    const QString printed = document.plainText();
    QVERIFY(printed.startsWith(expected));
    QVERIFY(printed.size() <= expected.size() + 1);

    const QTextDocument& text = document.textDocument();
    QCOMPARE(sizeOf(text.begin()), 18.0);
    QCOMPARE(sizeOf(blockStartingWith(text, Quotaramod::sottotitolo())), 18.0);
    QCOMPARE(sizeOf(blockStartingWith(text, QStringLiteral("Articoli del Codice Civile"))), 12.0);
    QCOMPARE(sizeOf(blockStartingWith(text, description.frameHeading)), 12.0);
    QCOMPARE(sizeOf(blockStartingWith(text, currencyNotice())), 10.0);
    QCOMPARE(sizeOf(blockStartingWith(text, paneTexts(description).first().section(u'\n', 0, 0))),
             10.0);
    const QTextBlock last =
        blockStartingWith(text, paneTexts(description).last().section(u'\n', -2, -2));
    QVERIFY(last.isValid());
    QCOMPARE(sizeOf(last), 10.0);
    for (QTextBlock block = text.begin(); block.isValid(); block = block.next()) {
        QCOMPARE(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
        if (!block.text().isEmpty()) {
            QCOMPARE(block.begin().fragment().charFormat().fontFamilies().toStringList().value(0),
                     QStringLiteral("Century Gothic"));
        }
    }
}

QTEST_GUILESS_MAIN(TestStampanorme)
#include "tst_stampanorme.moc"

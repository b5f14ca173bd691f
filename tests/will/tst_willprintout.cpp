#include "documentprobe.h"
#include "output/document.h"
#include "will/willprintout.h"
#include "will/willtexts.h"

#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace {

QTextTable* firstTable(const QTextDocument& document)
{
    return DocumentProbe::tables(document).value(0);
}

// The will table is read with rows and columns counted from 0.
QString cellText(QTextTable* table, int row, int column)
{
    return DocumentProbe::cellText(table, row + 1, column + 1);
}

} // namespace

class TestWillPrintout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void explanations_data();
    void explanations();
    void headingsAndDefinition_data();
    void headingsAndDefinition();
    void aspectsTable();
    void tableTakesTheTextsGiven();
    void exampleFollowsTheTable();
    void everythingIsJustified();
    void adviceHasThirteenLines();
};

void TestWillPrintout::explanations_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    const QString first =
        QStringLiteral("Il testamento olografo è quello scritto per intero dal testatore: di suo "
                       "pugno e non con una maccina da scrivere.\rIl testamento pubblico è "
                       "quello ricevutodal notaio in presenza di due testimoni.\rIl testamento "
                       "segreto è un testamento scritto, anche a macchina, su una scheda firmata "
                       "che viene consegnata ad un notaio. Questi redige l'atto di ricevimento.");
    QTest::newRow("1: the three kinds") << 1 << first;
    QTest::newRow("2: testator")
        << 2
        << QStringLiteral("Il testatore è colui che disponde delle sue sostanze nel testamento. "
                          "Non deve essere una persona dichiarata incapace dalla legge, nè "
                          "minorenne.");
    QTest::newRow("3: date")
        << 3
        << QStringLiteral("La data del testamento è fondamentale: qualora sia mancante o "
                          "indefinita è causa di nullità dell'atto. A tal proposito è valido "
                          "anche un riferimento preciso ad una data come 'Natale 2005'. La "
                          "mancanza del luogo non è causa di nullità.");
    QTest::newRow("4: content")
        << 4
        << QStringLiteral("Il contenuto del testamento è sempre modificabile o revocabile da "
                          "parte del testatore (con un atto successivo, perciò è importante la "
                          "data). Egli dispone dei suoi beni secondo quanto prescrive la legge. "
                          "Nelle disposizioni dovrà mantenere integre le quote legittime.");
    QTest::newRow("5: signature")
        << 5
        << QStringLiteral("Un testamento senza firma è nullo. In caso di impossibilità del "
                          "testatore ad apporre la firma egli deve rivolgersi ad un notaio che "
                          "riceverà il testamento in presenza di due testimoni.");
    QTest::newRow("0 gives 1") << 0 << first;
    QTest::newRow("6 gives 1") << 6 << first;
    QTest::newRow("-3 gives 1") << -3 << first;
}

void TestWillPrintout::explanations()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    QCOMPARE(WillTexts::explanation(index), text);
}

void TestWillPrintout::headingsAndDefinition_data()
{
    QTest::addColumn<int>("block");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("points");
    QTest::newRow("program") << 0 << QStringLiteral("QUOTARA") << 20.0;
    QTest::newRow("subtitle") << 1 << QStringLiteral("(quote di successione)") << 16.0;
    QTest::newRow("blank after subtitle") << 2 << QString() << 16.0;
    QTest::newRow("title") << 3 << QStringLiteral("Testamento") << 12.0;
    QTest::newRow("definition")
        << 5
        << QStringLiteral("Art.587 C.C., primo comma: Il testamento è un atto revocabile con il "
                          "quale taluno dispone, per il tempo in cui avrà cessato di vivere, di "
                          "tutte le proprie sostanze o di parte di esse.")
        << 12.0;
}

void TestWillPrintout::headingsAndDefinition()
{
    QFETCH(int, block);
    QFETCH(QString, text);
    QFETCH(double, points);
    Document document;
    stampatestamento(document, defaultWillPrintContent());
    const QList<QTextBlock> blocks = DocumentProbe::bodyBlocks(document.textDocument());
    QVERIFY(blocks.size() > block);
    const QTextBlock& paragraph = blocks.at(block);
    QCOMPARE(paragraph.text(), text);
    QTextCursor cursor(paragraph);
    cursor.movePosition(QTextCursor::EndOfBlock);
    QCOMPARE(cursor.charFormat().fontPointSize(), points);
    QCOMPARE(cursor.charFormat().fontFamilies().toStringList().value(0),
             QStringLiteral("Century Gothic"));
}

void TestWillPrintout::aspectsTable()
{
    Document document;
    stampatestamento(document, defaultWillPrintContent());
    QTextTable* table = firstTable(document.textDocument());
    QVERIFY(table);
    QCOMPARE(table->rows(), 6);
    QCOMPARE(table->columns(), 2);
    const QStringList names = {QStringLiteral("tipologia"), QStringLiteral("tipo di testamento"),
                               QStringLiteral("testatore"), QStringLiteral("data e luogo"),
                               QStringLiteral("contenuto"), QStringLiteral("firma")};
    const QString paragraph(QChar::ParagraphSeparator);
    const QStringList meanings = {
        QStringLiteral("significato"),
        QStringLiteral("olografo, pubblico, segreto") + paragraph,
        QStringLiteral("colui che non è dichiarato incapace dalla legge") + paragraph,
        QStringLiteral("la data deve contenere giorno mese e anno, non è necessario il luogo") +
            paragraph,
        QStringLiteral("anche sotto forma di lettera; non bisogna oltrepassare la quota "
                       "disponibile ") +
            paragraph,
        QStringLiteral("la firma è necessaria per rendere il documento valido") + paragraph};
    for (int row = 0; row < 6; ++row) {
        QCOMPARE(cellText(table, row, 0), names.at(row));
        QCOMPARE(cellText(table, row, 1), meanings.at(row));
    }
    QTextCursor cell = table->cellAt(3, 1).firstCursorPosition();
    cell.movePosition(QTextCursor::NextCharacter);
    QCOMPARE(cell.charFormat().fontPointSize(), 10.0);
}

void TestWillPrintout::tableTakesTheTextsGiven()
{
    WillPrintContent content = defaultWillPrintContent();
    content.aspectTexts[2] = QStringLiteral("testo cambiato\n");
    content.definition = QStringLiteral("definizione");
    Document document;
    stampatestamento(document, content);
    QTextTable* table = firstTable(document.textDocument());
    QVERIFY(table);
    QCOMPARE(cellText(table, 3, 1), QStringLiteral("testo cambiato") + QChar::ParagraphSeparator);
    QVERIFY(
        document.plainText().contains(QStringLiteral("Art.587 C.C., primo comma: definizione\n")));
}

void TestWillPrintout::exampleFollowsTheTable()
{
    Document document;
    stampatestamento(document, defaultWillPrintContent());
    const QString text = document.plainText();
    const int table = text.indexOf(QStringLiteral("la firma è necessaria"));
    const int heading = text.indexOf(QStringLiteral("\n\nEsempio di testamento:\n\n"));
    const int example = text.indexOf(WillTexts::printedExample() + u'\n');
    const int signature = text.indexOf(QStringLiteral("Firmato Mario Rossi\n"), example);
    QVERIFY(table >= 0);
    QVERIFY(heading > table);
    QVERIFY(example > heading);
    QVERIFY(signature > example);
    QVERIFY(WillTexts::printedExample().contains(QStringLiteral("duemilasette")));
    QVERIFY(WillTexts::printedExample().contains(QStringLiteral("facoltà")));
    QVERIFY(WillTexts::example().contains(QStringLiteral("duemilacinque")));
    QVERIFY(WillTexts::example().contains(QStringLiteral("capacità")));
    QVERIFY(WillTexts::example().endsWith(QStringLiteral("Firmato Mario Rossi")));
}

void TestWillPrintout::everythingIsJustified()
{
    Document document;
    stampatestamento(document, defaultWillPrintContent());
    int blocks = 0;
    for (QTextBlock block = document.textDocument().begin(); block.isValid();
         block = block.next(), ++blocks)
        QCOMPARE(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
    QVERIFY(blocks > 20);
}

void TestWillPrintout::adviceHasThirteenLines()
{
    const QStringList lines = WillTexts::advice().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 13);
    for (const QString& line : lines) {
        QVERIFY(!line.isEmpty());
        QVERIFY(!line.contains(u'\r') && !line.contains(u'\n'));
    }
}

QTEST_GUILESS_MAIN(TestWillPrintout)
#include "tst_willprintout.moc"

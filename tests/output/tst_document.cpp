#include "documentprobe.h"
#include "output/document.h"
#include "output/stampaguida.h"

#include "app/quotaramod.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <type_traits>

using namespace Qt::StringLiterals;

namespace {

using DocumentProbe::bodyBlocks;
using DocumentProbe::cellText;

QTextCharFormat cellCharFormat(QTextTable* table, int row, int column)
{
    QTextCursor cursor = table->cellAt(row - 1, column - 1).firstCursorPosition();
    cursor.movePosition(QTextCursor::NextCharacter);
    return cursor.charFormat();
}

QTextBlockFormat cellBlockFormat(QTextTable* table, int row, int column)
{
    return table->cellAt(row - 1, column - 1).firstCursorPosition().blockFormat();
}

QTextCharFormat charFormatOf(const QTextBlock& block)
{
    return block.begin().fragment().charFormat();
}

// A table number cannot be made up: only the document hands one out.
static_assert(!std::is_constructible_v<Document::TableId, int>);
static_assert(!std::is_default_constructible_v<Document::TableId>);

// Set in a copy of this test run that misuses a table and should stop at the
// document's assertion.
constexpr char misuseVariable[] = "TST_DOCUMENT_MISUSE";

// Writes outside a 2 x 2 table as `misuse` says; returns only if nothing stopped it.
int misuseTable(const QByteArray& misuse)
{
    Document document;
    const Document::TableId table = document.addTable(2, 2);
    if (misuse == "row 0")
        document.setCellText(table, 0, 1, u"fuori"_s);
    else if (misuse == "row 3")
        document.setCellText(table, 3, 1, u"fuori"_s);
    else if (misuse == "column 3")
        document.setCellText(table, 1, 3, u"fuori"_s);
    else if (misuse == "right column 0")
        document.alignColumnRight(table, 0);
    else if (misuse == "right column 3")
        document.alignColumnRight(table, 3);
    else if (misuse == "another document's table") {
        Document other;
        other.setCellText(table, 1, 1, u"fuori"_s);
    }
    return 0;
}

} // namespace

class TestDocument : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void typedTextSplitsAtBreaks_data();
    void typedTextSplitsAtBreaks();
    void fontsFollowWhatWasSetBeforeTyping();
    void fontFamilyReachesTheOdfProperty();
    void formFeedStartsANewPage();
    void tablesAreNumberedAndHoldCellTexts();
    void cellsAreOnlyInsideTheTable_data();
    void cellsAreOnlyInsideTheTable();
    void writingOutsideATableFailsAnAssertion_data();
    void writingOutsideATableFailsAnAssertion();
    void tableFontSizeAppliesBeforeAndAfterTexts();
    void colorfulFormatColoursHeaderAndBands();
    void justifyAllThenRightColumn();
    void tablesHaveFixedColumnWidths();
    void textAfterATableComesAfterIt();
    void guideDocument();
};

void TestDocument::typedTextSplitsAtBreaks_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("paragraphs");
    QTest::newRow("carriage return") << u"uno\rdue"_s << QStringList{u"uno"_s, u"due"_s};
    QTest::newRow("line feed") << u"uno\ndue"_s << QStringList{u"uno"_s, u"due"_s};
    QTest::newRow("trailing break") << u"uno\r"_s << QStringList{u"uno"_s, QString()};
    QTest::newRow("three breaks") << u"a\r\r\rb"_s
                                  << QStringList{u"a"_s, QString(), QString(), u"b"_s};
    QTest::newRow("no break") << u"testo"_s << QStringList{u"testo"_s};
}

void TestDocument::typedTextSplitsAtBreaks()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, paragraphs);
    Document document;
    document.typeText(typed);
    QStringList got;
    for (const QTextBlock& block : bodyBlocks(document.textDocument()))
        got.append(block.text());
    QCOMPARE(got, paragraphs);
}

void TestDocument::fontsFollowWhatWasSetBeforeTyping()
{
    Document document;
    document.setFontName(u"Century Gothic"_s);
    document.setFontSize(20);
    document.typeText(u"grande\r"_s);
    document.setFontSize(12);
    document.typeText(u"piccolo"_s);
    const QList<QTextBlock> blocks = bodyBlocks(document.textDocument());
    QCOMPARE(blocks.size(), 2);
    QCOMPARE(charFormatOf(blocks[0]).fontPointSize(), 20.0);
    QCOMPARE(charFormatOf(blocks[1]).fontPointSize(), 12.0);
    QCOMPARE(charFormatOf(blocks[0]).fontFamilies().toStringList(),
             QStringList{u"Century Gothic"_s});
}

void TestDocument::fontFamilyReachesTheOdfProperty()
{
    Document document;
    document.setFontName(u"Century Gothic"_s);
    document.typeText(u"testo"_s);
    const QTextCharFormat format = charFormatOf(document.textDocument().begin());
    QCOMPARE(format.property(QTextFormat::OldFontFamily).toString(), u"Century Gothic"_s);
}

void TestDocument::formFeedStartsANewPage()
{
    Document document;
    document.typeText(u"pagina uno\fpagina due"_s);
    const QList<QTextBlock> blocks = bodyBlocks(document.textDocument());
    QCOMPARE(blocks.size(), 2);
    QCOMPARE(blocks[1].text(), u"pagina due"_s);
    QVERIFY(blocks[1].blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore);
    QVERIFY(!(blocks[0].blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore));
}

void TestDocument::tablesAreNumberedAndHoldCellTexts()
{
    Document document;
    document.typeText(u"titolo"_s);
    const Document::TableId first = document.addTable(4, 2);
    const Document::TableId second = document.addTable(6, 5);
    QCOMPARE(first.number(), 1);
    QCOMPARE(second.number(), 2);
    document.setCellText(first, 1, 1, u"dati"_s);
    document.setCellText(first, 4, 2, u"1.000.000"_s);
    document.setCellText(second, 6, 5, u"0,00"_s);
    document.setCellText(second, 6, 5, u"12,50"_s);
    const QList<QTextTable*> tables = DocumentProbe::tables(document.textDocument());
    QCOMPARE(tables.size(), 2);
    QCOMPARE(tables[0]->rows(), 4);
    QCOMPARE(tables[0]->columns(), 2);
    QCOMPARE(tables[1]->rows(), 6);
    QCOMPARE(tables[1]->columns(), 5);
    QCOMPARE(cellText(tables[0], 1, 1), u"dati"_s);
    QCOMPARE(cellText(tables[0], 4, 2), u"1.000.000"_s);
    QCOMPARE(cellText(tables[1], 6, 5), u"12,50"_s);
    QCOMPARE(cellText(tables[1], 1, 1), QString());
    QVERIFY(document.plainText().contains(u"titolo"_s));
}

void TestDocument::cellsAreOnlyInsideTheTable_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("inside");
    QTest::newRow("first") << 1 << 1 << true;
    QTest::newRow("last") << 2 << 3 << true;
    QTest::newRow("row 0") << 0 << 1 << false;
    QTest::newRow("row 3") << 3 << 1 << false;
    QTest::newRow("column 0") << 1 << 0 << false;
    QTest::newRow("column 4") << 1 << 4 << false;
}

void TestDocument::cellsAreOnlyInsideTheTable()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(bool, inside);
    Document document;
    document.addTable(5, 5);
    const Document::TableId table = document.addTable(2, 3);
    QCOMPARE(document.hasCell(table, row, column), inside);
}

void TestDocument::writingOutsideATableFailsAnAssertion_data()
{
    QTest::addColumn<QByteArray>("misuse");
    QTest::addColumn<QByteArray>("where");
    QTest::newRow("row 0") << "row 0"_ba
                           << "Document::setCellText"_ba;
    QTest::newRow("row 3") << "row 3"_ba
                           << "Document::setCellText"_ba;
    QTest::newRow("column 3") << "column 3"_ba
                              << "Document::setCellText"_ba;
    QTest::newRow("right column 0") << "right column 0"_ba
                                    << "Document::alignColumnRight"_ba;
    QTest::newRow("right column 3") << "right column 3"_ba
                                    << "Document::alignColumnRight"_ba;
    QTest::newRow("another document's table") << "another document's table"_ba
                                              << "Document::tableAt"_ba;
}

// The misuse runs in a copy of this program, which the assertion stops.
void TestDocument::writingOutsideATableFailsAnAssertion()
{
#ifdef QT_NO_DEBUG
    QSKIP("assertions are off in a release build");
#endif
    QFETCH(QByteArray, misuse);
    QFETCH(QByteArray, where);
    QProcess copy;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(misuseVariable), QString::fromUtf8(misuse));
    copy.setProcessEnvironment(environment);
    copy.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(copy.waitForFinished(30000));
    QCOMPARE(copy.exitStatus(), QProcess::CrashExit);
    const QByteArray error = copy.readAllStandardError();
    QVERIFY2(error.contains("ASSERT failure in " + where), error.constData());
}

void TestDocument::tableFontSizeAppliesBeforeAndAfterTexts()
{
    Document document;
    document.setFontName(u"Century Gothic"_s);
    document.setFontSize(12);
    const Document::TableId cells = document.addTable(2, 2);
    document.setCellText(cells, 1, 1, u"prima"_s);
    document.setTableFontSize(cells, 10);
    document.setCellText(cells, 2, 2, u"dopo"_s);
    QTextTable* table = DocumentProbe::tables(document.textDocument()).first();
    QCOMPARE(cellCharFormat(table, 1, 1).fontPointSize(), 10.0);
    QCOMPARE(cellCharFormat(table, 2, 2).fontPointSize(), 10.0);
    QCOMPARE(cellCharFormat(table, 2, 2).property(QTextFormat::OldFontFamily).toString(),
             u"Century Gothic"_s);
}

void TestDocument::colorfulFormatColoursHeaderAndBands()
{
    Document document;
    const Document::TableId cells = document.addTable(4, 2);
    for (int r = 1; r <= 4; ++r)
        document.setCellText(cells, r, 1, u"riga"_s);
    document.applyColorfulFormat(cells);
    document.setCellText(cells, 1, 2, u"intestazione"_s);
    QTextTable* table = DocumentProbe::tables(document.textDocument()).first();
    const QColor header = cellBlockFormat(table, 1, 1).background().color();
    QCOMPARE(cellBlockFormat(table, 1, 2).background().color(), header);
    QVERIFY(cellCharFormat(table, 1, 2).fontWeight() >= QFont::Bold);
    QVERIFY(cellCharFormat(table, 2, 1).fontWeight() < QFont::Bold);
    const QColor band2 = cellBlockFormat(table, 2, 1).background().color();
    const QColor band3 = cellBlockFormat(table, 3, 1).background().color();
    QVERIFY(header != band2);
    QVERIFY(band2 != band3);
    QCOMPARE(cellBlockFormat(table, 4, 1).background().color(), band2);
    // The header text stands out from its background.
    QVERIFY(cellCharFormat(table, 1, 2).foreground().color() != header);
}

void TestDocument::justifyAllThenRightColumn()
{
    Document document;
    document.typeText(u"testo\rancora"_s);
    const Document::TableId cells = document.addTable(3, 3);
    document.setCellText(cells, 2, 2, u"1/2"_s);
    document.justifyAll();
    document.alignColumnRight(cells, 2);
    for (const QTextBlock& block : bodyBlocks(document.textDocument()))
        QCOMPARE(block.blockFormat().alignment(), Qt::AlignJustify);
    QTextTable* table = DocumentProbe::tables(document.textDocument()).first();
    for (int r = 1; r <= 3; ++r) {
        QCOMPARE(cellBlockFormat(table, r, 1).alignment(), Qt::AlignJustify);
        QCOMPARE(cellBlockFormat(table, r, 2).alignment(), Qt::AlignRight);
        QCOMPARE(cellBlockFormat(table, r, 3).alignment(), Qt::AlignJustify);
    }
}

void TestDocument::tablesHaveFixedColumnWidths()
{
    Document document;
    document.addTable(2, 5);
    QTextTable* table = DocumentProbe::tables(document.textDocument()).first();
    const QList<QTextLength> widths = table->format().columnWidthConstraints();
    QCOMPARE(widths.size(), 5);
    for (const QTextLength& width : widths) {
        QCOMPARE(width.type(), QTextLength::FixedLength);
        QVERIFY(width.rawValue() > 0);
    }
}

void TestDocument::textAfterATableComesAfterIt()
{
    Document document;
    document.typeText(u"prima"_s);
    document.insertParagraphAfter();
    const Document::TableId cell = document.addTable(1, 1);
    document.setCellText(cell, 1, 1, u"cella"_s);
    document.insertParagraphAfter();
    document.typeText(u"dopo"_s);
    const QString text = document.plainText();
    QVERIFY(text.indexOf(u"prima"_s) < text.indexOf(u"cella"_s));
    QVERIFY(text.indexOf(u"cella"_s) < text.indexOf(u"dopo"_s));
    const QList<QTextBlock> blocks = bodyBlocks(document.textDocument());
    QCOMPARE(blocks.first().text(), u"prima"_s);
    QCOMPARE(blocks.last().text(), u"dopo"_s);
}

void TestDocument::guideDocument()
{
    Document document;
    stampaguida(document, u"Finestra Successione"_s, u"Primo capoverso.\rSecondo."_s);
    QStringList texts;
    QList<double> sizes;
    const QList<QTextBlock> blocks = bodyBlocks(document.textDocument());
    for (const QTextBlock& block : blocks) {
        texts.append(block.text());
        sizes.append(block.charFormat().fontPointSize());
        QCOMPARE(block.blockFormat().alignment(), Qt::AlignJustify);
        QCOMPARE(block.charFormat().property(QTextFormat::OldFontFamily).toString(),
                 u"Century Gothic"_s);
    }
    const QStringList expected{Quotaramod::nomeprogramma(),
                               Quotaramod::sottotitolo(),
                               QString(),
                               QString(),
                               u"Guida: Finestra Successione"_s,
                               QString(),
                               u"Primo capoverso."_s,
                               u"Secondo."_s,
                               QString()};
    QCOMPARE(texts, expected);
    QCOMPARE(charFormatOf(blocks[0]).fontPointSize(), 20.0);
    QCOMPARE(charFormatOf(blocks[1]).fontPointSize(), 16.0);
    QCOMPARE(charFormatOf(blocks[4]).fontPointSize(), 16.0);
    QCOMPARE(charFormatOf(blocks[6]).fontPointSize(), 12.0);
    QCOMPARE(charFormatOf(blocks[7]).fontPointSize(), 12.0);
}

int main(int argc, char* argv[])
{
    const QCoreApplication application(argc, argv);
    if (const QByteArray misuse = qgetenv(misuseVariable); !misuse.isEmpty())
        return misuseTable(misuse);
    TestDocument test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_document.moc"

#include "maxims/maximprintout.h"
#include "output/document.h"

#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

namespace {

/// The document's paragraphs; "^" marks one that starts a new page.
QStringList paragraphs(const QTextDocument& document)
{
    QStringList result;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const bool newPage =
            block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore;
        result << (newPage ? QStringLiteral("^") : QString()) + block.text();
    }
    return result;
}

} // namespace

class TestMaximPrintout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void layout_data();
    void layout();
    void fontAndJustification();
};

void TestMaximPrintout::layout_data()
{
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("one maxim, no page break")
        << QList<int>{1}
        << QStringList{QStringLiteral("Argomento: Donazione"), QString(),
                       QStringLiteral("Massima n. 1"), QStringLiteral("testo 1")};
    QTest::newRow("from the third of five") << QList<int>{3, 4, 5}
                                            << QStringList{QStringLiteral("Argomento: Donazione"),
                                                           QString(),
                                                           QStringLiteral("Massima n. 3"),
                                                           QStringLiteral("testo 3"),
                                                           QString(),
                                                           QStringLiteral("^Massima n. 4"),
                                                           QStringLiteral("testo 4"),
                                                           QString(),
                                                           QStringLiteral("^Massima n. 5"),
                                                           QStringLiteral("testo 5")};
    QTest::newRow("two-digit number")
        << QList<int>{38}
        << QStringList{QStringLiteral("Argomento: Donazione"), QString(),
                       QStringLiteral("Massima n. 38"), QStringLiteral("testo 38")};
}

void TestMaximPrintout::layout()
{
    QFETCH(QList<int>, numbers);
    QFETCH(QStringList, expected);
    Document document;
    MaximPrintout printout(document, QStringLiteral("Donazione"));
    for (int number : numbers)
        printout.addMaxim(number, QStringLiteral("testo %1").arg(number));
    printout.finish();
    QCOMPARE(paragraphs(document.textDocument()), expected);
}

void TestMaximPrintout::fontAndJustification()
{
    Document document;
    MaximPrintout printout(document, QStringLiteral("Testamento"));
    printout.addMaxim(1, QStringLiteral("uno"));
    printout.addMaxim(2, QStringLiteral("due"));
    printout.finish();
    const QTextDocument& text = document.textDocument();
    for (QTextBlock block = text.begin(); block.isValid(); block = block.next()) {
        QCOMPARE(block.blockFormat().alignment(), Qt::AlignJustify);
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            QCOMPARE(format.fontFamilies().toStringList(),
                     QStringList{QStringLiteral("Century Gothic")});
            QCOMPARE(format.fontPointSize(), 12.0);
        }
    }
}

QTEST_GUILESS_MAIN(TestMaximPrintout)
#include "tst_maximprintout.moc"

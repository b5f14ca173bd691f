#include "maxims/maximprintout.h"
#include "output/document.h"

#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

class TestMaximPrintout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void oneFontJustifiedPageBreaksBetweenMaxims();
};

void TestMaximPrintout::oneFontJustifiedPageBreaksBetweenMaxims()
{
    Document document;
    MaximPrintout printout(document, QStringLiteral("Testamento"));
    printout.addMaxim(1, QStringLiteral("uno"));
    printout.addMaxim(2, QStringLiteral("due"));
    printout.finish();
    const QTextDocument& text = document.textDocument();
    int pageBreaks = 0;
    for (QTextBlock block = text.begin(); block.isValid(); block = block.next()) {
        QCOMPARE(block.blockFormat().alignment(), Qt::AlignJustify);
        if (block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) {
            ++pageBreaks;
            QCOMPARE(block.text(), QStringLiteral("Massima n. 2"));
        }
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            QCOMPARE(format.fontFamilies().toStringList(),
                     QStringList{QStringLiteral("Century Gothic")});
            QCOMPARE(format.fontPointSize(), 12.0);
        }
    }
    QCOMPARE(pageBreaks, 1);
}

QTEST_GUILESS_MAIN(TestMaximPrintout)
#include "tst_maximprintout.moc"

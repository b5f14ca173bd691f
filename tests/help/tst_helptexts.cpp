#include "help/helptexts.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestHelpTexts : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void guidesHaveTheirHeadingAndText_data();
    void guidesHaveTheirHeadingAndText();
    void otherWindowsHaveNoGuide();
    void printOrderStartsWithTheManual();
};

void TestHelpTexts::guidesHaveTheirHeadingAndText_data()
{
    QTest::addColumn<WindowId>("id");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("mentions");
    QTest::newRow("manuale") << WindowId::manuale << u"MANUALE D'USO RAPIDO"_s << u"AIUTO"_s;
    QTest::newRow("funzionamento") << WindowId::guidafunzionamento
                                   << u"FUNZIONAMENTO DEL PROGRAMMA"_s << u"quota disponibile"_s;
    QTest::newRow("successione") << WindowId::guidasuccessione << u"Finestra SUCCESSIONE"_s
                                 << u"'legittima'"_s;
    QTest::newRow("norme") << WindowId::guidanorme << u"Finestra NORME"_s
                           << u"aggiornati all'8 dicembre 2026"_s;
    QTest::newRow("testamento") << WindowId::guidatestamento << u"Finestra TESTAMENTO"_s
                                << u"punto interrogativo"_s;
    QTest::newRow("massime") << WindowId::guidamassime << u"Finestra MASSIME"_s
                             << u"File...Stampa"_s;
    QTest::newRow("dettaglio") << WindowId::guidadettaglio << u"Finestra CALCOLO DETTAGLIATO"_s
                               << u"rappresentazione"_s;
}

void TestHelpTexts::guidesHaveTheirHeadingAndText()
{
    QFETCH(WindowId, id);
    QFETCH(QString, heading);
    QFETCH(QString, mentions);
    QVERIFY(HelpTexts::isGuide(id));
    QCOMPARE(HelpTexts::heading(id), heading);
    const QString text = HelpTexts::text(id);
    QVERIFY2(text.size() >= 1200 && text.size() <= 2300, qPrintable(QString::number(text.size())));
    QVERIFY2(text.contains(mentions), qPrintable(mentions));
    // One paragraph of plain prose.
    QVERIFY(!text.contains(u'\n') && !text.contains(u'\r'));
    QCOMPARE(text, text.trimmed());
    // The program is named in capitals, the maker by its full name.
    QVERIFY(!text.contains(u"Quotara"_s));
    QVERIFY(!text.contains(u"Solvano"_s) || text.contains(u"software Solvano"_s));
}

void TestHelpTexts::otherWindowsHaveNoGuide()
{
    for (const WindowId id : {WindowId::successione, WindowId::sommario, WindowId::frmTip}) {
        QVERIFY(!HelpTexts::isGuide(id));
        QVERIFY(HelpTexts::heading(id).isEmpty());
        QVERIFY(HelpTexts::text(id).isEmpty());
    }
}

void TestHelpTexts::printOrderStartsWithTheManual()
{
    const QList<WindowId> expected{WindowId::manuale,          WindowId::guidafunzionamento,
                                   WindowId::guidasuccessione, WindowId::guidanorme,
                                   WindowId::guidatestamento,  WindowId::guidamassime,
                                   WindowId::guidadettaglio};
    QCOMPARE(HelpTexts::printOrder(), expected);
}

QTEST_GUILESS_MAIN(TestHelpTexts)
#include "tst_helptexts.moc"

#include "app/forms.h"
#include "app/twips.h"
#include "help/helptexts.h"
#include "help/helpwindow.h"
#include "testforms.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using namespace Qt::StringLiterals;

void registerAppWindows(Forms& forms);
void registerHelpWindows(Forms& forms);

class TestHelpWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void showsItsGuide_data();
    void showsItsGuide();
    void onlyTheManualExplainsItsButtons();
    void sommarioLeavesTheGuideOpen();
    void chiudiClosesOnlyTheGuide();
    void stampaBuildsTheGuideDocument();

private:
    static void registerWindows(TestForms& t)
    {
        registerAppWindows(t.forms);
        registerHelpWindows(t.forms);
    }
};

void TestHelpWindow::showsItsGuide_data()
{
    QTest::addColumn<WindowId>("id");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("headingWidth");
    QTest::addColumn<int>("textWidth");
    QTest::addColumn<bool>("besideMainWindow");
    QTest::newRow("manuale") << WindowId::manuale << 9600 << 3615 << 9015 << false;
    QTest::newRow("funzionamento") << WindowId::guidafunzionamento << 5640 << 4095 << 5175 << true;
    QTest::newRow("successione") << WindowId::guidasuccessione << 5640 << 3615 << 5175 << true;
    QTest::newRow("norme") << WindowId::guidanorme << 5640 << 3615 << 5175 << true;
    QTest::newRow("testamento") << WindowId::guidatestamento << 5640 << 3615 << 5175 << true;
    QTest::newRow("massime") << WindowId::guidamassime << 5640 << 3615 << 5175 << true;
    QTest::newRow("dettaglio") << WindowId::guidadettaglio << 5640 << 3615 << 5175 << true;
}

void TestHelpWindow::showsItsGuide()
{
    QFETCH(WindowId, id);
    QFETCH(int, width);
    QFETCH(int, headingWidth);
    QFETCH(int, textWidth);
    QFETCH(bool, besideMainWindow);
    TestForms t;
    registerWindows(t);
    auto* window = qobject_cast<HelpWindow*>(t.forms.show(id));
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), u"Guida in linea"_s);
    QCOMPARE(window->size(), QSize(Twips::toPixels(width), Twips::toPixels(6825)));
    if (besideMainWindow)
        QCOMPARE(window->x(), Twips::toPixels(5467));

    auto* heading = window->findChild<QLabel*>(u"Label1"_s);
    auto* text = window->findChild<QLabel*>(u"Label2"_s);
    QVERIFY(heading && text);
    QCOMPARE(heading->text(), HelpTexts::heading(id));
    QCOMPARE(text->text(), HelpTexts::text(id));
    QCOMPARE(heading->width(), Twips::toPixels(headingWidth));
    QCOMPARE(text->width(), Twips::toPixels(textWidth));
    QVERIFY(heading->font().bold());
    QCOMPARE(heading->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(window->palette().color(QPalette::Window), QColor(255, 255, 192));
    QVERIFY(text->wordWrap());
    // The whole text shows, in the specified size or a smaller one where the
    // desktop's substitute font is wider.
    QVERIFY(text->font().pointSizeF() <= 9.75);
    QVERIFY(text->font().pointSizeF() >= 7);
    QVERIFY(text->heightForWidth(text->width()) <= text->height());

    const QStringList names{u"cmdSommario"_s, u"cmdStampa"_s, u"cmdchiudi"_s};
    const QStringList captions{u"&Sommario"_s, u"S&tampa"_s, u"&Chiudi"_s};
    for (qsizetype i = 0; i < names.size(); ++i) {
        auto* button = window->findChild<QPushButton*>(names.at(i));
        QVERIFY2(button, qPrintable(names.at(i)));
        QCOMPARE(button->text(), captions.at(i));
        QCOMPARE(button->geometry(), Twips::rect(120 + 1200 * static_cast<int>(i), 120, 1215, 375));
    }
}

void TestHelpWindow::onlyTheManualExplainsItsButtons()
{
    TestForms t;
    registerWindows(t);
    QWidget* manual = t.forms.show(WindowId::manuale);
    QCOMPARE(manual->findChild<QPushButton*>(u"cmdSommario"_s)->toolTip(),
             u"cliccare per visualizzare il sommario della guida"_s);
    QCOMPARE(manual->findChild<QPushButton*>(u"cmdStampa"_s)->toolTip(),
             u"cliccare per avere la copia su carta del MANUALE D'USO RAPIDO"_s);
    QCOMPARE(manual->findChild<QPushButton*>(u"cmdchiudi"_s)->toolTip(),
             u"cliccare per chiudere la finestra"_s);
    QWidget* guide = t.forms.show(WindowId::guidanorme);
    for (const QString& name : {u"cmdSommario"_s, u"cmdStampa"_s, u"cmdchiudi"_s})
        QVERIFY(guide->findChild<QPushButton*>(name)->toolTip().isEmpty());
}

void TestHelpWindow::sommarioLeavesTheGuideOpen()
{
    TestForms t;
    registerWindows(t);
    QWidget* guide = t.forms.show(WindowId::guidasuccessione);
    QTest::mouseClick(guide->findChild<QPushButton*>(u"cmdSommario"_s), Qt::LeftButton);
    QVERIFY(t.forms.isLoaded(WindowId::sommario));
    QVERIFY(t.forms.loadedForm(WindowId::sommario)->isVisible());
    QVERIFY(guide->isVisible());
}

void TestHelpWindow::chiudiClosesOnlyTheGuide()
{
    TestForms t;
    registerWindows(t);
    t.forms.show(WindowId::sommario);
    t.forms.show(WindowId::guidamassime);
    QWidget* guide = t.forms.show(WindowId::guidatestamento);
    QTest::mouseClick(guide->findChild<QPushButton*>(u"cmdchiudi"_s), Qt::LeftButton);
    TestForms::flushDeletes();
    QVERIFY(!t.forms.isLoaded(WindowId::guidatestamento));
    QVERIFY(t.forms.isLoaded(WindowId::guidamassime));
    QVERIFY(t.forms.loadedForm(WindowId::sommario)->isVisible());
}

void TestHelpWindow::stampaBuildsTheGuideDocument()
{
    TestForms t;
    registerWindows(t);
    QWidget* guide = t.forms.show(WindowId::guidanorme);
    QTest::mouseClick(guide->findChild<QPushButton*>(u"cmdStampa"_s), Qt::LeftButton);
    QCOMPARE(t.presenter.count(), 1);
    QCOMPARE(t.presenter.lastPurpose(), u"guida"_s);
    const QTextDocument* document = t.presenter.last();
    QStringList paragraphs;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        paragraphs.append(block.text());
    QVERIFY(paragraphs.size() >= 7);
    QCOMPARE(paragraphs.at(0), u"Quotara"_s);
    QCOMPARE(paragraphs.at(1), u"quote di successione"_s);
    const qsizetype heading = paragraphs.indexOf(u"Guida: Finestra NORME"_s);
    QVERIFY(heading > 1);
    QCOMPARE(paragraphs.at(heading + 2), HelpTexts::text(WindowId::guidanorme));
    QVERIFY(guide->isVisible());
    QVERIFY(t.forms.isLoaded(WindowId::guidanorme));
}

QTEST_MAIN(TestHelpWindow)
#include "tst_helpwindow.moc"

#include "app/forms.h"
#include "app/quotaramod.h"
#include "norms/articleindex.h"
#include "norms/findbar.h"
#include "norms/normswindow.h"
#include "testforms.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

void registerNormsWindows(Forms& forms);

using namespace Norms;

namespace {

struct Harness
{
    Harness()
    {
        for (WindowId id : {WindowId::successione, WindowId::guidanorme, WindowId::sommario}) {
            t.forms.registerFactory(id, [](Forms&) { return std::make_unique<QWidget>(); });
        }
        registerNormsWindows(t.forms);
    }

    NormsWindow* open(WindowId id) { return qobject_cast<NormsWindow*>(t.forms.show(id)); }

    TestForms t;
};

QAction* toolbarButton(QWidget* window, int index)
{
    return window->findChild<QAction*>(QStringLiteral("Toolbar1_%1").arg(index));
}

void scrollToMiddle(QPlainTextEdit* pane)
{
    pane->verticalScrollBar()->setValue(pane->verticalScrollBar()->maximum() / 2);
}

/// Whether the line of the article is the first one the pane shows, or is on
/// show with the pane scrolled to its end when it stands on the last page.
bool articleAtTop(QPlainTextEdit* pane, const Article& article)
{
    const QTextBlock block = pane->document()->findBlockByNumber(article.line);
    const QRect rect = pane->cursorRect(QTextCursor(block));
    if (rect.top() < 0 || rect.bottom() > pane->viewport()->height())
        return false;
    const QScrollBar* bar = pane->verticalScrollBar();
    return rect.top() < rect.height() || bar->value() == bar->maximum();
}

int totalMatches(const TitleDescription& title, const QString& needle)
{
    int total = 0;
    for (const QString& text : paneTexts(title))
        total += static_cast<int>(FoldedText(text).findAll(needle).size());
    return total;
}

} // namespace

class TestNormsWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void showsTheTitle_data();
    void showsTheTitle();
    void ownButtonAsksTheGuideQuestion_data();
    void ownButtonAsksTheGuideQuestion();
    void fileButtonsDisabledPrintWorks_data();
    void fileButtonsDisabledPrintWorks();
    void toolbarSwitchClosesCmdsuccDoesNot();
    void switchesToAnotherTitle();
    void reopenedWindowStartsAtTheTop();
    void aiutoShowsTheInlineHelp();
    void findBarSearchesEveryPane();
    void findBarKeepsTheLayoutWhenClosed();
    void vaiAllArticolo_data();
    void vaiAllArticolo();
};

void TestNormsWindow::showsTheTitle_data()
{
    QTest::addColumn<int>("title");
    for (int i = 0; i < 5; ++i)
        QTest::newRow(qPrintable(windowName(titles().at(static_cast<std::size_t>(i)).id))) << i;
}

void TestNormsWindow::showsTheTitle()
{
    QFETCH(int, title);
    const TitleDescription& description = titles().at(static_cast<std::size_t>(title));
    Harness h;
    NormsWindow* window = h.open(description.id);
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), description.caption);
    auto* frame = window->findChild<QGroupBox*>(QStringLiteral("Frame3"));
    QVERIFY(frame);
    QCOMPARE(frame->title(), description.frameHeading);
    QVERIFY(frame->font().bold());
    const QStringList texts = paneTexts(description);
    QCOMPARE(window->paneCount(), texts.size());
    int previousBottom = -1;
    for (int i = 0; i < texts.size(); ++i) {
        auto* pane = frame->findChild<QPlainTextEdit*>(QStringLiteral("Text%1").arg(i + 1));
        QCOMPARE(pane, window->pane(i));
        QVERIFY(pane->isReadOnly());
        QVERIFY(!pane->font().bold());
        QCOMPARE(pane->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(pane->toPlainText(), texts.at(i));
        QVERIFY(pane->geometry().top() > previousBottom);
        previousBottom = pane->geometry().bottom();
    }
    QVERIFY(!frame->findChild<QPlainTextEdit*>(QStringLiteral("Text%1").arg(texts.size() + 1)));
    // The date the texts are in force at sits in the caption row, clear of
    // the frame's heading and above the first pane.
    auto* vigenza = frame->findChild<QLabel*>(QStringLiteral("vigenza"));
    QVERIFY(vigenza);
    QVERIFY(vigenza->isVisible());
    QVERIFY(QRegularExpression(QStringLiteral("^Testo vigente al \\d{1,2} \\w+ \\d{4}$"))
                .match(vigenza->text())
                .hasMatch());
    QCOMPARE(vigenza->text(), currencyNotice());
    QCOMPARE(vigenza->accessibleName(), currencyNotice());
    QVERIFY(vigenza->geometry().bottom() < window->pane(0)->geometry().top());
    QVERIFY(vigenza->geometry().right() < frame->width());
    const int textLeft =
        vigenza->geometry().right() - vigenza->fontMetrics().horizontalAdvance(vigenza->text());
    QVERIFY2(textLeft > frame->fontMetrics().horizontalAdvance(frame->title()) + 8,
             "the date runs into the frame heading");
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("passo"))->text(),
             QStringLiteral("consulta gli articoli o passa alle altre disposizioni del Codice "
                            "Civile usando i tasti della barra degli strumenti, in alto nella "
                            "finestra"));
    QCOMPARE(window->findChild<QPushButton*>(QStringLiteral("esco"))->toolTip(),
             QStringLiteral("cliccare per uscire da Quotara"));
    QCOMPARE(window->findChild<QPushButton*>(QStringLiteral("cmdsucc"))->toolTip(),
             QStringLiteral("clicca per visualizzare la finestra Menu"));
    QVERIFY(toolbarButton(window, description.ownButton)->isChecked());
    QVERIFY(!window->findBar()->isVisible());
}

void TestNormsWindow::ownButtonAsksTheGuideQuestion_data()
{
    QTest::addColumn<int>("title");
    QTest::addColumn<bool>("yes");
    for (int i = 0; i < 5; ++i) {
        const QString name = windowName(titles().at(static_cast<std::size_t>(i)).id);
        QTest::newRow(qPrintable(name + QStringLiteral(" no"))) << i << false;
        QTest::newRow(qPrintable(name + QStringLiteral(" yes"))) << i << true;
    }
}

void TestNormsWindow::ownButtonAsksTheGuideQuestion()
{
    QFETCH(int, title);
    QFETCH(bool, yes);
    const TitleDescription& description = titles().at(static_cast<std::size_t>(title));
    Harness h;
    NormsWindow* window = h.open(description.id);
    scrollToMiddle(window->pane(0));
    const int position = window->pane(0)->verticalScrollBar()->value();
    QVERIFY(position > 0);
    h.t.prompts.answerNext(yes);
    toolbarButton(window, description.ownButton)->trigger();
    QCOMPARE(h.t.prompts.calls().size(), 1);
    QCOMPARE(h.t.prompts.last().kind, FakePrompts::Kind::Ask);
    QCOMPARE(h.t.prompts.last().title, Quotaramod::titoloaiuto());
    QCOMPARE(h.t.prompts.last().text, description.guideQuestion);
    QCOMPARE(h.t.forms.isLoaded(description.id), !yes);
    QCOMPARE(h.t.forms.isLoaded(WindowId::guidanorme), yes);
    if (!yes) {
        QCOMPARE(window->pane(0)->verticalScrollBar()->value(), position);
        QVERIFY(toolbarButton(window, description.ownButton)->isChecked());
    }
}

void TestNormsWindow::fileButtonsDisabledPrintWorks_data()
{
    showsTheTitle_data();
}

void TestNormsWindow::fileButtonsDisabledPrintWorks()
{
    QFETCH(int, title);
    const TitleDescription& description = titles().at(static_cast<std::size_t>(title));
    Harness h;
    NormsWindow* window = h.open(description.id);
    for (int index = 1; index <= 3; ++index) {
        QVERIFY(!toolbarButton(window, index)->isEnabled());
        toolbarButton(window, index)->trigger();
    }
    QCOMPARE(h.t.presenter.count(), 0);
    QVERIFY(toolbarButton(window, 4)->isEnabled());
    toolbarButton(window, 4)->trigger();
    QCOMPARE(h.t.presenter.count(), 1);
    QCOMPARE(h.t.presenter.lastPurpose(), QStringLiteral("norme"));
    const QString printed = h.t.presenter.last()->toPlainText();
    QVERIFY(printed.startsWith(Quotaramod::nomeprogramma()));
    QVERIFY(printed.contains(description.frameHeading));
    QVERIFY(printed.contains(paneTexts(description).last()));
    // Only a document the word processor took is said to be on Word.
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("passo"))->text(),
             QStringLiteral("il documento è nell'anteprima: da lì si stampa, si salva come ODT o "
                            "si esporta in PDF"));
    h.t.presenter.outcome = {Presentation::Place::WordProcessor, QStringLiteral("/tmp/q/n.odt")};
    toolbarButton(window, 4)->trigger();
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("passo"))->text(),
             QStringLiteral("ho visualizzato il testo su Word (file /tmp/q/n.odt)"));
    QVERIFY(h.t.forms.isLoaded(description.id));
}

void TestNormsWindow::toolbarSwitchClosesCmdsuccDoesNot()
{
    Harness h;
    NormsWindow* window = h.open(WindowId::titoloII);
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdsucc")), Qt::LeftButton);
    QVERIFY(h.t.forms.isLoaded(WindowId::successione));
    QVERIFY(h.t.forms.isLoaded(WindowId::titoloII));
    h.t.forms.unload(WindowId::successione);
    toolbarButton(window, 6)->trigger();
    QVERIFY(h.t.forms.isLoaded(WindowId::successione));
    QVERIFY(!h.t.forms.isLoaded(WindowId::titoloII));
    QVERIFY(h.t.prompts.calls().isEmpty());
}

void TestNormsWindow::switchesToAnotherTitle()
{
    Harness h;
    NormsWindow* window = h.open(WindowId::titoloI);
    toolbarButton(window, 9)->trigger();
    QVERIFY(!h.t.forms.isLoaded(WindowId::titoloI));
    auto* target = qobject_cast<NormsWindow*>(h.t.forms.loadedForm(WindowId::titoloIII));
    QVERIFY(target);
    QVERIFY(target->isVisible());
    QCOMPARE(target->paneCount(), 3);
}

void TestNormsWindow::reopenedWindowStartsAtTheTop()
{
    Harness h;
    NormsWindow* window = h.open(WindowId::titoloIII);
    for (int i = 0; i < window->paneCount(); ++i) {
        scrollToMiddle(window->pane(i));
        QVERIFY(window->pane(i)->verticalScrollBar()->value() > 0);
    }
    toolbarButton(window, 6)->trigger();
    TestForms::flushDeletes();
    window = h.open(WindowId::titoloIII);
    for (int i = 0; i < window->paneCount(); ++i) {
        QCOMPARE(window->pane(i)->verticalScrollBar()->value(), 0);
        QCOMPARE(window->pane(i)->textCursor().position(), 0);
    }
}

void TestNormsWindow::aiutoShowsTheInlineHelp()
{
    Harness h;
    NormsWindow* window = h.open(WindowId::titoloV);
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("aiuto")), Qt::LeftButton);
    QCOMPARE(h.t.prompts.last().kind, FakePrompts::Kind::Inform);
    QCOMPARE(h.t.prompts.last().title, Quotaramod::titoloaiuto());
    QCOMPARE(h.t.prompts.last().text,
             QStringLiteral("- La finestra è di sola lettura;\r- clicca su un tasto in alto per "
                            "visualizzare le altre norme del Codice Civile."));
}

void TestNormsWindow::findBarSearchesEveryPane()
{
    Harness h;
    NormsWindow* window = h.open(WindowId::titoloIII);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_F, Qt::ControlModifier);
    QVERIFY(window->findBar()->isVisible());

    const QString needle = QStringLiteral("TESTAMENTO OLOGRAFO");
    const int total = totalMatches(window->title(), needle);
    QVERIFY(total > 3);
    QTest::keyClicks(window->findBar()->findField(), needle);
    QCOMPARE(window->findBar()->status(), QStringLiteral("1 di %1").arg(total));
    QSet<QPlainTextEdit*> panesVisited;
    for (int i = 0; i < total; ++i) {
        QCOMPARE(window->currentMatch(), i);
        QPlainTextEdit* shown = nullptr;
        int selectedPanes = 0;
        for (int p = 0; p < window->paneCount(); ++p) {
            selectedPanes += window->pane(p)->textCursor().hasSelection() ? 1 : 0;
            if (window->pane(p)->textCursor().hasSelection() &&
                FoldedText::fold(window->pane(p)->textCursor().selectedText()) ==
                    FoldedText::fold(needle)) {
                shown = window->pane(p);
            }
        }
        QVERIFY(shown);
        QCOMPARE(selectedPanes, 1);
        panesVisited.insert(shown);
        const QRect cursor = shown->cursorRect();
        QVERIFY(shown->viewport()->rect().contains(cursor.center()));
        QVERIFY(!shown->extraSelections().isEmpty());
        QTest::keyClick(window->findBar()->findField(), Qt::Key_Return);
    }
    QCOMPARE(window->currentMatch(), 0);
    QVERIFY(panesVisited.size() >= 2);
    window->findPrevious();
    QCOMPARE(window->currentMatch(), total - 1);
    QCOMPARE(window->findBar()->status(), QStringLiteral("%1 di %1").arg(total));

    QCOMPARE(window->find(QStringLiteral("testamento olografo")), total);
    QCOMPARE(window->find(QStringLiteral("zzzqqq")), 0);
    QCOMPARE(window->currentMatch(), -1);
    for (int p = 0; p < window->paneCount(); ++p)
        QVERIFY(!window->pane(p)->textCursor().hasSelection());
    window->findNext();
    QCOMPARE(window->currentMatch(), -1);
}

void TestNormsWindow::findBarKeepsTheLayoutWhenClosed()
{
    Harness h;
    NormsWindow* window = h.open(WindowId::titoloI);
    QWidget* area = window->centralWidget();
    const QSize areaSize = area->size();
    const QRect frame = window->findChild<QGroupBox*>(QStringLiteral("Frame3"))->geometry();
    window->openFindBar();
    QVERIFY(window->findBar()->isVisible());
    // The bar takes its room from the window: the area keeps its size.
    QTRY_VERIFY(window->height() > areaSize.height());
    QCOMPARE(area->size(), areaSize);
    window->findChild<QAction*>(QStringLiteral("chiuditrova"))->trigger();
    QVERIFY(!window->findBar()->isVisible());
    QTRY_COMPARE(area->size(), areaSize);
    QTRY_COMPARE(window->findChild<QGroupBox*>(QStringLiteral("Frame3"))->geometry(), frame);
}

void TestNormsWindow::vaiAllArticolo_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("to");
    QTest::addColumn<int>("pane");
    QTest::newRow("same pane") << "titoloI"
                               << "500"
                               << "titoloI" << 0;
    QTest::newRow("second pane") << "titoloI"
                                 << "536"
                                 << "titoloI" << 1;
    QTest::newRow("third pane") << "titoloIII"
                                << "700"
                                << "titoloIII" << 2;
    QTest::newRow("other Title") << "titoloI"
                                 << "768-bis"
                                 << "titoloIV" << 0;
    QTest::newRow("repealed run") << "titoloV"
                                  << "576"
                                  << "titoloII" << 0;
    QTest::newRow("last article") << "titoloII"
                                  << "809"
                                  << "titoloV" << 0;
    QTest::newRow("no such article") << "titoloII"
                                     << "900"
                                     << "" << 0;
}

void TestNormsWindow::vaiAllArticolo()
{
    QFETCH(QString, from);
    QFETCH(QString, number);
    QFETCH(QString, to);
    QFETCH(int, pane);
    Harness h;
    WindowId fromId = WindowId::titoloI;
    WindowId toId = WindowId::titoloI;
    for (const TitleDescription& title : titles()) {
        if (windowName(title.id) == from)
            fromId = title.id;
        if (windowName(title.id) == to)
            toId = title.id;
    }
    NormsWindow* window = h.open(fromId);
    window->findBar()->openArticle();
    QTest::keyClicks(window->findBar()->articleField(), number);
    QTest::keyClick(window->findBar()->articleField(), Qt::Key_Return);
    if (to.isEmpty()) {
        QVERIFY(h.t.forms.isLoaded(fromId));
        QCOMPARE(window->findBar()->status(), QStringLiteral("articolo non trovato"));
        return;
    }
    QCOMPARE(h.t.forms.isLoaded(fromId), fromId == toId);
    auto* target = qobject_cast<NormsWindow*>(h.t.forms.loadedForm(toId));
    QVERIFY(target);
    QVERIFY(target->isVisible());
    const Article* article = ArticleIndex::codice().find(number);
    QVERIFY(article);
    QPlainTextEdit* shown = target->pane(pane);
    QCOMPARE(shown->textCursor().blockNumber(), article->line);
    QVERIFY(
        shown->textCursor().block().text().startsWith(QStringLiteral("Art. ") + article->label));
    QVERIFY(articleAtTop(shown, *article));
}

QTEST_MAIN(TestNormsWindow)
#include "tst_normswindow.moc"

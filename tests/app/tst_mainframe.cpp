#include "app/mainframe.h"
#include "testforms.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

namespace {

// A main window with nothing but the frame, standing for any of the eight.
class FramedWindow : public QMainWindow
{
public:
    FramedWindow(Forms& forms, FrameDescription description)
        : frame(*this, forms, std::move(description))
    {
        if (frame.description().hasMenu) {
            frame.fileMenu()
                ->addAction(QStringLiteral("&Apri..."))
                ->setObjectName(QStringLiteral("apri"));
            frame.finishFileMenu();
        }
        frame.makeFootButton(QStringLiteral("aiuto"));
        frame.makeFootButton(QStringLiteral("esco"));
        frame.makeFootButton(QStringLiteral("cmdsucc"));
        frame.setFileButtonHandler([this](ToolbarButton button) { fileButtons << button; });
    }
    MainFrame frame;
    QList<ToolbarButton> fileButtons;
};

FrameDescription succession()
{
    FrameDescription d;
    d.number = 1;
    d.id = WindowId::successione;
    d.guideName = QStringLiteral("Successione");
    d.guideWindow = WindowId::guidasuccessione;
    d.inlineHelp = {QStringLiteral("- prima riga;"), QStringLiteral("- seconda riga.")};
    d.hasMenu = true;
    return d;
}

FrameDescription normsTitleII()
{
    FrameDescription d;
    d.number = 3;
    d.id = WindowId::titoloII;
    d.guideName = QStringLiteral("Norme (Successioni legittime)");
    d.guideWindow = WindowId::guidanorme;
    return d;
}

FramedWindow* framed(QWidget* widget)
{
    return dynamic_cast<FramedWindow*>(widget);
}

void registerFramed(TestForms& t)
{
    t.forms.registerFactory(WindowId::successione, [](Forms& f) {
        return std::make_unique<FramedWindow>(f, succession());
    });
    t.forms.registerFactory(WindowId::titoloII, [](Forms& f) {
        return std::make_unique<FramedWindow>(f, normsTitleII());
    });
    for (WindowId id : {WindowId::guidasuccessione, WindowId::guidanorme, WindowId::sommario,
                        WindowId::frmSplash})
        t.forms.registerFactory(id, [](Forms&) { return std::make_unique<QWidget>(); });
}

QAction* action(QWidget* window, const QString& name)
{
    return window->findChild<QAction*>(name);
}

} // namespace

class TestMainFrame : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void toolbarHasTwentyButtonsWithOwnPressed();
    void menusCarryTheCommonEntries();
    void entriesOfMissingWindowsAreDisabled();
    void ownEntryAsksTheGuideQuestion_data();
    void ownEntryAsksTheGuideQuestion();
    void normsWindowClosesOnToolbarSwitchButNotOnCmdsucc();
    void fileButtonsGoToTheWindow();
    void inlineHelpAndExit();
};

void TestMainFrame::toolbarHasTwentyButtonsWithOwnPressed()
{
    TestForms t;
    registerFramed(t);
    QWidget* window = t.forms.show(WindowId::successione);
    QCOMPARE(window->findChild<QToolBar*>(QStringLiteral("Toolbar1"))->actions().size(), 20);
    QVERIFY(action(window, QStringLiteral("Toolbar1_5"))->isSeparator());
    QCOMPARE(action(window, QStringLiteral("Toolbar1_4"))->toolTip(),
             QStringLiteral("stampa dati finestra"));
    QCOMPARE(action(window, QStringLiteral("Toolbar1_18"))->toolTip(),
             QStringLiteral("informazioni su Quotara"));
    QVERIFY(action(window, QStringLiteral("Toolbar1_6"))->isChecked());
    action(window, QStringLiteral("Toolbar1_6"))->toggle();
    QVERIFY(action(window, QStringLiteral("Toolbar1_6"))->isChecked());
    QVERIFY(!action(window, QStringLiteral("Toolbar1_7"))->isChecked());
}

void TestMainFrame::menusCarryTheCommonEntries()
{
    TestForms t;
    registerFramed(t);
    QWidget* window = t.forms.show(WindowId::successione);
    QCOMPARE(action(window, QStringLiteral("fin3"))->shortcut(),
             QKeySequence(QStringLiteral("Ctrl+C")));
    QVERIFY(action(window, QStringLiteral("fin1"))->isChecked());
    QCOMPARE(action(window, QStringLiteral("finestra"))->text(),
             QString(139, u' ') + QStringLiteral("Fi&nestra n.1 di 8"));
    QVERIFY(action(window, QStringLiteral("usci")));
    QVERIFY(window->findChild<QMenu*>(QStringLiteral("inter")));
    action(window, QStringLiteral("finestra"))->trigger();
    QVERIFY(t.forms.isLoaded(WindowId::guidasuccessione));
    QVERIFY(t.prompts.calls().isEmpty());
}

void TestMainFrame::entriesOfMissingWindowsAreDisabled()
{
    TestForms t;
    registerFramed(t);
    QWidget* window = t.forms.show(WindowId::successione);
    QVERIFY(action(window, QStringLiteral("fin3"))->isEnabled());
    QVERIFY(!action(window, QStringLiteral("fin8"))->isEnabled());
    QVERIFY(!action(window, QStringLiteral("Toolbar1_13"))->isEnabled());
    QVERIFY(action(window, QStringLiteral("Toolbar1_15"))->isEnabled());
    QVERIFY(!action(window, QStringLiteral("informazioni"))->isEnabled());
}

void TestMainFrame::ownEntryAsksTheGuideQuestion_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("norms");
    QTest::newRow("calculator, no") << false << false;
    QTest::newRow("calculator, yes") << true << false;
    QTest::newRow("norms, no") << false << true;
    QTest::newRow("norms, yes") << true << true;
}

void TestMainFrame::ownEntryAsksTheGuideQuestion()
{
    QFETCH(bool, yes);
    QFETCH(bool, norms);
    TestForms t;
    registerFramed(t);
    const WindowId id = norms ? WindowId::titoloII : WindowId::successione;
    const WindowId guide = norms ? WindowId::guidanorme : WindowId::guidasuccessione;
    QWidget* window = t.forms.show(id);
    t.prompts.answerNext(yes);
    action(window, QStringLiteral("Toolbar1_%1").arg(norms ? 8 : 6))->trigger();
    const auto question = t.prompts.last();
    QCOMPARE(question.kind, FakePrompts::Kind::Ask);
    QCOMPARE(question.title, QStringLiteral("Quotara: aiuto in linea"));
    QCOMPARE(question.text,
             norms ? QStringLiteral("E' questa la finestra 'Norme (Successioni legittime)': si "
                                    "vuole la guida della finestra?")
                   : QStringLiteral("E' questa la finestra 'Successione': si vuole la guida "
                                    "della finestra?"));
    QCOMPARE(t.forms.isLoaded(guide), yes);
    QCOMPARE(t.forms.isLoaded(id), !(yes && norms));
}

void TestMainFrame::normsWindowClosesOnToolbarSwitchButNotOnCmdsucc()
{
    TestForms t;
    registerFramed(t);
    QWidget* norms = t.forms.show(WindowId::titoloII);
    norms->findChild<QPushButton*>(QStringLiteral("cmdsucc"))->click();
    QVERIFY(t.forms.isLoaded(WindowId::successione));
    QVERIFY(t.forms.isLoaded(WindowId::titoloII));
    action(norms, QStringLiteral("Toolbar1_6"))->trigger();
    QVERIFY(!t.forms.isLoaded(WindowId::titoloII));

    QWidget* calculator = t.forms.loadedForm(WindowId::successione);
    action(calculator, QStringLiteral("fin3"))->trigger();
    QVERIFY(t.forms.isLoaded(WindowId::titoloII));
    QVERIFY(t.forms.isLoaded(WindowId::successione));
}

void TestMainFrame::fileButtonsGoToTheWindow()
{
    TestForms t;
    registerFramed(t);
    auto* window = framed(t.forms.show(WindowId::successione));
    const QList<ToolbarButton> files{ToolbarButton::Apri, ToolbarButton::Salva,
                                     ToolbarButton::Cancella, ToolbarButton::Stampa};
    for (const ToolbarButton button : files)
        window->frame.Toolbar1_ButtonClick(button);
    QCOMPARE(window->fileButtons, files);
}

void TestMainFrame::inlineHelpAndExit()
{
    TestForms t;
    registerFramed(t);
    QWidget* window = t.forms.show(WindowId::successione);
    window->findChild<QPushButton*>(QStringLiteral("aiuto"))->click();
    QCOMPARE(t.prompts.last().kind, FakePrompts::Kind::Inform);
    QCOMPARE(t.prompts.last().text, QStringLiteral("- prima riga;\r- seconda riga."));
    QCOMPARE(window->findChild<QPushButton*>(QStringLiteral("esco"))->toolTip(),
             QStringLiteral("cliccare per uscire da Quotara"));
    t.prompts.answerNext(false);
    action(window, QStringLiteral("Toolbar1_20"))->trigger();
    QVERIFY(t.forms.isLoaded(WindowId::successione));
    t.prompts.answerNext(true);
    action(window, QStringLiteral("usci"))->trigger();
    QVERIFY(!t.forms.isLoaded(WindowId::successione));
    QVERIFY(t.forms.isLoaded(WindowId::frmSplash));
}

QTEST_MAIN(TestMainFrame)
#include "tst_mainframe.moc"

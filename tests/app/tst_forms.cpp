#include "allwindows.h"
#include "app/confermauscita.h"
#include "app/splash.h"
#include "testforms.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

class TestForms_ : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void createsOnFirstReferenceAndKeepsOneInstance();
    void unloadDestroysAndNextReferenceCreatesAnew();
    void closingFromTitleBarUnloads();
    void lastUnloadEndsTheProgram();
    void hiddenWindowsAreNotOnScreen();
    void splashStartsTheMusicAndShowsTheIdentity();
    void splashClickShowsOneCalculator();
    void splashKeyPressClosesIt();
    void exitAnsweredNoKeepsEverything();
    void exitAnsweredYesUnloadsAndShowsFarewell();

private:
    static void registerPlainWindow(Forms& forms, WindowId id, int* created = nullptr);
};

void TestForms_::registerPlainWindow(Forms& forms, WindowId id, int* created)
{
    forms.registerFactory(id, [created](Forms&) {
        if (created)
            ++*created;
        return std::make_unique<QWidget>();
    });
}

void TestForms_::createsOnFirstReferenceAndKeepsOneInstance()
{
    TestForms t;
    int created = 0;
    registerPlainWindow(t.forms, WindowId::successione, &created);
    QVERIFY(!t.forms.isLoaded(WindowId::successione));
    QWidget* first = t.forms.show(WindowId::successione);
    QWidget* second = t.forms.show(WindowId::successione);
    QCOMPARE(first, second);
    QCOMPARE(created, 1);
    QCOMPARE(first->objectName(), QStringLiteral("successione"));
    QVERIFY(first->isVisible());
    QCOMPARE(t.forms.form(WindowId::titoloI), nullptr);
}

void TestForms_::unloadDestroysAndNextReferenceCreatesAnew()
{
    TestForms t;
    int created = 0;
    registerPlainWindow(t.forms, WindowId::informa, &created);
    QPointer<QWidget> first = t.forms.show(WindowId::informa);
    t.forms.unload(WindowId::informa);
    QVERIFY(!t.forms.isLoaded(WindowId::informa));
    QVERIFY(first->isHidden());
    TestForms::flushDeletes();
    QVERIFY(first.isNull());
    QVERIFY(t.forms.show(WindowId::informa));
    QCOMPARE(created, 2);
}

void TestForms_::closingFromTitleBarUnloads()
{
    TestForms t;
    registerPlainWindow(t.forms, WindowId::sommario);
    QWidget* window = t.forms.show(WindowId::sommario);
    window->close();
    TestForms::flushDeletes();
    QVERIFY(!t.forms.isLoaded(WindowId::sommario));
}

void TestForms_::lastUnloadEndsTheProgram()
{
    TestForms t;
    registerPlainWindow(t.forms, WindowId::successione);
    registerPlainWindow(t.forms, WindowId::informa);
    QSignalSpy ended(&t.forms, &Forms::allUnloaded);
    t.forms.show(WindowId::successione);
    t.forms.show(WindowId::informa);
    t.forms.unload(WindowId::informa);
    QCOMPARE(ended.count(), 0);
    t.forms.unload(WindowId::successione);
    QCOMPARE(ended.count(), 1);
}

void TestForms_::hiddenWindowsAreNotOnScreen()
{
    TestForms t;
    registerPlainWindow(t.forms, WindowId::sommario);
    registerPlainWindow(t.forms, WindowId::successione);
    QVERIFY(!t.forms.anyVisible());
    t.forms.show(WindowId::sommario)->hide();
    QVERIFY(t.forms.isLoaded(WindowId::sommario));
    QVERIFY(!t.forms.anyVisible());
    t.forms.show(WindowId::successione);
    QVERIFY(t.forms.anyVisible());
    t.forms.unload(WindowId::successione);
    QVERIFY(!t.forms.anyVisible());
}

void TestForms_::splashStartsTheMusicAndShowsTheIdentity()
{
    TestForms t;
    registerAllWindows(t.forms);
    auto* splash = qobject_cast<FrmSplash*>(t.forms.show(WindowId::frmSplash));
    QVERIFY(splash);
    QCOMPARE(t.music.commands.size(), 2);
    QVERIFY(t.music.commands.at(0).startsWith(QStringLiteral("open ")));
    QVERIFY(t.music.commands.at(0).endsWith(QStringLiteral("Internet.mid")));
    QCOMPARE(t.music.commands.at(1), QStringLiteral("play"));
    QCOMPARE(splash->label(1)->text(), QStringLiteral("software Solvano"));
    QCOMPARE(splash->label(2)->text(), QString(24, u' ') + QStringLiteral("presenta"));
    QCOMPARE(splash->label(3)->text(), QStringLiteral("Quotara"));
    QCOMPARE(splash->label(4)->text(), QStringLiteral("quote di successione"));
    QCOMPARE(splash->label(5)->text(), QStringLiteral("EDIZIONE PROFESSIONALE - VERSIONE 2.06.05"));
    QCOMPARE(splash->label(8)->text(),
             QStringLiteral("(cliccare sulla finestra per iniziare; premere un tasto per uscire)"));
}

void TestForms_::splashClickShowsOneCalculator()
{
    TestForms t;
    registerAllWindows(t.forms);
    int created = 0;
    registerPlainWindow(t.forms, WindowId::successione, &created);
    auto* splash = qobject_cast<FrmSplash*>(t.forms.show(WindowId::frmSplash));
    QTest::mouseClick(splash, Qt::LeftButton);
    QTest::mouseClick(splash->label(3), Qt::LeftButton);
    QTest::mouseClick(splash->findChild<QWidget*>(QStringLiteral("Image1")), Qt::LeftButton);
    QCOMPARE(created, 1);
    QVERIFY(t.forms.loadedForm(WindowId::successione)->isVisible());
    QVERIFY(splash->isVisible());
    QCOMPARE(t.music.commands.count(QStringLiteral("pause")), 3);
}

void TestForms_::splashKeyPressClosesIt()
{
    TestForms t;
    registerAllWindows(t.forms);
    QSignalSpy ended(&t.forms, &Forms::allUnloaded);
    QWidget* splash = t.forms.show(WindowId::frmSplash);
    QTest::keyClick(splash, Qt::Key_A);
    QVERIFY(!t.forms.isLoaded(WindowId::frmSplash));
    QCOMPARE(t.music.commands.last(), QStringLiteral("close"));
    QCOMPARE(ended.count(), 1);
}

void TestForms_::exitAnsweredNoKeepsEverything()
{
    TestForms t;
    registerPlainWindow(t.forms, WindowId::successione);
    t.forms.show(WindowId::successione);
    t.prompts.answerNext(false);
    QVERIFY(!confermauscita(t.forms, nullptr));
    QVERIFY(t.forms.isLoaded(WindowId::successione));
    const auto question = t.prompts.last();
    QCOMPARE(question.kind, FakePrompts::Kind::Ask);
    QCOMPARE(question.title, QStringLiteral("Attenzione: i dati non archiviati andranno persi !"));
    QVERIFY(question.text.startsWith(QStringLiteral("Vuoi uscire da Quotara?")));
    QVERIFY(!question.defaultYes);
}

void TestForms_::exitAnsweredYesUnloadsAndShowsFarewell()
{
    TestForms t;
    registerAllWindows(t.forms);
    QList<WindowId> order;
    const QList<WindowId> shown{
        WindowId::informa,     WindowId::guidadettaglio, WindowId::frmTip,   WindowId::dettaglio,
        WindowId::successione, WindowId::guidamassime,   WindowId::titoloII, WindowId::sommario,
        WindowId::massime,     WindowId::grafico};
    for (WindowId id : shown) {
        registerPlainWindow(t.forms, id);
        t.forms.show(id);
    }
    connect(&t.forms, &Forms::unloaded, this, [&order](WindowId id) { order << id; });
    t.prompts.answerNext(true);
    QVERIFY(confermauscita(t.forms, nullptr));
    // The detailed window goes after the maxims, the chart of the shares after
    // it, the detailed window's guide after the maxims'.
    const QList<WindowId> expected{
        WindowId::successione, WindowId::titoloII, WindowId::massime,      WindowId::dettaglio,
        WindowId::grafico,     WindowId::sommario, WindowId::guidamassime, WindowId::guidadettaglio,
        WindowId::frmTip,      WindowId::informa};
    QCOMPARE(order, expected);
    auto* splash = qobject_cast<FrmSplash*>(t.forms.loadedForm(WindowId::frmSplash));
    QVERIFY(splash && splash->isVisible());
    QCOMPARE(splash->label(2)->text(),
             QString(10, u' ') + QStringLiteral("elaborazione eseguita con"));
    QCOMPARE(t.music.commands.last(), QStringLiteral("play"));
}

QTEST_MAIN(TestForms_)
#include "tst_forms.moc"

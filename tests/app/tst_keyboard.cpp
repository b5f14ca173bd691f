#include "allwindows.h"
#include "testforms.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(WindowId)

// The program used by keyboard alone: the window shortcuts from inside every
// text field, the mnemonics, the Tab order and the maxims.
class TestKeyboard : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void windowShortcutsWinInTextFields_data();
    void windowShortcutsWinInTextFields();
    void copyStaysOnCtrlInsert();
    void altNOpensTheNorms();
    void f10OpensTheMenuBar();
    void tabFollowsTheInputs();
    void windowCounterTakesNoKeys();
    void maximsByKeyboard();
    void leftAndRightFromTheMaximText();

private:
    QWidget* showActive(WindowId id);

    std::unique_ptr<TestForms> m_t;
};

void TestKeyboard::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestKeyboard::init()
{
    m_t = std::make_unique<TestForms>();
    registerAllWindows(m_t->forms);
    // The targets of the shortcuts only need to be seen opening.
    for (const WindowId id : {WindowId::titoloI, WindowId::titoloII, WindowId::titoloIII,
                              WindowId::titoloIV, WindowId::titoloV, WindowId::guidasuccessione,
                              WindowId::guidatestamento, WindowId::guidamassime})
        m_t->forms.registerFactory(id, [](Forms&) { return std::make_unique<QWidget>(); });
}

void TestKeyboard::cleanup()
{
    m_t.reset();
}

QWidget* TestKeyboard::showActive(WindowId id)
{
    QWidget* window = m_t->forms.show(id);
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        return nullptr;
    return window;
}

void TestKeyboard::windowShortcutsWinInTextFields_data()
{
    QTest::addColumn<WindowId>("window");
    QTest::addColumn<int>("own"); // the number of the window itself
    QTest::newRow("successione") << WindowId::successione << 1;
    QTest::newRow("testamento") << WindowId::testamento << 7;
    QTest::newRow("massime") << WindowId::massime << 8;
}

void TestKeyboard::windowShortcutsWinInTextFields()
{
    QFETCH(WindowId, window);
    QFETCH(int, own);
    constexpr Qt::Key keys[] = {Qt::Key_A, Qt::Key_B, Qt::Key_C, Qt::Key_D,
                                Qt::Key_E, Qt::Key_F, Qt::Key_G, Qt::Key_H};
    constexpr WindowId targets[] = {WindowId::successione, WindowId::titoloI,  WindowId::titoloII,
                                    WindowId::titoloIII,   WindowId::titoloIV, WindowId::titoloV,
                                    WindowId::testamento,  WindowId::massime};
    QWidget* form = showActive(window);
    QVERIFY(form);
    QList<QWidget*> fields;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        const bool text = qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
                          qobject_cast<QTextEdit*>(w);
        if (text && w->isVisibleTo(form) && w->focusPolicy() != Qt::NoFocus)
            fields << w;
    }
    QVERIFY(fields.size() >= 1);
    for (QWidget* field : std::as_const(fields)) {
        for (int k = 0; k < 8; ++k) {
            const QString where = u"%1 in %2, Ctrl+%3"_s.arg(field->objectName(),
                                                             windowName(window), QChar(u'A' + k));
            if (k + 1 != own)
                m_t->forms.unload(targets[k]);
            TestForms::flushDeletes();
            QVERIFY2(showActive(window), qPrintable(where));
            field->setFocus(Qt::OtherFocusReason);
            // A field with a selection claims the copy keys too.
            if (auto* text = qobject_cast<QPlainTextEdit*>(field))
                text->selectAll();
            if (auto* text = qobject_cast<QTextEdit*>(field))
                text->selectAll();
            m_t->prompts.clear();
            m_t->prompts.answerNext(false);
            QTest::keyClick(field, keys[k], Qt::ControlModifier);
            if (k + 1 == own) {
                // The own entry asks the guide question (the maxims have none).
                const bool asked = !m_t->prompts.calls().isEmpty() &&
                                   m_t->prompts.last().kind == FakePrompts::Kind::Ask;
                QVERIFY2(asked == (own != 8), qPrintable(where));
            } else {
                QVERIFY2(m_t->forms.isLoaded(targets[k]), qPrintable(where));
            }
        }
    }
}

void TestKeyboard::copyStaysOnCtrlInsert()
{
    QWidget* form = showActive(WindowId::successione);
    QVERIFY(form);
    auto* decuius = form->findChild<QLineEdit*>(u"decuius"_s);
    decuius->setFocus();
    QTest::keyClicks(decuius, u"Rossi"_s);
    decuius->selectAll();
    QTest::keyClick(decuius, Qt::Key_Insert, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"Rossi"_s);
}

void TestKeyboard::altNOpensTheNorms()
{
    QWidget* form = showActive(WindowId::successione);
    QVERIFY(form);
    auto* decuius = form->findChild<QLineEdit*>(u"decuius"_s);
    decuius->setFocus();
    QVERIFY(!m_t->forms.isLoaded(WindowId::titoloI));
    QTest::keyClick(decuius, Qt::Key_N, Qt::AltModifier);
    // A mnemonic clicks its button after a short animation.
    QTRY_VERIFY(m_t->forms.isLoaded(WindowId::titoloI));
    // The counter is still on the menu bar for the mouse.
    auto* corner = form->findChild<QToolButton*>(u"finestra_corner"_s);
    QVERIFY(corner && corner->isVisible());
    QVERIFY(corner->text().contains(u"n.1 di 8"_s));
}

void TestKeyboard::f10OpensTheMenuBar()
{
    auto* form = qobject_cast<QMainWindow*>(showActive(WindowId::successione));
    QVERIFY(form);
    form->findChild<QLineEdit*>(u"beni"_s)->setFocus();
    QTest::keyClick(form->findChild<QLineEdit*>(u"beni"_s), Qt::Key_F10);
    QTRY_VERIFY(form->menuBar()->activeAction());
    QCOMPARE(form->menuBar()->activeAction()->objectName(), u"file"_s);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
}

void TestKeyboard::tabFollowsTheInputs()
{
    QWidget* form = showActive(WindowId::successione);
    QVERIFY(form);
    auto* decuius = form->findChild<QLineEdit*>(u"decuius"_s);
    decuius->setFocus();
    QStringList order{decuius->objectName()};
    for (int step = 0; step < 40; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        QWidget* named =
            qobject_cast<QComboBox*>(focus->parentWidget()) ? focus->parentWidget() : focus;
        if (named == decuius)
            break;
        order << named->objectName();
    }
    const QStringList inputs{u"decuius"_s,    u"successione"_s, u"beni"_s,    u"figli"_s,
                             u"ascendenti"_s, u"coniuge"_s,     u"fratelli"_s};
    QCOMPARE(order.mid(0, 7), inputs);
    // The read-only texts come after the inputs, the "?" and foot buttons last.
    const auto at = [&order](const QString& name) { return order.indexOf(name); };
    for (const QString& text : {u"art"_s, u"guidafinestra"_s, u"Text1"_s})
        QVERIFY2(at(text) > 6, qPrintable(text));
    QVERIFY(at(u"spiega1_1"_s) > at(u"Text1"_s));
    QVERIFY(at(u"esco"_s) > at(u"spiega1_11"_s));
    QCOMPARE(order.last(), u"esco"_s);
}

void TestKeyboard::windowCounterTakesNoKeys()
{
    QWidget* form = showActive(WindowId::successione);
    QVERIFY(form);
    auto* decuius = form->findChild<QLineEdit*>(u"decuius"_s);
    decuius->setFocus();
    QTest::keyClick(decuius, Qt::Key_Backtab);
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);
    QCOMPARE(focus->objectName(), u"esco"_s);
    QVERIFY(form->findChild<QToolButton*>(u"finestra_corner"_s)->focusPolicy() == Qt::NoFocus);
    const int loaded = m_t->forms.loadedCount();
    QTest::keyClicks(focus, u"n"_s);
    QCOMPARE(m_t->forms.loadedCount(), loaded);
}

void TestKeyboard::maximsByKeyboard()
{
    QWidget* form = showActive(WindowId::massime);
    QVERIFY(form);
    auto* list = form->findChild<QListWidget*>(u"List1"_s);
    auto* bar = form->findChild<QScrollBar*>(u"HScroll1"_s);
    auto* conta = form->findChild<QLabel*>(u"conta"_s);
    auto* sent = form->findChild<QPlainTextEdit*>(u"sent"_s);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down); // the first topic, three maxims
    QTest::keyClick(list, Qt::Key_Home);
    QCOMPARE(list->currentRow(), 0);
    QTest::keyClick(list, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), bar);

    struct Step
    {
        Qt::Key key;
        QString conta;
    };
    const Step steps[] = {
        {Qt::Key_Right, u"2"_s}, {Qt::Key_Right, u"3"_s},  {Qt::Key_Right, u"4"_s},
        {Qt::Key_Right, u"4"_s}, {Qt::Key_Home, u"1"_s},   {Qt::Key_End, u"4"_s},
        {Qt::Key_Left, u"3"_s},  {Qt::Key_PageUp, u"1"_s}, {Qt::Key_PageDown, u"4"_s}};
    for (const Step& step : steps) {
        QTest::keyClick(bar, step.key);
        QCOMPARE(conta->text(), step.conta);
    }
    QVERIFY(sent->toPlainText().contains(u"non esistono altre massime"_s));
    QTest::keyClick(bar, Qt::Key_Home);
    QVERIFY(!sent->toPlainText().contains(u"non esistono altre massime"_s));
}

void TestKeyboard::leftAndRightFromTheMaximText()
{
    QWidget* form = showActive(WindowId::massime);
    QVERIFY(form);
    form->findChild<QListWidget*>(u"List1"_s)->setCurrentRow(3);
    auto* conta = form->findChild<QLabel*>(u"conta"_s);
    auto* sent = form->findChild<QPlainTextEdit*>(u"sent"_s);
    QVERIFY(sent->focusPolicy() != Qt::NoFocus);
    sent->setFocus();
    QTest::keyClick(sent, Qt::Key_Right);
    QTest::keyClick(sent, Qt::Key_Right);
    QCOMPARE(conta->text(), u"3"_s);
    QTest::keyClick(sent, Qt::Key_Left);
    QCOMPARE(conta->text(), u"2"_s);
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"

#include "app/quotaramod.h"
#include "maxims/massime.h"
#include "maxims/maximtable.h"
#include "norms/articleindex.h"
#include "norms/normswindow.h"
#include "testforms.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

void registerNormsWindows(Forms& forms);

namespace {

const QString kEndMarker =
    QStringLiteral("     ----- non esistono altre massime da visualizzare sull'argomento -----");
const QString kNothingToPrint =
    QStringLiteral("Non vi è nulla da stampare: scegliere un argomento da visualizzare.");

/// The window with its registry; each test gets a fresh one.
struct Fixture
{
    Fixture()
    {
        registerMaximsWindows(t.forms);
        t.forms.registerFactory(WindowId::guidamassime,
                                [](Forms&) { return std::make_unique<QWidget>(); });
        window = t.forms.formAs<Massime>(WindowId::massime);
    }

    template <class T> T* child(const QString& name) const { return window->findChild<T*>(name); }
    QListWidget* list() const { return child<QListWidget>(QStringLiteral("List1")); }
    QScrollBar* bar() const { return child<QScrollBar>(QStringLiteral("HScroll1")); }
    QString text(const QString& label) const { return child<QLabel>(label)->text(); }
    QString sent() const { return child<QPlainTextEdit>(QStringLiteral("sent"))->toPlainText(); }
    QAction* action(const QString& name) const { return child<QAction>(name); }
    void choose(int topic) const { list()->setCurrentRow(topic - 1); }

    TestForms t;
    Massime* window = nullptr;
    const MaximTable table = MaximTable::load();
};

/// The printed paragraphs; "^" marks one that starts a new page.
QStringList paragraphs(const QTextDocument* document)
{
    QStringList result;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const bool newPage =
            block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore;
        result << (newPage ? QStringLiteral("^") : QString()) + block.text();
    }
    return result;
}

QStringList printed(const QString& topic, const QList<std::pair<int, QString>>& maxims)
{
    QStringList expected{QStringLiteral("Argomento: ") + topic, QString()};
    bool first = true;
    for (const auto& [number, text] : maxims) {
        if (!first)
            expected << QString();
        expected << (first ? QString() : QStringLiteral("^")) +
                        QStringLiteral("Massima n. %1").arg(number)
                 << text;
        first = false;
    }
    return expected;
}

} // namespace

class TestMassime : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void loadsWithNoTopicChosen();
    void menusAndControls();
    void choosingATopic_data();
    void choosingATopic();
    void keyboardChoosesToo();
    void anotherTopicRestartsAtOne();
    void stepping_data();
    void stepping();
    void draggingChangesNothingUntilReleased();
    void printsTheMaximOnDisplay_data();
    void printsTheMaximOnDisplay();
    void printsAllFromTheThirdOfFive();
    void printingAllAtTheEndMarker();
    void nothingToPrint_data();
    void nothingToPrint();
    void inlineHelp();
    void ownButtonReshowsTheWindow();
    void windowNumberShowsTheMaximsGuide();
    void referencesInTheMaximAreLinks();
    void articlesUnderTheMaximAreLinks();
    void showsAMaximOnRequest();
};

void TestMassime::loadsWithNoTopicChosen()
{
    Fixture f;
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Clienti: massime"));
    QCOMPARE(f.list()->count(), 8);
    QCOMPARE(f.list()->item(0)->text(), QStringLiteral("   1) Accettazione dell'eredità"));
    QCOMPARE(f.list()->item(6)->text(), QStringLiteral("   7) Successioni mortis causa"));
    QCOMPARE(f.list()->item(7)->text(), QStringLiteral("   8) Testamento"));
    QCOMPARE(f.list()->currentRow(), -1);
    QCOMPARE(f.text(QStringLiteral("Label1")), QStringLiteral(" 74 massime totali"));
    QCOMPARE(f.text(QStringLiteral("Label2")), QString());
    QCOMPARE(f.text(QStringLiteral("conta")), QStringLiteral(" "));
    QCOMPARE(f.text(QStringLiteral("passo")),
             QStringLiteral("scegliere l'argomento di cui si vuole visualizzare le massime "
                            "disponibili"));
    QCOMPARE(f.sent(), QString());
    QCOMPARE(f.window->argomento(), 0);
    QCOMPARE(f.window->totale(), 0);
    QCOMPARE(f.bar()->value(), 1);
    QCOMPARE(f.bar()->minimum(), 1);
    QCOMPARE(f.bar()->maximum(), 100);
    QCOMPARE(f.bar()->singleStep(), 1);
    QCOMPARE(f.bar()->pageStep(), 5);
}

void TestMassime::menusAndControls()
{
    Fixture f;
    for (const char* name : {"apri", "salva", "salvanome", "eliminare"})
        QVERIFY2(!f.action(QString::fromLatin1(name))->isEnabled(), name);
    QCOMPARE(f.action(QStringLiteral("stampa"))->text(), QStringLiteral("&Sentenza visualizzata"));
    QCOMPARE(f.action(QStringLiteral("stampatutte"))->text(),
             QStringLiteral("&Tutte le sentenze dell'argomento"));
    QCOMPARE(f.child<QMenu>(QStringLiteral("stam"))->title(), QStringLiteral("S&tampa"));
    QVERIFY(f.child<QMenu>(QStringLiteral("stam"))
                ->actions()
                .contains(f.action(QStringLiteral("stampatutte"))));
    QCOMPARE(f.action(QStringLiteral("fin2"))->text(),
             QStringLiteral("Finestra Norme (Disposizioni genarali)"));
    QVERIFY(f.action(QStringLiteral("fin8"))->isChecked());
    QVERIFY(f.action(QStringLiteral("finestra"))
                ->text()
                .endsWith(QStringLiteral("Fi&nestra n.8 di 8")));
    QVERIFY(f.action(QStringLiteral("Toolbar1_13"))->isChecked());

    const QList<std::pair<const char*, const char*>> tooltips = {
        {"Label1", "totale delle sentenze disponibili nella corrente versione del programma"},
        {"Label2", "argomento relativo alle massime visualizzate"},
        {"conta", "numero della massima dell'argomento scelto"},
        {"passo", "indicazioni sulla procedura e sul numero di massime disponibili"},
        {"stampiamo", "cliccare per stampare la sentenza visualizzata"},
        {"aiuto", "cliccare per visualizzare l'aiuto in linea"},
        {"guidainlinea", "cliccare per visualizzare gli Argomenti della guida"},
        {"esco", "cliccare per uscire da Quotara"},
    };
    for (const auto& [name, tooltip] : tooltips)
        QCOMPARE(f.child<QWidget>(QString::fromLatin1(name))->toolTip(),
                 QString::fromUtf8(tooltip));
    QCOMPARE(f.child<QPushButton>(QStringLiteral("stampiamo"))->text(), QStringLiteral("&Stampa"));
    QVERIFY(f.child<QPlainTextEdit>(QStringLiteral("sent"))->isReadOnly());
}

void TestMassime::choosingATopic_data()
{
    QTest::addColumn<int>("topic");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("passo");
    const QList<int> counts = {3, 2, 1, 18, 5, 2, 38, 5};
    for (int topic = 1; topic <= 8; ++topic) {
        const int count = counts.at(topic - 1);
        QTest::addRow("%d", topic)
            << topic << count
            << QStringLiteral("visualizzazione delle  %1 massime relative all'argomento scelto")
                   .arg(count);
    }
}

void TestMassime::choosingATopic()
{
    QFETCH(int, topic);
    QFETCH(int, count);
    QFETCH(QString, passo);
    Fixture f;
    f.choose(topic);
    QCOMPARE(f.window->argomento(), topic);
    QCOMPARE(f.window->numero(), 1);
    QCOMPARE(f.window->totale(), count);
    QCOMPARE(f.text(QStringLiteral("conta")), QStringLiteral("1"));
    QCOMPARE(f.sent(), f.table.massima(topic, 1));
    QCOMPARE(f.text(QStringLiteral("Label2")), f.table.argomento(topic));
    QCOMPARE(f.list()->toolTip(), QStringLiteral("argomento scelto: ") + f.table.argomento(topic));
    QCOMPARE(f.text(QStringLiteral("passo")), passo);
}

void TestMassime::keyboardChoosesToo()
{
    Fixture f;
    f.choose(2);
    f.list()->setFocus();
    QTest::keyClick(f.list(), Qt::Key_Down);
    QCOMPARE(f.window->argomento(), 3);
    QCOMPARE(f.text(QStringLiteral("Label2")), QStringLiteral("Comunione ereditaria"));
}

void TestMassime::anotherTopicRestartsAtOne()
{
    Fixture f;
    f.choose(4);
    f.bar()->setValue(7);
    QCOMPARE(f.sent(), f.table.massima(4, 7));
    f.choose(7);
    QCOMPARE(f.bar()->value(), 1);
    QCOMPARE(f.window->numero(), 1);
    QCOMPARE(f.text(QStringLiteral("conta")), QStringLiteral("1"));
    QCOMPARE(f.sent(), f.table.massima(7, 1));
    QCOMPARE(f.window->totale(), 38);
}

void TestMassime::stepping_data()
{
    QTest::addColumn<int>("topic"); // 0: none chosen
    QTest::addColumn<int>("steps"); // single steps to the right
    QTest::addColumn<int>("value"); // then dragged to this value, when not 0
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("barAfter");
    QTest::addColumn<bool>("atEnd");
    QTest::newRow("no topic") << 0 << 1 << 0 << 1 << 1 << true;
    QTest::newRow("no topic, dragged") << 0 << 0 << 30 << 1 << 1 << true;
    QTest::newRow("second of three") << 1 << 1 << 0 << 2 << 2 << false;
    QTest::newRow("last of three") << 1 << 2 << 0 << 3 << 3 << false;
    QTest::newRow("past the last of three") << 1 << 3 << 0 << 4 << 4 << true;
    QTest::newRow("held at the marker") << 1 << 6 << 0 << 4 << 4 << true;
    QTest::newRow("single maxim, one step") << 3 << 1 << 0 << 2 << 2 << true;
    QTest::newRow("dragged far past the end") << 4 << 0 << 60 << 19 << 19 << true;
    QTest::newRow("dragged to the last of 38") << 7 << 0 << 38 << 38 << 38 << false;
    QTest::newRow("dragged to the end of the bar") << 7 << 0 << 100 << 39 << 39 << true;
    QTest::newRow("marker, then dragged further") << 5 << 5 << 90 << 6 << 6 << true;
}

void TestMassime::stepping()
{
    QFETCH(int, topic);
    QFETCH(int, steps);
    QFETCH(int, value);
    QFETCH(int, shown);
    QFETCH(int, barAfter);
    QFETCH(bool, atEnd);
    Fixture f;
    if (topic > 0)
        f.choose(topic);
    for (int i = 0; i < steps; ++i)
        f.bar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    if (value > 0)
        f.bar()->setValue(value);
    QCOMPARE(f.text(QStringLiteral("conta")), QString::number(shown));
    QCOMPARE(f.bar()->value(), barAfter);
    QCOMPARE(f.window->numero(), barAfter);
    QCOMPARE(f.sent(), atEnd ? kEndMarker : f.table.massima(topic, shown));
}

void TestMassime::draggingChangesNothingUntilReleased()
{
    Fixture f;
    f.choose(5);
    f.bar()->setSliderDown(true);
    f.bar()->setSliderPosition(4);
    QCOMPARE(f.text(QStringLiteral("conta")), QStringLiteral("1"));
    QCOMPARE(f.sent(), f.table.massima(5, 1));
    f.bar()->setSliderDown(false);
    QCOMPARE(f.text(QStringLiteral("conta")), QStringLiteral("4"));
    QCOMPARE(f.sent(), f.table.massima(5, 4));
}

void TestMassime::printsTheMaximOnDisplay_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Stampa button") << QStringLiteral("stampiamo");
    QTest::newRow("menu") << QStringLiteral("stampa");
    for (int index = 1; index <= 4; ++index)
        QTest::addRow("toolbar %d", index) << QStringLiteral("Toolbar1_%1").arg(index);
}

void TestMassime::printsTheMaximOnDisplay()
{
    QFETCH(QString, how);
    Fixture f;
    f.choose(4);
    f.bar()->setValue(2);
    if (how == QStringLiteral("stampiamo"))
        QTest::mouseClick(f.child<QPushButton>(how), Qt::LeftButton);
    else
        f.action(how)->trigger();
    QCOMPARE(f.t.presenter.count(), 1);
    QCOMPARE(f.t.presenter.lastPurpose(), QStringLiteral("massime"));
    QCOMPARE(paragraphs(f.t.presenter.last()),
             printed(QStringLiteral("Divisione"), {{2, f.table.massima(4, 2)}}));
    QCOMPARE(f.text(QStringLiteral("passo")),
             QStringLiteral("il documento è nell'anteprima: da lì si stampa, si salva come ODT o "
                            "si esporta in PDF"));
    QCOMPARE(f.text(QStringLiteral("conta")), QStringLiteral("2"));
    QCOMPARE(f.bar()->value(), 2);
    QVERIFY(f.t.prompts.calls().isEmpty());
}

void TestMassime::printsAllFromTheThirdOfFive()
{
    Fixture f;
    f.choose(5);
    f.bar()->setValue(3);
    // The maxims come from the table; the bar is set once, to the end.
    const QSignalSpy steps(f.bar(), &QScrollBar::valueChanged);
    f.action(QStringLiteral("stampatutte"))->trigger();
    QCOMPARE(steps.count(), 0);
    QCOMPARE(f.t.presenter.count(), 1);
    QCOMPARE(paragraphs(f.t.presenter.last()),
             printed(QStringLiteral("Donazione"), {{3, f.table.massima(5, 3)},
                                                   {4, f.table.massima(5, 4)},
                                                   {5, f.table.massima(5, 5)}}));
    QCOMPARE(f.sent(), kEndMarker);
    QCOMPARE(f.text(QStringLiteral("conta")), QStringLiteral("6"));
    QCOMPARE(f.bar()->value(), 6);

    // The print of all is over: the next single print types one heading only.
    f.bar()->setValue(1);
    f.action(QStringLiteral("stampa"))->trigger();
    QCOMPARE(paragraphs(f.t.presenter.last()),
             printed(QStringLiteral("Donazione"), {{1, f.table.massima(5, 1)}}));
    QCOMPARE(f.bar()->value(), 1);
}

void TestMassime::printingAllAtTheEndMarker()
{
    Fixture f;
    f.choose(7);
    f.bar()->setValue(50);
    for (const QString& how : {QStringLiteral("stampatutte"), QStringLiteral("stampa")}) {
        // The end marker is no maxim: nothing is printed, as before a topic.
        f.action(how)->trigger();
        QCOMPARE(f.t.presenter.count(), 0);
        QCOMPARE(f.t.prompts.last().kind, FakePrompts::Kind::Warn);
        QVERIFY(f.t.prompts.last().text.startsWith(QStringLiteral("Non vi è nulla da stampare")));
        QCOMPARE(f.bar()->value(), 39);
        QCOMPARE(f.text(QStringLiteral("conta")), QStringLiteral("39"));
    }
}

void TestMassime::nothingToPrint_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Stampa button") << QStringLiteral("stampiamo");
    QTest::newRow("menu, displayed") << QStringLiteral("stampa");
    QTest::newRow("menu, all") << QStringLiteral("stampatutte");
    QTest::newRow("toolbar 1") << QStringLiteral("Toolbar1_1");
}

void TestMassime::nothingToPrint()
{
    QFETCH(QString, how);
    Fixture f;
    const QString passo = f.text(QStringLiteral("passo"));
    if (how == QStringLiteral("stampiamo"))
        QTest::mouseClick(f.child<QPushButton>(how), Qt::LeftButton);
    else
        f.action(how)->trigger();
    QCOMPARE(f.t.presenter.count(), 0);
    QCOMPARE(f.t.prompts.calls().size(), 1);
    QCOMPARE(f.t.prompts.last().kind, FakePrompts::Kind::Warn);
    QCOMPARE(f.t.prompts.last().title, Quotaramod::titolocontrollo());
    QCOMPARE(f.t.prompts.last().text, kNothingToPrint);
    QCOMPARE(f.text(QStringLiteral("passo")), passo);
    QCOMPARE(f.bar()->value(), 1);

    // After a print of all was refused, a chosen topic prints one maxim only.
    f.choose(1);
    f.action(QStringLiteral("stampa"))->trigger();
    QCOMPARE(f.t.presenter.count(), 1);
    QCOMPARE(f.bar()->value(), 1);
}

void TestMassime::inlineHelp()
{
    Fixture f;
    QTest::mouseClick(f.child<QPushButton>(QStringLiteral("aiuto")), Qt::LeftButton);
    QCOMPARE(f.t.prompts.last().kind, FakePrompts::Kind::Inform);
    QCOMPARE(f.t.prompts.last().title, Quotaramod::titoloaiuto());
    QCOMPARE(f.t.prompts.last().text.split(u'\r'),
             QStringList({
                 QStringLiteral(
                     "- Scegliere uno degli argomenti elencati sulla sinistra della finestra;"),
                 QStringLiteral("- visualizzare le sentenze disponibili usando la barra di "
                                "scorrimento orizzontale;"),
                 QStringLiteral("- stampare la singola sentenza cliccando sul tasto Stampa;"),
                 QStringLiteral("- stampare tutte le sentenze dell'argomento scelto cliccando su "
                                "File...Stampa nella barra dei menu;"),
                 QStringLiteral(
                     "- visualizzare il numero di sentenze disponibili nella casella gialla."),
             }));
}

void TestMassime::ownButtonReshowsTheWindow()
{
    Fixture f;
    f.t.forms.show(WindowId::massime);
    f.choose(4);
    f.bar()->setValue(3);
    f.action(QStringLiteral("Toolbar1_13"))->trigger();
    f.action(QStringLiteral("fin8"))->trigger();
    QVERIFY(f.t.prompts.calls().isEmpty());
    QCOMPARE(f.t.forms.loadedForm(WindowId::massime), f.window);
    QVERIFY(f.window->isVisible());
    QCOMPARE(f.window->argomento(), 4);
    QCOMPARE(f.text(QStringLiteral("conta")), QStringLiteral("3"));
    QVERIFY(f.action(QStringLiteral("Toolbar1_13"))->isChecked());
}

void TestMassime::windowNumberShowsTheMaximsGuide()
{
    Fixture f;
    f.t.forms.show(WindowId::massime);
    f.action(QStringLiteral("finestra"))->trigger();
    QVERIFY(f.t.forms.isLoaded(WindowId::guidamassime));
    QVERIFY(f.t.forms.loadedForm(WindowId::guidamassime)->isVisible());
    QVERIFY(f.t.forms.isLoaded(WindowId::massime));
    QVERIFY(f.t.prompts.calls().isEmpty());
}

void TestMassime::referencesInTheMaximAreLinks()
{
    Fixture f;
    registerNormsWindows(f.t.forms);
    f.t.forms.show(WindowId::massime);
    QVERIFY(QTest::qWaitForWindowExposed(f.window));
    f.choose(1);
    auto* sent = f.child<QPlainTextEdit>(QStringLiteral("sent"));
    const qsizetype at = sent->toPlainText().indexOf(QStringLiteral("art. 476 c.c."));
    QVERIFY(at >= 0);
    QTextCursor cursor(sent->document());
    cursor.setPosition(static_cast<int>(at) + 6);
    QTest::mouseClick(sent->viewport(), Qt::LeftButton, {}, sent->cursorRect(cursor).center());
    auto* titoloI = qobject_cast<NormsWindow*>(f.t.forms.loadedForm(WindowId::titoloI));
    QVERIFY(titoloI);
    QCOMPARE(titoloI->highlightedArticle(),
             Norms::ArticleIndex::codice().find(QStringLiteral("476")));
    QVERIFY(f.window->isVisible());
    QCOMPARE(f.window->argomento(), 1);
}

void TestMassime::articlesUnderTheMaximAreLinks()
{
    Fixture f;
    registerNormsWindows(f.t.forms);
    f.t.forms.show(WindowId::massime);
    f.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.window));
    auto* label = f.child<QLabel>(QStringLiteral("articolimassima"));
    QVERIFY(label);
    f.choose(1);
    const QStringList articoli = f.table.articoli(1, 1);
    QVERIFY(!articoli.isEmpty());
    for (const QString& article : articoli)
        QVERIFY(label->text().contains(QStringLiteral("href=\"articolo:%1\"").arg(article)));

    auto* sent = f.child<QPlainTextEdit>(QStringLiteral("sent"));
    sent->setFocus();
    // Tab steps through the links of the maxim, then reaches the articles under it.
    for (int i = 0; i < 10 && sent->hasFocus(); ++i)
        QTest::keyClick(sent, Qt::Key_Tab);
    QVERIFY(label->hasFocus());
    QTest::keyClick(label, Qt::Key_Tab);
    QTest::keyClick(label, Qt::Key_Return);
    const Norms::Article* first = Norms::ArticleIndex::codice().find(articoli.first());
    QVERIFY(first);
    auto* norms = qobject_cast<NormsWindow*>(f.t.forms.loadedForm(first->title));
    QVERIFY(norms);
    QCOMPARE(norms->highlightedArticle(), first);

    f.bar()->setValue(f.table.contamassime(1) + 1);
    QVERIFY(label->text().isEmpty());
}

void TestMassime::showsAMaximOnRequest()
{
    Fixture f;
    f.window->mostraMassima(4, 3);
    QCOMPARE(f.window->argomento(), 4);
    QCOMPARE(f.window->numero(), 3);
    QCOMPARE(f.sent(), f.table.massima(4, 3));
    QCOMPARE(f.text(QStringLiteral("conta")), QStringLiteral("3"));
    f.window->mostraMassima(4, 1);
    QCOMPARE(f.sent(), f.table.massima(4, 1));
    f.window->mostraMassima(9, 1);
    QCOMPARE(f.window->argomento(), 4);
}

QTEST_MAIN(TestMassime)
#include "tst_massime.moc"

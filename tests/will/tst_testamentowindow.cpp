#include "documentprobe.h"
#include "succession/successionewindow.h"
#include "testforms.h"
#include "will/testamentowindow.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace {

const QString kTitoloAiuto = QStringLiteral("Quotara: aiuto in linea");

QString explanationOne()
{
    return QStringLiteral("Il testamento olografo è quello scritto per intero dal testatore: di "
                          "suo pugno e non con una maccina da scrivere.\rIl testamento pubblico "
                          "è quello ricevutodal notaio in presenza di due testimoni.\rIl "
                          "testamento segreto è un testamento scritto, anche a macchina, su una "
                          "scheda firmata che viene consegnata ad un notaio. Questi redige "
                          "l'atto di ricevimento.");
}

void registerWill(TestForms& t)
{
    registerWillWindows(t.forms);
    t.forms.registerFactory(WindowId::guidatestamento,
                            [](Forms&) { return std::make_unique<QWidget>(); });
}

TestamentoWindow* openWill(TestForms& t)
{
    return qobject_cast<TestamentoWindow*>(t.forms.show(WindowId::testamento));
}

QAction* action(QWidget* window, const QString& name)
{
    return window->findChild<QAction*>(name);
}

QTextTable* firstTable(const QTextDocument* document)
{
    return DocumentProbe::tables(*document).value(0);
}

// The will table is read with rows and columns counted from 0.
QString cellText(QTextTable* table, int row, int column)
{
    return DocumentProbe::cellText(table, row + 1, column + 1);
}

} // namespace

class TestTestamentoWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void showsTheGuide();
    void spiegaShowsTheExplanation_data();
    void spiegaShowsTheExplanation();
    void otherIndexShowsTheFirstExplanation_data();
    void otherIndexShowsTheFirstExplanation();
    void offersNoSave();
    void aiutoAndGuideQuestion_data();
    void aiutoAndGuideQuestion();
    void printingTwiceGivesTwoDocuments();
    void printingTakesTheCurrentTexts();
    void linksReachThePrompts();
    void eliminaDeletesTheChosenFile_data();
    void eliminaDeletesTheChosenFile();
    void apriShowsTheCalculatorWithTheCase_data();
    void apriShowsTheCalculatorWithTheCase();
};

void TestTestamentoWindow::showsTheGuide()
{
    TestForms t;
    registerWill(t);
    TestamentoWindow* window = openWill(t);
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("Quotara: il testamento"));
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("passo"))->text(),
             QStringLiteral("visualizza le informazioni e clicca sul tasto con il punto "
                            "interrogativo"));
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("lb1"))->text(),
             QStringLiteral("Art.587 C.C., primo comma"));
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("Label10"))->text(),
             QStringLiteral("firma"));
    QCOMPARE(window->findChild<QPlainTextEdit*>(QStringLiteral("contenuto"))->toPlainText(),
             QStringLiteral("anche sotto forma di lettera; non bisogna oltrepassare la quota "
                            "disponibile \n"));
    QCOMPARE(window->findChild<QPlainTextEdit*>(QStringLiteral("Text2"))->blockCount(), 13);
    QVERIFY(window->findChild<QPlainTextEdit*>(QStringLiteral("esempio"))->isReadOnly());
    QCOMPARE(action(window, QStringLiteral("finestra"))->text().trimmed(),
             QStringLiteral("Fi&nestra n.7 di 8"));
    QVERIFY(action(window, QStringLiteral("fin7"))->isChecked());
    QVERIFY(action(window, QStringLiteral("Toolbar1_12"))->isChecked());
    QVERIFY(window->findChild<QMenu*>(QStringLiteral("help")));
    QVERIFY(action(window, QStringLiteral("sugger")));
    QVERIFY(action(window, QStringLiteral("esci")));
    QCOMPARE(window->findChild<QPushButton*>(QStringLiteral("cmdsucc"))->toolTip(),
             QStringLiteral("cliccare per visualizzare la finestra Successione"));
    QCOMPARE(window->findChild<QPushButton*>(QStringLiteral("aiuto"))->toolTip(),
             QStringLiteral("cliccare per avere gli aiuti in linea"));
    QCOMPARE(window->findChild<QPushButton*>(QStringLiteral("guidainlinea"))->toolTip(),
             QStringLiteral("cliccare per visualizzare il Sommario della guida"));
}

void TestTestamentoWindow::spiegaShowsTheExplanation_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::newRow("1: three kinds on three lines") << 1 << explanationOne();
    QTest::newRow("2") << 2
                       << QStringLiteral("Il testatore è colui che disponde delle sue sostanze "
                                         "nel testamento. Non deve essere una persona "
                                         "dichiarata incapace dalla legge, nè minorenne.");
    QTest::newRow("5") << 5
                       << QStringLiteral("Un testamento senza firma è nullo. In caso di "
                                         "impossibilità del testatore ad apporre la firma egli "
                                         "deve rivolgersi ad un notaio che riceverà il "
                                         "testamento in presenza di due testimoni.");
}

void TestTestamentoWindow::spiegaShowsTheExplanation()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    TestForms t;
    registerWill(t);
    TestamentoWindow* window = openWill(t);
    auto* button = window->findChild<QPushButton*>(QStringLiteral("spiega_%1").arg(index));
    QVERIFY(button);
    QCOMPARE(button->text(), QStringLiteral("?"));
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(t.prompts.calls().size(), 1);
    const FakePrompts::Call call = t.prompts.last();
    QCOMPARE(call.kind, FakePrompts::Kind::Inform);
    QCOMPARE(call.title, kTitoloAiuto);
    QCOMPARE(call.text, text);
}

void TestTestamentoWindow::otherIndexShowsTheFirstExplanation_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("0") << 0;
    QTest::newRow("6") << 6;
    QTest::newRow("-1") << -1;
}

void TestTestamentoWindow::otherIndexShowsTheFirstExplanation()
{
    QFETCH(int, index);
    TestForms t;
    registerWill(t);
    openWill(t)->spiega_Click(index);
    QCOMPARE(t.prompts.last().text, explanationOne());
    QCOMPARE(t.prompts.last().text.split(u'\r').size(), 3);
}

void TestTestamentoWindow::offersNoSave()
{
    TestForms t;
    registerWill(t);
    TestamentoWindow* window = openWill(t);
    QVERIFY(!action(window, QStringLiteral("salva"))->isEnabled());
    QVERIFY(!action(window, QStringLiteral("salvano"))->isEnabled());
    QVERIFY(!action(window, QStringLiteral("Toolbar1_2"))->isEnabled());
    QCOMPARE(action(window, QStringLiteral("salvano"))->text(),
             QStringLiteral("Salva con &nome..."));
    for (const QString& name :
         {QStringLiteral("apri"), QStringLiteral("eliminare"), QStringLiteral("stampa"),
          QStringLiteral("Toolbar1_1"), QStringLiteral("Toolbar1_3"), QStringLiteral("Toolbar1_4")})
        QVERIFY2(action(window, name)->isEnabled(), qPrintable(name));
    QCOMPARE(action(window, QStringLiteral("stampa"))->text(), QStringLiteral("S&tampa"));
    window->frame().Toolbar1_ButtonClick(ToolbarButton::Salva);
    QVERIFY(t.prompts.calls().isEmpty());
    QCOMPARE(t.presenter.count(), 0);
}

void TestTestamentoWindow::aiutoAndGuideQuestion_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("no") << false;
    QTest::newRow("yes") << true;
}

void TestTestamentoWindow::aiutoAndGuideQuestion()
{
    QFETCH(bool, yes);
    TestForms t;
    registerWill(t);
    TestamentoWindow* window = openWill(t);
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("aiuto")), Qt::LeftButton);
    QCOMPARE(t.prompts.last().kind, FakePrompts::Kind::Inform);
    QCOMPARE(t.prompts.last().title, kTitoloAiuto);
    QCOMPARE(t.prompts.last().text,
             QStringLiteral("- La finestra è di sola lettura;\r- visualizzare le informazioni o "
                            "cliccare sul tasto con il simbolo '?';\r- procedere, se necessario, "
                            "con la stampa dei dati della finestra."));
    t.prompts.answerNext(yes);
    action(window, QStringLiteral("fin7"))->trigger();
    QCOMPARE(t.prompts.last().kind, FakePrompts::Kind::Ask);
    QCOMPARE(t.prompts.last().text,
             QStringLiteral("E' questa la finestra 'Testamento': si vuole la guida della "
                            "finestra?"));
    QCOMPARE(t.forms.isLoaded(WindowId::guidatestamento), yes);
    QVERIFY(t.forms.isLoaded(WindowId::testamento));
}

void TestTestamentoWindow::printingTwiceGivesTwoDocuments()
{
    TestForms t;
    registerWill(t);
    TestamentoWindow* window = openWill(t);
    action(window, QStringLiteral("stampa"))->trigger();
    window->frame().Toolbar1_ButtonClick(ToolbarButton::Stampa);
    QCOMPARE(t.presenter.count(), 2);
    QCOMPARE(t.presenter.lastPurpose(), QStringLiteral("testamento"));
    QCOMPARE(t.presenter.at(0)->toPlainText(), t.presenter.at(1)->toPlainText());
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("passo"))->text(),
             QStringLiteral("il documento è nell'anteprima: da lì si stampa, si salva come ODT o "
                            "si esporta in PDF"));
    const QString text = t.presenter.last()->toPlainText();
    QVERIFY(text.startsWith(QStringLiteral("QUOTARA\n(quote di successione)\n\nTestamento\n\n"
                                           "Art.587 C.C., primo comma: Il testamento è un atto "
                                           "revocabile")));
    QVERIFY(text.contains(QStringLiteral("Esempio di testamento:")));
    QVERIFY(text.contains(QStringLiteral("facoltà")));
    QVERIFY(text.contains(QStringLiteral("duemilasette")));
    QVERIFY(text.contains(QStringLiteral("\nFirmato Mario Rossi\n")));
    QTextTable* table = firstTable(t.presenter.last());
    QVERIFY(table);
    QCOMPARE(table->rows(), 6);
    QCOMPARE(cellText(table, 1, 1),
             QStringLiteral("olografo, pubblico, segreto") + QChar::ParagraphSeparator);
}

void TestTestamentoWindow::printingTakesTheCurrentTexts()
{
    TestForms t;
    registerWill(t);
    TestamentoWindow* window = openWill(t);
    window->findChild<QPlainTextEdit*>(QStringLiteral("firma"))
        ->setPlainText(QStringLiteral("firma autografa\r\n"));
    window->stampa_Click();
    QTextTable* table = firstTable(t.presenter.last());
    QVERIFY(table);
    QCOMPARE(cellText(table, 5, 0), QStringLiteral("firma"));
    QCOMPARE(cellText(table, 5, 1), QStringLiteral("firma autografa") + QChar::ParagraphSeparator);
}

void TestTestamentoWindow::linksReachThePrompts()
{
    TestForms t;
    registerWill(t);
    TestamentoWindow* window = openWill(t);
    for (int index = 1; index <= 3; ++index) {
        auto* button = window->findChild<QPushButton*>(QStringLiteral("stima_%1").arg(index));
        QVERIFY(button);
        QVERIFY(!button->text().isEmpty());
        QTest::mouseClick(button, Qt::LeftButton);
    }
    window->stima_Click(4);
    const QList<QUrl> expected = {
        QUrl(QStringLiteral("https://www.normattiva.it/uri-res/"
                            "N2Ls?urn:nir:stato:regio.decreto:1942-03-16;262~art587")),
        QUrl(QStringLiteral("https://www.giustizia.it/giustizia/it/mg_3_9_11.wp")),
        QUrl(QStringLiteral("https://www.agenziaentrate.gov.it/portale/web/guest/agenzia/"
                            "amministrazione-trasparente/servizi-erogati/carta-servizi/"
                            "i-nostri-servizi/area-dichiarazioni-fiscali/"
                            "dichiarazione-di-successione"))};
    QCOMPARE(t.prompts.urls(), expected);
    QVERIFY(t.prompts.last().kind == FakePrompts::Kind::Url);

    // No browser: the user is told, with the address to open by other means.
    t.prompts.urlsOpen = false;
    window->stima_Click(2);
    QCOMPARE(t.prompts.last().kind, FakePrompts::Kind::Warn);
    QVERIFY(t.prompts.last().text.contains(expected.at(1).toString()));
}

void TestTestamentoWindow::eliminaDeletesTheChosenFile_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<bool>("fromToolbar");
    QTest::newRow("menu") << false << false;
    QTest::newRow("toolbar") << false << true;
    QTest::newRow("cancelled") << true << false;
}

void TestTestamentoWindow::eliminaDeletesTheChosenFile()
{
    QFETCH(bool, cancel);
    QFETCH(bool, fromToolbar);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Quotara-dati-rossi"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\"Rossi\",\"legittima\",\"100\",\"2\",\"0\",\"s\xEC\",\"0\"\r\n");
    file.close();

    TestForms t;
    registerWill(t);
    TestamentoWindow* window = openWill(t);
    t.prompts.chooseNext(cancel ? QString() : path);
    if (fromToolbar)
        window->frame().Toolbar1_ButtonClick(ToolbarButton::Cancella);
    else
        action(window, QStringLiteral("eliminare"))->trigger();
    const FakePrompts::Call call = t.prompts.last();
    QCOMPARE(call.kind, FakePrompts::Kind::OpenFile);
    QCOMPARE(call.request.title,
             QStringLiteral("Elimina: seleziona il file desiderato e clicca su Apri per "
                            "cancellarlo"));
    QVERIFY(call.request.fileName.isEmpty());
    QCOMPARE(t.prompts.calls().size(), 1);
    QCOMPARE(QFile::exists(path), cancel);
}

void TestTestamentoWindow::apriShowsTheCalculatorWithTheCase_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<bool>("calculatorOpen");
    QTest::addColumn<bool>("fromToolbar");
    QTest::newRow("calculator created by Apri") << false << false << false;
    QTest::newRow("calculator already open") << false << true << false;
    QTest::newRow("toolbar button 1") << false << false << true;
    QTest::newRow("cancelled, calculator created") << true << false << false;
    QTest::newRow("cancelled, calculator open") << true << true << false;
}

void TestTestamentoWindow::apriShowsTheCalculatorWithTheCase()
{
    QFETCH(bool, cancel);
    QFETCH(bool, calculatorOpen);
    QFETCH(bool, fromToolbar);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Quotara-dati-rossi"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    // Written by hand as the program stores a case: Windows-1252, CR LF.
    file.write("\"Rossi, Mario\",\"legittima\",\"90000\",\"2\",\"0\",\"s\xEC\",\"0\"\r\n");
    file.close();

    TestForms t;
    registerSuccessionWindows(t.forms);
    registerWill(t);
    if (calculatorOpen)
        t.forms.show(WindowId::successione);
    TestamentoWindow* window = openWill(t);
    QVERIFY(window->isVisible());
    t.prompts.chooseNext(cancel ? QString() : path);
    if (fromToolbar)
        window->frame().Toolbar1_ButtonClick(ToolbarButton::Apri);
    else
        action(window, QStringLiteral("apri"))->trigger();

    QCOMPARE(t.prompts.calls().first().kind, FakePrompts::Kind::OpenFile);
    QCOMPARE(t.prompts.calls().first().request.title, QStringLiteral("Apri file"));
    auto* calculator = qobject_cast<SuccessioneWindow*>(t.forms.loadedForm(WindowId::successione));
    QVERIFY(calculator);
    QVERIFY(calculator->isVisible());
    QVERIFY(window->isVisible());
    const CaseRecord loaded = calculator->caseRecord();
    if (cancel) {
        QVERIFY(loaded.decuius.isEmpty());
        QVERIFY(calculator->nomefile().isEmpty());
        return;
    }
    const CaseRecord expected{QStringLiteral("Rossi, Mario"),
                              QStringLiteral("legittima"),
                              QStringLiteral("90000"),
                              QStringLiteral("2"),
                              QStringLiteral("0"),
                              QStringLiteral("sì"),
                              QStringLiteral("0")};
    QCOMPARE(loaded, expected);
    QCOMPARE(calculator->nomefile(), path);
    QCOMPARE(calculator->results().art, QStringLiteral("540 581"));
}

QTEST_MAIN(TestTestamentoWindow)
#include "tst_testamentowindow.moc"

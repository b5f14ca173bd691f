#include "app/catalogo.h"
#include "app/forms.h"
#include "app/informa.h"
#include "app/supportoclienti.h"
#include "app/twips.h"
#include "help/helpdocument.h"
#include "help/helptexts.h"
#include "help/sommario.h"
#include "testforms.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using namespace Qt::StringLiterals;

void registerAppWindows(Forms& forms);
void registerHelpWindows(Forms& forms);

namespace {

void sendMouse(QWidget* widget, QEvent::Type type)
{
    const QPointF local(2, 2);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons buttons =
        type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, local, widget->mapToGlobal(local), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

QList<int> boldEntries(const Sommario* sommario)
{
    QList<int> bold;
    for (int i = 1; i <= Sommario::entryCount; ++i) {
        if (sommario->lbl(i)->font().bold())
            bold.append(i);
    }
    return bold;
}

double pointSize(const QTextBlock& block)
{
    return block.begin().fragment().charFormat().fontPointSize();
}

} // namespace

class TestSummary : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void entriesOpenTheirWindow_data();
    void entriesOpenTheirWindow();
    void pressOnLabelOpensAndReleaseFrames_data();
    void pressOnLabelOpensAndReleaseFrames();
    void hoverMovesTheBoldHighlight();
    void chiudiHidesAndReopensUnchanged();
    void uscitaAsksTheExitQuestion();
    void printsTheWholeHelp();
    void savesTheHelp_data();
    void savesTheHelp();
    void aboutShowsTheEditionAndOkHides();
    void supportAndCatalogueClose();

private:
    static Sommario* openSummary(TestForms& t)
    {
        registerAppWindows(t.forms);
        registerHelpWindows(t.forms);
        return qobject_cast<Sommario*>(t.forms.show(WindowId::sommario));
    }
};

void TestSummary::entriesOpenTheirWindow_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("top");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<WindowId>("target");
    QTest::newRow("1") << 1 << 840 << u" Manuale d'uso rapido"_s << WindowId::manuale;
    QTest::newRow("2") << 2 << 1200 << u" Funzionamento del programma"_s
                       << WindowId::guidafunzionamento;
    QTest::newRow("3") << 3 << 1800 << u" Finestra Successione"_s << WindowId::guidasuccessione;
    QTest::newRow("4") << 4 << 2160 << u" Finestra Norme"_s << WindowId::guidanorme;
    QTest::newRow("5") << 5 << 2520 << u" Finestra Testamento"_s << WindowId::guidatestamento;
    QTest::newRow("6") << 6 << 2880 << u" Finestra Massime"_s << WindowId::guidamassime;
    QTest::newRow("7") << 7 << 4800 << u"  Suggerimento del giorno"_s << WindowId::frmTip;
    QTest::newRow("8") << 8 << 5160 << u"  altri prodotti Software Solvano"_s << WindowId::catalogo;
    QTest::newRow("9") << 9 << 3240 << u" Finestra Calcolo dettagliato"_s
                       << WindowId::guidadettaglio;
}

void TestSummary::entriesOpenTheirWindow()
{
    QFETCH(int, index);
    QFETCH(int, top);
    QFETCH(QString, caption);
    QFETCH(WindowId, target);
    TestForms t;
    Sommario* sommario = openSummary(t);
    QVERIFY(sommario);
    QCOMPARE(sommario->windowTitle(), u"Quotara: guida in linea"_s);
    QCOMPARE(sommario->size(), QSize(Twips::toPixels(3975), Twips::toPixels(6825)));
    QCOMPARE(sommario->lbl(index)->text(), caption);
    QCOMPARE(sommario->lbl(index)->objectName(), u"lbl_%1"_s.arg(index));
    QCOMPARE(sommario->puls(index)->objectName(), u"puls_%1"_s.arg(index));
    QCOMPARE(sommario->puls(index)->text(), u"--->"_s);
    QCOMPARE(sommario->lbl(index)->geometry(), Twips::rect(720, top, 2895, 255));
    QCOMPARE(sommario->puls(index)->geometry(), Twips::rect(240, top, 375, 255));
    QCOMPARE(sommario->puls(index)->toolTip(),
             index == 8 ? QString() : u"cliccare per visualizzare: "_s + caption);

    QVERIFY(!t.forms.isLoaded(target));
    QTest::mouseClick(sommario->puls(index), Qt::LeftButton);
    QVERIFY(t.forms.isLoaded(target));
    QVERIFY(t.forms.loadedForm(target)->isVisible());
    QVERIFY(sommario->isVisible());
}

void TestSummary::pressOnLabelOpensAndReleaseFrames_data()
{
    entriesOpenTheirWindow_data();
}

void TestSummary::pressOnLabelOpensAndReleaseFrames()
{
    QFETCH(int, index);
    QFETCH(WindowId, target);
    TestForms t;
    Sommario* sommario = openSummary(t);
    QLabel* label = sommario->lbl(index);
    sendMouse(label, QEvent::MouseButtonPress);
    QVERIFY(t.forms.isLoaded(target));
    QVERIFY(t.forms.loadedForm(target)->isVisible());
    QCOMPARE(label->frameShape(), QFrame::NoFrame);
    sendMouse(label, QEvent::MouseButtonRelease);
    QCOMPARE(label->frameShape(), QFrame::Box);
    QCOMPARE(label->lineWidth(), 1);
    sendMouse(label, QEvent::MouseButtonPress);
    QCOMPARE(label->frameShape(), QFrame::NoFrame);
}

void TestSummary::hoverMovesTheBoldHighlight()
{
    TestForms t;
    Sommario* sommario = openSummary(t);
    QVERIFY(boldEntries(sommario).isEmpty());
    sendMouse(sommario->lbl(2), QEvent::MouseMove);
    QCOMPARE(boldEntries(sommario), QList<int>{2});
    sendMouse(sommario->lbl(7), QEvent::MouseMove);
    QCOMPARE(boldEntries(sommario), QList<int>{7});
    sendMouse(sommario, QEvent::MouseMove);
    QVERIFY(boldEntries(sommario).isEmpty());
}

void TestSummary::chiudiHidesAndReopensUnchanged()
{
    TestForms t;
    Sommario* sommario = openSummary(t);
    auto* chiudi = sommario->findChild<QPushButton*>(u"cmdchiudi"_s);
    QCOMPARE(chiudi->toolTip(), u"cliccare per chiudere la finestra"_s);
    sendMouse(sommario->lbl(3), QEvent::MouseButtonPress);
    sendMouse(sommario->lbl(3), QEvent::MouseButtonRelease);
    QTest::mouseClick(chiudi, Qt::LeftButton);
    QVERIFY(sommario->isHidden());
    QVERIFY(t.forms.isLoaded(WindowId::sommario));
    QCOMPARE(t.forms.show(WindowId::sommario), sommario);
    QCOMPARE(sommario->lbl(3)->frameShape(), QFrame::Box);
}

void TestSummary::uscitaAsksTheExitQuestion()
{
    TestForms t;
    Sommario* sommario = openSummary(t);
    auto* uscita = sommario->findChild<QPushButton*>(u"Command1"_s);
    QCOMPARE(uscita->text(), u"&USCITA"_s);
    QCOMPARE(uscita->toolTip(), u"cliccare per uscire da Quotara"_s);
    t.prompts.answerNext(false);
    QTest::mouseClick(uscita, Qt::LeftButton);
    QCOMPARE(t.prompts.last().kind, FakePrompts::Kind::Ask);
    QVERIFY(t.prompts.last().text.startsWith(u"Vuoi uscire da Quotara?"_s));
    QVERIFY(sommario->isVisible());

    t.forms.show(WindowId::guidanorme);
    t.prompts.answerNext(true);
    QTest::mouseClick(uscita, Qt::LeftButton);
    TestForms::flushDeletes();
    QVERIFY(!t.forms.isLoaded(WindowId::sommario));
    QVERIFY(!t.forms.isLoaded(WindowId::guidanorme));
}

void TestSummary::printsTheWholeHelp()
{
    TestForms t;
    Sommario* sommario = openSummary(t);
    QTemporaryDir folder;
    sommario->setSaveFolders(folder.path(), folder.path());
    auto* stampa = sommario->findChild<QPushButton*>(u"cmdstampa"_s);
    QCOMPARE(stampa->toolTip(), u"cliccare per avere la copia su carta del sommario"_s);
    QTest::mouseClick(stampa, Qt::LeftButton);
    QCOMPARE(t.presenter.count(), 1);
    QCOMPARE(t.presenter.lastPurpose(), u"guida"_s);
    const QTextDocument* document = t.presenter.last();

    QTextBlock block = document->begin();
    QCOMPARE(block.text(), u"Quotara"_s);
    QCOMPARE(pointSize(block), 20.0);
    block = block.next();
    QCOMPARE(block.text(), u"quote di successione"_s);
    QCOMPARE(pointSize(block), 16.0);

    QList<WindowId> sections;
    bool firstHeading = true;
    for (; block.isValid(); block = block.next()) {
        QCOMPARE(block.blockFormat().alignment(), Qt::AlignJustify);
        if (!block.text().startsWith(u"Guida: "_s)) {
            if (!block.text().isEmpty() && block.text() != u"quote di successione"_s)
                QCOMPARE(pointSize(block), 12.0);
            continue;
        }
        const WindowId id = HelpTexts::printOrder().value(sections.size());
        QCOMPARE(block.text(), u"Guida: "_s + HelpTexts::heading(id));
        QCOMPARE(pointSize(block), firstHeading ? 16.0 : 12.0);
        QCOMPARE(block.blockFormat().pageBreakPolicy(),
                 firstHeading ? QTextFormat::PageBreak_Auto : QTextFormat::PageBreak_AlwaysBefore);
        QCOMPARE(block.next().next().text(), HelpTexts::text(id));
        sections.append(id);
        firstHeading = false;
    }
    QCOMPARE(sections, HelpTexts::printOrder());
    QVERIFY(document->toPlainText().endsWith(HelpTexts::text(WindowId::guidadettaglio) + u'\n'));
}

void TestSummary::savesTheHelp_data()
{
    QTest::addColumn<bool>("programWritable");
    QTest::addColumn<bool>("documentsWritable");
    QTest::newRow("program folder") << true << true;
    QTest::newRow("documents folder") << false << true;
    QTest::newRow("nowhere") << false << false;
}

void TestSummary::savesTheHelp()
{
    QFETCH(bool, programWritable);
    QFETCH(bool, documentsWritable);
    TestForms t;
    Sommario* sommario = openSummary(t);
    QTemporaryDir program;
    QTemporaryDir documents;
    // Folders that do not exist, or cannot be made below a plain file, cannot
    // be written to, whoever runs the test.
    const QString programFolder = programWritable ? program.path() : program.filePath(u"assente"_s);
    QFile plain(documents.filePath(u"file"_s));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString documentsFolder =
        documentsWritable ? documents.path() : documents.filePath(u"file/cartella"_s);
    sommario->setSaveFolders(programFolder, documentsFolder);
    QTest::mouseClick(sommario->findChild<QPushButton*>(u"cmdstampa"_s), Qt::LeftButton);
    QCOMPARE(t.presenter.count(), 1);

    const QString inProgram = QDir(program.path()).filePath(u"Quotara-guida.odt"_s);
    const QString inDocuments = QDir(documents.path()).filePath(u"Quotara-guida.odt"_s);
    QCOMPARE(QFile::exists(inProgram), programWritable);
    QCOMPARE(QFile::exists(inDocuments), !programWritable && documentsWritable);
    if (!programWritable && !documentsWritable) {
        QCOMPARE(t.prompts.last().kind, FakePrompts::Kind::Warn);
        QVERIFY(t.prompts.last().text.contains(u"Quotara-guida.odt"_s));
        return;
    }
    const QString expected = programWritable ? inProgram : inDocuments;
    QCOMPARE(t.prompts.last().kind, FakePrompts::Kind::Inform);
    QCOMPARE(t.prompts.last().title, u"Quotara: aiuto in linea"_s);
    QVERIFY(t.prompts.last().text.contains(QDir::toNativeSeparators(expected)));

    QFile file(expected);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(2) == "PK");
}

void TestSummary::aboutShowsTheEditionAndOkHides()
{
    TestForms t;
    registerAppWindows(t.forms);
    auto* about = qobject_cast<Informa*>(t.forms.show(WindowId::informa));
    QVERIFY(about);
    QCOMPARE(about->windowTitle(), u"Informazioni su Quotara"_s);
    QCOMPARE(about->editionText(), u"edizione professionale - versione 2.06.05   2005- 2011"_s);
    QCOMPARE(about->findChild<QLabel*>(u"Label3"_s)->text(), u"software Solvano"_s);
    QCOMPARE(about->findChild<QLabel*>(u"Label1"_s)->text(), u"Quotara"_s);
    QCOMPARE(about->findChild<QLabel*>(u"Label2"_s)->text(), u"quote di successione"_s);
    for (const QString& name : {u"Label5"_s, u"Label6"_s}) {
        const QLabel* label = about->findChild<QLabel*>(name);
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
    }
    for (const QString& line : {u"Line1"_s, u"Line2"_s, u"Line3"_s})
        QCOMPARE(about->findChild<QFrame*>(line)->frameShape(), QFrame::HLine);
    QVERIFY(about->findChild<QLabel*>(u"label7"_s)->text().contains(u"\"Internet\""_s));
    QTest::mouseClick(about->findChild<QPushButton*>(u"cmdOK"_s), Qt::LeftButton);
    QVERIFY(about->isHidden());
    QVERIFY(t.forms.isLoaded(WindowId::informa));
    QCOMPARE(t.forms.show(WindowId::informa), about);
}

void TestSummary::supportAndCatalogueClose()
{
    TestForms t;
    registerAppWindows(t.forms);
    for (const WindowId id : {WindowId::supportoclienti, WindowId::catalogo}) {
        QWidget* window = t.forms.show(id);
        QVERIFY(window);
        QTest::mouseClick(window->findChild<QPushButton*>(u"cmdchiudi"_s), Qt::LeftButton);
        TestForms::flushDeletes();
        QVERIFY(!t.forms.isLoaded(id));
    }
    const QString page = SupportoClienti::pageText();
    QVERIFY(page.contains(u"2.06.05"_s));
    QVERIFY(page.contains(u"Quotara-dati-"_s));
    QVERIFY(Catalogo::notice().contains(u"non è disponibile in questa edizione"_s));
}

QTEST_MAIN(TestSummary)
#include "tst_summary.moc"

#include "app/quotaramod.h"
#include "app/twips.h"
#include "norms/articleindex.h"
#include "norms/normswindow.h"
#include "privatehome.h"
#include "succession/calculator.h"
#include "succession/gridcasetaker.h"
#include "succession/successionewindow.h"
#include "testforms.h"

#include "gridcell.h"
#include "succession/successiontexts.h"
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <QTest>
#include <QTextDocument>
#include <algorithm>
#include <memory>

using namespace Qt::Literals::StringLiterals;

void registerNormsWindows(Forms& forms);

class TestSuccessioneWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void opening();
    void text1QuotesArticle540();
    void layout_data();
    void layout();
    void typingChildren();
    void choosingEntrambeFillsBothColumns();
    void typingTypeShowsOnlyItsColumn();
    void smallAmountsShown();
    void invalidInputClearsResults_data();
    void invalidInputClearsResults();
    void wordsInAnyCase_data();
    void wordsInAnyCase();
    void nameChangesNothing();
    void explanations_data();
    void explanations();
    void explanationOutOfRange();
    void aiutoShowsSteps();
    void aggiornapasso_data();
    void aggiornapasso();
    void caseRecordRecomputes();
    void saveAndOpenThroughToolbarAndMenu();
    void printThroughToolbar();
    void deleteAsksForTheFile();
    void dettaglioHandsOverTheCase_data();
    void dettaglioHandsOverTheCase();
    void dettaglioButtonKeepsTheLayout();
    void savingIsVisible();
    void noSavingWithoutTheName();
    void dialogsStartWhereTheLastCaseWas();
    void articlesAreLinks_data();
    void articlesAreLinks();

private:
    QString label(const QString& name) const;
    QLineEdit* edit(const QString& name) const;
    void chooseItem(const QString& comboName, const QString& text);
    void retype(QLineEdit* field, const QString& text);
    /// The norms window showing `label` highlighted, null when none does.
    NormsWindow* showing(const QString& label) const;

    PrivateHome m_home;
    std::unique_ptr<TestForms> m_t;
    SuccessioneWindow* m_window = nullptr;
};

void TestSuccessioneWindow::initTestCase()
{
    // The remembered folder and the trash are the test's own.
    QVERIFY(m_home.isValid());
}

void TestSuccessioneWindow::init()
{
    m_t = std::make_unique<TestForms>();
    registerSuccessionWindows(m_t->forms);
    m_window = m_t->forms.formAs<SuccessioneWindow>(WindowId::successione);
    QVERIFY(m_window);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestSuccessioneWindow::cleanup()
{
    m_t->forms.unload(WindowId::successione);
    m_t.reset();
    m_window = nullptr;
}

QString TestSuccessioneWindow::label(const QString& name) const
{
    const auto* found = m_window->findChild<QLabel*>(name);
    return found ? found->text() : u"<missing %1>"_s.arg(name);
}

QLineEdit* TestSuccessioneWindow::edit(const QString& name) const
{
    if (auto* line = m_window->findChild<QLineEdit*>(name))
        return line;
    auto* combo = m_window->findChild<QComboBox*>(name);
    return combo ? combo->lineEdit() : nullptr;
}

void TestSuccessioneWindow::chooseItem(const QString& comboName, const QString& text)
{
    auto* combo = m_window->findChild<QComboBox*>(comboName);
    QVERIFY(combo);
    const int index = combo->findText(text);
    QVERIFY(index >= 0);
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    QTRY_VERIFY(view->isVisible());
    const QRect item = view->visualRect(view->model()->index(index, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    QTRY_VERIFY(!view->isVisible());
}

void TestSuccessioneWindow::retype(QLineEdit* field, const QString& text)
{
    QVERIFY(field);
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

void TestSuccessioneWindow::opening()
{
    QCOMPARE(m_window->windowTitle(), u"Quotara: dati della successione"_s);
    QCOMPARE(m_window->objectName(), u"successione"_s);
    const CaseRecord record = m_window->caseRecord();
    QCOMPARE(record, (CaseRecord{QString(), u"legittima"_s, u"100"_s, QString(), QString(), u"sì"_s,
                                 QString()}));
    QCOMPARE(m_window->state().successione, typeAt(2));
    QCOMPARE(m_window->state().coniuge, spouseAt(1));

    QCOMPARE(label(u"quotaconiuge_2"_s), u"intero"_s);
    QCOMPARE(label(u"quota2_3"_s), u"100,00"_s);
    QCOMPARE(label(u"quotadisponibile_2"_s), u"0"_s);
    QCOMPARE(label(u"quota2_5"_s), QString());
    QCOMPARE(label(u"quotaconiuge_1"_s), QString());
    QCOMPARE(m_window->findChild<QPlainTextEdit*>(u"art"_s)->toPlainText(), u"540 583"_s);
    QVERIFY(m_window->findChild<QPlainTextEdit*>(u"nota"_s)->isHidden());
    QVERIFY(m_window->findChild<QPlainTextEdit*>(u"Text1"_s)
                ->toPlainText()
                .startsWith(u"Art.540 C.C. secondo comma: \"Al coniuge, anche quando"_s));
    QCOMPARE(label(u"passo"_s), u"aprire un file con i dati archiviati o iniziare l'immissione "
                                u"dei dati digitando il nome del de cuius"_s);
    QCOMPARE(m_window->findChild<QPushButton*>(u"esco"_s)->toolTip(),
             u"cliccare per uscire da Quotara"_s);
    for (int index = 1; index <= 11; ++index) {
        auto* button = m_window->findChild<QPushButton*>(u"spiega1_%1"_s.arg(index));
        QVERIFY2(button, qPrintable(u"spiega1_%1"_s.arg(index)));
        QCOMPARE(button->text(), u"?"_s);
        QCOMPARE(button->toolTip(),
                 u"cliccare per visualizzare una breve spiegazione della tipologia"_s);
    }
    auto* type = m_window->findChild<QComboBox*>(u"successione"_s);
    QCOMPARE(type->count(), 3);
    QCOMPARE(type->itemText(2), u"entrambe"_s);
    QCOMPARE(m_window->findChild<QComboBox*>(u"coniuge"_s)->itemText(1), u"no"_s);
}

void TestSuccessioneWindow::text1QuotesArticle540()
{
    // The same paragraph as in the norms window's text of Title I.
    QFile norms(QStringLiteral(QUOTARA_SOURCE_DIR "/src/norms/data/titoloI_Text2.txt"));
    QVERIFY(norms.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(norms.readAll()).split(u'\n');
    const auto paragraph = std::find_if(lines.begin(), lines.end(), [](const QString& line) {
        return line.startsWith(u"Al coniuge, anche quando concorra con altri chiamati"_s);
    });
    QVERIFY(paragraph != lines.end());
    const QString text1 = m_window->findChild<QPlainTextEdit*>(u"Text1"_s)->toPlainText();
    QCOMPARE(text1, u"Art.540 C.C. secondo comma: \""_s + paragraph->trimmed() +
                        u"\" (Secondo la giurisprudenza tale comma è applicabile sia alla "
                        u"successione testamentaria che alla successione legittima)."_s);
}

void TestSuccessioneWindow::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("decuius") << u"decuius"_s << Twips::rect(2400, 1200, 2655, 255);
    QTest::newRow("spiega1_3") << u"spiega1_3"_s << Twips::rect(5040, 1680, 255, 255);
    QTest::newRow("guidafinestra") << u"guidafinestra"_s << Twips::rect(5400, 840, 3975, 1095);
    QTest::newRow("Frame7") << u"Frame7"_s << Twips::rect(120, 2040, 9255, 3495);
    QTest::newRow("quota1_3") << u"quota1_3"_s << Twips::rect(3360, 1680, 1335, 255);
    QTest::newRow("quotafratello_2") << u"quotafratello_2"_s << Twips::rect(4680, 3000, 735, 255);
    QTest::newRow("spiega1_11") << u"spiega1_11"_s << Twips::rect(2400, 3000, 255, 255);
    QTest::newRow("Label12") << u"Label12"_s << Twips::rect(120, 2160, 2295, 255);
    QTest::newRow("nota") << u"nota"_s << Twips::rect(6840, 2520, 2295, 735);
    QTest::newRow("passo") << u"passo"_s << Twips::rect(2400, 5550, 4695, 690);
    QTest::newRow("cmdavanti") << u"cmdavanti"_s << Twips::rect(7200, 5760, 1095, 375);
}

void TestSuccessioneWindow::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    auto* widget = m_window->findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
}

void TestSuccessioneWindow::typingChildren()
{
    QTest::keyClicks(edit(u"figli"_s), u"2"_s);
    QCOMPARE(m_window->state().figli, 2.0);
    QCOMPARE(label(u"quotaconiuge_2"_s), u"1/3"_s);
    QCOMPARE(label(u"quotafigli_2"_s), u"2/3"_s);
    QCOMPARE(label(u"quota2_1"_s), u"66,67"_s);
    QCOMPARE(label(u"quota2_3"_s), u"33,33"_s);
    QCOMPARE(label(u"quotafiglio_2"_s), u"33,333"_s);
    QCOMPARE(m_window->findChild<QPlainTextEdit*>(u"art"_s)->toPlainText(), u"540 581"_s);

    // Back to no children: the clearing change leaves no child share behind.
    QTest::keyClick(edit(u"figli"_s), Qt::Key_Backspace);
    QCOMPARE(label(u"quotafigli_2"_s), QString());
    QCOMPARE(label(u"quotafiglio_2"_s), QString());
    QCOMPARE(label(u"quotaconiuge_2"_s), u"intero"_s);
}

void TestSuccessioneWindow::choosingEntrambeFillsBothColumns()
{
    retype(edit(u"beni"_s), u"120000"_s);
    QTest::keyClicks(edit(u"figli"_s), u"2"_s);
    chooseItem(u"successione"_s, u"entrambe"_s);
    QCOMPARE(m_window->state().successione, typeAt(3));
    QCOMPARE(label(u"quotafigli_1"_s), u"2/4"_s);
    QCOMPARE(label(u"quota1_1"_s), u"60.000,00"_s);
    QCOMPARE(label(u"quotaconiuge_1"_s), u"1/4"_s);
    QCOMPARE(label(u"quotadisponibile_1"_s), u"1/4"_s);
    QCOMPARE(label(u"quota1_5"_s), u"30.000,00"_s);
    QCOMPARE(label(u"quotafiglio_1"_s), u"25"_s);
    QCOMPARE(label(u"quotafigli_2"_s), u"2/3"_s);
    QCOMPARE(label(u"quota2_1"_s), u"80.000,00"_s);
    QCOMPARE(label(u"quota2_6"_s), u"40.000,00"_s);
    QCOMPARE(label(u"quotafiglio_2"_s), u"33,333"_s);
    QCOMPARE(m_window->findChild<QPlainTextEdit*>(u"art"_s)->toPlainText(), u"540 542 581"_s);

    // Chosen from the list, "testamentaria" clears column 2.
    chooseItem(u"successione"_s, u"testamentaria"_s);
    QCOMPARE(label(u"quotafigli_1"_s), u"2/4"_s);
    QCOMPARE(label(u"quotafigli_2"_s), QString());
    QCOMPARE(label(u"quota2_1"_s), QString());
}

void TestSuccessioneWindow::typingTypeShowsOnlyItsColumn()
{
    retype(edit(u"successione"_s), u"testamentaria"_s);
    QCOMPARE(m_window->state().successione, typeAt(1));
    QCOMPARE(label(u"quotaconiuge_1"_s), u"1/2"_s);
    QCOMPARE(label(u"quota1_3"_s), u"50,00"_s);
    QCOMPARE(label(u"quotadisponibile_1"_s), u"1/2"_s);
    QCOMPARE(label(u"quotaconiuge_2"_s), QString());
    QCOMPARE(label(u"quota2_3"_s), QString());
    QCOMPARE(m_window->findChild<QPlainTextEdit*>(u"art"_s)->toPlainText(), u"540"_s);

    // Typing a new value leaves no amount of the old one on view.
    QTest::keyClicks(edit(u"figli"_s), u"1"_s);
    QCOMPARE(label(u"quota1_1"_s), u"33,33"_s);
    retype(edit(u"beni"_s), u"600"_s);
    QCOMPARE(label(u"quota1_1"_s), u"200,00"_s);
    QCOMPARE(label(u"quota1_3"_s), u"200,00"_s);
    QCOMPARE(label(u"quota1_5"_s), u"200,00"_s);
}

void TestSuccessioneWindow::smallAmountsShown()
{
    retype(edit(u"beni"_s), u"0,5"_s);
    QCOMPARE(label(u"quota2_3"_s), u"0,50"_s);
    QTest::keyClicks(edit(u"figli"_s), u"3"_s);
    QCOMPARE(label(u"quota2_1"_s), u"0,33"_s);
    QCOMPARE(label(u"quota2_3"_s), u"0,17"_s);
    QCOMPARE(label(u"quota2_6"_s), u"0,11"_s);
    QCOMPARE(label(u"quotafiglio_2"_s), u"22,222"_s);
}

void TestSuccessioneWindow::invalidInputClearsResults_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("mended");
    QTest::addColumn<QString>("passo");
    const QString count = u" deve essere un numero intero: 0, 1, 2 e così via (vuoto vale 0)"_s;
    const QString value = u"il valore dei beni deve essere un numero maggiore di zero "
                          u"(ad esempio 120.000,50)"_s;
    QTest::newRow("value emptied")
        << u"beni"_s << QString() << u"90"_s
        << u"digitare il valore numerico della stima dei beni che formano l'asse ereditario"_s;
    QTest::newRow("value zero") << u"beni"_s << u"0"_s << u"90"_s << value;
    QTest::newRow("negative value") << u"beni"_s << u"-90"_s << u"90"_s << value;
    QTest::newRow("value with letters") << u"beni"_s << u"90abc"_s << u"90"_s << value;
    QTest::newRow("half a child") << u"figli"_s << u"0.5"_s << u"0"_s
                                  << u"il numero dei figli"_s + count;
    QTest::newRow("negative ascendants")
        << u"ascendenti"_s << u"-1"_s << u"1"_s << u"il numero degli ascendenti"_s + count;
    QTest::newRow("brothers with a letter")
        << u"fratelli"_s << u"2x"_s << u"3"_s << u"il numero dei fratelli"_s + count;
    const QString type =
        u"la tipologia della successione deve essere testamentaria, legittima o entrambe"_s;
    QTest::newRow("unknown type") << u"successione"_s << u"xyz"_s << u"entrambe"_s << type;
    QTest::newRow("type cut short") << u"successione"_s << u"entramb"_s << u"entrambe"_s << type;
    QTest::newRow("unknown spouse") << u"coniuge"_s << u"forse"_s << u"no"_s
                                    << u"il coniuge deve essere indicato con sì o no"_s;
    const QString digits = u"il valore dei beni può avere al massimo 15 cifre (ad esempio "
                           u"120.000,50)"_s;
    QTest::newRow("twenty digits") << u"beni"_s << u"99999999999999999999"_s << u"90"_s << digits;
    QTest::newRow("sixteen digits") << u"beni"_s << u"1234567890123456"_s << u"90"_s << digits;
    QTest::newRow("sixteen with decimals")
        << u"beni"_s << u"12.345.678.901.234,56"_s << u"90"_s << digits;
}

void TestSuccessioneWindow::invalidInputClearsResults()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, mended);
    QFETCH(QString, passo);

    // Ascendants with brothers and sisters, both columns: every kind of result on view.
    m_window->setCaseRecord(
        {u"Verdi"_s, u"entrambe"_s, u"90"_s, QString(), u"1"_s, u"no"_s, u"3"_s});
    auto* nota = m_window->findChild<QPlainTextEdit*>(u"nota"_s);
    auto* art = m_window->findChild<QPlainTextEdit*>(u"art"_s);
    QVERIFY(!nota->isHidden());
    QCOMPARE(label(u"quotafratello_2"_s), u"16,667"_s);
    const QString before = label(u"passo"_s);
    QVERIFY(before.startsWith(u"immettere il numero"_s));

    retype(edit(field), text);
    QCOMPARE(label(u"passo"_s), passo);
    QVERIFY(nota->isHidden());
    QCOMPARE(nota->toPlainText(), QString());
    QCOMPARE(art->toPlainText(), QString());
    const QStringList fractions{u"quotafigli"_s,    u"quotaascendenti"_s, u"quotaconiuge"_s,
                                u"quotafratelli"_s, u"quotafiglio"_s,     u"quotaascendente"_s,
                                u"quotafratello"_s};
    for (int column = 1; column <= 2; ++column) {
        for (int row = 1; row <= 8; ++row)
            QCOMPARE(label(u"quota%1_%2"_s.arg(column).arg(row)), QString());
        for (const QString& name : fractions)
            QCOMPARE(label(u"%1_%2"_s.arg(name).arg(column)), QString());
    }
    QCOMPARE(label(u"quotadisponibile_1"_s), QString());
    QCOMPARE(label(u"quotadisponibile_2"_s), u"0"_s);

    // Mended, the field gives back the shares and passo its earlier text.
    retype(edit(field), mended);
    QCOMPARE(label(u"passo"_s), before);
    QVERIFY(!art->toPlainText().isEmpty());
    QVERIFY(!label(u"quotadisponibile_1"_s).isEmpty());
}

void TestSuccessioneWindow::wordsInAnyCase_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("proper");
    QTest::addColumn<QString>("spouseShare"); // quotaconiuge_2 with one child
    QTest::newRow("si without accent") << u"coniuge"_s << u"si"_s << u"sì"_s << u"1/2"_s;
    QTest::newRow("SÌ in capitals") << u"coniuge"_s << u"SÌ"_s << u"sì"_s << u"1/2"_s;
    QTest::newRow("No with blanks") << u"coniuge"_s << u" No "_s << u"no"_s << QString();
    QTest::newRow("Legittima") << u"successione"_s << u"Legittima"_s << u"legittima"_s << u"1/2"_s;
    QTest::newRow("ENTRAMBE with blanks")
        << u"successione"_s << u"  ENTRAMBE "_s << u"entrambe"_s << u"1/2"_s;
}

void TestSuccessioneWindow::wordsInAnyCase()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, proper);
    QFETCH(QString, spouseShare);
    // Leaving a field is a focus change, which only an active window has.
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QTest::keyClicks(edit(u"figli"_s), u"1"_s);
    retype(edit(field), typed);
    QCOMPARE(label(u"quotaconiuge_2"_s), spouseShare);
    QCOMPARE(label(u"passo"_s).contains(u"deve essere"_s), false);
    // Leaving the field writes the word as the list has it.
    QTest::keyClick(edit(field), Qt::Key_Tab);
    QCOMPARE(m_window->findChild<QComboBox*>(field)->currentText(), proper);
    QCOMPARE(label(u"quotaconiuge_2"_s), spouseShare);
}

void TestSuccessioneWindow::nameChangesNothing()
{
    QTest::keyClicks(edit(u"figli"_s), u"3"_s);
    const Results before = m_window->results();
    QVERIFY(label(u"passo"_s).startsWith(u"aprire un file"_s));
    QTest::keyClicks(edit(u"decuius"_s), u"Mario Rossi"_s);
    QCOMPARE(m_window->caseRecord().decuius, u"Mario Rossi"_s);
    QVERIFY(m_window->results() == before);
    QCOMPARE(label(u"quotafiglio_2"_s), u"22,222"_s);
    // Only the guidance moves on to the next step.
    QVERIFY(label(u"passo"_s).startsWith(u"immettere il numero"_s));
}

void TestSuccessioneWindow::explanations_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("begins");
    QTest::newRow("1") << 1 << u"Il de cuius (parola latina) è la persona defunta"_s;
    QTest::newRow("2") << 2 << u"La tipologia della successione (testamentaria o legittima)"_s;
    QTest::newRow("3") << 3
                       << u"Per semplicità bisogna indicare il valore dei beni oggetto "
                          u"dell'asse ereditario."_s;
    QTest::newRow("4") << 4 << u"La quota spettante ai figli, naturali e legittimi"_s;
    QTest::newRow("5") << 5 << u"Gli ascendenti sono i genitori, ma anche i nonni"_s;
    QTest::newRow("6") << 6 << u"Al coniuge spetta sempre il diritto di abitazione"_s;
    QTest::newRow("7") << 7 << u"I fratelli e le sorelle unilaterali"_s;
    QTest::newRow("8") << 8 << u"La parte di eredità disponibile esiste solo se"_s;
    QTest::newRow("9") << 9 << u"Viene riportata in percentuale sull'eredità"_s;
    QTest::newRow("10") << 10 << u"In caso di pluralità di ascendenti legittimi"_s;
    QTest::newRow("11") << 11 << u"I fratelli e le sorelle unilaterali"_s;
}

void TestSuccessioneWindow::explanations()
{
    QFETCH(int, index);
    QFETCH(QString, begins);
    // Also with every field empty.
    m_window->setCaseRecord({});
    const Results before = m_window->results();
    auto* button = m_window->findChild<QPushButton*>(u"spiega1_%1"_s.arg(index));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(m_t->prompts.calls().size(), 1);
    const FakePrompts::Call call = m_t->prompts.last();
    QCOMPARE(call.kind, FakePrompts::Kind::Inform);
    QCOMPARE(call.title, u"Quotara: aiuto in linea"_s);
    QVERIFY2(call.text.startsWith(begins), qPrintable(call.text));
    QCOMPARE(call.text, SuccessionTexts::spiegazione(index));
    QVERIFY(m_window->results() == before);
    if (index == 11)
        QCOMPARE(call.text, SuccessionTexts::spiegazione(7));
}

void TestSuccessioneWindow::explanationOutOfRange()
{
    m_window->spiega1_Click(0);
    m_window->spiega1_Click(12);
    QCOMPARE(m_t->prompts.calls().size(), 2);
    QCOMPARE(m_t->prompts.calls().at(0).text, SuccessionTexts::spiegazione(1));
    QCOMPARE(m_t->prompts.calls().at(1).text, SuccessionTexts::spiegazione(1));
}

void TestSuccessioneWindow::aiutoShowsSteps()
{
    QTest::mouseClick(m_window->findChild<QPushButton*>(u"aiuto"_s), Qt::LeftButton);
    const FakePrompts::Call call = m_t->prompts.last();
    QCOMPARE(call.kind, FakePrompts::Kind::Inform);
    QCOMPARE(call.title, Quotaramod::titoloaiuto());
    QCOMPARE(call.text,
             u"- Digitare le informazioni sui dati generali della successione;\r"
             u"- digitare il numero di eredi per ogni tipo e scegliere la presenza o meno del "
             u"coniuge;\r"
             u"- o aprire un file archiviato per prelevare i dati;\r"
             u"- seguire le indicazioni in linea nella casella gialla;\r"
             u"- procedere con la consultazione delle norme del Codice Civile cliccando sul tasto "
             u"Norme."_s);
}

void TestSuccessioneWindow::aggiornapasso_data()
{
    QTest::addColumn<QString>("decuius");
    QTest::addColumn<QString>("successione");
    QTest::addColumn<QString>("beni");
    QTest::addColumn<QString>("passo");
    QTest::newRow("no name") << QString() << QString() << u"100"_s
                             << u"aprire un file con i dati archiviati o iniziare l'immissione "
                                u"dei dati digitando il nome del de cuius"_s;
    QTest::newRow("no type") << u"Rossi"_s << QString() << u"100"_s
                             << u"scegliere la tipologia della successione"_s;
    QTest::newRow("no value") << u"Rossi"_s << u"legittima"_s << QString()
                              << u"digitare il valore numerico della stima dei beni che formano "
                                 u"l'asse ereditario"_s;
    QTest::newRow("unknown type") << u"Rossi"_s << u"xyz"_s << u"5"_s
                                  << u"la tipologia della successione deve essere "
                                     u"testamentaria, legittima o entrambe"_s;
    QTest::newRow("all there") << u"Rossi"_s << u"legittima"_s << u"5"_s
                               << u"immettere il numero di ogni tipo di erede, correggere, "
                                  u"archiviare quanto immesso, visualizzare le quote "
                                  u"dell'eredità"_s;
}

void TestSuccessioneWindow::aggiornapasso()
{
    QFETCH(QString, decuius);
    QFETCH(QString, successione);
    QFETCH(QString, beni);
    QFETCH(QString, passo);
    CaseRecord record = m_window->caseRecord();
    record.decuius = decuius;
    record.successione = successione;
    record.beni = beni;
    // The guidance follows the fields as they are filled, without a call.
    m_window->setCaseRecord(record);
    QCOMPARE(label(u"passo"_s), passo);
    retype(edit(u"decuius"_s), decuius);
    QCOMPARE(label(u"passo"_s), passo);
}

void TestSuccessioneWindow::caseRecordRecomputes()
{
    const CaseRecord record{
        u"Anna, vedova Bianchi"_s, u"entrambe"_s, u"90000"_s, QString(), u"2"_s, u"sì"_s, u"1"_s};
    m_window->setCaseRecord(record);
    QCOMPARE(m_window->caseRecord(), record);

    Calculator expected = Calculator::opened();
    expected.apply(record);
    QVERIFY(m_window->results() == expected.results());
    QCOMPARE(label(u"quotaascendenti_2"_s), u"3/12"_s);
    QCOMPARE(label(u"quota2_3"_s), u"60.000,00"_s);
    QCOMPARE(label(u"quotaascendente_1"_s), u"12,5"_s);
    QCOMPARE(label(u"quotafratelli_1"_s), u"nulla"_s);
}

void TestSuccessioneWindow::saveAndOpenThroughToolbarAndMenu()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"Quotara-dati-rossi"_s);
    const CaseRecord saved{u"Rossi, Mario"_s, u"entrambe"_s, u"120000"_s, u"2"_s,
                           QString(),         u"sì"_s,       QString()};
    m_window->setCaseRecord(saved);
    m_t->prompts.chooseNext(path);
    m_window->findChild<QAction*>(u"Toolbar1_2"_s)->trigger();
    QVERIFY(QFile::exists(path));
    QCOMPARE(m_window->nomefile(), path);

    m_window->setCaseRecord(
        {u"Verdi"_s, u"legittima"_s, u"5"_s, QString(), u"1"_s, u"no"_s, u"3"_s});
    QCOMPARE(label(u"quotaascendenti_2"_s), u"min.metà"_s);

    m_t->prompts.chooseNext(path);
    m_window->findChild<QAction*>(u"apri"_s)->trigger();
    QCOMPARE(m_window->caseRecord(), saved);
    QCOMPARE(label(u"quotaascendenti_2"_s), QString());
    QCOMPARE(label(u"quota1_1"_s), u"60.000,00"_s);
    QCOMPARE(label(u"quotafiglio_2"_s), u"33,333"_s);
    QCOMPARE(m_window->findChild<QPlainTextEdit*>(u"art"_s)->toPlainText(), u"540 542 581"_s);
}

void TestSuccessioneWindow::printThroughToolbar()
{
    QTest::keyClicks(edit(u"figli"_s), u"2"_s);
    m_window->findChild<QAction*>(u"Toolbar1_4"_s)->trigger();
    QCOMPARE(m_t->presenter.count(), 1);
    QCOMPARE(m_t->presenter.lastPurpose(), u"successione"_s);
    QCOMPARE(label(u"passo"_s), u"il documento è nell'anteprima: da lì si stampa, si salva come "
                                u"ODT o si esporta in PDF"_s);
    // Handed to the word processor, the document's file is named; the next
    // change brings the guidance back.
    m_t->presenter.outcome = {Presentation::Place::WordProcessor, u"/tmp/q/Quotara-s.odt"_s};
    m_window->stampa_Click();
    QCOMPARE(label(u"passo"_s), u"ho visualizzato il testo su Word (file /tmp/q/Quotara-s.odt)"_s);
    QTest::keyClicks(edit(u"figli"_s), u"3"_s);
    QVERIFY(label(u"passo"_s).startsWith(u"aprire un file"_s));
    const QString text = m_t->presenter.at(0)->toPlainText();
    QVERIFY2(text.contains(u"Risultati della successione (articoli del Codice civile n.540 581)"_s),
             qPrintable(text));
    QVERIFY(text.contains(u"33,333"_s));
}

void TestSuccessioneWindow::deleteAsksForTheFile()
{
    m_window->findChild<QAction*>(u"Toolbar1_3"_s)->trigger();
    QCOMPARE(m_t->prompts.calls().size(), 1);
    QCOMPARE(m_t->prompts.last().kind, FakePrompts::Kind::OpenFile);
    QCOMPARE(m_t->prompts.last().title, Quotaramod::titoloelimina());
}

namespace {

/// Stands for the detailed window: records the case it is handed.
class GridCaseRecorder : public QWidget, public GridCaseTaker
{
public:
    void startFromGrid(const CaseRecord& record, const Results& results) override
    {
        records.append(record);
        arts.append(results.art);
    }
    QList<CaseRecord> records;
    QStringList arts;
};

} // namespace

void TestSuccessioneWindow::dettaglioHandsOverTheCase_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("button") << u"button"_s;
    QTest::newRow("menu") << u"menu"_s;
    QTest::newRow("shortcut") << u"shortcut"_s;
}

void TestSuccessioneWindow::dettaglioHandsOverTheCase()
{
    QFETCH(QString, how);
    GridCaseRecorder* recorder = nullptr;
    m_t->forms.registerFactory(WindowId::dettaglio, [&recorder](Forms&) {
        auto window = std::make_unique<GridCaseRecorder>();
        recorder = window.get();
        return window;
    });
    QTest::keyClicks(edit(u"figli"_s), u"2"_s);
    auto* action = m_window->findChild<QAction*>(u"dettaglio"_s);
    QVERIFY(action);
    QCOMPARE(action->text(), u"Calcolo &dettagliato..."_s);
    QCOMPARE(action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_I));
    auto* button = m_window->findChild<QPushButton*>(u"cmddettaglio"_s);
    QVERIFY(button);
    QCOMPARE(button->text(), u"&Dettaglio"_s);
    QVERIFY(!button->accessibleName().isEmpty());
    if (how == u"button") {
        QTest::mouseClick(button, Qt::LeftButton);
    } else if (how == u"menu") {
        action->trigger();
    } else {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        QTest::keyClick(m_window, Qt::Key_I, Qt::ControlModifier);
    }
    QVERIFY(recorder);
    QVERIFY(recorder->isVisible());
    QCOMPARE(recorder->records.size(), 1);
    QCOMPARE(recorder->records.first(), m_window->caseRecord());
    QCOMPARE(recorder->arts.first(), u"540 581"_s);
}

void TestSuccessioneWindow::dettaglioButtonKeepsTheLayout()
{
    auto* button = m_window->findChild<QPushButton*>(u"cmddettaglio"_s);
    QVERIFY(button);
    QWidget* area = button->parentWidget();
    QVERIFY(area->rect().contains(button->geometry()));
    QVERIFY(button->geometry().top() >= Twips::toPixels(MainFrame::toolbarHeightTwips));
    for (QWidget* other : area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other == button || !other->isVisibleTo(m_window) || other->inherits("QToolBar"))
            continue;
        QVERIFY2(!other->geometry().intersects(button->geometry()),
                 qPrintable(other->objectName()));
    }
}

void TestSuccessioneWindow::savingIsVisible()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Quotara-dati-rossi"_s);
    QCOMPARE(m_window->windowTitle(), u"Quotara: dati della successione"_s);
    retype(edit(u"decuius"_s), u"Rossi"_s);
    QCOMPARE(m_window->windowTitle(), u"Quotara: dati della successione *"_s);

    m_t->prompts.chooseNext(path);
    m_window->findChild<QAction*>(u"salvanome"_s)->trigger();
    QVERIFY(QFile::exists(path));
    QCOMPARE(label(u"passo"_s), u"caso salvato in "_s + QDir::toNativeSeparators(path));
    QCOMPARE(m_window->windowTitle(), u"Quotara: dati della successione - Quotara-dati-rossi"_s);

    QTest::keyClicks(edit(u"figli"_s), u"2"_s);
    QCOMPARE(m_window->windowTitle(), u"Quotara: dati della successione - Quotara-dati-rossi *"_s);
    QVERIFY(!label(u"passo"_s).startsWith(u"caso salvato"_s));
    m_window->salva_Click();
    QCOMPARE(m_window->windowTitle(), u"Quotara: dati della successione - Quotara-dati-rossi"_s);

    m_t->prompts.chooseNext(path);
    m_window->eliminare_click();
    QVERIFY(!QFile::exists(path));
    QCOMPARE(label(u"passo"_s), u"file spostato nel cestino: "_s + QDir::toNativeSeparators(path));
}

void TestSuccessioneWindow::noSavingWithoutTheName()
{
    QTemporaryDir dir;
    for (const QString& name : {u"salva"_s, u"salvanome"_s, u"Toolbar1_2"_s}) {
        m_t->prompts.clear();
        m_t->prompts.chooseNext(dir.filePath(u"Quotara-dati-anonimo"_s));
        m_window->findChild<QAction*>(name)->trigger();
        QCOMPARE(m_t->prompts.calls().size(), 1);
        QCOMPARE(m_t->prompts.last().kind, FakePrompts::Kind::Warn);
        QCOMPARE(m_t->prompts.last().title, Quotaramod::titolocontrollo());
        QVERIFY(m_t->prompts.last().text.contains(u"de cuius"_s));
        QVERIFY(QDir(dir.path()).isEmpty());
    }
}

void TestSuccessioneWindow::dialogsStartWhereTheLastCaseWas()
{
    const QString caseEntry = u"File Quotara-dati- (Quotara-dati-*)"_s;
    m_window->apri_Click();
    QCOMPARE(m_t->prompts.last().request.selectedFilter, caseEntry);
    m_window->eliminare_click();
    QCOMPARE(m_t->prompts.last().request.selectedFilter, caseEntry);

    QTemporaryDir dir;
    const QString path = dir.filePath(u"Quotara-dati-verdi"_s);
    retype(edit(u"decuius"_s), u"Verdi"_s);
    m_t->prompts.chooseNext(path);
    m_window->salvanome_Click();
    QVERIFY(QFile::exists(path));

    // A new run of the program starts every dialog in that folder.
    cleanup();
    init();
    for (const QString& name : {u"apri"_s, u"eliminare"_s, u"salvanome"_s}) {
        retype(edit(u"decuius"_s), u"Verdi"_s);
        m_window->findChild<QAction*>(name)->trigger();
        QCOMPARE(QDir(m_t->prompts.last().request.directory), QDir(dir.path()));
    }
}

NormsWindow* TestSuccessioneWindow::showing(const QString& label) const
{
    const Norms::Article* article = Norms::ArticleIndex::codice().find(label);
    auto* window =
        article ? qobject_cast<NormsWindow*>(m_t->forms.loadedForm(article->title)) : nullptr;
    if (!window || !window->isVisible() || window->highlightedArticle() != article)
        return nullptr;
    return window;
}

void TestSuccessioneWindow::articlesAreLinks_data()
{
    QTest::addColumn<bool>("keyboard");
    QTest::addColumn<int>("link");
    QTest::addColumn<QString>("article");
    QTest::newRow("click 581") << false << 1 << u"581"_s;
    QTest::newRow("click 540") << false << 0 << u"540"_s;
    QTest::newRow("Tab, Enter") << true << 0 << u"540"_s;
    QTest::newRow("Tab, Tab, Enter") << true << 1 << u"581"_s;
}

// Each article number of `art` opens its Title at the article, and the
// calculator stays open underneath.
void TestSuccessioneWindow::articlesAreLinks()
{
    QFETCH(bool, keyboard);
    QFETCH(int, link);
    QFETCH(QString, article);
    registerNormsWindows(m_t->forms);
    QTest::keyClicks(edit(u"figli"_s), u"2"_s);
    auto* art = m_window->findChild<QPlainTextEdit*>(u"art"_s);
    QCOMPARE(art->toPlainText(), u"540 581"_s);

    if (keyboard) {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        QWidget* before = art->previousInFocusChain();
        while (!(before->focusPolicy() & Qt::TabFocus) || !before->isVisible())
            before = before->previousInFocusChain();
        before->setFocus();
        QTest::keyClick(before, Qt::Key_Tab);
        QVERIFY(art->hasFocus());
        for (int i = 0; i < link; ++i)
            QTest::keyClick(art, Qt::Key_Tab);
        QCOMPARE(art->textCursor().selectedText(), article);
        QTest::keyClick(art, Qt::Key_Return);
    } else {
        QTextCursor cursor(art->document());
        cursor.setPosition(art->toPlainText().indexOf(article) + 1);
        QTest::mouseClick(art->viewport(), Qt::LeftButton, {}, art->cursorRect(cursor).center());
    }
    QVERIFY(showing(article));
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_window->findChild<QLineEdit*>(u"figli"_s)->text(), u"2"_s);
}

QTEST_MAIN(TestSuccessioneWindow)
#include "tst_successionewindow.moc"

#include "app/quotaramod.h"
#include "documentprobe.h"
#include "family/dettagliowindow.h"
#include "family/familyfile.h"
#include "family/familyfilecommands.h"
#include "family/familylabels.h"
#include "family/familymodel.h"
#include "norms/articleindex.h"
#include "norms/articlelinks.h"
#include "norms/normswindow.h"
#include "succession/casefile.h"
#include "succession/successionewindow.h"
#include "testforms.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextTable>
#include <QToolButton>
#include <QTreeView>

using namespace Qt::Literals::StringLiterals;
using namespace Family;

void registerHelpWindows(Forms& forms);
void registerNormsWindows(Forms& forms);

class TestDettaglioWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void opening();
    void everyFieldHasAnAccessibleName();
    void addActions_data();
    void addActions();
    void descendantNeedsAPerson();
    void removeAsksOnlyForDescendants();
    void formEditsThePerson();
    void liveRecomputation();
    void bothKindsSideBySide();
    void invalidInputShowsNoResult_data();
    void invalidInputShowsNoResult();
    void saveAndReopen();
    void openFailuresLoadNothing_data();
    void openFailuresLoadNothing();
    void saveFailures();
    void printsTheReport();
    void keyboardAlone();
    void mnemonicsAreUnique();
    void helpOpensTheGuide();
    void fromTheGrid();
    void fromTheGridAsksAboutAscendants_data();
    void fromTheGridAsksAboutAscendants();
    void fromTheGridAsksBeforeDroppingChanges();
    void shareArticlesAreLinks_data();
    void shareArticlesAreLinks();
    void stepArticlesAreLinks();

private:
    template <class T> T* child(const QString& name) const
    {
        T* found = m_window->findChild<T*>(name);
        if (!found)
            qWarning("missing %s", qPrintable(name));
        return found;
    }
    void trigger(const QString& action) const;
    void retype(const QString& field, const QString& text) const;
    void choose(const QString& combo, const QString& text) const;
    /// The rows of a shares table: "name quota valore".
    QStringList shares(const QString& table) const;
    void buildIssueFamily();
    /// The norms window showing `label` highlighted, null when none does.
    NormsWindow* showing(const QString& label) const;

    std::unique_ptr<TestForms> m_t;
    std::unique_ptr<QTemporaryDir> m_dir;
    DettaglioWindow* m_window = nullptr;
};

void TestDettaglioWindow::init()
{
    m_t = std::make_unique<TestForms>();
    m_dir = std::make_unique<QTemporaryDir>();
    registerFamilyWindows(m_t->forms);
    registerHelpWindows(m_t->forms);
    m_window = qobject_cast<DettaglioWindow*>(m_t->forms.show(WindowId::dettaglio));
    QVERIFY(m_window);
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestDettaglioWindow::cleanup()
{
    m_t->forms.unload(WindowId::dettaglio);
    m_t.reset();
    m_dir.reset();
    m_window = nullptr;
}

void TestDettaglioWindow::trigger(const QString& action) const
{
    auto* found = child<QAction>(action);
    QVERIFY(found);
    found->trigger();
}

void TestDettaglioWindow::retype(const QString& field, const QString& text) const
{
    auto* edit = child<QLineEdit>(field);
    QVERIFY(edit);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void TestDettaglioWindow::choose(const QString& combo, const QString& text) const
{
    auto* box = child<QComboBox>(combo);
    QVERIFY(box);
    const int index = box->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    box->setCurrentIndex(index);
}

QStringList TestDettaglioWindow::shares(const QString& table) const
{
    QStringList rows;
    auto* widget = child<QTableWidget>(table);
    if (!widget)
        return rows;
    for (int row = 0; row < widget->rowCount(); ++row)
        rows << widget->item(row, 0)->text() + u' ' + widget->item(row, 1)->text() + u' ' +
                    widget->item(row, 3)->text();
    return rows;
}

// A spouse, a predeceased child with two children, a renouncing brother and
// a half-sister, as a user enters them.
void TestDettaglioWindow::buildIssueFamily()
{
    retype(u"decuius"_s, u"Mario Rossi"_s);
    retype(u"relictum"_s, u"120000"_s);
    trigger(u"aggiungiconiuge"_s);
    retype(u"nome"_s, u"Anna"_s);
    trigger(u"aggiungifiglio"_s);
    retype(u"nome"_s, u"Luca"_s);
    choose(u"stato"_s, u"premorto"_s);
    trigger(u"aggiungidiscendente"_s);
    retype(u"nome"_s, u"Sara"_s);
    m_window->selectPerson(m_window->model().familyCase().people.at(1).id);
    trigger(u"aggiungidiscendente"_s);
    retype(u"nome"_s, u"Paolo"_s);
    trigger(u"aggiungifratello"_s);
    retype(u"nome"_s, u"Piero"_s);
    choose(u"stato"_s, u"rinunziante"_s);
    trigger(u"aggiungifratello"_s);
    retype(u"nome"_s, u"Carla"_s);
    choose(u"vincolo"_s, u"unilaterale"_s);
}

void TestDettaglioWindow::opening()
{
    QCOMPARE(m_window->windowTitle(), u"Quotara: calcolo dettagliato della successione"_s);
    QCOMPARE(m_window->objectName(), u"dettaglio"_s);
    QCOMPARE(m_window->model().familyCase().people.size(), 0);
    QVERIFY(!child<QGroupBox>(u"persona"_s)->isEnabled());
    // Nothing typed yet: the value of the estate is missing, so no result.
    QVERIFY(child<QLabel>(u"passo"_s)->text().contains(u"valore dei beni"_s));
    QVERIFY(!m_window->outcome());
    QCOMPARE(m_t->forms.show(WindowId::dettaglio), m_window);
}

void TestDettaglioWindow::everyFieldHasAnAccessibleName()
{
    const QList<QWidget*> widgets = m_window->findChildren<QWidget*>();
    int checked = 0;
    for (QWidget* widget : widgets) {
        if (widget->focusPolicy() == Qt::NoFocus || widget->objectName().isEmpty() ||
            widget->objectName().startsWith(u"qt_"_s))
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(accessible);
        QVERIFY2(!accessible->text(QAccessible::Name).isEmpty(), qPrintable(widget->objectName()));
        ++checked;
    }
    QVERIFY2(checked >= 25, qPrintable(QString::number(checked)));
}

void TestDettaglioWindow::addActions_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<Relation>("relation");
    QTest::addColumn<QString>("relationText");
    QTest::newRow("coniuge") << u"aggiungiconiuge"_s << Relation::Coniuge << u"coniuge"_s;
    QTest::newRow("unito") << u"aggiungiunito"_s << Relation::UnitoCivilmente
                           << u"unito civilmente"_s;
    QTest::newRow("figlio") << u"aggiungifiglio"_s << Relation::Figlio << u"figlio"_s;
    QTest::newRow("genitore") << u"aggiungigenitore"_s << Relation::Genitore
                              << u"genitore (linea paterna)"_s;
    QTest::newRow("ascendente") << u"aggiungiascendente"_s << Relation::Ascendente
                                << u"ascendente (grado 2, linea paterna)"_s;
    QTest::newRow("fratello") << u"aggiungifratello"_s << Relation::Fratello
                              << u"fratello germano"_s;
    QTest::newRow("parente") << u"aggiungiparente"_s << Relation::Parente
                             << u"parente di grado 3"_s;
}

void TestDettaglioWindow::addActions()
{
    QFETCH(QString, action);
    QFETCH(Relation, relation);
    QFETCH(QString, relationText);
    trigger(action);
    const FamilyCase& familyCase = m_window->model().familyCase();
    QCOMPARE(familyCase.people.size(), 1);
    QCOMPARE(familyCase.people.first().relation, relation);
    QVERIFY(familyCase.people.first().parent.isEmpty());
    auto* tree = child<QTreeView>(u"famiglia"_s);
    QCOMPARE(tree->currentIndex().siblingAtColumn(FamilyModel::RelationColumn).data().toString(),
             relationText);
    QVERIFY(child<QGroupBox>(u"persona"_s)->isEnabled());
    QCOMPARE(child<QComboBox>(u"relazione"_s)->currentText(), FamilyLabels::label(relation));
}

void TestDettaglioWindow::descendantNeedsAPerson()
{
    trigger(u"aggiungidiscendente"_s);
    QVERIFY(m_window->model().familyCase().people.isEmpty());
    QVERIFY(child<QLabel>(u"passo"_s)->text().contains(u"scegliere nell'albero"_s));
    trigger(u"aggiungifratello"_s);
    trigger(u"aggiungidiscendente"_s);
    trigger(u"aggiungidiscendente"_s);
    const QList<Person>& people = m_window->model().familyCase().people;
    QCOMPARE(people.size(), 3);
    QCOMPARE(people.at(1).parent, people.at(0).id);
    QCOMPARE(people.at(2).parent, people.at(1).id);
    QVERIFY(!child<QComboBox>(u"relazione"_s)->isEnabled());
}

void TestDettaglioWindow::removeAsksOnlyForDescendants()
{
    trigger(u"aggiungifratello"_s);
    trigger(u"aggiungifiglio"_s);
    trigger(u"aggiungidiscendente"_s);
    m_window->selectPerson(u"b1"_s);
    trigger(u"togli"_s);
    QCOMPARE(m_window->model().familyCase().people.size(), 2);
    QCOMPARE(m_t->prompts.calls().size(), 0);

    m_window->selectPerson(u"f1"_s);
    m_t->prompts.answerNext(false);
    trigger(u"togli"_s);
    QCOMPARE(m_window->model().familyCase().people.size(), 2);
    QCOMPARE(m_t->prompts.last().kind, FakePrompts::Kind::Ask);
    QVERIFY(!m_t->prompts.last().defaultYes);
    QVERIFY(m_t->prompts.last().text.contains(u"1 discendenti"_s));
    m_t->prompts.answerNext(true);
    trigger(u"togli"_s);
    QVERIFY(m_window->model().familyCase().people.isEmpty());
    // The deceased stays.
    trigger(u"togli"_s);
    QCOMPARE(m_window->model().rowCount(), 1);
}

void TestDettaglioWindow::formEditsThePerson()
{
    trigger(u"aggiungiascendente"_s);
    QVERIFY(child<QComboBox>(u"linea"_s)->isEnabled());
    QVERIFY(child<QSpinBox>(u"grado"_s)->isEnabled());
    QVERIFY(!child<QComboBox>(u"vincolo"_s)->isEnabled());
    QVERIFY(!child<QComboBox>(u"separazione"_s)->isEnabled());
    choose(u"linea"_s, u"materna"_s);
    child<QSpinBox>(u"grado"_s)->setValue(3);
    retype(u"nome"_s, u"Nonna Rosa"_s);
    Person person = m_window->model().familyCase().people.first();
    QCOMPARE(person.line, Line::Materna);
    QCOMPARE(person.degree, 3);
    QCOMPARE(person.name, u"Nonna Rosa"_s);
    // Another relation starts from its own defaults.
    choose(u"relazione"_s, u"coniuge"_s);
    person = m_window->model().familyCase().people.first();
    QCOMPARE(person.relation, Relation::Coniuge);
    QCOMPARE(person.degree, 0);
    QVERIFY(child<QComboBox>(u"separazione"_s)->isEnabled());
    choose(u"separazione"_s, u"con addebito"_s);
    QCOMPARE(m_window->model().familyCase().people.first().separation, Separation::ConAddebito);
}

void TestDettaglioWindow::liveRecomputation()
{
    choose(u"tipologia"_s, u"legittima"_s);
    buildIssueFamily();
    QVERIFY(m_window->outcome());
    QCOMPARE(
        shares(u"quotelegittima"_s),
        (QStringList{u"Anna 1/2 60.000,00"_s, u"Sara 1/4 30.000,00"_s, u"Paolo 1/4 30.000,00"_s}));
    QVERIFY(child<QPlainTextEdit>(u"passi"_s)->toPlainText().contains(u"art."_s));
    // Luca alive again takes his own share: spouse and one child, half each.
    m_window->selectPerson(u"f1"_s);
    choose(u"stato"_s, u"vivente"_s);
    QCOMPARE(shares(u"quotelegittima"_s),
             (QStringList{u"Anna 1/2 60.000,00"_s, u"Luca 1/2 60.000,00"_s}));
    retype(u"relictum"_s, u"90000"_s);
    QCOMPARE(shares(u"quotelegittima"_s),
             (QStringList{u"Anna 1/2 45.000,00"_s, u"Luca 1/2 45.000,00"_s}));
}

void TestDettaglioWindow::bothKindsSideBySide()
{
    retype(u"relictum"_s, u"120000"_s);
    trigger(u"aggiungiconiuge"_s);
    trigger(u"aggiungifiglio"_s);
    trigger(u"aggiungifiglio"_s);
    choose(u"tipologia"_s, u"entrambe"_s);
    QVERIFY(child<QGroupBox>(u"legittima"_s)->isVisible());
    QVERIFY(child<QGroupBox>(u"testamentaria"_s)->isVisible());
    QCOMPARE(shares(u"quotelegittima"_s),
             (QStringList{u"c1 1/3 40.000,00"_s, u"f1 1/3 40.000,00"_s, u"f2 1/3 40.000,00"_s}));
    QCOMPARE(shares(u"quotetestamentaria"_s),
             (QStringList{u"c1 1/4 30.000,00"_s, u"f1 1/4 30.000,00"_s, u"f2 1/4 30.000,00"_s}));
    QCOMPARE(child<QTableWidget>(u"quotetestamentaria"_s)->item(0, 2)->text(), u"1/4"_s);
    QVERIFY(child<QLabel>(u"disponibile"_s)->text().contains(u"1/4"_s));
    QVERIFY(child<QLabel>(u"massa"_s)->text().contains(u"120.000,00"_s));
    choose(u"tipologia"_s, u"testamentaria"_s);
    QVERIFY(!child<QGroupBox>(u"legittima"_s)->isVisible());
    QVERIFY(child<QGroupBox>(u"testamentaria"_s)->isVisible());
}

void TestDettaglioWindow::invalidInputShowsNoResult_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("marked");
    QTest::addColumn<QString>("says");
    QTest::newRow("value") << u"relictum"_s << u"relictum"_s << u"valore dei beni"_s;
    QTest::newRow("debts") << u"debiti"_s << u"debiti"_s << u"debiti"_s;
    QTest::newRow("donation") << u"donazione"_s << u"donazioni"_s << u"donazione n. 1"_s;
    QTest::newRow("two parents in a line") << u"genitori"_s << u"g2"_s << u"g2"_s;
}

void TestDettaglioWindow::invalidInputShowsNoResult()
{
    QFETCH(QString, what);
    QFETCH(QString, marked);
    QFETCH(QString, says);
    retype(u"relictum"_s, u"120000"_s);
    trigger(u"aggiungifiglio"_s);
    QVERIFY(m_window->outcome());
    QCOMPARE(shares(u"quotelegittima"_s).size(), 1);
    if (what == u"relictum") {
        retype(u"relictum"_s, u"cento"_s);
    } else if (what == u"debiti") {
        retype(u"debiti"_s, u"-5"_s);
    } else if (what == u"donazione") {
        QTest::mouseClick(child<QPushButton>(u"aggiungidonazione"_s), Qt::LeftButton);
    } else {
        trigger(u"aggiungigenitore"_s);
        trigger(u"aggiungigenitore"_s);
        choose(u"linea"_s, u"paterna"_s);
    }
    QVERIFY(!m_window->outcome());
    QVERIFY(shares(u"quotelegittima"_s).isEmpty());
    QVERIFY(child<QPlainTextEdit>(u"passi"_s)->toPlainText().isEmpty());
    const QString passo = child<QLabel>(u"passo"_s)->text();
    QVERIFY2(passo.contains(says), qPrintable(passo));
    if (QWidget* field = m_window->findChild<QWidget*>(marked)) {
        QCOMPARE(field->property("errore").toBool(), true);
        QVERIFY(!field->accessibleDescription().isEmpty());
    } else {
        const QModelIndex index = m_window->model().indexOf(marked);
        QVERIFY(index.data(Qt::BackgroundRole).isValid());
    }
}

void TestDettaglioWindow::saveAndReopen()
{
    buildIssueFamily();
    choose(u"tipologia"_s, u"entrambe"_s);
    QTest::mouseClick(child<QPushButton>(u"aggiungidonazione"_s), Qt::LeftButton);
    auto* donations = child<QTableWidget>(u"donazioni"_s);
    donations->item(0, 0)->setText(u"d1"_s);
    donations->item(0, 1)->setText(u"30.000,00"_s);
    QVERIFY(m_window->outcome());
    QString fault;
    const FamilyCase saved = *m_window->familyCase(fault);

    const QString chosen = m_dir->filePath(u"rossi"_s);
    m_t->prompts.chooseNext(chosen);
    trigger(u"salva"_s);
    const QString path = chosen + u".quotara.json"_s;
    QVERIFY(QFile::exists(path));
    QCOMPARE(m_t->prompts.last().request.filter, u"File Quotara-famiglia (*.quotara.json)"_s);
    QCOMPARE(m_window->currentFile(), path);
    QCOMPARE(*FamilyFile::read(path).familyCase, saved);

    // Salva writes to the same file without asking.
    m_t->prompts.clear();
    retype(u"decuius"_s, u"Mario Rossi fu Giovanni"_s);
    trigger(u"salva"_s);
    QVERIFY(m_t->prompts.calls().isEmpty());
    QCOMPARE(FamilyFile::read(path).familyCase->decuius, u"Mario Rossi fu Giovanni"_s);

    // After a restart the case comes back whole.
    m_t->forms.unload(WindowId::dettaglio);
    TestForms::flushDeletes();
    m_window = qobject_cast<DettaglioWindow*>(m_t->forms.show(WindowId::dettaglio));
    m_t->prompts.chooseNext(path);
    trigger(u"apri"_s);
    QCOMPARE(*m_window->familyCase(fault), *FamilyFile::read(path).familyCase);
    QCOMPARE(shares(u"quotelegittima"_s).size(), 3);
    QCOMPARE(child<QTableWidget>(u"donazioni"_s)->item(0, 1)->text(), u"30.000,00"_s);
}

void TestDettaglioWindow::openFailuresLoadNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("says");
    QTest::newRow("not json") << QByteArray("{ non è json") << u"non può essere aperto"_s;
    QTest::newRow("unknown key")
        << QByteArray(R"({"formato":"quotara-famiglia/1","tipologia":"legittima",)"
                      R"("relictum":"100","persone":[],"colore":"blu"})")
        << u"colore"_s;
    QTest::newRow("nobody named") << QByteArray(R"({"formato":"quotara-famiglia/1",)"
                                                R"("tipologia":"legittima","relictum":"100",)"
                                                R"("persone":[{"id":"n","relazione":"figlio",)"
                                                R"("di":"x"}]})")
                                  << u"n"_s;
    QTest::newRow("old case file") << QByteArray("\"Rossi\",\"legittima\",\"100\",\"2\",\"\","
                                                 "\"no\",\"\"\r\n")
                                   << u"finestra Successione"_s;
}

void TestDettaglioWindow::openFailuresLoadNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, says);
    retype(u"relictum"_s, u"500"_s);
    trigger(u"aggiungiconiuge"_s);
    QString fault;
    const FamilyCase before = *m_window->familyCase(fault);
    const QString path = m_dir->filePath(u"caso.quotara.json"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    m_t->prompts.chooseNext(path);
    trigger(u"apri"_s);
    QCOMPARE(m_t->prompts.last().kind, FakePrompts::Kind::Warn);
    QCOMPARE(m_t->prompts.last().title, Quotaramod::titolocontrollo());
    QVERIFY2(m_t->prompts.last().text.contains(says), qPrintable(m_t->prompts.last().text));
    QCOMPARE(*m_window->familyCase(fault), before);
    QVERIFY(m_window->currentFile().isEmpty());
}

void TestDettaglioWindow::saveFailures()
{
    // A case that could not be read back is not written.
    retype(u"relictum"_s, u"cento"_s);
    trigger(u"salva"_s);
    QCOMPARE(m_t->prompts.calls().size(), 1);
    QCOMPARE(m_t->prompts.last().kind, FakePrompts::Kind::Warn);
    QVERIFY(m_t->prompts.last().text.contains(u"valore dei beni"_s));
    QVERIFY(QDir(m_dir->path()).isEmpty());

    // A folder that does not exist: a message, and no file of its own.
    retype(u"relictum"_s, u"100"_s);
    m_t->prompts.chooseNext(m_dir->filePath(u"manca/caso.quotara.json"_s));
    trigger(u"salvanome"_s);
    QCOMPARE(m_t->prompts.last().kind, FakePrompts::Kind::Warn);
    QVERIFY(m_t->prompts.last().text.contains(u"non è stato salvato"_s));
    QVERIFY(m_window->currentFile().isEmpty());

    // A cancelled dialog writes nothing and says nothing.
    m_t->prompts.clear();
    m_t->prompts.chooseNext(QString());
    trigger(u"salvanome"_s);
    QCOMPARE(m_t->prompts.calls().size(), 1);
    QCOMPARE(m_t->prompts.last().kind, FakePrompts::Kind::SaveFile);
}

void TestDettaglioWindow::printsTheReport()
{
    choose(u"tipologia"_s, u"entrambe"_s);
    buildIssueFamily();
    trigger(u"stampa"_s);
    QCOMPARE(m_t->presenter.count(), 1);
    QCOMPARE(m_t->presenter.lastPurpose(), u"dettaglio"_s);
    const QTextDocument* document = m_t->presenter.last();
    const QString text = document->toPlainText();
    for (const QString& name :
         {u"Anna"_s, u"Luca"_s, u"Sara"_s, u"Paolo"_s, u"Piero"_s, u"Carla"_s})
        QVERIFY2(text.contains(name), qPrintable(name));
    QVERIFY(text.contains(u"Successione legittima"_s));
    QVERIFY(text.contains(u"quota disponibile"_s));
    QVERIFY(text.contains(u"sono riservati i diritti di abitazione"_s));
    QVERIFY(text.contains(u"60.000,00"_s));

    // A wrong case prints nothing and says why.
    retype(u"relictum"_s, u"cento"_s);
    trigger(u"stampa"_s);
    QCOMPARE(m_t->presenter.count(), 1);
    QCOMPARE(m_t->prompts.last().kind, FakePrompts::Kind::Warn);
}

void TestDettaglioWindow::keyboardAlone()
{
    retype(u"relictum"_s, u"1000"_s);
    auto* tree = child<QTreeView>(u"famiglia"_s);
    tree->setFocus();
    QVERIFY(tree->hasFocus());
    tree->setCurrentIndex(m_window->model().rootIndex());
    // Insert on the deceased adds a child; on a child, his descendant.
    QTest::keyClick(tree, Qt::Key_Insert);
    QTest::keyClick(tree, Qt::Key_Insert);
    const QList<Person>& people = m_window->model().familyCase().people;
    QCOMPARE(people.size(), 2);
    QCOMPARE(people.at(1).parent, people.at(0).id);
    QCOMPARE(shares(u"quotelegittima"_s), (QStringList{u"f1 1 1.000,00"_s}));
    // Up to the child, Delete asks because of his descendant.
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_Up);
    QCOMPARE(m_window->model().person(tree->currentIndex())->id, u"f1"_s);
    m_t->prompts.answerNext(true);
    QTest::keyClick(tree, Qt::Key_Delete);
    QVERIFY(m_window->model().familyCase().people.isEmpty());
    // Delete typed in a field edits the field, not the family; Tab goes
    // from the tree to the new person's name.
    QTest::keyClick(tree, Qt::Key_Insert);
    auto* nome = child<QLineEdit>(u"nome"_s);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), nome);
    QTest::keyClicks(nome, u"Eva"_s);
    QTest::keyClick(nome, Qt::Key_Home);
    QTest::keyClick(nome, Qt::Key_Delete);
    QCOMPARE(m_window->model().familyCase().people.size(), 1);
    QCOMPARE(m_window->model().familyCase().people.first().name, u"va"_s);
    // Tab leaves the name for the relation.
    QTest::keyClick(nome, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), child<QComboBox>(u"relazione"_s));
}

// Each Alt+letter of the window reaches one control or menu, never two.
void TestDettaglioWindow::mnemonicsAreUnique()
{
    QMap<QKeySequence, QString> owners;
    QStringList clashes;
    const auto own = [&](const QString& text) {
        const QKeySequence keys = QKeySequence::mnemonic(text);
        if (keys.isEmpty())
            return;
        if (owners.contains(keys))
            clashes << owners.value(keys) + u" / "_s + text;
        owners.insert(keys, text);
    };
    for (const QLabel* label : m_window->findChildren<QLabel*>())
        if (label->buddy())
            own(label->text());
    for (const QPushButton* button : m_window->findChildren<QPushButton*>())
        own(button->text());
    for (const QAction* menu : m_window->menuBar()->actions())
        own(menu->text());
    QVERIFY2(owners.size() >= 15, qPrintable(QString::number(owners.size())));
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(u", "_s)));
}

void TestDettaglioWindow::helpOpensTheGuide()
{
    trigger(u"guida"_s);
    QVERIFY(m_t->forms.isLoaded(WindowId::guidadettaglio));
    QVERIFY(m_t->forms.loadedForm(WindowId::guidadettaglio)->isVisible());
    QVERIFY(m_window->isVisible());
}

void TestDettaglioWindow::fromTheGrid()
{
    registerSuccessionWindows(m_t->forms);
    auto* grid = m_t->forms.formAs<SuccessioneWindow>(WindowId::successione);
    grid->show();
    grid->setCaseRecord(
        {u"Mario Rossi"_s, u"legittima"_s, u"120000"_s, QString(), u"2"_s, u"no"_s, u"1"_s});
    QTest::mouseClick(grid->findChild<QPushButton*>(u"cmddettaglio"_s), Qt::LeftButton);
    QCOMPARE(m_t->forms.loadedForm(WindowId::dettaglio), m_window);
    QCOMPARE(child<QLineEdit>(u"decuius"_s)->text(), u"Mario Rossi"_s);
    QCOMPARE(child<QLineEdit>(u"relictum"_s)->text(), u"120000,00"_s);
    QCOMPARE(child<QComboBox>(u"tipologia"_s)->currentText(), u"legittima"_s);
    // Art. 571: parents and brother per capita, the parents at least half.
    QCOMPARE(shares(u"quotelegittima"_s),
             (QStringList{u"g1 1/3 40.000,00"_s, u"g2 1/3 40.000,00"_s, u"b1 1/3 40.000,00"_s}));
    auto* line = child<QLabel>(u"confronto"_s);
    QVERIFY(line->isVisible());
    QVERIFY2(line->text().contains(u"fratelli 1/3 invece di 1/2"_s), qPrintable(line->text()));
    QVERIFY2(line->text().contains(u"href=\"articolo:571\""_s), qPrintable(line->text()));

    // One step refines the grid's case: the brother renounced.
    m_window->selectPerson(u"b1"_s);
    choose(u"stato"_s, u"rinunziante"_s);
    QCOMPARE(shares(u"quotelegittima"_s),
             (QStringList{u"g1 1/2 60.000,00"_s, u"g2 1/2 60.000,00"_s}));
    QVERIFY(line->text().contains(u"eredi premorti, rinunzianti o indegni"_s));

    // A case the grid and the law agree on says so.
    m_t->prompts.answerNext(true);
    grid->setCaseRecord(
        {u"Mario Rossi"_s, u"legittima"_s, u"120000"_s, u"2"_s, QString(), u"sì"_s, QString()});
    grid->dettaglio_Click();
    QCOMPARE(line->text(), u"Le quote coincidono con quelle della finestra Successione."_s);

    // A case opened from a file has no grid to compare with.
    const QString path = m_dir->filePath(u"caso.quotara.json"_s);
    m_t->prompts.chooseNext(path);
    trigger(u"salvanome"_s);
    m_t->prompts.chooseNext(path);
    trigger(u"apri"_s);
    QVERIFY(!line->isVisible());
}

void TestDettaglioWindow::fromTheGridAsksAboutAscendants_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<int>("people");
    QTest::newRow("as grandparents") << true << 3;
    QTest::newRow("left to the user") << false << 0;
}

void TestDettaglioWindow::fromTheGridAsksAboutAscendants()
{
    QFETCH(bool, yes);
    QFETCH(int, people);
    m_t->prompts.answerNext(yes);
    m_window->startFromGrid(
        {u"Rossi"_s, u"legittima"_s, u"100"_s, QString(), u"3"_s, u"no"_s, QString()}, Results{});
    QCOMPARE(m_t->prompts.calls().size(), 1);
    QVERIFY(m_t->prompts.last().text.contains(u"3 ascendenti"_s));
    QCOMPARE(m_window->model().familyCase().people.size(), people);
}

void TestDettaglioWindow::fromTheGridAsksBeforeDroppingChanges()
{
    retype(u"relictum"_s, u"100"_s);
    trigger(u"aggiungifiglio"_s);
    const CaseRecord record{u"Rossi"_s, u"legittima"_s, u"100"_s, QString(),
                            QString(),  u"sì"_s,        QString()};
    m_t->prompts.answerNext(false);
    m_window->startFromGrid(record, Results{});
    QCOMPARE(m_t->prompts.last().kind, FakePrompts::Kind::Ask);
    QCOMPARE(m_window->model().familyCase().people.first().relation, Relation::Figlio);
    m_t->prompts.answerNext(true);
    m_window->startFromGrid(record, Results{});
    QCOMPARE(m_window->model().familyCase().people.first().relation, Relation::Coniuge);
    // Unchanged since: no question.
    m_t->prompts.clear();
    m_window->startFromGrid(record, Results{});
    QVERIFY(m_t->prompts.calls().isEmpty());
}

NormsWindow* TestDettaglioWindow::showing(const QString& label) const
{
    const Norms::Article* article = Norms::ArticleIndex::codice().find(label);
    auto* window =
        article ? qobject_cast<NormsWindow*>(m_t->forms.loadedForm(article->title)) : nullptr;
    if (!window || !window->isVisible() || window->highlightedArticle() != article)
        return nullptr;
    return window;
}

void TestDettaglioWindow::shareArticlesAreLinks_data()
{
    QTest::addColumn<int>("tabs");
    QTest::addColumn<QString>("article");
    // Anna's share rests on art. 581; Sara's on 467, 468, 469 and 581.
    QTest::newRow("spouse") << 1 << u"581"_s;
    QTest::newRow("grandchild, first") << 2 << u"467"_s;
    QTest::newRow("grandchild, second") << 3 << u"468"_s;
    QTest::newRow("grandchild, last") << 5 << u"581"_s;
}

// From the shares table, Tab reaches each article of each heir in turn and
// Enter opens its Title at the article; the window stays as it was.
void TestDettaglioWindow::shareArticlesAreLinks()
{
    QFETCH(int, tabs);
    QFETCH(QString, article);
    registerNormsWindows(m_t->forms);
    choose(u"tipologia"_s, u"legittima"_s);
    buildIssueFamily();
    auto* table = child<QTableWidget>(u"quotelegittima"_s);
    QCOMPARE(table->item(1, 4)->text(), u"artt. 467, 468, 469, 581"_s);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    table->setFocus();
    for (int i = 0; i < tabs; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    auto* links = qobject_cast<QPlainTextEdit*>(QApplication::focusWidget());
    QVERIFY(links);
    QCOMPARE(links->objectName(), u"articoli"_s);
    QCOMPARE(links->textCursor().selectedText(), article);
    QTest::keyClick(links, Qt::Key_Return);
    QVERIFY(showing(article));
    QVERIFY(m_window->isVisible());
    QCOMPARE(shares(u"quotelegittima"_s).size(), 3);
}

// Every article the steps cite is a link, and a click on one opens it.
void TestDettaglioWindow::stepArticlesAreLinks()
{
    registerNormsWindows(m_t->forms);
    buildIssueFamily();
    QVERIFY(m_window->outcome());
    auto* passi = child<QPlainTextEdit>(u"passi"_s);
    auto* links = passi->findChild<ArticleLinks*>();
    QVERIFY(links);
    QSet<QString> linked;
    for (const Norms::ArticleReference& reference : links->references())
        linked.insert(reference.article.toString());
    QStringList cited;
    for (const auto& section : {m_window->outcome()->legittima, m_window->outcome()->testamentaria})
        cited << section->articles;
    for (const QString& article : cited)
        QVERIFY2(linked.contains(article), qPrintable(article));

    const QString text = passi->toPlainText();
    QTextCursor cursor(passi->document());
    cursor.setPosition(text.indexOf(u"art. 521"_s) + 6);
    passi->ensureCursorVisible();
    passi->setTextCursor(cursor);
    passi->ensureCursorVisible();
    QTest::mouseClick(passi->viewport(), Qt::LeftButton, {}, passi->cursorRect(cursor).center());
    QVERIFY(showing(u"521"_s));

    // The base of the reserve names its article as a link too.
    auto* massa = child<QLabel>(u"massa"_s);
    QVERIFY2(massa->text().startsWith(u"massa ("_s), qPrintable(massa->text()));
    const QFontMetrics metrics(massa->font());
    const QPoint onTheLink(massa->contentsRect().left() +
                               metrics.horizontalAdvance(u"massa (art. 5"_s),
                           massa->contentsRect().center().y());
    QTest::mouseClick(massa, Qt::LeftButton, {}, onTheLink);
    QVERIFY(showing(u"556"_s));
}

QTEST_MAIN(TestDettaglioWindow)
#include "tst_dettagliowindow.moc"

#include "family/dettagliocharts.h"
#include "family/dettagliowindow.h"
#include "family/familychartview.h"
#include "family/familyfile.h"
#include "family/familymodel.h"
#include "output/sharechartview.h"
#include "testforms.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

using namespace Qt::Literals::StringLiterals;
using namespace Family;

void registerHelpWindows(Forms& forms);

namespace {

const QByteArray kFamily =
    R"({"formato":"quotara-famiglia/1","decuius":"Mario","tipologia":"entrambe",
        "relictum":"120000","persone":[
        {"id":"c","nome":"Anna","relazione":"coniuge"},
        {"id":"f","nome":"Luca","relazione":"figlio","stato":"premorto"},
        {"id":"n1","nome":"Sara","relazione":"figlio","di":"f"},
        {"id":"n2","nome":"Paolo","relazione":"figlio","di":"f"},
        {"id":"b","nome":"Marco","relazione":"fratello","stato":"rinunziante"},
        {"id":"s","nome":"Giulia","relazione":"fratello","vincolo":"unilaterale"}]})";

} // namespace

class TestDettaglioCharts : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void followsEveryEdit();
    void invalidCaseShowsNoShares();
    void clickSelectsThePerson();
    void editorSelectsTheBox();
    void arrowsWalkTheBoxes_data();
    void arrowsWalkTheBoxes();
    void zoom();
    void boxesAreListItems();
    void tabWalksTheBoxes();
    void everyFocusableControlIsNamed();
    void shareChartsSideBySide();
    void exports_data();
    void exports();
    void exportFailureIsReported();

private:
    QString chosenInEditor() const;
    const FamilyChart::Box& box(const QString& id) const;

    std::unique_ptr<TestForms> m_t;
    DettaglioWindow* m_window = nullptr;
    FamilyChartView* m_view = nullptr;
};

void TestDettaglioCharts::init()
{
    m_t = std::make_unique<TestForms>();
    registerFamilyWindows(m_t->forms);
    registerHelpWindows(m_t->forms);
    m_window = qobject_cast<DettaglioWindow*>(m_t->forms.show(WindowId::dettaglio));
    QVERIFY(m_window);
    m_window->resize(1400, 900);
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    const FamilyFile::Reading reading = FamilyFile::decode(kFamily);
    QVERIFY2(reading.familyCase, qPrintable(reading.fault));
    m_window->setFamilyCase(*reading.familyCase);
    // Any edit recomputes; the name of the deceased is one.
    auto* decuius = m_window->findChild<QLineEdit*>(u"decuius"_s);
    decuius->setText(u"Mario Rossi"_s);
    m_view = &m_window->charts().familyView();
}

void TestDettaglioCharts::cleanup()
{
    m_t->forms.unload(WindowId::dettaglio);
    TestForms::flushDeletes();
    m_t.reset();
}

QString TestDettaglioCharts::chosenInEditor() const
{
    auto* tree = m_window->findChild<QTreeView*>(u"famiglia"_s);
    const Person* person =
        m_window->model().person(tree->currentIndex().siblingAtColumn(FamilyModel::PersonColumn));
    return person ? person->id : QString();
}

const FamilyChart::Box& TestDettaglioCharts::box(const QString& id) const
{
    return m_view->chart().boxes.at(m_view->chart().indexOf(id));
}

void TestDettaglioCharts::followsEveryEdit()
{
    QCOMPARE(box(QString()).name, u"Mario Rossi"_s);
    QCOMPARE(box(u"c"_s).shares,
             (QStringList{u"legittima 1/2: 60.000,00"_s, u"riserva 1/3: 40.000,00"_s}));
    QCOMPARE(box(u"f"_s).reason, u"premorto, rappresentato da Sara, Paolo"_s);

    // Luca comes back to life: he inherits, his children are left out.
    m_window->selectPerson(u"f"_s);
    auto* stato = m_window->findChild<QComboBox*>(u"stato"_s);
    stato->setCurrentIndex(stato->findText(u"vivente"_s));
    QCOMPARE(box(u"f"_s).standing, FamilyChart::Standing::Erede);
    QCOMPARE(box(u"n1"_s).reason, u"escluso da Luca, che eredita (art. 467)"_s);

    auto* relictum = m_window->findChild<QLineEdit*>(u"relictum"_s);
    relictum->setText(u"240000"_s);
    QCOMPARE(box(u"c"_s).shares.first(), u"legittima 1/2: 120.000,00"_s);
    // Luca living takes the grandchildren's slices in the share chart.
    QStringList slices;
    for (const ShareChart::Slice& slice : m_window->charts().legittimaView().data().slices)
        slices << ShareChart::legendText(slice);
    QCOMPARE(slices, (QStringList{u"Anna 1/2 (120.000,00)"_s, u"Luca 1/2 (120.000,00)"_s}));

    m_window->selectPerson(u"s"_s);
    auto* nome = m_window->findChild<QLineEdit*>(u"nome"_s);
    nome->setText(u"Giulia Bianchi"_s);
    QCOMPARE(box(u"s"_s).name, u"Giulia Bianchi"_s);
}

void TestDettaglioCharts::invalidCaseShowsNoShares()
{
    auto* relictum = m_window->findChild<QLineEdit*>(u"relictum"_s);
    relictum->setText(u"molti"_s);
    QVERIFY(!m_window->outcome());
    QCOMPARE(m_view->chart().boxes.size(), 7);
    QVERIFY(box(u"c"_s).shares.isEmpty());
    QVERIFY(m_window->charts().legittimaView().isHidden());
}

void TestDettaglioCharts::clickSelectsThePerson()
{
    m_window->charts().setCurrentIndex(0);
    for (const QString& id : {u"n2"_s, u"c"_s, u"b"_s}) {
        m_view->ensureVisible(box(id).rect);
        const QPoint at = m_view->mapFromScene(box(id).rect.center());
        QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(chosenInEditor(), id);
        QCOMPARE(m_view->currentPerson(), id);
    }
}

void TestDettaglioCharts::editorSelectsTheBox()
{
    m_window->selectPerson(u"n1"_s);
    QCOMPARE(m_view->currentPerson(), u"n1"_s);
    QCOMPARE(m_view->accessibleDescription(),
             u"Sara, figlio di Luca, erede: legittima 1/4: 30.000,00; riserva 1/6: 20.000,00"_s);
    m_window->selectPerson(QString());
    QCOMPARE(m_view->currentPerson(), QString());
}

void TestDettaglioCharts::arrowsWalkTheBoxes_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("to");
    QTest::newRow("down to the child") << QString() << int(Qt::Key_Down) << u"f"_s;
    QTest::newRow("down to a grandchild") << u"f"_s << int(Qt::Key_Down) << u"n1"_s;
    QTest::newRow("right to the next grandchild") << u"n1"_s << int(Qt::Key_Right) << u"n2"_s;
    QTest::newRow("up to the father") << u"n2"_s << int(Qt::Key_Up) << u"f"_s;
    QTest::newRow("right to the spouse") << QString() << int(Qt::Key_Right) << u"c"_s;
    QTest::newRow("left to a sister") << QString() << int(Qt::Key_Left) << u"s"_s;
    QTest::newRow("home to the deceased") << u"n2"_s << int(Qt::Key_Home) << QString();
}

void TestDettaglioCharts::arrowsWalkTheBoxes()
{
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(QString, to);
    m_window->selectPerson(from);
    m_view->setFocus();
    QTest::keyClick(m_view, Qt::Key(key));
    QCOMPARE(m_view->currentPerson(), to);
    QCOMPARE(chosenInEditor(), to);
}

void TestDettaglioCharts::zoom()
{
    m_view->setFocus();
    const double fitted = m_view->zoom();
    QTest::keyClick(m_view, Qt::Key_Plus, Qt::ControlModifier);
    QVERIFY(m_view->zoom() > fitted * 1.2);
    QTest::keyClick(m_view, Qt::Key_Minus, Qt::ControlModifier);
    QTest::keyClick(m_view, Qt::Key_Minus, Qt::ControlModifier);
    QVERIFY(m_view->zoom() < fitted);
    QWheelEvent wheel(QPointF(50, 50), m_view->mapToGlobal(QPointF(50, 50)), {}, QPoint(0, 240),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    const double before = m_view->zoom();
    QApplication::sendEvent(m_view->viewport(), &wheel);
    QVERIFY(m_view->zoom() > before * 1.5);
    QTest::keyClick(m_view, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(m_view->zoom(), fitted);
}

void TestDettaglioCharts::boxesAreListItems()
{
    QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(m_view);
    QVERIFY(chart);
    QCOMPARE(chart->role(), QAccessible::List);
    QCOMPARE(chart->childCount(), int(m_view->chart().boxes.size()));
    m_window->selectPerson(u"b"_s);
    m_view->setFocus();
    const int marco = m_view->chart().indexOf(u"b"_s);
    QAccessibleInterface* box = chart->child(marco);
    QVERIFY(box);
    QCOMPARE(box->role(), QAccessible::ListItem);
    QCOMPARE(box->text(QAccessible::Name), u"Marco, fratello germano, non eredita: rinunziante"_s);
    QVERIFY(box->state().selected);
    QCOMPARE(chart->focusChild(), box);
    QCOMPARE(chart->indexOfChild(box), marco);
    QCOMPARE(box->parent(), chart);
    // The box is where it is drawn on the screen.
    m_view->ensureVisible(this->box(u"b"_s).rect);
    const QPoint centre = box->rect().center();
    QCOMPARE(chart->childAt(centre.x(), centre.y()), box);
    // An heir's box says his shares and amounts.
    QCOMPARE(chart->child(m_view->chart().indexOf(u"c"_s))->text(QAccessible::Name),
             u"Anna, coniuge, erede: legittima 1/2: 60.000,00; riserva 1/3: 40.000,00"_s);
    QVERIFY(!chart->child(m_view->chart().indexOf(u"c"_s))->state().selected);
}

void TestDettaglioCharts::tabWalksTheBoxes()
{
    m_window->selectPerson(QString());
    m_view->setFocus();
    QTest::keyClick(m_view, Qt::Key_Tab);
    QCOMPARE(m_view->currentIndex(), 1);
    QCOMPARE(chosenInEditor(), m_view->chart().boxes.at(1).id);
    QTest::keyClick(m_view, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(m_view->currentPerson(), QString());
    // Past the last box the focus leaves the chart.
    const QString last = m_view->chart().boxes.last().id;
    m_window->selectPerson(last);
    m_view->setFocus();
    QVERIFY(m_view->hasFocus());
    QTest::keyClick(m_view, Qt::Key_Tab);
    QCOMPARE(m_view->currentPerson(), last);
    QVERIFY(!m_view->hasFocus());
}

void TestDettaglioCharts::everyFocusableControlIsNamed()
{
    QStringList unnamed;
    for (const int tab : {0, 1}) {
        m_window->charts().setCurrentIndex(tab);
        QList<QAccessibleInterface*> pending{
            QAccessible::queryAccessibleInterface(&m_window->charts())};
        while (!pending.isEmpty()) {
            QAccessibleInterface* node = pending.takeFirst();
            for (int i = 0; i < node->childCount(); ++i)
                pending << node->child(i);
            if (!node->state().focusable || node->state().invisible)
                continue;
            if (node->text(QAccessible::Name).trimmed().isEmpty())
                unnamed << (node->object()
                                ? QString::fromLatin1(node->object()->metaObject()->className())
                                : QString::number(node->role()));
        }
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u", "_s)));
}

void TestDettaglioCharts::shareChartsSideBySide()
{
    const ShareChart::Data& legittima = m_window->charts().legittimaView().data();
    const ShareChart::Data& testamentaria = m_window->charts().testamentariaView().data();
    QCOMPARE(legittima.title, u"Successione legittima"_s);
    QStringList slices;
    for (const ShareChart::Slice& slice : testamentaria.slices)
        slices << ShareChart::legendText(slice);
    QCOMPARE(slices,
             (QStringList{u"Anna 1/3 (40.000,00)"_s, u"Sara 1/6 (20.000,00)"_s,
                          u"Paolo 1/6 (20.000,00)"_s, u"quota disponibile 1/3 (40.000,00)"_s}));
    QCOMPARE(legittima.slices.size(), 3);
    QVERIFY(m_window->charts().legittimaView().accessibleDescription().contains(
        u"Anna 1/2 (60.000,00)"_s));

    auto* tipologia = m_window->findChild<QComboBox*>(u"tipologia"_s);
    tipologia->setCurrentIndex(tipologia->findText(u"legittima"_s));
    QVERIFY(m_window->charts().testamentariaView().isHidden());
    QVERIFY(!m_window->charts().legittimaView().isHidden());
}

void TestDettaglioCharts::exports_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("header");
    QTest::newRow("PNG") << u"albero.png"_s << u"albero.png"_s << QByteArray("\x89PNG\r\n");
    QTest::newRow("no suffix: PNG") << u"albero"_s << u"albero.png"_s << QByteArray("\x89PNG");
    QTest::newRow("SVG") << u"albero.svg"_s << u"albero.svg"_s << QByteArray("<?xml");
    QTest::newRow("PDF") << u"albero.PDF"_s << u"albero.PDF"_s << QByteArray("%PDF-");
}

void TestDettaglioCharts::exports()
{
    QFETCH(QString, name);
    QFETCH(QString, written);
    QFETCH(QByteArray, header);
    QTemporaryDir dir;
    m_t->prompts.chooseNext(dir.filePath(name));
    m_window->findChild<QAction*>(u"esporta"_s)->trigger();
    QFile file(dir.filePath(written));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith(header));
    QVERIFY(bytes.size() > 5000);
    QCOMPARE(m_t->prompts.last().kind, FakePrompts::Kind::SaveFile);
    QVERIFY(m_t->prompts.last().request.filter.contains(u"*.svg"_s));
    if (written.endsWith(u".svg"_s)) {
        QSvgRenderer svg(bytes);
        QVERIFY(svg.isValid());
        QCOMPARE(svg.viewBoxF().size(), m_view->chart().bounds.size());
        QVERIFY(bytes.contains("Paolo"));
    }
    if (written.endsWith(u".png"_s)) {
        const QImage image = QImage::fromData(bytes, "PNG");
        QCOMPARE(image.width(), qRound(m_view->chart().bounds.width() * 2));
    }
    if (written.endsWith(u".PDF"_s)) {
        QVERIFY(bytes.trimmed().endsWith("%%EOF"));
        const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
        if (pdftotext.isEmpty())
            return;
        // Poppler reads one page with the boxes' texts.
        QProcess text;
        text.start(pdftotext, {file.fileName(), u"-"_s});
        QVERIFY(text.waitForFinished(30000));
        QCOMPARE(text.exitCode(), 0);
        const QString read = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(read.contains(u"Paolo"_s) && read.contains(u"rinunziante"_s), qPrintable(read));
        QCOMPARE(read.count(u'\f'), 1);
    }
}

void TestDettaglioCharts::exportFailureIsReported()
{
    QTemporaryDir dir;
    const QString target = dir.filePath(u"manca/albero.svg"_s);
    m_t->prompts.chooseNext(target);
    m_window->findChild<QAction*>(u"esporta"_s)->trigger();
    QCOMPARE(m_t->prompts.last().kind, FakePrompts::Kind::Warn);
    QVERIFY(m_t->prompts.last().text.contains(target));
    QVERIFY(!QFile::exists(target));

    m_t->prompts.chooseNext(QString());
    m_t->prompts.clear();
    m_window->findChild<QAction*>(u"esporta"_s)->trigger();
    QCOMPARE(m_t->prompts.calls().size(), 1);
}

QTEST_MAIN(TestDettaglioCharts)
#include "tst_dettagliocharts.moc"

#include "output/sharechartview.h"
#include "succession/graficowindow.h"
#include "succession/successionewindow.h"
#include "testforms.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>

#include <cstdlib>

using namespace Qt::Literals::StringLiterals;

namespace {

QStringList legends(const ShareChartView& view)
{
    QStringList texts;
    for (const ShareChart::Slice& slice : view.data().slices)
        texts << ShareChart::legendText(slice);
    return texts;
}

} // namespace

class TestGraficoWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void openedFromTheViewMenu();
    void opensOverTheGrid();
    void followsTheGrid();
    void emptyCase();

private:
    GraficoWindow* open() const;

    std::unique_ptr<TestForms> m_t;
    SuccessioneWindow* m_window = nullptr;
};

void TestGraficoWindow::init()
{
    m_t = std::make_unique<TestForms>();
    registerSuccessionWindows(m_t->forms);
    m_window = m_t->forms.formAs<SuccessioneWindow>(WindowId::successione);
    QVERIFY(m_window);
    m_window->show();
}

void TestGraficoWindow::cleanup()
{
    m_t->forms.unload(WindowId::grafico);
    m_t->forms.unload(WindowId::successione);
    TestForms::flushDeletes();
    m_t.reset();
}

GraficoWindow* TestGraficoWindow::open() const
{
    auto* visu = m_window->menuBar()->findChild<QMenu*>(u"visu"_s);
    if (!visu)
        return nullptr;
    for (QAction* action : visu->actions()) {
        if (action->objectName() == u"grafico"_s)
            action->trigger();
    }
    return qobject_cast<GraficoWindow*>(m_t->forms.loadedForm(WindowId::grafico));
}

void TestGraficoWindow::openedFromTheViewMenu()
{
    GraficoWindow* grafico = open();
    QVERIFY(grafico);
    QVERIFY(grafico->isVisible());
    QCOMPARE(grafico->objectName(), u"grafico"_s);
    QCOMPARE(grafico->windowTitle(), u"Quotara: grafico delle quote"_s);
    // One instance: the menu raises it again.
    QCOMPARE(open(), grafico);
}

void TestGraficoWindow::opensOverTheGrid()
{
    const QRect available = m_window->screen()->availableGeometry();
    m_window->move(available.left() + 40, available.top() + 300);
    GraficoWindow* grafico = open();
    QVERIFY(grafico);
    const QRect placed = grafico->frameGeometry();
    QVERIFY2(available.contains(placed), "the chart is off the screen");
    const QPoint offset = placed.center() - m_window->frameGeometry().center();
    // Centred on the grid, but for what the edge of the screen takes away.
    QVERIFY2(std::abs(offset.x()) <= 1 || placed.left() == available.left() ||
                 placed.right() == available.right(),
             qPrintable(QString::number(offset.x())));
    QVERIFY2(std::abs(offset.y()) <= 1, qPrintable(QString::number(offset.y())));

    // Moved by the user, it stays where it was put when the menu raises it again.
    grafico->move(available.topLeft() + QPoint(5, 7));
    const QPoint moved = grafico->pos();
    QCOMPARE(open(), grafico);
    QCOMPARE(grafico->pos(), moved);
}

void TestGraficoWindow::followsTheGrid()
{
    m_window->setCaseRecord(
        CaseRecord{u"Mario"_s, u"entrambe"_s, u"120000"_s, u"1"_s, QString(), u"sì"_s, QString()});
    GraficoWindow* grafico = open();
    QVERIFY(grafico);
    QCOMPARE(legends(grafico->testamentaria()),
             (QStringList{u"figli 1/3 (40.000,00)"_s, u"coniuge 1/3 (40.000,00)"_s,
                          u"quota disponibile 1/3 (40.000,00)"_s}));
    QCOMPARE(legends(grafico->legittima()),
             (QStringList{u"figli 1/2 (60.000,00)"_s, u"coniuge 1/2 (60.000,00)"_s}));
    // Every change of the grid reaches the open chart.
    m_window->setCaseRecord(
        CaseRecord{u"Mario"_s, u"legittima"_s, u"90000"_s, u"2"_s, QString(), u"sì"_s, QString()});
    QCOMPARE(legends(grafico->legittima()),
             (QStringList{u"figli 2/3 (60.000,00)"_s, u"coniuge 1/3 (30.000,00)"_s}));
    QVERIFY(grafico->testamentaria().isHidden());
    QCOMPARE(grafico->legittima().accessibleName(),
             u"Grafico delle quote: Successione legittima"_s);
}

void TestGraficoWindow::emptyCase()
{
    // The window opens on an intestate succession to the spouse alone.
    GraficoWindow* grafico = open();
    QVERIFY(grafico);
    QCOMPARE(legends(grafico->legittima()), QStringList{u"coniuge intero (100,00)"_s});
    auto* vuoto = grafico->findChild<QLabel*>(u"vuoto"_s);
    QVERIFY(vuoto && vuoto->isHidden());

    // No type of succession chosen: no share, and the window says so.
    m_window->setCaseRecord(
        CaseRecord{u"Mario"_s, QString(), u"120000"_s, u"2"_s, QString(), u"sì"_s, QString()});
    QVERIFY(!vuoto->isHidden());
    QVERIFY(grafico->legittima().isHidden());
    QVERIFY(grafico->testamentaria().isHidden());
}

QTEST_MAIN(TestGraficoWindow)
#include "tst_graficowindow.moc"

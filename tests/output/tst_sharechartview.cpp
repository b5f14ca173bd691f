#include "output/sharechartview.h"

#include <QPieSeries>
#include <QPieSlice>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

/// The pie's legend on screen: whole entries where they fit, never cut.
class TestShareChartView : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void legendFollowsTheWidth_data();
    void legendFollowsTheWidth();
    void newDataReplacesTheSlices();
};

namespace {

ShareChart::Data twoHeirs()
{
    return {u"Successione legittima"_s,
            {{u"Anna Maria"_s, 0.5, u"1/2"_s, u"60.000,00"_s, ShareChart::SliceKind::Erede},
             {u"quota disponibile"_s, 0.5, u"1/2"_s, u"60.000,00"_s,
              ShareChart::SliceKind::Disponibile}}};
}

QStringList shownLabels(const ShareChartView& view)
{
    QStringList labels;
    const auto* series = qobject_cast<QPieSeries*>(view.chart()->series().value(0));
    if (!series)
        return labels;
    for (const QPieSlice* slice : series->slices())
        labels << slice->label();
    return labels;
}

} // namespace

void TestShareChartView::legendFollowsTheWidth_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("wide window") << 800
                                 << QStringList{u"Anna Maria 1/2 (60.000,00)"_s,
                                                u"quota disponibile 1/2 (60.000,00)"_s};
    QTest::newRow("narrow pane") << 240
                                 << QStringList{u"Anna Maria 1/2"_s, u"quota disponibile 1/2"_s};
}

void TestShareChartView::legendFollowsTheWidth()
{
    QFETCH(int, width);
    QFETCH(QStringList, labels);
    ShareChartView view(u"grafico"_s);
    view.resize(width, 300);
    view.setData(twoHeirs());
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(shownLabels(view), labels);
    QVERIFY(view.chart()->legend()->minimumWidth() <= width / 2.0);
    // The amounts the narrow legend leaves out are still read and shown on hover.
    QCOMPARE(view.toolTip(),
             u"Successione legittima: Anna Maria 1/2 (60.000,00); quota disponibile 1/2 "
             u"(60.000,00)."_s);
    QCOMPARE(view.accessibleDescription(), view.toolTip());
}

void TestShareChartView::newDataReplacesTheSlices()
{
    ShareChartView view(u"grafico"_s);
    view.resize(800, 300);
    view.setData(twoHeirs());
    ShareChart::Data one = twoHeirs();
    one.slices.removeLast();
    one.slices.first().part = 1;
    one.slices.first().fractionText = u"intero"_s;
    view.setData(one);
    QCOMPARE(view.chart()->series().size(), 1);
    QCOMPARE(shownLabels(view), QStringList{u"Anna Maria intero (60.000,00)"_s});
    QCOMPARE(view.accessibleName(), u"Grafico delle quote: Successione legittima"_s);
}

QTEST_MAIN(TestShareChartView)
#include "tst_sharechartview.moc"

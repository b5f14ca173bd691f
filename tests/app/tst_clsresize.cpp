#include "app/clsresize.h"

#include <QLabel>
#include <QTest>

class TestClsResize : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void scalesAllMeasuresByDefault();
    void tagRestrictsMeasures();
    void doubleAndBackGivesDesignPositions();
    void nestedControlsScaleInsideTheirFrame();
    void firstCallOnlyRecords();
    void noControlsAndZeroSizeAreHarmless();

private:
    struct Window
    {
        QWidget form;
        QLabel* plain;
        QLabel* moving;
        QLabel* word;
        Window()
        {
            form.resize(400, 300);
            plain = make(QStringLiteral("plain"), QString(), QRect(40, 30, 100, 20));
            moving =
                make(QStringLiteral("moving"), QStringLiteral("@l,t"), QRect(200, 100, 80, 20));
            word = make(QStringLiteral("word"), QStringLiteral("fixed"), QRect(10, 200, 50, 30));
            form.show();
        }
        QLabel* make(const QString& name, const QString& tag, const QRect& geometry)
        {
            auto* label = new QLabel(&form);
            label->setObjectName(name);
            label->setProperty("Tag", tag);
            label->setGeometry(geometry);
            return label;
        }
    };
};

void TestClsResize::scalesAllMeasuresByDefault()
{
    Window w;
    ClsResize resize;
    resize.setSourceForm(&w.form);
    resize.ReInitialise();
    w.form.resize(800, 600);
    QCOMPARE(w.plain->geometry(), QRect(80, 60, 200, 40));
}

void TestClsResize::tagRestrictsMeasures()
{
    Window w;
    ClsResize resize;
    resize.setSourceForm(&w.form);
    resize.ReInitialise();
    w.form.resize(800, 450);
    QCOMPARE(w.moving->geometry(), QRect(400, 150, 80, 20));
    QCOMPARE(w.word->geometry(), QRect(20, 300, 100, 45));
}

void TestClsResize::doubleAndBackGivesDesignPositions()
{
    Window w;
    ClsResize resize;
    resize.setSourceForm(&w.form);
    resize.ReInitialise();
    for (const QSize size : {QSize(803, 611), QSize(277, 191), QSize(400, 300)})
        w.form.resize(size);
    QCOMPARE(w.plain->geometry(), QRect(40, 30, 100, 20));
    QCOMPARE(w.moving->geometry(), QRect(200, 100, 80, 20));
    QCOMPARE(w.word->geometry(), QRect(10, 200, 50, 30));
}

void TestClsResize::nestedControlsScaleInsideTheirFrame()
{
    Window w;
    QLabel* inner = w.make(QStringLiteral("inner"), QString(), QRect(5, 5, 20, 10));
    inner->setParent(w.plain);
    inner->setGeometry(5, 5, 20, 10);
    ClsResize resize;
    resize.setSourceForm(&w.form);
    resize.ReInitialise();
    w.form.resize(800, 600);
    QCOMPARE(inner->geometry(), QRect(10, 10, 40, 20));
}

void TestClsResize::firstCallOnlyRecords()
{
    Window w;
    ClsResize resize;
    resize.setSourceForm(&w.form);
    QVERIFY(resize.NeedsInit());
    resize.ResizeControls();
    QVERIFY(!resize.NeedsInit());
    QCOMPARE(resize.designSize(), QSize(400, 300));
    QCOMPARE(w.plain->geometry(), QRect(40, 30, 100, 20));
}

void TestClsResize::noControlsAndZeroSizeAreHarmless()
{
    QWidget empty;
    empty.resize(0, 0);
    ClsResize resize;
    resize.setSourceForm(&empty);
    resize.ReInitialise();
    empty.resize(100, 100);
    resize.ResizeControls();
    QVERIFY(empty.updatesEnabled());

    Window w;
    w.form.resize(0, 0);
    ClsResize zero;
    zero.setSourceForm(&w.form);
    zero.ReInitialise();
    w.form.resize(400, 300);
    QCOMPARE(w.plain->geometry(), QRect(40, 30, 100, 20));
}

QTEST_MAIN(TestClsResize)
#include "tst_clsresize.moc"

#include "family/amount.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestAmount : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reads_data();
    void reads();
    void refuses_data();
    void refuses();
    void shares_data();
    void shares();
    void fractionsInLowestTerms();
};

void TestAmount::reads_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("written");
    QTest::newRow("integer") << u"120000"_s << u"120000.00"_s;
    QTest::newRow("cents") << u"1500.50"_s << u"1500.50"_s;
    QTest::newRow("one decimal") << u"7.5"_s << u"7.50"_s;
    QTest::newRow("more decimals kept exactly") << u"0.125"_s << u"0.125"_s;
    QTest::newRow("zero") << u"0"_s << u"0.00"_s;
    QTest::newRow("leading zeros") << u"007.10"_s << u"7.10"_s;
    QTest::newRow("beyond 64 bits")
        << u"123456789012345678901234567890.99"_s << u"123456789012345678901234567890.99"_s;
}

void TestAmount::reads()
{
    QFETCH(QString, text);
    QFETCH(QString, written);
    const std::optional<Amount> amount = Amount::fromText(text);
    QVERIFY(amount);
    QCOMPARE(amount->text(), written);
    QCOMPARE(Amount::fromText(written), amount);
}

void TestAmount::refuses_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("negative") << u"-5"_s;
    QTest::newRow("comma") << u"1500,50"_s;
    QTest::newRow("thousands") << u"1.500.000"_s;
    QTest::newRow("blank") << u" 15"_s;
    QTest::newRow("exponent") << u"1e5"_s;
    QTest::newRow("bare point") << u"15."_s;
    QTest::newRow("plus") << u"+15"_s;
}

void TestAmount::refuses()
{
    QFETCH(QString, text);
    QVERIFY(!Amount::fromText(text));
}

void TestAmount::shares_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<long>("numerator");
    QTest::addColumn<long>("denominator");
    QTest::addColumn<QString>("expected");
    QTest::newRow("a third, down") << u"100"_s << 1L << 3L << u"33.33"_s;
    QTest::newRow("two thirds, up") << u"100"_s << 2L << 3L << u"66.67"_s;
    QTest::newRow("half a cent goes up") << u"0.01"_s << 1L << 2L << u"0.01"_s;
    QTest::newRow("just below half a cent") << u"0.01"_s << 49L << 100L << u"0.00"_s;
    QTest::newRow("exact") << u"120000.00"_s << 1L << 4L << u"30000.00"_s;
    QTest::newRow("whole") << u"0.125"_s << 1L << 1L << u"0.13"_s;
}

void TestAmount::shares()
{
    QFETCH(QString, base);
    QFETCH(long, numerator);
    QFETCH(long, denominator);
    QFETCH(QString, expected);
    QCOMPARE(Amount::fromText(base)->share(Fraction(numerator, denominator)).text(), expected);
}

void TestAmount::fractionsInLowestTerms()
{
    QCOMPARE(Fraction(2, 6).text(), u"1/3"_s);
    QCOMPARE(Fraction(4, 4).text(), u"1"_s);
    QCOMPARE(Fraction(0, 5).text(), u"0"_s);
    QCOMPARE((Fraction(1, 3) + Fraction(1, 6)).text(), u"1/2"_s);
    QVERIFY(Fraction(1, 3) < Fraction(1, 2));
}

QTEST_GUILESS_MAIN(TestAmount)
#include "tst_amount.moc"

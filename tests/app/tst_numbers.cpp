#include "app/numbers.h"

#include <QTest>

class TestNumbers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void leadingNumber_data();
    void leadingNumber();
    void localeNumber_data();
    void localeNumber();
    void formats_data();
    void formats();
    void hugeValuesKeepTheirValue();
    void blankLed_data();
    void blankLed();
};

void TestNumbers::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("plain") << "120000" << 120000.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("digits then letters") << "12abc" << 12.0;
    QTest::newRow("decimal point") << "0.5" << 0.5;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("grouping dot reads as decimal") << "1.000" << 1.0;
    QTest::newRow("comma stops") << "1,5" << 1.0;
    QTest::newRow("blanks skipped") << " 1 2 3" << 123.0;
    QTest::newRow("negative") << "-3" << -3.0;
    QTest::newRow("plus") << "+7" << 7.0;
    QTest::newRow("sign after digit stops") << "5-3" << 5.0;
    QTest::newRow("sign alone") << "-" << 0.0;
}

void TestNumbers::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(Numbers::leadingNumber(text), expected);
}

void TestNumbers::localeNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("expected");
    QTest::newRow("plain") << "120000" << true << 120000.0;
    QTest::newRow("grouping dot") << "1.000" << true << 1000.0;
    QTest::newRow("decimal comma") << "1.234,50" << true << 1234.5;
    QTest::newRow("blanks around") << "  100 " << true << 100.0;
    QTest::newRow("negative") << "-50" << true << -50.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("trailing letters") << "12abc" << false << 0.0;
}

void TestNumbers::localeNumber()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, expected);
    const auto value = Numbers::localeNumber(text, QLocale(QLocale::Italian, QLocale::Italy));
    QCOMPARE(value.has_value(), valid);
    if (valid)
        QCOMPARE(*value, expected);
}

void TestNumbers::formats_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("whole");
    QTest::addColumn<QString>("text");
    QTest::newRow("thousands") << 1234.5 << "1.234,50"
                               << "1.235"
                               << "1234,5";
    QTest::newRow("hundred") << 100.0 << "100,00"
                             << "100"
                             << "100";
    QTest::newRow("third") << 40000.0 / 3 << "13.333,33"
                           << "13.333"
                           << "13333,3333333333";
    QTest::newRow("half cent up") << 0.125 << "0,13"
                                  << "0"
                                  << "0,125";
    QTest::newRow("typed half cent") << 2.675 << "2,68"
                                     << "3"
                                     << "2,675";
    QTest::newRow("negative") << -1234.5 << "-1.234,50"
                              << "-1.235"
                              << "-1234,5";
    QTest::newRow("millions") << 1234567.891 << "1.234.567,89"
                              << "1.234.568"
                              << "1234567,891";
    QTest::newRow("percentage") << 33.333 << "33,33"
                                << "33"
                                << "33,333";
    QTest::newRow("zero") << 0.0 << "0,00"
                          << "0"
                          << "0";
}

void TestNumbers::hugeValuesKeepTheirValue()
{
    // Rounding to the cent must not scale a value near the largest double
    // into infinity.
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    for (const double value : {-5e306, 1.7e308, 0x1p52 + 2}) {
        for (const QString& text :
             {Numbers::formatAmount(value, italian), Numbers::formatWhole(value, italian)}) {
            const std::optional<double> read = Numbers::localeNumber(text, italian);
            QVERIFY2(read, qPrintable(text.left(40)));
            QCOMPARE(*read, value);
        }
    }
}

void TestNumbers::formats()
{
    QFETCH(double, value);
    QFETCH(QString, amount);
    QFETCH(QString, whole);
    QFETCH(QString, text);
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    QCOMPARE(Numbers::formatAmount(value, italian), amount);
    QCOMPARE(Numbers::formatWhole(value, italian), whole);
    QCOMPARE(Numbers::numberText(value, italian), text);
}

void TestNumbers::blankLed_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("count") << 74.0 << " 74";
    QTest::newRow("zero") << 0.0 << " 0";
    QTest::newRow("negative") << -3.0 << "-3";
    QTest::newRow("fraction uses a point") << 1.5 << " 1.5";
}

void TestNumbers::blankLed()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(Numbers::blankLed(value), expected);
}

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"

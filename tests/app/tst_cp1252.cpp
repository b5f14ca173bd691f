#include "app/cp1252.h"

#include <QTest>

class TestCp1252 : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void roundTripsEveryByte();
    void encodesAccentsAsSingleBytes();
    void marksWhatItCannotHold();
};

void TestCp1252::roundTripsEveryByte()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    bool ok = false;
    QCOMPARE(Cp1252::encode(Cp1252::decode(all), &ok), all);
    QVERIFY(ok);
}

void TestCp1252::encodesAccentsAsSingleBytes()
{
    QCOMPARE(Cp1252::encode(QStringLiteral("sì")), QByteArray("s\xEC"));
    QCOMPARE(Cp1252::encode(QStringLiteral("€ – ’")), QByteArray("\x80 \x96 \x92"));
    QCOMPARE(Cp1252::decode(QByteArray("libert\xE0 \x93x\x94")), QStringLiteral("libertà “x”"));
}

void TestCp1252::marksWhatItCannotHold()
{
    bool ok = true;
    QCOMPARE(Cp1252::encode(QStringLiteral("a\u0107b"), &ok), QByteArray("a?b"));
    QVERIFY(!ok);
    QVERIFY(!Cp1252::canEncode(QStringLiteral("Łukasz")));
    QVERIFY(Cp1252::canEncode(QStringLiteral("Niccolò Società")));
}

QTEST_GUILESS_MAIN(TestCp1252)
#include "tst_cp1252.moc"

#include "app/forms.h"
#include "app/frmtip.h"
#include "app/tips.h"
#include "testforms.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestTips : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readsOneTipPerLine_data();
    void readsOneTipPerLine();
    void forwardWrapsBackwardStopsAtTheFirst();
    void previousBeforeAnyTipDoesNothing();
    void missingFileIsReported_data();
    void missingFileIsReported();
    void windowStepsThroughTheTips();
    void windowWithoutFileShowsTheMissingFileText();
    void closingKeepsTheTipOnDisplay();
    void shippedFileHoldsUsefulTips();

private:
    QString writeFile(const QByteArray& bytes);
    QTemporaryDir m_dir;
    int m_files = 0;
};

QString TestTips::writeFile(const QByteArray& bytes)
{
    const QString path = m_dir.filePath(u"tips%1.TXT"_s.arg(++m_files));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the tips file");
    return path;
}

void TestTips::readsOneTipPerLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("tips");
    QTest::newRow("three lines") << QByteArray("uno\r\ndue\r\ntre\r\n")
                                 << QStringList{u"uno"_s, u"due"_s, u"tre"_s};
    QTest::newRow("empty line is a tip")
        << QByteArray("uno\r\n\r\ntre\r\n") << QStringList{u"uno"_s, QString(), u"tre"_s};
    QTest::newRow("no final line end")
        << QByteArray("uno\r\ndue") << QStringList{u"uno"_s, u"due"_s};
    QTest::newRow("Windows code page") << QByteArray("perch\xe9 l'eredit\xe0 vale 100 \x80\r\n")
                                       << QStringList{u"perché l'eredità vale 100 €"_s};
    QTest::newRow("blanks kept") << QByteArray("  rientro \r\n") << QStringList{u"  rientro "_s};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
}

void TestTips::readsOneTipPerLine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, tips);
    Tips reader;
    QVERIFY(reader.LoadTips(writeFile(bytes)));
    QCOMPARE(reader.TipItems(), tips);
    QCOMPARE(reader.TipPosition(), 1);
    QCOMPARE(reader.hasTip(), !tips.isEmpty());
    QCOMPARE(reader.currentTip(), tips.value(0));
}

void TestTips::forwardWrapsBackwardStopsAtTheFirst()
{
    Tips reader;
    QVERIFY(reader.LoadTips(writeFile("uno\r\ndue\r\ntre\r\n")));
    QStringList forward;
    for (int i = 0; i < 4; ++i) {
        reader.AdvanceTip();
        forward.append(reader.currentTip());
    }
    QCOMPARE(forward, (QStringList{u"due"_s, u"tre"_s, u"uno"_s, u"due"_s}));
    reader.previousTip();
    QCOMPARE(reader.currentTip(), u"uno"_s);
    reader.previousTip();
    QCOMPARE(reader.TipPosition(), 1);
    QCOMPARE(reader.currentTip(), u"uno"_s);
}

void TestTips::previousBeforeAnyTipDoesNothing()
{
    Tips reader;
    reader.previousTip();
    QCOMPARE(reader.TipPosition(), 0);
    QVERIFY(!reader.hasTip());
    QVERIFY(reader.currentTip().isEmpty());
}

void TestTips::missingFileIsReported_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("empty name") << QString();
    QTest::newRow("no such file") << m_dir.filePath(u"nessuno.TXT"_s);
    QTest::newRow("a folder") << m_dir.path();
}

void TestTips::missingFileIsReported()
{
    QFETCH(QString, path);
    Tips reader;
    QVERIFY(!reader.LoadTips(path));
    QCOMPARE(reader.TipPosition(), 0);
    QVERIFY(reader.TipItems().isEmpty());
}

void TestTips::windowStepsThroughTheTips()
{
    TestForms t;
    FrmTip window(t.forms, writeFile("uno\r\ndue\r\ntre\r\n"));
    QCOMPARE(window.windowTitle(), u"Suggerimento del giorno"_s);
    QCOMPARE(window.findChild<QLabel*>(u"Label1"_s)->text(), u"Non tutti sanno che..."_s);
    auto* next = window.findChild<QPushButton*>(u"cmdNextTip"_s);
    auto* previous = window.findChild<QPushButton*>(u"cmdprecedente"_s);
    QCOMPARE(next->text(), u"&Successivo"_s);
    QCOMPARE(previous->text(), u"&Precedente"_s);
    QCOMPARE(window.tipText(), u"uno"_s);
    QTest::mouseClick(previous, Qt::LeftButton);
    QCOMPARE(window.tipText(), u"uno"_s);
    QStringList shown;
    for (int i = 0; i < 3; ++i) {
        QTest::mouseClick(next, Qt::LeftButton);
        shown.append(window.tipText());
    }
    QCOMPARE(shown, (QStringList{u"due"_s, u"tre"_s, u"uno"_s}));
    QTest::mouseClick(next, Qt::LeftButton);
    QTest::mouseClick(next, Qt::LeftButton);
    QTest::mouseClick(previous, Qt::LeftButton);
    QCOMPARE(window.tipText(), u"due"_s);
}

void TestTips::windowWithoutFileShowsTheMissingFileText()
{
    const QString expected =
        u"Impossibile trovare il file QuotaraSuggerimenti.TXT\r\n\r\nCreare un file di testo "
        "denominato QuotaraSuggerimenti.TXT utilizzando il Blocco note e inserendo un "
        "suggerimento per ogni riga. Inserire il file nella stessa directory "
        "dell'applicazione. "_s;
    QCOMPARE(Tips::missingFileText(), expected);
    TestForms t;
    FrmTip window(t.forms, m_dir.filePath(u"nessuno.TXT"_s));
    QCOMPARE(window.tipText(), expected);
    QTest::mouseClick(window.findChild<QPushButton*>(u"cmdprecedente"_s), Qt::LeftButton);
    QTest::mouseClick(window.findChild<QPushButton*>(u"cmdNextTip"_s), Qt::LeftButton);
    QCOMPARE(window.tipText(), expected);

    FrmTip empty(t.forms, writeFile(QByteArray()));
    QVERIFY(empty.tipText().isEmpty());
}

void TestTips::closingKeepsTheTipOnDisplay()
{
    TestForms t;
    const QString path = writeFile("uno\r\ndue\r\ntre\r\n");
    int created = 0;
    t.forms.registerFactory(WindowId::frmTip, [path, &created](Forms& f) {
        ++created;
        return std::make_unique<FrmTip>(f, path);
    });
    auto* window = qobject_cast<FrmTip*>(t.forms.show(WindowId::frmTip));
    QTest::mouseClick(window->findChild<QPushButton*>(u"cmdNextTip"_s), Qt::LeftButton);
    QTest::mouseClick(window->findChild<QPushButton*>(u"cmdOK"_s), Qt::LeftButton);
    QVERIFY(window->isHidden());
    QVERIFY(t.forms.isLoaded(WindowId::frmTip));
    QCOMPARE(t.forms.show(WindowId::frmTip), window);
    QCOMPARE(window->tipText(), u"due"_s);
    QCOMPARE(created, 1);

    t.forms.unload(WindowId::frmTip);
    TestForms::flushDeletes();
    window = qobject_cast<FrmTip*>(t.forms.show(WindowId::frmTip));
    QCOMPARE(window->tipText(), u"uno"_s);
    QCOMPARE(created, 2);
}

void TestTips::shippedFileHoldsUsefulTips()
{
    QFile file(QStringLiteral(QUOTARA_SOURCE_DIR "/data/QuotaraSuggerimenti.TXT"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
    QVERIFY2(!bytes.startsWith("\xef\xbb\xbf"), "the file is in the Windows code page");
    QVERIFY2(QString::fromUtf8(bytes).contains(QChar::ReplacementCharacter),
             "accented letters are single Windows-1252 bytes, not UTF-8");

    Tips reader;
    QVERIFY(reader.LoadTips(file.fileName()));
    QVERIFY(reader.TipItems().size() >= 25);
    for (const QString& tip : reader.TipItems())
        QVERIFY2(tip.size() > 20 && tip == tip.trimmed(), qPrintable(tip));
    QVERIFY(reader.TipItems().join(u' ').contains(u"è"_s));
}

QTEST_MAIN(TestTips)
#include "tst_tips.moc"

#include "app/datafiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

// Where the program finds its tips and music: beside itself when run from the
// build tree, in share/quotara when installed from the package.
class TestDataFiles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void locate_data();
    void locate();

private:
    QTemporaryDir m_home;
};

namespace {

void makeFile(const QString& path)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("x");
}

} // namespace

void TestDataFiles::initTestCase()
{
    QVERIFY(m_home.isValid());
    qputenv("HOME", m_home.path().toUtf8());
    qputenv("XDG_DATA_HOME", (m_home.path() + u"/data-home"_s).toUtf8());
    qputenv("XDG_DATA_DIRS", (m_home.path() + u"/data-dirs"_s).toUtf8());
}

void TestDataFiles::locate_data()
{
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("found");
    const QString beside = u"usr/bin/QuotaraSuggerimenti.TXT"_s;
    const QString installed = u"usr/share/quotara/QuotaraSuggerimenti.TXT"_s;
    const QString user = u"data-home/quotara/QuotaraSuggerimenti.TXT"_s;
    const QString system = u"data-dirs/quotara/QuotaraSuggerimenti.TXT"_s;
    QTest::newRow("build tree") << QStringList{beside} << beside;
    QTest::newRow("installed package") << QStringList{installed} << installed;
    QTest::newRow("beside wins") << QStringList{installed, beside} << beside;
    QTest::newRow("installed before user data") << QStringList{user, installed} << installed;
    QTest::newRow("user data folder") << QStringList{user} << user;
    QTest::newRow("system data folder") << QStringList{system} << system;
    QTest::newRow("nowhere") << QStringList{} << QString();
}

void TestDataFiles::locate()
{
    QFETCH(QStringList, present);
    QFETCH(QString, found);
    QTemporaryDir root(m_home.path() + u"/root-XXXXXX"_s);
    QVERIFY(root.isValid());
    // The data folders of the environment live under the temporary home, shared by the rows.
    for (const QString& folder : {u"data-home"_s, u"data-dirs"_s})
        QDir(m_home.path() + u'/' + folder).removeRecursively();
    QVERIFY(QDir().mkpath(root.filePath(u"usr/bin"_s)));
    for (const QString& path : present) {
        const bool inRoot = path.startsWith(u"usr/"_s);
        makeFile(inRoot ? root.filePath(path) : m_home.filePath(path));
    }
    const QString result =
        DataFiles::locate(u"QuotaraSuggerimenti.TXT"_s, root.filePath(u"usr/bin"_s));
    if (found.isEmpty()) {
        QCOMPARE(result, QString());
        return;
    }
    const QString expected =
        found.startsWith(u"usr/"_s) ? root.filePath(found) : m_home.filePath(found);
    QCOMPARE(QFileInfo(result).canonicalFilePath(), QFileInfo(expected).canonicalFilePath());
}

QTEST_GUILESS_MAIN(TestDataFiles)
#include "tst_datafiles.moc"

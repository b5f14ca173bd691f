#include "norms/articleindex.h"

#include <QCryptographicHash>
#include <QFile>
#include <QMap>
#include <QTest>

using namespace Norms;

namespace {

/// The settled digests, by entry label ("456", "574-576", "768-bis").
QMap<QString, QByteArray> referenceDigests()
{
    QMap<QString, QByteArray> digests;
    QFile file(QStringLiteral(":/riferimento/data/articoli.sha256"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return digests;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
        if (fields.size() == 2)
            digests.insert(fields.at(0), fields.at(1).toLatin1());
    }
    return digests;
}

QByteArray digestOf(const Article& article)
{
    return QCryptographicHash::hash(article.text.toUtf8(), QCryptographicHash::Sha256).toHex();
}

const Article* entryLabelled(const QString& label)
{
    for (const Article& article : ArticleIndex::codice().articles()) {
        if (article.label == label)
            return &article;
    }
    return nullptr;
}

} // namespace

/// Holds every entry of the panes to the official text it was settled
/// against, so that an edit of the data cannot drift from the law unnoticed.
class TestNormsReference : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void referenceCoversEveryEntry();
    void entryMatchesTheOfficialText_data();
    void entryMatchesTheOfficialText();
};

void TestNormsReference::referenceCoversEveryEntry()
{
    const QMap<QString, QByteArray> reference = referenceDigests();
    QVERIFY(reference.size() > 300);
    QStringList unsettled;
    for (const Article& article : ArticleIndex::codice().articles()) {
        if (!reference.contains(article.label))
            unsettled.append(article.label);
    }
    QStringList vanished;
    for (auto it = reference.cbegin(); it != reference.cend(); ++it) {
        if (!entryLabelled(it.key()))
            vanished.append(it.key());
    }
    QVERIFY2(unsettled.isEmpty(),
             qPrintable(QStringLiteral("entries with no settled text: ") + unsettled.join(u' ')));
    QVERIFY2(vanished.isEmpty(),
             qPrintable(QStringLiteral("settled entries no pane holds: ") + vanished.join(u' ')));
}

void TestNormsReference::entryMatchesTheOfficialText_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QByteArray>("digest");
    const QMap<QString, QByteArray> reference = referenceDigests();
    for (auto it = reference.cbegin(); it != reference.cend(); ++it)
        QTest::newRow(qPrintable(it.key())) << it.key() << it.value();
}

void TestNormsReference::entryMatchesTheOfficialText()
{
    QFETCH(QString, label);
    QFETCH(QByteArray, digest);
    const Article* article = entryLabelled(label);
    QVERIFY2(article, qPrintable(QStringLiteral("no entry Art. ") + label));
    const QByteArray actual = digestOf(*article);
    QVERIFY2(actual == digest,
             qPrintable(QStringLiteral("Art. %1 differs from its settled text (digest now %2):\n%3")
                            .arg(label, QString::fromLatin1(actual), article->text)));
}

QTEST_GUILESS_MAIN(TestNormsReference)
#include "tst_normsreference.moc"

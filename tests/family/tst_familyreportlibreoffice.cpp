// The detailed report as a real word processor reads it: written as
// OpenDocument Text and converted to plain text by LibreOffice.
#include "family/familyreport.h"
#include "output/document.h"
#include "output/documentfiles.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace Qt::Literals::StringLiterals;
using namespace Family;

namespace {

Amount amount(const QString& text)
{
    return *Amount::fromText(text);
}

Person person(const QString& id, Relation relation, const QString& name, const QString& parent = {},
              Status status = Status::Vivente)
{
    Person p;
    p.id = id;
    p.name = name;
    p.relation = relation;
    p.parent = parent;
    p.status = status;
    return p;
}

} // namespace

class TestFamilyReportLibreOffice : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyHeirShareAmountAndStepInOrder();
};

void TestFamilyReportLibreOffice::everyHeirShareAmountAndStepInOrder()
{
    const QString soffice = QStandardPaths::findExecutable(u"soffice"_s);
    if (soffice.isEmpty())
        QSKIP("LibreOffice (soffice) is not installed");
    FamilyCase familyCase;
    familyCase.decuius = u"Mario Rossi"_s;
    familyCase.kind = Kind::Legittima;
    familyCase.relictum = amount(u"120000"_s);
    familyCase.people = {person(u"c"_s, Relation::Coniuge, u"Anna Bianchi"_s),
                         person(u"f"_s, Relation::Figlio, u"Luca Rossi"_s, {}, Status::Premorto),
                         person(u"n1"_s, Relation::Figlio, u"Sara Rossi"_s, u"f"_s),
                         person(u"n2"_s, Relation::Figlio, u"Paolo Rossi"_s, u"f"_s)};
    FamilyOutcome::Section legittima;
    legittima.shares = {{u"c"_s, Fraction(1, 2), amount(u"60000"_s), {u"581"_s}},
                        {u"n1"_s, Fraction(1, 4), amount(u"30000"_s), {u"468"_s, u"581"_s}},
                        {u"n2"_s, Fraction(1, 4), amount(u"30000"_s), {u"468"_s, u"581"_s}}};
    legittima.articles = {u"467"_s, u"468"_s, u"581"_s};
    legittima.passi = {u"Primo passo del calcolo (art. 581)."_s,
                       u"Secondo passo: la stirpe si divide in parti uguali (art. 469)."_s};
    FamilyOutcome::Outcome outcome;
    outcome.legittima = legittima;
    Document document;
    buildFamilyReport(document, familyCase, outcome);

    QTemporaryDir dir;
    const QString odt = dir.filePath(u"dettaglio.odt"_s);
    QVERIFY(DocumentFiles::writeOdt(document.textDocument(), odt));
    QProcess process;
    process.start(soffice, {u"-env:UserInstallation="_s +
                                QUrl::fromLocalFile(dir.filePath(u"profile"_s)).toString(),
                            u"--headless"_s, u"--convert-to"_s, u"txt:Text (encoded):UTF8"_s,
                            u"--outdir"_s, dir.path(), odt});
    QVERIFY(process.waitForStarted());
    QVERIFY2(process.waitForFinished(180000), "soffice did not finish");
    QCOMPARE(process.exitCode(), 0);
    QFile file(dir.filePath(u"dettaglio.txt"_s));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll()).simplified();

    const QStringList inOrder{u"Mario Rossi"_s,
                              u"120.000,00"_s,
                              u"Luca Rossi"_s,
                              u"premorto"_s,
                              u"Sara Rossi"_s,
                              u"figlio di Luca Rossi"_s,
                              u"Anna Bianchi"_s,
                              u"1/2"_s,
                              u"60.000,00"_s,
                              u"Sara Rossi"_s,
                              u"1/4"_s,
                              u"30.000,00"_s,
                              u"Paolo Rossi"_s,
                              u"30.000,00"_s,
                              u"1. Primo passo"_s,
                              u"2. Secondo passo"_s,
                              u"sono riservati i diritti di abitazione"_s};
    qsizetype at = 0;
    for (const QString& part : inOrder) {
        const qsizetype found = text.indexOf(part, at);
        QVERIFY2(found >= 0, qPrintable(part + u" after "_s + text.mid(at, 80)));
        at = found + part.size();
    }
}

QTEST_GUILESS_MAIN(TestFamilyReportLibreOffice)
#include "tst_familyreportlibreoffice.moc"

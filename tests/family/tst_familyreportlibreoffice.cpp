// The detailed report as a real word processor reads it: written as
// OpenDocument Text and converted to plain text by LibreOffice.
#include "family/familyfile.h"
#include "family/familylabels.h"
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

/// Each text found after the one before it; the first missing, or none.
QString firstMissing(const QString& text, const QStringList& inOrder)
{
    qsizetype at = 0;
    for (const QString& part : inOrder) {
        const qsizetype found = text.indexOf(part, at);
        if (found < 0)
            return part + u" after "_s + text.mid(at, 80);
        at = found + part.size();
    }
    return {};
}

} // namespace

class TestFamilyReportLibreOffice : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void everyHeirShareAmountAndStepInOrder();
    void savedCaseReopenedAndPrinted();

private:
    /// The document as LibreOffice reads it, as plain text on one line;
    /// empty when it could not be converted.
    QString asLibreOfficeReadsIt(const Document& document);

    QString m_soffice;
    QTemporaryDir m_dir;
};

void TestFamilyReportLibreOffice::initTestCase()
{
    m_soffice = QStandardPaths::findExecutable(u"soffice"_s);
    if (m_soffice.isEmpty())
        QSKIP("LibreOffice (soffice) is not installed");
    QVERIFY(m_dir.isValid());
}

QString TestFamilyReportLibreOffice::asLibreOfficeReadsIt(const Document& document)
{
    const QString odt = m_dir.filePath(u"dettaglio.odt"_s);
    const QString txt = m_dir.filePath(u"dettaglio.txt"_s);
    QFile::remove(txt);
    if (!DocumentFiles::writeOdt(document.textDocument(), odt))
        return {};
    QProcess process;
    process.start(m_soffice, {u"-env:UserInstallation="_s +
                                  QUrl::fromLocalFile(m_dir.filePath(u"profile"_s)).toString(),
                              u"--headless"_s, u"--convert-to"_s, u"txt:Text (encoded):UTF8"_s,
                              u"--outdir"_s, m_dir.path(), odt});
    if (!process.waitForStarted() || !process.waitForFinished(180000) || process.exitCode() != 0)
        return {};
    QFile file(txt);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).simplified();
}

void TestFamilyReportLibreOffice::everyHeirShareAmountAndStepInOrder()
{
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

    const QString text = asLibreOfficeReadsIt(document);
    QVERIFY(!text.isEmpty());

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
    const QString missing = firstMissing(text, inOrder);
    QVERIFY2(missing.isEmpty(), qPrintable(missing));
}

// A family saved and read back from its file, computed by the engine and
// printed: LibreOffice reads each heir with share and amount, and each step,
// in the order of the window, for both kinds of succession.
void TestFamilyReportLibreOffice::savedCaseReopenedAndPrinted()
{
    FamilyCase familyCase;
    familyCase.decuius = u"Mario Rossi"_s;
    familyCase.kind = Kind::Entrambe;
    familyCase.relictum = amount(u"120000"_s);
    familyCase.donations = {Donation{u"n1"_s, amount(u"30000"_s)}};
    Person sister = person(u"s"_s, Relation::Fratello, u"Carla Rossi"_s);
    sister.bond = Bond::Unilaterale;
    familyCase.people = {
        person(u"c"_s, Relation::Coniuge, u"Anna Bianchi"_s),
        person(u"f"_s, Relation::Figlio, u"Luca Rossi"_s, {}, Status::Premorto),
        person(u"n1"_s, Relation::Figlio, u"Sara Rossi"_s, u"f"_s),
        person(u"n2"_s, Relation::Figlio, u"Paolo Rossi"_s, u"f"_s),
        person(u"b"_s, Relation::Fratello, u"Piero Rossi"_s, {}, Status::Rinunziante),
        sister};
    const QString file = m_dir.filePath(u"rossi.quotara.json"_s);
    QString error;
    QVERIFY2(FamilyFile::write(familyCase, file, &error), qPrintable(error));
    const FamilyFile::Reading reading = FamilyFile::read(file);
    QVERIFY2(reading.familyCase, qPrintable(reading.fault));
    const FamilyOutcome::Outcome outcome = FamilyOutcome::compute(*reading.familyCase);
    QVERIFY(outcome.legittima && outcome.testamentaria);
    // Spouse and one line of descent: half and a quarter each without a
    // will (art. 581); a third each reserved (art. 542) of the estate with
    // the donation added back (art. 556).
    QCOMPARE(outcome.legittima->shares.size(), 3);
    QCOMPARE(outcome.legittima->shares.at(1).share, Fraction(1, 4));
    QCOMPARE(outcome.testamentaria->shares.at(0).share, Fraction(1, 3));
    QCOMPARE(FamilyLabels::amountText(*outcome.testamentaria->massa), u"150.000,00"_s);

    QStringList inOrder{u"Mario Rossi"_s, u"120.000,00"_s};
    for (const Person& one : familyCase.people)
        inOrder << one.name;
    for (const FamilyOutcome::Section* section : {&*outcome.legittima, &*outcome.testamentaria}) {
        QVERIFY(!section->passi.isEmpty());
        for (const FamilyOutcome::HeirShare& share : section->shares)
            inOrder << reading.familyCase->find(share.id)->name << share.share.text()
                    << FamilyLabels::amountText(share.amount);
        for (const QString& passo : section->passi)
            inOrder << passo.simplified();
    }
    Document document;
    buildFamilyReport(document, *reading.familyCase, outcome);
    const QString text = asLibreOfficeReadsIt(document);
    QVERIFY(!text.isEmpty());
    const QString missing = firstMissing(text, inOrder);
    QVERIFY2(missing.isEmpty(), qPrintable(missing));
}

QTEST_GUILESS_MAIN(TestFamilyReportLibreOffice)
#include "tst_familyreportlibreoffice.moc"

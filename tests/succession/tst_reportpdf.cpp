#include "clirun.h"
#include "output/document.h"
#include "output/documentfiles.h"
#include "succession/calculator.h"
#include "succession/clirelazione.h"
#include "succession/report.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// Runs a poppler tool; empty output when it fails.
QString runTool(const QString& tool, const QStringList& args)
{
    QProcess process;
    process.start(tool, args);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The words of the PDF's text, ligatures written out.
QStringList textWords(const QString& pdf)
{
    const QString text = runTool(u"pdftotext"_s, {u"-enc"_s, u"UTF-8"_s, pdf, u"-"_s});
    return text.normalized(QString::NormalizationForm_KC)
        .split(QRegularExpression(u"\\s+"_s), Qt::SkipEmptyParts);
}

bool isHeaderRed(QRgb pixel)
{
    return qRed(pixel) > 90 && qRed(pixel) < 170 && qGreen(pixel) < 40 && qBlue(pixel) < 40;
}

// The widest run of header-coloured pixels on any row of the first page, as
// a share of the width the page's text takes (its justified paragraphs run
// from margin to margin).
double widestTableShare(const QString& pdf, const QString& folder)
{
    const QString prefix = QDir(folder).filePath(u"pagina"_s);
    runTool(u"pdftoppm"_s,
            {u"-r"_s, u"60"_s, u"-f"_s, u"1"_s, u"-l"_s, u"1"_s, u"-png"_s, pdf, prefix});
    const QStringList pages = QDir(folder).entryList({u"pagina*.png"_s});
    if (pages.isEmpty())
        return 0;
    const QImage page(QDir(folder).filePath(pages.first()));
    int widest = 0;
    int textLeft = page.width();
    int textRight = -1;
    for (int y = 0; y < page.height(); ++y) {
        int first = -1;
        int last = -1;
        for (int x = 0; x < page.width(); ++x) {
            const QRgb pixel = page.pixel(x, y);
            if (qGray(pixel) < 160) {
                textLeft = std::min(textLeft, x);
                textRight = std::max(textRight, x);
            }
            if (!isHeaderRed(pixel))
                continue;
            if (first < 0)
                first = x;
            last = x;
        }
        widest = std::max(widest, last - first + 1);
    }
    return textRight > textLeft ? widest / double(textRight - textLeft + 1) : 0;
}

} // namespace

/// The succession report as a reader of its PDF sees it, from the program's
/// own writer and from quotara-cli.
class TestReportPdf : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void headingsWholeAndTablesFullWidth_data();
    void headingsWholeAndTablesFullWidth();

private:
    QTemporaryDir m_dir;
};

void TestReportPdf::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QVERIFY(m_dir.isValid());
    QVERIFY2(!QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty(),
             "pdftotext and pdftoppm come with poppler-utils (scripts/deps.sh)");
}

void TestReportPdf::headingsWholeAndTablesFullWidth_data()
{
    QTest::addColumn<bool>("fromCli");
    QTest::newRow("document writer") << false;
    QTest::newRow("quotara-cli relazione") << true;
}

void TestReportPdf::headingsWholeAndTablesFullWidth()
{
    QFETCH(bool, fromCli);
    const CaseRecord record{u"Mario Rossi"_s, u"entrambe"_s, u"120000"_s, u"2"_s,
                            u"2"_s,           u"sì"_s,       u"3"_s};
    const QString pdf = m_dir.filePath(fromCli ? u"cli.pdf"_s : u"writer.pdf"_s);
    if (fromCli) {
        const CliRun run = runCli(cliRelazione, {u"--decuius"_s, record.decuius, u"--tipologia"_s,
                                                 record.successione, u"--beni"_s, record.beni,
                                                 u"--figli"_s, record.figli, u"--ascendenti"_s,
                                                 record.ascendenti, u"--coniuge"_s, record.coniuge,
                                                 u"--fratelli"_s, record.fratelli, u"-o"_s, pdf});
        QVERIFY2(run.status == 0, qPrintable(run.err));
    } else {
        Calculator calculator = Calculator::opened();
        calculator.apply(record);
        Document document;
        buildReport(document, calculator.record(), calculator.results());
        QString error;
        QVERIFY2(DocumentFiles::writePdf(document.textDocument(), pdf, &error), qPrintable(error));
    }

    const QStringList words = textWords(pdf);
    QVERIFY(words.size() > 50);
    const QStringList headings{u"dati"_s,
                               u"valori"_s,
                               u"de cuius"_s,
                               u"successione"_s,
                               u"beni"_s,
                               u"eredi"_s,
                               u"quota testamentaria"_s,
                               u"valore testamentaria"_s,
                               u"quota legittima"_s,
                               u"valore legittima"_s,
                               u"figli n. 2"_s,
                               u"ascendenti n. 2"_s,
                               u"coniuge 1"_s,
                               u"fratelli n. 3"_s,
                               u"quota disponibile"_s,
                               u"ad ogni erede"_s,
                               u"al figlio"_s,
                               u"all'ascendente"_s,
                               u"al fratello"_s};
    // A cell may wrap between words, never inside one, and its letters are
    // never spaced out: every word of every heading is read back whole.
    for (const QString& heading : headings)
        for (const QString& word : heading.split(u' '))
            QVERIFY2(words.contains(word), qPrintable(heading + u": "_s + word));

    const QTemporaryDir pages;
    const double share = widestTableShare(pdf, pages.path());
    QVERIFY2(share > 0.95 && share < 1.05, qPrintable(QString::number(share)));
}

QTEST_MAIN(TestReportPdf)
#include "tst_reportpdf.moc"

#include "family/familyfile.h"
#include "family/familyreport.h"
#include "output/document.h"
#include "output/documentfiles.h"
#include "output/sharechart.h"
#include "succession/calculator.h"
#include "succession/gridsharechart.h"
#include "succession/report.h"

#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextImageFormat>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Picture
{
    QImage image;
    double width = 0;
    QString alternative;
};

/// The pictures of a document, in order, with their text alternatives.
QList<Picture> picturesOf(const QTextDocument& document)
{
    QList<Picture> pictures;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QTextImageFormat image = format.toImageFormat();
            pictures << Picture{
                document.resource(QTextDocument::ImageResource, QUrl(image.name())).value<QImage>(),
                image.width(), image.stringProperty(QTextFormat::ImageAltText)};
        }
    }
    return pictures;
}

QStringList legends(const ShareChart::Data& data)
{
    QStringList texts;
    for (const ShareChart::Slice& slice : data.slices)
        texts << ShareChart::legendText(slice);
    return texts;
}

Family::FamilyCase family()
{
    const FamilyFile::Reading reading = FamilyFile::decode(
        R"({"formato":"quotara-famiglia/1","decuius":"Mario","tipologia":"entrambe",
            "relictum":"120000","persone":[
            {"id":"c","nome":"Anna","relazione":"coniuge"},
            {"id":"f","nome":"Luca","relazione":"figlio","stato":"premorto"},
            {"id":"n1","nome":"Sara","relazione":"figlio","di":"f"},
            {"id":"n2","nome":"Paolo","relazione":"figlio","di":"f"}]})");
    return reading.familyCase.value_or(Family::FamilyCase{});
}

} // namespace

class TestReportCharts : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    void gridCharts_data();
    void gridCharts();
    void successionReportHasTheShareChart();
    void familyReportHasBothCharts();
    void writtenDocumentsHoldTheImages();
    void libreOfficeShowsBothCharts();
    void shareChartImage();
};

void TestReportCharts::gridCharts_data()
{
    QTest::addColumn<QString>("successione");
    QTest::addColumn<QString>("figli");
    QTest::addColumn<QString>("coniuge");
    QTest::addColumn<QString>("ascendenti");
    QTest::addColumn<ResultColumn>("column");
    QTest::addColumn<QStringList>("slices");

    QTest::newRow("spouse and two children, intestate")
        << u"legittima"_s << u"2"_s << u"sì"_s << QString() << ResultColumn::Legittima
        << QStringList{u"figli 2/3 (80.000,00)"_s, u"coniuge 1/3 (40.000,00)"_s};
    QTest::newRow("spouse and a child, with a will")
        << u"testamentaria"_s << u"1"_s << u"sì"_s << QString() << ResultColumn::Testamentaria
        << QStringList{u"figli 1/3 (40.000,00)"_s, u"coniuge 1/3 (40.000,00)"_s,
                       u"quota disponibile 1/3 (40.000,00)"_s};
    QTest::newRow("no will: no disposable column")
        << u"legittima"_s << u"1"_s << u"no"_s << QString() << ResultColumn::Testamentaria
        << QStringList();
    QTest::newRow("nobody: the State") << u"legittima"_s << QString() << u"no"_s << QString()
                                       << ResultColumn::Legittima << QStringList{u"Stato intero"_s};
}

void TestReportCharts::gridCharts()
{
    QFETCH(QString, successione);
    QFETCH(QString, figli);
    QFETCH(QString, coniuge);
    QFETCH(QString, ascendenti);
    QFETCH(ResultColumn, column);
    QFETCH(QStringList, slices);
    Calculator calculator = Calculator::opened();
    calculator.apply(
        CaseRecord{u"Mario"_s, successione, u"120000"_s, figli, ascendenti, coniuge, QString()});
    const ShareChart::Data data = GridShareChart::columnChart(calculator.results(), column);
    QCOMPARE(legends(data), slices);
    double total = 0;
    for (const ShareChart::Slice& slice : data.slices)
        total += slice.part;
    if (!slices.isEmpty())
        QVERIFY(qAbs(total - 1) < 1e-9);
}

void TestReportCharts::successionReportHasTheShareChart()
{
    Calculator calculator = Calculator::opened();
    calculator.apply(
        CaseRecord{u"Mario"_s, u"entrambe"_s, u"120000"_s, u"2"_s, QString(), u"sì"_s, QString()});
    Document document;
    buildReport(document, calculator.record(), calculator.results());
    const QList<Picture> pictures = picturesOf(document.textDocument());
    QCOMPARE(pictures.size(), 1);
    QCOMPARE(pictures.first().width, Document::textWidth);
    // Drawn for print: 300 dots to the inch of the page.
    QCOMPARE(pictures.first().image.width(), qRound(Document::textWidth / 96 * 300));
    QVERIFY(pictures.first().alternative.contains(
        u"Successione testamentaria: figli 2/4 (60.000,00); coniuge 1/4 (30.000,00); quota "
        u"disponibile 1/4 (30.000,00). Successione legittima: figli 2/3 (80.000,00); coniuge 1/3 "
        u"(40.000,00)."_s));
    QVERIFY(document.plainText().contains(u"Grafico delle quote, in parole: "_s));
}

void TestReportCharts::familyReportHasBothCharts()
{
    const Family::FamilyCase familyCase = family();
    QVERIFY(!familyCase.people.isEmpty());
    Document document;
    buildFamilyReport(document, familyCase, FamilyEngine::compute(familyCase));
    const QList<Picture> pictures = picturesOf(document.textDocument());
    QCOMPARE(pictures.size(), 2);
    QVERIFY(pictures.at(0).alternative.startsWith(u"Albero genealogico: Mario, de cuius"_s));
    QVERIFY(pictures.at(0).alternative.contains(u"premorto, rappresentato da Sara, Paolo"_s));
    QVERIFY(pictures.at(1).alternative.contains(
        u"Successione legittima: Anna 1/2 (60.000,00); Sara 1/4 (30.000,00)"_s));
    QVERIFY(pictures.at(1).alternative.contains(u"quota disponibile 1/3 (40.000,00)"_s));
    for (const Picture& picture : pictures) {
        QVERIFY(!picture.image.isNull());
        QCOMPARE(picture.image.dotsPerMeterX(), qRound(300 / 0.0254));
        QVERIFY(picture.width <= Document::textWidth);
    }
    QVERIFY(document.plainText().contains(u"Albero genealogico, in parole: "_s));
}

void TestReportCharts::writtenDocumentsHoldTheImages()
{
    const Family::FamilyCase familyCase = family();
    Document document;
    buildFamilyReport(document, familyCase, FamilyEngine::compute(familyCase));
    QTemporaryDir dir;
    const QString odt = dir.filePath(u"relazione.odt"_s);
    const QString pdf = dir.filePath(u"relazione.pdf"_s);
    QVERIFY(DocumentFiles::writeOdt(document.textDocument(), odt));
    QVERIFY(DocumentFiles::writePdf(document.textDocument(), pdf));
    QFile odtFile(odt);
    QVERIFY(odtFile.open(QIODevice::ReadOnly));
    // The package lists its pictures by name, uncompressed.
    QCOMPARE(odtFile.readAll().count("Pictures/"), 4);
    QFile pdfFile(pdf);
    QVERIFY(pdfFile.open(QIODevice::ReadOnly));
    QCOMPARE(pdfFile.readAll().count("/Subtype /Image"), 2);
}

// The detailed report as the user opens it: LibreOffice reads the saved
// document and prints it to PDF, whose pictures poppler lists.
void TestReportCharts::libreOfficeShowsBothCharts()
{
    const QString soffice = QStandardPaths::findExecutable(u"soffice"_s);
    const QString pdfimages = QStandardPaths::findExecutable(u"pdfimages"_s);
    if (soffice.isEmpty() || pdfimages.isEmpty())
        QSKIP("LibreOffice (soffice) or poppler's pdfimages is not installed");
    const Family::FamilyCase familyCase = family();
    Document document;
    buildFamilyReport(document, familyCase, FamilyEngine::compute(familyCase));
    QTemporaryDir dir;
    const QString odt = dir.filePath(u"relazione.odt"_s);
    QVERIFY(DocumentFiles::writeOdt(document.textDocument(), odt));
    QProcess convert;
    convert.start(
        soffice,
        {u"-env:UserInstallation="_s + QUrl::fromLocalFile(dir.filePath(u"profile"_s)).toString(),
         u"--headless"_s, u"--convert-to"_s, u"pdf"_s, u"--outdir"_s, dir.path(), odt});
    QVERIFY(convert.waitForFinished(180000));
    QCOMPARE(convert.exitCode(), 0);
    QProcess list;
    list.start(pdfimages, {u"-list"_s, dir.filePath(u"relazione.pdf"_s)});
    QVERIFY(list.waitForFinished(30000));
    QCOMPARE(list.exitCode(), 0);
    // Two header lines, then one line per picture with its size in pixels.
    const QStringList lines =
        QString::fromUtf8(list.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2 + 2);
    for (const QString& line : lines.mid(2)) {
        const QStringList columns = line.simplified().split(u' ');
        QVERIFY2(columns.size() > 4 && columns.at(3).toInt() >= 1000, qPrintable(line));
    }
}

void TestReportCharts::shareChartImage()
{
    ShareChart::Data data{
        u"Successione legittima"_s,
        {{u"Anna"_s, 0.5, u"1/2"_s, u"60.000,00"_s, ShareChart::SliceKind::Erede},
         {u"Stato"_s, 0.5, u"1/2"_s, u"60.000,00"_s, ShareChart::SliceKind::Stato}}};
    const QImage image = ShareChart::renderImage({data}, 400, 96);
    QCOMPARE(image.width(), 400);
    // Clockwise from twelve o'clock: Anna on the right, the State on the left.
    const int middle = 28 + 4 + qRound(std::min(400 * 0.9, 300.0 - 28 - 16) / 2);
    QCOMPARE(image.pixelColor(200 + 40, middle), ShareChart::colorOf(data.slices.at(0), 0));
    QCOMPARE(image.pixelColor(200 - 40, middle), ShareChart::colorOf(data.slices.at(1), 1));
    QCOMPARE(ShareChart::description(data),
             u"Successione legittima: Anna 1/2 (60.000,00); Stato 1/2 (60.000,00)."_s);
}

QTEST_MAIN(TestReportCharts)
#include "tst_reportcharts.moc"

// The documents as a real word processor reads them: the report and the guide
// are written as OpenDocument Text and converted by LibreOffice.
#include "output/document.h"
#include "output/documentfiles.h"
#include "output/stampaguida.h"
#include "succession/calculator.h"
#include "succession/clirelazione.h"
#include "succession/report.h"

#include "app/quotaramod.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Table = QList<QStringList>; // rows of cell texts

QString readText(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

QString plain(QString html)
{
    static const QRegularExpression tag(u"<[^>]*>"_s);
    html.remove(tag);
    html.replace(u"&quot;"_s, u"\""_s).replace(u"&#39;"_s, u"'"_s);
    html.replace(u"&lt;"_s, u"<"_s).replace(u"&gt;"_s, u">"_s).replace(u"&amp;"_s, u"&"_s);
    return html.simplified();
}

/// Every table of an HTML file: its rows of cells, and for each cell the
/// alignment of its paragraph.
struct HtmlTables
{
    QList<Table> texts;
    QList<Table> alignments;
};

HtmlTables tablesOf(const QString& html)
{
    static const QRegularExpression table(u"<table.*?</table>"_s,
                                          QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression row(u"<tr.*?</tr>"_s,
                                        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression cell(u"<td[^>]*>(.*?)</td>"_s,
                                         QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression align(u"<p align=\"(\\w+)\""_s);
    HtmlTables tables;
    for (const auto& t : table.globalMatch(html)) {
        Table texts;
        Table alignments;
        for (const auto& r : row.globalMatch(t.captured(0))) {
            QStringList rowTexts;
            QStringList rowAlignments;
            for (const auto& c : cell.globalMatch(r.captured(0))) {
                rowTexts.append(plain(c.captured(1)));
                rowAlignments.append(align.match(c.captured(1)).captured(1));
            }
            texts.append(rowTexts);
            alignments.append(rowAlignments);
        }
        tables.texts.append(texts);
        tables.alignments.append(alignments);
    }
    return tables;
}

} // namespace

class TestLibreOffice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void reportText();
    void reportTables();
    void reportAlignmentAndFont();
    void commandLineGivesTheSameReport();
    void guideText();

private:
    void convert(const QString& format);

    QTemporaryDir m_dir;
    QString m_soffice;
    QString m_out;
    QString m_reportText;
    QString m_reportHtml;
};

void TestLibreOffice::initTestCase()
{
    m_soffice = QStandardPaths::findExecutable(u"soffice"_s);
    if (m_soffice.isEmpty())
        QSKIP("LibreOffice (soffice) is not installed");
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QVERIFY(m_dir.isValid());
    m_out = m_dir.filePath(u"out"_s);

    Calculator calculator = Calculator::opened();
    calculator.apply(CaseRecord{u"Rossi, Mario"_s, u"legittima"_s, u"1234567"_s, u"2"_s, QString(),
                                u"sì"_s, QString()});
    Document report;
    buildReport(report, calculator.record(), calculator.results());
    QVERIFY(DocumentFiles::writeOdt(report.textDocument(), m_dir.filePath(u"relazione.odt"_s)));

    Document guide;
    stampaguida(guide, u"Finestra Successione"_s,
                u"Primo capoverso della guida.\rSecondo capoverso, con l'accento: è così."_s);
    QVERIFY(DocumentFiles::writeOdt(guide.textDocument(), m_dir.filePath(u"guida.odt"_s)));

    QString output;
    QString errors;
    QTextStream out(&output);
    QTextStream err(&errors);
    const int status = cliRelazione({u"--decuius"_s, u"Rossi, Mario"_s, u"--beni"_s, u"1234567"_s,
                                     u"--figli"_s, u"2"_s, u"-o"_s, m_dir.filePath(u"cli.odt"_s)},
                                    out, err);
    QVERIFY2(status == 0, qPrintable(errors));

    convert(u"txt"_s);
    convert(u"html"_s);
    m_reportText = readText(m_out + u"/relazione.txt"_s);
    m_reportHtml = readText(m_out + u"/relazione.html"_s);
    QVERIFY(!m_reportText.isEmpty());
    QVERIFY(!m_reportHtml.isEmpty());
}

void TestLibreOffice::convert(const QString& format)
{
    // Each test run has its own profile: two conversions sharing one lose a file.
    const QString profile = QUrl::fromLocalFile(m_dir.filePath(u"profile"_s)).toString();
    QProcess soffice;
    soffice.start(m_soffice,
                  {u"-env:UserInstallation="_s + profile, u"--headless"_s, u"--convert-to"_s,
                   format, u"--outdir"_s, m_out, m_dir.filePath(u"relazione.odt"_s),
                   m_dir.filePath(u"guida.odt"_s), m_dir.filePath(u"cli.odt"_s)});
    QVERIFY(soffice.waitForStarted());
    QVERIFY2(soffice.waitForFinished(180000), "soffice did not finish");
    QCOMPARE(soffice.exitCode(), 0);
}

void TestLibreOffice::reportText()
{
    const QStringList expected{
        u"QUOTARA"_s,
        u"(quote di successione)"_s,
        u"Dati della successione"_s,
        u"Rossi, Mario"_s,
        u"1.234.567"_s,
        u"Risultati della successione (articoli del Codice civile n.540 581)"_s,
        u"figli n. 2"_s,
        u"coniuge 1"_s,
        u"Ripartizione tra ciascun erede (in percentuale ed in valore assoluto)"_s,
        u"all'ascendente"_s,
        u"Diritti del coniuge ai sensi del secondo comma dell'art.540 del Codice Civile:"_s,
        u"se di proprietà del defunto o comuni."_s,
        u"(Tale norma è applicabile sia alla successione testamentaria che alla successione "
        "legittima.)"_s,
        u"Nota: in caso di morte degli eredi le loro quote vanno ai discendenti o agli ulteriori "
        "eredi."_s};
    qsizetype from = 0;
    for (const QString& text : expected) {
        const qsizetype at = m_reportText.indexOf(text, from);
        QVERIFY2(at >= 0, qPrintable(u"missing or out of order: "_s + text));
        from = at + text.size();
    }
}

void TestLibreOffice::reportTables()
{
    const HtmlTables tables = tablesOf(m_reportHtml);
    QCOMPARE(tables.texts.size(), 3);
    const Table& caseTable = tables.texts[0];
    QCOMPARE(caseTable.size(), 4);
    QCOMPARE(caseTable[0], (QStringList{u"dati"_s, u"valori"_s}));
    QCOMPARE(caseTable[1], (QStringList{u"de cuius"_s, u"Rossi, Mario"_s}));
    QCOMPARE(caseTable[2], (QStringList{u"successione"_s, u"legittima"_s}));
    QCOMPARE(caseTable[3], (QStringList{u"beni"_s, u"1.234.567"_s}));

    const QStringList heads{u"quota testamentaria"_s, u"valore testamentaria"_s,
                            u"quota legittima"_s, u"valore legittima"_s};
    const Table& results = tables.texts[1];
    QCOMPARE(results.size(), 6);
    QCOMPARE(results[0], QStringList{u"eredi"_s} + heads);
    QCOMPARE(results[1],
             (QStringList{u"figli n. 2"_s, QString(), QString(), u"2/3"_s, u"823.044,67"_s}));
    QCOMPARE(results[2].first(), u"ascendenti n. 0"_s);
    QCOMPARE(results[3],
             (QStringList{u"coniuge 1"_s, QString(), QString(), u"1/3"_s, u"411.522,33"_s}));
    QCOMPARE(results[4].first(), u"fratelli n. 0"_s);
    QCOMPARE(results[5].mid(0, 4),
             (QStringList{u"quota disponibile"_s, QString(), QString(), u"0"_s}));

    const Table& each = tables.texts[2];
    QCOMPARE(each.size(), 4);
    QCOMPARE(each[0], QStringList{u"ad ogni erede"_s} + heads);
    QCOMPARE(each[1],
             (QStringList{u"al figlio"_s, QString(), QString(), u"33,333"_s, u"411.522,33"_s}));
    QCOMPARE(each[2].first(), u"all'ascendente"_s);
    QCOMPARE(each[3].first(), u"al fratello"_s);
}

void TestLibreOffice::reportAlignmentAndFont()
{
    const HtmlTables tables = tablesOf(m_reportHtml);
    QCOMPARE(tables.alignments.size(), 3);
    for (const QStringList& row : tables.alignments[0])
        QCOMPARE(row, (QStringList{u"justify"_s, u"justify"_s}));
    for (int t = 1; t <= 2; ++t)
        for (const QStringList& row : tables.alignments[t])
            QCOMPARE(row,
                     (QStringList{u"justify"_s, u"right"_s, u"right"_s, u"right"_s, u"right"_s}));
    QVERIFY(m_reportHtml.contains(u"face=\"Century Gothic\""_s));
    QVERIFY(m_reportHtml.contains(u"font-size: 20pt"_s));
    QVERIFY(m_reportHtml.contains(u"font-size: 10pt"_s));
}

void TestLibreOffice::commandLineGivesTheSameReport()
{
    QCOMPARE(readText(m_out + u"/cli.txt"_s), m_reportText);
    QCOMPARE(tablesOf(readText(m_out + u"/cli.html"_s)).texts, tablesOf(m_reportHtml).texts);
}

void TestLibreOffice::guideText()
{
    const QString text = readText(m_out + u"/guida.txt"_s);
    QStringList lines = text.split(u'\n');
    for (QString& line : lines)
        line = line.trimmed();
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    const QStringList expected{Quotaramod::nomeprogramma(),
                               Quotaramod::sottotitolo(),
                               QString(),
                               QString(),
                               u"Guida: Finestra Successione"_s,
                               QString(),
                               u"Primo capoverso della guida."_s,
                               u"Secondo capoverso, con l'accento: è così."_s};
    QCOMPARE(lines, expected);
    QVERIFY(tablesOf(readText(m_out + u"/guida.html"_s)).texts.isEmpty());
    QVERIFY(readText(m_out + u"/guida.html"_s).contains(u"face=\"Century Gothic\""_s));
}

QTEST_GUILESS_MAIN(TestLibreOffice)
#include "tst_libreoffice.moc"

// The documents as a real word processor reads them: the report and the guide
// are written as OpenDocument Text and converted by LibreOffice.
#include "output/document.h"
#include "output/documentfiles.h"
#include "output/stampaguida.h"
#include "succession/calculator.h"
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
    static const QRegularExpression tag(u"<[^>]*>"_qs);
    html.remove(tag);
    html.replace(u"&quot;"_qs, u"\""_qs).replace(u"&#39;"_qs, u"'"_qs);
    html.replace(u"&lt;"_qs, u"<"_qs).replace(u"&gt;"_qs, u">"_qs).replace(u"&amp;"_qs, u"&"_qs);
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
    static const QRegularExpression table(u"<table.*?</table>"_qs,
                                          QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression row(u"<tr.*?</tr>"_qs,
                                        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression cell(u"<td[^>]*>(.*?)</td>"_qs,
                                         QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression align(u"<p align=\"(\\w+)\""_qs);
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
    m_soffice = QStandardPaths::findExecutable(u"soffice"_qs);
    if (m_soffice.isEmpty())
        QSKIP("LibreOffice (soffice) is not installed");
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QVERIFY(m_dir.isValid());
    m_out = m_dir.filePath(u"out"_qs);

    Calculator calculator = Calculator::opened();
    calculator.apply(CaseRecord{u"Rossi, Mario"_qs, u"legittima"_qs, u"1234567"_qs, u"2"_qs,
                                QString(), u"sì"_qs, QString()});
    Document report;
    buildReport(report, calculator.record(), calculator.results());
    QVERIFY(DocumentFiles::writeOdt(report.textDocument(), m_dir.filePath(u"relazione.odt"_qs)));

    Document guide;
    stampaguida(guide, u"Finestra Successione"_qs,
                u"Primo capoverso della guida.\rSecondo capoverso, con l'accento: è così."_qs);
    QVERIFY(DocumentFiles::writeOdt(guide.textDocument(), m_dir.filePath(u"guida.odt"_qs)));

    QString output;
    QString errors;
    QTextStream out(&output);
    QTextStream err(&errors);
    const int status =
        cliRelazione({u"--decuius"_qs, u"Rossi, Mario"_qs, u"--beni"_qs, u"1234567"_qs,
                      u"--figli"_qs, u"2"_qs, u"-o"_qs, m_dir.filePath(u"cli.odt"_qs)},
                     out, err);
    QVERIFY2(status == 0, qPrintable(errors));

    convert(u"txt"_qs);
    convert(u"html"_qs);
    m_reportText = readText(m_out + u"/relazione.txt"_qs);
    m_reportHtml = readText(m_out + u"/relazione.html"_qs);
    QVERIFY(!m_reportText.isEmpty());
    QVERIFY(!m_reportHtml.isEmpty());
}

void TestLibreOffice::convert(const QString& format)
{
    // Each test run has its own profile: two conversions sharing one lose a file.
    const QString profile = QUrl::fromLocalFile(m_dir.filePath(u"profile"_qs)).toString();
    QProcess soffice;
    soffice.start(m_soffice,
                  {u"-env:UserInstallation="_qs + profile, u"--headless"_qs, u"--convert-to"_qs,
                   format, u"--outdir"_qs, m_out, m_dir.filePath(u"relazione.odt"_qs),
                   m_dir.filePath(u"guida.odt"_qs), m_dir.filePath(u"cli.odt"_qs)});
    QVERIFY(soffice.waitForStarted());
    QVERIFY2(soffice.waitForFinished(180000), "soffice did not finish");
    QCOMPARE(soffice.exitCode(), 0);
}

void TestLibreOffice::reportText()
{
    const QStringList expected{
        u"QUOTARA"_qs,
        u"(quote di successione)"_qs,
        u"Dati della successione"_qs,
        u"Rossi, Mario"_qs,
        u"1.234.567"_qs,
        u"Risultati della successione (articoli del Codice civile n.540 581)"_qs,
        u"figli n. 2"_qs,
        u"coniuge 1"_qs,
        u"Ripartizione tra ciascun erede (in percentuale ed in valore assoluto)"_qs,
        u"all'ascendente"_qs,
        u"Diritti del coniuge ai sensi del secondo comma dell'art.540 del Codice Civile:"_qs,
        u"se di proprietà del defunto o comuni."_qs,
        u"(Tale norma è applicabile sia alla successione testamentaria che alla successione "
        "legittima.)"_qs,
        u"Nota: in caso di morte degli eredi le loro quote vanno ai discendenti o agli ulteriori "
        "eredi."_qs};
    qsizetype from = 0;
    for (const QString& text : expected) {
        const qsizetype at = m_reportText.indexOf(text, from);
        QVERIFY2(at >= 0, qPrintable(u"missing or out of order: "_qs + text));
        from = at + text.size();
    }
}

void TestLibreOffice::reportTables()
{
    const HtmlTables tables = tablesOf(m_reportHtml);
    QCOMPARE(tables.texts.size(), 3);
    const Table& caseTable = tables.texts[0];
    QCOMPARE(caseTable.size(), 4);
    QCOMPARE(caseTable[0], (QStringList{u"dati"_qs, u"valori"_qs}));
    QCOMPARE(caseTable[1], (QStringList{u"de cuius"_qs, u"Rossi, Mario"_qs}));
    QCOMPARE(caseTable[2], (QStringList{u"successione"_qs, u"legittima"_qs}));
    QCOMPARE(caseTable[3], (QStringList{u"beni"_qs, u"1.234.567"_qs}));

    const QStringList heads{u"quota testamentaria"_qs, u"valore testamentaria"_qs,
                            u"quota legittima"_qs, u"valore legittima"_qs};
    const Table& results = tables.texts[1];
    QCOMPARE(results.size(), 6);
    QCOMPARE(results[0], QStringList{u"eredi"_qs} + heads);
    QCOMPARE(results[1],
             (QStringList{u"figli n. 2"_qs, QString(), QString(), u"2/3"_qs, u"823.044,67"_qs}));
    QCOMPARE(results[2].first(), u"ascendenti n. 0"_qs);
    QCOMPARE(results[3],
             (QStringList{u"coniuge 1"_qs, QString(), QString(), u"1/3"_qs, u"411.522,33"_qs}));
    QCOMPARE(results[4].first(), u"fratelli n. 0"_qs);
    QCOMPARE(results[5].mid(0, 4),
             (QStringList{u"quota disponibile"_qs, QString(), QString(), u"0"_qs}));

    const Table& each = tables.texts[2];
    QCOMPARE(each.size(), 4);
    QCOMPARE(each[0], QStringList{u"ad ogni erede"_qs} + heads);
    QCOMPARE(each[1],
             (QStringList{u"al figlio"_qs, QString(), QString(), u"33,333"_qs, u"411.522,33"_qs}));
    QCOMPARE(each[2].first(), u"all'ascendente"_qs);
    QCOMPARE(each[3].first(), u"al fratello"_qs);
}

void TestLibreOffice::reportAlignmentAndFont()
{
    const HtmlTables tables = tablesOf(m_reportHtml);
    QCOMPARE(tables.alignments.size(), 3);
    for (const QStringList& row : tables.alignments[0])
        QCOMPARE(row, (QStringList{u"justify"_qs, u"justify"_qs}));
    for (int t = 1; t <= 2; ++t)
        for (const QStringList& row : tables.alignments[t])
            QCOMPARE(row, (QStringList{u"justify"_qs, u"right"_qs, u"right"_qs, u"right"_qs,
                                       u"right"_qs}));
    QVERIFY(m_reportHtml.contains(u"face=\"Century Gothic\""_qs));
    QVERIFY(m_reportHtml.contains(u"font-size: 20pt"_qs));
    QVERIFY(m_reportHtml.contains(u"font-size: 10pt"_qs));
}

void TestLibreOffice::commandLineGivesTheSameReport()
{
    QCOMPARE(readText(m_out + u"/cli.txt"_qs), m_reportText);
    QCOMPARE(tablesOf(readText(m_out + u"/cli.html"_qs)).texts, tablesOf(m_reportHtml).texts);
}

void TestLibreOffice::guideText()
{
    const QString text = readText(m_out + u"/guida.txt"_qs);
    QStringList lines = text.split(u'\n');
    for (QString& line : lines)
        line = line.trimmed();
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    const QStringList expected{Quotaramod::nomeprogramma(),
                               Quotaramod::sottotitolo(),
                               QString(),
                               QString(),
                               u"Guida: Finestra Successione"_qs,
                               QString(),
                               u"Primo capoverso della guida."_qs,
                               u"Secondo capoverso, con l'accento: è così."_qs};
    QCOMPARE(lines, expected);
    QVERIFY(tablesOf(readText(m_out + u"/guida.html"_qs)).texts.isEmpty());
    QVERIFY(readText(m_out + u"/guida.html"_qs).contains(u"face=\"Century Gothic\""_qs));
}

QTEST_GUILESS_MAIN(TestLibreOffice)
#include "tst_libreoffice.moc"

#include "report.h"

#include "app/numbers.h"
#include "calculator.h"
#include "casefile.h"
#include "output/document.h"
#include "output/documentfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTextStream>

#include <array>
#include <optional>
#include <utility>

namespace {

const QChar paragraph(13);

struct HeirRow
{
    QString label;
    const Results::Column* fraction;
    int row;
};

void fillCells(Document& document, int table, int row, const QString& label,
               const Results::Column& fraction, const Results& results, int amountRow)
{
    document.setCellText(table, row, 1, label);
    document.setCellText(table, row, 2, fraction[1]);
    document.setCellText(table, row, 3, results.quota1[static_cast<std::size_t>(amountRow)]);
    document.setCellText(table, row, 4, fraction[2]);
    document.setCellText(table, row, 5, results.quota2[static_cast<std::size_t>(amountRow)]);
}

void setHeads(Document& document, int table, const QString& first)
{
    const std::array<QString, 5> heads{
        first, QStringLiteral("quota testamentaria"), QStringLiteral("valore testamentaria"),
        QStringLiteral("quota legittima"), QStringLiteral("valore legittima")};
    for (int c = 1; c <= 5; ++c)
        document.setCellText(table, 1, c, heads[static_cast<std::size_t>(c - 1)]);
}

void caseTable(Document& document, const CaseRecord& record)
{
    const int table = document.addTable(4, 2);
    document.setTableFontSize(table, 10);
    document.setCellText(table, 1, 1, QStringLiteral("dati"));
    document.setCellText(table, 1, 2, QStringLiteral("valori"));
    document.setCellText(table, 2, 1, QStringLiteral("de cuius"));
    document.setCellText(table, 2, 2, record.decuius);
    document.setCellText(table, 3, 1, QStringLiteral("successione"));
    document.setCellText(table, 3, 2, record.successione);
    document.setCellText(table, 4, 1, QStringLiteral("beni"));
    document.setCellText(table, 4, 2, reportValue(record.beni));
    document.applyColorfulFormat(table);
}

void resultsTable(Document& document, const CaseRecord& record, const Results& results)
{
    const int table = document.addTable(6, 5);
    document.setTableFontSize(table, 10);
    document.applyColorfulFormat(table);
    setHeads(document, table, QStringLiteral("eredi"));
    const double spouse = spouseReading(record.coniuge).value_or(0) == 1 ? 1 : 0;
    const std::array<HeirRow, 5> rows{{
        {QStringLiteral("figli n.") + Numbers::blankLed(Numbers::leadingNumber(record.figli)),
         &results.quotafigli, 1},
        {QStringLiteral("ascendenti n.") +
             Numbers::blankLed(Numbers::leadingNumber(record.ascendenti)),
         &results.quotaascendenti, 2},
        {QStringLiteral("coniuge") + Numbers::blankLed(spouse), &results.quotaconiuge, 3},
        {QStringLiteral("fratelli n.") + Numbers::blankLed(Numbers::leadingNumber(record.fratelli)),
         &results.quotafratelli, 4},
        {QStringLiteral("quota disponibile"), &results.quotadisponibile, 5},
    }};
    for (std::size_t i = 0; i < rows.size(); ++i)
        fillCells(document, table, static_cast<int>(i) + 2, rows[i].label, *rows[i].fraction,
                  results, rows[i].row);
}

void perHeirTable(Document& document, const Results& results)
{
    const int table = document.addTable(4, 5);
    document.setTableFontSize(table, 10);
    document.applyColorfulFormat(table);
    setHeads(document, table, QStringLiteral("ad ogni erede"));
    fillCells(document, table, 2, QStringLiteral("al figlio"), results.quotafiglio, results, 6);
    fillCells(document, table, 3, QStringLiteral("all'ascendente"), results.quotaascendente,
              results, 7);
    fillCells(document, table, 4, QStringLiteral("al fratello"), results.quotafratello, results, 8);
}

void spouseRights(Document& document)
{
    document.typeText(
        paragraph +
        QStringLiteral(
            "Diritti del coniuge ai sensi del secondo comma dell'art.540 del Codice Civile:") +
        paragraph);
    document.typeText(
        QStringLiteral(
            "Al coniuge, anche quando concorra con altri chiamati, sono riservati i diritti di "
            "abitazione sulla casa adibita a residenza familiare e di uso sui mobili che la "
            "corredano, se di proprietà del defunto o comuni. Tali diritti gravano sulla "
            "porzione disponibile e, qualora questa non sia sufficiente, per il rimanente sulla "
            "quota di riserva del coniuge ed eventualmente sulla quota riservata ai figli.") +
        paragraph);
    document.typeText(QStringLiteral("(Tale norma è applicabile sia alla successione "
                                     "testamentaria che alla successione legittima.)") +
                      paragraph);
    document.typeText(paragraph +
                      QStringLiteral("Nota: in caso di morte degli eredi le loro quote vanno ai "
                                     "discendenti o agli ulteriori eredi.") +
                      paragraph);
}

} // namespace

QString reportValue(const QString& beni)
{
    const std::optional<double> value = Numbers::localeNumber(beni);
    return value ? Numbers::formatWhole(*value) : beni;
}

void buildReport(Document& document, const CaseRecord& record, const Results& results)
{
    document.setFontName(QStringLiteral("Century Gothic"));
    document.setFontSize(20);
    document.typeText(QStringLiteral("QUOTARA") + paragraph);
    document.setFontSize(16);
    document.typeText(QStringLiteral("(quote di successione)") + QString(2, paragraph));
    document.setFontSize(12);
    document.typeText(QStringLiteral("Dati della successione"));

    document.insertParagraphAfter();
    caseTable(document, record);

    document.insertParagraphAfter();
    document.setFontSize(12);
    document.typeText(paragraph +
                      QStringLiteral("Risultati della successione (articoli del Codice civile n.") +
                      results.art + u')' + paragraph);
    resultsTable(document, record, results);

    document.insertParagraphAfter();
    document.typeText(
        paragraph +
        QStringLiteral("Ripartizione tra ciascun erede (in percentuale ed in valore assoluto)") +
        paragraph);
    perHeirTable(document, results);

    document.insertParagraphAfter();
    document.setFontSize(12);
    spouseRights(document);

    document.justifyAll();
    for (int table : {2, 3})
        for (int column = 2; column <= 5; ++column)
            document.alignColumnRight(table, column);
}

// quotara-cli relazione: the same report, written to a file.

namespace {

const QString cliName = QStringLiteral("quotara-cli relazione");

void reportUsage(QTextStream& err)
{
    err << "uso: quotara-cli relazione [--tipologia testamentaria|legittima|entrambe] [--beni "
           "VALORE]\n"
           "       [--figli N] [--ascendenti N] [--fratelli N] [--coniuge sì|no]\n"
           "       [--de-cuius NOME] -o FILE.odt|FILE.pdf\n"
           "   oppure: quotara-cli relazione --file FILEDATI -o FILE.odt|FILE.pdf\n";
}

QString* reportField(CaseRecord& record, const QString& option)
{
    // The names `calcola` takes, with its short aliases.
    const std::array<std::pair<QString, QString*>, 9> fields{{
        {QStringLiteral("--de-cuius"), &record.decuius},
        {QStringLiteral("--decuius"), &record.decuius},
        {QStringLiteral("--tipologia"), &record.successione},
        {QStringLiteral("--tipo"), &record.successione},
        {QStringLiteral("--beni"), &record.beni},
        {QStringLiteral("--figli"), &record.figli},
        {QStringLiteral("--ascendenti"), &record.ascendenti},
        {QStringLiteral("--coniuge"), &record.coniuge},
        {QStringLiteral("--fratelli"), &record.fratelli},
    }};
    for (const auto& [name, field] : fields)
        if (name == option)
            return field;
    return nullptr;
}

/// What is wrong with an option's value, or nothing.
QString badReportValue(const QString& option, const QString& value)
{
    static const QRegularExpression count(QStringLiteral("^\\s*\\d+\\s*$"));
    if ((option == u"--tipologia" || option == u"--tipo") && typeCode(value) == 0)
        return QStringLiteral("tipo di successione non valido: %1 (testamentaria, legittima o "
                              "entrambe)")
            .arg(value);
    if (option == u"--beni" && !Numbers::localeNumber(value))
        return QStringLiteral("valore dei beni non valido: %1").arg(value);
    if ((option == u"--figli" || option == u"--ascendenti" || option == u"--fratelli") &&
        !count.match(value).hasMatch())
        return QStringLiteral("numero non valido per %1: %2").arg(option, value);
    if (option == u"--coniuge" && value != u"sì" && value != u"no")
        return QStringLiteral("valore non valido per --coniuge: %1 (sì o no)").arg(value);
    return QString();
}

struct ReportRequest
{
    Calculator calculator = Calculator::opened();
    QString output;
};

/// Reads the arguments; a message in `error` when they are wrong.
std::optional<ReportRequest> parseReportArgs(const QStringList& args, QString& error)
{
    ReportRequest request;
    CaseRecord record = request.calculator.record();
    QString caseFile;
    bool fieldGiven = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& option = args[i];
        QString* field = reportField(record, option);
        const bool known = field || option == u"--file" || option == u"-o";
        if (!known) {
            error = QStringLiteral("opzione sconosciuta: %1").arg(option);
            return std::nullopt;
        }
        if (i + 1 >= args.size()) {
            error = QStringLiteral("manca il valore di %1").arg(option);
            return std::nullopt;
        }
        const QString& value = args[++i];
        if (option == u"-o") {
            request.output = value;
        } else if (option == u"--file") {
            caseFile = value;
        } else {
            error = badReportValue(option, value);
            if (!error.isEmpty())
                return std::nullopt;
            *field = value;
            fieldGiven = true;
        }
    }
    if (request.output.isEmpty()) {
        error = QStringLiteral("manca il file da scrivere (-o FILE.odt o -o FILE.pdf)");
        return std::nullopt;
    }
    const QString suffix = QFileInfo(request.output).suffix().toLower();
    if (suffix != u"odt" && suffix != u"pdf") {
        error = QStringLiteral("il file da scrivere deve finire in .odt o .pdf: %1")
                    .arg(request.output);
        return std::nullopt;
    }
    if (!caseFile.isEmpty() && fieldGiven) {
        error = QStringLiteral("--file non si combina con le opzioni dei dati");
        return std::nullopt;
    }
    if (!caseFile.isEmpty()) {
        const CaseFile::Reading reading = CaseFile::read(caseFile);
        if (!reading.record) {
            error = QStringLiteral("il file %1 non è un file di dati: %2")
                        .arg(QDir::toNativeSeparators(caseFile), reading.fault);
            return std::nullopt;
        }
        record = *reading.record;
    }
    request.calculator.apply(record);
    return request;
}

} // namespace

int cliRelazione(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QString error;
    std::optional<ReportRequest> request = parseReportArgs(args, error);
    if (!request) {
        err << cliName << ": " << error << '\n';
        reportUsage(err);
        return 2;
    }
    const bool pdf = QFileInfo(request->output).suffix().toLower() == u"pdf";
    // Laying out PDF pages needs the font database of a GUI application.
    if (pdf && !qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        err << cliName
            << ": la scrittura in PDF richiede la grafica di Qt, non avviata; usare -o FILE.odt\n";
        return 1;
    }
    Document document;
    buildReport(document, request->calculator.record(), request->calculator.results());
    const bool written =
        pdf ? DocumentFiles::writePdf(document.textDocument(), request->output, &error)
            : DocumentFiles::writeOdt(document.textDocument(), request->output, &error);
    if (!written) {
        err << cliName << ": impossibile scrivere " << request->output << ": " << error << '\n';
        return 1;
    }
    out << request->output << '\n';
    return 0;
}

#include "clicalcola.h"

#include "calculator.h"
#include "casefile.h"
#include "caserecord.h"
#include "results.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStringList>
#include <QTextStream>
#include <array>
#include <optional>

#include "app/numbers.h"

using namespace Qt::Literals::StringLiterals;

namespace {

struct Options
{
    QList<std::pair<QString, QString>> values; ///< option and text, in the given order
    QString file;
    bool json = false;
};

const std::array<QString, 9>& rowNames()
{
    static const std::array<QString, 9> names = {
        QString(),
        u"figli"_s,
        u"ascendenti"_s,
        u"coniuge"_s,
        u"fratelli"_s,
        u"disponibile"_s,
        u"a ciascun figlio (%)"_s,
        u"a ciascun ascendente (%)"_s,
        u"a ciascun fratello (%)"_s,
    };
    return names;
}

QString configurationName(int caso)
{
    static const std::array<QString, 12> names = {
        u"nessuna"_s,
        u"coniuge solo"_s,
        u"coniuge con fratelli e sorelle"_s,
        u"coniuge con ascendenti"_s,
        u"coniuge con ascendenti e fratelli e sorelle"_s,
        u"fratelli e sorelle soli"_s,
        u"ascendenti soli"_s,
        u"ascendenti con fratelli e sorelle"_s,
        u"coniuge con due o più figli"_s,
        u"due o più figli"_s,
        u"coniuge con un figlio"_s,
        u"un figlio"_s,
    };
    return caso >= 0 && caso <= 11 ? names[static_cast<std::size_t>(caso)] : names[0];
}

void usage(QTextStream& err)
{
    err << "uso: quotara-cli calcola [--tipo testamentaria|legittima|entrambe] [--beni VALORE]\n"
           "       [--figli N] [--ascendenti N] [--fratelli N] [--coniuge sì|no]\n"
           "       [--decuius NOME] [--file FILE] [--json]\n"
           "Con --file il caso si legge da un file di dati; le altre opzioni ne cambiano i "
           "campi.\n";
}

// Checks one option's value; returns the message of what is wrong, if anything.
std::optional<QString> badValue(const QString& option, const QString& value)
{
    static const QRegularExpression count(u"^\\d+$"_s);
    if (option == u"--tipo" && value != u"testamentaria" && value != u"legittima" &&
        value != u"entrambe")
        return u"tipo di successione non valido: %1 (testamentaria, legittima o entrambe)"_s.arg(
            value);
    if (option == u"--beni" && !Numbers::localeNumber(value))
        return u"valore dei beni non valido: %1"_s.arg(value);
    if ((option == u"--figli" || option == u"--ascendenti" || option == u"--fratelli") &&
        !count.match(value.trimmed()).hasMatch())
        return u"numero non valido per %1: %2"_s.arg(option, value);
    if (option == u"--coniuge" && value != u"sì" && value != u"no")
        return u"valore non valido per --coniuge: %1 (sì o no)"_s.arg(value);
    return std::nullopt;
}

QString* fieldOf(CaseRecord& record, const QString& option)
{
    if (option == u"--tipo")
        return &record.successione;
    if (option == u"--beni")
        return &record.beni;
    if (option == u"--figli")
        return &record.figli;
    if (option == u"--ascendenti")
        return &record.ascendenti;
    if (option == u"--fratelli")
        return &record.fratelli;
    if (option == u"--coniuge")
        return &record.coniuge;
    if (option == u"--decuius")
        return &record.decuius;
    return nullptr;
}

std::optional<Options> parse(const QStringList& args, QTextStream& err)
{
    Options options;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& option = args[i];
        if (option == u"--json") {
            options.json = true;
            continue;
        }
        CaseRecord probe;
        if (option != u"--file" && !fieldOf(probe, option)) {
            err << "quotara-cli calcola: opzione sconosciuta: " << option << '\n';
            usage(err);
            return std::nullopt;
        }
        if (i + 1 >= args.size()) {
            err << "quotara-cli calcola: manca il valore di " << option << '\n';
            return std::nullopt;
        }
        const QString& value = args[++i];
        if (const auto message = badValue(option, value)) {
            err << "quotara-cli calcola: " << *message << '\n';
            return std::nullopt;
        }
        if (option == u"--file")
            options.file = value;
        else
            options.values.append({option, value});
    }
    return options;
}

std::optional<CaseRecord> caseOf(const Options& options, CaseRecord record, QTextStream& err)
{
    if (!options.file.isEmpty()) {
        const CaseFile::Reading reading = CaseFile::read(options.file);
        if (!reading.record) {
            err << "quotara-cli calcola: " << options.file << ": " << reading.fault << '\n';
            return std::nullopt;
        }
        record = *reading.record;
    }
    for (const auto& [option, value] : options.values)
        *fieldOf(record, option) = value;
    return record;
}

QString padded(const QString& text, int width)
{
    return text.leftJustified(width, u' ');
}

void printText(const CaseRecord& record, const Results& results, QTextStream& out)
{
    if (!record.decuius.isEmpty())
        out << "de cuius: " << record.decuius << '\n';
    out << "tipologia: " << record.successione << '\n';
    out << "valore dei beni: " << record.beni << '\n';
    out << "configurazione: " << results.caso << " (" << configurationName(results.caso) << ")\n";
    out << "art. del C.C.: " << results.art << "\n\n";
    out << padded(QString(), 26) << padded(u"succ. testamentaria"_s, 26) << "succ. legittima\n";
    out << padded(QString(), 26) << padded(u"quota"_s, 10) << padded(u"valore"_s, 16)
        << padded(u"quota"_s, 10) << "valore\n";
    for (int row = 1; row <= 8; ++row) {
        const QString line = padded(rowNames()[row], 26) + padded(results.fraction(row, 1), 10) +
                             padded(results.amount(row, 1), 16) +
                             padded(results.fraction(row, 2), 10) + results.amount(row, 2);
        out << line.trimmed() << '\n';
    }
    if (results.notaVisible)
        out << "\nnota: " << results.nota << '\n';
}

QJsonObject cell(const Results& results, int row, int column)
{
    return QJsonObject{{u"quota"_s, results.fraction(row, column)},
                       {u"valore"_s, results.amount(row, column)}};
}

void printJson(const CaseRecord& record, const Results& results, QTextStream& out)
{
    QJsonArray rows;
    for (int row = 1; row <= 8; ++row)
        rows.append(QJsonObject{{u"riga"_s, row},
                                {u"erede"_s, rowNames()[row]},
                                {u"testamentaria"_s, cell(results, row, 1)},
                                {u"legittima"_s, cell(results, row, 2)}});
    const QJsonObject root{
        {u"decuius"_s, record.decuius},
        {u"successione"_s, record.successione},
        {u"beni"_s, record.beni},
        {u"figli"_s, record.figli},
        {u"ascendenti"_s, record.ascendenti},
        {u"coniuge"_s, record.coniuge},
        {u"fratelli"_s, record.fratelli},
        {u"caso"_s, results.caso},
        {u"configurazione"_s, configurationName(results.caso)},
        {u"art"_s, results.art},
        {u"righe"_s, rows},
        {u"nota"_s, results.notaVisible ? QJsonValue(results.nota) : QJsonValue()},
    };
    out << QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented));
}

} // namespace

int cliCalcola(const QStringList& args, QTextStream& out, QTextStream& err)
{
    const std::optional<Options> options = parse(args, err);
    if (!options)
        return 2;
    Calculator calculator = Calculator::opened();
    const std::optional<CaseRecord> record = caseOf(*options, calculator.record(), err);
    if (!record)
        return 2;
    calculator.apply(*record);
    if (options->json)
        printJson(calculator.record(), calculator.results(), out);
    else
        printText(calculator.record(), calculator.results(), out);
    return 0;
}

#include "clicalcola.h"

#include "app/numbers.h"
#include "calculator.h"
#include "casefile.h"
#include "caserecord.h"
#include "results.h"
#include "sharerules.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QStringList>
#include <QTextStream>
#include <algorithm>
#include <array>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Options
{
    QList<std::pair<QString, QString>> values; ///< field option and text, in the given order
    QString file;
    QString locale;
    bool json = false;
    bool help = false;
};

// The field options; the short forms are the names of earlier versions.
QString* fieldOf(CaseRecord& record, const QString& option)
{
    if (option == u"--tipologia" || option == u"--tipo")
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
    if (option == u"--de-cuius" || option == u"--decuius")
        return &record.decuius;
    return nullptr;
}

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

const char* usageText()
{
    return "uso: quotara-cli calcola [FILE] [--file FILE]\n"
           "       [--tipologia testamentaria|legittima|entrambe] [--beni VALORE]\n"
           "       [--figli N] [--ascendenti N] [--coniuge sì|no] [--fratelli N]\n"
           "       [--de-cuius NOME] [--locale NOME] [--json]\n"
           "Senza FILE si parte dai dati con cui si apre la finestra (legittima, 100, coniuge "
           "sì);\n"
           "le opzioni cambiano i campi del file o di quei dati. I numeri seguono le "
           "impostazioni\n"
           "internazionali dell'utente o quelle di --locale (ad esempio it_IT, en_US).\n";
}

std::optional<QLocale> localeNamed(const QString& name)
{
    if (name.isEmpty())
        return QLocale();
    const QLocale locale(name);
    const bool plain = name == u"C" || name == u"POSIX";
    if (locale.language() == QLocale::C && !plain)
        return std::nullopt;
    return locale;
}

// What is wrong with one option's text under the locale, if anything.
std::optional<QString> badValue(const QString& option, const QString& value, const QLocale& locale)
{
    CaseRecord probe;
    QString* field = fieldOf(probe, option);
    if (field == &probe.successione && !typeCode(value))
        return u"tipologia non valida: %1 (testamentaria, legittima o entrambe)"_s.arg(value);
    if (field == &probe.coniuge && value != u"sì" && value != u"no")
        return u"coniuge non valido: %1 (sì o no)"_s.arg(value);
    CalculatorState state;
    state.successione = 2;
    state.beni = u"1"_s;
    if (field == &probe.beni)
        state.beni = value;
    const double count = countReading(value).value_or(-1);
    if (field == &probe.figli)
        state.figli = count;
    if (field == &probe.ascendenti)
        state.ascendenti = count;
    if (field == &probe.fratelli)
        state.fratelli = count;
    const QString fault = inputFault(state, locale);
    if (fault.isEmpty())
        return std::nullopt;
    return u"%1 %2: %3"_s.arg(option, value, fault);
}

// Splits "--option=value" so that both spellings read alike.
QStringList normalised(const QStringList& args)
{
    QStringList result;
    for (const QString& arg : args) {
        const qsizetype at = arg.indexOf(u'=');
        if (arg.startsWith(u"--") && at > 2) {
            result << arg.left(at) << arg.mid(at + 1);
            continue;
        }
        result << arg;
    }
    return result;
}

std::optional<Options> parse(const QStringList& given, QTextStream& err)
{
    const QStringList args = normalised(given);
    Options options;
    CaseRecord probe;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == u"--json" || arg == u"--help") {
            (arg == u"--json" ? options.json : options.help) = true;
            continue;
        }
        if (!arg.startsWith(u"--")) {
            if (!options.file.isEmpty()) {
                err << "quotara-cli calcola: un solo file di dati alla volta: " << arg << '\n';
                return std::nullopt;
            }
            options.file = arg;
            continue;
        }
        if (arg != u"--file" && arg != u"--locale" && !fieldOf(probe, arg)) {
            err << "quotara-cli calcola: opzione sconosciuta: " << arg << '\n' << usageText();
            return std::nullopt;
        }
        if (i + 1 >= args.size()) {
            err << "quotara-cli calcola: manca il valore di " << arg << '\n';
            return std::nullopt;
        }
        const QString& value = args[++i];
        if (arg == u"--file" && !options.file.isEmpty()) {
            err << "quotara-cli calcola: un solo file di dati alla volta: " << value << '\n';
            return std::nullopt;
        }
        if (arg == u"--file")
            options.file = value;
        else if (arg == u"--locale")
            options.locale = value;
        else
            options.values.append({arg, value});
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

// The grid as the window lays it out: the row's name, then quota and valore
// of each column, amounts right-aligned.
QStringList gridLines(const Results& results)
{
    qsizetype nameWidth = 0;
    qsizetype fractionWidth = QStringLiteral("quota").size();
    qsizetype amountWidth = QStringLiteral("valore").size();
    for (int row = 1; row <= 8; ++row) {
        nameWidth = std::max(nameWidth, rowNames()[row].size());
        for (int column = 1; column <= 2; ++column) {
            fractionWidth = std::max(fractionWidth, results.fraction(row, column).size());
            amountWidth = std::max(amountWidth, results.amount(row, column).size());
        }
    }
    const QString heading1 = u"succ. testamentaria"_s;
    const QString heading2 = u"succ. legittima"_s;
    amountWidth = std::max(amountWidth, heading1.size() - fractionWidth - 2);
    const qsizetype columnWidth = fractionWidth + 2 + amountWidth;
    const QString gap = u"  "_s;
    const auto cells = [&](const QString& fraction, const QString& amount) {
        return fraction.leftJustified(fractionWidth) + gap + amount.rightJustified(amountWidth);
    };

    QStringList lines;
    lines << QString(nameWidth, u' ') + gap + heading1.leftJustified(columnWidth) + gap + heading2;
    lines << QString(nameWidth, u' ') + gap + cells(u"quota"_s, u"valore"_s) + gap +
                 cells(u"quota"_s, u"valore"_s);
    for (int row = 1; row <= 8; ++row)
        lines << rowNames()[row].leftJustified(nameWidth) + gap +
                     cells(results.fraction(row, 1), results.amount(row, 1)) + gap +
                     cells(results.fraction(row, 2), results.amount(row, 2));
    for (QString& line : lines) {
        while (line.endsWith(u' '))
            line.chop(1);
    }
    return lines;
}

void printText(const Calculator& calculator, QTextStream& out)
{
    const CaseRecord& record = calculator.record();
    const Results& results = calculator.results();
    if (!record.decuius.isEmpty())
        out << "de cuius: " << record.decuius << '\n';
    out << "tipologia: " << record.successione << '\n';
    out << "valore dei beni: " << record.beni << '\n';
    out << "configurazione: " << results.caso << " (" << configurationName(results.caso) << ")\n";
    out << "art. del C.C.: " << results.art << "\n\n";
    for (const QString& line : gridLines(results))
        out << line << '\n';
    if (results.notaVisible)
        out << "\nnota: " << results.nota << '\n';
    if (!calculator.fault().isEmpty())
        out << "\nattenzione: " << calculator.fault() << '\n';
}

QJsonArray pair(const Results::Column& column)
{
    return QJsonArray{column[1], column[2]};
}

QJsonArray rows(const Results::Rows& amounts)
{
    QJsonArray array;
    for (int row = 1; row <= 8; ++row)
        array.append(amounts[static_cast<std::size_t>(row)]);
    return array;
}

void printJson(const Calculator& calculator, QTextStream& out)
{
    const Results& r = calculator.results();
    const QJsonObject root{
        {u"quotafigli"_s, pair(r.quotafigli)},
        {u"quotaascendenti"_s, pair(r.quotaascendenti)},
        {u"quotaconiuge"_s, pair(r.quotaconiuge)},
        {u"quotafratelli"_s, pair(r.quotafratelli)},
        {u"quotadisponibile"_s, pair(r.quotadisponibile)},
        {u"quotafiglio"_s, pair(r.quotafiglio)},
        {u"quotaascendente"_s, pair(r.quotaascendente)},
        {u"quotafratello"_s, pair(r.quotafratello)},
        {u"quota1"_s, rows(r.quota1)},
        {u"quota2"_s, rows(r.quota2)},
        {u"art"_s, r.art},
        {u"nota"_s, r.nota},
        {u"notavisibile"_s, r.notaVisible},
        {u"caso"_s, r.caso},
        {u"passo"_s, calculator.passo()},
    };
    out << QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented));
}

} // namespace

int cliCalcola(const QStringList& args, QTextStream& out, QTextStream& err)
{
    const std::optional<Options> options = parse(args, err);
    if (!options)
        return 2;
    if (options->help) {
        out << usageText();
        return 0;
    }
    const std::optional<QLocale> locale = localeNamed(options->locale);
    if (!locale) {
        err << "quotara-cli calcola: impostazioni internazionali sconosciute: " << options->locale
            << " (ad esempio it_IT, en_US)\n";
        return 2;
    }
    for (const auto& [option, value] : options->values) {
        if (const auto message = badValue(option, value, *locale)) {
            err << "quotara-cli calcola: " << *message << '\n';
            return 2;
        }
    }
    Calculator calculator = Calculator::opened(*locale);
    const std::optional<CaseRecord> record = caseOf(*options, calculator.record(), err);
    if (!record)
        return 2;
    calculator.apply(*record);
    if (options->json)
        printJson(calculator, out);
    else
        printText(calculator, out);
    return 0;
}

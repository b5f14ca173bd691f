#include "clicalcola.h"

#include "app/cli.h"
#include "calculator.h"
#include "caseoptions.h"
#include "results.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QStringList>
#include <QTextStream>
#include <algorithm>
#include <array>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

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
    Cli::CommandLine line(
        u"calcola"_s, CaseOptions::arguments(),
        u"Le quote del caso come le mostra la finestra Successione. Il caso viene dal file\n"
        u"di dati FILE (- per lo standard input) o, senza file, dai dati con cui si apre la\n"
        u"finestra (legittima, 100, coniuge sì); le opzioni dei campi ne cambiano i dati.\n"
        u"I numeri seguono le impostazioni internazionali dell'utente o quelle di --locale."_s);
    CaseOptions::addTo(line);
    line.addOption(
        QCommandLineOption(u"json"_s, u"scrive un oggetto JSON con ogni campo dei risultati"_s));
    if (const std::optional<int> done = line.parse(args, out, err))
        return *done;
    const CaseOptions::Reading reading = CaseOptions::read(line.parser());
    if (!reading.request)
        return line.fail(err, reading.error);
    Calculator calculator = Calculator::opened(reading.request->locale);
    calculator.apply(reading.request->record);
    if (line.parser().isSet(u"json"_s))
        printJson(calculator, out);
    else
        printText(calculator, out);
    return Cli::success;
}

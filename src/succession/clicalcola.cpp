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

// The grid as the window lays it out: the row's name, then quota and valore
// of each column, amounts right-aligned.
QStringList gridLines(const Results& results)
{
    qsizetype nameWidth = 0;
    qsizetype fractionWidth = QStringLiteral("quota").size();
    qsizetype amountWidth = QStringLiteral("valore").size();
    for (const ResultRow row : resultRows) {
        nameWidth = std::max(nameWidth, rowName(row).size());
        for (const ResultColumn column : resultColumns) {
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
    constexpr auto testamentaria = ResultColumn::Testamentaria;
    constexpr auto legittima = ResultColumn::Legittima;
    for (const ResultRow row : resultRows)
        lines << rowName(row).leftJustified(nameWidth) + gap +
                     cells(results.fraction(row, testamentaria),
                           results.amount(row, testamentaria)) +
                     gap + cells(results.fraction(row, legittima), results.amount(row, legittima));
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
    out << "configurazione: " << configurationNumber(results.configuration) << " ("
        << configurationName(results.configuration) << ")\n";
    out << "art. del C.C.: " << results.art << "\n\n";
    for (const QString& line : gridLines(results))
        out << line << '\n';
    if (results.notaVisible)
        out << "\nnota: " << results.nota << '\n';
    if (!calculator.fault().isEmpty())
        out << "\nattenzione: " << calculator.fault() << '\n';
}

// Both columns of a row's fractions, as the window's label array `quotafigli_1`, `quotafigli_2`.
QJsonArray fractionPair(const Results& results, ResultRow row)
{
    return QJsonArray{results.fraction(row, ResultColumn::Testamentaria),
                      results.fraction(row, ResultColumn::Legittima)};
}

// A column's amounts, rows in order, as the label array `quota1_1` to `quota1_8`.
QJsonArray amountColumn(const Results& results, ResultColumn column)
{
    QJsonArray array;
    for (const ResultRow row : resultRows)
        array.append(results.amount(row, column));
    return array;
}

void printJson(const Calculator& calculator, QTextStream& out)
{
    const Results& r = calculator.results();
    const QJsonObject root{
        {u"quotafigli"_s, fractionPair(r, ResultRow::Figli)},
        {u"quotaascendenti"_s, fractionPair(r, ResultRow::Ascendenti)},
        {u"quotaconiuge"_s, fractionPair(r, ResultRow::Coniuge)},
        {u"quotafratelli"_s, fractionPair(r, ResultRow::Fratelli)},
        {u"quotadisponibile"_s, fractionPair(r, ResultRow::Disponibile)},
        {u"quotafiglio"_s, fractionPair(r, ResultRow::Figlio)},
        {u"quotaascendente"_s, fractionPair(r, ResultRow::Ascendente)},
        {u"quotafratello"_s, fractionPair(r, ResultRow::Fratello)},
        {u"quota1"_s, amountColumn(r, ResultColumn::Testamentaria)},
        {u"quota2"_s, amountColumn(r, ResultColumn::Legittima)},
        {u"art"_s, r.art},
        {u"nota"_s, r.nota},
        {u"notavisibile"_s, r.notaVisible},
        {u"caso"_s, configurationNumber(r.configuration)},
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

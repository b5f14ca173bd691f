#include "clidettaglio.h"

#include "app/cli.h"
#include "familyengine.h"
#include "familyfile.h"
#include "familyreport.h"
#include "output/document.h"
#include "output/documentfiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

using FamilyEngine::Section;

QJsonArray articlesJson(const QStringList& articles)
{
    QJsonArray array;
    for (const QString& article : articles)
        array.append(article);
    return array;
}

QJsonObject sectionJson(const Section& section, bool reserve)
{
    QJsonArray quote;
    for (const FamilyEngine::HeirShare& share : section.shares) {
        quote.append(QJsonObject{{u"id"_s, share.id},
                                 {u"quota"_s, share.share.text()},
                                 {u"valore"_s, share.amount.text()},
                                 {u"articoli"_s, articlesJson(share.articles)}});
    }
    QJsonObject object{{u"quote"_s, quote},
                       {u"articoli"_s, articlesJson(section.articles)},
                       {u"passi"_s, QJsonArray::fromStringList(section.passi)}};
    if (reserve) {
        object.insert(u"massa"_s, section.massa->text());
        object.insert(u"disponibile"_s,
                      QJsonObject{{u"quota"_s, section.disponibile->text()},
                                  {u"valore"_s, section.disponibileAmount->text()}});
    } else {
        object.insert(u"stato"_s, section.stateShare ? QJsonValue(section.stateShare->text())
                                                     : QJsonValue(QJsonValue::Null));
    }
    return object;
}

void printTable(QTextStream& out, const QString& title, const Family::FamilyCase& familyCase,
                const Section& section)
{
    out << title << '\n';
    QList<QStringList> rows{{u"persona"_s, u"relazione"_s, u"quota"_s, u"valore"_s, u"articoli"_s}};
    for (const FamilyEngine::HeirShare& share : section.shares) {
        const Family::Person* person = familyCase.find(share.id);
        rows << QStringList{person->displayName(), Family::wordOf(person->relation),
                            share.share.text(), share.amount.text(), share.articles.join(u", "_s)};
    }
    if (section.stateShare)
        rows << QStringList{u"Stato"_s, QString(), section.stateShare->text(),
                            section.stateAmount->text(), u"586"_s};
    if (section.disponibile)
        rows << QStringList{u"disponibile"_s, QString(), section.disponibile->text(),
                            section.disponibileAmount->text(), QString()};
    QList<qsizetype> widths(rows.first().size(), 0);
    for (const QStringList& row : rows) {
        for (qsizetype column = 0; column < row.size(); ++column)
            widths[column] = std::max(widths[column], row[column].size());
    }
    for (const QStringList& row : rows) {
        QStringList cells;
        for (qsizetype column = 0; column < row.size(); ++column)
            cells << row[column].leftJustified(widths[column]);
        out << cells.join(u"  "_s).trimmed() << '\n';
    }
    if (section.massa)
        out << "massa (art. 556): " << section.massa->text() << '\n';
    out << "passi:\n";
    for (const QString& passo : section.passi)
        out << "- " << passo << '\n';
}

/// The bytes of the case file, or none with `error` saying why.
std::optional<QByteArray> readInput(const QString& name, QString& error)
{
    QFile file;
    if (!Cli::openInput(file, name)) {
        error = u"impossibile leggere %1: %2"_s.arg(Cli::inputName(name), file.errorString());
        return std::nullopt;
    }
    QByteArray bytes = file.read(FamilyFile::maximumSize + 1);
    if (bytes.size() > FamilyFile::maximumSize) {
        error = u"%1 è troppo grande per essere un file di caso"_s.arg(Cli::inputName(name));
        return std::nullopt;
    }
    return bytes;
}

/// Writes the detailed report to an OpenDocument Text or PDF file.
int writeReport(const Cli::CommandLine& line, const QString& fileName,
                const Family::FamilyCase& familyCase, const FamilyEngine::Outcome& outcome,
                QTextStream& out, QTextStream& err)
{
    const bool pdf = QFileInfo(fileName).suffix().toLower() == u"pdf";
    // Laying out PDF pages needs the font database of a GUI application.
    if (pdf && !qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return line.fail(err,
                         u"la scrittura in PDF richiede la grafica di Qt, non avviata; usare "
                         u"-o FILE.odt"_s,
                         Cli::failure);
    Document document;
    buildFamilyReport(document, familyCase, outcome);
    QString error;
    const bool written = pdf ? DocumentFiles::writePdf(document.textDocument(), fileName, &error)
                             : DocumentFiles::writeOdt(document.textDocument(), fileName, &error);
    if (!written)
        return line.fail(err, u"impossibile scrivere %1: %2"_s.arg(fileName, error), Cli::failure);
    out << fileName << '\n';
    return Cli::success;
}

void printJson(const FamilyEngine::Outcome& outcome, QTextStream& out)
{
    QJsonObject object;
    if (outcome.legittima)
        object.insert(u"legittima"_s, sectionJson(*outcome.legittima, false));
    if (outcome.testamentaria)
        object.insert(u"riserva"_s, sectionJson(*outcome.testamentaria, true));
    out << QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented));
}

void printText(const Family::FamilyCase& familyCase, const FamilyEngine::Outcome& outcome,
               QTextStream& out)
{
    if (outcome.legittima)
        printTable(out, u"Successione legittima"_s, familyCase, *outcome.legittima);
    if (outcome.legittima && outcome.testamentaria)
        out << '\n';
    if (outcome.testamentaria)
        printTable(out, u"Quote di riserva e disponibile"_s, familyCase, *outcome.testamentaria);
}

} // namespace

int cliDettaglio(const QStringList& args, QTextStream& out, QTextStream& err)
{
    Cli::CommandLine line(
        u"dettaglio"_s, u"FILE"_s,
        u"Le quote di una famiglia reale, da un file quotara-famiglia/1 (JSON); con - il\n"
        u"file si legge dallo standard input."_s);
    const QCommandLineOption json(u"json"_s, u"scrive il risultato in JSON"_s);
    const QCommandLineOption document(
        QStringList{u"o"_s, u"output"_s},
        u"scrive la relazione del calcolo in un file OpenDocument (.odt) o PDF (.pdf)"_s,
        u"FILE"_s);
    line.addOptions({json, document});
    if (const std::optional<int> done = line.parse(args, out, err))
        return *done;
    const QStringList files = line.parser().positionalArguments();
    if (files.size() != 1)
        return line.fail(err, files.isEmpty()
                                  ? u"indicare un file di caso (o - per lo standard input)"_s
                                  : u"indicare un solo file di caso"_s);
    const QString output = line.parser().value(document);
    const QString suffix = QFileInfo(output).suffix().toLower();
    if (line.parser().isSet(document) && suffix != u"odt" && suffix != u"pdf")
        return line.fail(err, u"il file da scrivere deve finire in .odt o .pdf: %1"_s.arg(output));
    QString error;
    const std::optional<QByteArray> bytes = readInput(files.first(), error);
    if (!bytes)
        return line.fail(err, error);
    const FamilyFile::Reading reading = FamilyFile::decode(*bytes);
    if (!reading.familyCase)
        return line.fail(err, u"%1: %2"_s.arg(Cli::inputName(files.first()), reading.fault));
    const FamilyEngine::Outcome outcome = FamilyEngine::compute(*reading.familyCase);
    if (line.parser().isSet(document))
        return writeReport(line, output, *reading.familyCase, outcome, out, err);
    if (line.parser().isSet(json))
        printJson(outcome, out);
    else
        printText(*reading.familyCase, outcome, out);
    return Cli::success;
}

#include "clirelazione.h"

#include "app/cli.h"
#include "calculator.h"
#include "caseoptions.h"
#include "output/document.h"
#include "output/documentfiles.h"
#include "report.h"

#include <QFileInfo>
#include <QGuiApplication>

using namespace Qt::StringLiterals;

namespace {

enum class Format { odt, pdf };

std::optional<Format> formatOf(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == u"odt")
        return Format::odt;
    if (suffix == u"pdf")
        return Format::pdf;
    return std::nullopt;
}

} // namespace

int cliRelazione(const QStringList& args, QTextStream& out, QTextStream& err)
{
    Cli::CommandLine line(u"relazione"_s, CaseOptions::arguments(),
                          u"Scrive la relazione della successione, come la stampa la finestra "
                          u"Successione,\nin un file OpenDocument (.odt) o PDF (.pdf). Il caso "
                          u"si dà come a calcola."_s);
    CaseOptions::addTo(line);
    line.addOption(QCommandLineOption({u"o"_s, u"output"_s}, u"il file da scrivere, .odt o .pdf"_s,
                                      u"FILE"_s));
    if (const std::optional<int> done = line.parse(args, out, err))
        return *done;
    const QString output = line.parser().value(u"output"_s);
    if (output.isEmpty())
        return line.fail(err, u"manca il file da scrivere (-o FILE.odt o -o FILE.pdf)"_s);
    const std::optional<Format> format = formatOf(output);
    if (!format)
        return line.fail(err, u"il file da scrivere deve finire in .odt o .pdf: %1"_s.arg(output));
    const CaseOptions::Reading reading = CaseOptions::read(line.parser());
    if (!reading.request)
        return line.fail(err, reading.error);
    // Laying out PDF pages needs the font database of a GUI application.
    if (format == Format::pdf && !qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return line.fail(
            err, u"la scrittura in PDF richiede la grafica di Qt, non avviata; usare -o FILE.odt"_s,
            Cli::failure);

    Calculator calculator = Calculator::opened(reading.request->locale);
    calculator.apply(reading.request->record);
    Document document;
    buildReport(document, calculator.record(), calculator.results(), reading.request->locale);
    QString error;
    const bool written = format == Format::pdf
                             ? DocumentFiles::writePdf(document.textDocument(), output, &error)
                             : DocumentFiles::writeOdt(document.textDocument(), output, &error);
    if (!written)
        return line.fail(err, u"impossibile scrivere %1: %2"_s.arg(output, error), Cli::failure);
    out << output << '\n';
    return Cli::success;
}

#include "app/cli.h"
#include "app/numbers.h"
#include "app/quotaramod.h"
#include "commands.h"

#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>

namespace {

void usage(QTextStream& stream)
{
    stream << "uso: quotara-cli COMANDO [OPZIONI]\n"
              "     quotara-cli COMANDO --help   l'uso di un comando\n"
              "     quotara-cli --help           questo aiuto\n"
              "     quotara-cli --version        la versione\n\n"
              "Comandi:";
    for (const auto& [name, command] : cliCommands())
        stream << ' ' << name;
    stream << "\n\nDove si attende un file da leggere, - è lo standard input.\n"
           << Cli::statusHelp();
}

/// Standard error belongs to the commands' own messages: what Qt has to say
/// (a missing XDG_RUNTIME_DIR, a font) is of no use to a script. A fatal
/// message still stops the program.
void quietQt(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtFatalMsg)
        return;
    std::fputs(qPrintable(message), stderr);
    std::fputc('\n', stderr);
    std::abort();
}

} // namespace

int main(int argc, char* argv[])
{
    qInstallMessageHandler(quietQt);
    // Laying out a PDF needs Qt's font system, which a GUI application starts;
    // a terminal tool must never need a display for that.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Numbers::applyNumberLocale();
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        usage(err);
        return Cli::usageError;
    }
    if (args.first() == QStringLiteral("--help") || args.first() == QStringLiteral("-h")) {
        usage(out);
        return Cli::success;
    }
    if (args.first() == QStringLiteral("--version")) {
        out << "quotara-cli " << Quotaramod::versione() << '\n';
        return Cli::success;
    }
    const QString name = args.takeFirst();
    const auto command = cliCommands().find(name);
    if (command == cliCommands().end()) {
        err << "quotara-cli: comando sconosciuto: " << name << "\n\n";
        usage(err);
        return Cli::usageError;
    }
    return command->second(args, out, err);
}

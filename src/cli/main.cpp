#include "app/numbers.h"
#include "commands.h"

#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

namespace {

void usage(QTextStream& err)
{
    err << "uso: quotara-cli COMANDO [OPZIONI]\ncomandi:";
    for (const auto& [name, command] : cliCommands())
        err << ' ' << name;
    err << '\n';
}

} // namespace

int main(int argc, char* argv[])
{
    // Laying out a PDF needs Qt's font system, which a GUI application starts;
    // a terminal tool must never need a display for that.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Numbers::applyNumberLocale();
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args.first() == QStringLiteral("--help")) {
        usage(err);
        return args.isEmpty() ? 2 : 0;
    }
    const QString name = args.takeFirst();
    const auto command = cliCommands().find(name);
    if (command == cliCommands().end()) {
        err << "quotara-cli: comando sconosciuto: " << name << '\n';
        usage(err);
        return 2;
    }
    return command->second(args, out, err);
}

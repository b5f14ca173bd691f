#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

/// What one quotara-cli command printed and returned.
struct CliRun
{
    int status = 0;
    QString out;
    QString err;
};

/// Runs a command function of quotara-cli with `args`, capturing its output.
template <class Command> CliRun runCli(Command command, const QStringList& args)
{
    CliRun result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.status = command(args, out, err);
    out.flush();
    err.flush();
    return result;
}

#pragma once

#include <QStringList>
#include <QTextStream>
#include <map>

/// A command of quotara-cli: its arguments after the command name; returns
/// the exit status.
using CliCommand = int (*)(const QStringList& args, QTextStream& out, QTextStream& err);

/// Every command the subsystems provide, by name.
const std::map<QString, CliCommand>& cliCommands();

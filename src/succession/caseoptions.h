#pragma once

#include "caserecord.h"

#include <QCommandLineParser>
#include <QList>
#include <QLocale>
#include <QString>

#include <optional>

namespace Cli {
class CommandLine;
}

/// The options with which every quotara-cli command is given a case: a case
/// file (`FILE` or `--file FILE`, "-" for standard input), the field options,
/// which change the file's texts or those of a freshly opened succession
/// window, and `--locale` for the numbers. Every value is checked as the
/// window would check it.
namespace CaseOptions {

/// Adds the case options to a command.
void addTo(Cli::CommandLine& line);

/// The positional part of the usage line.
QString arguments();

/// What the case options of a parsed command give.
struct Request
{
    CaseRecord record;
    QLocale locale;
};

/// The case, or a message (in Italian, for standard error) when an option,
/// a value or the case file is wrong.
struct Reading
{
    std::optional<Request> request;
    QString error;
};

/// Reads the case options of `parser` (parsed by a command line they were
/// added to).
Reading read(const QCommandLineParser& parser);

} // namespace CaseOptions

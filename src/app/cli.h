#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>

class QFile;

/// The manners every quotara-cli command shares: `--help` prints its usage on
/// standard output and succeeds; a wrong option, value or input is reported
/// on standard error as "quotara-cli COMMAND: message" with exit status 2;
/// a file name "-" is standard input.
namespace Cli {

/// Exit statuses of every command.
enum Status : int {
    success = 0,
    failure = 1,    ///< the command ran and could not do its work (nothing found, not written)
    usageError = 2, ///< wrong options, values or input
};

/// The exit statuses as the help of every command explains them.
QString statusHelp();

/// A command's options on QCommandLineParser, with `--help` (`-h`) added and
/// the help and errors in Italian.
class CommandLine
{
public:
    /// `name` is the command word; `arguments` the positional part of the
    /// usage line ("[FILE]"); `description` the text printed under it.
    CommandLine(QString name, QString arguments, QString description);

    void addOption(const QCommandLineOption& option);
    void addOptions(const QList<QCommandLineOption>& options);

    /// Parses `args` (the arguments after the command word). Returns an exit
    /// status when the command is done: its help was printed (0) or an error
    /// reported (2); no value when the command goes on.
    std::optional<int> parse(const QStringList& args, QTextStream& out, QTextStream& err);

    const QCommandLineParser& parser() const { return m_parser; }
    /// "uso: quotara-cli COMMAND [OPZIONI] ARGUMENTS", ended by a line break.
    QString usageLine() const;
    /// The usage line, the description, every option and the exit statuses.
    QString helpText() const;
    /// Reports `message` on `err` as this command's error; returns 2.
    int fail(QTextStream& err, const QString& message) const;
    /// Reports `message` on `err` as this command's error; returns `status`.
    int fail(QTextStream& err, const QString& message, int status) const;

private:
    QString errorText(const QStringList& args) const;

    QString m_name;
    QString m_arguments;
    QString m_description;
    QList<QCommandLineOption> m_options;
    QCommandLineParser m_parser;
};

/// Opens the input a command is given by name: "-" is standard input.
bool openInput(QFile& file, const QString& name);

/// The name of an input as messages show it.
QString inputName(const QString& name);

} // namespace Cli

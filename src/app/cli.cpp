#include "cli.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace Cli {

namespace {

QString dashed(const QString& name)
{
    return (name.size() == 1 ? u"-"_s : u"--"_s) + name;
}

QString optionSyntax(const QCommandLineOption& option)
{
    QStringList names;
    for (const QString& name : option.names())
        names << dashed(name);
    QString syntax = names.join(u", "_s);
    if (!option.valueName().isEmpty())
        syntax += u' ' + option.valueName();
    return syntax;
}

/// The option Qt names between quotes in its error text ("Missing value
/// after '--figli'.").
QString quotedOption(const QString& qtError)
{
    return qtError.section(u'\'', 1, 1);
}

} // namespace

QString statusHelp()
{
    return u"Stato di uscita: 0 se riuscito; 1 se il comando non ha potuto fare il suo lavoro;\n"
           u"2 per opzioni, valori o dati non validi, con il messaggio sullo standard error.\n"_s;
}

CommandLine::CommandLine(QString name, QString arguments, QString description)
    : m_name(std::move(name)), m_arguments(std::move(arguments)),
      m_description(std::move(description))
{
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    addOption(QCommandLineOption({u"h"_s, u"help"_s}, u"mostra questo aiuto"_s));
}

void CommandLine::addOption(const QCommandLineOption& option)
{
    m_options.append(option);
    m_parser.addOption(option);
}

void CommandLine::addOptions(const QList<QCommandLineOption>& options)
{
    for (const QCommandLineOption& option : options)
        addOption(option);
}

std::optional<int> CommandLine::parse(const QStringList& args, QTextStream& out, QTextStream& err)
{
    // QCommandLineParser takes the program's name first.
    if (!m_parser.parse(QStringList{u"quotara-cli"_s} + args))
        return fail(err, errorText(args));
    if (m_parser.isSet(u"help"_s)) {
        out << helpText();
        return success;
    }
    return std::nullopt;
}

QString CommandLine::errorText(const QStringList& args) const
{
    const QStringList unknown = m_parser.unknownOptionNames();
    if (!unknown.isEmpty())
        return u"opzione sconosciuta: %1"_s.arg(dashed(unknown.first()));
    const QString qtError = m_parser.errorText();
    const QString option = quotedOption(qtError);
    if (qtError.startsWith(u"Missing value"))
        return u"manca il valore di %1"_s.arg(option);
    if (qtError.startsWith(u"Unexpected value"))
        return u"%1 non prende un valore"_s.arg(option);
    return u"argomenti non validi: %1"_s.arg(args.join(u' '));
}

QString CommandLine::usageLine() const
{
    QString line = u"uso: quotara-cli %1 [OPZIONI]"_s.arg(m_name);
    if (!m_arguments.isEmpty())
        line += u' ' + m_arguments;
    return line + u'\n';
}

QString CommandLine::helpText() const
{
    QString text = usageLine() + u'\n' + m_description + u"\n\nOpzioni:\n"_s;
    qsizetype width = 0;
    for (const QCommandLineOption& option : m_options)
        width = std::max(width, optionSyntax(option).size());
    for (const QCommandLineOption& option : m_options)
        text += u"  "_s + optionSyntax(option).leftJustified(width) + u"  "_s +
                option.description() + u'\n';
    return text + u'\n' + statusHelp();
}

int CommandLine::fail(QTextStream& err, const QString& message) const
{
    return fail(err, message, usageError);
}

int CommandLine::fail(QTextStream& err, const QString& message, int status) const
{
    err << "quotara-cli " << m_name << ": " << message << '\n';
    if (status == usageError)
        err << usageLine() << "quotara-cli " << m_name << " --help spiega ogni opzione.\n";
    return status;
}

bool openInput(QFile& file, const QString& name)
{
    if (name == u"-")
        return file.open(stdin, QIODevice::ReadOnly);
    file.setFileName(name);
    return file.open(QIODevice::ReadOnly);
}

QString inputName(const QString& name)
{
    return name == u"-" ? u"standard input"_s : QDir::toNativeSeparators(name);
}

} // namespace Cli

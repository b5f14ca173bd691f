#include "caseoptions.h"

#include "app/cli.h"
#include "app/inputfile.h"
#include "calculator.h"
#include "casefile.h"
#include "sharerules.h"

#include <QFile>

#include <array>

using namespace Qt::StringLiterals;

namespace {

/// A field option: its names (the short forms are those of earlier
/// versions), the field it sets, and its help.
struct Field
{
    QStringList names;
    QString CaseRecord::*field;
    const char16_t* valueName;
    const char16_t* description;
};

const std::array<Field, 7>& fields()
{
    static const std::array<Field, 7> table{{
        {{u"tipologia"_s, u"tipo"_s},
         &CaseRecord::successione,
         u"TIPO",
         u"testamentaria, legittima o entrambe"},
        {{u"beni"_s},
         &CaseRecord::beni,
         u"VALORE",
         u"il valore dei beni, nel formato dei numeri di --locale"},
        {{u"figli"_s}, &CaseRecord::figli, u"N", u"il numero dei figli"},
        {{u"ascendenti"_s}, &CaseRecord::ascendenti, u"N", u"il numero degli ascendenti"},
        {{u"coniuge"_s}, &CaseRecord::coniuge, u"sì|no", u"se c'è il coniuge"},
        {{u"fratelli"_s}, &CaseRecord::fratelli, u"N", u"il numero dei fratelli e delle sorelle"},
        {{u"de-cuius"_s, u"decuius"_s}, &CaseRecord::decuius, u"NOME", u"il nome del defunto"},
    }};
    return table;
}

std::optional<QLocale> localeNamed(const QString& name)
{
    if (name.isEmpty())
        return QLocale();
    const QLocale locale(name);
    const bool plain = name == u"C" || name == u"POSIX";
    if (locale.language() == QLocale::C && !plain)
        return std::nullopt;
    return locale;
}

// What is wrong with one field's text under the locale, if anything.
std::optional<QString> badValue(const Field& field, const QString& value, const QLocale& locale)
{
    const QString option = u"--"_s + field.names.first();
    if (field.field == &CaseRecord::successione && !typeOf(value))
        return u"%1 %2: tipologia non valida (testamentaria, legittima o entrambe)"_s.arg(option,
                                                                                          value);
    if (field.field == &CaseRecord::coniuge && value != u"sì" && value != u"no")
        return u"%1 %2: coniuge non valido (sì o no)"_s.arg(option, value);
    CalculatorState state;
    state.successione = TypeField::of(SuccessionType::Legittima);
    state.beni = u"1"_s;
    if (field.field == &CaseRecord::beni)
        state.beni = value;
    const double count = countReading(value).value_or(-1);
    if (field.field == &CaseRecord::figli)
        state.figli = count;
    if (field.field == &CaseRecord::ascendenti)
        state.ascendenti = count;
    if (field.field == &CaseRecord::fratelli)
        state.fratelli = count;
    const QString fault = inputFault(state, locale);
    if (fault.isEmpty())
        return std::nullopt;
    return u"%1 %2: %3"_s.arg(option, value, fault);
}

/// The case file named by the options, if any; an error when two are named.
std::optional<QString> caseFileName(const QCommandLineParser& parser, QString& error)
{
    QStringList names = parser.positionalArguments();
    names += parser.values(u"file"_s);
    if (names.size() > 1) {
        error = u"un solo file di dati alla volta: %1"_s.arg(names.mid(1).join(u' '));
        return std::nullopt;
    }
    return names.isEmpty() ? QString() : names.first();
}

CaseFile::Reading readCaseFile(const QString& name)
{
    // A shell's "<(...)" names a pipe, read as a stream like standard input.
    if (name != u"-" && !InputFile::isStream(name))
        return CaseFile::read(name);
    QFile input;
    if (!Cli::openInput(input, name))
        return {std::nullopt, input.errorString()};
    return CaseFile::read(input);
}

} // namespace

namespace CaseOptions {

void addTo(Cli::CommandLine& line)
{
    line.addOption(QCommandLineOption(
        u"file"_s, u"il file di dati del caso (- per lo standard input)"_s, u"FILE"_s));
    for (const Field& field : fields())
        line.addOption(QCommandLineOption(field.names, QString::fromUtf16(field.description),
                                          QString::fromUtf16(field.valueName)));
    line.addOption(QCommandLineOption(
        u"locale"_s, u"le impostazioni internazionali dei numeri (ad esempio it_IT, en_US)"_s,
        u"NOME"_s));
}

QString arguments()
{
    return u"[FILE]"_s;
}

Reading read(const QCommandLineParser& parser)
{
    const QString localeName = parser.value(u"locale"_s);
    const std::optional<QLocale> locale = localeNamed(localeName);
    if (!locale)
        return {std::nullopt,
                u"impostazioni internazionali sconosciute: %1 (ad esempio it_IT, en_US)"_s.arg(
                    localeName)};
    for (const Field& field : fields()) {
        for (const QString& value : parser.values(field.names.first())) {
            if (const std::optional<QString> message = badValue(field, value, *locale))
                return {std::nullopt, *message};
        }
    }
    QString error;
    const std::optional<QString> fileName = caseFileName(parser, error);
    if (!fileName)
        return {std::nullopt, error};
    CaseRecord record = Calculator::opened(*locale).record();
    if (!fileName->isEmpty()) {
        const CaseFile::Reading reading = readCaseFile(*fileName);
        if (!reading.record)
            return {std::nullopt, u"%1: %2"_s.arg(Cli::inputName(*fileName), reading.fault)};
        record = *reading.record;
    }
    for (const Field& field : fields()) {
        if (parser.isSet(field.names.first()))
            record.*field.field = parser.value(field.names.first());
    }
    return {Request{record, *locale}, QString()};
}

} // namespace CaseOptions

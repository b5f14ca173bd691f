#include "climassime.h"

#include "app/cli.h"
#include "app/numbers.h"
#include "maximtable.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QTextStream>

namespace {

QString countText(int count)
{
    return Numbers::blankLed(count) +
           (count == 1 ? QStringLiteral(" massima") : QStringLiteral(" massime"));
}

void writeJson(QTextStream& out, const QJsonObject& object)
{
    out << QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented));
}

void listTopics(const MaximTable& table, bool json, QTextStream& out)
{
    if (json) {
        QJsonArray topics;
        for (int topic = 1; topic <= MaximTable::topicCount; ++topic) {
            topics.append(QJsonObject{{QStringLiteral("numero"), topic},
                                      {QStringLiteral("argomento"), table.argomento(topic)},
                                      {QStringLiteral("massime"), table.contamassime(topic)}});
        }
        writeJson(out, QJsonObject{{QStringLiteral("argomenti"), topics},
                                   {QStringLiteral("totale"), table.totale()}});
        return;
    }
    for (int topic = 1; topic <= MaximTable::topicCount; ++topic) {
        out << MaximTable::listItem(topic, table.argomento(topic)) << u':'
            << countText(table.contamassime(topic)) << u'\n';
    }
    out << Numbers::blankLed(table.totale()) << " massime totali\n";
}

void showTopic(const MaximTable& table, int topic, bool json, QTextStream& out)
{
    const int count = table.contamassime(topic);
    if (json) {
        QJsonArray maxims;
        for (int number = 1; number <= count; ++number) {
            maxims.append(QJsonObject{{QStringLiteral("numero"), number},
                                      {QStringLiteral("testo"), table.massima(topic, number)}});
        }
        writeJson(out, QJsonObject{{QStringLiteral("numero"), topic},
                                   {QStringLiteral("argomento"), table.argomento(topic)},
                                   {QStringLiteral("massime"), maxims}});
        return;
    }
    out << "Argomento: " << table.argomento(topic) << '\n';
    for (int number = 1; number <= count; ++number) {
        out << "\nMassima n." << Numbers::blankLed(number) << '\n'
            << table.massima(topic, number) << '\n';
    }
}

} // namespace

int cliMassime(const QStringList& args, QTextStream& out, QTextStream& err)
{
    Cli::CommandLine line(QStringLiteral("massime"), QStringLiteral("[N]"),
                          QStringLiteral("Senza N: gli otto argomenti con il numero delle loro "
                                         "massime.\nCon N (da 1 a 8): le massime "
                                         "dell'argomento N, numerate come nella finestra."));
    line.addOption(QCommandLineOption(QStringLiteral("json"), QStringLiteral("scrive JSON")));
    if (const std::optional<int> done = line.parse(args, out, err))
        return *done;
    const QStringList topics = line.parser().positionalArguments();
    int topic = 0;
    for (const QString& arg : topics) {
        bool ok = false;
        const int number = arg.toInt(&ok);
        if (!ok || topic != 0 || number < 1 || number > MaximTable::topicCount)
            return line.fail(err, QStringLiteral("argomento non valido: %1").arg(arg));
        topic = number;
    }
    const bool json = line.parser().isSet(QStringLiteral("json"));
    const MaximTable table = MaximTable::load();
    if (topic == 0)
        listTopics(table, json, out);
    else
        showTopic(table, topic, json, out);
    return Cli::success;
}

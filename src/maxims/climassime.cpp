#include "climassime.h"

#include "app/cli.h"
#include "app/numbers.h"
#include "maximtable.h"
#include "norms/articleindex.h"

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

void showArticle(const MaximTable& table, const QString& article, bool json, QTextStream& out)
{
    const QVector<MaximRef> found = table.maximsOnArticle(article);
    if (json) {
        QJsonArray maxims;
        for (const MaximRef& ref : found) {
            maxims.append(
                QJsonObject{{QStringLiteral("numeroargomento"), ref.topic},
                            {QStringLiteral("argomento"), table.argomento(ref.topic)},
                            {QStringLiteral("numero"), ref.number},
                            {QStringLiteral("testo"), table.massima(ref.topic, ref.number)},
                            {QStringLiteral("articoli"),
                             QJsonArray::fromStringList(table.articoli(ref.topic, ref.number))}});
        }
        writeJson(out, QJsonObject{{QStringLiteral("articolo"), article},
                                   {QStringLiteral("massime"), maxims}});
        return;
    }
    out << "Art. " << article << ':'
        << (found.isEmpty() ? QStringLiteral(" nessuna massima")
                            : countText(static_cast<int>(found.size())))
        << '\n';
    for (const MaximRef& ref : found) {
        out << "\nArgomento: " << table.argomento(ref.topic) << "\nMassima n."
            << Numbers::blankLed(ref.number) << '\n'
            << table.massima(ref.topic, ref.number) << '\n';
    }
}

/// The label of an article the code holds ("768 bis" reads as "768-bis"); empty for any other text.
QString articleLabel(const QString& text)
{
    const std::optional<Norms::ArticleNumber> number = Norms::ArticleNumber::parse(text);
    if (!number || !Norms::ArticleIndex::codice().find(*number))
        return QString();
    return number->toString();
}

} // namespace

int cliMassime(const QStringList& args, QTextStream& out, QTextStream& err)
{
    Cli::CommandLine line(QStringLiteral("massime"), QStringLiteral("[N]"),
                          QStringLiteral("Senza N: gli otto argomenti con il numero delle loro "
                                         "massime.\nCon N (da 1 a 8): le massime "
                                         "dell'argomento N, numerate come nella finestra.\n"
                                         "Con --articolo A: le massime che applicano l'articolo "
                                         "A del Codice Civile (456-809, 768-bis ...)."));
    const QCommandLineOption articleOption(QStringLiteral("articolo"),
                                           QStringLiteral("le massime sull'articolo A"),
                                           QStringLiteral("A"));
    line.addOptions(
        {QCommandLineOption(QStringLiteral("json"), QStringLiteral("scrive JSON")), articleOption});
    if (const std::optional<int> done = line.parse(args, out, err))
        return *done;
    const QStringList topics = line.parser().positionalArguments();
    QString article;
    if (line.parser().isSet(articleOption)) {
        const QString value = line.parser().value(articleOption);
        article = articleLabel(value);
        if (article.isEmpty() || !topics.isEmpty())
            return line.fail(err, QStringLiteral("articolo non valido: %1").arg(value));
    }
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
    if (!article.isEmpty())
        showArticle(table, article, json, out);
    else if (topic == 0)
        listTopics(table, json, out);
    else
        showTopic(table, topic, json, out);
    return Cli::success;
}

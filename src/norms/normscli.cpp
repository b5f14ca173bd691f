#include "normscli.h"

#include "app/cli.h"
#include "articleindex.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

/// The shared part of both commands: `--json` and the words of the
/// positional arguments.
std::optional<int> parse(Cli::CommandLine& line, const QStringList& args, QTextStream& out,
                         QTextStream& err)
{
    line.addOption(QCommandLineOption(QStringLiteral("json"), QStringLiteral("scrive JSON")));
    return line.parse(args, out, err);
}

QString wordsOf(const Cli::CommandLine& line)
{
    return line.parser().positionalArguments().join(u' ');
}

bool json(const Cli::CommandLine& line)
{
    return line.parser().isSet(QStringLiteral("json"));
}

QString paneName(const Norms::Article& article)
{
    return QStringLiteral("Text%1").arg(article.pane + 1);
}

QJsonObject articleJson(const Norms::Article& article)
{
    return {{QStringLiteral("articolo"), article.label},
            {QStringLiteral("rubrica"), article.heading},
            {QStringLiteral("abrogato"), article.repealed},
            {QStringLiteral("finestra"), windowName(article.title)},
            {QStringLiteral("riquadro"), paneName(article)}};
}

void writeJson(QTextStream& out, const QJsonDocument& document)
{
    out << QString::fromUtf8(document.toJson(QJsonDocument::Indented));
}

} // namespace

int cliArticolo(const QStringList& args, QTextStream& out, QTextStream& err)
{
    Cli::CommandLine line(QStringLiteral("articolo"), QStringLiteral("NUMERO"),
                          QStringLiteral("Il testo dell'articolo NUMERO del Codice civile (per "
                                         "esempio 456 o 768-bis)\ncome lo mostra la finestra "
                                         "delle norme. Stato 1 se il codice non lo ha."));
    if (const std::optional<int> done = parse(line, args, out, err))
        return *done;
    const QString wanted = wordsOf(line);
    if (wanted.isEmpty())
        return line.fail(err, QStringLiteral("manca il numero dell'articolo"));
    const std::optional<Norms::ArticleNumber> number = Norms::ArticleNumber::parse(wanted);
    if (!number)
        return line.fail(err, QStringLiteral("numero di articolo non valido: %1").arg(wanted));
    const Norms::Article* article = Norms::ArticleIndex::codice().find(*number);
    if (!article)
        return line.fail(err, QStringLiteral("l'articolo %1 non c'è").arg(number->toString()),
                         Cli::failure);
    if (json(line)) {
        QJsonObject object = articleJson(*article);
        object.insert(QStringLiteral("testo"), article->text);
        writeJson(out, QJsonDocument(object));
        return Cli::success;
    }
    out << article->text << '\n';
    return Cli::success;
}

int cliCerca(const QStringList& args, QTextStream& out, QTextStream& err)
{
    Cli::CommandLine line(QStringLiteral("cerca"), QStringLiteral("TESTO"),
                          QStringLiteral("Gli articoli il cui testo contiene TESTO, senza badare "
                                         "a maiuscole e accenti,\nuno per riga con le parole "
                                         "intorno. Stato 1 se nessuno lo contiene."));
    if (const std::optional<int> done = parse(line, args, out, err))
        return *done;
    const QString needle = wordsOf(line);
    if (needle.trimmed().isEmpty())
        return line.fail(err, QStringLiteral("manca il testo da cercare"));
    const QVector<Norms::ArticleMatch> matches = Norms::ArticleIndex::codice().search(needle);
    if (json(line)) {
        QJsonArray list;
        for (const Norms::ArticleMatch& match : matches) {
            QJsonObject object = articleJson(*match.article);
            object.insert(QStringLiteral("contesto"), match.context);
            list.append(object);
        }
        writeJson(out, QJsonDocument(list));
    } else {
        for (const Norms::ArticleMatch& match : matches) {
            out << "Art. " << match.article->label << '\t' << match.article->heading << '\t'
                << match.context << '\n';
        }
    }
    return matches.isEmpty() ? Cli::failure : Cli::success;
}

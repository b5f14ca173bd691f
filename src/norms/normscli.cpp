#include "normscli.h"

#include "articleindex.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

struct Options
{
    bool json = false;
    QStringList words;
};

Options readOptions(const QStringList& args)
{
    Options options;
    for (const QString& arg : args) {
        if (arg == QStringLiteral("--json"))
            options.json = true;
        else
            options.words.append(arg);
    }
    return options;
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
    const Options options = readOptions(args);
    if (options.words.isEmpty()) {
        err << "uso: quotara-cli articolo [--json] NUMERO (per esempio 456 o 768-bis)\n";
        return 2;
    }
    const QString wanted = options.words.join(u' ');
    const std::optional<Norms::ArticleNumber> number = Norms::ArticleNumber::parse(wanted);
    if (!number) {
        err << "quotara-cli: numero di articolo non valido: " << wanted << '\n';
        return 2;
    }
    const Norms::Article* article = Norms::ArticleIndex::codice().find(*number);
    if (!article) {
        err << "quotara-cli: l'articolo " << number->toString() << " non c'è\n";
        return 1;
    }
    if (options.json) {
        QJsonObject object = articleJson(*article);
        object.insert(QStringLiteral("testo"), article->text);
        writeJson(out, QJsonDocument(object));
        return 0;
    }
    out << article->text << '\n';
    return 0;
}

int cliCerca(const QStringList& args, QTextStream& out, QTextStream& err)
{
    const Options options = readOptions(args);
    const QString needle = options.words.join(u' ');
    if (needle.trimmed().isEmpty()) {
        err << "uso: quotara-cli cerca [--json] TESTO\n";
        return 2;
    }
    const QVector<Norms::ArticleMatch> matches = Norms::ArticleIndex::codice().search(needle);
    if (options.json) {
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
    return matches.isEmpty() ? 1 : 0;
}

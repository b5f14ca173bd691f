#include "clidettaglio.h"

#include "familyengine.h"
#include "familyfile.h"

#include <QCommandLineParser>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

using FamilyEngine::Section;

QJsonArray articlesJson(const QStringList& articles)
{
    QJsonArray array;
    for (const QString& article : articles)
        array.append(article);
    return array;
}

QJsonObject sectionJson(const Section& section, bool reserve)
{
    QJsonArray quote;
    for (const FamilyEngine::HeirShare& share : section.shares) {
        quote.append(QJsonObject{{u"id"_s, share.id},
                                 {u"quota"_s, share.share.text()},
                                 {u"valore"_s, share.amount.text()},
                                 {u"articoli"_s, articlesJson(share.articles)}});
    }
    QJsonObject object{{u"quote"_s, quote},
                       {u"articoli"_s, articlesJson(section.articles)},
                       {u"passi"_s, QJsonArray::fromStringList(section.passi)}};
    if (reserve) {
        object.insert(u"massa"_s, section.massa->text());
        object.insert(u"disponibile"_s,
                      QJsonObject{{u"quota"_s, section.disponibile->text()},
                                  {u"valore"_s, section.disponibileAmount->text()}});
    } else {
        object.insert(u"stato"_s, section.stateShare ? QJsonValue(section.stateShare->text())
                                                     : QJsonValue(QJsonValue::Null));
    }
    return object;
}

void printTable(QTextStream& out, const QString& title, const Family::FamilyCase& familyCase,
                const Section& section)
{
    out << title << '\n';
    QList<QStringList> rows{{u"persona"_s, u"relazione"_s, u"quota"_s, u"valore"_s, u"articoli"_s}};
    for (const FamilyEngine::HeirShare& share : section.shares) {
        const Family::Person* person = familyCase.find(share.id);
        rows << QStringList{person->displayName(), Family::wordOf(person->relation),
                            share.share.text(), share.amount.text(), share.articles.join(u", "_s)};
    }
    if (section.stateShare)
        rows << QStringList{u"Stato"_s, QString(), section.stateShare->text(),
                            section.stateAmount->text(), u"586"_s};
    if (section.disponibile)
        rows << QStringList{u"disponibile"_s, QString(), section.disponibile->text(),
                            section.disponibileAmount->text(), QString()};
    QList<qsizetype> widths(rows.first().size(), 0);
    for (const QStringList& row : rows) {
        for (qsizetype column = 0; column < row.size(); ++column)
            widths[column] = std::max(widths[column], row[column].size());
    }
    for (const QStringList& row : rows) {
        QStringList cells;
        for (qsizetype column = 0; column < row.size(); ++column)
            cells << row[column].leftJustified(widths[column]);
        out << cells.join(u"  "_s).trimmed() << '\n';
    }
    if (section.massa)
        out << "massa (art. 556): " << section.massa->text() << '\n';
    out << "passi:\n";
    for (const QString& passo : section.passi)
        out << "- " << passo << '\n';
}

QByteArray readInput(const QString& name, QString* error)
{
    QFile file;
    const bool opened = name == u"-"_s ? file.open(stdin, QIODevice::ReadOnly)
                                       : (file.setFileName(name), file.open(QIODevice::ReadOnly));
    if (!opened) {
        *error = u"impossibile leggere %1: %2"_s.arg(name, file.errorString());
        return {};
    }
    QByteArray bytes = file.read(FamilyFile::maximumSize + 1);
    if (bytes.size() > FamilyFile::maximumSize)
        *error = u"%1 è troppo grande per essere un file di caso"_s.arg(name);
    return bytes;
}

} // namespace

int cliDettaglio(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Le quote di una famiglia reale, da un file quotara-famiglia/1 (JSON)."_s);
    const QCommandLineOption json(u"json"_s, u"Scrive il risultato in JSON."_s);
    const QCommandLineOption help(QStringList{u"h"_s, u"help"_s}, u"Mostra questo aiuto."_s);
    parser.addOption(json);
    parser.addOption(help);
    parser.addPositionalArgument(u"FILE"_s, u"Il file del caso, o - per lo standard input."_s);
    if (!parser.parse(QStringList{u"quotara-cli dettaglio"_s} + args)) {
        err << "quotara-cli dettaglio: " << parser.errorText() << '\n';
        return 2;
    }
    if (parser.isSet(help)) {
        out << parser.helpText();
        return 0;
    }
    if (parser.positionalArguments().size() != 1) {
        err << "quotara-cli dettaglio: indicare un file di caso (o - per lo standard input)\n";
        return 2;
    }
    const QString name = parser.positionalArguments().first();
    QString error;
    const QByteArray bytes = readInput(name, &error);
    if (!error.isEmpty()) {
        err << "quotara-cli dettaglio: " << error << '\n';
        return 2;
    }
    const FamilyFile::Reading reading = FamilyFile::decode(bytes);
    if (!reading.familyCase) {
        err << "quotara-cli dettaglio: " << name << ": " << reading.fault << '\n';
        return 2;
    }
    const FamilyEngine::Outcome outcome = FamilyEngine::compute(*reading.familyCase);
    if (parser.isSet(json)) {
        QJsonObject object;
        if (outcome.legittima)
            object.insert(u"legittima"_s, sectionJson(*outcome.legittima, false));
        if (outcome.testamentaria)
            object.insert(u"riserva"_s, sectionJson(*outcome.testamentaria, true));
        out << QJsonDocument(object).toJson(QJsonDocument::Indented);
        return 0;
    }
    if (outcome.legittima)
        printTable(out, u"Successione legittima"_s, *reading.familyCase, *outcome.legittima);
    if (outcome.legittima && outcome.testamentaria)
        out << '\n';
    if (outcome.testamentaria)
        printTable(out, u"Quote di riserva e disponibile"_s, *reading.familyCase,
                   *outcome.testamentaria);
    return 0;
}

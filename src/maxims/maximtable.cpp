#include "maximtable.h"

#include "app/datafiles.h"
#include "app/numbers.h"

namespace {

bool inTable(int topic, int number)
{
    return topic >= 1 && topic <= MaximTable::topicCount && number >= 1 &&
           number <= MaximTable::slotCount;
}

std::size_t index(int oneBased)
{
    return static_cast<std::size_t>(oneBased - 1);
}

} // namespace

const QStringList& MaximTable::argomenti()
{
    static const QStringList names = {
        QStringLiteral("Accettazione dell'eredità"),
        QStringLiteral("Azione di petizione e di riduzione"),
        QStringLiteral("Comunione ereditaria"),
        QStringLiteral("Divisione"),
        QStringLiteral("Donazione"),
        QStringLiteral("Retratto successorio"),
        QStringLiteral("Successioni mortis causa"),
        QStringLiteral("Testamento"),
    };
    return names;
}

QString MaximTable::dataPath(int topic)
{
    return QStringLiteral(":/maxims/data/argomento%1.txt").arg(topic);
}

QVector<MaximEntry> MaximTable::parseEntries(const QString& text)
{
    static const QString articlesTag = QStringLiteral("@articoli ");
    QVector<MaximEntry> maxims;
    const QStringList lines = text.split(u'\n');
    for (QString line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        if (!line.startsWith(articlesTag)) {
            maxims.append(MaximEntry{line, {}});
            continue;
        }
        // A list before the first maxim belongs to none.
        if (maxims.isEmpty())
            continue;
        for (const QString& label : line.mid(articlesTag.size()).split(u','))
            if (!label.trimmed().isEmpty())
                maxims.last().articoli << label.trimmed();
    }
    return maxims;
}

QStringList MaximTable::parse(const QString& text)
{
    QStringList maxims;
    for (const MaximEntry& entry : parseEntries(text))
        maxims << entry.text;
    return maxims;
}

MaximTable MaximTable::load()
{
    MaximTable table;
    for (int topic = 1; topic <= topicCount; ++topic) {
        table.m_argomenti[index(topic)] = argomenti().at(topic - 1);
        table.caricamassime(topic);
    }
    return table;
}

void MaximTable::caricamassime(int topic)
{
    const QVector<MaximEntry> maxims = parseEntries(DataFiles::resourceText(dataPath(topic)));
    auto& slots = m_tabellamassime[index(topic)];
    auto& articles = m_articoli[index(topic)];
    for (int number = 1; number <= slotCount && number <= maxims.size(); ++number) {
        slots[index(number)] = maxims.at(number - 1).text;
        articles[index(number)] = maxims.at(number - 1).articoli;
    }
}

QString MaximTable::argomento(int topic) const
{
    return inTable(topic, 1) ? m_argomenti[index(topic)] : QString();
}

QString MaximTable::massima(int topic, int number) const
{
    return inTable(topic, number) ? m_tabellamassime[index(topic)][index(number)] : QString();
}

QStringList MaximTable::articoli(int topic, int number) const
{
    return inTable(topic, number) ? m_articoli[index(topic)][index(number)] : QStringList();
}

QVector<MaximRef> MaximTable::maximsOnArticle(const QString& label) const
{
    QVector<MaximRef> refs;
    for (int topic = 1; topic <= topicCount; ++topic) {
        for (int number = 1; number <= slotCount; ++number) {
            if (articoli(topic, number).contains(label))
                refs.append(MaximRef{topic, number});
        }
    }
    return refs;
}

int MaximTable::contamassime(int topic) const
{
    int count = 0;
    for (int number = 1; number <= slotCount; ++number) {
        if (!massima(topic, number).isEmpty())
            ++count;
    }
    return count;
}

int MaximTable::totale() const
{
    int total = 0;
    for (int topic = 1; topic <= topicCount; ++topic)
        total += contamassime(topic);
    return total;
}

QString MaximTable::listItem(int topic, const QString& name)
{
    const QString pad = topic < 10 ? QStringLiteral("  ") : QString();
    return pad + Numbers::blankLed(topic) + QStringLiteral(") ") + name;
}

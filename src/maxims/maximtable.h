#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <array>

/// A maxim's place in the table: topic 1 to 8, slot 1 to 38.
struct MaximRef
{
    int topic = 0;
    int number = 0;

    friend bool operator==(const MaximRef&, const MaximRef&) = default;
};

/// One maxim of a topic's data text with the articles of the code it applies.
struct MaximEntry
{
    QString text;
    QStringList articoli;

    friend bool operator==(const MaximEntry&, const MaximEntry&) = default;
};

/// The case-law maxims by topic (`tabellamassime`): eight topics, each with
/// its maxims in slots 1, 2, 3, ... without gaps. The table is filled once
/// and never changes.
class MaximTable
{
public:
    static constexpr int topicCount = 8;
    static constexpr int slotCount = 38;

    /// The program's table: every topic's name, then its maxims from the
    /// data bundled with the program, topic by topic in the order 1 to 8.
    static MaximTable load();

    /// The names of the eight topics (`argomenti`), in their order.
    static const QStringList& argomenti();

    /// The maxims of one topic's data text: one maxim per line; lines that
    /// start with "#" are comments and empty lines are skipped. The line
    /// "@articoli 476, 485" after a maxim names the articles it applies.
    static QVector<MaximEntry> parseEntries(const QString& text);
    /// The texts of parseEntries(), in their order.
    static QStringList parse(const QString& text);

    /// The resource path of topic `topic`'s data file.
    static QString dataPath(int topic);

    /// The name of topic 1 to 8; empty for any other number.
    QString argomento(int topic) const;
    /// Slot (`topic`, `number`): empty for an empty slot or outside the table.
    QString massima(int topic, int number) const;
    /// The articles slot (`topic`, `number`) applies, as the norms index
    /// labels them ("540", "768-bis"), in the order of the code; empty for
    /// an empty slot or outside the table.
    QStringList articoli(int topic, int number) const;
    /// The maxims that apply the article labelled `label`, in topic and slot order.
    QVector<MaximRef> maximsOnArticle(const QString& label) const;
    /// The number of non-empty slots of a topic (0 outside the table).
    int contamassime(int topic) const;
    /// The number of non-empty slots of all topics.
    int totale() const;

    /// The item of the topic list: "   1) Accettazione dell'eredità".
    static QString listItem(int topic, const QString& name);

private:
    MaximTable() = default;
    /// Stores the topic's maxims in its slots 1 to n; a maxim beyond the
    /// last slot has no place in the table and is left out.
    void caricamassime(int topic);

    std::array<QString, topicCount> m_argomenti;
    std::array<std::array<QString, slotCount>, topicCount> m_tabellamassime;
    std::array<std::array<QStringList, slotCount>, topicCount> m_articoli;
};

#pragma once

#include <QString>
#include <QStringList>

/// The tips of the day, read once from a text file of one tip per line in
/// the Windows code page, and the position of the tip on display.
class Tips
{
public:
    /// The tips file's name, looked for in the program's folder.
    static QString fileName();
    /// What the tip area says when the file cannot be found.
    static QString missingFileText();

    /// The tips the bytes of a tips file hold: every line, an empty one
    /// included; a final line end does not start another tip.
    static QStringList parse(const QByteArray& bytes);

    /// Reads every line of `path` as a tip, an empty line included, and moves
    /// to the first one. False when the path is empty or the file cannot be read.
    bool LoadTips(const QString& path);

    /// Next tip; after the last one, the first again.
    void AdvanceTip();
    /// Previous tip; stays on the first one, and does nothing before any tip.
    void previousTip();

    /// The tip at the current position; empty before any tip.
    QString currentTip() const;
    bool hasTip() const { return m_position >= 1 && m_position <= m_items.size(); }

    int TipPosition() const { return m_position; }
    const QStringList& TipItems() const { return m_items; }

private:
    QStringList m_items;
    qsizetype m_position = 0;
};

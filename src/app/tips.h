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
    /// What the tip area says when the file is there but cannot be read.
    static QString unreadableFileText(const QString& fault);

    /// The text of a tips file: Windows-1252, or UTF-8 when the bytes are
    /// UTF-8 with more than plain ASCII (or begin with its byte-order mark).
    static QString decode(const QByteArray& bytes);
    /// The tips the bytes of a tips file hold: every line, an empty one
    /// included; a final line end does not start another tip.
    static QStringList parse(const QByteArray& bytes);

    /// Larger files are not tips files: the tip area shows that the file is
    /// missing.
    static constexpr qint64 maximumSize = 16 * 1024 * 1024;

    /// Reads every line of `path` as a tip, an empty line included, and moves
    /// to the first one. False when the path is empty or the file cannot be
    /// read (gone, not a regular file, larger than `maximumSize`).
    bool LoadTips(const QString& path);
    /// Why the last LoadTips failed to read the file; empty when it read it
    /// or was given no path.
    const QString& fault() const { return m_fault; }

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
    QString m_fault;
};

#include "documentprobe.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace DocumentProbe {

QList<QTextTable*> tables(const QTextDocument& document)
{
    QList<QTextTable*> found;
    const QList<QTextFrame*> frames = document.rootFrame()->childFrames();
    for (QTextFrame* frame : frames) {
        if (auto* table = qobject_cast<QTextTable*>(frame))
            found.append(table);
    }
    return found;
}

QList<QTextBlock> bodyBlocks(const QTextDocument& document)
{
    QList<QTextBlock> blocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (!QTextCursor(block).currentTable())
            blocks.append(block);
    }
    return blocks;
}

QString cellText(QTextTable* table, int row, int column)
{
    const QTextTableCell cell = table->cellAt(row - 1, column - 1);
    QTextCursor cursor = cell.firstCursorPosition();
    cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

} // namespace DocumentProbe

#pragma once

#include <QList>
#include <QString>
#include <QTextBlock>

class QTextDocument;
class QTextTable;

/// Reading a built document the way a reader of the printout would.
namespace DocumentProbe {

/// The document's tables, in order.
QList<QTextTable*> tables(const QTextDocument& document);

/// Paragraphs outside tables, in order.
QList<QTextBlock> bodyBlocks(const QTextDocument& document);

/// The text of a cell, rows and columns counted from 1 as the printout
/// builder counts them.
QString cellText(QTextTable* table, int row, int column);

} // namespace DocumentProbe

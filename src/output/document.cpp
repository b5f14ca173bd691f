#include "document.h"

#include <QBrush>
#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QStringList>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextImageFormat>
#include <QTextLength>
#include <QTextTable>
#include <QTextTableCell>
#include <QTextTableFormat>
#include <QUrl>

#include <QList>

namespace {

// The colourful table format: a dark header row with light bold text, then
// rows banded in pale yellow and white.
const QColor headerBackground(0x80, 0x00, 0x00);
const QColor headerText(0xFF, 0xFF, 0xFF);
const QColor bandBackground(0xFF, 0xFF, 0xCC);
const QColor plainBackground(0xFF, 0xFF, 0xFF);

QTextCharFormat fontFormat(const QString& name, double points)
{
    QTextCharFormat format;
    format.setFontFamilies(QStringList{name});
    // The OpenDocument writer reads only the single family property (0x2000).
    format.setProperty(QTextFormat::OldFontFamily, name);
    format.setFontPointSize(points);
    return format;
}

/// Calls `change` with a cursor on each paragraph of the cell.
template <typename Change> void forEachBlock(const QTextTableCell& cell, Change change)
{
    const int last = cell.lastCursorPosition().block().blockNumber();
    for (QTextBlock block = cell.firstCursorPosition().block();
         block.isValid() && block.blockNumber() <= last; block = block.next()) {
        QTextCursor cursor(block);
        change(cursor);
    }
}

QTextCursor wholeCell(const QTextTableCell& cell)
{
    QTextCursor cursor = cell.firstCursorPosition();
    cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return cursor;
}

} // namespace

Document::Document()
    : m_document(std::make_unique<QTextDocument>()), m_cursor(m_document.get()),
      m_fontName(QStringLiteral("Times New Roman"))
{
    m_cursor.setCharFormat(typingFormat());
    m_cursor.setBlockCharFormat(typingFormat());
}

Document::~Document() = default;

void Document::setFontName(const QString& name)
{
    m_fontName = name;
    applyTypingFormat();
}

void Document::setFontSize(double points)
{
    m_fontSize = points;
    applyTypingFormat();
}

void Document::applyTypingFormat()
{
    m_cursor.movePosition(QTextCursor::End);
    m_cursor.setCharFormat(typingFormat());
    // An empty last paragraph takes the new font, as its mark would.
    if (m_cursor.block().length() <= 1)
        m_cursor.setBlockCharFormat(typingFormat());
}

QTextCharFormat Document::typingFormat() const
{
    return fontFormat(m_fontName, m_fontSize);
}

void Document::startParagraph(bool newPage)
{
    QTextBlockFormat format = m_cursor.blockFormat();
    format.setPageBreakPolicy(newPage ? QTextFormat::PageBreak_AlwaysBefore
                                      : QTextFormat::PageBreak_Auto);
    m_cursor.insertBlock(format, typingFormat());
}

void Document::typeText(const QString& text)
{
    m_cursor.movePosition(QTextCursor::End);
    QString run;
    for (const QChar c : text) {
        if (c != u'\r' && c != u'\n' && c != u'\f') {
            run += c;
            continue;
        }
        m_cursor.insertText(run, typingFormat());
        run.clear();
        startParagraph(c == u'\f');
    }
    m_cursor.insertText(run, typingFormat());
}

void Document::insertParagraphAfter()
{
    m_cursor.movePosition(QTextCursor::End);
    startParagraph(false);
}

void Document::addImage(const QImage& image, double width, const QString& description)
{
    if (image.isNull())
        return;
    const QString name = QStringLiteral("immagine%1.png").arg(++m_images);
    m_document->addResource(QTextDocument::ImageResource, QUrl(name), image);
    const double shown = std::min(width, textWidth);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(shown);
    format.setHeight(shown * image.height() / image.width());
    format.setProperty(QTextFormat::ImageAltText, description);
    format.setProperty(QTextFormat::ImageTitle, description);
    m_cursor.movePosition(QTextCursor::End);
    startParagraph(false);
    QTextBlockFormat centred = m_cursor.blockFormat();
    centred.setAlignment(Qt::AlignHCenter);
    m_cursor.setBlockFormat(centred);
    m_cursor.insertImage(format);
    startParagraph(false);
    QTextBlockFormat plain = m_cursor.blockFormat();
    plain.setAlignment(Qt::AlignLeft);
    m_cursor.setBlockFormat(plain);
}

bool Document::canDrawImages()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

Document::TableId Document::addTable(int rows, int columns)
{
    Q_ASSERT_X(rows >= 1 && columns >= 1, "Document::addTable", "a table without cells");
    m_cursor.movePosition(QTextCursor::End);
    QTextTableFormat format;
    format.setBorder(0.5);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    format.setCellSpacing(0);
    format.setCellPadding(2);
    format.setHeaderRowCount(1);
    // Fixed widths: the OpenDocument writer drops percentages.
    format.setWidth(QTextLength(QTextLength::FixedLength, tableWidth));
    format.setColumnWidthConstraints(
        QList<QTextLength>(columns, QTextLength(QTextLength::FixedLength, tableWidth / columns)));
    QTextTable* table = m_cursor.insertTable(rows, columns, format);
    m_tables.push_back(Table{table, m_fontSize});
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= columns; ++c)
            formatCell(m_tables.back(), r, c);
    m_cursor.movePosition(QTextCursor::End);
    return TableId(this, m_tables.size() - 1);
}

const Document::Table& Document::tableAt(TableId table) const
{
    Q_ASSERT_X(table.m_owner == this && table.m_index < m_tables.size(), "Document::tableAt",
               "a table of another document");
    return m_tables[table.m_index];
}

Document::Table& Document::tableAt(TableId table)
{
    Q_ASSERT_X(table.m_owner == this && table.m_index < m_tables.size(), "Document::tableAt",
               "a table of another document");
    return m_tables[table.m_index];
}

bool Document::hasCell(TableId table, int row, int column) const
{
    return cellExists(tableAt(table), row, column);
}

bool Document::cellExists(const Table& table, int row, int column)
{
    return row >= 1 && column >= 1 && row <= table.table->rows() &&
           column <= table.table->columns();
}

void Document::formatCell(const Table& table, int row, int column)
{
    const QTextTableCell cell = table.table->cellAt(row - 1, column - 1);
    QTextCharFormat characters = fontFormat(m_fontName, table.fontSize);
    characters.setFontWeight(table.colorful && row == 1 ? QFont::Bold : QFont::Normal);
    if (table.colorful)
        characters.setForeground(row == 1 ? headerText : QColor(Qt::black));
    QTextCursor all = wholeCell(cell);
    all.mergeCharFormat(characters);
    forEachBlock(cell, [&](QTextCursor& cursor) {
        cursor.mergeBlockCharFormat(characters);
        if (!table.colorful)
            return;
        // Table-cell backgrounds do not reach the OpenDocument file; the
        // paragraph background does.
        QTextBlockFormat block;
        block.setBackground(rowBackground(row));
        cursor.mergeBlockFormat(block);
    });
    if (table.colorful) {
        QTextTableCellFormat cellFormat = cell.format().toTableCellFormat();
        cellFormat.setBackground(rowBackground(row));
        table.table->cellAt(row - 1, column - 1).setFormat(cellFormat);
    }
}

QColor Document::rowBackground(int row)
{
    if (row == 1)
        return headerBackground;
    return row % 2 == 0 ? bandBackground : plainBackground;
}

void Document::setTableFontSize(TableId table, double points)
{
    Table& t = tableAt(table);
    t.fontSize = points;
    formatTable(t);
}

void Document::formatTable(const Table& table)
{
    for (int r = 1; r <= table.table->rows(); ++r)
        for (int c = 1; c <= table.table->columns(); ++c)
            formatCell(table, r, c);
}

void Document::setCellText(TableId table, int row, int column, const QString& text)
{
    const Table& t = tableAt(table);
    if (!cellExists(t, row, column)) {
        Q_ASSERT_X(false, "Document::setCellText", "a cell outside the table");
        return;
    }
    const QTextTableCell cell = t.table->cellAt(row - 1, column - 1);
    QTextCursor cursor = wholeCell(cell);
    cursor.removeSelectedText();
    const QTextCharFormat characters = fontFormat(m_fontName, t.fontSize);
    QString run;
    for (const QChar c : text) {
        if (c != u'\r' && c != u'\n' && c != u'\f') {
            run += c;
            continue;
        }
        cursor.insertText(run, characters);
        run.clear();
        cursor.insertBlock(cursor.blockFormat(), characters);
    }
    cursor.insertText(run, characters);
    formatCell(t, row, column);
}

void Document::applyColorfulFormat(TableId table)
{
    Table& t = tableAt(table);
    t.colorful = true;
    formatTable(t);
}

void Document::justifyAll()
{
    // A centred paragraph holds an image, which stays in the middle.
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        if (!(block.blockFormat().alignment() & Qt::AlignHCenter))
            setAlignment(block, Qt::AlignJustify);
    }
}

void Document::alignColumnRight(TableId table, int column)
{
    const Table& t = tableAt(table);
    if (!cellExists(t, 1, column)) {
        Q_ASSERT_X(false, "Document::alignColumnRight", "a column outside the table");
        return;
    }
    for (int r = 1; r <= t.table->rows(); ++r)
        forEachBlock(t.table->cellAt(r - 1, column - 1),
                     [](QTextCursor& cursor) { setAlignment(cursor.block(), Qt::AlignRight); });
}

void Document::setAlignment(const QTextBlock& block, Qt::Alignment alignment)
{
    QTextCursor cursor(block);
    QTextBlockFormat format;
    format.setAlignment(alignment);
    cursor.mergeBlockFormat(format);
}

#pragma once

#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <cstddef>
#include <memory>
#include <vector>

class QColor;
class QImage;
class QTextBlock;
class QTextTable;

/// A printed document built the way the windows build it: font name and size
/// of what is typed next, typed text, paragraphs and tables added at the end,
/// table formats and alignment. The result is a QTextDocument that the
/// presenter writes as OpenDocument Text or shows.
class Document
{
public:
    /// A table of one document, as addTable() returns it. Only the document
    /// makes one, so a table number cannot be made up or taken to another
    /// document.
    class TableId
    {
    public:
        /// Counting from 1, in the order the tables were added.
        int number() const { return static_cast<int>(m_index) + 1; }

    private:
        friend class Document;
        TableId(const Document* owner, std::size_t index) : m_owner(owner), m_index(index) {}

        const Document* m_owner;
        std::size_t m_index;
    };

    Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;
    ~Document();

    /// Font of what is typed next.
    void setFontName(const QString& name);
    void setFontSize(double points);

    /// Types `text` at the end. Character 13 ('\r') and '\n' end a paragraph;
    /// character 12 ('\f') starts a new page.
    void typeText(const QString& text);

    /// A new, empty last paragraph.
    void insertParagraphAfter();

    /// A table of at least one row and one column at the end.
    TableId addTable(int rows, int columns);
    void setTableFontSize(TableId table, double points);
    /// Whether `table` has the cell; rows and columns count from 1.
    bool hasCell(TableId table, int row, int column) const;
    /// Writing outside the table is a programming error: it fails an
    /// assertion, and in a release build leaves the document as it was.
    void setCellText(TableId table, int row, int column, const QString& text);
    /// The "colourful" table format: a coloured header row and banded rows.
    void applyColorfulFormat(TableId table);

    /// An image centred in a paragraph of its own at the end, `width` pixels
    /// of the layout wide (at most the text's width), with `description`
    /// as its text alternative.
    void addImage(const QImage& image, double width, const QString& description);
    /// Whether images can be drawn here: their text needs a QGuiApplication.
    static bool canDrawImages();
    /// The resolution images are drawn at for the printed page.
    static constexpr int printDotsPerInch = 300;

    /// Justifies every paragraph, table cells included; an image stays centred.
    void justifyAll();
    /// Like setCellText(), a column outside the table fails an assertion.
    void alignColumnRight(TableId table, int column);

    const QTextDocument& textDocument() const { return *m_document; }
    QString plainText() const { return m_document->toPlainText(); }

    /// Width in points that every table takes on the page.
    static constexpr double tableWidth = 453.0;
    /// The same width in the layout's pixels, 96 to the inch.
    static constexpr double textWidth = tableWidth * 96.0 / 72.0;

private:
    struct Table
    {
        QTextTable* table = nullptr;
        double fontSize = 0;
        bool colorful = false;
    };

    QTextCharFormat typingFormat() const;
    void applyTypingFormat();
    Table& tableAt(TableId table);
    const Table& tableAt(TableId table) const;
    void formatCell(const Table& table, int row, int column);
    void formatTable(const Table& table);
    static bool cellExists(const Table& table, int row, int column);
    static QColor rowBackground(int row);
    static void setAlignment(const QTextBlock& block, Qt::Alignment alignment);
    void startParagraph(bool newPage);

    std::unique_ptr<QTextDocument> m_document;
    QTextCursor m_cursor;
    QString m_fontName;
    double m_fontSize = 12;
    std::vector<Table> m_tables;
    int m_images = 0;
};

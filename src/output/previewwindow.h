#pragma once

#include <QString>
#include <QWidget>

class Prompts;
class QTextDocument;
class QTextEdit;

/// The program's own view of a printed document, for desktops without a word
/// processor: the document read-only, with printing, saving as OpenDocument
/// Text and exporting as PDF.
class PreviewWindow : public QWidget
{
    Q_OBJECT

public:
    /// Shows a copy of `document`; `fileName` is the file already written for
    /// it (empty if none), offered as the name to save under.
    PreviewWindow(Prompts& prompts, const QTextDocument& document, const QString& fileName,
                  QWidget* parent = nullptr);

    const QTextDocument* document() const;

    void print();
    void saveAsOdt();
    void exportPdf();

private:
    QString chooseFile(const QString& title, const QString& filter, const QString& suffix);

    Prompts& m_prompts;
    QTextEdit* m_view;
    QString m_fileName;
};

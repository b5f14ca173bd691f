#pragma once

#include <QString>

class QTextDocument;

/// Where a document went once presented.
struct Presentation
{
    enum class Place {
        WordProcessor, ///< handed to the desktop's word processor, in `fileName`
        Preview,       ///< shown in the program's own preview
        Nowhere,       ///< not shown: the failure was reported
    };
    Place place = Place::Nowhere;
    QString fileName;

    /// What a window's status line says once the document is shown;
    /// `shownText` is that window's words for the word processor.
    QString
    status(const QString& shownText = QStringLiteral("ho visualizzato il testo su Word")) const;
};

/// Shows a finished document to the user, who prints or saves it from there.
/// Every call shows a new document; earlier ones stay open.
class DocumentPresenter
{
public:
    virtual ~DocumentPresenter() = default;
    /// `purpose` names the document in its file name ("successione", "guida").
    virtual Presentation present(const QTextDocument& document, const QString& purpose) = 0;

    /// What a window's status line says while its document is being made.
    static QString loadingStatus();
};

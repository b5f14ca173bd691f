#pragma once

#include <QString>

class QTextDocument;

/// Shows a finished document to the user, who prints or saves it from there.
/// Every call shows a new document; earlier ones stay open.
class DocumentPresenter
{
public:
    virtual ~DocumentPresenter() = default;
    /// `purpose` names the document in its file name ("successione", "guida").
    virtual void present(const QTextDocument& document, const QString& purpose) = 0;
};

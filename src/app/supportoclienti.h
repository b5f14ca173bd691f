#pragma once

#include <QWidget>

class Forms;
class QLabel;

/// How to get help with the program: what to tell when reporting a problem,
/// where the case files and the printed documents are kept, the version.
class SupportoClienti : public QWidget
{
    Q_OBJECT
public:
    explicit SupportoClienti(Forms& forms, QWidget* parent = nullptr);

    /// The page's text (rich text).
    static QString pageText();
    QString shownText() const;

    void cmdchiudi_Click();

private:
    Forms& m_forms;
    QLabel* m_text = nullptr;
};

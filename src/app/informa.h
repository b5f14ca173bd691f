#pragma once

#include <QWidget>

class Forms;
class QLabel;

/// The about window: name, subtitle, edition line, maker, a short legal
/// notice and the credit for the start-up music. OK only hides it.
class Informa : public QWidget
{
    Q_OBJECT
public:
    explicit Informa(Forms& forms, QWidget* parent = nullptr);

    QString editionText() const;

    void cmdOK_Click();

private:
    QLabel* addLabel(const QString& name, const QString& text, const QRect& twips);
    void addRule(const QString& name, int x1, int x2, int y);

    QLabel* m_edition = nullptr;
};

#pragma once

#include <QToolBar>

class QLabel;
class QLineEdit;
class QToolButton;

/// The bar at the foot of a norms window that finds a text in the Title's
/// panes and goes to an article. It only collects what the user asks; the
/// window does the finding.
class FindBar : public QToolBar
{
    Q_OBJECT
public:
    explicit FindBar(QWidget* parent = nullptr);

    QLineEdit* findField() const { return m_trova; }
    QLineEdit* articleField() const { return m_articolo; }

    /// Shows the bar with the find field ready for typing.
    void openFind();
    /// Shows the bar with the article field ready for typing.
    void openArticle();

    /// "3 di 27", "nessun risultato" or an answer to the article field.
    void setStatus(const QString& text);
    QString status() const;

Q_SIGNALS:
    void findTextChanged(const QString& text);
    void findNext();
    void findPrevious();
    void goToArticle(const QString& number);
    void closed();

private:
    void close();

    QLineEdit* m_trova = nullptr;
    QLineEdit* m_articolo = nullptr;
    QLabel* m_esito = nullptr;
};

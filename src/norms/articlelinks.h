#pragma once

#include "articlereferences.h"

#include <QObject>
#include <QPoint>
#include <QVector>
#include <functional>

class Forms;
class QPlainTextEdit;
class QWidget;

/// Makes the article references of a read-only text box links to the Civil
/// Code. The references are found again whenever the box's text changes. A
/// click on a link follows it; Tab and Shift+Tab step through the links (the
/// focused one is selected) and leave the box after the last one; Enter
/// follows the focused link.
///
/// Following a link opens the norms window of the Title that holds the
/// article by the frame's switching rule (the window the box is in stays
/// open), scrolled to the article and with the article highlighted.
///
/// Use: `ArticleLinks::attach(box, forms, ArticleLinks::prose())` for a text
/// ("ai sensi dell'art. 476 c.c."), `ArticleLinks::numbers()` for a list of
/// article numbers ("540 581"). Labels and other views can build an anchor
/// with `href()` and follow it with `open(forms, href)`.
class ArticleLinks : public QObject
{
    Q_OBJECT
public:
    using Finder = std::function<QVector<Norms::ArticleReference>(const QString& text)>;
    using Follow = std::function<void(Norms::ArticleNumber)>;

    /// The links live as long as the box, which is their parent.
    ArticleLinks(QPlainTextEdit* box, Finder finder, Follow follow);

    /// Links the box's references to the norms windows of `forms`.
    static ArticleLinks* attach(QPlainTextEdit* box, Forms& forms, Finder finder);

    /// References of a prose text: "art. 537, secondo comma", "articoli 581 e 582".
    static Finder prose();
    /// Every article number of a list: "540 542 581".
    static Finder numbers();

    /// Opens the Title that holds the article, scrolled to it and highlighted;
    /// false when the code has no such article or no norms window is registered.
    static bool open(Forms& forms, Norms::ArticleNumber number);
    /// The same for an anchor made by href(); false for any other address.
    static bool open(Forms& forms, const QString& href);
    /// The anchor address of an article: "articolo:768-bis".
    static QString href(Norms::ArticleNumber number);
    /// The text as rich text, each reference `finder` finds an anchor.
    static QString html(const QString& text, const Finder& finder);

    const QVector<Norms::ArticleReference>& references() const { return m_references; }
    /// The link Tab has reached, -1 for none.
    int focused() const { return m_focused; }
    /// Follows link `index` of references().
    void follow(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void relink();
    bool keyPress(int key, Qt::KeyboardModifiers modifiers);
    void focusIn(Qt::FocusReason reason);
    void setFocused(int index);
    int linkAt(const QPoint& viewportPosition) const;
    int firstShown() const;
    int lastShown() const;

    QPlainTextEdit* m_box;
    /// Kept apart from the box: events reach the filter while the box is being
    /// destroyed, when it can no longer be asked for its viewport.
    QWidget* m_viewport;
    Finder m_finder;
    Follow m_follow;
    QVector<Norms::ArticleReference> m_references;
    int m_focused = -1;
    int m_pressed = -1;
    bool m_relinking = false;
};

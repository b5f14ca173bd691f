#include "articlelinks.h"

#include "app/forms.h"
#include "normswindow.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QTextCursor>
#include <QTextDocument>

namespace {

const QString kScheme = QStringLiteral("articolo:");

qsizetype endOf(const Norms::ArticleReference& reference)
{
    return reference.span.start + reference.span.length;
}

} // namespace

ArticleLinks::ArticleLinks(QPlainTextEdit* box, Finder finder, Follow follow)
    : QObject(box), m_box(box), m_viewport(box->viewport()), m_finder(std::move(finder)),
      m_follow(std::move(follow))
{
    // The box is read-only: marking the links must not fill an undo stack.
    m_box->document()->setUndoRedoEnabled(false);
    m_box->viewport()->setMouseTracking(true);
    m_box->installEventFilter(this);
    m_viewport->installEventFilter(this);
    connect(m_box, &QPlainTextEdit::textChanged, this, &ArticleLinks::relink);
    relink();
}

ArticleLinks* ArticleLinks::attach(QPlainTextEdit* box, Forms& forms, Finder finder)
{
    return new ArticleLinks(box, std::move(finder),
                            [&forms](Norms::ArticleNumber number) { open(forms, number); });
}

ArticleLinks::Finder ArticleLinks::prose()
{
    return [](const QString& text) { return Norms::findArticleReferences(text); };
}

ArticleLinks::Finder ArticleLinks::numbers()
{
    return [](const QString& text) { return Norms::findArticleNumbers(text); };
}

bool ArticleLinks::open(Forms& forms, Norms::ArticleNumber number)
{
    const Norms::Article* article = Norms::ArticleIndex::codice().find(number);
    if (!article)
        return false;
    auto* window = qobject_cast<NormsWindow*>(forms.show(article->title));
    if (!window)
        return false;
    window->showArticle(*article);
    return true;
}

bool ArticleLinks::open(Forms& forms, const QString& address)
{
    if (!address.startsWith(kScheme))
        return false;
    const std::optional<Norms::ArticleNumber> number =
        Norms::ArticleNumber::parse(address.mid(kScheme.size()));
    return number && open(forms, *number);
}

QString ArticleLinks::href(Norms::ArticleNumber number)
{
    return kScheme + number.toString();
}

QString ArticleLinks::html(const QString& text, const Finder& finder)
{
    QString out;
    qsizetype at = 0;
    for (const Norms::ArticleReference& reference : finder(text)) {
        out += text.mid(at, reference.span.start - at).toHtmlEscaped();
        out += QStringLiteral("<a href=\"%1\">%2</a>")
                   .arg(href(reference.article),
                        text.mid(reference.span.start, reference.span.length).toHtmlEscaped());
        at = endOf(reference);
    }
    out += text.mid(at).toHtmlEscaped();
    out.replace(u'\n', QStringLiteral("<br>"));
    return out;
}

void ArticleLinks::follow(int index)
{
    if (index < 0 || index >= m_references.size())
        return;
    m_follow(m_references.at(index).article);
}

void ArticleLinks::relink()
{
    // Marking the links changes the document's formats, which signals a change again.
    if (m_relinking)
        return;
    const QScopedValueRollback guard(m_relinking, true);
    m_references = m_finder(m_box->toPlainText());
    m_focused = -1;
    m_pressed = -1;
    QTextCursor cursor(m_box->document());
    for (const Norms::ArticleReference& reference : std::as_const(m_references)) {
        cursor.setPosition(static_cast<int>(reference.span.start));
        cursor.setPosition(static_cast<int>(endOf(reference)), QTextCursor::KeepAnchor);
        QTextCharFormat format;
        format.setAnchor(true);
        format.setAnchorHref(href(reference.article));
        format.setForeground(m_box->palette().link());
        format.setFontUnderline(true);
        cursor.mergeCharFormat(format);
    }
}

bool ArticleLinks::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_box) {
        if (event->type() == QEvent::FocusIn)
            focusIn(static_cast<QFocusEvent*>(event)->reason());
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            return keyPress(key->key(), key->modifiers());
        }
        return false;
    }
    if (watched != m_viewport)
        return false;
    switch (event->type()) {
    case QEvent::MouseMove: {
        const bool onLink = linkAt(static_cast<QMouseEvent*>(event)->position().toPoint()) >= 0;
        if (onLink)
            m_box->viewport()->setCursor(Qt::PointingHandCursor);
        else if (m_box->viewport()->cursor().shape() == Qt::PointingHandCursor)
            m_box->viewport()->unsetCursor();
        return false;
    }
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        m_pressed = mouse->button() == Qt::LeftButton ? linkAt(mouse->position().toPoint()) : -1;
        return false;
    }
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const int link = linkAt(mouse->position().toPoint());
        const bool click = mouse->button() == Qt::LeftButton && link >= 0 && link == m_pressed &&
                           !m_box->textCursor().hasSelection();
        m_pressed = -1;
        if (click)
            follow(link);
        return false;
    }
    default:
        return false;
    }
}

bool ArticleLinks::keyPress(int key, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const int count = static_cast<int>(m_references.size());
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        const bool forward = key == Qt::Key_Tab && !(modifiers & Qt::ShiftModifier);
        int next = forward ? m_focused + 1 : m_focused - 1;
        if (m_focused < 0)
            next = forward ? firstShown() : lastShown();
        if (next < 0 || next >= count) {
            setFocused(-1);
            return false;
        }
        setFocused(next);
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_focused < 0)
            return false;
        follow(m_focused);
        return true;
    default:
        return false;
    }
}

void ArticleLinks::focusIn(Qt::FocusReason reason)
{
    if (reason == Qt::TabFocusReason)
        setFocused(firstShown());
    else if (reason == Qt::BacktabFocusReason)
        setFocused(lastShown());
}

void ArticleLinks::setFocused(int index)
{
    m_focused = index;
    QTextCursor cursor = m_box->textCursor();
    if (index < 0) {
        cursor.clearSelection();
        m_box->setTextCursor(cursor);
        return;
    }
    const Norms::ArticleReference& reference = m_references.at(index);
    cursor.setPosition(static_cast<int>(reference.span.start));
    cursor.setPosition(static_cast<int>(endOf(reference)), QTextCursor::KeepAnchor);
    m_box->setTextCursor(cursor);
    m_box->ensureCursorVisible();
}

int ArticleLinks::linkAt(const QPoint& viewportPosition) const
{
    const QString address = m_box->anchorAt(viewportPosition);
    if (address.isEmpty())
        return -1;
    const qsizetype position = m_box->cursorForPosition(viewportPosition).position();
    int candidate = -1;
    for (int i = 0; i < m_references.size(); ++i) {
        const Norms::ArticleReference& reference = m_references.at(i);
        if (href(reference.article) != address)
            continue;
        if (reference.span.start <= position && position <= endOf(reference))
            return i;
        if (candidate < 0)
            candidate = i;
    }
    return candidate;
}

int ArticleLinks::firstShown() const
{
    const qsizetype top = m_box->cursorForPosition(QPoint(0, 0)).position();
    for (int i = 0; i < m_references.size(); ++i) {
        if (m_references.at(i).span.start >= top)
            return i;
    }
    return -1;
}

int ArticleLinks::lastShown() const
{
    const QPoint corner(m_box->viewport()->width() - 1, m_box->viewport()->height() - 1);
    const qsizetype bottom = m_box->cursorForPosition(corner).position();
    for (int i = static_cast<int>(m_references.size()) - 1; i >= 0; --i) {
        if (m_references.at(i).span.start <= bottom)
            return i;
    }
    return -1;
}

#include "app/forms.h"
#include "maxims/massime.h"
#include "maxims/maximtable.h"
#include "norms/articleindex.h"
#include "norms/articlelinks.h"
#include "norms/findbar.h"
#include "norms/normswindow.h"
#include "testforms.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QVBoxLayout>

void registerNormsWindows(Forms& forms);
void registerMaximsWindows(Forms& forms);

using namespace Norms;
using namespace Qt::StringLiterals;

namespace {

/// A window with a field before a linked text box and one after it.
struct Host
{
    explicit Host(Forms& forms, const QString& text, const ArticleLinks::Finder& finder)
    {
        auto* layout = new QVBoxLayout(&window);
        before = new QLineEdit(&window);
        box = new QPlainTextEdit(&window);
        after = new QLineEdit(&window);
        for (QWidget* widget : {static_cast<QWidget*>(before), static_cast<QWidget*>(box),
                                static_cast<QWidget*>(after)})
            layout->addWidget(widget);
        box->setReadOnly(true);
        box->setPlainText(text);
        links = ArticleLinks::attach(box, forms, finder);
        window.resize(400, 200);
        window.show();
    }

    /// The middle of the link's words, in the box's viewport.
    QPoint pointOf(int index) const
    {
        const ArticleReference& reference = links->references().at(index);
        QTextCursor cursor(box->document());
        cursor.setPosition(static_cast<int>(reference.span.start + reference.span.length / 2));
        return box->cursorRect(cursor).center();
    }

    QWidget window;
    QLineEdit* before = nullptr;
    QPlainTextEdit* box = nullptr;
    QLineEdit* after = nullptr;
    ArticleLinks* links = nullptr;
};

struct Harness
{
    Harness()
    {
        for (WindowId id : {WindowId::successione, WindowId::guidanorme, WindowId::sommario})
            t.forms.registerFactory(id, [](Forms&) { return std::make_unique<QWidget>(); });
        registerNormsWindows(t.forms);
    }

    NormsWindow* loaded(WindowId id) const
    {
        return qobject_cast<NormsWindow*>(t.forms.loadedForm(id));
    }

    TestForms t;
};

/// Whether the article's first line is on show in its pane.
bool onShow(NormsWindow* window, const Article& article)
{
    QPlainTextEdit* pane = window->pane(article.pane);
    const QRect rect =
        pane->cursorRect(QTextCursor(pane->document()->findBlockByNumber(article.line)));
    return rect.top() >= 0 && rect.bottom() <= pane->viewport()->height();
}

/// The norms window that shows `label` highlighted and on show, or null.
NormsWindow* showing(const Harness& h, const QString& label)
{
    const Article* article = ArticleIndex::codice().find(label);
    if (!article)
        return nullptr;
    NormsWindow* window = h.loaded(article->title);
    if (!window || !window->isVisible() || window->highlightedArticle() != article ||
        !onShow(window, *article))
        return nullptr;
    return window;
}

QStringList labels(const QVector<ArticleReference>& references)
{
    QStringList out;
    for (const ArticleReference& reference : references)
        out << reference.article.toString();
    return out;
}

} // namespace

class TestArticleLinks : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void clickFollowsTheLink_data();
    void clickFollowsTheLink();
    void clickBesideALinkFollowsNothing();
    void tabReachesEachLinkAndEnterFollowsIt();
    void backtabReachesTheLastLink();
    void linksFollowTheText();
    void highlightLastsUntilScrollOrSearch_data();
    void highlightLastsUntilScrollOrSearch();
    void normsPaneLinksItsReferences();
    void linkToAnotherTitleKeepsTheWindowOpen();
    void anchorsForLabels();
    void maximsOnTheArticleFoundByVaiAllArticolo();
    void maximsOnTheArticleUnderTheCursor();
};

void TestArticleLinks::clickFollowsTheLink_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("list");
    QTest::addColumn<int>("link");
    QTest::addColumn<QString>("article");
    QTest::newRow("list, Title II") << u"540 581"_s << true << 1 << u"581"_s;
    QTest::newRow("list, Title I") << u"540 581"_s << true << 0 << u"540"_s;
    QTest::newRow("maxim, Title I")
        << u"ai sensi dell'art. 476 c.c. Non vale"_s << false << 0 << u"476"_s;
    QTest::newRow("second of a list, Title III")
        << u"gli articoli 601 e 609 del codice"_s << false << 1 << u"609"_s;
    QTest::newRow("-bis, Title IV")
        << u"dall'articolo 768-bis, è nullo"_s << false << 0 << u"768-bis"_s;
    QTest::newRow("Title V, last article") << u"art. 809 c.c."_s << false << 0 << u"809"_s;
}

void TestArticleLinks::clickFollowsTheLink()
{
    QFETCH(QString, text);
    QFETCH(bool, list);
    QFETCH(int, link);
    QFETCH(QString, article);
    Harness h;
    Host host(h.t.forms, text, list ? ArticleLinks::numbers() : ArticleLinks::prose());
    QVERIFY(QTest::qWaitForWindowExposed(&host.window));
    QTest::mouseClick(host.box->viewport(), Qt::LeftButton, {}, host.pointOf(link));
    QVERIFY(showing(h, article));
    QCOMPARE(h.t.forms.loadedCount(), 1);
}

void TestArticleLinks::clickBesideALinkFollowsNothing()
{
    Harness h;
    Host host(h.t.forms, u"testo senza rinvii e poi l'art. 476 c.c."_s, ArticleLinks::prose());
    QVERIFY(QTest::qWaitForWindowExposed(&host.window));
    QTextCursor cursor(host.box->document());
    cursor.setPosition(3);
    QTest::mouseClick(host.box->viewport(), Qt::LeftButton, {},
                      host.box->cursorRect(cursor).center());
    QCOMPARE(h.t.forms.loadedCount(), 0);
}

void TestArticleLinks::tabReachesEachLinkAndEnterFollowsIt()
{
    Harness h;
    Host host(h.t.forms, u"540 542 581"_s, ArticleLinks::numbers());
    QVERIFY(QTest::qWaitForWindowExposed(&host.window));
    host.window.activateWindow();
    host.before->setFocus();
    QTRY_VERIFY(host.before->hasFocus());

    QTest::keyClick(host.before, Qt::Key_Tab);
    QVERIFY(host.box->hasFocus());
    QCOMPARE(host.links->focused(), 0);
    QCOMPARE(host.box->textCursor().selectedText(), u"540"_s);
    QTest::keyClick(host.box, Qt::Key_Tab);
    QTest::keyClick(host.box, Qt::Key_Tab);
    QCOMPARE(host.links->focused(), 2);
    QCOMPARE(host.box->textCursor().selectedText(), u"581"_s);
    QCOMPARE(h.t.forms.loadedCount(), 0);

    QTest::keyClick(host.box, Qt::Key_Return);
    QVERIFY(showing(h, u"581"_s));

    host.window.activateWindow();
    host.box->setFocus();
    QTest::keyClick(host.box, Qt::Key_Tab);
    QVERIFY(host.after->hasFocus());
    QCOMPARE(host.links->focused(), -1);
}

void TestArticleLinks::backtabReachesTheLastLink()
{
    Harness h;
    Host host(h.t.forms, u"540 542 581"_s, ArticleLinks::numbers());
    QVERIFY(QTest::qWaitForWindowExposed(&host.window));
    host.window.activateWindow();
    host.after->setFocus();
    QTRY_VERIFY(host.after->hasFocus());
    QTest::keyClick(host.after, Qt::Key_Backtab);
    QVERIFY(host.box->hasFocus());
    QCOMPARE(host.links->focused(), 2);
    QTest::keyClick(host.box, Qt::Key_Backtab);
    QCOMPARE(host.links->focused(), 1);
    QTest::keyClick(host.box, Qt::Key_Enter);
    QVERIFY(showing(h, u"542"_s));
}

void TestArticleLinks::linksFollowTheText()
{
    Harness h;
    Host host(h.t.forms, u"540 583"_s, ArticleLinks::numbers());
    QCOMPARE(labels(host.links->references()), (QStringList{u"540"_s, u"583"_s}));
    host.box->setPlainText(u"566"_s);
    QCOMPARE(labels(host.links->references()), QStringList{u"566"_s});
    QCOMPARE(host.box->toPlainText(), u"566"_s);
    QTextCursor cursor(host.box->document());
    cursor.setPosition(1);
    QCOMPARE(cursor.charFormat().anchorHref(), u"articolo:566"_s);
    host.box->setPlainText(QString());
    QVERIFY(host.links->references().isEmpty());
}

void TestArticleLinks::highlightLastsUntilScrollOrSearch_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("wheel") << u"wheel"_s;
    QTest::newRow("scroll bar") << u"bar"_s;
    QTest::newRow("page down") << u"key"_s;
    QTest::newRow("search") << u"find"_s;
}

void TestArticleLinks::highlightLastsUntilScrollOrSearch()
{
    QFETCH(QString, action);
    Harness h;
    Host host(h.t.forms, u"l'art. 536 c.c."_s, ArticleLinks::prose());
    QVERIFY(QTest::qWaitForWindowExposed(&host.window));
    QTest::mouseClick(host.box->viewport(), Qt::LeftButton, {}, host.pointOf(0));
    NormsWindow* window = showing(h, u"536"_s);
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTest::qWait(50);
    QVERIFY(window->highlightedArticle());
    const Article* article = window->highlightedArticle();
    QPlainTextEdit* pane = window->pane(article->pane);
    const QList<QTextEdit::ExtraSelection> marked = pane->extraSelections();
    QCOMPARE(marked.size(), 1);
    QCOMPARE(marked.first().cursor.selectionStart(), article->position);
    QCOMPARE(marked.first().cursor.selectedText().size(), article->text.size());

    if (action == u"wheel"_s) {
        const QPoint at = pane->viewport()->rect().center();
        QWheelEvent wheel(at, pane->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(pane->viewport(), &wheel);
    } else if (action == u"bar"_s) {
        QScrollBar* bar = pane->verticalScrollBar();
        const QPoint below(bar->width() / 2, bar->height() - bar->width() - 4);
        QTest::mouseClick(bar, Qt::LeftButton, {}, below);
    } else if (action == u"key"_s) {
        pane->setFocus();
        QTest::keyClick(pane, Qt::Key_PageDown);
    } else {
        window->openFindBar();
        QTest::keyClicks(window->findBar()->findField(), u"erede"_s);
    }
    QCOMPARE(window->highlightedArticle(), nullptr);
    for (const QTextEdit::ExtraSelection& selection : pane->extraSelections())
        QVERIFY(selection.cursor.selectionStart() != article->position);
}

void TestArticleLinks::normsPaneLinksItsReferences()
{
    Harness h;
    auto* window = qobject_cast<NormsWindow*>(h.t.forms.show(WindowId::titoloIII));
    QVERIFY(window);
    const Article* article = ArticleIndex::codice().find(u"599"_s);
    QVERIFY(article);
    auto* links = window->pane(article->pane)->findChild<ArticleLinks*>();
    QVERIFY(links);
    QStringList inArticle;
    for (const ArticleReference& reference : links->references()) {
        // The "Art. 599" that opens the entry is no link to itself.
        QVERIFY(reference.span.start != article->position);
        if (reference.span.start > article->position &&
            reference.span.start < article->position + article->text.size())
            inArticle << reference.article.toString();
    }
    QCOMPARE(inArticle, (QStringList{u"592"_s, u"593"_s, u"595"_s, u"596"_s, u"597"_s, u"598"_s}));
}

void TestArticleLinks::linkToAnotherTitleKeepsTheWindowOpen()
{
    Harness h;
    auto* titoloII = qobject_cast<NormsWindow*>(h.t.forms.show(WindowId::titoloII));
    QVERIFY(QTest::qWaitForWindowExposed(titoloII));
    QPlainTextEdit* pane = titoloII->pane(0);
    auto* links = pane->findChild<ArticleLinks*>();
    QVERIFY(links);
    const auto target = std::find_if(links->references().cbegin(), links->references().cend(),
                                     [](const ArticleReference& r) {
                                         return r.article == ArticleNumber{540, 0};
                                     });
    QVERIFY(target != links->references().cend());
    QTextCursor cursor(pane->document());
    cursor.setPosition(static_cast<int>(target->span.start + 1));
    pane->setTextCursor(cursor);
    pane->ensureCursorVisible();
    QTest::mouseClick(pane->viewport(), Qt::LeftButton, {}, pane->cursorRect(cursor).center());
    QVERIFY(showing(h, u"540"_s));
    QVERIFY(h.t.forms.isLoaded(WindowId::titoloII));
    QVERIFY(titoloII->isVisible());
}

void TestArticleLinks::anchorsForLabels()
{
    Harness h;
    QCOMPARE(ArticleLinks::html(u"l'art. 476 c.c. & <altro>"_s, ArticleLinks::prose()),
             u"l'<a href=\"articolo:476\">art. 476</a> c.c. &amp; &lt;altro&gt;"_s);
    QCOMPARE(ArticleLinks::html(u"279 768-bis"_s, ArticleLinks::numbers()),
             u"279 <a href=\"articolo:768-bis\">768-bis</a>"_s);
    QVERIFY(!ArticleLinks::open(h.t.forms, u"https://example.org"_s));
    QVERIFY(!ArticleLinks::open(h.t.forms, u"articolo:279"_s));
    QCOMPARE(h.t.forms.loadedCount(), 0);
    QVERIFY(ArticleLinks::open(h.t.forms, u"articolo:768-bis"_s));
    QVERIFY(showing(h, u"768-bis"_s));
}

void TestArticleLinks::maximsOnTheArticleFoundByVaiAllArticolo()
{
    Harness h;
    registerMaximsWindows(h.t.forms);
    const MaximTable table = MaximTable::load();
    const QVector<MaximRef> on540 = table.maximsOnArticle(u"540"_s);
    QVERIFY(!on540.isEmpty());
    auto* window = qobject_cast<NormsWindow*>(h.t.forms.show(WindowId::titoloI));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QPushButton* button = window->maximsButton();
    QVERIFY(!button->isVisible());
    QVERIFY(!window->findChild<QAction*>(u"massimesuarticolo"_s)->isEnabled());

    QTest::keyClick(window, Qt::Key_G, Qt::ControlModifier);
    QLineEdit* field = window->findBar()->articleField();
    QTRY_VERIFY(field->hasFocus());
    QTest::keyClicks(field, u"540"_s);
    QTest::keyClick(field, Qt::Key_Return);
    QVERIFY(window->currentArticle());
    QCOMPARE(window->currentArticle()->label, u"540"_s);
    QVERIFY(button->isVisible());
    QVERIFY(button->isEnabled());
    QCOMPARE(button->text(), u"Massime su questo articolo"_s);
    QVERIFY(button->accessibleName().contains(u"540"_s));

    field->setFocus();
    QTest::keyClick(field, Qt::Key_Tab);
    QVERIFY(button->hasFocus());
    QTest::keyClick(button, Qt::Key_Space);
    auto* massime = qobject_cast<Massime*>(h.t.forms.loadedForm(WindowId::massime));
    QVERIFY(massime);
    QVERIFY(massime->isVisible());
    QCOMPARE(massime->argomento(), on540.first().topic);
    QCOMPARE(massime->numero(), on540.first().number);
    QCOMPARE(massime->findChild<QPlainTextEdit*>(u"sent"_s)->toPlainText(),
             table.massima(on540.first().topic, on540.first().number));
    QVERIFY(window->isVisible());
}

// The offer follows the article the reader clicks in, and Ctrl+M takes it.
void TestArticleLinks::maximsOnTheArticleUnderTheCursor()
{
    Harness h;
    registerMaximsWindows(h.t.forms);
    const MaximTable table = MaximTable::load();
    const Article* with = nullptr;
    const Article* without = nullptr;
    for (const Article& article : ArticleIndex::codice().articles()) {
        if (article.title != WindowId::titoloI || article.repealed)
            continue;
        const bool any = !table.maximsOnArticle(article.label).isEmpty();
        if (any && !with)
            with = &article;
        if (!any && !without)
            without = &article;
    }
    QVERIFY(with && without);
    auto* window = qobject_cast<NormsWindow*>(h.t.forms.show(WindowId::titoloI));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QAction* action = window->findChild<QAction*>(u"massimesuarticolo"_s);
    QVERIFY(action);
    for (const Article* article : {without, with}) {
        window->showArticle(*article);
        QPlainTextEdit* pane = window->pane(article->pane);
        QTextCursor inside(pane->document());
        inside.setPosition(static_cast<int>(article->position) + 8);
        QTest::mouseClick(pane->viewport(), Qt::LeftButton, {}, pane->cursorRect(inside).center());
        QCOMPARE(window->currentArticle(), article);
        QCOMPARE(action->isEnabled(), article == with);
    }
    QTest::keyClick(window->pane(with->pane), Qt::Key_M, Qt::ControlModifier);
    auto* massime = qobject_cast<Massime*>(h.t.forms.loadedForm(WindowId::massime));
    QVERIFY(massime);
    const MaximRef first = table.maximsOnArticle(with->label).first();
    QCOMPARE(massime->argomento(), first.topic);
    QCOMPARE(massime->numero(), first.number);
}

QTEST_MAIN(TestArticleLinks)
#include "tst_articlelinks.moc"

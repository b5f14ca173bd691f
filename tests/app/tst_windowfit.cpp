#include "allwindows.h"
#include "app/fonts.h"
#include "app/frmtip.h"
#include "app/mainframe.h"
#include "app/windowsetup.h"
#include "testforms.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractTextDocumentLayout>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(WindowId)

namespace {

// Where a text does not fit its control, if anywhere: "name: why".
QString misfit(const QWidget* control, const QString& why)
{
    return control->objectName() + u": "_s + why;
}

int documentHeight(const QString& text, const QFont& font, int width, bool rich)
{
    QTextDocument document;
    document.setDefaultFont(font);
    document.setDocumentMargin(0);
    if (rich)
        document.setHtml(text);
    else
        document.setPlainText(text);
    document.setTextWidth(width);
    return qCeil(document.size().height());
}

QString labelText(const QLabel* label)
{
    QString text = label->text();
    if (label->buddy()) // the mnemonic's marker is not drawn
        text.remove(QRegularExpression(u"&(?!&)"_s));
    return text;
}

bool isRich(const QLabel* label)
{
    return label->textFormat() == Qt::RichText ||
           (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
}

QString labelMisfit(const QLabel* label)
{
    const QString text = labelText(label);
    if (text.trimmed().isEmpty())
        return {};
    const QRect room = label->contentsRect();
    const QFontMetrics metrics(label->font());
    const bool rich = isRich(label);
    if (label->wordWrap() || rich) {
        const int height = documentHeight(text, label->font(), room.width(), rich);
        if (height > room.height() + 1)
            return misfit(label, u"%1 px of text in %2 px"_s.arg(height).arg(room.height()));
        return {};
    }
    const int width = metrics.horizontalAdvance(text);
    if (width > room.width())
        return misfit(label, u"%1 px wide in %2 px"_s.arg(width).arg(room.width()));
    if (metrics.height() > room.height() + 1)
        return misfit(label, u"%1 px high in %2 px"_s.arg(metrics.height()).arg(room.height()));
    return {};
}

QString buttonMisfit(const QAbstractButton* button)
{
    QString text = button->text();
    text.remove(u'&');
    if (text.isEmpty())
        return {};
    const int width = QFontMetrics(button->font()).horizontalAdvance(text);
    if (width + 4 > button->contentsRect().width())
        return misfit(button, u"%1 px of caption in %2 px"_s.arg(width).arg(button->width()));
    return {};
}

QString lineMisfit(const QLineEdit* line)
{
    const int width = QFontMetrics(line->font()).horizontalAdvance(line->text());
    if (width + 6 > line->width())
        return misfit(line, u"%1 px of text in %2 px"_s.arg(width).arg(line->width()));
    return {};
}

// A box with its scroll bar always on is a pane meant to be scrolled; any
// other must show its whole text.
template <class Edit> QString editMisfit(const Edit* edit, const QString& text, bool rich)
{
    if (text.isEmpty() || edit->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
        return {};
    const QRect room = edit->viewport()->rect();
    const int margin = qCeil(edit->document()->documentMargin());
    const int height = documentHeight(text, edit->font(), room.width() - 2 * margin, rich);
    if (height + 2 * margin > room.height())
        return misfit(edit,
                      u"%1 px of text in %2 px"_s.arg(height + 2 * margin).arg(room.height()));
    return {};
}

// What a plain box shows: the blocks it hides are no text of the screen.
QString shownText(const QPlainTextEdit* edit)
{
    QStringList blocks;
    for (QTextBlock block = edit->document()->firstBlock(); block.isValid(); block = block.next()) {
        if (block.isVisible())
            blocks << block.text();
    }
    return blocks.join(u'\n');
}

// An item too wide for the list must wrap onto more lines.
QString listMisfit(const QListWidget* list)
{
    const QFontMetrics metrics(list->font());
    for (int row = 0; row < list->count(); ++row) {
        const QString text = list->item(row)->text();
        const int width = metrics.horizontalAdvance(text);
        if (width + 8 > list->viewport()->width() && !list->wordWrap())
            return misfit(list, u"\"%1\": %2 px in %3 px"_s.arg(text).arg(width).arg(
                                    list->viewport()->width()));
    }
    return {};
}

// The named widgets are the controls; Qt's own parts follow their owner.
bool isControl(const QWidget* widget)
{
    const QString name = widget->objectName();
    return !name.isEmpty() && !name.startsWith(u"qt_"_s) && !widget->isWindow();
}

// A pane's contents scroll: they may stand outside what it shows.
bool scrolls(const QWidget* parent)
{
    for (const QWidget* w = parent; w; w = w->parentWidget()) {
        if (const auto* area = qobject_cast<const QAbstractScrollArea*>(w->parentWidget());
            area && area->viewport() == w)
            return true;
    }
    return false;
}

// What a control covers in its parent: a bare label of one line only its
// text, which may stand on a neighbour's empty margin.
QRect covered(const QWidget* control)
{
    const auto* label = qobject_cast<const QLabel*>(control);
    if (!label || label->wordWrap() || isRich(label) || label->autoFillBackground() ||
        !label->styleSheet().isEmpty() || label->frameShape() != QFrame::NoFrame)
        return control->geometry();
    const QRect text =
        label->style()->itemTextRect(QFontMetrics(label->font()), label->contentsRect(),
                                     label->alignment(), label->isEnabled(), labelText(label));
    return text.translated(label->pos()) & label->geometry();
}

// Neighbours drawn in twips may share a pixel or two of their edges.
bool overlap(const QWidget* one, const QWidget* other)
{
    const QRect both = covered(one) & covered(other);
    return both.width() > 2 && both.height() > 2;
}

QString placeText(const QWidget* control)
{
    const QRect r = control->geometry();
    return u"%1,%2 %3x%4"_s.arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Controls that stand out of their parent, which cuts them, or on one another.
QStringList placeMisfits(const QWidget* window)
{
    QStringList found;
    QList<const QWidget*> parents{window};
    for (const QWidget* w : window->findChildren<QWidget*>())
        parents << w;
    for (const QWidget* parent : std::as_const(parents)) {
        if (!parent->isVisibleTo(window) || scrolls(parent))
            continue;
        QList<const QWidget*> controls;
        for (const QWidget* w :
             parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (isControl(w) && w->isVisibleTo(window) && !w->size().isEmpty())
                controls << w;
        }
        for (qsizetype i = 0; i < controls.size(); ++i) {
            if (!parent->rect().contains(controls[i]->geometry()))
                found << misfit(controls[i], u"%1 outside %2 (%3x%4)"_s.arg(placeText(controls[i]))
                                                 .arg(parent->objectName())
                                                 .arg(parent->width())
                                                 .arg(parent->height()));
            for (qsizetype j = i + 1; j < controls.size(); ++j) {
                if (overlap(controls[i], controls[j]))
                    found << misfit(controls[i], u"%1 on %2 %3"_s.arg(placeText(controls[i]),
                                                                      controls[j]->objectName(),
                                                                      placeText(controls[j])));
            }
        }
    }
    return found;
}

QStringList misfits(const QWidget* window)
{
    QStringList found = placeMisfits(window);
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window))
            continue;
        QString why;
        if (const auto* label = qobject_cast<const QLabel*>(w))
            why = labelMisfit(label);
        else if (const auto* tool = qobject_cast<const QToolButton*>(w);
                 tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
            continue; // a picture only: its text is the tooltip
        else if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            why = buttonMisfit(button);
        else if (const auto* line = qobject_cast<const QLineEdit*>(w))
            why = lineMisfit(line);
        else if (const auto* plain = qobject_cast<const QPlainTextEdit*>(w))
            why = editMisfit(plain, shownText(plain), false);
        else if (const auto* rich = qobject_cast<const QTextEdit*>(w))
            why = editMisfit(rich, rich->toHtml(), true);
        else if (const auto* list = qobject_cast<const QListWidget*>(w))
            why = listMisfit(list);
        else if (const auto* group = qobject_cast<const QGroupBox*>(w)) {
            const int width = QFontMetrics(group->font()).horizontalAdvance(group->title());
            if (width + 16 > group->width())
                why = misfit(group, u"title %1 px in %2 px"_s.arg(width).arg(group->width()));
        }
        if (!why.isEmpty())
            found << why;
    }
    return found;
}

// The desktop's font for as long as it lives, as the program takes it.
class DesktopFont
{
public:
    explicit DesktopFont(double points) : m_before(QGuiApplication::font())
    {
        if (points > 0)
            QGuiApplication::setFont(Fonts::applicationFont(QFont(u"DejaVu Sans"_s, points)));
    }
    ~DesktopFont() { QGuiApplication::setFont(m_before); }
    DesktopFont(const DesktopFont&) = delete;
    DesktopFont& operator=(const DesktopFont&) = delete;

private:
    const QFont m_before;
};

// Where QUOTARA_FIT_PICTURES names a folder, each window measured is saved
// there to be looked at.
void savePicture(QWidget* window, WindowId id, const QString& condition)
{
    const QString folder = qEnvironmentVariable("QUOTARA_FIT_PICTURES");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR", u"1"_s);
    window->grab().save(
        QDir(folder).filePath(u"%1-%2-x%3.png"_s.arg(windowName(id), condition, scale)));
}

} // namespace

/// Every text of every window fits its control and no control stands out of
/// its window or on another, at the design size and with a 16-point desktop
/// font, with the faces a Linux desktop has. A second run does the same at a
/// scale factor of 2.
class TestWindowFit : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void everyTextFits_data();
    void everyTextFits();
    void maximTopicsFitTheList();
    void willNotesShowWhole_data();
    void willNotesShowWhole();
    void windowsGrowWithALargeDesktopFont_data();
    void windowsGrowWithALargeDesktopFont();
    void mainWindowsKeepTheirDesignSizeAtLeast_data();
    void mainWindowsKeepTheirDesignSizeAtLeast();
    void smallWindowsOpenOverTheirOpener_data();
    void smallWindowsOpenOverTheirOpener();
    void aboutNamesTheSystem();
    void missingTipsMessageFits();
    void findBarLeavesTheNormsWindowAsItWas();
    void exitQuestionRepeatsTheWarning();

private:
    std::unique_ptr<TestForms> m_t;
};

void TestWindowFit::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    // As the program takes Qt's own default, a controls left without the
    // window face shows it.
    QGuiApplication::setFont(Fonts::applicationFont(QFont(u"DejaVu Sans"_s, 9)));
}

void TestWindowFit::init()
{
    m_t = std::make_unique<TestForms>();
    registerAllWindows(m_t->forms);
}

void TestWindowFit::cleanup()
{
    m_t.reset();
}

void TestWindowFit::everyTextFits_data()
{
    QTest::addColumn<WindowId>("id");
    QTest::addColumn<double>("desktopPoints");
    for (const WindowId id : {WindowId::successione,    WindowId::titoloI,
                              WindowId::titoloII,       WindowId::titoloIII,
                              WindowId::titoloIV,       WindowId::titoloV,
                              WindowId::testamento,     WindowId::massime,
                              WindowId::sommario,       WindowId::guidasuccessione,
                              WindowId::guidanorme,     WindowId::guidatestamento,
                              WindowId::guidamassime,   WindowId::guidafunzionamento,
                              WindowId::manuale,        WindowId::dettaglio,
                              WindowId::guidadettaglio, WindowId::frmTip,
                              WindowId::informa,        WindowId::supportoclienti,
                              WindowId::grafico}) {
        QTest::addRow("%s", qPrintable(windowName(id))) << id << 0.0;
        QTest::addRow("%s, 16-point font", qPrintable(windowName(id))) << id << 16.0;
    }
}

void TestWindowFit::everyTextFits()
{
    QFETCH(WindowId, id);
    QFETCH(double, desktopPoints);
    const DesktopFont font(desktopPoints);
    QWidget* window = m_t->forms.show(id);
    if (!window)
        QSKIP("window not registered in this build");
    QVERIFY(QTest::qWaitForWindowExposed(window));
    if (id == WindowId::successione) {
        // The longest note and article list on view as well.
        auto* succession = window->findChild<QLineEdit*>(u"ascendenti"_s);
        QTest::keyClicks(succession, u"1"_s);
        QTest::keyClicks(window->findChild<QLineEdit*>(u"fratelli"_s), u"3"_s);
        auto* spouse = window->findChild<QComboBox*>(u"coniuge"_s);
        spouse->setEditText(u"no"_s);
        spouse->setEditText(u"no"_s);
        auto* type = window->findChild<QComboBox*>(u"successione"_s);
        type->setEditText(u"entrambe"_s);
        QVERIFY(window->findChild<QPlainTextEdit*>(u"nota"_s)->isVisible());
    }
    savePicture(window, id, desktopPoints > 0 ? u"16pt"_s : u"design"_s);
    const QSize screen = window->screen()->availableGeometry().size();
    QVERIFY2(window->width() <= screen.width() && window->height() <= screen.height(),
             qPrintable(u"%1x%2 on a screen of %3x%4"_s.arg(window->width())
                            .arg(window->height())
                            .arg(screen.width())
                            .arg(screen.height())));
    const QStringList found = misfits(window);
    QVERIFY2(found.isEmpty(), qPrintable(found.join(u"; "_s)));
}

void TestWindowFit::maximTopicsFitTheList()
{
    QWidget* window = m_t->forms.show(WindowId::massime);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto* list = window->findChild<QListWidget*>(u"List1"_s);
    QVERIFY(list->count() == 8);
    QVERIFY(!list->horizontalScrollBar()->isVisible());
    const QRect first = list->visualItemRect(list->item(1));
    QVERIFY(first.width() <= list->viewport()->width());
}

void TestWindowFit::willNotesShowWhole_data()
{
    QTest::addColumn<QString>("name");
    for (const QString& name :
         {u"tipo"_s, u"testatore"_s, u"luogo"_s, u"contenuto"_s, u"firma"_s, u"Text2"_s})
        QTest::newRow(qPrintable(name)) << name;
}

void TestWindowFit::willNotesShowWhole()
{
    QFETCH(QString, name);
    QWidget* window = m_t->forms.show(WindowId::testamento);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto* box = window->findChild<QPlainTextEdit*>(name);
    QVERIFY(box);
    QVERIFY2(!box->verticalScrollBar()->isVisible(), "a scroll bar on a note that fits");
    QVERIFY(!box->horizontalScrollBar()->isVisible());
    if (name != u"Text2"_s)
        QVERIFY2(box->toPlainText().endsWith(u'\n'), "the note keeps its final line break");
}

void TestWindowFit::windowsGrowWithALargeDesktopFont_data()
{
    QTest::addColumn<double>("desktopPoints");
    QTest::addColumn<double>("growth");
    QTest::newRow("Qt's default of 9 points") << 9.0 << 1.0;
    QTest::newRow("11 points") << 11.0 << 1.0;
    QTest::newRow("16 points") << 16.0 << 16.0 / 11;
}

void TestWindowFit::windowsGrowWithALargeDesktopFont()
{
    QFETCH(double, desktopPoints);
    QFETCH(double, growth);
    const DesktopFont font(desktopPoints);
    QWidget* window = m_t->forms.show(WindowId::successione);
    const QSize design(Twips::toPixels(WindowSetup::mainWindowTwips.width()),
                       Twips::toPixels(WindowSetup::mainWindowTwips.height()));
    QCOMPARE(window->size(), (QSizeF(design) * growth).toSize());
    const QLabel* label = window->findChild<QLabel*>(u"Label1"_s);
    QCOMPARE(label->font().pointSizeF(), Fonts::defaultPoints * growth);
    QCOMPARE(QGuiApplication::font().pointSizeF(), desktopPoints);
    m_t->forms.show(WindowId::informa);
    QCOMPARE(m_t->forms.loadedForm(WindowId::informa)->width(),
             qRound(Twips::toPixels(6960) * growth));
}

void TestWindowFit::mainWindowsKeepTheirDesignSizeAtLeast_data()
{
    QTest::addColumn<WindowId>("id");
    for (const WindowId id :
         {WindowId::successione, WindowId::titoloIII, WindowId::testamento, WindowId::massime})
        QTest::newRow(qPrintable(windowName(id))) << id;
}

void TestWindowFit::mainWindowsKeepTheirDesignSizeAtLeast()
{
    QFETCH(WindowId, id);
    QWidget* window = m_t->forms.show(id);
    const QSize design(Twips::toPixels(WindowSetup::mainWindowTwips.width()),
                       Twips::toPixels(WindowSetup::mainWindowTwips.height()));
    QCOMPARE(window->size(), design);
    window->resize(400, 300);
    QVERIFY(window->width() >= design.width());
    QVERIFY(window->height() >= design.height());
}

void TestWindowFit::smallWindowsOpenOverTheirOpener_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<WindowId>("id");
    QTest::addColumn<bool>("atTheEdge");
    QTest::newRow("tip") << 16 << WindowId::frmTip << false;
    QTest::newRow("support") << 17 << WindowId::supportoclienti << false;
    QTest::newRow("about") << 18 << WindowId::informa << false;
    QTest::newRow("about from the screen's corner") << 18 << WindowId::informa << true;
}

void TestWindowFit::smallWindowsOpenOverTheirOpener()
{
    QFETCH(int, button);
    QFETCH(WindowId, id);
    QFETCH(bool, atTheEdge);
    auto* opener = m_t->forms.show(WindowId::successione);
    const QRect available = opener->screen()->availableGeometry();
    opener->move(atTheEdge ? available.bottomRight() - QPoint(50, 50)
                           : available.topLeft() + QPoint(40, 60));
    opener->findChild<QAction*>(u"Toolbar1_%1"_s.arg(button))->trigger();
    QWidget* shown = m_t->forms.loadedForm(id);
    QVERIFY(shown && shown->isVisible());
    QVERIFY2(available.contains(shown->frameGeometry()),
             qPrintable(u"%1,%2 %3x%4 outside %5x%6"_s.arg(shown->frameGeometry().x())
                            .arg(shown->frameGeometry().y())
                            .arg(shown->frameGeometry().width())
                            .arg(shown->frameGeometry().height())
                            .arg(available.width())
                            .arg(available.height())));
    if (!atTheEdge) {
        const QPoint offset = shown->frameGeometry().center() - opener->frameGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 4,
                 qPrintable(u"%1,%2"_s.arg(offset.x()).arg(offset.y())));
    }
}

void TestWindowFit::missingTipsMessageFits()
{
    FrmTip tip(m_t->forms, u"/nonexistent/QuotaraSuggerimenti.TXT"_s);
    tip.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tip));
    bool shown = false;
    for (const QLabel* label : tip.findChildren<QLabel*>())
        shown = shown || label->text().contains(u"Inserire il file nella stessa directory"_s);
    QVERIFY(shown);
    const QStringList found = misfits(&tip);
    QVERIFY2(found.isEmpty(), qPrintable(found.join(u"; "_s)));
}

void TestWindowFit::findBarLeavesTheNormsWindowAsItWas()
{
    auto* window = qobject_cast<QMainWindow*>(m_t->forms.show(WindowId::titoloII));
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QSize area = window->centralWidget()->size();
    window->findChild<QAction*>(u"apritrova"_s)->trigger();
    auto* bar = window->findChild<QToolBar*>(u"barratrova"_s);
    QTRY_VERIFY(bar->isVisible());
    QTRY_COMPARE(window->centralWidget()->size(), area);
    QStringList found = misfits(window);
    QVERIFY2(found.isEmpty(), qPrintable(found.join(u"; "_s)));
    QTest::keyClick(window->findChild<QLineEdit*>(u"trova"_s), Qt::Key_Escape);
    QTRY_VERIFY(!bar->isVisible());
    QTRY_COMPARE(window->centralWidget()->size(), area);
}

void TestWindowFit::aboutNamesTheSystem()
{
    QWidget* about = m_t->forms.show(WindowId::informa);
    const QString platform = about->findChild<QLabel*>(u"Label5"_s)->text();
#if defined(Q_OS_LINUX)
    QCOMPARE(platform, u"per sistemi Linux a %1 bit"_s.arg(QSysInfo::WordSize));
#else
    QVERIFY(platform.startsWith(u"per sistemi "_s));
#endif
    QVERIFY(!platform.contains(u"Windows a 32"_s));
}

void TestWindowFit::exitQuestionRepeatsTheWarning()
{
    // A window manager may cut the title, the only warning about unsaved data.
    QWidget* window = m_t->forms.show(WindowId::successione);
    m_t->prompts.answerNext(false);
    window->findChild<QAction*>(u"Toolbar1_20"_s)->trigger();
    QCOMPARE(m_t->prompts.last().kind, FakePrompts::Kind::Ask);
    QCOMPARE(m_t->prompts.last().title, u"Attenzione: i dati non archiviati andranno persi !"_s);
    QVERIFY(m_t->prompts.last().text.startsWith(u"Vuoi uscire da Quotara?"_s));
    QVERIFY(m_t->prompts.last().text.contains(u"i dati non archiviati andranno persi"_s));
}

QTEST_MAIN(TestWindowFit)
#include "tst_windowfit.moc"

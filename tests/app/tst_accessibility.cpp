#include "allwindows.h"
#include "testforms.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QGroupBox>
#include <QTest>
#include <QWidget>

// Every window read as a screen reader reads it: each control a user can
// reach answers with a name that says what it is for.
class TestAccessibility : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyControlHasAName_data();
    void everyControlHasAName();
};

namespace {

bool isControl(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::List:
    case QAccessible::ScrollBar:
    case QAccessible::Slider:
    case QAccessible::SpinBox:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
        return true;
    default:
        return false;
    }
}

// The scroll bars of a text or list area belong to it; screen readers skip them.
bool isPartOfScrollArea(QObject* object)
{
    for (QObject* parent = object ? object->parent() : nullptr; parent; parent = parent->parent()) {
        if (qobject_cast<QAbstractScrollArea*>(parent))
            return true;
    }
    return false;
}

QString whatIsWrong(QAccessibleInterface* control)
{
    const QString name = control->text(QAccessible::Name).trimmed();
    if (name.isEmpty())
        return QStringLiteral("no name");
    if (!std::any_of(name.cbegin(), name.cend(), [](QChar c) { return c.isLetter(); }))
        return QStringLiteral("a name without words: ") + name;
    if (control->role() == QAccessible::ComboBox &&
        name == control->text(QAccessible::Value).trimmed())
        return QStringLiteral("named by its value: ") + name;
    auto* widget = qobject_cast<QWidget*>(control->object());
    if (auto* group = widget ? qobject_cast<QGroupBox*>(widget->parentWidget()) : nullptr;
        group && name == group->title())
        return QStringLiteral("named by its frame: ") + name;
    return QString();
}

void collectFaults(QAccessibleInterface* node, QStringList& faults)
{
    if (!node)
        return;
    if (isControl(node->role()) &&
        !(node->role() == QAccessible::ScrollBar && isPartOfScrollArea(node->object()))) {
        const QString fault = whatIsWrong(node);
        if (!fault.isEmpty())
            faults.append(QString::fromLatin1(node->object()->metaObject()->className()) + u' ' +
                          node->object()->objectName() + QStringLiteral(": ") + fault);
    }
    for (int i = 0; i < node->childCount(); ++i)
        collectFaults(node->child(i), faults);
}

} // namespace

void TestAccessibility::everyControlHasAName_data()
{
    QTest::addColumn<WindowId>("id");
    for (WindowId id :
         {WindowId::frmSplash,        WindowId::successione, WindowId::titoloI,
          WindowId::titoloII,         WindowId::titoloIII,   WindowId::titoloIV,
          WindowId::titoloV,          WindowId::testamento,  WindowId::massime,
          WindowId::sommario,         WindowId::manuale,     WindowId::guidafunzionamento,
          WindowId::guidasuccessione, WindowId::guidanorme,  WindowId::guidatestamento,
          WindowId::guidamassime,     WindowId::frmTip,      WindowId::catalogo,
          WindowId::supportoclienti,  WindowId::informa})
        QTest::newRow(qPrintable(windowName(id))) << id;
}

void TestAccessibility::everyControlHasAName()
{
    QFETCH(WindowId, id);
    TestForms t;
    registerAllWindows(t.forms);
    QWidget* window = t.forms.show(id);
    QVERIFY(window);
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window);
    QVERIFY(root);
    QVERIFY(!root->text(QAccessible::Name).isEmpty());
    QStringList faults;
    collectFaults(root, faults);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("\n"))));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"

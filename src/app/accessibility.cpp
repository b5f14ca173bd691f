#include "accessibility.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace {

class AccessibleComboBox : public QAccessibleWidget
{
public:
    explicit AccessibleComboBox(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        const auto* box = static_cast<const QComboBox*>(widget());
        switch (t) {
        case QAccessible::Name: {
            const QString name = QAccessibleWidget::text(t);
            return name.isEmpty() ? box->currentText() : name;
        }
        case QAccessible::Value:
            return box->currentText();
        default:
            return QAccessibleWidget::text(t);
        }
    }
};

QAccessibleInterface* comboBoxFactory(const QString& className, QObject* object)
{
    if (className != u"QComboBox")
        return nullptr;
    auto* box = qobject_cast<QComboBox*>(object);
    // Qt's accessibility cache owns the interfaces factories make.
    return box ? new AccessibleComboBox(box) : nullptr;
}

} // namespace

namespace Accessibility {

void install()
{
    QAccessible::installFactory(comboBoxFactory);
}

void nameChildren(const QWidget& window, std::initializer_list<SpokenName> names)
{
    for (const SpokenName& entry : names) {
        auto* control = window.findChild<QWidget*>(entry.objectName.toString());
        if (!control)
            continue;
        control->setAccessibleName(entry.name.toString());
        // The text field of an editable list speaks for the list when it has the focus.
        if (auto* box = qobject_cast<QComboBox*>(control); box && box->lineEdit())
            box->lineEdit()->setAccessibleName(entry.name.toString());
    }
}

} // namespace Accessibility

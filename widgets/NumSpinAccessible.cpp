#include "widgets/NumSpin.h"
#include "controls/AccessibleFactory.h"

#include <QAccessibleWidget>

namespace quindle {

namespace {

// A spin box with a value; the two halves of the button are its increase
// and decrease actions, so the button is no child of its own.
class TNumSpinEditAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit TNumSpinEditAccessible(TNumSpinEdit* edit) : QAccessibleWidget(edit, QAccessible::SpinBox) {}

    TNumSpinEdit* Edit() const { return static_cast<TNumSpinEdit*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return Edit()->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        const bool editable = Edit()->EditorEnabled() && !Edit()->isReadOnly();
        s.editable = editable;
        s.readOnly = !editable;
        return s;
    }

    QStringList actionNames() const override
    {
        return QStringList{increaseAction(), decreaseAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override
    {
        if (name == increaseAction())
            Edit()->StepUp();
        else if (name == decreaseAction())
            Edit()->StepDown();
        else
            QAccessibleWidget::doAction(name);
    }

    QStringList keyBindingsForAction(const QString& name) const override
    {
        if (name == increaseAction())
            return {QKeySequence(Qt::Key_Up).toString()};
        if (name == decreaseAction())
            return {QKeySequence(Qt::Key_Down).toString()};
        return QAccessibleWidget::keyBindingsForAction(name);
    }

    QVariant currentValue() const override { return Edit()->Value(); }
    void setCurrentValue(const QVariant& value) override { Edit()->setValue(value.toDouble()); }
    QVariant maximumValue() const override { return Edit()->MaxValue(); }
    QVariant minimumValue() const override { return Edit()->MinValue(); }
    QVariant minimumStepSize() const override { return Edit()->Increment(); }
};

} // namespace

void InstallNumSpinAccessibility()
{
    InstallAccessibleView<TNumSpinEdit, TNumSpinEditAccessible>();
}

} // namespace quindle

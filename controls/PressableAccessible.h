#pragma once

// The assistive-technology view the game's buttons share.

#include <QAccessibleWidget>

namespace quindle {

// A button as assistive technology sees it: one press action while it is
// enabled. The press returns to the caller at once and the click runs from
// the event loop afterwards, since a click may open a modal dialog and the
// caller must not wait for it to close.
class TPressableAccessible : public QAccessibleWidget {
public:
    explicit TPressableAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Button) {}

    QStringList actionNames() const override
    {
        if (!widget()->isEnabled())
            return {};
        return {pressAction()};
    }

    void doAction(const QString& name) override
    {
        if (name == pressAction())
            QueueClick();
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

protected:
    // Queues the widget's click on the event loop.
    virtual void QueueClick() = 0;
};

} // namespace quindle

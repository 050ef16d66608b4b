// The oval button as assistive technology sees it: a push button named by
// its caption, with a press action that clicks it once the caller has
// had its answer.
#include "widgets/OvalBtn.h"
#include "platform/SpokenText.h"

#include <QAccessibleWidget>

namespace {

class TOvalButtonAccessible : public QAccessibleWidget {
public:
    explicit TOvalButtonAccessible(TOvalButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

    TOvalButton* button() const { return static_cast<TOvalButton*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return quindle::SpokenText(button()->Caption());
        case QAccessible::Description:
            return button()->Hint();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = false;
        if (button()->GroupIndex() != 0) {
            s.checkable = true;
            s.checked = button()->Down();
        } else {
            s.pressed = button()->Down();
        }
        return s;
    }

    QStringList actionNames() const override
    {
        if (!button()->isEnabled())
            return {};
        return {pressAction()};
    }

    void doAction(const QString& name) override
    {
        // The click may open a modal dialog; the caller must not wait for
        // it to close, so it runs from the event loop after we return.
        if (name == pressAction())
            QMetaObject::invokeMethod(button(), &TOvalButton::Click, Qt::QueuedConnection);
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

QAccessibleInterface* OvalButtonFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("TOvalButton") && object && object->isWidgetType())
        return new TOvalButtonAccessible(static_cast<TOvalButton*>(object));
    return nullptr;
}

} // namespace

void InstallOvalButtonAccessibility()
{
    static const bool installed = (QAccessible::installFactory(OvalButtonFactory), true);
    (void)installed;
}

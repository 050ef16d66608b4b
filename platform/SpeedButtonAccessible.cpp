// The tool button as assistive technology sees it: a push button named by
// its accessible name or else its caption (never a surrounding group box's
// title), pressed from the event loop once the caller has its answer.
#include "platform/SpeedButton.h"
#include "platform/SpokenText.h"

#include <QAccessibleWidget>

namespace {

class TSpeedButtonAccessible : public QAccessibleWidget {
public:
    explicit TSpeedButtonAccessible(TSpeedButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

    TSpeedButton* Button() const { return static_cast<TSpeedButton*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && Button()->accessibleName().isEmpty())
            return quindle::SpokenText(Button()->text());
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.pressed = Button()->isDown();
        return s;
    }

    QStringList actionNames() const override
    {
        if (!Button()->isEnabled())
            return {};
        return {pressAction()};
    }

    void doAction(const QString& name) override
    {
        // A click may open a modal dialog; the caller must not wait for it.
        if (name == pressAction())
            QMetaObject::invokeMethod(Button(), &QAbstractButton::click, Qt::QueuedConnection);
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

QAccessibleInterface* SpeedButtonFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("TSpeedButton") && object && object->isWidgetType())
        return new TSpeedButtonAccessible(static_cast<TSpeedButton*>(object));
    return nullptr;
}

} // namespace

void InstallSpeedButtonAccessibility()
{
    static const bool installed = (QAccessible::installFactory(SpeedButtonFactory), true);
    (void)installed;
}

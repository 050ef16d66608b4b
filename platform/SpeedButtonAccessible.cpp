// The tool button as assistive technology sees it: a push button named by
// its accessible name or else its caption (never a surrounding group box's
// title), pressed like any other button.
#include "platform/SpeedButton.h"
#include "platform/PressableAccessible.h"
#include "platform/SpokenText.h"

namespace {

class TSpeedButtonAccessible : public TPressableAccessible {
public:
    explicit TSpeedButtonAccessible(TSpeedButton* button) : TPressableAccessible(button) {}

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

protected:
    void QueueClick() override { QMetaObject::invokeMethod(Button(), &QAbstractButton::click, Qt::QueuedConnection); }
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

// The tool button as assistive technology sees it: a push button named by
// its accessible name or else its caption (never a surrounding group box's
// title), pressed like any other button.
#include "controls/SpeedButton.h"
#include "controls/AccessibleFactory.h"
#include "controls/PressableAccessible.h"
#include "paint/AccelText.h"

namespace quindle {

namespace {

class TSpeedButtonAccessible : public TPressableAccessible {
public:
    explicit TSpeedButtonAccessible(TSpeedButton* button) : TPressableAccessible(button) {}

    TSpeedButton* Button() const { return static_cast<TSpeedButton*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && Button()->accessibleName().isEmpty())
            return StripAccels(Button()->text());
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

} // namespace

void InstallSpeedButtonAccessibility()
{
    InstallAccessibleView<TSpeedButton, TSpeedButtonAccessible>();
}

} // namespace quindle

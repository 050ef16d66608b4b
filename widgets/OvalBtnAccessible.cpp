// The oval button as assistive technology sees it: a push button named by
// its caption, pressed like any other button.
#include "widgets/OvalBtn.h"
#include "controls/AccessibleFactory.h"
#include "controls/PressableAccessible.h"
#include "paint/AccelText.h"

namespace quindle {

namespace {

class TOvalButtonAccessible : public TPressableAccessible {
public:
    explicit TOvalButtonAccessible(TOvalButton* button) : TPressableAccessible(button) {}

    TOvalButton* button() const { return static_cast<TOvalButton*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return StripAccels(button()->Caption());
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

protected:
    void QueueClick() override { QMetaObject::invokeMethod(button(), &TOvalButton::Click, Qt::QueuedConnection); }
};

} // namespace

void InstallOvalButtonAccessibility()
{
    InstallAccessibleView<TOvalButton, TOvalButtonAccessible>();
}

} // namespace quindle

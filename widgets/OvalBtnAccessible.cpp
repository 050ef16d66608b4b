// The oval button as assistive technology sees it: a push button named by
// its caption, with a press action that clicks it.
#include "widgets/OvalBtn.h"

#include <QAccessibleWidget>

namespace {

// The caption as read out: each "&" marks the next character and is not
// spoken, so "&&" reads as one "&".
QString SpokenCaption(const QString& caption)
{
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (++i >= caption.size())
                break;
        }
        out += caption[i];
    }
    return out;
}

class TOvalButtonAccessible : public QAccessibleWidget {
public:
    explicit TOvalButtonAccessible(TOvalButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

    TOvalButton* button() const { return static_cast<TOvalButton*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return SpokenCaption(button()->Caption());
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
        if (name == pressAction())
            button()->Click();
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

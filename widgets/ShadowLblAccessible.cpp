#include "widgets/ShadowLbl.h"

#include <QAccessibleWidget>

namespace {

// Read out as static text: the caption as it is shown.
class TShadowLabelAccessible : public QAccessibleWidget {
public:
    explicit TShadowLabelAccessible(TCustomShadowLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            auto* label = static_cast<TCustomShadowLabel*>(widget());
            return label->PlainCaption();
        }
        if (t == QAccessible::Description)
            return static_cast<TCustomShadowLabel*>(widget())->Hint();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* ShadowLabelFactory(const QString&, QObject* object)
{
    if (auto* label = qobject_cast<TCustomShadowLabel*>(object))
        return new TShadowLabelAccessible(label);
    return nullptr;
}

} // namespace

namespace quindle {

void InstallShadowLabelAccessibility()
{
    static bool installed = false;
    if (!installed) {
        installed = true;
        QAccessible::installFactory(ShadowLabelFactory);
    }
}

} // namespace quindle

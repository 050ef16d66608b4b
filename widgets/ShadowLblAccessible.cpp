#include "widgets/ShadowLbl.h"
#include "controls/AccessibleFactory.h"

#include <QAccessibleWidget>

#include <algorithm>

namespace quindle {

namespace {

// Read out as a label: the caption as it is shown, both as its name and
// as read-only text, so a tool that follows text changes can speak it.
class TShadowLabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit TShadowLabelAccessible(TCustomShadowLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    TCustomShadowLabel* Label() const { return static_cast<TCustomShadowLabel*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return Label()->PlainCaption();
        if (t == QAccessible::Description)
            return Label()->Hint();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }

    // Read-only text with no caret and no selection.
    QString text(int startOffset, int endOffset) const override
    {
        const QString all = Label()->PlainCaption();
        startOffset = std::clamp(startOffset, 0, int(all.size()));
        endOffset = std::clamp(endOffset, startOffset, int(all.size()));
        return all.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(Label()->PlainCaption().size()); }
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return {};
    }
};

} // namespace

void InstallShadowLabelAccessibility()
{
    InstallAccessibleView<TCustomShadowLabel, TShadowLabelAccessible>();
}

} // namespace quindle

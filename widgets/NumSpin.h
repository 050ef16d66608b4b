#pragma once

// Numeric spin edit: a line edit holding a number, with a step button beside
// it. Value is clamped by the bounds already set, so .ui files store it after
// MinValue and MaxValue.
//
// Keys: OnKeyDown is emitted first for every key press the field gets, and
// its slots run before the field acts on the key (connect directly, never
// queued: the key is passed by reference). A slot may change the key; 0
// swallows it. Up and Down (as the slots left them) then step the value.
// The field keeps every other key to itself, except Return, Enter, Escape
// and Tab, which go on to the parent widgets as dialog keys.

#include "widgets/NumSpinButton.h"

#include <QLineEdit>

#include <cstdint>

namespace quindle {

class TNumSpinEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(int Decimal READ Decimal WRITE setDecimal)
    Q_PROPERTY(bool EditorEnabled READ EditorEnabled WRITE setEditorEnabled)
    Q_PROPERTY(double MaxValue READ MaxValue WRITE setMaxValue)
    Q_PROPERTY(double MinValue READ MinValue WRITE setMinValue)
    Q_PROPERTY(double Value READ Value WRITE setValue NOTIFY OnChange)
    Q_PROPERTY(double Increment READ Increment WRITE setIncrement)
    Q_PROPERTY(bool ArrowKeys READ ArrowKeys WRITE setArrowKeys)
    Q_PROPERTY(bool AutoSelect READ AutoSelect WRITE setAutoSelect)
    Q_PROPERTY(bool ReadOnly READ isReadOnly WRITE setReadOnly)
    Q_PROPERTY(TAlignment Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(TValueType ValueType READ ValueType WRITE setValueType)
public:
    enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
    Q_ENUM(TAlignment)
    enum TValueType : std::uint8_t { vtInteger, vtFloat };
    Q_ENUM(TValueType)

    explicit TNumSpinEdit(QWidget* parent = nullptr);

    // The text read as a number; text that does not parse reads as MinValue.
    double Value() const;
    // Writes ClampValue(x) as text: whole numbers rounded half to even, or
    // Decimal digits after the separator.
    void setValue(double x);
    // Value truncated toward zero, not clamped.
    std::int32_t IntValue() const;
    // x brought into MinValue..MaxValue; no range while they are equal.
    double ClampValue(double x) const;

    int Decimal() const { return FDecimal; }
    void setDecimal(int digits);
    bool EditorEnabled() const { return FEditorEnabled; }
    void setEditorEnabled(bool on) { FEditorEnabled = on; }
    // The bounds do not clamp the current text again.
    double MaxValue() const { return FMaxValue; }
    void setMaxValue(double v) { FMaxValue = v; }
    double MinValue() const { return FMinValue; }
    void setMinValue(double v) { FMinValue = v; }
    double Increment() const { return FIncrement; }
    void setIncrement(double v) { FIncrement = v; }
    bool ArrowKeys() const { return FArrowKeys; }
    void setArrowKeys(bool on);
    bool AutoSelect() const { return FAutoSelect; }
    void setAutoSelect(bool on) { FAutoSelect = on; }
    TAlignment Alignment() const { return FAlignment; }
    void setAlignment(TAlignment alignment);
    using QLineEdit::setAlignment;
    TValueType ValueType() const { return FValueType; }
    void setValueType(TValueType type);

    virtual bool AcceptsChar(QChar c) const;

    // Layout of the button and the text; run on every resize.
    int MinimumHeight() const;
    int ButtonAreaWidth() const;
    void PlaceButton();
    void SetTextArea();
    // The native field's client area (inside the frame), in widget pixels.
    QRect ClientRect() const;

    QWidget* ButtonHost() const { return FButtonHost; }
    TNumSpinButton* SpinButton() const { return FSpinButton; }

public slots:
    virtual void StepUp();
    virtual void StepDown();
    // Cut and paste, carried out only while the text may be edited.
    void Cut();
    void Paste();

signals:
    // After every change of the text, once per step.
    void OnChange();
    void OnTopClick();
    void OnBottomClick();
    void OnKeyDown(int& key, Qt::KeyboardModifiers shift);
    // A key, character or step the field would not take; whoever owns the
    // field sounds the alert.
    void OnRefused();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildButton();
    void Step(double delta);
    bool CanCutPaste() const { return FEditorEnabled && !isReadOnly(); }
    void Refuse();
    void TextChanged();
    void NotifyChange();

    TAlignment FAlignment = taLeftJustify;
    double FMinValue = 0;
    double FMaxValue = 0;
    double FIncrement = 1;
    std::uint8_t FDecimal = 2;
    bool FStepping = false;
    bool FEditorEnabled = true;
    TValueType FValueType = vtInteger;
    TNumSpinButton* FSpinButton = nullptr;
    QWidget* FButtonHost = nullptr;
    bool FArrowKeys = true;
    bool FAutoSelect = true;
    // Focus came with a mouse press that has not been delivered yet.
    bool FClickFocus = false;
};

// Registers the assistive-technology view of the spin edit (once).
void InstallNumSpinAccessibility();

} // namespace quindle

#pragma once

// Numeric spin edit: a line edit holding a number, with a square step button
// split by its diagonal into an upper-left "up" and a lower-right "down" half.
//
// In a .ui layout (uic calls set<Name>() in the stored order, so store
// Decimal, EditorEnabled, MaxValue, MinValue, then Value, which is clamped
// by the bounds already set):
//
//   <widget class="TNumSpinEdit" name="NumSpinEdit1">
//    <property name="geometry"><rect><x>357</x><y>180</y><width>39</width><height>21</height></rect></property>
//    <property name="Decimal"><number>0</number></property>
//    <property name="EditorEnabled"><bool>false</bool></property>
//    <property name="MaxValue"><double>14.000000000000000</double></property>
//    <property name="MinValue"><double>1.000000000000000</double></property>
//    <property name="Value"><double>1.000000000000000</double></property>
//    <property name="visible"><bool>false</bool></property>
//   </widget>
//
//   Numbers may also be written <number>14</number>; Increment is a number
//   too; ArrowKeys, AutoSelect, ReadOnly and EditorEnabled are <bool>.
//   Enums take the bare value: <property name="Alignment"><enum>taRightJustify</enum></property>,
//   <property name="ValueType"><enum>vtFloat</enum></property>.
//   Tab order goes in <tabstops>. The key-down event is a <connection> with
//   <signal>OnKeyDown(int&amp;,Qt::KeyboardModifiers)</signal> to a slot of
//   the same arguments declared in the form's <slots>.
//   <customwidget><class>TNumSpinEdit</class><extends>QLineEdit</extends>
//    <header>widgets/NumSpin.h</header></customwidget>
//
// Keys: OnKeyDown is emitted first for every key press the field gets, and
// its slots run before the field acts on the key (connect directly, never
// queued: the key is passed by reference). A slot may change the key; 0
// swallows it. Up and Down (as the slots left them) then step the value.
// The field keeps every other key to itself, except Return, Enter, Escape
// and Tab, which go on to the parent widgets as dialog keys.

#include "platform/GraphicControl.h"

#include <QImage>
#include <QLineEdit>
#include <QPointer>

#include <cstdint>

class QTimer;

enum class TSpinHalf : std::uint8_t { None, Top, Bottom };

// The step button: windowless, one bitmap per pressed state.
class TNumSpinButton : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(QImage UpGlyph READ UpGlyph WRITE setUpGlyph)
    Q_PROPERTY(QImage DownGlyph READ DownGlyph WRITE setDownGlyph)
    Q_PROPERTY(QWidget* FocusControl READ FocusControl WRITE setFocusControl)
public:
    explicit TNumSpinButton(QWidget* parent = nullptr);

    // A null image restores the built-in arrow.
    QImage UpGlyph() const { return FUpGlyph; }
    void setUpGlyph(const QImage& glyph);
    QImage DownGlyph() const { return FDownGlyph; }
    void setDownGlyph(const QImage& glyph);

    // Takes the keyboard focus when the button is pressed.
    QWidget* FocusControl() const { return FFocusControl; }
    void setFocusControl(QWidget* control) { FFocusControl = control; }

    // The half a point of the button belongs to.
    TSpinHalf HalfAt(const QPoint& p) const;
    TSpinHalf PressedHalf() const { return FPressedHalf; }
    bool Tracking() const { return FTracking; }
    // The look with the given half pressed (None: at rest), at the device
    // pixel ratio being painted.
    const QImage& StateImage(TSpinHalf half);
    // Created by the first press; runs only while the press holds the pointer.
    QTimer* AutoRepeat() const { return FAutoRepeat; }

signals:
    void OnTopClick();
    void OnBottomClick();

protected:
    void Paint() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RenderState(QImage& image, TSpinHalf half, qreal ratio) const;
    void RenderAllStates(qreal ratio);
    void InvalidateImages();
    void DrawNow();
    void Track(const QPoint& p);
    void Click(TSpinHalf half);
    void DoTopClick();
    void DoBottomClick();
    void RepeatTick();
    void BeginCapture();
    void EndCapture();

    TSpinHalf FPressedHalf = TSpinHalf::None;
    QImage FUpGlyph;
    QImage FDownGlyph;
    bool FTracking = false;
    bool FImagesStale = false;
    QImage FTopPressedImage;
    QImage FBottomPressedImage;
    QTimer* FAutoRepeat = nullptr;
    QImage FNormalImage;
    TSpinHalf FPressStartHalf = TSpinHalf::None;
    QPointer<QWidget> FFocusControl;
    // The left button went down on the button and has not come up, and
    // nothing (a modal window, a deactivation) has taken the pointer since.
    bool FCaptured = false;
    // The repeat timer was stopped only because the capture ended.
    bool FRepeatParked = false;
    QPointer<QWidget> FCaptureWindow;
};

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
    void RebuildButton();
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

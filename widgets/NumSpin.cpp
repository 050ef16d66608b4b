#include "widgets/NumSpin.h"

#include "widgets/RoundEven.h"
#include "controls/Keys.h"
#include "controls/StoreChanged.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QLocale>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionFrame>

#include <cmath>
#include <limits>

namespace quindle {

namespace {

// QLineEdit keeps this much room between its text margins and the line it
// draws; the native field draws right up to its text rectangle.
constexpr int kLineMarginX = 2;
constexpr int kLineMarginTop = 1;

// Saturating, so that huge or undefined numbers still give some text.
qint64 ToInt64(double x)
{
    if (std::isnan(x))
        return 0;
    constexpr double limit = 9223372036854774784.0;  // largest double below 2^63
    if (x >= limit)
        return std::numeric_limits<qint64>::max();
    if (x <= -limit)
        return std::numeric_limits<qint64>::min();
    return static_cast<qint64>(x);
}

} // namespace

TNumSpinEdit::TNumSpinEdit(QWidget* parent) : QLineEdit(parent)
{
    InstallNumSpinAccessibility();
    setText(QStringLiteral("0"));
    QLineEdit::setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The native field takes no drops; a drop would be an unchecked paste.
    setAcceptDrops(false);
    connect(this, &QLineEdit::textChanged, this, &TNumSpinEdit::TextChanged);
    BuildButton();
    PlaceButton();
    SetTextArea();
}

void TNumSpinEdit::BuildButton()
{
    FButtonHost = new QWidget(this);
    FButtonHost->setObjectName(QStringLiteral("ButtonHost"));
    FButtonHost->setCursor(Qt::ArrowCursor);  // not the field's text cursor
    FButtonHost->setGeometry(0, 0, height(), height());
    FSpinButton = new TNumSpinButton(FButtonHost);
    FSpinButton->setFocusControl(this);
    FSpinButton->setGeometry(FButtonHost->rect());
    FSpinButton->installEventFilter(this);
    connect(FSpinButton, &TNumSpinButton::OnTopClick, this, &TNumSpinEdit::StepUp);
    connect(FSpinButton, &TNumSpinButton::OnBottomClick, this, &TNumSpinEdit::StepDown);
}

double TNumSpinEdit::Value() const
{
    const QString s = text().trimmed();
    bool ok = false;
    if (FValueType == vtFloat) {
        QLocale loc;
        loc.setNumberOptions(QLocale::RejectGroupSeparator);
        const double v = loc.toDouble(s, &ok);
        return ok ? v : FMinValue;
    }
    const qint64 v = s.toLongLong(&ok, 10);
    return ok ? double(v) : std::trunc(FMinValue);
}

double TNumSpinEdit::ClampValue(double x) const
{
    if (FMaxValue == FMinValue)
        return x;
    if (x < FMinValue)
        return FMinValue;
    if (x <= FMaxValue)
        return x;
    return FMaxValue;
}

void TNumSpinEdit::setValue(double x)
{
    const double v = ClampValue(x);
    QString s;
    if (FValueType == vtInteger) {
        s = QString::number(ToInt64(RoundEven(v)));
    } else {
        QLocale loc;
        loc.setNumberOptions(QLocale::OmitGroupSeparator);
        const double shown = QString::number(v, 'g', 15).toDouble();  // 15 significant digits
        s = std::abs(shown) < 1e15 ? loc.toString(shown, 'f', FDecimal) : loc.toString(shown, 'E', 14);
    }
    // Writing the same text again would drop the selection.
    if (s != text())
        setText(s);
}

std::int32_t TNumSpinEdit::IntValue() const
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(ToInt64(std::trunc(Value()))));
}

void TNumSpinEdit::setDecimal(int digits)
{
    if (StoreChanged(FDecimal, static_cast<std::uint8_t>(std::clamp(digits, 0, 255))))
        setValue(Value());
}

void TNumSpinEdit::setArrowKeys(bool on)
{
    FArrowKeys = on;
    PlaceButton();
}

void TNumSpinEdit::setAlignment(TAlignment alignment)
{
    if (!StoreChanged(FAlignment, alignment))
        return;
    const Qt::Alignment h = alignment == taRightJustify ? Qt::AlignRight
        : alignment == taCenter                        ? Qt::AlignHCenter
                                                       : Qt::AlignLeft;
    QLineEdit::setAlignment(h | Qt::AlignTop);
}

void TNumSpinEdit::setValueType(TValueType type)
{
    if (!StoreChanged(FValueType, type))
        return;
    setValue(Value());
    if (type == vtInteger) {
        FIncrement = RoundEven(FIncrement);
        if (FIncrement == 0)
            FIncrement = 1;
    }
}

bool TNumSpinEdit::AcceptsChar(QChar c) const
{
    const char16_t u = c.unicode();
    bool ok = u == '+' || u == '-' || (u >= '0' && u <= '9') || u < 32;
    if (FValueType == vtFloat) {
        const QString sep = QLocale().decimalPoint();
        if (QString(c) == sep && !text().contains(sep))
            ok = true;
        if ((u == 'e' || u == 'E') && !text().contains(QLatin1Char('E'), Qt::CaseInsensitive))
            ok = true;
    }
    if (!FEditorEnabled && (u >= 32 || u == 8))
        ok = false;
    return ok;
}

void TNumSpinEdit::Step(double delta)
{
    const QString before = text();
    {
        const QScopedValueRollback stepping(FStepping, true);  // reset even when a text slot throws
        setValue(Value() + delta);
    }
    if (text().compare(before, Qt::CaseInsensitive) != 0) {
        setModified(true);
        NotifyChange();
    }
}

void TNumSpinEdit::StepUp()
{
    if (isReadOnly()) {
        Refuse();
        return;
    }
    Step(FIncrement);
    emit OnTopClick();
}

void TNumSpinEdit::StepDown()
{
    if (isReadOnly()) {
        Refuse();
        return;
    }
    Step(-FIncrement);
    emit OnBottomClick();
}

void TNumSpinEdit::Cut()
{
    if (CanCutPaste())
        cut();
}

void TNumSpinEdit::Paste()
{
    if (CanCutPaste())
        paste();
}

void TNumSpinEdit::Refuse() { emit OnRefused(); }

void TNumSpinEdit::TextChanged()
{
    if (!FStepping)
        NotifyChange();
}

void TNumSpinEdit::NotifyChange()
{
    emit OnChange();
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent ev(this, Value());
        QAccessible::updateAccessibility(&ev);
    }
}

void TNumSpinEdit::keyPressEvent(QKeyEvent* event)
{
    const int read = LetterKey(*event);
    int key = read;
    emit OnKeyDown(key, event->modifiers());
    if (key == 0) {
        event->accept();
        return;
    }
    if (FArrowKeys && (key == Qt::Key_Up || key == Qt::Key_Down)) {
        key == Qt::Key_Up ? StepUp() : StepDown();
        event->accept();
        return;
    }
    QKeyEvent changed(event->type(), key, event->modifiers(), QString(), event->isAutoRepeat(), event->count());
    QKeyEvent& e = key == read ? *event : changed;
    const auto mods = CommandModifiers(e.modifiers());
    event->accept();  // keys stay here unless they are dialog keys
    if (mods == Qt::AltModifier || (mods & Qt::MetaModifier))
        return;  // menu keys, not typing
    if (e.matches(QKeySequence::Cut)) {
        Cut();
        return;
    }
    if (e.matches(QKeySequence::Paste)) {
        Paste();
        return;
    }
    const QChar typed = TypedChar(e);
    if (!typed.isNull()) {
        bool accepted = AcceptsChar(typed);
        if (typed.unicode() >= 32)
            for (QChar c : e.text())
                accepted = accepted && AcceptsChar(c);
        if (!accepted) {
            Refuse();
            return;
        }
        // The native field does nothing with the other control characters.
        if (mods == Qt::ControlModifier && !e.matches(QKeySequence::Copy) && !e.matches(QKeySequence::SelectAll)
            && !e.matches(QKeySequence::Undo) && !e.matches(QKeySequence::Redo))
            return;
    }
    QLineEdit::keyPressEvent(&e);
    if (IsDialogKey(key))
        event->setAccepted(e.isAccepted());
    else
        event->accept();
}

void TNumSpinEdit::inputMethodEvent(QInputMethodEvent* event)
{
    for (QChar c : event->commitString()) {
        if (!AcceptsChar(c)) {
            Refuse();
            QInputMethodEvent kept(event->preeditString(), event->attributes());
            QLineEdit::inputMethodEvent(&kept);
            return;
        }
    }
    QLineEdit::inputMethodEvent(event);
}

void TNumSpinEdit::focusInEvent(QFocusEvent* event)
{
    const Qt::FocusReason reason = event->reason();
    // Window activation and closing popups give the focus back; they are
    // not an entry into the field.
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
        if (reason == Qt::MouseFocusReason)
            FClickFocus = true;  // the press decides: on the text it places the caret
        else if (FAutoSelect)
            selectAll();
    }
    // The base would select all on Tab by itself; AutoSelect decides that.
    const bool tab = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason
        || reason == Qt::ShortcutFocusReason;
    QFocusEvent plain(event->type(), tab ? Qt::OtherFocusReason : reason);
    QLineEdit::focusInEvent(&plain);
}

void TNumSpinEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    FClickFocus = false;
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    const double v = Value();
    if (ClampValue(v) != v)
        setValue(v);
}

bool TNumSpinEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FSpinButton && event->type() == QEvent::MouseButtonPress && FClickFocus) {
        // The press that brought the focus lands on the button, not the text.
        FClickFocus = false;
        if (FAutoSelect)
            selectAll();
    }
    return QLineEdit::eventFilter(watched, event);
}

void TNumSpinEdit::mousePressEvent(QMouseEvent* event)
{
    if (FClickFocus) {
        FClickFocus = false;
        if (FAutoSelect && event->button() != Qt::LeftButton)
            selectAll();
    }
    QLineEdit::mousePressEvent(event);
}

void TNumSpinEdit::mouseReleaseEvent(QMouseEvent* event)
{
    // The middle button pastes the selection on X11.
    if (event->button() == Qt::MiddleButton && !CanCutPaste()) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TNumSpinEdit::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    // The menu calls cut() and paste() directly; send them through the
    // checked versions instead.
    const QString cutText = QLineEdit::tr("Cu&t"), pasteText = QLineEdit::tr("&Paste");
    for (QAction* action : menu->actions()) {
        const QString label = action->text().section(QLatin1Char('\t'), 0, 0);
        if (label != cutText && label != pasteText)
            continue;
        disconnect(action, &QAction::triggered, nullptr, nullptr);
        connect(action, &QAction::triggered, this, label == cutText ? &TNumSpinEdit::Cut : &TNumSpinEdit::Paste);
        if (!CanCutPaste())
            action->setEnabled(false);
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

int TNumSpinEdit::MinimumHeight() const
{
    constexpr int borderHeight = 1;
    return fontMetrics().height() + 4 * borderHeight + 1;
}

int TNumSpinEdit::ButtonAreaWidth() const { return FSpinButton->width(); }

QRect TNumSpinEdit::ClientRect() const
{
    // The Windows style's 2-pixel sunken frame: the contents rectangle is
    // what the native field calls its client area.
    QStyleOptionFrame opt;
    initStyleOption(&opt);
    return style()->subElementRect(QStyle::SE_LineEditContents, &opt, this);
}

void TNumSpinEdit::PlaceButton()
{
    const QRect client = ClientRect();
    const int W = width(), H = height();
    QRect r;  // in client coordinates
    if (hasFrame())
        r = isRightToLeft() ? QRect(-1, -1, H - 3, H - 3) : QRect(W - H - 1, -1, H - 3, H - 3);
    else
        r = isRightToLeft() ? QRect(0, 0, H, H) : QRect(W - H, 0, H, H);
    r.translate(client.topLeft());
    FButtonHost->setGeometry(r);
    // A native child window is clipped to its parent's client area.
    FButtonHost->setMask(QRegion(client.translated(-r.topLeft())).intersected(QRect(QPoint(), r.size())));
    FSpinButton->setGeometry(QRect(QPoint(), r.size()));
}

void TNumSpinEdit::SetTextArea()
{
    const QRect client = ClientRect();
    const int cw = client.width();
    // The text rectangle in client coordinates; it may reach below the
    // client area, which clips it anyway.
    int left = 0, right = cw - ButtonAreaWidth() - 2;
    if (isRightToLeft()) {
        left = ButtonAreaWidth() + 1;
        right = cw - 1;
    }
    setTextMargins(left - kLineMarginX, -kLineMarginTop, cw - right - kLineMarginX, 0);
}

void TNumSpinEdit::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    if (height() < MinimumHeight()) {
        resize(width(), MinimumHeight());
        return;
    }
    PlaceButton();
    SetTextArea();
}

void TNumSpinEdit::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::LayoutDirectionChange:
        PlaceButton();
        SetTextArea();
        break;
    default:
        break;
    }
}

} // namespace quindle

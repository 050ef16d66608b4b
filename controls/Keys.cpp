#include "controls/Keys.h"

#include <QKeyEvent>
// The keymap's other layouts are Qt's to read: its shortcut lookup asks the
// platform for them, on X11 and Wayland alike.
#include <QtGui/private/qkeymapper_p.h>

#include <string_view>

namespace quindle {

namespace {
bool IsLetter(int key) { return key >= Qt::Key_A && key <= Qt::Key_Z; }

// The letters of a US keyboard by the keycodes of X11 and Wayland (the
// kernel's key codes plus 8), for a keymap with no Latin layout at all.
int UsLetterAt(quint32 keycode)
{
    static constexpr struct {
        quint32 first;
        std::string_view letters;
    } rows[] = {{24, "QWERTYUIOP"}, {38, "ASDFGHJKL"}, {52, "ZXCVBNM"}};
    for (const auto& row : rows)
        if (keycode >= row.first && keycode - row.first < row.letters.size())
            return Qt::Key_A + (row.letters[keycode - row.first] - 'A');
    return 0;
}
}

int LetterKey(const QKeyEvent& e)
{
    const int key = e.key();
    if (IsLetter(key))
        return key;
    for (int combined : QKeyMapper::possibleKeys(const_cast<QKeyEvent*>(&e)))
        if (const int other = combined & ~int(Qt::KeyboardModifierMask); IsLetter(other))
            return other;
    const int us = UsLetterAt(e.nativeScanCode());
    return us ? us : key;
}

Qt::KeyboardModifiers CommandModifiers(Qt::KeyboardModifiers modifiers)
{
    return modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
}

bool IsPlainKey(Qt::KeyboardModifiers modifiers) { return !CommandModifiers(modifiers); }

bool IsCloseShortcut(int key, Qt::KeyboardModifiers modifiers)
{
    return key == Qt::Key_F4 && (modifiers & (Qt::AltModifier | Qt::ControlModifier)) == Qt::AltModifier;
}

bool IsDialogKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape || key == Qt::Key_Tab
        || key == Qt::Key_Backtab;
}

QChar TypedChar(const QKeyEvent& e)
{
    const auto mods = CommandModifiers(e.modifiers());
    const int key = LetterKey(e);
    if (key == Qt::Key_Backspace)
        return QChar(mods & Qt::ControlModifier ? 127 : 8);
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return QChar(13);
    if (key == Qt::Key_Escape)
        return QChar(27);
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return QChar(9);
    if (mods == Qt::ControlModifier)
        return key >= Qt::Key_A && key <= Qt::Key_Z ? QChar(key - Qt::Key_A + 1) : QChar();
    const QString t = e.text();
    if (t.isEmpty() || t.at(0).unicode() < 32 || t.at(0).unicode() == 127)
        return {};
    return t.at(0);
}

} // namespace quindle

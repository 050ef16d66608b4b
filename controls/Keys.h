#pragma once

// How the game reads a key press: plain keys, the close shortcut, the keys
// a field leaves to its dialog, and what a key types on the classic desktop
// the controls copy.

#include <QChar>
#include <Qt>

class QKeyEvent;

namespace quindle {

// Ctrl, Alt and Meta: the modifiers that make a key a command.
Qt::KeyboardModifiers CommandModifiers(Qt::KeyboardModifiers modifiers);

// No Ctrl, Alt or Meta; Shift and the keypad leave a key plain.
bool IsPlainKey(Qt::KeyboardModifiers modifiers);

// Alt+F4, the keyboard's close request, where no window manager takes it
// first.
bool IsCloseShortcut(int key, Qt::KeyboardModifiers modifiers);

// Return, Enter, Escape and the Tab keys: a field passes them on to its dialog.
bool IsDialogKey(int key);

// The key as the game reads it. A letter key is Qt::Key_A to Qt::Key_Z on
// any layout: the Latin letter the active layout gives it; failing that, the
// one another layout of the keymap gives the same key, as shortcuts find it;
// failing that, the letter at its place on a US keyboard. Any other key is
// its own key().
int LetterKey(const QKeyEvent& e);

// The character a key types, or none. Ctrl with a letter types a control
// character; Alt with a key types nothing.
QChar TypedChar(const QKeyEvent& e);

} // namespace quindle

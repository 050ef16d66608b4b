#pragma once

// How a key press reads as typing on the classic desktop the controls copy.

#include <QChar>

class QKeyEvent;

namespace quindle {

// Return, Enter, Escape and the Tab keys: a field passes them on to its dialog.
bool IsDialogKey(int key);

// The character a key types, or none. Ctrl with a letter types a control
// character; Alt with a key types nothing.
QChar TypedChar(const QKeyEvent& e);

} // namespace quindle

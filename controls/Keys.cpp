#include "controls/Keys.h"

#include <QKeyEvent>

namespace quindle {

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
    const int key = e.key();
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

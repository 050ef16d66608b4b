#include "controls/KeyText.h"

#include <QKeyEvent>

namespace quindle {

bool IsDialogKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape || key == Qt::Key_Tab
        || key == Qt::Key_Backtab;
}

QChar TypedChar(const QKeyEvent& e)
{
    const auto mods = e.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
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

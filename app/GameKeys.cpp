#include "app/GameKeys.h"

namespace quindle {

namespace {
bool Plain(Qt::KeyboardModifiers modifiers)
{
    return !(modifiers & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier));
}
}

bool OnBoard(TCell cell) { return cell.row >= 1 && cell.row <= 4 && cell.column >= 1 && cell.column <= 4; }

bool IsStartKey(int key, Qt::KeyboardModifiers modifiers) { return key == Qt::Key_F2 && Plain(modifiers); }

std::optional<TCell> SlideSource(int key, Qt::KeyboardModifiers modifiers, TCell blank)
{
    if (!Plain(modifiers))
        return std::nullopt;
    switch (key) {
    case Qt::Key_Left: return TCell{blank.row, blank.column + 1};
    case Qt::Key_Right: return TCell{blank.row, blank.column - 1};
    case Qt::Key_Up: return TCell{blank.row + 1, blank.column};
    case Qt::Key_Down: return TCell{blank.row - 1, blank.column};
    default: return std::nullopt;
    }
}

} // namespace quindle

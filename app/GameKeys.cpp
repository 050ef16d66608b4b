#include "app/GameKeys.h"

#include "controls/Keys.h"

namespace quindle {

bool IsStartKey(int key, Qt::KeyboardModifiers modifiers) { return key == Qt::Key_F2 && IsPlainKey(modifiers); }

std::optional<TCell> SlideSource(int key, Qt::KeyboardModifiers modifiers, TCell blank)
{
    if (!IsPlainKey(modifiers))
        return std::nullopt;
    switch (key) {
    case Qt::Key_Left: return TCell{blank.Row, blank.Column + 1};
    case Qt::Key_Right: return TCell{blank.Row, blank.Column - 1};
    case Qt::Key_Up: return TCell{blank.Row + 1, blank.Column};
    case Qt::Key_Down: return TCell{blank.Row - 1, blank.Column};
    default: return std::nullopt;
    }
}

} // namespace quindle

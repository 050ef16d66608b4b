#pragma once

#include "core/Cell.h"

#include <Qt>

#include <optional>

// The main window's playing keys, chosen among those the layouts leave
// free: they act only without Alt and Ctrl, so the access code keeps Alt.
namespace quindle {

// F2 does what Start does.
bool IsStartKey(int key, Qt::KeyboardModifiers modifiers);

// The cell whose tile an arrow key slides into the blank: the tile moves
// the way the arrow points, so Left takes the tile right of the blank. At
// an edge the cell lies off the board. Empty for any other key.
std::optional<TCell> SlideSource(int key, Qt::KeyboardModifiers modifiers, TCell blank);

} // namespace quindle

#pragma once

// The common shape of a property setter: store, and act only on a change.

#include <utility>

namespace quindle {

// Puts VALUE into FIELD; true when that changed it.
template <typename T, typename U>
bool StoreChanged(T& field, U&& value)
{
    if (field == value)
        return false;
    field = std::forward<U>(value);
    return true;
}

} // namespace quindle

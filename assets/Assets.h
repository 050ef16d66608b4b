#pragma once

namespace quindle {
// Registers the compiled-in pictures; safe to call more than once.
void InitAssets();
}

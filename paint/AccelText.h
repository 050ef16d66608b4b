#pragma once

// Captions with "&" accelerator prefixes, as shown and as read out.

#include <QString>

#include <vector>

namespace quindle {

// The caption without its prefixes: each "&" marks the next character and is
// not shown, so "&&" is one "&"; a trailing "&" marks nothing and is dropped.
// UNDERLINED, when given, receives the positions (in the result) of the
// characters a single "&" marks.
QString StripAccels(const QString& caption, std::vector<int>* underlined = nullptr);

} // namespace quindle

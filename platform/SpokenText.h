#pragma once

#include <QString>

namespace quindle {

// A caption as read out: each "&" marks the next character and is not
// spoken, so "&&" reads as one "&".
QString SpokenText(const QString& caption);

} // namespace quindle

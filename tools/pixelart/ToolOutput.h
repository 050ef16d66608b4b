#pragma once

#include <QString>

#include <string>

class QImage;

namespace quindle::gen {

// Ends the tool: "<tool>: <why>" on standard error, exit status 1.
[[noreturn]] void Die(const char* tool, const std::string& why);
// Writes the picture in the given format and prints its path, or dies.
void SaveOrDie(const char* tool, const QImage& img, const QString& path, const char* format);

} // namespace quindle::gen

#pragma once

#include <functional>
#include <string>
#include <vector>

namespace quindle::gen {

// A picture drawn in text, one character a pixel, rows top to bottom.
using PixelMap = std::vector<std::string>;

// The tiny digits on the tiles of the banner and the icon: 5 pixels high,
// '#' ink on '.' paper, 3 pixels wide except the 2-pixel 1.
constexpr int kDigitHeight = 5;
const PixelMap& DigitMap(char digit);

// Width of n written with one blank column between its digits.
int NumberWidth(int n);
// Calls plot(x, y) for every ink pixel of n written from (left, top).
void PlotNumber(int n, int left, int top, const std::function<void(int x, int y)>& plot);

} // namespace quindle::gen

#include "tools/pixelart/DigitFont.h"

#include <map>
#include <stdexcept>

namespace quindle::gen {

namespace {

// clang-format off
const std::map<char, PixelMap> kDigits = {
    {'0', {"###", "#.#", "#.#", "#.#", "###"}},
    {'1', {".#", "##", ".#", ".#", ".#"}},
    {'2', {"###", "..#", "###", "#..", "###"}},
    {'3', {"###", "..#", ".##", "..#", "###"}},
    {'4', {"#.#", "#.#", "###", "..#", "..#"}},
    {'5', {"###", "#..", "###", "..#", "###"}},
    {'6', {"###", "#..", "###", "#.#", "###"}},
    {'7', {"###", "..#", "..#", ".#.", ".#."}},
    {'8', {"###", "#.#", "###", "#.#", "###"}},
    {'9', {"###", "#.#", "###", "..#", "###"}},
};
// clang-format on

} // namespace

const PixelMap& DigitMap(char digit)
{
    const auto found = kDigits.find(digit);
    if (found == kDigits.end())
        throw std::out_of_range(std::string("no pixel digit for '") + digit + "'");
    return found->second;
}

int NumberWidth(int n)
{
    int width = -1;
    for (char d : std::to_string(n))
        width += int(DigitMap(d)[0].size()) + 1;
    return width;
}

void PlotNumber(int n, int left, int top, const std::function<void(int x, int y)>& plot)
{
    int x = left;
    for (char d : std::to_string(n)) {
        const PixelMap& glyph = DigitMap(d);
        for (int row = 0; row < kDigitHeight; ++row) {
            for (int col = 0; col < int(glyph[row].size()); ++col) {
                if (glyph[row][col] == '#')
                    plot(x + col, top + row);
            }
        }
        x += int(glyph[0].size()) + 1;
    }
}

} // namespace quindle::gen

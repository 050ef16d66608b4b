// Writes the spin button's two arrow glyphs, assets/numspinup.bmp and
// assets/numspindown.bmp: 6 x 6 one-bit bitmaps stored as program
// resources store them, a 40-byte header, the black/white palette and the
// rows bottom-up, 4 bytes each, with no file header in front.
//
//   genspinglyphs <assets dir>
#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Picture = std::array<const char*, 6>;  // top row first; '#' is black

// Arrow pointing up: row 1 columns 3-4, row 2 columns 2-5, row 3 columns 1-6,
// rows 4 to 6 columns 3-4.
constexpr Picture kUp = {"..##..", ".####.", "######", "..##..", "..##..", "..##.."};
// Arrow pointing down: rows 1 to 3 columns 3-4, row 4 columns 1-6, row 5
// columns 2-5, row 6 columns 3-4.
constexpr Picture kDown = {"..##..", "..##..", "..##..", "######", ".####.", "..##.."};

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void Put16(std::vector<std::uint8_t>& out, std::uint16_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

std::vector<std::uint8_t> Bitmap(const Picture& picture)
{
    std::vector<std::uint8_t> out;
    Put32(out, 40);  // header size
    Put32(out, 6);   // width
    Put32(out, 6);   // height, positive: bottom row first
    Put16(out, 1);   // planes
    Put16(out, 1);   // bits per pixel
    Put32(out, 0);   // no compression
    Put32(out, 24);  // bytes of pixels
    Put32(out, 0);   // pixels per metre, x and y
    Put32(out, 0);
    Put32(out, 0);   // colours used: all two
    Put32(out, 0);   // important colours
    Put32(out, 0x00000000);  // index 0 black
    Put32(out, 0x00FFFFFF);  // index 1 white
    for (int row = 5; row >= 0; --row) {
        std::uint8_t bits = 0;
        for (int col = 0; col < 6; ++col)
            if (picture[row][col] != '#')
                bits |= static_cast<std::uint8_t>(0x80 >> col);  // white, index 1
        Put32(out, bits);  // the first byte holds the pixels; padding is zero
    }
    return out;
}

bool Write(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream f(path, std::ios::binary);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(f);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <assets dir>\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    if (!Write(dir + "/numspinup.bmp", Bitmap(kUp)) || !Write(dir + "/numspindown.bmp", Bitmap(kDown))) {
        std::fprintf(stderr, "%s: cannot write to %s\n", argv[0], dir.c_str());
        return 1;
    }
    return 0;
}

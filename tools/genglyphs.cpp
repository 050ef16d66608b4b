// Writes the button glyphs (16-colour BMP files on a silver background) and
// the application icon from the pixel maps below, one character a pixel.
//
//   genglyphs <assets dir>    writes <dir>/glyphs/*.bmp and <dir>/quindle.png
//
// The output is committed; run this again only after changing a map.
#include "tools/pixelart/DigitFont.h"
#include "tools/pixelart/ToolOutput.h"

#include <QDir>
#include <QImage>
#include <QString>

#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Map = quindle::gen::PixelMap;

struct PaletteEntry {
    char key;
    QRgb rgb;
};

// The sixteen colours of the classic palette.
const PaletteEntry kPalette[] = {
    {'k', qRgb(0, 0, 0)},       {'m', qRgb(128, 0, 0)},     {'e', qRgb(0, 128, 0)},
    {'o', qRgb(128, 128, 0)},   {'n', qRgb(0, 0, 128)},     {'p', qRgb(128, 0, 128)},
    {'t', qRgb(0, 128, 128)},   {'g', qRgb(128, 128, 128)}, {'.', qRgb(192, 192, 192)},
    {'r', qRgb(255, 0, 0)},     {'l', qRgb(0, 255, 0)},     {'y', qRgb(255, 255, 0)},
    {'b', qRgb(0, 0, 255)},     {'f', qRgb(255, 0, 255)},   {'c', qRgb(0, 255, 255)},
    {'w', qRgb(255, 255, 255)},
};

// clang-format off
// A starburst outline.
const Map kStart = {
    ".......kk.......",
    ".......kk.......",
    "..g...k..k...g..",
    "...g..k..k..g...",
    "....g.k..k.g....",
    ".....k....k.....",
    "..kkk......kkk..",
    "kk............kk",
    "kk............kk",
    "..kkk......kkk..",
    ".....k....k.....",
    "....g.k..k.g....",
    "...g..k..k..g...",
    "..g...k..k...g..",
    ".......kk.......",
    ".......kk.......",
};

// An open door; olive is the see-through colour of its button, so it is
// not used here.
const Map kExit = {
    ".k..............",
    ".kkk............",
    ".krmkk..........",
    ".krmmmkkkkkkkkk.",
    ".krmmmkyyyyyyyk.",
    ".krmmmkyyyyyyyk.",
    ".krmmmkyyyyyyyk.",
    ".krmmmkyyyyyyyk.",
    ".kymmmkyyyyyyyk.",
    ".krmmmkyyyyyyyk.",
    ".krmmmkyyyyyyyk.",
    ".krmmmkyyyyyyyk.",
    ".krmmmkyyyyyyyk.",
    ".krmmkkkkkkkkkk.",
    ".kkkk...........",
    ".k..............",
};

// An arrow pointing down; Back shows it upside down.
const Map kGames = {
    "................",
    ".....kkkkkk.....",
    ".....kttttk.....",
    ".....kttttk.....",
    ".....kttttk.....",
    ".....kttttk.....",
    ".....kttttk.....",
    ".....kttttk.....",
    ".kkkkkttttkkkkk.",
    "..kttttttttttk..",
    "...kttttttttk...",
    "....kttttttk....",
    ".....kttttk.....",
    "......kttk......",
    ".......kk.......",
    "................",
};

// A check mark; purple is the see-through colour of its buttons.
const Map kOk = {
    "................",
    "................",
    "............kk..",
    "...........kllk.",
    "..........klllk.",
    ".........klllk..",
    "..kk....klllk...",
    ".kllk..klllk....",
    ".klllkklllk.....",
    "..klllllllk.....",
    "...kllllllk.....",
    "....kllllk......",
    ".....kllk.......",
    "......kk........",
    "................",
    "................",
};

// A cross.
const Map kCancel = {
    "................",
    "................",
    "..kkk......kkk..",
    "..krrk....krrk..",
    "..krrrk..krrrk..",
    "...krrrkkrrrk...",
    "....krrrrrrk....",
    ".....krrrrk.....",
    ".....krrrrk.....",
    "....krrrrrrk....",
    "...krrrkkrrrk...",
    "..krrrk..krrrk..",
    "..krrk....krrk..",
    "..kkk......kkk..",
    "................",
    "................",
};

// One tile of the icon: white lit edge, black and grey shaded edge.
const Map kTile = {
    "wwwwwwwwwk",
    "w.......gk",
    "w.......gk",
    "w.......gk",
    "w.......gk",
    "w.......gk",
    "w.......gk",
    "w.......gk",
    "wggggggggk",
    "kkkkkkkkkk",
};
// clang-format on

[[noreturn]] void die(const std::string& why)
{
    quindle::gen::Die("genglyphs", why);
}

QRgb colourOf(char key)
{
    for (const PaletteEntry& p : kPalette) {
        if (p.key == key)
            return p.rgb;
    }
    die(std::string("unknown colour key '") + key + "'");
}

int indexOf(char key)
{
    for (int i = 0; i < int(std::size(kPalette)); ++i) {
        if (kPalette[i].key == key)
            return i;
    }
    die(std::string("unknown colour key '") + key + "'");
}

void checkSize(const Map& m, int w, int h, const char* name)
{
    if (int(m.size()) != h)
        die(std::string(name) + ": wrong number of rows");
    for (const std::string& row : m) {
        if (int(row.size()) != w)
            die(std::string(name) + ": row of wrong width: " + row);
    }
}

void checkAvoids(const Map& m, char key, const char* name)
{
    for (const std::string& row : m) {
        if (row.find(key) != std::string::npos)
            die(std::string(name) + ": uses its button's see-through colour");
    }
}

Map flipVertical(Map m) { return Map(m.rbegin(), m.rend()); }

// The classic disabled look: every dark pixel becomes grey, with a white
// copy one pixel down and right behind it; light details drop out.
Map disabled(const Map& m)
{
    const int h = int(m.size());
    const int w = int(m[0].size());
    auto dark = [&](int x, int y) {
        const char key = m[y][x];
        return key != '.' && qGray(colourOf(key)) < 160;
    };
    Map out(h, std::string(w, '.'));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (dark(x, y) && x + 1 < w && y + 1 < h)
                out[y + 1][x + 1] = 'w';
        }
    }
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (dark(x, y))
                out[y][x] = 'g';
        }
    }
    return out;
}

Map sideBySide(const Map& a, const Map& b)
{
    Map out = a;
    for (size_t y = 0; y < out.size(); ++y)
        out[y] += b[y];
    return out;
}

// A 16-colour picture; Qt writes an 8-bit image of at most 16 colours as a
// 4-bit BMP.
QImage toImage(const Map& m)
{
    QImage img(int(m[0].size()), int(m.size()), QImage::Format_Indexed8);
    QList<QRgb> table;
    for (const PaletteEntry& p : kPalette)
        table.append(p.rgb);
    img.setColorTable(table);
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, uint(indexOf(m[y][x])));
    }
    return img;
}

// The icon: a little 4 by 4 board of numbered tiles in a raised frame, the
// bottom-right cell blank.
Map icon()
{
    constexpr int size = 48;
    constexpr int well = 4;
    Map out(size, std::string(size, '.'));
    for (int i = 0; i < size; ++i) {
        out[0][i] = out[i][0] = 'w';
        out[size - 1][i] = out[i][size - 1] = 'k';
        if (i >= 1 && i < size - 1)
            out[size - 2][i] = out[i][size - 2] = 'g';
    }
    for (int i = well - 1; i <= size - well; ++i) {
        out[well - 1][i] = out[i][well - 1] = 'g';
        out[size - well][i] = out[i][size - well] = 'w';
    }
    for (int y = well; y < size - well; ++y) {
        for (int x = well; x < size - well; ++x)
            out[y][x] = 't';
    }
    for (int n = 1; n <= 15; ++n) {
        const int left = well + 10 * ((n - 1) % 4);
        const int top = well + 10 * ((n - 1) / 4);
        for (int y = 0; y < 10; ++y)
            out[top + y].replace(left, 10, kTile[y]);
        // Digits in navy.
        const int x = left + 1 + (7 - quindle::gen::NumberWidth(n)) / 2;
        quindle::gen::PlotNumber(n, x, top + 2, [&out](int px, int py) { out[py][px] = 'n'; });
    }
    return out;
}

void save(const QImage& img, const QString& path, const char* format)
{
    quindle::gen::SaveOrDie("genglyphs", img, path, format);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: genglyphs <assets dir>\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("glyphs")))
        die("cannot create the glyphs folder");

    checkSize(kStart, 16, 16, "start");
    checkSize(kExit, 16, 16, "exit");
    checkSize(kGames, 16, 16, "games");
    checkSize(kOk, 16, 16, "ok");
    checkSize(kCancel, 16, 16, "cancel");
    checkSize(kTile, 10, 10, "tile");

    const Map exit = sideBySide(kExit, disabled(kExit));
    const Map ok = sideBySide(kOk, disabled(kOk));
    checkAvoids(exit, 'o', "exit");
    checkAvoids(ok, 'p', "ok");

    const auto glyph = [&](const char* name) {
        return dir.filePath(QStringLiteral("glyphs/%1.bmp").arg(QLatin1String(name)));
    };
    save(toImage(kStart), glyph("start"), "BMP");
    save(toImage(exit), glyph("exit"), "BMP");
    save(toImage(kGames), glyph("games"), "BMP");
    save(toImage(flipVertical(kGames)), glyph("back"), "BMP");
    save(toImage(ok), glyph("ok"), "BMP");
    save(toImage(kCancel), glyph("cancel"), "BMP");
    save(toImage(icon()).convertToFormat(QImage::Format_RGB32), dir.filePath(QStringLiteral("quindle.png")), "PNG");
    return 0;
}

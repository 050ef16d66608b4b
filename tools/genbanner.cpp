// Draws the credits banner, the game's name in chunky bevelled letters over
// a row of puzzle tiles, and writes it as a JPEG with libjpeg.
//
//   genbanner <file.jpg>
//
// The letters and digits come from block maps, not from a font, so the
// picture is the same on every machine. The output is committed.
#include "tools/pixelart/DigitFont.h"
#include "tools/pixelart/ToolOutput.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

using quindle::gen::PixelMap;

constexpr int kWidth = 192;
constexpr int kHeight = 86;

// clang-format off
// The title's letters, one cell a character; 7 cells high, the Q's tail
// below them.
const std::vector<PixelMap> kTitle = {
    {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###.", "...##"},  // Q
    {"....", "....", "#..#", "#..#", "#..#", "#..#", ".###"},         // u
    {"#", ".", "#", "#", "#", "#", "#"},                               // i
    {"....", "....", "###.", "#..#", "#..#", "#..#", "#..#"},         // n
    {"...#", "...#", ".###", "#..#", "#..#", "#..#", ".###"},         // d
    {"#", "#", "#", "#", "#", "#", "#"},                               // l
    {"....", "....", ".##.", "#..#", "####", "#...", ".###"},         // e
};

// clang-format on

constexpr int kCell = 6;
constexpr int kDepth = 4;

QPainterPath titlePath(int left, int top)
{
    QPainterPath path;
    int x = left;
    for (const PixelMap& letter : kTitle) {
        for (int row = 0; row < int(letter.size()); ++row) {
            for (int col = 0; col < int(letter[row].size()); ++col) {
                if (letter[row][col] == '#')
                    path.addRect(x + col * kCell, top + row * kCell, kCell, kCell);
            }
        }
        x += (int(letter[0].size()) + 1) * kCell;
    }
    return path.simplified();
}

int titleWidth()
{
    int cells = -1;
    for (const PixelMap& letter : kTitle)
        cells += int(letter[0].size()) + 1;
    return cells * kCell;
}

void bevel(QPainter& p, const QRect& r, const QColor& light, const QColor& dark)
{
    p.fillRect(r.left(), r.top(), r.width(), 1, light);
    p.fillRect(r.left(), r.top(), 1, r.height(), light);
    p.fillRect(r.left(), r.bottom(), r.width(), 1, dark);
    p.fillRect(r.right(), r.top(), 1, r.height(), dark);
}

void drawBackground(QPainter& p)
{
    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0.0, QColor(0, 0, 96));
    sky.setColorAt(0.62, QColor(0, 64, 160));
    sky.setColorAt(1.0, QColor(0, 128, 128));
    p.fillRect(0, 0, kWidth, kHeight, sky);

    // A faint grid of raised squares behind the title: the board's tiles.
    for (int y = 2; y < kHeight; y += 12) {
        for (int x = 2; x < kWidth; x += 12)
            bevel(p, QRect(x, y, 11, 11), QColor(255, 255, 255, 28), QColor(0, 0, 0, 40));
    }
}

void drawTitle(QPainter& p)
{
    const int left = (kWidth - titleWidth() - kDepth) / 2;
    const QPainterPath face = titlePath(left, 7);
    const QPen outline(QColor(0, 0, 0), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);

    // Soft shadow on the background, then the extruded sides, deepest first.
    p.fillPath(face.translated(kDepth + 3, kDepth + 3), QColor(0, 0, 0, 90));
    for (int d = kDepth; d >= 1; --d) {
        const int shade = 70 + 20 * (kDepth - d);
        p.fillPath(face.translated(d, d), QColor(shade + 40, shade / 2, 0));
    }
    p.strokePath(face.translated(kDepth, kDepth), outline);

    QLinearGradient gold(0, 7, 0, 7 + 7 * kCell);
    gold.setColorAt(0.0, QColor(255, 250, 150));
    gold.setColorAt(0.45, QColor(255, 214, 0));
    gold.setColorAt(1.0, QColor(240, 120, 0));
    p.fillPath(face, gold);

    // The bevel: a lit rim on the top and left edges, a dark one opposite.
    const QPainterPath lit = face.subtracted(face.translated(2, 2));
    const QPainterPath shaded = face.subtracted(face.translated(-2, -2));
    p.fillPath(lit, QColor(255, 255, 230, 200));
    p.fillPath(shaded, QColor(150, 60, 0, 170));
    p.strokePath(face, outline);
}

void drawTile(QPainter& p, int x, int y, int size, int n)
{
    const QRect r(x, y, size, size);
    p.fillRect(r, QColor(192, 192, 192));
    bevel(p, r, QColor(255, 255, 255), QColor(0, 0, 0));
    p.fillRect(x + 1, y + size - 2, size - 2, 1, QColor(128, 128, 128));
    p.fillRect(x + size - 2, y + 1, 1, size - 2, QColor(128, 128, 128));

    const int left = x + (size - 1 - quindle::gen::NumberWidth(n)) / 2;
    const int top = y + (size - 1 - quindle::gen::kDigitHeight) / 2;
    quindle::gen::PlotNumber(n, left, top, [&p](int px, int py) { p.fillRect(px, py, 1, 1, QColor(0, 0, 128)); });
}

// A strip of tiles 1 to 15 and the blank, sunk into the picture.
void drawTiles(QPainter& p)
{
    constexpr int size = 11;
    constexpr int count = 16;
    const int left = (kWidth - count * size) / 2;
    const int top = 65;
    const QRect well(left - 1, top - 1, count * size + 2, size + 2);
    p.fillRect(well, QColor(0, 128, 128));
    bevel(p, well, QColor(0, 0, 0), QColor(255, 255, 255));
    for (int i = 0; i < count - 1; ++i)
        drawTile(p, left + i * size, top, size, i + 1);
}

QImage draw()
{
    QImage img(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&img);
    drawBackground(p);
    p.setRenderHint(QPainter::Antialiasing, true);
    drawTitle(p);
    p.setRenderHint(QPainter::Antialiasing, false);
    drawTiles(p);
    bevel(p, img.rect(), QColor(255, 255, 255), QColor(0, 0, 0));
    bevel(p, img.rect().adjusted(1, 1, -1, -1), QColor(192, 192, 192), QColor(128, 128, 128));
    p.end();
    return img;
}

// Baseline, full-resolution colour, no timestamps: the same bytes every run.
bool writeJpeg(const QImage& picture, const char* path)
{
    const QImage img = picture.convertToFormat(QImage::Format_RGB888);
    FILE* out = std::fopen(path, "wb");
    if (!out)
        return false;
    jpeg_compress_struct info;
    jpeg_error_mgr err;
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, out);
    info.image_width = JDIMENSION(img.width());
    info.image_height = JDIMENSION(img.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 92, TRUE);
    info.optimize_coding = TRUE;
    // No chroma subsampling: the thin outlines keep their colour.
    info.comp_info[0].h_samp_factor = 1;
    info.comp_info[0].v_samp_factor = 1;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(img.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(out) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: genbanner <file.jpg>\n");
        return 2;
    }
    if (!writeJpeg(draw(), argv[1]))
        quindle::gen::Die("genbanner", std::string("cannot write ") + argv[1]);
    std::printf("%s\n", argv[1]);
    return 0;
}

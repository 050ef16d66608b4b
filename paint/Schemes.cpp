#include "paint/Schemes.h"

#include "paint/Look.h"

#include <QApplication>
#include <QFont>

#include <algorithm>
#include <cmath>

namespace quindle {

namespace {

struct TSchemeColors {
    QColor face, light, midlight, mid, dark, shadow, base, text, disabledText, highlight, highlightedText, tipBase;
};

TSchemeColors ColorsOf(TScheme scheme)
{
    switch (scheme) {
    case TScheme::Dark:
        return {{64, 64, 64},    {112, 112, 112}, {88, 88, 88},    {52, 52, 52},  {32, 32, 32},
                {0, 0, 0},       {40, 40, 40},    {232, 232, 232}, {150, 150, 150}, {58, 96, 170},
                {255, 255, 255}, {48, 48, 48}};
    case TScheme::HighContrast:
        return {{0, 0, 0},       {255, 255, 255}, {160, 160, 160}, {128, 128, 128}, {192, 192, 192},
                {255, 255, 255}, {0, 0, 0},       {255, 255, 255}, {0, 255, 0},     {255, 255, 0},
                {0, 0, 0},       {0, 0, 0}};
    case TScheme::Classic: break;
    }
    return {{192, 192, 192}, {255, 255, 255}, {223, 223, 223}, {160, 160, 160}, {128, 128, 128},
            {0, 0, 0},       {255, 255, 255}, {0, 0, 0},       {128, 128, 128}, {0, 0, 128},
            {255, 255, 255}, {255, 255, 225}};
}

double Channel(int value)
{
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

QPalette SchemePalette(TScheme scheme)
{
    const TSchemeColors c = ColorsOf(scheme);
    QPalette pal;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Window, c.face);
        pal.setColor(group, QPalette::Button, c.face);
        pal.setColor(group, QPalette::Light, c.light);
        pal.setColor(group, QPalette::Midlight, c.midlight);
        pal.setColor(group, QPalette::Mid, c.mid);
        pal.setColor(group, QPalette::Dark, c.dark);
        pal.setColor(group, QPalette::Shadow, c.shadow);
        pal.setColor(group, QPalette::Base, c.base);
        pal.setColor(group, QPalette::AlternateBase, c.face);
        pal.setColor(group, QPalette::WindowText, c.text);
        pal.setColor(group, QPalette::Text, c.text);
        pal.setColor(group, QPalette::ButtonText, c.text);
        pal.setColor(group, QPalette::BrightText, c.light);
        pal.setColor(group, QPalette::Highlight, c.highlight);
        pal.setColor(group, QPalette::HighlightedText, c.highlightedText);
        pal.setColor(group, QPalette::ToolTipBase, c.tipBase);
        pal.setColor(group, QPalette::ToolTipText, c.text);
        pal.setColor(group, QPalette::PlaceholderText, c.disabledText);
    }
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        pal.setColor(QPalette::Disabled, role, c.disabledText);
    pal.setColor(QPalette::Disabled, QPalette::Base, c.face);
    return pal;
}

TScheme SchemeOf(const QPalette& palette)
{
    for (TScheme scheme : {TScheme::Dark, TScheme::HighContrast}) {
        const TSchemeColors c = ColorsOf(scheme);
        if (palette.color(QPalette::Active, QPalette::Highlight) == c.highlight
            && palette.color(QPalette::Active, QPalette::Dark) == c.dark)
            return scheme;
    }
    return TScheme::Classic;
}

void ApplyScheme(TScheme scheme) { QApplication::setPalette(SchemePalette(scheme)); }

double RelativeLuminance(const QColor& c)
{
    return 0.2126 * Channel(c.red()) + 0.7152 * Channel(c.green()) + 0.0722 * Channel(c.blue());
}

double ContrastRatio(const QColor& a, const QColor& b)
{
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool IsLargeText(const QFont& font)
{
    const int px = PixelHeight(font);
    return px >= 24 || (font.bold() && px >= 19);
}

double NeededContrast(bool largeText, TScheme scheme)
{
    // A player who asked for high contrast gets the enhanced level, large
    // text included.
    if (scheme == TScheme::HighContrast)
        return 7.0;
    return largeText ? 3.0 : 4.5;
}

QColor ReadableOn(const QColor& fixed, const QColor& background, bool largeText, TScheme scheme)
{
    const double needed = NeededContrast(largeText, scheme);
    if (scheme == TScheme::Classic || ContrastRatio(fixed, background) >= needed)
        return fixed;
    // Towards white in small steps, keeping the hue: the first mix that
    // stands out is the one nearest the layout's colour.
    const QColor white(255, 255, 255);
    for (int step = 1; step <= 64; ++step) {
        const double t = step / 64.0;
        const QColor mixed(qRound(fixed.red() + (255 - fixed.red()) * t), qRound(fixed.green() + (255 - fixed.green()) * t),
                           qRound(fixed.blue() + (255 - fixed.blue()) * t));
        if (ContrastRatio(mixed, background) >= needed)
            return mixed;
    }
    return white;
}

TColor ReadableOn(TColor fixed, TColor background, const QFont& font, const QPalette& palette)
{
    const TScheme scheme = SchemeOf(palette);
    if (IsSystemColor(fixed) || scheme == TScheme::Classic)
        return fixed;
    return QColorToColor(ReadableOn(ColorToQColor(fixed, palette), ColorToQColor(background, palette),
                                    IsLargeText(font), scheme));
}

QColor Ink(const QColor& c, const QPalette& palette)
{
    const TScheme scheme = SchemeOf(palette);
    if (scheme == TScheme::Classic || c != QColor(0, 0, 0))
        return c;
    return ColorsOf(scheme).text;
}

QImage InkedGlyph(const QImage& glyph, const QPalette& palette, const QColor& face, QRgb key)
{
    const TScheme scheme = SchemeOf(palette);
    if (scheme == TScheme::Classic || glyph.isNull())
        return glyph;
    QImage out = glyph.convertToFormat(glyph.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    key &= 0xFFFFFF;
    auto drawn = [key](QRgb px) { return qAlpha(px) != 0 && (px & 0xFFFFFF) != key; };
    if (scheme == TScheme::Dark)
        for (int y = 0; y < out.height(); ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(out.constScanLine(y));
            for (int x = 0; x < out.width(); ++x)
                if (drawn(line[x]) && (qRed(line[x]) != qGreen(line[x]) || qGreen(line[x]) != qBlue(line[x])))
                    return glyph;  // a coloured picture
        }
    const QColor ink = Ink(QColor(0, 0, 0), palette);
    for (int y = 0; y < out.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if (!drawn(line[x]))
                continue;
            const QColor was = QColor::fromRgb(line[x]);
            QColor now = was;
            if ((line[x] & 0xFFFFFF) == 0)
                now = ink;
            else if (scheme == TScheme::HighContrast)
                now = ReadableOn(was, face, false, scheme);
            QRgb rgb = now.rgb() & 0xFFFFFF;
            if (rgb == key)
                rgb ^= 1;  // one step of blue off, or it would not be drawn
            line[x] = (line[x] & 0xFF000000u) | rgb;
        }
    }
    return out;
}

} // namespace quindle

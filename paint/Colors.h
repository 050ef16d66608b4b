#pragma once

// Colours as the layouts store them, and their resolution through the palette.

#include <QColor>
#include <QPalette>
#include <cstdint>

namespace quindle {

// Colour values as the window layouts store them: a direct colour 0x00BBGGRR
// (red in the low byte), or a system colour with the top bit set and its
// number in the low byte, resolved through the palette it is drawn with at the
// moment it is drawn.
using TColor = std::int32_t;

constexpr TColor SystemColor(int index) { return static_cast<TColor>(0x80000000u | static_cast<unsigned>(index)); }
constexpr bool IsSystemColor(TColor c) { return c < 0; }
constexpr TColor RGBColor(int r, int g, int b) { return r | (g << 8) | (b << 16); }
constexpr int RedOf(TColor c) { return c & 0xFF; }
constexpr int GreenOf(TColor c) { return (c >> 8) & 0xFF; }
constexpr int BlueOf(TColor c) { return (c >> 16) & 0xFF; }

constexpr TColor clBlack = RGBColor(0, 0, 0);
constexpr TColor clRed = RGBColor(255, 0, 0);
constexpr TColor clBlue = RGBColor(0, 0, 255);
constexpr TColor clNavy = RGBColor(0, 0, 128);
constexpr TColor clSilver = RGBColor(192, 192, 192);
constexpr TColor clOlive = RGBColor(128, 128, 0);
constexpr TColor clPurple = RGBColor(128, 0, 128);
constexpr TColor clWhite = RGBColor(255, 255, 255);
constexpr TColor clGray = RGBColor(128, 128, 128);
constexpr TColor clTeal = RGBColor(0, 128, 128);

constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowFrame = SystemColor(6);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clGrayText = SystemColor(17);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clBtnHighlight = SystemColor(20);

// Resolves a colour to RGB through the palette.
QColor ColorToQColor(TColor c, const QPalette& palette);
// The direct value of a colour (system colours resolved now).
TColor ColorToRGB(TColor c, const QPalette& palette);
TColor QColorToColor(const QColor& c);

} // namespace quindle

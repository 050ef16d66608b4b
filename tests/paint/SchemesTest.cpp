// The schemes' contrast rule: fixed colours keep their hue and are lightened
// only as far as their text needs outside Classic.
#include "paint/Schemes.h"

#include <QFont>

#include <gtest/gtest.h>

using namespace quindle;

namespace {

struct ReadableCase {
    const char* what;
    QColor fixed, background;
    bool large;
    TScheme scheme;
    double need;
};

// clang-format off
const ReadableCase kCases[] = {
    {"NavyDigitsOnDarkFace",      {0, 0, 128},   {64, 64, 64}, false, TScheme::Dark,         4.5},
    {"RedModeOnDarkFace",         {255, 0, 0},   {64, 64, 64}, false, TScheme::Dark,         4.5},
    {"LargeBlueQuestionOnDark",   {0, 0, 255},   {64, 64, 64}, true,  TScheme::Dark,         3.0},
    {"NavyDigitsOnBlackFace",     {0, 0, 128},   {0, 0, 0},    false, TScheme::HighContrast, 7.0},
    {"RedModeOnBlackFace",        {255, 0, 0},   {0, 0, 0},    false, TScheme::HighContrast, 7.0},
    {"LargeBlueOnBlackFace",      {0, 0, 255},   {0, 0, 0},    true,  TScheme::HighContrast, 7.0},
    {"LargeNavyDigitsOnBlackFace",{0, 0, 128},   {0, 0, 0},    true,  TScheme::HighContrast, 7.0},
};
// clang-format on

class Readable : public ::testing::TestWithParam<ReadableCase> {};

TEST_P(Readable, ReachesTheRatioKeepingTheHueAndGoesNoFurther)
{
    const ReadableCase& c = GetParam();
    const double need = c.need;
    EXPECT_EQ(NeededContrast(c.large, c.scheme), need);
    const QColor got = ReadableOn(c.fixed, c.background, c.large, c.scheme);
    EXPECT_GE(ContrastRatio(got, c.background), need) << got.name().toStdString();
    EXPECT_EQ(got.hue(), c.fixed.hue());
    // A step less light would not do: lightened no further than needed.
    auto back = [](int now, int fixed) { return now - (255 - fixed) / 32; };
    const QColor less(back(got.red(), c.fixed.red()), back(got.green(), c.fixed.green()),
                      back(got.blue(), c.fixed.blue()));
    EXPECT_LT(ContrastRatio(less, c.background), need) << got.name().toStdString();
    // Classic draws the layouts' colours exactly.
    EXPECT_EQ(ReadableOn(c.fixed, c.background, c.large, TScheme::Classic), c.fixed);
}

INSTANTIATE_TEST_SUITE_P(Schemes, Readable, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.what); });

TEST(Schemes, ContrastFollowsTheWebRule)
{
    EXPECT_NEAR(ContrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(QColor(0, 0, 128), QColor(192, 192, 192)), 8.80, 0.01);
    EXPECT_DOUBLE_EQ(ContrastRatio(QColor(10, 20, 30), QColor(10, 20, 30)), 1.0);
    QFont f;
    f.setPixelSize(24);
    EXPECT_TRUE(IsLargeText(f));
    f.setPixelSize(19);
    EXPECT_FALSE(IsLargeText(f));
    f.setBold(true);
    EXPECT_TRUE(IsLargeText(f));
}

TEST(Schemes, BlackInkTakesTheTextColourOutsideClassicAndColourGlyphsStay)
{
    QImage grey(2, 1, QImage::Format_RGB32), coloured(2, 1, QImage::Format_RGB32);
    grey.setPixel(0, 0, qRgb(0, 0, 0));
    grey.setPixel(1, 0, qRgb(192, 192, 192));
    coloured.setPixel(0, 0, qRgb(0, 0, 0));
    coloured.setPixel(1, 0, qRgb(0, 128, 128));
    auto inked = [](const QImage& glyph, TScheme scheme) {
        const QPalette pal = SchemePalette(scheme);
        return InkedGlyph(glyph, pal, pal.color(QPalette::Button), qRgb(255, 0, 255));
    };
    EXPECT_EQ(inked(grey, TScheme::Classic), grey);
    EXPECT_EQ(inked(coloured, TScheme::Dark), coloured);
    const QImage high = inked(grey, TScheme::HighContrast);
    EXPECT_EQ(high.pixelColor(0, 0), QColor(255, 255, 255));
    EXPECT_EQ(high.pixelColor(1, 0), QColor(192, 192, 192));
    const QPalette dark = SchemePalette(TScheme::Dark);
    EXPECT_EQ(Ink(Qt::black, dark), dark.color(QPalette::ButtonText));
    EXPECT_EQ(Ink(QColor(0, 0, 128), dark), QColor(0, 0, 128));
}

struct GlyphCase {
    const char* what;
    QRgb drawn, key;
    QRgb high;  // as high contrast draws it on the black face
};

// clang-format off
const GlyphCase kGlyphs[] = {
    {"TealArrow",       qRgb(0, 128, 128), qRgb(192, 192, 192), 0},
    {"RedCross",        qRgb(255, 0, 0),   qRgb(192, 192, 192), 0},
    {"DarkRedDoor",     qRgb(128, 0, 0),   qRgb(192, 192, 192), 0},
    {"GreyShade",       qRgb(128, 128, 128), qRgb(192, 192, 192), 0},
    {"GreenCheckStays", qRgb(0, 255, 0),   qRgb(192, 192, 192), qRgb(0, 255, 0)},
    {"OutlineInked",    qRgb(0, 0, 0),     qRgb(192, 192, 192), qRgb(255, 255, 255)},
    {"InkNeverTheKey",  qRgb(0, 0, 0),     qRgb(255, 255, 255), qRgb(255, 255, 254)},
};
// clang-format on

class InkedGlyphs : public ::testing::TestWithParam<GlyphCase> {};

TEST_P(InkedGlyphs, HighContrastLightensToTheEnhancedLevelKeepingTheHue)
{
    const GlyphCase& c = GetParam();
    // A coloured pixel beside the one tried, so Dark sees a coloured picture.
    QImage glyph(3, 1, QImage::Format_RGB32);
    glyph.setPixel(0, 0, c.key);
    glyph.setPixel(1, 0, c.drawn);
    glyph.setPixel(2, 0, qRgb(0, 128, 128));
    auto inked = [&](TScheme scheme) {
        const QPalette pal = SchemePalette(scheme);
        return InkedGlyph(glyph, pal, pal.color(QPalette::Button), c.key);
    };
    EXPECT_EQ(inked(TScheme::Classic), glyph);
    EXPECT_EQ(inked(TScheme::Dark), glyph);
    const QImage high = inked(TScheme::HighContrast);
    EXPECT_EQ(high.pixel(0, 0), glyph.pixel(0, 0)) << "the key stays";
    const QColor was = QColor::fromRgb(c.drawn), now = high.pixelColor(1, 0);
    if (c.high) {
        EXPECT_EQ(now.rgb(), c.high);
        return;
    }
    EXPECT_EQ(now, ReadableOn(was, Qt::black, false, TScheme::HighContrast));
    EXPECT_GE(ContrastRatio(now, Qt::black), 7.0);
    EXPECT_EQ(now.hue(), was.hue());
}

INSTANTIATE_TEST_SUITE_P(Schemes, InkedGlyphs, ::testing::ValuesIn(kGlyphs),
                         [](const auto& info) { return std::string(info.param.what); });

TEST(Schemes, ClassicIsTheLayoutsPalette)
{
    const QPalette classic = SchemePalette(TScheme::Classic);
    EXPECT_EQ(classic.color(QPalette::Button), QColor(192, 192, 192));
    EXPECT_EQ(classic.color(QPalette::Highlight), QColor(0, 0, 128));
    EXPECT_EQ(classic.color(QPalette::Disabled, QPalette::Text), QColor(128, 128, 128));
    EXPECT_EQ(SchemePalette(TScheme::HighContrast).color(QPalette::Highlight), QColor(255, 255, 0));
    for (TScheme scheme : {TScheme::Classic, TScheme::Dark, TScheme::HighContrast})
        EXPECT_EQ(SchemeOf(SchemePalette(scheme)), scheme);
}

} // namespace

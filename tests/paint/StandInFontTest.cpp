// The stand-ins for the classic families the layouts name.
#include "paint/Look.h"
#include "paint/StandInFont.h"

#include <QGroupBox>
#include <QWidget>
#include <gtest/gtest.h>

using namespace quindle;

namespace {

TEST(StandInFont, ClassicFamiliesResolveToTheInstalledStandIns)
{
    EXPECT_EQ(StandInFamily("MS Sans Serif"), "DejaVu Sans Condensed");
    EXPECT_EQ(StandInFamily("Comic Sans MS"), "Comic Neue");
    EXPECT_EQ(StandInFamily("DejaVu Sans"), "DejaVu Sans");
    EXPECT_EQ(StandInFamily("No Such Family"), "No Such Family");
    EXPECT_EQ(PixelFont("Comic Sans MS", 11).family(), "Comic Neue");
    // Fonts that still name a classic family find the stand-in through Qt.
    EXPECT_EQ(QFontInfo(QFont("Comic Sans MS")).family(), "Comic Neue");
}

TEST(StandInFont, AWidgetGivenAClassicFamilyHoldsTheStandInAtOnce)
{
    QWidget window;
    QFont classic("Comic Sans MS");
    classic.setBold(true);
    classic.setPixelSize(48);
    window.setFont(classic);
    EXPECT_EQ(window.font().family(), "Comic Neue");
    EXPECT_TRUE(window.font().bold());
    EXPECT_EQ(window.font().pixelSize(), 48);

    // Children inherit it; a layout's own font on a child is swapped too.
    auto* box = new QGroupBox(&window);
    EXPECT_EQ(box->font().family(), "Comic Neue");
    box->setFont(QFont("MS Sans Serif"));
    EXPECT_EQ(box->font().family(), "DejaVu Sans Condensed");
    box->setTitle("Time");  // measured with the stand-in
    EXPECT_EQ(QFontInfo(box->font()).family(), "DejaVu Sans Condensed");
}

} // namespace

#include "shell/Placement.h"

#include <gtest/gtest.h>

using namespace quindle;

namespace {

struct TFit {
    QRect Frame, Monitor;
    QPoint Want;
};

TEST(Placement, FitsTheFrameByTheLeastMove)
{
    const QRect primaryRight(1024, 0, 1024, 768), small(0, 768, 640, 480);
    const TFit rows[] = {
        {{270, 129, 426, 380}, {0, 0, 1024, 768}, {270, 129}},          // fits: unmoved
        {{1294, 129, 426, 380}, primaryRight, {1294, 129}},              // on a monitor to the right
        {{270, 897, 426, 380}, small, {214, 868}},                       // sticks out right and below
        {{270, 897, 800, 600}, small, {0, 768}},                         // larger: its top-left on it
        {{-50, 700, 426, 380}, small, {0, 768}},                         // left of and above it
    };
    for (const TFit& r : rows)
        EXPECT_EQ(FitOnMonitor(r.Frame, r.Monitor), r.Want) << r.Frame.x() << "," << r.Frame.y();
}

TEST(Placement, CentresOnTheMonitorNeverBeyondItsCorner)
{
    EXPECT_EQ(CentreOnMonitor({203, 241}, {0, 0, 1024, 768}), QPoint(410, 263));
    EXPECT_EQ(CentreOnMonitor({203, 241}, {1024, 0, 1024, 768}), QPoint(1434, 263));
    EXPECT_EQ(CentreOnMonitor({1200, 900}, {0, 768, 1024, 768}), QPoint(0, 768));
}

TEST(Placement, ATitleBarOnNoMonitorIsOutOfReach)
{
    const QList<QRect> l = {{0, 768, 1024, 768}, {1024, 0, 1024, 768}};
    EXPECT_TRUE(OnSomeMonitor({1100, 100, 203, 22}, l));
    EXPECT_TRUE(OnSomeMonitor({900, 100, 203, 22}, l));   // partly on the top one
    EXPECT_FALSE(OnSomeMonitor({100, 100, 203, 22}, l));  // the unshown corner
}

}

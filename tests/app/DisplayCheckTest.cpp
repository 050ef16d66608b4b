// The start-up messages and the line a player gets without a display.
#include "app/DisplayCheck.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace quindle;

namespace {

QStringList Texts(const TStartMessages& m)
{
    QStringList out;
    for (const TStartMessages::TMessage& k : m.Kept())
        out << k.Text;
    return out;
}

TEST(StartMessages, APlatformLeftTakesItsComplaintsAlongAndTheRestStays)
{
    TStartMessages m;
    m.Add(QtWarningMsg, "qt.qpa.xcb", "could not connect to display :5");
    m.Add(QtWarningMsg, "qt.qpa.plugin", "Could not load the Qt platform plugin \"xcb\" in \"\" even though it was found.");
    m.Add(QtWarningMsg, "default", "a warning of the platform that started");
    m.Add(QtWarningMsg, "qt.qpa.plugin", "some other plugin message");
    EXPECT_EQ(Texts(m), QStringList({"a warning of the platform that started", "some other plugin message"}));
}

TEST(StartMessages, NothingIsDroppedWhenTheFirstPlatformStarts)
{
    TStartMessages m;
    m.Add(QtInfoMsg, nullptr, "one");
    m.Add(QtCriticalMsg, "qt.text", "two");
    EXPECT_EQ(Texts(m), QStringList({"one", "two"}));
    EXPECT_EQ(m.Kept()[1].Type, QtCriticalMsg);
}

TEST(NoDisplayReason, NamesWhatThePlayerChoseOrTheDisplayThatFailed)
{
    EXPECT_EQ(NoDisplayReason("xcb", ":3", ""), "cannot start: no usable display for QT_QPA_PLATFORM=xcb");
    EXPECT_EQ(NoDisplayReason("", "", ""), "cannot start: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)");
    EXPECT_EQ(NoDisplayReason("", ":4711", ""), "cannot start: cannot connect to the display :4711");
    EXPECT_EQ(NoDisplayReason("", "", "wayland-1"), "cannot start: cannot connect to the display");
}

} // namespace

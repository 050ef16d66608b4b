#include "controls/Keys.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

namespace {

struct KeyCase {
    int key;
    Qt::KeyboardModifiers mods;
    const char* text;
    int typed;  // 0: types nothing
};

class TypedCharTest : public testing::TestWithParam<KeyCase> {};

TEST_P(TypedCharTest, ReadsTheKeyAsTheClassicDesktopTypesIt)
{
    const KeyCase& c = GetParam();
    const QKeyEvent e(QEvent::KeyPress, c.key, c.mods, QString::fromUtf8(c.text));
    EXPECT_EQ(quindle::TypedChar(e).unicode(), c.typed);
}

INSTANTIATE_TEST_SUITE_P(Keys, TypedCharTest,
    testing::Values(KeyCase{Qt::Key_7, Qt::NoModifier, "7", '7'}, KeyCase{Qt::Key_Backspace, Qt::NoModifier, "\b", 8},
        KeyCase{Qt::Key_Backspace, Qt::ControlModifier, "", 127}, KeyCase{Qt::Key_Return, Qt::NoModifier, "\r", 13},
        KeyCase{Qt::Key_Enter, Qt::KeypadModifier, "\r", 13}, KeyCase{Qt::Key_Escape, Qt::NoModifier, "", 27},
        KeyCase{Qt::Key_Backtab, Qt::ShiftModifier, "", 9}, KeyCase{Qt::Key_A, Qt::ControlModifier, "\x01", 1},
        KeyCase{Qt::Key_Z, Qt::ControlModifier, "", 26}, KeyCase{Qt::Key_5, Qt::ControlModifier, "5", 0},
        KeyCase{Qt::Key_Delete, Qt::NoModifier, "\x7f", 0}, KeyCase{Qt::Key_Left, Qt::NoModifier, "", 0}));

TEST(CommandKeys, CtrlAltAndMetaMakeAKeyACommandAndOnlyAltF4Closes)
{
    const struct {
        Qt::KeyboardModifiers mods;
        bool plain, closesOnF4;
    } cases[] = {
        {Qt::NoModifier, true, false},
        {Qt::ShiftModifier | Qt::KeypadModifier, true, false},
        {Qt::AltModifier, false, true},
        {Qt::AltModifier | Qt::ShiftModifier, false, true},
        {Qt::AltModifier | Qt::ControlModifier, false, false},
        {Qt::ControlModifier, false, false},
        {Qt::MetaModifier, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(quindle::IsPlainKey(c.mods), c.plain) << c.mods;
        EXPECT_EQ(quindle::IsCloseShortcut(Qt::Key_F4, c.mods), c.closesOnF4) << c.mods;
        EXPECT_FALSE(quindle::IsCloseShortcut(Qt::Key_F3, c.mods));
    }
}

TEST(DialogKeys, AreTheOnesAFieldPassesOn)
{
    for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Backtab})
        EXPECT_TRUE(quindle::IsDialogKey(key)) << key;
    for (int key : {Qt::Key_Up, Qt::Key_Space, Qt::Key_A, Qt::Key_Backspace})
        EXPECT_FALSE(quindle::IsDialogKey(key)) << key;
}

} // namespace

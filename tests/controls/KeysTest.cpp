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

// Offscreen, the keymap has no other layout: what a key counts as comes
// from its own letter, or from its place.
TEST(LetterKeys, CountAsTheirLatinLetterOrTheirPlaceOnAUsKeyboard)
{
    const struct {
        const char* what;
        int key;
        quint32 keycode;
        const char* text;
        int counts;
    } cases[] = {
        {"us S", Qt::Key_S, 39, "s", Qt::Key_S},
        {"fr A where us has Q", Qt::Key_A, 24, "a", Qt::Key_A},
        {"Cyrillic at S", 0x42B, 39, "\u044b", Qt::Key_S},
        {"Cyrillic at O", 0x429, 32, "\u0449", Qt::Key_O},
        {"Greek at H", 0x397, 43, "\u03b7", Qt::Key_H},
        {"Cyrillic with no place known", 0x42B, 0, "\u044b", 0x42B},
        {"a digit", Qt::Key_2, 11, "2", Qt::Key_2},
        {"Cyrillic beside the letters", 0x425, 34, "\u0445", 0x425},
        {"an arrow", Qt::Key_Left, 113, "", Qt::Key_Left},
    };
    for (const auto& c : cases) {
        const QKeyEvent e(QEvent::KeyPress, c.key, Qt::AltModifier, c.keycode, 0, 0, QString::fromUtf8(c.text));
        EXPECT_EQ(quindle::LetterKey(e), c.counts) << c.what;
    }
    // Ctrl with a letter of another script types that letter's control character.
    const QKeyEvent ctrl(QEvent::KeyPress, 0x424, Qt::ControlModifier, 38, 0, 0, QString());
    EXPECT_EQ(quindle::TypedChar(ctrl).unicode(), 1);
}

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

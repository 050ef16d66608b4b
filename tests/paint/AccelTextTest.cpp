#include "paint/AccelText.h"

#include <gtest/gtest.h>

namespace {

struct AccelCase {
    const char* caption;
    const char* shown;
    std::vector<int> underlined;
};

class AccelTextTest : public testing::TestWithParam<AccelCase> {};

TEST_P(AccelTextTest, StripsPrefixesAndFindsMarkedCharacters)
{
    const AccelCase& c = GetParam();
    std::vector<int> underlined;
    EXPECT_EQ(quindle::StripAccels(QString::fromUtf8(c.caption), &underlined), QString::fromUtf8(c.shown));
    EXPECT_EQ(underlined, c.underlined);
    // Without the positions the text comes out the same.
    EXPECT_EQ(quindle::StripAccels(QString::fromUtf8(c.caption)), QString::fromUtf8(c.shown));
}

INSTANTIATE_TEST_SUITE_P(Captions, AccelTextTest,
    testing::Values(AccelCase{"", "", {}}, AccelCase{"Plain", "Plain", {}}, AccelCase{"&New game", "New game", {0}},
        AccelCase{"Ex&it", "Exit", {2}}, AccelCase{"a&&b", "a&b", {}}, AccelCase{"&&&x", "&x", {1}},
        AccelCase{"end&", "end", {}}, AccelCase{"&", "", {}}, AccelCase{"&a&b", "ab", {0, 1}}));

} // namespace

// The desktop's settings as the portal delivers them: answers to the first
// reads may arrive after changes, and must not undo them.
#include "shell/DesktopScheme.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <vector>

using namespace quindle;

namespace {

const char* const kAppearance = "org.freedesktop.appearance";
const char* const kAccessibility = "org.gnome.desktop.a11y.interface";

struct Heard {
    bool answer;  // a Read's reply, else a SettingChanged
    const char* group;
    const char* key;
    QVariant value;
};

struct SchemeCase {
    const char* what;
    std::vector<Heard> heard;
    TScheme want;
};

class FollowedScheme : public ::testing::TestWithParam<SchemeCase> {
protected:
    void TearDown() override { ApplyScheme(TScheme::Classic); }
};

TEST_P(FollowedScheme, ApplyTheNewestOfEachSetting)
{
    TDesktopScheme desktop;
    for (const Heard& h : GetParam().heard) {
        if (h.answer)
            desktop.Answered(h.group, h.key, h.value);
        else
            desktop.Changed(h.group, h.key, h.value);
    }
    EXPECT_EQ(desktop.Wanted(), GetParam().want);
    EXPECT_EQ(SchemeOf(QApplication::palette()), GetParam().want);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(DesktopScheme, FollowedScheme, ::testing::Values(
    SchemeCase{"AnswersAlone", {{true, kAppearance, "color-scheme", 1u}}, TScheme::Dark},
    SchemeCase{"LateAnswerAfterAChange", {{false, kAppearance, "color-scheme", 0u},
                                         {true, kAppearance, "color-scheme", 1u}}, TScheme::Classic},
    SchemeCase{"LateAnswerForAnotherKeyStillCounts", {{false, kAppearance, "color-scheme", 1u},
                                                     {true, kAccessibility, "high-contrast", true}},
               TScheme::HighContrast},
    SchemeCase{"ChangesAfterAnAnswer", {{true, kAppearance, "color-scheme", 1u},
                                       {false, kAppearance, "color-scheme", 0u}}, TScheme::Classic},
    SchemeCase{"PortalContrastOutranksTheKey", {{false, kAccessibility, "high-contrast", true},
                                               {true, kAppearance, "contrast", 0u}}, TScheme::Classic},
    SchemeCase{"OtherSettingsIgnored", {{false, kAppearance, "accent-color", 1u},
                                       {true, kAppearance, "color-scheme", 1u}}, TScheme::Dark}),
    [](const auto& info) { return std::string(info.param.what); });
// clang-format on

} // namespace

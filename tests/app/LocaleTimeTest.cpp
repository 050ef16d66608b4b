#include "app/LocaleTime.h"

#include <gtest/gtest.h>

using quindle::LocaleTimeText;

namespace {
const QTime kAfternoon(15, 4, 5);
const QTime kMorning(9, 4, 5);
}

TEST(LocaleTime, TwentyFourHourLocaleWithLeadingZero)
{
    const QLocale de(QStringLiteral("de_DE"));
    EXPECT_EQ(LocaleTimeText(kAfternoon, de), QStringLiteral("15:04:05"));
    EXPECT_EQ(LocaleTimeText(kMorning, de), QStringLiteral("09:04:05"));
    EXPECT_EQ(LocaleTimeText(QTime(0, 0, 0), de), QStringLiteral("00:00:00"));
}

TEST(LocaleTime, TwelveHourLocaleWithoutLeadingZero)
{
    const QLocale us(QStringLiteral("en_US"));
    EXPECT_EQ(LocaleTimeText(kAfternoon, us), QStringLiteral("3:04:05 PM"));
    EXPECT_EQ(LocaleTimeText(kMorning, us), QStringLiteral("9:04:05 AM"));
    EXPECT_EQ(LocaleTimeText(QTime(0, 0, 0), us), QStringLiteral("12:00:00 AM"));
    EXPECT_EQ(LocaleTimeText(QTime(12, 0, 0), us), QStringLiteral("12:00:00 PM"));
    EXPECT_EQ(LocaleTimeText(QTime(23, 59, 59), us), QStringLiteral("11:59:59 PM"));
}

TEST(LocaleTime, TwelveHourLocaleWithLeadingZero)
{
    // Qt's data writes "hh:mm AP" for Gujarati.
    const QLocale gu(QStringLiteral("gu_IN"));
    EXPECT_EQ(LocaleTimeText(kMorning, gu), QStringLiteral("09:04:05 ") + gu.amText());
    EXPECT_EQ(LocaleTimeText(kAfternoon, gu), QStringLiteral("03:04:05 ") + gu.pmText());
}

TEST(LocaleTime, DesignatorFirst)
{
    // Korean puts it first; its long format spells the fields out in words,
    // which must not end up as the separator.
    const QLocale ko(QStringLiteral("ko_KR"));
    EXPECT_EQ(LocaleTimeText(kAfternoon, ko), ko.pmText() + QStringLiteral(" 3:04:05"));
    EXPECT_EQ(LocaleTimeText(kMorning, ko), ko.amText() + QStringLiteral(" 9:04:05"));
    // No blank between them in the locale's own format; one is added.
    const QLocale hk(QStringLiteral("zh_HK"));
    EXPECT_EQ(LocaleTimeText(kAfternoon, hk), hk.pmText() + QStringLiteral(" 3:04:05"));
}

TEST(LocaleTime, OtherSeparators)
{
    EXPECT_EQ(LocaleTimeText(kMorning, QLocale(QStringLiteral("fi_FI"))), QStringLiteral("9.04.05"));
    EXPECT_EQ(LocaleTimeText(kMorning, QLocale(QStringLiteral("da_DK"))), QStringLiteral("09.04.05"));
    // Canadian French writes "HH 'h' mm": a word, not a separator.
    EXPECT_EQ(LocaleTimeText(kMorning, QLocale(QStringLiteral("fr_CA"))), QStringLiteral("09:04:05"));
}

TEST(LocaleTime, UsesDefaultLocaleAndRejectsInvalidTime)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    EXPECT_EQ(LocaleTimeText(kAfternoon), QStringLiteral("3:04:05 PM"));
    QLocale::setDefault(saved);
    EXPECT_TRUE(LocaleTimeText(QTime()).isEmpty());
}

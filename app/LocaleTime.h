#pragma once

// The time of day as the user's locale writes it.

#include <QLocale>
#include <QString>
#include <QTime>

namespace quindle {

// The time of day as the user's locale writes it: hours with or without a
// leading zero as the locale asks, minutes and seconds two digits, the
// locale's time separator; for a 12-hour locale its AM/PM designator after
// one blank, or before it followed by one blank where the locale puts it
// first.
QString LocaleTimeText(const QTime& t, const QLocale& locale = QLocale());

} // namespace quindle

#include "app/LocaleTime.h"

namespace quindle {
namespace {

struct TimeSettings {
    bool found = false;
    bool leadingZero = true;
    bool twelveHour = false;
    bool designatorFirst = false;
    QString separator = QStringLiteral(":");
};

// A usable separator is punctuation only; Qt's formats for some locales put
// words between the fields ("15 h 04", "15時04分"), which would read wrong
// between minutes and seconds.
bool isSeparator(const QString& s)
{
    if (s.isEmpty())
        return false;
    for (QChar c : s) {
        if (!c.isPunct() && !c.isSymbol())
            return false;
    }
    return true;
}

// Reads a Qt time format: the first hour field, the literal text that
// follows it up to the next field, and where an AM/PM field stands.
TimeSettings parseFormat(const QString& format)
{
    TimeSettings s;
    int amPmAt = -1;
    int hourAt = -1;
    QString afterHour;
    bool collecting = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\'')) {
            // Quoted literal; '' stands for one quote.
            qsizetype j = i + 1;
            QString text;
            while (j < format.size()) {
                if (format.at(j) == QLatin1Char('\'')) {
                    if (j + 1 < format.size() && format.at(j + 1) == QLatin1Char('\'')) {
                        text += QLatin1Char('\'');
                        j += 2;
                        continue;
                    }
                    break;
                }
                text += format.at(j++);
            }
            if (collecting)
                afterHour += text;
            i = j + 1;
            continue;
        }
        const qsizetype start = i;
        while (i < format.size() && format.at(i) == c)
            ++i;
        const qsizetype run = i - start;
        if (c == QLatin1Char('h') || c == QLatin1Char('H')) {
            if (hourAt < 0) {
                hourAt = int(start);
                s.leadingZero = run >= 2;
                s.twelveHour = c == QLatin1Char('h');
                collecting = true;
            }
        } else if (c == QLatin1Char('a') || c == QLatin1Char('A')) {
            if (amPmAt < 0)
                amPmAt = int(start);
            collecting = false;
        } else if (c.isLetter()) {
            // Any other field ends the separator.
            collecting = false;
        } else if (collecting) {
            afterHour += format.mid(start, run);
        }
    }
    if (hourAt < 0)
        return s;
    s.found = true;
    // Qt counts 'h' as a 12-hour field only when the format has an AM/PM field.
    s.twelveHour = s.twelveHour && amPmAt >= 0;
    s.designatorFirst = s.twelveHour && amPmAt < hourAt;
    const QString sep = afterHour.trimmed();
    if (isSeparator(sep))
        s.separator = sep;
    return s;
}

TimeSettings settingsFor(const QLocale& locale)
{
    // The short format is the plainest; the long one adds time zones and,
    // for some locales, unit words. It still serves when the short one has
    // no hour.
    TimeSettings s = parseFormat(locale.timeFormat(QLocale::ShortFormat));
    if (!s.found)
        s = parseFormat(locale.timeFormat(QLocale::LongFormat));
    return s;
}

QString twoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

} // namespace

QString LocaleTimeText(const QTime& t, const QLocale& locale)
{
    if (!t.isValid())
        return QString();
    const TimeSettings s = settingsFor(locale);
    int hour = t.hour();
    if (s.twelveHour) {
        hour %= 12;
        if (hour == 0)
            hour = 12;
    }
    QString text = s.leadingZero ? twoDigits(hour) : QString::number(hour);
    text += s.separator + twoDigits(t.minute()) + s.separator + twoDigits(t.second());
    if (!s.twelveHour)
        return text;
    const QString designator = t.hour() < 12 ? locale.amText() : locale.pmText();
    if (designator.isEmpty())
        return text;
    return s.designatorFirst ? designator + QLatin1Char(' ') + text : text + QLatin1Char(' ') + designator;
}

} // namespace quindle

#include "paint/Canvas.h"

#include "paint/AccelText.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <vector>

namespace quindle {

namespace {

// One line as it is shown: the text with the "&" prefixes taken out and
// the positions of the characters they underline.
struct ShownLine {
    QString text;
    std::vector<int> underlined;
};

ShownLine ApplyPrefixes(const QString& raw, bool prefixes)
{
    ShownLine line;
    line.text = prefixes ? StripAccels(raw, &line.underlined) : raw;
    return line;
}

// Lays out one shown line: the runs between tabs with their x offsets from
// the line's start, and, when asked, the line's width. Text drawn from the
// left needs no width, and measuring it shapes the text once more.
class LineLayout {
public:
    struct Run {
        int x;
        qsizetype from, length;
    };

    LineLayout(const QFontMetrics& fm, const QString& text, bool expandTabs, bool measured = true)
    {
        const int tabStop = 8 * fm.averageCharWidth();
        int x = 0;
        qsizetype from = 0;
        for (qsizetype i = 0; i <= text.size(); ++i) {
            if (i < text.size() && text[i] != QLatin1Char('\t'))
                continue;
            if (i > from) {
                runs.push_back({x, from, i - from});
                if (measured || i < text.size())
                    x += fm.horizontalAdvance(text.mid(from, i - from));
            }
            if (i < text.size()) {
                // Without expansion a tab takes the room of one blank.
                if (expandTabs && tabStop > 0)
                    x = (x / tabStop + 1) * tabStop;
                else
                    x += fm.horizontalAdvance(QLatin1Char(' '));
            }
            from = i + 1;
        }
        width = x;
    }

    std::vector<Run> runs;
    int width = 0;  // up to the last tab only, unless measured
};

bool IsBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

// The lines of text, split at CR LF, LF and CR; empty text has none.
std::vector<QString> HardLines(const QString& text)
{
    std::vector<QString> lines;
    if (text.isEmpty())
        return lines;
    qsizetype from = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines.push_back(text.mid(from, i - from));
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
            ++i;
        from = i + 1;
    }
    lines.push_back(text.mid(from));
    return lines;
}

} // namespace

int TCanvas::DrawText(const QString& text, TRect& r, unsigned flags)
{
    const QFont font = DrawingFont(Font);
    const QFontMetrics fm(font);
    const bool prefixes = !(flags & tfNoPrefix);
    const bool expandTabs = flags & tfExpandTabs;
    auto widthOf = [&](const QString& raw) {
        return LineLayout(fm, ApplyPrefixes(raw, prefixes).text, expandTabs).width;
    };

    std::vector<QString> lines;
    for (const QString& hard : HardLines(text)) {
        if (!(flags & tfWordBreak)) {
            lines.push_back(hard);
            continue;
        }
        // Greedy breaking between words; the blanks at a break belong to
        // neither line, and a word wider than the rectangle stays whole.
        qsizetype start = 0;
        for (;;) {
            qsizetype end = start;
            bool hasWord = false;
            for (;;) {
                qsizetype wordStart = end;
                while (wordStart < hard.size() && IsBlank(hard[wordStart]))
                    ++wordStart;
                if (wordStart == hard.size()) {
                    end = hard.size();  // trailing blanks stay with the last line
                    break;
                }
                qsizetype wordEnd = wordStart;
                while (wordEnd < hard.size() && !IsBlank(hard[wordEnd]))
                    ++wordEnd;
                if (hasWord && widthOf(hard.mid(start, wordEnd - start)) > r.Width())
                    break;
                end = wordEnd;
                hasWord = true;
            }
            lines.push_back(hard.mid(start, end - start));
            if (end == hard.size())
                break;
            start = end;
            while (start < hard.size() && IsBlank(hard[start]))
                ++start;
        }
    }

    const int lineHeight = fm.ascent() + fm.descent();
    const int height = int(lines.size()) * lineHeight;

    if (flags & tfCalcRect) {
        int widest = 0;
        for (const QString& line : lines)
            widest = std::max(widest, widthOf(line));
        r.Right = r.Left + widest;
        r.Bottom = r.Top + height;
        return height;
    }

    if (!FTarget || r.Width() <= 0 || r.Height() <= 0)
        return height;
    QPainter p(FTarget);
    p.setClipRect(QRect(r.Left, r.Top, r.Width(), r.Height()));
    // Laid out in logical pixels as measured above; drawn at the target's
    // own resolution.
    p.setFont(DrawingFont(Font, Scale()));
    const QColor color = ColorToQColor(FontColor, Palette);
    p.setPen(color);
    const int underlineHeight = std::max(1, fm.lineWidth());
    for (size_t i = 0; i < lines.size(); ++i) {
        const ShownLine shown = ApplyPrefixes(lines[i], prefixes);
        const LineLayout layout(fm, shown.text, expandTabs, flags & (tfRight | tfCenter));
        int x = r.Left;
        if (flags & tfRight)
            x = r.Right - layout.width;
        else if (flags & tfCenter)
            x = (r.Left + r.Right - layout.width) / 2;
        const int top = r.Top + int(i) * lineHeight;
        const int baseline = top + fm.ascent();
        for (const LineLayout::Run& run : layout.runs) {
            const QString part = shown.text.mid(run.from, run.length);
            p.drawText(QPoint(x + run.x, baseline), part);
            for (int u : shown.underlined) {
                if (u < run.from || u >= run.from + run.length)
                    continue;
                const int ux = x + run.x + fm.horizontalAdvance(part.left(u - run.from));
                const int uw = fm.horizontalAdvance(part[u - run.from]);
                p.fillRect(QRect(ux, baseline + fm.underlinePos(), uw, underlineHeight), color);
            }
        }
    }
    return height;
}

} // namespace quindle

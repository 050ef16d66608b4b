#include "paint/Colors.h"

#include <QPalette>

namespace quindle {

namespace {
QColor systemColor(int index, const QPalette& pal)
{
    switch (index) {
    case 5: return pal.color(QPalette::Active, QPalette::Base);
    case 6: return pal.color(QPalette::Active, QPalette::Shadow);
    case 8: return pal.color(QPalette::Active, QPalette::Text);
    case 15: return pal.color(QPalette::Active, QPalette::Button);
    case 16: return pal.color(QPalette::Active, QPalette::Dark);
    case 17: return pal.color(QPalette::Disabled, QPalette::Text);
    case 18: return pal.color(QPalette::Active, QPalette::ButtonText);
    case 20: return pal.color(QPalette::Active, QPalette::Light);
    default: return pal.color(QPalette::Active, QPalette::Window);
    }
}
}

QColor ColorToQColor(TColor c, const QPalette& palette)
{
    if (IsSystemColor(c))
        return systemColor(c & 0xFF, palette);
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

TColor ColorToRGB(TColor c, const QPalette& palette)
{
    return IsSystemColor(c) ? QColorToColor(ColorToQColor(c, palette)) : (c & 0xFFFFFF);
}

TColor QColorToColor(const QColor& c) { return RGBColor(c.red(), c.green(), c.blue()); }

} // namespace quindle

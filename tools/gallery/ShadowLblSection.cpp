#include "tools/gallery/Gallery.h"

#include "paint/Look.h"
#include "widgets/ShadowLbl.h"

#include <QLineEdit>

using namespace quindle;

namespace {

TShadowLabel* Label(QWidget* parent, QPoint at, const QString& caption, const QFont& font)
{
    auto* l = new TShadowLabel(parent);
    l->move(at);
    l->setFont(font);
    l->setCaption(caption);
    return l;
}

// A titled area, coloured like the game's windows unless told otherwise.
QWidget* Cell(QWidget* section, QRect geometry, const QString& title, const QColor& background = {})
{
    auto* cell = new QWidget(section);
    cell->setGeometry(geometry);
    if (background.isValid()) {
        QPalette pal = cell->palette();
        pal.setColor(QPalette::Window, background);
        cell->setPalette(pal);
        cell->setAutoFillBackground(true);
    }
    Label(cell, {4, 2}, title, PixelFont(QStringLiteral("MS Sans Serif"), 11))->setFontColor(clNavy);
    return cell;
}

} // namespace

namespace gallery {

void ShadowLblSection(QWidget* section)
{
    using L = TCustomShadowLabel;
    const QFont sans = PixelFont(QStringLiteral("MS Sans Serif"), 11);
    const QFont comic = PixelFont(QStringLiteral("Comic Sans MS"), 11);

    // The main window's example panel and time read-outs.
    QWidget* examples = Cell(section, {0, 0, 250, 100}, "examples (11 px)");
    Label(examples, {5, 22}, "1    2  3   4\r\n5    6  7   8\r\n9   10 11 12\r\n13 14 15\r\nHorizontal", sans)
        ->setHint("Horizontal");
    Label(examples, {80, 22}, "1    5   9     13\r\n2    6   10   14\r\n3    7   11   15\r\n4    8   12\r\nVertical",
          sans);
    Label(examples, {160, 57}, "and\r\nmore..", sans);

    QWidget* time = Cell(section, {250, 0, 270, 100}, "time panel, disabled");
    Label(time, {8, 24}, "Secons :125", comic);
    Label(time, {100, 24}, "12:00:01", comic);
    Label(time, {180, 24}, "Moves :40", comic);
    Label(time, {8, 50}, "Disabled", sans)->setEnabled(false);
    TShadowLabel* flat = Label(time, {100, 50}, "Disabled, no shadow", sans);
    flat->setShadowSize(0);
    flat->setEnabled(false);

    // Shadows in other directions and colours.
    QWidget* shadows = Cell(section, {0, 100, 250, 110}, "shadow position, size, colour");
    TShadowLabel* rb = Label(shadows, {8, 24}, "Right bottom 2", PixelFont(QStringLiteral("MS Sans Serif"), 16));
    rb->setShadowPos(L::spRightBottom);
    rb->setShadowSize(2);
    rb->setShadowColor(clGray);
    TShadowLabel* lb = Label(shadows, {8, 50}, "Left bottom, red", PixelFont(QStringLiteral("MS Sans Serif"), 16));
    lb->setShadowPos(L::spLeftBottom);
    lb->setShadowColor(clRed);
    lb->setShadowSize(2);
    TShadowLabel* rt = Label(shadows, {8, 78}, "Right top, white text", PixelFont(QStringLiteral("MS Sans Serif"), 16, true));
    rt->setShadowPos(L::spRightTop);
    rt->setShadowSize(2);
    rt->setShadowColor(clBlack);
    rt->setFontColor(clWhite);

    // Layouts in fixed boxes, a see-through label, word wrap, a partner.
    QWidget* boxes = Cell(section, {250, 100, 270, 110}, "layouts, transparent, wrap", QColor(0, 128, 128));
    auto fixed = [&](QPoint at, const QString& caption, L::TTextLayout layout, L::TAlignment alignment) {
        TShadowLabel* l = Label(boxes, at, {}, sans);
        l->setAutoSize(false);
        l->resize(60, 40);
        l->setColor(clSilver);
        l->setTextLayout(layout);
        l->setAlignment(alignment);
        l->setCaption(caption);
        return l;
    };
    fixed({6, 22}, "top\r\nleft", L::tlTop, L::taLeftJustify);
    fixed({72, 22}, "centre", L::tlCenter, L::taCenter);
    fixed({138, 22}, "bottom\r\nright", L::tlBottom, L::taRightJustify);
    TShadowLabel* wrap = fixed({204, 22}, "word wrap in sixty", L::tlTop, L::taLeftJustify);
    wrap->setWordWrap(true);
    TShadowLabel* glass = Label(boxes, {6, 70}, "Transparent", PixelFont(QStringLiteral("Comic Sans MS"), 20));
    glass->setTransparent(true);
    glass->setFontColor(clWhite);
    glass->setShadowColor(clBlack);
    auto* edit = new QLineEdit(boxes);
    edit->setGeometry(190, 80, 70, 20);
    TShadowLabel* partner = Label(boxes, {130, 82}, "&Name:", sans);
    partner->setShowFocus(true);
    partner->setFocusControl(edit);
    edit->setFocus();

    // The dialogs' big texts.
    QWidget* dialogs = Cell(section, {0, 210, 520, 150}, "confirmation and winner dialogs");
    Label(dialogs, {10, 18}, "Are you\r\nsure...", PixelFont(QStringLiteral("Comic Sans MS"), 48))->setFontColor(clBlue);
    Label(dialogs, {200, 22}, "125 Secons  40 Moves", PixelFont(QStringLiteral("MS Sans Serif"), 24));
    Label(dialogs, {200, 70}, "Escalonada Abajo-H", PixelFont(QStringLiteral("Comic Sans MS"), 37))->setFontColor(clRed);

    section->resize(520, 360);
}

} // namespace gallery

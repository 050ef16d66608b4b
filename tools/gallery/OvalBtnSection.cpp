#include "tools/gallery/Gallery.h"

#include "paint/Look.h"
#include "widgets/OvalBtn.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

using namespace quindle;

namespace {

constexpr int kCellW = 124, kCellH = 84, kColumns = 5;

// The game's picture, or a stand-in drawn here when it is not there: a
// square per image, the second grey, on silver.
QImage GlyphPicture(const QString& name, int images)
{
    QImage img(QStringLiteral(":/glyphs/%1.bmp").arg(name));
    if (!img.isNull())
        return img;
    img = QImage(16 * images, 16, QImage::Format_RGB32);
    img.fill(QColor(192, 192, 192));
    QPainter p(&img);
    for (int i = 0; i < images; ++i) {
        p.fillRect(16 * i + 3, 3, 10, 10, i == 1 ? QColor(128, 128, 128) : QColor(0, 0, 128));
        p.fillRect(16 * i + 5, 5, 6, 6, i == 1 ? QColor(192, 192, 192) : QColor(255, 255, 0));
    }
    return img;
}

// The game's buttons: flat, button face, 11-pixel caption font.
TOvalButton* Button(QWidget* cell, QSize size, const QString& caption, const QString& glyph, int images,
                    TOvalButton::TLayout layout)
{
    auto* b = new TOvalButton(cell);
    b->resize(size);
    b->move((kCellW - size.width()) / 2, 18 + (kCellH - 18 - size.height()) / 2);
    b->setCaption(caption);
    b->setCaptionFont(PixelFont(QStringLiteral("MS Sans Serif"), 11));
    if (!glyph.isEmpty())
        b->setGlyphImage(GlyphPicture(glyph, images));
    b->setNumGlyphs(images);
    b->setGlyphLayout(layout);
    b->setFlat(true);
    return b;
}

QWidget* Cell(QWidget* section, int index, const QString& title, const QColor& background = {})
{
    auto* cell = new QWidget(section);
    cell->setGeometry((index % kColumns) * kCellW, (index / kColumns) * kCellH, kCellW, kCellH);
    if (background.isValid()) {
        QPalette pal = cell->palette();
        pal.setColor(QPalette::Window, background);
        cell->setPalette(pal);
        cell->setAutoFillBackground(true);
    }
    auto* label = new QLabel(title, cell);
    label->setGeometry(0, 2, kCellW, 14);
    label->setAlignment(Qt::AlignHCenter);
    return cell;
}

// The pointer resting over the button, as the mouse would leave it.
void Hover(TOvalButton* b)
{
    const QPointF at(b->width() / 2.0, b->height() / 2.0);
    QMouseEvent move(QEvent::MouseMove, at, b->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(b, &move);
}

} // namespace

namespace gallery {

void OvalBtnSection(QWidget* section)
{
    using L = TOvalButton;
    const QSize start(75, 44), dialog(93, 32);
    int i = 0;

    // The main window's buttons as the player meets them.
    Button(Cell(section, i++, "flat"), start, "Start", "start", 1, L::blGlyphTop);
    TOvalButton* hover = Button(Cell(section, i++, "flat, pointer over"), start, "Start", "start", 1, L::blGlyphTop);
    Button(Cell(section, i++, "flat, pressed"), start, "Start", "start", 1, L::blGlyphTop)->setDown(true);
    Button(Cell(section, i++, "disabled"), start, "Exit", "exit", 2, L::blGlyphTop)->setEnabled(false);
    Button(Cell(section, i++, "no glyph"), QSize(57, 28), "Resolver", {}, 1, L::blGlyphLeft);

    // Outlined, with the glyph on each side.
    auto outlined = [&](const QString& title, QSize size, const QString& caption, const QString& glyph,
                        int images, TOvalButton::TLayout layout) {
        TOvalButton* b = Button(Cell(section, i++, title), size, caption, glyph, images, layout);
        b->setFlat(false);
        return b;
    };
    outlined("outlined, glyph left", dialog, "OK", "ok", 2, L::blGlyphLeft);
    outlined("outlined, pressed", dialog, "CANCEL", "cancel", 1, L::blGlyphLeft)->setDown(true);
    outlined("glyph right, margin 3", dialog, "&Cancel", "cancel", 1, L::blGlyphRight)->setMargin(3);
    outlined("glyph below", start, "Games", "games", 1, L::blGlyphBottom);
    TOvalButton* toggle = outlined("toggle, down", dialog, "Sound", "start", 1, L::blGlyphLeft);
    toggle->setGroupIndex(1);
    toggle->setDown(true);

    // See-through and coloured faces.
    const QColor teal(0, 128, 128);
    Button(Cell(section, i++, "transparent", teal), start, "Start", "start", 1, L::blGlyphTop)->setTransparent(true);
    TOvalButton* seeThrough = Button(Cell(section, i++, "transparent, outlined", teal), dialog, "OK", "ok", 2,
                                     L::blGlyphLeft);
    seeThrough->setTransparent(true);
    seeThrough->setFlat(false);
    seeThrough->setFontColor(clWhite);
    TOvalButton* olive = outlined("olive face", start, "Back", "back", 1, L::blGlyphTop);
    olive->setColor(clOlive);
    olive->setFontColor(clWhite);
    outlined("credits OK", QSize(113, 39), "OK", "ok", 2, L::blGlyphLeft);
    TOvalButton* bold = outlined("bold caption", dialog, "Exit", "exit", 2, L::blGlyphLeft);
    bold->setCaptionFont(PixelFont(QStringLiteral("MS Sans Serif"), 11, true));
    bold->setFontColor(clNavy);

    section->resize(kColumns * kCellW, ((i + kColumns - 1) / kColumns) * kCellH);
    Hover(hover);
}

} // namespace gallery

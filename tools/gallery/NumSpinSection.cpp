#include "tools/gallery/Gallery.h"

#include "widgets/NumSpin.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

using namespace quindle;

namespace {

// The game's selector: 39 x 21, whole numbers 1 to 14, no typing.
TNumSpinEdit* Selector(QWidget* parent, QPoint at, int value)
{
    auto* e = new TNumSpinEdit(parent);
    e->setGeometry(at.x(), at.y(), 39, 21);
    e->setDecimal(0);
    e->setEditorEnabled(false);
    e->setMaxValue(14);
    e->setMinValue(1);
    e->setValue(value);
    return e;
}

QLabel* Title(QWidget* parent, QPoint at, const QString& text)
{
    auto* l = new QLabel(text, parent);
    l->move(at);
    return l;
}

// Holds the left button down on one half, as a player's press does, and
// keeps the repeat from stepping on.
void Hold(TNumSpinEdit* e, TSpinHalf half)
{
    TNumSpinButton* b = e->SpinButton();
    const QPoint p = half == TSpinHalf::Top ? QPoint(4, 4) : QPoint(14, 14);
    QMouseEvent press(QEvent::MouseButtonPress, p, b->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(b, &press);
    if (b->AutoRepeat())
        b->AutoRepeat()->stop();
}

} // namespace

namespace gallery {

void NumSpinSection(QWidget* section)
{
    constexpr int kZoom = 4, kCell = 190;
    struct Case {
        const char* title;
        int value;
        TSpinHalf held;
    };
    const Case cases[] = {
        {"at rest", 1, TSpinHalf::None},
        {"upper half pressed", 7, TSpinHalf::Top},
        {"lower half pressed", 14, TSpinHalf::Bottom},
    };
    QList<TNumSpinEdit*> fields;
    QList<QLabel*> zooms;
    for (int i = 0; i < 3; ++i) {
        const int x = i * kCell;
        Title(section, {x, 0}, QString::fromUtf8(cases[i].title));
        fields << Selector(section, {x, 18}, cases[i].value);
        auto* zoom = new QLabel(section);
        zoom->setGeometry(x, 48, 39 * kZoom, 21 * kZoom);
        zooms << zoom;
    }
    Title(section, {3 * kCell, 0}, QStringLiteral("disabled"));
    Selector(section, {3 * kCell, 18}, 3)->setEnabled(false);
    Title(section, {3 * kCell, 48}, QStringLiteral("value 10"));
    Selector(section, {3 * kCell, 66}, 10);

    // Pressed and enlarged once the fields are shown and laid out.
    QTimer::singleShot(0, section, [section, fields, zooms, cases] {
        for (int i = 0; i < fields.size(); ++i)
            if (cases[i].held != TSpinHalf::None)
                Hold(fields[i], cases[i].held);
        section->setFocus();  // no caret in the picture
        for (int i = 0; i < fields.size(); ++i) {
            const QImage shot = section->grab(fields[i]->geometry()).toImage();
            zooms[i]->setPixmap(QPixmap::fromImage(shot.scaled(shot.size() * kZoom)));
        }
    });
    section->setFocusPolicy(Qt::ClickFocus);
    section->resize(4 * kCell - 100, 48 + 21 * kZoom);
}

} // namespace gallery

#include "paint/Look.h"

#include "assets/Assets.h"
#include "paint/Canvas.h"
#include "paint/Schemes.h"
#include "paint/StandInFont.h"

#include <QApplication>
#include <QStyleFactory>
#include <QWidget>

namespace quindle {

QFont PixelFont(const QString& family, int pixelHeight, bool bold)
{
    QFont f(StandInFamily(family));
    f.setPixelSize(pixelHeight);
    f.setBold(bold);
    return f;
}

int PixelHeight(const QFont& font)
{
    return font.pixelSize() > 0 ? font.pixelSize() : qRound(font.pointSizeF() * 96.0 / 72.0);
}

void ApplyFontHeights(QWidget* root)
{
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        const QVariant height = w->property("fontHeight");
        if (!height.isValid())
            continue;
        const QVariant own = w->property("Font");
        QFont f = own.isValid() ? own.value<QFont>() : w->font();
        f.setPixelSize(height.toInt());
        // A control's own font keeps what the layout says; its canvas draws
        // it as text is drawn.
        if (own.isValid())
            w->setProperty("Font", f);
        else
            w->setFont(TCanvas::DrawingFont(f, w->devicePixelRatioF()));
    }
}

void InitLook()
{
    InitAssets();
    InstallStandInFonts();
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows")))
        QApplication::setStyle(style);
    ApplyScheme(TScheme::Classic);
    // Small text unsmoothed, as the classic fonts were and as the canvas
    // draws it: Qt's own text then matches the controls', and both use one
    // loaded font.
    QApplication::setFont(TCanvas::DrawingFont(PixelFont(QStringLiteral("MS Sans Serif"), 11), qApp->devicePixelRatio()));
}

} // namespace quindle

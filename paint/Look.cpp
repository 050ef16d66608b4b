#include "paint/Look.h"

#include "assets/Assets.h"
#include "paint/Canvas.h"
#include "paint/StandInFont.h"

#include <QApplication>
#include <QStyleFactory>
#include <QWidget>

namespace quindle {

QPalette ClassicPalette()
{
    const QColor face(192, 192, 192), white(255, 255, 255), grey(128, 128, 128), black(0, 0, 0);
    QPalette pal;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Window, face);
        pal.setColor(group, QPalette::Button, face);
        pal.setColor(group, QPalette::Light, white);
        pal.setColor(group, QPalette::Midlight, QColor(223, 223, 223));
        pal.setColor(group, QPalette::Mid, QColor(160, 160, 160));
        pal.setColor(group, QPalette::Dark, grey);
        pal.setColor(group, QPalette::Shadow, black);
        pal.setColor(group, QPalette::Base, white);
        pal.setColor(group, QPalette::AlternateBase, face);
        pal.setColor(group, QPalette::WindowText, black);
        pal.setColor(group, QPalette::Text, black);
        pal.setColor(group, QPalette::ButtonText, black);
        pal.setColor(group, QPalette::BrightText, white);
        pal.setColor(group, QPalette::Highlight, QColor(0, 0, 128));
        pal.setColor(group, QPalette::HighlightedText, white);
        pal.setColor(group, QPalette::ToolTipBase, QColor(255, 255, 225));
        pal.setColor(group, QPalette::ToolTipText, black);
        pal.setColor(group, QPalette::PlaceholderText, grey);
    }
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        pal.setColor(QPalette::Disabled, role, grey);
    pal.setColor(QPalette::Disabled, QPalette::Base, face);
    return pal;
}

QFont PixelFont(const QString& family, int pixelHeight, bool bold)
{
    QFont f(StandInFamily(family));
    f.setPixelSize(pixelHeight);
    f.setBold(bold);
    return f;
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
    QApplication::setPalette(ClassicPalette());
    // Small text unsmoothed, as the classic fonts were and as the canvas
    // draws it: Qt's own text then matches the controls', and both use one
    // loaded font.
    QApplication::setFont(TCanvas::DrawingFont(PixelFont(QStringLiteral("MS Sans Serif"), 11), qApp->devicePixelRatio()));
}

} // namespace quindle

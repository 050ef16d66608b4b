// The .ui route: stored properties reach the label in their stored order.
#include "widgets/ShadowLbl.h"

#include "paint/Look.h"
#include "ui_ShadowLblForm.h"

#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <gtest/gtest.h>

using namespace quindle;

TEST(ShadowLabelForm, StoredPropertiesArrive)
{
    QWidget form;
    Ui::ShadowLblForm ui;
    ui.setupUi(&form);
    ApplyFontHeights(&form);

    // Fitted after caption and font: five 13-pixel lines, the left edge kept.
    EXPECT_EQ(ui.ShadowLabel5->geometry().topLeft(), QPoint(5, 9));
    EXPECT_EQ(ui.ShadowLabel5->height(), 65);
    EXPECT_EQ(ui.ShadowLabel5->font().pixelSize(), 11);
    EXPECT_FALSE(ui.ShadowLabel5->ParentFont());
    EXPECT_EQ(ui.ShadowLabel5->Caption().count('\n'), 4);
    EXPECT_EQ(ui.ShadowLabel5->Hint(), QString("Horizontal"));
    EXPECT_TRUE(ui.ShadowLabel5->ShowHint());
    form.show();
    const QPoint at = ui.ShadowLabel5->mapToGlobal(QPoint(2, 2));
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), at);
    QApplication::sendEvent(ui.ShadowLabel5, &help);
    EXPECT_EQ(QToolTip::text(), QString("Horizontal"));
    QToolTip::hideText();

    EXPECT_EQ(ui.ShadowLabel1->FontColor(), clBlue);
    EXPECT_EQ(ui.ShadowLabel1->font().pixelSize(), 48);
    EXPECT_GT(ui.ShadowLabel1->height(), 2 * 48);

    TShadowLabel* l = ui.ShadowLabel9;
    EXPECT_EQ(l->Alignment(), TShadowLabel::taRightJustify);
    EXPECT_EQ(l->Layout(), TShadowLabel::tlCenter);
    EXPECT_EQ(l->ShadowPos(), TShadowLabel::spRightBottom);
    EXPECT_EQ(l->ShadowColor(), clBtnFace);
    EXPECT_EQ(l->ShadowSize(), 2);
    EXPECT_EQ(l->Color(), clRed);
    EXPECT_FALSE(l->ParentColor());
    EXPECT_TRUE(l->Transparent());
    EXPECT_TRUE(l->WordWrap());
    EXPECT_FALSE(l->AutoSize());
    EXPECT_EQ(l->geometry(), QRect(300, 44, 31, 26));  // AutoSize off before the caption
    EXPECT_FALSE(l->ShowHint());  // nothing above it shows hints
}

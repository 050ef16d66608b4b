// The .ui route: stored properties arrive in their order, and the key-down
// connection made by name passes the key by reference.
#include "widgets/NumSpin.h"

#include "ui_NumSpinForm.h"

#include <QtTest/QTest>
#include <gtest/gtest.h>

using namespace quindle;

namespace {

class TForm : public QWidget {
    Q_OBJECT
public:
    QList<int> Keys;
    QString TextSeen;

public slots:
    void FormKeyDown(int& key, Qt::KeyboardModifiers)
    {
        Keys << key;
        TextSeen = findChild<TNumSpinEdit*>("NumSpinEdit1")->text();
        if (key == Qt::Key_Down)
            key = Qt::Key_Up;
    }
};

TEST(NumSpinForm, StoredPropertiesArrive)
{
    TForm form;
    Ui::NumSpinForm ui;
    ui.setupUi(&form);
    form.show();

    TNumSpinEdit* e = ui.NumSpinEdit1;
    EXPECT_FALSE(e->isVisible());
    EXPECT_EQ(e->geometry(), QRect(357, 180, 39, 21));
    EXPECT_EQ(e->Decimal(), 0);
    EXPECT_FALSE(e->EditorEnabled());
    EXPECT_EQ(e->MaxValue(), 14);
    EXPECT_EQ(e->MinValue(), 1);
    EXPECT_EQ(e->text(), QString("1"));  // written after both bounds
    EXPECT_EQ(e->Increment(), 1);
    EXPECT_TRUE(e->ArrowKeys());
    EXPECT_TRUE(e->AutoSelect());
    EXPECT_FALSE(e->isReadOnly());

    TNumSpinEdit* f = ui.NumSpinEdit2;
    EXPECT_EQ(f->Increment(), 5);
    EXPECT_FALSE(f->ArrowKeys());
    EXPECT_FALSE(f->AutoSelect());
    EXPECT_TRUE(f->isReadOnly());
    EXPECT_EQ(f->Alignment(), TNumSpinEdit::taRightJustify);
    EXPECT_TRUE(f->alignment() & Qt::AlignRight);
    EXPECT_EQ(f->ValueType(), TNumSpinEdit::vtFloat);

    e->show();
    e->setFocus();
    QTest::keyClick(e, Qt::Key_Down);  // turned into Up by the slot, before the step
    EXPECT_EQ(form.Keys, QList<int>{Qt::Key_Down});
    EXPECT_EQ(form.TextSeen, QString("1"));
    EXPECT_EQ(e->text(), QString("2"));
}

} // namespace

#include "NumSpinFormTest.moc"

// The credits dialog: its text column, its banner and how it scrolls.
#include "controls/FlatScrollBar.h"
#include "dialogs/Unit2.h"
#include "paint/JpegDecoder.h"
#include "tests/support/TestSupport.h"
#include "widgets/OvalBtn.h"
#include "widgets/ShadowLbl.h"

#include <QApplication>
#include <QLabel>
#include <QScrollArea>
#include <QFile>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <map>

using namespace quindle;
using quindle::test::WhenModal;

namespace {

QStringList Lines(const TShadowLabel* label)
{
    return label->Caption().split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
}

bool IsDots(const QString& line) { return QRegularExpression(QStringLiteral("^\\.{24,30}$")).match(line).hasMatch(); }

// Counts the paint events of one window and its children, by receiver.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* window) : FWindow(window) { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* w = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && w && (w == FWindow || FWindow->isAncestorOf(w)))
            ++Painted[w];
        return false;
    }
    std::map<QWidget*, int> Painted;

private:
    QWidget* FWindow;
};

class CreditsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FDialog = std::make_unique<TOKRightDlg>();
        ASSERT_EQ(FDialog->Timer1->interval(), 50);
    }
    template <typename T>
    T* Control(const char* name)
    {
        return test::Named<T>(FDialog.get(), name);
    }
    // Shows the dialog modally and runs `inside` once it is up and activated;
    // unless `ticking`, the timer is stopped first and the test ticks by hand.
    void Show(std::function<void()> inside, bool ticking = false)
    {
        // Started as the dialog shows, the timer must not tick on a slow
        // machine before `inside` can stop it.
        if (!ticking)
            FDialog->Timer1->setInterval(kNever);
        WhenModal(FDialog.get(), [this, inside, ticking](QWidget*) {
            if (!ticking)
                FDialog->Timer1->stop();
            QCoreApplication::processEvents();
            inside();
        });
        FDialog->ShowModal();
        FDialog->Timer1->setInterval(50);
    }
    static constexpr int kNever = 24 * 60 * 60 * 1000;
    // Ticks until the direction flag turns to `sube`; returns the ticks taken.
    int TickUntil(bool sube)
    {
        int ticks = 0;
        while (FDialog->Sube != sube && ticks < 10000) {
            FDialog->Timer1Timer();
            ++ticks;
        }
        return ticks;
    }

    std::unique_ptr<TOKRightDlg> FDialog;
};

TEST_F(CreditsTest, TheTextColumn)
{
    const QStringList one = Lines(Control<quindle::TShadowLabel>("ShadowLabel1")), two = Lines(Control<quindle::TShadowLabel>("ShadowLabel2")), three = Lines(Control<quindle::TShadowLabel>("ShadowLabel3"));
    ASSERT_EQ(one.size(), 50);
    ASSERT_EQ(two.size(), 49);
    ASSERT_EQ(three.size(), 21);
    // 13-pixel lines, one label below the other; the range ends with the last.
    EXPECT_EQ(Control<quindle::TShadowLabel>("ShadowLabel1")->geometry(), QRect(24, 112, Control<quindle::TShadowLabel>("ShadowLabel1")->width(), 650));
    EXPECT_EQ(Control<quindle::TShadowLabel>("ShadowLabel2")->geometry().topLeft(), QPoint(21, 769));
    EXPECT_EQ(Control<quindle::TShadowLabel>("ShadowLabel2")->height(), 637);
    EXPECT_EQ(Control<quindle::TShadowLabel>("ShadowLabel3")->geometry(), QRect(18, 1397, Control<quindle::TShadowLabel>("ShadowLabel3")->width(), 273));
    EXPECT_EQ(FDialog->Range(), 1670);

    EXPECT_EQ(one.mid(0, 9), QStringList({"Quindle", "", one[2], "", "Freeware...........", "", "", "Games", ""}));
    EXPECT_FALSE(one[2].trimmed().isEmpty());

    // Blocks of four lines of numbers, a title and a dotted line: the first
    // four titles stand above their dotted line, the later ones below.
    int block = 0;
    auto blocks = [&block](const QStringList& lines, qsizetype from, const QStringList& titles) {
        for (const QString& title : titles) {
            const bool titleFirst = block++ < 4;
            const qsizetype at = lines.indexOf(title, from);
            ASSERT_EQ(at, from + (titleFirst ? 4 : 5)) << title.toStdString();
            EXPECT_TRUE(IsDots(lines[titleFirst ? at + 1 : at - 1])) << title.toStdString();
            from = at + (titleFirst ? 3 : 2);
        }
    };
    blocks(one, 9, {"Horizontal", "Vertical", "Caracol", "Escalonada", "Escalonada Abajo-H",
                    "Escalonada Arriba- Abajo"});
    blocks(two, 0, {"El imposible", "Vertical Inversa", "Escalonada #3", "escalonada #4", "Caracol #2",
                    "Vertical #2", "Serpiente "});
    blocks(three, 0, {"Serpiente #2", "Serpiente #3"});
    EXPECT_EQ(one.last(), "Escalonada Arriba- Abajo");
    EXPECT_EQ(two[47], "Serpiente ");
    EXPECT_TRUE(two.last().trimmed().isEmpty());
    EXPECT_FALSE(two.last().isEmpty());
    EXPECT_EQ(three.mid(13), QStringList({"", "", "", "", "", "Try \"Alt+SWISH\"", "", three.last()}));
    EXPECT_TRUE(IsDots(three.last()));
}

TEST_F(CreditsTest, ScrollsDownTurnsAtRangeLess200AndComesBack)
{
    // Laid out once asked, though never shown: 181 pixels in view, the rest in range.
    QScrollBar* bar = Control<QScrollArea>("ScrollBox1")->verticalScrollBar();
    const int range = FDialog->Range();
    EXPECT_EQ(Control<QScrollArea>("ScrollBox1")->viewport()->height(), 181);
    EXPECT_EQ(bar->maximum(), range - 181);
    EXPECT_EQ(bar->width(), 1);

    EXPECT_FALSE(FDialog->Sube);
    FDialog->Timer1Timer();  // the first tick finds the position at the top
    EXPECT_EQ(FDialog->Position(), 0);
    EXPECT_TRUE(FDialog->Sube);

    EXPECT_EQ(TickUntil(false), FDialog->Range() - 200);
    EXPECT_EQ(FDialog->Position(), FDialog->Range() - 200);
    FDialog->Timer1Timer();
    EXPECT_EQ(FDialog->Position(), FDialog->Range() - 201);
    EXPECT_EQ(TickUntil(true), FDialog->Range() - 201);
    EXPECT_EQ(FDialog->Position(), 0);
    FDialog->Timer1Timer();
    EXPECT_EQ(FDialog->Position(), 1);
    EXPECT_TRUE(FDialog->Sube);
}

TEST_F(CreditsTest, EachShowingStartsAtTheTopAndOkOrTheCloseBoxHidesIt)
{
    TickUntil(true);
    TickUntil(false);
    for (int i = 0; i < 30; ++i)
        FDialog->Timer1Timer();
    ASSERT_GT(FDialog->Position(), 1000);
    // Closed by the close box, then at once opened again and closed by OK.
    for (bool byOk : {false, true}) {
        int position = -1;
        bool sube = false, hidden = false;
        Show([&] {
            position = FDialog->Position();
            sube = FDialog->Sube;
            if (byOk)
                test::Click(Control<quindle::TOvalButton>("OvalButton1"));
            else
                FDialog->close();
            hidden = !FDialog->isVisible();
        });
        EXPECT_EQ(position, 0);
        EXPECT_TRUE(sube);
        EXPECT_TRUE(hidden);
        FDialog->Sube = false;
        for (int i = 0; i < 5; ++i)
            FDialog->Timer1Timer();
    }
}

TEST_F(CreditsTest, TheTimerRunsOnlyWhileShownAndEachShowingStartsAtTheTopMovingDown)
{
    EXPECT_FALSE(FDialog->Timer1->isActive());
    // Wherever hand ticks left it, and whichever way it was moving, the
    // timer's own ticks start at the top and go down.
    for (int ticks : {0, 1, 700, 1490, 2000}) {
        for (int i = 0; i < ticks; ++i)
            FDialog->Timer1Timer();
        bool active = false;
        QList<int> seen;
        Show(
            [&] {
                active = FDialog->Timer1->isActive();
                seen << FDialog->Position();
                EXPECT_TRUE(QTest::qWaitFor([&] { return FDialog->Position() >= seen[0] + 3; }, 5000));
                seen << FDialog->Position();
                FDialog->OKBtnClick();
            },
            true);
        EXPECT_TRUE(active) << ticks;
        ASSERT_EQ(seen.size(), 2);
        // At the top, moving down, not back up from the far end: a busy
        // machine may tick a few times before the check looks.
        EXPECT_LT(seen[0], 100) << ticks;
        EXPECT_GT(seen[1], seen[0]) << ticks;
        EXPECT_TRUE(FDialog->Sube) << ticks;
        EXPECT_FALSE(FDialog->Timer1->isActive()) << ticks;
    }
}

TEST_F(CreditsTest, HiddenTicksPaintNothingShownTicksOnlyTheBoxContents)
{
    auto* bar = static_cast<TFlatScrollBar*>(Control<QScrollArea>("ScrollBox1")->verticalScrollBar());
    QWidget* viewport = Control<QScrollArea>("ScrollBox1")->viewport();
    std::map<QWidget*, int> shownPaints;
    int thumbMoves = 0;
    Show([&] {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
        PaintCounter counter(FDialog.get());
        for (int i = 0; i < 40; ++i) {
            const QRect thumb = bar->ThumbRect();
            FDialog->Timer1Timer();
            QCoreApplication::processEvents();
            thumbMoves += bar->ThumbRect() != thumb;
        }
        shownPaints = counter.Painted;
        FDialog->OKBtnClick();
    });
    EXPECT_EQ(FDialog->Position(), 40);
    EXPECT_GT(shownPaints[Control<QScrollArea>("ScrollBox1")->widget()], 0);
    // The thumb moves now and then; its one-pixel bar repaints only then.
    EXPECT_GT(thumbMoves, 0);
    EXPECT_EQ(shownPaints[bar], thumbMoves);
    for (const auto& [w, count] : shownPaints)
        EXPECT_TRUE(w == bar || viewport->isAncestorOf(w)) << w->metaObject()->className();

    PaintCounter counter(FDialog.get());
    for (int i = 0; i < 20; ++i)
        FDialog->Timer1Timer();
    QCoreApplication::processEvents();
    EXPECT_EQ(FDialog->Position(), 60);
    EXPECT_TRUE(counter.Painted.empty());
}

TEST_F(CreditsTest, TheBannerIsDecodedAndShownAcrossTheTop)
{
    QFile file(QStringLiteral(":/banner.jpg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QImage banner = DecodeJpeg(file.readAll());
    ASSERT_FALSE(banner.isNull());
    EXPECT_EQ(Control<QLabel>("Image2")->geometry(), QRect(0, 0, 192, 86));
    EXPECT_TRUE(Control<QLabel>("Image2")->hasScaledContents());
    EXPECT_FALSE(Control<QLabel>("Image2")->toolTip().isEmpty());
    // Decoded when first shown, not at start-up.
    EXPECT_TRUE(Control<QLabel>("Image2")->pixmap().isNull());
    QImage shown;
    Show([&] {
        shown = Control<QLabel>("Image2")->pixmap().toImage();
        FDialog->OKBtnClick();
    });
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32), banner.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(Control<QLabel>("Image2")->geometry(), QRect(0, 0, 192, 86));

    // A banner given before the first showing is kept.
    FDialog = std::make_unique<TOKRightDlg>();
    FDialog->LoadBanner("not a picture");
    Show([&] { FDialog->OKBtnClick(); });
    EXPECT_TRUE(Control<QLabel>("Image2")->pixmap().isNull());
}

} // namespace

#pragma once

#include "app/Application.h"
#include "app/Unit1.h"
#include "controls/SpeedButton.h"
#include "tests/support/RecordingCues.h"
#include "tests/support/TestSupport.h"

#include <QAbstractButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

// A fresh set of the game's windows for each test, run in a scratch
// current directory (no cues, no clip unless the test puts them there),
// with the cues recorded.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FDir.Valid());
        quindle::SetUpApplication();
        quindle::CreateForms();
        // The tests tick the clock by hand; a real tick on a slow machine
        // would add a second they do not expect.
        Clock()->stop();
        quindle::Main->show();
        QApplication::setActiveWindow(quindle::Main);
    }
    void TearDown() override
    {
        quindle::Main->Saliendo = true;
        delete quindle::Main;
        quindle::Main = nullptr;
    }

    QTimer* Clock() { return quindle::Main->findChild<QTimer*>(QStringLiteral("Timer1")); }
    template <typename T>
    T* Control(const char* name) const
    {
        return quindle::test::Named<T>(quindle::Main, name);
    }
    QAbstractButton* TileButton(int n) { return quindle::Main->findChild<QAbstractButton*>(QStringLiteral("SpeedButton%1").arg(n)); }
    QString Tile(int n) { return TileButton(n)->text(); }
    void ClickTile(int n) { quindle::test::Click(TileButton(n)); }
    void CopyClip() { ASSERT_TRUE(FDir.CopyAsset(QStringLiteral("cool.avi"))); }

    quindle::test::TempCurrentDir FDir;
    quindle::test::RecordingCues FCues;
};

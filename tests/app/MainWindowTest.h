#pragma once

#include "app/Application.h"
#include "app/Unit1.h"
#include "tests/support/RecordingCues.h"
#include "ui_Unit1.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

// A fresh set of the game's windows for each test, run in a scratch
// current directory (no cues, no clip unless the test puts them there),
// with the cues recorded.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FDir.isValid());
        FOldDir = QDir::currentPath();
        QDir::setCurrent(FDir.path());
        SetUpApplication();
        CreateForms();
        Main->show();
        QApplication::setActiveWindow(Main);
    }
    void TearDown() override
    {
        Main->Saliendo = true;
        delete Main;
        Main = nullptr;
        QDir::setCurrent(FOldDir);
    }

    Ui::TMain& ui() { return Main->Controls(); }
    QAbstractButton* TileButton(int n) { return Main->findChild<QAbstractButton*>(QStringLiteral("SpeedButton%1").arg(n)); }
    QString Tile(int n) { return TileButton(n)->text(); }
    void ClickTile(int n) { QTest::mouseClick(TileButton(n), Qt::LeftButton); }
    void CopyClip() { ASSERT_TRUE(QFile::copy(QStringLiteral(QUINDLE_ASSETS_DIR "/cool.avi"), "cool.avi")); }

    quindle::test::RecordingCues FCues;
    QTemporaryDir FDir;
    QString FOldDir;
};

// Test main for everything that needs a QApplication: the offscreen
// platform, the game's look (style, palette, fonts) and its pictures.
#include "platform/ClipLoader.h"
#include "platform/CuePlayer.h"
#include "platform/Look.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    quindle::InitLook();
    quindle::SetClipModulePath(QStringLiteral(QUINDLE_CLIP_MODULE));
    quindle::SetCueHelperPath(QStringLiteral(QUINDLE_CUE_HELPER));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include "app/Application.h"
#include "app/DataFolder.h"
#include "app/DisplayCheck.h"
#include "app/Unit1.h"
#include "paint/PooledThreads.h"
#include "shell/DesktopScheme.h"
#include "sound/CuePlayer.h"

#include <optional>

#include <QtGlobal>

int main(int argc, char* argv[])
{
    // The clock repaints two small labels every second. On X11, an upload
    // through shared memory makes the next paint wait for a reply from the
    // server; a plain upload of so few pixels costs less than that wake-up.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    // Declared first, so it ends last: the sound thread and process are
    // gone before the application and its libraries are torn down.
    const quindle::TCuePlayerScope sound;
    int result = 0;
    {
        // Qt aborts when it finds no display; a player gets one line instead.
        std::optional<quindle::TDisplayCheck> display(std::in_place);
        // The game reads no command line: Qt's own options (-reverse,
        // -style, -stylesheet...) must not change its look or direction.
        int qtArgc = argc > 0 ? 1 : 0;
        quindle::TApplication app(qtArgc, argv);
        display.reset();
        quindle::EnterDataFolder(QCoreApplication::applicationDirPath(), QStringLiteral(QUINDLE_DATADIR_FROM_BIN));
        quindle::CreateForms();
        quindle::Main->show();
        quindle::TDesktopScheme desktop;
        desktop.Follow();
        result = app.exec();
        delete quindle::Main;  // the dialogs go with it
    }
    quindle::AwaitPooledThreadsEnded();
    return result;
}

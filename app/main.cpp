#include "app/Application.h"
#include "app/DataFolder.h"
#include "app/Unit1.h"

#include <QtGlobal>

int main(int argc, char* argv[])
{
    // The clock repaints two small labels every second. On X11, an upload
    // through shared memory makes the next paint wait for a reply from the
    // server; a plain upload of so few pixels costs less than that wake-up.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    TApplication app(argc, argv);
    EnterDataFolder(QCoreApplication::applicationDirPath(), QStringLiteral(QUINDLE_DATADIR_FROM_BIN));
    CreateForms();
    Main->show();
    const int result = app.exec();
    delete Main;  // the dialogs go with it
    return result;
}

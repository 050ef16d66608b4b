#include "app/Application.h"
#include "app/DataFolder.h"
#include "app/Unit1.h"

int main(int argc, char* argv[])
{
    TApplication app(argc, argv);
    EnterDataFolder(QCoreApplication::applicationDirPath(), QStringLiteral(QUINDLE_DATADIR_FROM_BIN));
    CreateForms();
    Main->show();
    const int result = app.exec();
    delete Main;  // the dialogs go with it
    return result;
}

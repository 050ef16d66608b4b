#include "app/Application.h"
#include "app/Unit1.h"

int main(int argc, char* argv[])
{
    TApplication app(argc, argv);
    CreateForms();
    Main->show();
    const int result = app.exec();
    delete Main;  // the dialogs go with it
    return result;
}

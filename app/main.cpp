#include "app/Application.h"
#include "app/DisplayCheck.h"
#include "app/Unit1.h"
#include "platform/CuePlayer.h"

#include <cstdio>

int main(int argc, char* argv[])
{
    // Qt aborts when it finds no display; a player gets one line instead.
    if (const std::string problem = DisplayProblem(); !problem.empty()) {
        std::fprintf(stderr, "quindle: %s\n", problem.c_str());
        return 1;
    }
    // Declared first, so it ends last: the sound thread and process are
    // gone before the application and its libraries are torn down.
    const quindle::TCuePlayerScope sound;
    TApplication app(argc, argv);
    CreateForms();
    Main->show();
    const int result = app.exec();
    delete Main;  // the dialogs go with it
    return result;
}

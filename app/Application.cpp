#include "app/Application.h"

#include "app/Unit1.h"
#include "dialogs/Unit2.h"
#include "dialogs/Unit3.h"
#include "dialogs/Unit4.h"
#include "paint/Look.h"

#include <QIcon>

namespace quindle {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) { SetUpApplication(); }

void SetUpApplication()
{
    // The program's name in the task list; window captions are their own.
    QApplication::setApplicationName(QStringLiteral("Quindle..."));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quindle.quindle"));
    InitLook();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/quindle.png")));
}

void CreateForms()
{
    Main = new TMain;
    OKRightDlg = new TOKRightDlg(Main);
    Ganador = new TGanador(Main);
    Ganador->setGame(&Main->Board());
    OKBottomDlg = new TOKBottomDlg(Main);
}

} // namespace quindle

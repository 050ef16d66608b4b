#pragma once

#include <QApplication>

namespace quindle {

// The application object. An error is reported in the error box by the
// handler it ends (see Guarded), never let out through Qt's event
// or signal delivery, which cannot unwind safely.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);
};

// The application title, the icon and the classic look; TApplication
// does this when it starts.
void SetUpApplication();

// Creates the four windows once, in this order: main window, credits,
// winner, confirmation. The dialogs belong to the main window.
void CreateForms();

} // namespace quindle

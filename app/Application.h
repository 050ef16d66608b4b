#pragma once

#include <QApplication>

// The application object: an exception that escapes an event handler is
// reported in the error box and the event loop carries on.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

// The application title, the icon and the classic look; TApplication
// does this when it starts.
void SetUpApplication();

// Creates the four windows once, in this order: main window, credits,
// winner, confirmation. The dialogs belong to the main window.
void CreateForms();

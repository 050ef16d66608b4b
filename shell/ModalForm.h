#pragma once

// The base of the game's dialog windows.

#include <QDialog>

namespace quindle {

// A dialog window of the classic kind: fixed size with only a close box,
// centred on the screen the first time it is shown and reopened where the
// player left it, hidden (not destroyed) when closed. Enter and Escape do
// nothing unless a subclass says otherwise. Its answer, the modal result, is
// mrCancel when it is closed any way other than through a handler.
class TModalForm : public QDialog {
    Q_OBJECT
public:
    enum { mrNone = 0, mrOk = 1, mrCancel = 2 };

    explicit TModalForm(QWidget* parent = nullptr);

    // Shows the dialog modally, runs FormActivate once it is visible, and
    // returns its modal result.
    int ShowModal();
    // A non-zero result ends the modal loop and hides the dialog.
    void setModalResult(int result);

    // Call after the layout is loaded: fixes the client size and applies
    // the layout's pixel font heights.
    void FinishLayout();

protected:
    // Each time the dialog is shown, once it is visible and before the
    // player can act in it. An error it raises is reported and the dialog
    // stays open.
    virtual void FormActivate() {}

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

public slots:
    void reject() override;

private:
    bool FPlaced = false;
};

} // namespace quindle

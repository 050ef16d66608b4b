#pragma once

#include "shell/ModalForm.h"

#include <QByteArray>

#include <memory>

class QTimer;

namespace quindle {

namespace Ui {
class TOKRightDlg;
}

// The credits dialog: a banner and a tall column of text that scrolls by
// itself, down and back up. Each showing starts from the top moving down, so
// the scroll timer runs only while the dialog is shown: ticks while hidden
// could never be seen.
class TOKRightDlg : public TModalForm {
    Q_OBJECT
public:
    explicit TOKRightDlg(QWidget* parent = nullptr);
    ~TOKRightDlg() override;

    // Shows a JPEG picture as the banner; a picture that does not decode
    // leaves the banner empty. Unless called first, the first showing loads
    // the game's own banner.
    void LoadBanner(const QByteArray& jpeg);

    // The scroll position from the top, 0 .. Range() less the visible height.
    int Position() const;
    // The height of the scrolled contents: the bottom of the last label.
    // Lays the contents out first if nothing has yet.
    int Range();

    // True while the view moves down through the text.
    bool Sube = false;
    QTimer* Timer1 = nullptr;

public slots:
    void OKBtnClick();
    void Timer1Timer();

protected:
    void FormActivate() override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // The labels fit their texts and the contents end below the last, on
    // the first showing, tick or question about the range: a dialog made at
    // start-up and never opened measures nothing.
    void LayOutOnce();
    void FitContents();

    bool FLaidOut = false;

    // The scroll position, kept here while the dialog is hidden.
    int FPosition = 0;

    std::unique_ptr<Ui::TOKRightDlg> ui;
    bool FBannerPending = true;
};

extern TOKRightDlg* OKRightDlg;

} // namespace quindle

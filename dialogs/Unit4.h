#pragma once

#include "shell/ModalForm.h"

#include <memory>

namespace quindle {

namespace Ui {
class TOKBottomDlg;
}

// The confirmation dialog: "Are you sure..." before a new deal and before
// leaving. Answers mrOk (1) or mrCancel (2).
class TOKBottomDlg : public TModalForm {
    Q_OBJECT
public:
    explicit TOKBottomDlg(QWidget* parent = nullptr);
    ~TOKBottomDlg() override;

public slots:
    void OKBtnClick();
    void CancelBtnClick();

protected:
    // O or Y answers OK, C or N answers Cancel.
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<Ui::TOKBottomDlg> ui;
};

extern TOKBottomDlg* OKBottomDlg;

} // namespace quindle

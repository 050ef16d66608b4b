#include "dialogs/Unit4.h"

#include "ui_Unit4.h"

TOKBottomDlg* OKBottomDlg = nullptr;

TOKBottomDlg::TOKBottomDlg(QWidget* parent) : TModalForm(parent), ui(std::make_unique<Ui::TOKBottomDlg>())
{
    ui->setupUi(this);
    FinishLayout();
}

TOKBottomDlg::~TOKBottomDlg() = default;

void TOKBottomDlg::OKBtnClick() { SetModalResult(mrOk); }

void TOKBottomDlg::CancelBtnClick()
{
    SetModalResult(mrNone);
    close();  // a modal dialog closed this way answers mrCancel
}

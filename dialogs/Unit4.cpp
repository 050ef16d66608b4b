#include "dialogs/Unit4.h"

#include "controls/Keys.h"
#include "ui_Unit4.h"

#include <QKeyEvent>

namespace quindle {

TOKBottomDlg* OKBottomDlg = nullptr;

TOKBottomDlg::TOKBottomDlg(QWidget* parent) : TModalForm(parent), ui(std::make_unique<Ui::TOKBottomDlg>())
{
    ui->setupUi(this);
    FinishLayout();
}

TOKBottomDlg::~TOKBottomDlg() = default;

void TOKBottomDlg::OKBtnClick() { setModalResult(mrOk); }

void TOKBottomDlg::CancelBtnClick()
{
    setModalResult(mrNone);
    close();  // a modal dialog closed this way answers mrCancel
}

void TOKBottomDlg::keyPressEvent(QKeyEvent* event)
{
    if (IsPlainKey(event->modifiers())) {
        switch (LetterKey(*event)) {
        case Qt::Key_O:
        case Qt::Key_Y:
            OKBtnClick();
            return;
        case Qt::Key_C:
        case Qt::Key_N:
            CancelBtnClick();
            return;
        default:
            break;
        }
    }
    TModalForm::keyPressEvent(event);
}

} // namespace quindle

#include "platform/ModalForm.h"

#include "platform/ErrorBox.h"
#include "platform/GraphicControl.h"
#include "platform/Look.h"

#include <QKeyEvent>
#include <QScreen>
#include <QTimer>

TModalForm::TModalForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
{
}

void TModalForm::FinishLayout()
{
    quindle::ApplyFontHeights(this);
    setFixedSize(size());
}

int TModalForm::ShowModal() { return exec(); }

void TModalForm::SetModalResult(int result)
{
    setResult(result);
    if (result != mrNone)
        done(result);
}

void TModalForm::reject() { done(mrCancel); }

void TModalForm::keyPressEvent(QKeyEvent* event)
{
    // Neither button is a default or cancel button.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Enter:
    case Qt::Key_Return:
        event->accept();
        return;
    default:
        // A typed character goes to the mnemonics of the dialog's controls.
        if (!event->text().isEmpty() && OfferDialogChar(this, event->text().front()))
            return;
        QDialog::keyPressEvent(event);
    }
}

void TModalForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!FPlaced) {
        FPlaced = true;
        if (const QScreen* s = screen()) {
            const QRect area = s->geometry();
            const QSize outer = frameGeometry().size();
            move(area.left() + std::max(0, (area.width() - outer.width()) / 2),
                 area.top() + std::max(0, (area.height() - outer.height()) / 2));
        }
    }
    // Runs at the start of the modal loop, so an error it reports shows
    // over the dialog and the dialog still opens.
    QTimer::singleShot(0, this, [this] { quindle::Guarded([this] { FormActivate(); }); });
}

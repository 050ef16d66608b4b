#include "shell/ModalForm.h"

#include "controls/ErrorBox.h"
#include "controls/GraphicControl.h"
#include "controls/Keys.h"
#include "paint/Look.h"
#include "shell/Placement.h"
#include "shell/TitleBar.h"
#include "shell/WindowFrame.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QShowEvent>

namespace quindle {

namespace {
QMargins FrameMargins(const QWidget* window)
{
    const QRect inner = window->geometry(), outer = window->frameGeometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}
}

TModalForm::TModalForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
{
}

void TModalForm::FinishLayout()
{
    ApplyFontHeights(this);
    UseOwnTitleBarIfClientDrawn(this);
    setFixedSize(size());
}

int TModalForm::ShowModal()
{
    setWindowModality(Qt::ApplicationModal);
    show();
    // Visible now and before the modal loop: an error it reports shows over
    // the dialog, and the dialog still opens.
    Guarded([this] { FormActivate(); });
    if (!isVisible())
        return result();  // closed while the error box was up
    return exec();
}

void TModalForm::setModalResult(int result)
{
    setResult(result);
    if (result != mrNone)
        done(result);
}

void TModalForm::reject() { done(mrCancel); }

void TModalForm::keyPressEvent(QKeyEvent* event)
{
    if (IsCloseShortcut(event->key(), event->modifiers())) {
        close();  // as the close box does
        return;
    }
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
    if (event->spontaneous())
        return;
    CloseBoxOnly(this);
    if (FPlaced) {
        // Reopened where the player left it; the frame is known by now.
        // Not where its title bar would be out of reach (a monitor gone).
        const QRect outer = frameGeometry();
        const QRect titleBar(outer.left(), outer.top(), outer.width(), geometry().top() - outer.top());
        QList<QRect> monitors;
        for (const QScreen* m : QGuiApplication::screens())
            monitors.append(m->geometry());
        if (OnSomeMonitor(titleBar.isEmpty() ? outer : titleBar, monitors)) {
            PlaceFrame(this, outer.topLeft());
            return;
        }
    }
    FPlaced = true;
    // On the monitor that holds the main window's centre.
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    const QScreen* s = owner ? QGuiApplication::screenAt(owner->frameGeometry().center()) : nullptr;
    if (!s)
        s = screen();
    if (!s)
        return;
    // Centred by its outer size. The window manager frames the dialog only
    // once it is mapped; until then the main window's frame is the best guess.
    QMargins frame = FrameMargins(this);
    if (frame.isNull() && owner)
        frame = FrameMargins(owner);
    PlaceFrame(this, CentreOnMonitor(size().grownBy(frame), s->geometry()));
}

} // namespace quindle

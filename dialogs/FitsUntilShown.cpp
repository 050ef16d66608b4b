#include "dialogs/FitsUntilShown.h"

#include <QEvent>
#include <QWidget>

namespace quindle {

TFitsUntilShown::TFitsUntilShown(QWidget* dialog) : QObject(dialog)
{
    FFits.emplace(dialog);
    dialog->installEventFilter(this);
}

TFitsUntilShown::~TFitsUntilShown()
{
    if (FFits)
        FFits->Discard();  // never shown: the labels go with the dialog
}

void TFitsUntilShown::Release()
{
    if (!FFits)
        return;
    FFits.reset();
    parent()->removeEventFilter(this);
    deleteLater();
}

bool TFitsUntilShown::eventFilter(QObject*, QEvent* event)
{
    // Before the dialog's own show handling, its layout and its first paint.
    if (event->type() == QEvent::Show)
        Release();
    return false;
}

} // namespace quindle

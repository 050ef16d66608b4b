#include "dialogs/Unit3.h"

#include "core/Board.h"
#include "core/Patterns.h"
#include "ui_Unit3.h"

#include <QAccessible>

namespace quindle {

TGanador* Ganador = nullptr;

TGanador::TGanador(QWidget* parent) : TModalForm(parent), ui(std::make_unique<Ui::TGanador>())
{
    ui->setupUi(this);
    FinishLayout();
}

TGanador::~TGanador() = default;

void TGanador::FormActivate()
{
    if (!FBoard)
        return;
    ui->ShadowLabel2->setCaption(QString::number(FBoard->Segundos()) + QStringLiteral(" Secons  ") +
                                 QString::number(FBoard->Movimientos()) + QStringLiteral(" Moves"));
    ui->Animate1->setActive(true);  // an unreadable clip raises here and the mode line stays
    ui->ShadowLabel3->setCaption(QString::fromUtf8(Modos(FBoard->Tag())));
}

void TGanador::OKBtnClick()
{
    ui->Animate1->setActive(false);
    close();
}

bool TGanador::event(QEvent* event)
{
    // Nothing here takes the focus, and screen readers read only the longer
    // texts of a dialog on their own; pointing them at the mode name once the
    // dialog is active has it read right after them.
    if (event->type() == QEvent::WindowActivate)
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!isActiveWindow())
                    return;
                QAccessibleEvent focus(ui->ShadowLabel3, QAccessible::Focus);
                QAccessible::updateAccessibility(&focus);
            },
            Qt::QueuedConnection);
    return TModalForm::event(event);
}

} // namespace quindle

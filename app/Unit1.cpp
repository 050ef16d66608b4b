#include "app/Unit1.h"

#include "core/Patterns.h"
#include "dialogs/Unit2.h"
#include "dialogs/Unit3.h"
#include "dialogs/Unit4.h"
#include "sound/CuePlayer.h"
#include "controls/ErrorBox.h"
#include "controls/GraphicControl.h"
#include "controls/Keys.h"
#include "paint/Look.h"
#include "shell/ModalForm.h"
#include "app/LocaleTime.h"
#include "shell/TitleBar.h"
#include "shell/WindowFrame.h"
#include "widgets/ShadowLbl.h"
#include "ui_Unit1.h"

#include <QAccessible>
#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QShowEvent>
#include <QLayout>
#include <QScreen>
#include <QTime>
#include <QTimer>

#include <cstring>

namespace quindle {

TMain* Main = nullptr;

namespace {
constexpr int ShortClientHeight = 335;
constexpr int TallClientHeight = 420;
constexpr char AccessCode[] = "SWISH";
// Where the layout puts the window, frame included.
constexpr QPoint LayoutPosition(270, 129);

// Shift, Alt and Ctrl as held during a key-down; a modifier key's own press
// counts it as held, whatever the platform reports for it.
Qt::KeyboardModifiers HeldModifiers(int key, Qt::KeyboardModifiers reported)
{
    Qt::KeyboardModifiers held = reported & (Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier);
    switch (key) {
    case Qt::Key_Alt: held |= Qt::AltModifier; break;
    case Qt::Key_Shift: held |= Qt::ShiftModifier; break;
    case Qt::Key_Control: held |= Qt::ControlModifier; break;
    default: break;
    }
    return held;
}
}

TMain::TMain(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TMain>())
{
    ui->setupUi(this);
    ApplyFontHeights(this);
    move(LayoutPosition);  // setupUi only sizes a top-level window
    FTiles = {ui->SpeedButton1,  ui->SpeedButton2,  ui->SpeedButton3,  ui->SpeedButton4,
              ui->SpeedButton5,  ui->SpeedButton6,  ui->SpeedButton7,  ui->SpeedButton8,
              ui->SpeedButton9,  ui->SpeedButton10, ui->SpeedButton11, ui->SpeedButton12,
              ui->SpeedButton13, ui->SpeedButton14, ui->SpeedButton15, ui->SpeedButton16};
    // The window keeps the size of its client area; the player cannot resize it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    ui->Panel1->setFixedSize(420, TallClientHeight);
    UseOwnTitleBarIfClientDrawn(this);

    ui->NumSpinEdit1->installEventFilter(this);
    // After FormKeyDown: the selector keeps its arrows but not Start or the close key.
    connect(ui->NumSpinEdit1, &TNumSpinEdit::OnKeyDown, this, [this](int& key, Qt::KeyboardModifiers shift) {
        if (key != 0 && PlayKey(key, shift, false))
            key = 0;
    });
    connect(ui->NumSpinEdit1, &TNumSpinEdit::OnRefused, this, [] { TCuePlayer::Instance().Alert(); });
    NameForAssistiveTools();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TMain::Timer1Timer);
    Timer1->start();

    FormCreate();
}

TMain::~TMain() = default;

void TMain::NameForAssistiveTools()
{
    for (int n = 1; n <= FTiles.size(); ++n) {
        FTiles[n - 1]->setAccessibleName(QStringLiteral("blank"));
        const TCell cell = CellOfButton(n);
        FTiles[n - 1]->setAccessibleDescription(QStringLiteral("row %1, column %2").arg(cell.Row).arg(cell.Column));
    }
    ui->NumSpinEdit1->setAccessibleName(QStringLiteral("Arrangement"));
}

void TMain::FormCreate()
{
    Saliendo = false;
    setClientHeight(ShortClientHeight);
    Clave.fill(' ');
}

void TMain::setClientHeight(int height)
{
    // The examples lie below the short form: hidden there, they are not
    // measured until they first come into view.
    ui->GroupBox3->setVisible(height > ShortClientHeight);
    ui->Panel1->setFixedHeight(height);
}

int TMain::ClientHeight() const { return ui->Panel1->height(); }

void TMain::Suena(const QString& file)
{
    if (ui->Sound1->isChecked())
        TCuePlayer::Instance().Play(file);
}

void TMain::Present(const TOutcome& outcome)
{
    switch (outcome.Slide) {
    case TSlide::Accepted:
        ui->ShadowLabel4->setCaption(QStringLiteral("Moves :") + QString::number(outcome.Moves));
        Suena(QStringLiteral("ok.wav"));
        break;
    case TSlide::Refused: Suena(QStringLiteral("uhoh.wav")); break;
    case TSlide::None: break;
    }
    Redibuja();
    if (outcome.Reached)
        Gana();
}

void TMain::Redibuja()
{
    for (int n = 0; n < FTiles.size(); ++n) {
        TSpeedButton* tile = FTiles[n];
        const TCell cell = CellAtIndex(n);
        const QString caption = QString::fromStdString(Entero(FBoard.Tablero(cell.Row, cell.Column)));
        // Named first, so the caption's own change event already reads the new
        // name; every tile is rewritten on each move, only changes are announced.
        const QString name = caption.isEmpty() ? QStringLiteral("blank") : caption;
        if (tile->accessibleName() != name)
            tile->setAccessibleName(name);
        tile->setText(caption);
    }
}

void TMain::Gana()
{
    Suena(QStringLiteral("applause.wav"));
    Ganador->ShowModal();
}

void TMain::TileClick(TCell cell)
{
    TOutcome outcome;
    Guarded([&] {
        outcome = FBoard.Click(cell.Row, cell.Column);
        Present(outcome);
    });
    if (outcome.Slide == TSlide::Accepted)
        FocusLandedTile(outcome.To);
}

void TMain::FocusLandedTile(TCell landed)
{
    // Nothing here takes the keyboard focus, so a screen reader would have
    // nothing to follow during play. Pointed at the tile that slid, it reads
    // out its number and place.
    if (!isActiveWindow() || focusWidget())
        return;
    QAccessibleEvent focus(FTiles.at(IndexOfCell(landed)), QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

void TMain::SpeedButton1Click() { TileClick(CellOfButton(1)); }
void TMain::SpeedButton2Click() { TileClick(CellOfButton(2)); }
void TMain::SpeedButton3Click() { TileClick(CellOfButton(3)); }
void TMain::SpeedButton4Click() { TileClick(CellOfButton(4)); }
void TMain::SpeedButton5Click() { TileClick(CellOfButton(5)); }
void TMain::SpeedButton6Click() { TileClick(CellOfButton(6)); }
void TMain::SpeedButton7Click() { TileClick(CellOfButton(7)); }
void TMain::SpeedButton8Click() { TileClick(CellOfButton(8)); }
void TMain::SpeedButton9Click() { TileClick(CellOfButton(9)); }
void TMain::SpeedButton10Click() { TileClick(CellOfButton(10)); }
void TMain::SpeedButton11Click() { TileClick(CellOfButton(11)); }
void TMain::SpeedButton12Click() { TileClick(CellOfButton(12)); }
void TMain::SpeedButton13Click() { TileClick(CellOfButton(13)); }
void TMain::SpeedButton14Click() { TileClick(CellOfButton(14)); }
void TMain::SpeedButton15Click() { TileClick(CellOfButton(15)); }
void TMain::SpeedButton16Click() { TileClick(CellOfButton(16)); }

void TMain::SpeedButton17Click()
{
    Guarded([&] {
        FBoard.Seed();
        if (OKBottomDlg->ShowModal() == TModalForm::mrCancel)
            return;
        Suena(QStringLiteral("left.wav"));
        Present(FBoard.Deal());
    });
}

void TMain::SpeedButton18Click()
{
    Guarded([&] {
        if (OKBottomDlg->ShowModal() == TModalForm::mrCancel)
            return;
        Saliendo = true;
        close();
    });
}

void TMain::SpeedButton19Click() { setClientHeight(TallClientHeight); }

void TMain::SpeedButton20Click() { setClientHeight(ShortClientHeight); }

void TMain::Timer1Timer()
{
    Guarded([&] {
        ui->ShadowLabel2->setCaption(LocaleTimeText(QTime::currentTime()));
        FBoard.Tick();
        ui->ShadowLabel1->setCaption(QStringLiteral("Secons :") + QString::number(FBoard.Segundos()));
    });
}

// The checkable menu item has already flipped its own mark; Suena reads it.
void TMain::Sound1Click() {}

void TMain::Credits1Click()
{
    Guarded([&] { OKRightDlg->ShowModal(); });
}

void TMain::OvalButton3Click()
{
    Guarded([&] {
        const int v = ui->NumSpinEdit1->IntValue();
        if (v < 1 || v > NumJuegos)
            throw EError("Range check error");
        FBoard.Load(Juegos(v));
        Present(FBoard.ChecaBoton());
    });
}

void TMain::FormKeyDown(int& key, Qt::KeyboardModifiers shift)
{
    if (HeldModifiers(key, shift) == Qt::AltModifier) {
        switch (key) {
        case Qt::Key_S: Clave[0] = Clave[3] = 'S'; break;
        case Qt::Key_W: Clave[1] = 'W'; break;
        case Qt::Key_I: Clave[2] = 'I'; break;
        case Qt::Key_H: Clave[4] = 'H'; break;
        default: Clave.fill(' ');
        }
    }
    const bool open = std::memcmp(Clave.data(), AccessCode, Clave.size()) == 0;
    if (!open && ui->NumSpinEdit1->hasFocus())
        ui->NumSpinEdit1->clearFocus();  // hidden, it must not go on taking keys
    ui->NumSpinEdit1->setVisible(open);
    ui->OvalButton3->setVisible(open);
}

bool TMain::FormClose()
{
    if (Saliendo)
        return true;
    return OKBottomDlg->ShowModal() != TModalForm::mrCancel;
}

void TMain::closeEvent(QCloseEvent* event)
{
    bool allowed = false;
    Guarded([&] { allowed = FormClose(); });
    if (allowed)
        event->accept();
    else
        event->ignore();
}

bool TMain::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride)
        MenuMnemonicKeyDown(*static_cast<QKeyEvent*>(event));
    return QMainWindow::event(event);
}

bool TMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->NumSpinEdit1 && event->type() == QEvent::ShortcutOverride)
        MenuMnemonicKeyDown(*static_cast<QKeyEvent*>(event));
    return QMainWindow::eventFilter(watched, event);
}

void TMain::MenuMnemonicKeyDown(const QKeyEvent& event)
{
    // The menu bar takes its mnemonics (Alt+O) before any key-down is
    // delivered; the access code must still see them.
    int key = LetterKey(event);
    const QKeySequence pressed(QKeyCombination(event.modifiers(), Qt::Key(key)));
    for (const QAction* menu : ui->MainMenu1->actions())
        if (QKeySequence::mnemonic(menu->text()) == pressed) {
            FormKeyDown(key, event.modifiers());
            return;
        }
}

bool TMain::PlayKey(int key, Qt::KeyboardModifiers shift, bool arrows)
{
    if (IsCloseShortcut(key, shift)) {
        close();
        return true;
    }
    if (IsStartKey(key, shift)) {
        SpeedButton17Click();
        return true;
    }
    const std::optional<TCell> from = arrows ? SlideSource(key, shift, FBoard.Blank().value_or(TCell{})) : std::nullopt;
    if (!from)
        return false;
    if (OnBoard(*from))
        TileClick(*from);
    else
        Suena(QStringLiteral("uhoh.wav"));  // no tile on that side
    return true;
}

void TMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;  // restored by the window manager, not shown by us
    CloseBoxOnly(this);
    if (!FPlaced) {
        FPlaced = true;
        // From the primary monitor's corner, and wholly on it.
        const QScreen* primary = QGuiApplication::primaryScreen();
        if (primary)
            PlaceFrame(this, primary->geometry().topLeft() + LayoutPosition, primary->geometry());
        else
            PlaceFrame(this, LayoutPosition);
    }
}

void TMain::keyPressEvent(QKeyEvent* event)
{
    // The selector reports its own keys and passes dialog keys on to us.
    if (focusWidget() == ui->NumSpinEdit1)
        return QMainWindow::keyPressEvent(event);
    int key = LetterKey(*event);
    FormKeyDown(key, event->modifiers());
    if (PlayKey(event->key(), event->modifiers(), true))
        return;
    if (!event->text().isEmpty() && OfferDialogChar(this, event->text().front()))
        return;
    QMainWindow::keyPressEvent(event);
}

} // namespace quindle

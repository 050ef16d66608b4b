#pragma once

#include "app/GameKeys.h"
#include "core/Board.h"

#include <QList>
#include <QMainWindow>

#include <array>
#include <memory>

class QTimer;

namespace quindle {

namespace Ui {
class TMain;
}
class TSpeedButton;

// The main window: the board of sixteen tile buttons, the clock and
// counters, Start and Exit, the examples panel and the hidden solve mode.
// It owns all game state.
class TMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TMain(QWidget* parent = nullptr);
    ~TMain() override;

    TBoard& Board() { return FBoard; }
    const TBoard& Board() const { return FBoard; }
    // The arrangement last reached, as the win check recorded it.
    int Tag() const { return FBoard.Tag(); }

    // The player has confirmed leaving; the close must not ask again.
    bool Saliendo = false;
    // The access code typed so far with Alt held.
    std::array<char, 5> Clave{};

    // Plays a cue from the current directory unless sound is off.
    void Suena(const QString& file);
    void setClientHeight(int height);
    int ClientHeight() const;

public slots:
    void FormCreate();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void SpeedButton7Click();
    void SpeedButton8Click();
    void SpeedButton9Click();
    void SpeedButton10Click();
    void SpeedButton11Click();
    void SpeedButton12Click();
    void SpeedButton13Click();
    void SpeedButton14Click();
    void SpeedButton15Click();
    void SpeedButton16Click();
    void SpeedButton17Click();
    void SpeedButton18Click();
    void SpeedButton19Click();
    void SpeedButton20Click();
    void Timer1Timer();
    void Sound1Click();
    void Credits1Click();
    void OvalButton3Click();
    // Key-down of the window and of the arrangement selector, before the
    // selector acts on the key.
    void FormKeyDown(int& key, Qt::KeyboardModifiers shift);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void TileClick(TCell cell);
    // The playing keys; false when the key is not one of them.
    bool PlayKey(int key, Qt::KeyboardModifiers shift, bool arrows);
    void NameForAssistiveTools();
    void FocusLandedTile(TCell landed);
    void MenuMnemonicKeyDown(const QKeyEvent& event);
    bool FormClose();

    // Shows what a step of the board did: moves text and cue, the sixteen
    // captions, then the win action, all after the board has returned.
    void Present(const TOutcome& outcome);
    void Redibuja();
    void Gana();

    std::unique_ptr<Ui::TMain> ui;
    TBoard FBoard;
    QList<TSpeedButton*> FTiles;
    QTimer* Timer1 = nullptr;
    bool FPlaced = false;
};

extern TMain* Main;

} // namespace quindle

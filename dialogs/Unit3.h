#pragma once

#include "shell/ModalForm.h"

#include <memory>

namespace quindle {

namespace Ui {
class TGanador;
}
class TBoard;

// The winner dialog: seconds, moves, a looping animation and the name of
// the arrangement reached, all read from the game when it is shown.
class TGanador : public TModalForm {
    Q_OBJECT
public:
    explicit TGanador(QWidget* parent = nullptr);
    ~TGanador() override;

    // The game whose counters and last arrangement the dialog shows.
    void setGame(const TBoard* board) { FBoard = board; }

public slots:
    void OKBtnClick();

protected:
    void FormActivate() override;
    bool event(QEvent* event) override;

private:
    std::unique_ptr<Ui::TGanador> ui;
    const TBoard* FBoard = nullptr;
};

extern TGanador* Ganador;

} // namespace quindle

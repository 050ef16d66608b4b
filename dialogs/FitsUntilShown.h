#pragma once

#include "widgets/ShadowLbl.h"

#include <QObject>

#include <optional>

namespace quindle {

// Holds back the fits of a dialog's shadow labels until the dialog is first
// shown: a dialog made at start-up loads no font before the player opens it.
// Owned by the dialog; gone once it has been shown or released.
class TFitsUntilShown : public QObject {
public:
    explicit TFitsUntilShown(QWidget* dialog);
    ~TFitsUntilShown() override;

    // Fits the labels now, for a dialog that needs their sizes before it
    // is shown.
    void Release();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::optional<TShadowLabelFitBatch> FFits;
};

} // namespace quindle

#include "dialogs/Unit2.h"

#include "controls/FlatScrollBar.h"
#include "paint/JpegDecoder.h"
#include "ui_Unit2.h"
#include "widgets/ShadowLbl.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QHideEvent>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace quindle {

TOKRightDlg* OKRightDlg = nullptr;

TOKRightDlg::TOKRightDlg(QWidget* parent) : TModalForm(parent), ui(std::make_unique<Ui::TOKRightDlg>())
{
    ui->setupUi(this);
    ui->ScrollBox1->setVerticalScrollBar(new TFlatScrollBar(Qt::Vertical, 1));
    FinishLayout();
    connect(ui->ScrollBox1->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int v) { FPosition = v; });

    Timer1 = new QTimer(this);
    Timer1->setInterval(50);
    connect(Timer1, &QTimer::timeout, this, &TOKRightDlg::Timer1Timer);
}

TOKRightDlg::~TOKRightDlg() = default;

void TOKRightDlg::LoadBanner(const QByteArray& jpeg)
{
    FBannerPending = false;
    const QImage picture = DecodeJpeg(jpeg);
    if (picture.isNull())
        ui->Image2->clear();
    else
        ui->Image2->setPixmap(QPixmap::fromImage(picture));
}

int TOKRightDlg::Position() const { return FPosition; }

int TOKRightDlg::Range()
{
    LayOutOnce();
    return ui->ScrollBox1->widget()->height();
}

void TOKRightDlg::LayOutOnce()
{
    if (std::exchange(FLaidOut, true))
        return;
    FitContents();
}

void TOKRightDlg::FitContents()
{
    QScrollArea* box = ui->ScrollBox1;
    // Qt lays a hidden scroll box out only when it is shown, but the range
    // may be asked for before: lay it out (viewport, then bar range) now.
    auto layOutHidden = [box] {
        if (box->isVisible())
            return;
        QEvent request(QEvent::LayoutRequest);
        QCoreApplication::sendEvent(box, &request);
    };
    layOutHidden();
    QWidget* contents = box->widget();
    for (TCustomShadowLabel* label : contents->findChildren<TCustomShadowLabel*>())
        label->EnsureFitted();
    int bottom = 0;
    for (QWidget* child : contents->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        bottom = std::max(bottom, child->geometry().bottom() + 1);
    contents->resize(box->viewport()->width(), bottom);
    ui->Image2->resize(contents->width(), ui->Image2->height());
    layOutHidden();
}

void TOKRightDlg::FormActivate()
{
    Sube = true;
    FPosition = 0;
    ui->ScrollBox1->verticalScrollBar()->setValue(0);
}

void TOKRightDlg::showEvent(QShowEvent* event)
{
    LayOutOnce();
    TModalForm::showEvent(event);
    // Decoded on the first showing rather than while the game starts; the
    // banner has its fixed place, so nothing else moves for it.
    if (FBannerPending) {
        QFile banner(QStringLiteral(":/banner.jpg"));
        LoadBanner(banner.open(QIODevice::ReadOnly) ? banner.readAll() : QByteArray());
    }
    if (!Timer1->isActive())
        Timer1->start();
}

void TOKRightDlg::hideEvent(QHideEvent* event)
{
    TModalForm::hideEvent(event);
    // Minimised, it keeps its place and goes on where it was when restored.
    if (!event->spontaneous())
        Timer1->stop();
}

void TOKRightDlg::Timer1Timer()
{
    // Hidden, only the position moves: the bar would report every step to
    // assistive tools and paint for nobody. Each showing starts at the top.
    LayOutOnce();
    QScrollBar* bar = ui->ScrollBox1->verticalScrollBar();
    FPosition = std::clamp(FPosition + (Sube ? 1 : -1), bar->minimum(), bar->maximum());
    if (isVisible())
        bar->setValue(FPosition);
    if (FPosition >= Range() - 200)
        Sube = false;
    if (FPosition <= 0)
        Sube = true;
}

void TOKRightDlg::OKBtnClick() { close(); }

} // namespace quindle

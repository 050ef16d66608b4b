// The yardstick: a bare Qt Widgets window of the main window's shape (a menu
// bar with one menu above a fixed client area) with nothing of the game in
// it. Options: --at X,Y; --tile for one push button where the game's tile 15
// is, whose caption a click swaps; --clock for the game's seconds and clock
// read-outs as two plain labels, rewritten every second.
#include "Desktop.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStringList>
#include <QTime>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Quindle"));
    QMenu* options = window.menuBar()->addMenu(QStringLiteral("&Options"));
    options->addAction(QStringLiteral("&Sound"))->setCheckable(true);
    options->addAction(QStringLiteral("&Credits"));
    options->addAction(QStringLiteral("&Exit"));
    auto* client = new QWidget;
    client->setFixedSize(bench::kClientWidth, bench::kClientHeight);
    window.setCentralWidget(client);
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    const qsizetype at = args.indexOf(QStringLiteral("--at"));
    if (at > 0 && at + 1 < args.size()) {
        const QStringList xy = args[at + 1].split(u',');
        window.move(xy.value(0).toInt(), xy.value(1).toInt());
    }
    if (args.contains(QStringLiteral("--tile"))) {
        auto* tile = new QPushButton(QStringLiteral("15"), client);
        tile->setGeometry(bench::kTileLeft, bench::kTileTop, bench::kTileWidth, bench::kTileHeight);
        QObject::connect(tile, &QPushButton::clicked,
                         [tile] { tile->setText(tile->text().isEmpty() ? QStringLiteral("15") : QString()); });
    }
    if (args.contains(QStringLiteral("--clock"))) {
        auto* seconds = new QLabel(client);
        auto* clock = new QLabel(client);
        seconds->move(bench::kSecondsLeft, bench::kReadoutTop);
        clock->move(bench::kClockLeft, bench::kReadoutTop);
        auto* timer = new QTimer(&window);
        QObject::connect(timer, &QTimer::timeout, [seconds, clock, count = 0]() mutable {
            clock->setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
            clock->adjustSize();
            seconds->setText(QStringLiteral("Secons :") + QString::number(++count));
            seconds->adjustSize();
        });
        timer->start(1000);
    }
    window.show();
    return app.exec();
}

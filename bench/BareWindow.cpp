// The yardstick: a bare Qt Widgets window of the main window's shape (a menu
// bar with one menu above a fixed client area) with nothing of the game in
// it. Options: --at X,Y, and --tile for one push button where the game's
// tile 15 is, whose caption a click swaps.
#include "Desktop.h"

#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStringList>

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
    window.show();
    return app.exec();
}

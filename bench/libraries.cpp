// Start-up cost of the game: time from main() to the main window shown,
// and the shared libraries mapped before and after the first clip opens
// (FFmpeg must only arrive with the clip). Run it on the offscreen
// platform or under a display, from the assets folder.
#include "app/Application.h"
#include "app/Unit1.h"
#include "clip/ClipLoader.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSet>
#include <QTimer>

#include <cstdio>

using namespace quindle;

namespace {
QSet<QString> MappedLibraries()
{
    QSet<QString> libs;
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return libs;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const int slash = line.indexOf('/');
        if (slash >= 0 && line.contains(".so"))
            libs.insert(QString::fromLocal8Bit(line.mid(slash)));
    }
    return libs;
}
}

int main(int argc, char* argv[])
{
    QElapsedTimer clock;
    clock.start();
    TApplication app(argc, argv);
    CreateForms();
    Main->show();
    QTimer::singleShot(0, [&] {
        const qint64 shown = clock.elapsed();
        const auto before = MappedLibraries();
        const auto clip = LoadClip(QStringLiteral("cool.avi"));
        const auto after = MappedLibraries();
        std::printf("main() to window shown: %lld ms\n", static_cast<long long>(shown));
        std::printf("libraries mapped at start-up: %lld\n", static_cast<long long>(before.size()));
        std::printf("libraries mapped after the first clip: %lld (clip %s)\n",
                    static_cast<long long>(after.size()), clip ? "opened" : "not found");
        Main->Saliendo = true;
        Main->close();
    });
    const int rc = app.exec();
    delete Main;
    return rc;
}

// The widget gallery: the game's custom controls in their states, for
// looking at. `gallery --png out.png` writes a picture of it and exits;
// `--scale 2` shows it as on a screen of twice the density.
#include "tools/gallery/Gallery.h"

#include "paint/Look.h"

#include <QApplication>
#include <QGroupBox>
#include <QVBoxLayout>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct Section {
    const char* title;
    void (*fill)(QWidget*);
};

const Section kSections[] = {
    {"Oval button", gallery::OvalBtnSection},
    {"Shadow label", gallery::ShadowLblSection},
    {"Spin edit", gallery::NumSpinSection},
};

void Usage() { std::fprintf(stderr, "usage: gallery [--png out.png] [--scale factor]\n"); }

} // namespace

int main(int argc, char** argv)
{
    // The scale must be in place before the application starts.
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--scale") == 0) {
            char* end = nullptr;
            const double factor = std::strtod(argv[i + 1], &end);
            if (*end != '\0' || !(factor >= 0.5 && factor <= 8)) {
                Usage();
                return 2;
            }
            qputenv("QT_SCALE_FACTOR", argv[i + 1]);
        }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quindle gallery"));
    quindle::InitLook();

    QString png;
    const QStringList args = QApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--png") && i + 1 < args.size()) {
            png = args[++i];
        } else if (args[i] == QLatin1String("--scale") && i + 1 < args.size()) {
            ++i;  // taken above
        } else {
            Usage();
            return 2;
        }
    }

    QWidget window;
    window.setWindowTitle(QStringLiteral("Quindle widget gallery"));
    auto* column = new QVBoxLayout(&window);
    for (const Section& s : kSections) {
        auto* box = new QGroupBox(QString::fromUtf8(s.title), &window);
        auto* inner = new QVBoxLayout(box);
        auto* section = new QWidget(box);
        s.fill(section);
        section->setFixedSize(section->size());
        inner->addWidget(section);
        column->addWidget(box);
    }
    column->addStretch();
    window.show();

    if (png.isEmpty())
        return QApplication::exec();
    QApplication::processEvents();
    if (!window.grab().save(png)) {
        std::fprintf(stderr, "gallery: cannot write %s\n", qPrintable(png));
        return 1;
    }
    return 0;
}

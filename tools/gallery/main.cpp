// The widget gallery: the game's custom controls in their states, for
// looking at. `gallery --png out.png` writes a picture of it and exits.
#include "tools/gallery/Gallery.h"

#include "platform/Look.h"

#include <QApplication>
#include <QGroupBox>
#include <QVBoxLayout>

#include <cstdio>

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

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quindle gallery"));
    quindle::InitLook();

    QString png;
    const QStringList args = QApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--png") && i + 1 < args.size()) {
            png = args[++i];
        } else {
            std::fprintf(stderr, "usage: gallery [--png out.png]\n");
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

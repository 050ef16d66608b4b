#include "paint/StandInFont.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QFontDatabase>
#include <QHash>
#include <QStringList>
#include <QWidget>

#include <algorithm>

namespace quindle {

namespace {
// A layout being built sets a family, then measures a title or a field
// with it before the window ever shows.
class StandInOnFontChange : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FontChange && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            const QString family = widget->font().family();
            const QString standIn = StandInFamily(family);
            if (standIn != family) {
                QFont font = widget->font();
                font.setFamilies({standIn});
                widget->setFont(font);  // comes back here once, with nothing to swap
            }
        }
        return false;
    }
};
} // namespace

void InstallStandInFonts()
{
    // Same 13-pixel line at 11 pixels as the classic faces. The condensed
    // face of DejaVu Sans also keeps close to the classic widths, which the
    // example and credits columns are laid out for.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    qApp->installEventFilter(new StandInOnFontChange(qApp));
}

QString StandInFamily(const QString& family)
{
    const QStringList substitutes = QFont::substitutes(family);
    if (substitutes.isEmpty())
        return family;
    // Looked up once per family: text is drawn with these at every paint.
    static QHash<QString, QString> known;
    const auto it = known.constFind(family);
    if (it != known.cend())
        return *it;
    QString found = family;
    const QStringList installed = QFontDatabase::families();
    for (const QString& substitute : substitutes) {
        const auto at = std::find_if(installed.cbegin(), installed.cend(), [&](const QString& name) {
            return name.compare(substitute, Qt::CaseInsensitive) == 0;
        });
        if (at != installed.cend()) {
            found = *at;
            break;
        }
    }
    known.insert(family, found);
    return found;
}

} // namespace quindle

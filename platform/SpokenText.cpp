#include "platform/SpokenText.h"

namespace quindle {

QString SpokenText(const QString& caption)
{
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (++i >= caption.size())
                break;
        }
        out += caption[i];
    }
    return out;
}

} // namespace quindle

#include "paint/AccelText.h"

namespace quindle {

QString StripAccels(const QString& caption, std::vector<int>* underlined)
{
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (++i >= caption.size())
                break;
            if (underlined && caption[i] != QLatin1Char('&'))
                underlined->push_back(int(out.size()));
        }
        out += caption[i];
    }
    return out;
}

} // namespace quindle

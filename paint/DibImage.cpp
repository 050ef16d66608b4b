#include "paint/DibImage.h"

#include "assets/Assets.h"

#include <QFile>
#include <QtEndian>

namespace quindle {

// Qt reads the bitmap once the 14-byte file header is put back in front.
QImage DibToImage(const QByteArray& dib)
{
    if (dib.size() < 40)
        return {};
    const auto* p = reinterpret_cast<const uchar*>(dib.constData());
    const quint32 headerSize = qFromLittleEndian<quint32>(p);
    const quint16 bitCount = qFromLittleEndian<quint16>(p + 14);
    const quint32 used = qFromLittleEndian<quint32>(p + 32);
    const quint32 colours = bitCount <= 8 ? (used ? used : 1u << bitCount) : 0;
    QByteArray file(14, '\0');
    auto* f = reinterpret_cast<uchar*>(file.data());
    f[0] = 'B';
    f[1] = 'M';
    qToLittleEndian<quint32>(14 + dib.size(), f + 2);
    qToLittleEndian<quint32>(14 + headerSize + colours * 4, f + 10);
    return QImage::fromData(file + dib, "BMP");
}

QImage LoadDibResource(const char* name)
{
    InitAssets();
    QFile f(QStringLiteral(":/%1.bmp").arg(QLatin1String(name)));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return DibToImage(f.readAll());
}

} // namespace quindle

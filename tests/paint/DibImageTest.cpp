#include "paint/DibImage.h"
#include "paint/GlyphKey.h"

#include <QtEndian>

#include <gtest/gtest.h>

namespace {

// A bare bitmap: 40-byte info header, COLOURS palette entries, then rows
// bottom-up padded to four bytes.
QByteArray Dib(int w, int h, int bits, const QList<quint32>& palette, const QByteArray& rows)
{
    QByteArray d(40, '\0');
    auto* p = reinterpret_cast<uchar*>(d.data());
    qToLittleEndian<quint32>(40, p);
    qToLittleEndian<qint32>(w, p + 4);
    qToLittleEndian<qint32>(h, p + 8);
    qToLittleEndian<quint16>(1, p + 12);
    qToLittleEndian<quint16>(quint16(bits), p + 14);
    qToLittleEndian<quint32>(quint32(palette.size()), p + 32);
    for (quint32 c : palette) {
        uchar e[4];
        qToLittleEndian<quint32>(c, e);
        d.append(reinterpret_cast<const char*>(e), 4);
    }
    return d + rows;
}

TEST(DibImage, PixelsLandWhereThePaletteAndRowsPutThem)
{
    // 2x2, one bit: bottom row "10", top row "01"; palette black, white.
    const QImage img = quindle::DibToImage(
        Dib(2, 2, 1, {0x000000, 0xFFFFFF}, QByteArray::fromHex("80000000" "40000000")));
    ASSERT_EQ(img.size(), QSize(2, 2));
    EXPECT_EQ(img.pixel(0, 1) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(img.pixel(1, 1) & 0xFFFFFF, 0x000000u);
    EXPECT_EQ(img.pixel(0, 0) & 0xFFFFFF, 0x000000u);
    EXPECT_EQ(img.pixel(1, 0) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(quindle::GlyphKeyColor(img), QColor(Qt::white));  // the bottom-left pixel keys

    // True colour has no palette: the pixels follow the header at once.
    const QImage rgb = quindle::DibToImage(Dib(1, 1, 24, {}, QByteArray::fromHex("3366990" "0")));
    ASSERT_EQ(rgb.size(), QSize(1, 1));
    EXPECT_EQ(rgb.pixel(0, 0) & 0xFFFFFF, 0x996633u);
}

TEST(DibImage, ShortOrMissingDataGivesNoImage)
{
    EXPECT_TRUE(quindle::DibToImage(QByteArray(39, '\0')).isNull());
    EXPECT_TRUE(quindle::DibToImage({}).isNull());
    EXPECT_TRUE(quindle::LoadDibResource("NO_SUCH_BITMAP").isNull());
    EXPECT_EQ(quindle::LoadDibResource("NUMSPINUP").size(), QSize(6, 6));
}

} // namespace

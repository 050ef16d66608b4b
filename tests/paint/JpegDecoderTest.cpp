#include "paint/JpegDecoder.h"

#include "assets/Assets.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QRandomGenerator>

#include <gtest/gtest.h>

using quindle::DecodeJpeg;

namespace {

QByteArray bannerBytes()
{
    quindle::InitAssets();
    QFile f(QStringLiteral(":/banner.jpg"));
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

// Expects a clean failure with a reason.
void expectFailure(const QByteArray& data, const char* what)
{
    QString error;
    const QImage img = DecodeJpeg(data, &error);
    EXPECT_TRUE(img.isNull()) << what;
    EXPECT_FALSE(error.isEmpty()) << what;
}

// The offset of the first frame header's height field.
qsizetype frameSizeAt(const QByteArray& jpeg)
{
    for (qsizetype i = 2; i + 9 < jpeg.size(); ++i) {
        const uchar a = uchar(jpeg[i]), b = uchar(jpeg[i + 1]);
        if (a == 0xFF && (b == 0xC0 || b == 0xC1 || b == 0xC2))
            return i + 5;
    }
    return -1;
}

} // namespace

TEST(JpegDecoder, DecodesTheBanner)
{
    const QByteArray jpeg = bannerBytes();
    ASSERT_FALSE(jpeg.isEmpty());
    QString error = QStringLiteral("stale");
    const QImage img = DecodeJpeg(jpeg, &error);
    ASSERT_FALSE(img.isNull()) << error.toStdString();
    EXPECT_TRUE(error.isEmpty());
    EXPECT_EQ(img.size(), QSize(192, 86));
    EXPECT_EQ(img.format(), QImage::Format_RGB32);

    // Deep blue sky above the title, a golden face on the stem of its "l".
    const QColor sky = img.pixelColor(30, 4);
    EXPECT_LT(sky.red(), 40);
    EXPECT_LT(sky.green(), 40);
    EXPECT_GT(sky.blue(), 80);
    const QColor letter = img.pixelColor(147, 20);
    EXPECT_GT(letter.red(), 180);
    EXPECT_GT(letter.green(), 140);
    EXPECT_LT(letter.blue(), 120);
}

TEST(JpegDecoder, MatchesQtsOwnDecoder)
{
    if (!QImageReader::supportedImageFormats().contains("jpeg"))
        GTEST_SKIP() << "no JPEG plugin to compare with";
    const QByteArray jpeg = bannerBytes();
    const QImage ours = DecodeJpeg(jpeg);
    const QImage theirs = QImage::fromData(jpeg, "JPEG").convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(ours.size(), theirs.size());
    int worst = 0;
    for (int y = 0; y < ours.height(); ++y) {
        for (int x = 0; x < ours.width(); ++x) {
            const QRgb a = ours.pixel(x, y), b = theirs.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b))});
        }
    }
    EXPECT_LE(worst, 2);
}

TEST(JpegDecoder, DecodesGreyscale)
{
    if (!QImageWriter::supportedImageFormats().contains("jpeg"))
        GTEST_SKIP() << "no JPEG writer to make a greyscale file";
    QImage grey(8, 8, QImage::Format_Grayscale8);
    grey.fill(200);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(grey.save(&buffer, "JPEG", 100));
    const QImage img = DecodeJpeg(jpeg);
    ASSERT_EQ(img.size(), QSize(8, 8));
    const QRgb p = img.pixel(4, 4);
    EXPECT_NEAR(qRed(p), 200, 2);
    EXPECT_EQ(qRed(p), qGreen(p));
    EXPECT_EQ(qRed(p), qBlue(p));
}

TEST(JpegDecoder, RejectsTruncatedAndDamagedStreams)
{
    const QByteArray jpeg = bannerBytes();
    ASSERT_GT(jpeg.size(), 100);
    // Cuts inside the header, in the middle of the scan, and just before or
    // inside the end marker: libjpeg only warns about the later ones.
    for (qsizetype cut : {qsizetype(1), qsizetype(2), qsizetype(20), jpeg.size() / 4, jpeg.size() / 2,
                          jpeg.size() * 9 / 10, jpeg.size() - 2, jpeg.size() - 1}) {
        const std::string what = "cut at " + std::to_string(cut);
        expectFailure(jpeg.left(cut), what.c_str());
    }

    // An end marker in the middle of the scan data.
    QByteArray early = jpeg;
    early[early.size() / 2] = char(0xFF);
    early[early.size() / 2 + 1] = char(0xD9);
    expectFailure(early, "end marker mid-scan");
}

TEST(JpegDecoder, RejectsGarbageAndEmptyInput)
{
    expectFailure(QByteArray(), "empty");
    expectFailure(QByteArray("not a picture at all"), "text");

    QByteArray noise(4096, '\0');
    QRandomGenerator rng(7);
    for (char& c : noise)
        c = char(rng.bounded(256));
    expectFailure(noise, "noise");
    // A start-of-image marker followed by noise.
    noise[0] = char(0xFF);
    noise[1] = char(0xD8);
    expectFailure(noise, "marker then noise");

    // The error text is optional.
    EXPECT_TRUE(DecodeJpeg(noise).isNull());
}

TEST(JpegDecoder, RefusesHugeDimensionsBeforeAllocating)
{
    QByteArray jpeg = bannerBytes();
    const qsizetype at = frameSizeAt(jpeg);
    ASSERT_GT(at, 0);
    // 60000 x 60000: a valid header that would need 14 GB.
    for (int i = 0; i < 4; i += 2) {
        jpeg[at + i] = char(0xEA);
        jpeg[at + i + 1] = char(0x60);
    }
    QString error;
    EXPECT_TRUE(DecodeJpeg(jpeg, &error).isNull());
    EXPECT_TRUE(error.contains(QStringLiteral("too large"))) << error.toStdString();
}

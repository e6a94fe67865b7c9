#include "core/imaging/JpegCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#ifndef ZORBSETS_TESTDATA_DIR
#error "ZORBSETS_TESTDATA_DIR must name the shared test data folder"
#endif

namespace {

QString picture(const QString &name) {
    return QStringLiteral(ZORBSETS_TESTDATA_DIR "/pictures/") + name;
}

QByteArray readBytes(const QString &fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString &fileName, const QByteArray &bytes) {
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Average colours over a coarse grid. JPEG noise, chroma subsampling and libjpeg's scaling move
// these only a little; a mirrored or rotated picture moves them a lot.
constexpr int kGrid = 4;
using CellColours = std::vector<std::array<double, 3>>;

CellColours cellColours(const QImage &image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    CellColours sums(kGrid * kGrid, {0.0, 0.0, 0.0});
    std::vector<int> counts(kGrid * kGrid, 0);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const int cell = (y * kGrid / rgb.height()) * kGrid + x * kGrid / rgb.width();
            sums[cell][0] += qRed(line[x]);
            sums[cell][1] += qGreen(line[x]);
            sums[cell][2] += qBlue(line[x]);
            ++counts[cell];
        }
    }
    for (size_t cell = 0; cell < sums.size(); ++cell) {
        for (double &channel : sums[cell])
            channel /= std::max(counts[cell], 1);
    }
    return sums;
}

double largestCellDifference(const QImage &a, const QImage &b) {
    const CellColours cellsA = cellColours(a);
    const CellColours cellsB = cellColours(b);
    double largest = 0.0;
    for (size_t cell = 0; cell < cellsA.size(); ++cell) {
        for (int channel = 0; channel < 3; ++channel)
            largest = std::max(largest, std::abs(cellsA[cell][channel] - cellsB[cell][channel]));
    }
    return largest;
}

// Photos re-encoded by different tools and decoded at different scales stay within this.
constexpr double kSamePictureTolerance = 12.0;

QImage decodeOrFail(const QString &fileName, int scaleDenominator) {
    QImage image;
    QString error;
    if (!DecodeJpeg(fileName, image, scaleDenominator, &error))
        qWarning("%s", qPrintable(error));
    return image;
}

// One flat colour per grid cell, so the cell averages of a faithful copy match the colours.
QImage colourBlocks(const QSize &size, QImage::Format format, int alpha) {
    QImage image(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const int row = y * kGrid / size.height();
            const int column = x * kGrid / size.width();
            const QColor colour =
                QColor::fromHsv((row * kGrid + column) * 22, 200, 100 + 40 * row, alpha);
            image.setPixelColor(x, y, colour);
        }
    }
    return image.convertToFormat(format);
}

QImage flattenedOntoWhite(const QImage &image) {
    QImage flat = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < flat.height(); ++y) {
        for (int x = 0; x < flat.width(); ++x) {
            const QRgb pixel = flat.pixel(x, y);
            const auto blend = [&pixel](int channel) {
                return (channel * qAlpha(pixel) + 255 * (255 - qAlpha(pixel)) + 127) / 255;
            };
            flat.setPixel(x, y,
                          qRgb(blend(qRed(pixel)), blend(qGreen(pixel)), blend(qBlue(pixel))));
        }
    }
    return flat;
}

QByteArray jpegSegment(quint8 marker, const QByteArray &payload) {
    const int length = int(payload.size()) + 2;
    QByteArray segment;
    segment.append(char(0xFF)).append(char(marker));
    segment.append(char(length >> 8)).append(char(length & 0xFF));
    return segment + payload;
}

// Builds a TIFF block whose first IFD holds the given (tag, type, count, value) entries.
struct IfdEntry {
    quint16 tag;
    quint16 type;
    quint32 count;
    quint32 value;
};

QByteArray tiffBlock(bool bigEndian, const QList<IfdEntry> &entries, quint32 ifdOffset = 8,
                     int claimedEntryCount = -1) {
    QByteArray tiff;
    const auto put16 = [&tiff, bigEndian](quint16 v) {
        tiff.append(char(bigEndian ? v >> 8 : v & 0xFF));
        tiff.append(char(bigEndian ? v & 0xFF : v >> 8));
    };
    const auto put32 = [&tiff, bigEndian](quint32 v) {
        for (int i = 0; i < 4; ++i)
            tiff.append(char((v >> (bigEndian ? 24 - 8 * i : 8 * i)) & 0xFF));
    };
    tiff.append(bigEndian ? "MM" : "II");
    put16(42);
    put32(ifdOffset);
    put16(quint16(claimedEntryCount >= 0 ? claimedEntryCount : entries.size()));
    for (const IfdEntry &entry : entries) {
        put16(entry.tag);
        put16(entry.type);
        put32(entry.count);
        if (entry.type == 3) { // a SHORT sits in the first two bytes of the value field
            put16(quint16(entry.value));
            put16(0);
        } else {
            put32(entry.value);
        }
    }
    put32(0); // no further IFD
    return tiff;
}

QByteArray exifPayload(const QByteArray &tiff) {
    return QByteArrayLiteral("Exif\0\0") + tiff;
}

QByteArray withSegmentsAfterStart(const QByteArray &jpeg, const QByteArray &segments) {
    return jpeg.left(2) + segments + jpeg.mid(2);
}

// Rewrites the picture size in the first baseline frame header.
QByteArray withClaimedSize(QByteArray jpeg, quint16 width, quint16 height) {
    const qsizetype frame = jpeg.indexOf(QByteArrayLiteral("\xFF\xC0"));
    if (frame < 0)
        return {};
    jpeg[frame + 5] = char(height >> 8);
    jpeg[frame + 6] = char(height & 0xFF);
    jpeg[frame + 7] = char(width >> 8);
    jpeg[frame + 8] = char(width & 0xFF);
    return jpeg;
}

int longerSide(const QImage &image) {
    return std::max(image.width(), image.height());
}

} // namespace

class TestJpegCodec : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void readsHeaderFacts_data();
    void readsHeaderFacts();
    void readsOrientationFromCraftedExif_data();
    void readsOrientationFromCraftedExif();

    void showsOrientedPicturesUpright_data();
    void showsOrientedPicturesUpright();
    void leavesUnknownOrientationsAlone_data();
    void leavesUnknownOrientationsAlone();

    void decodesAtReducedScale_data();
    void decodesAtReducedScale();
    void decodesAdobeCmykAsPositive_data();
    void decodesAdobeCmykAsPositive();
    void rejectsUnusableInput_data();
    void rejectsUnusableInput();

    void choosesScaleDenominator_data();
    void choosesScaleDenominator();

    void roundTripsThroughEncoder_data();
    void roundTripsThroughEncoder();
    void higherQualityKeepsMoreDetail();
    void refusesToWriteWithoutTouchingTarget_data();
    void refusesToWriteWithoutTouchingTarget();

private:
    QString scratchFile(const QString &name) const { return m_scratch.filePath(name); }
    QByteArray smallBaselineJpeg();

    QTemporaryDir m_scratch;
};

void TestJpegCodec::initTestCase() {
    QVERIFY2(QFileInfo(picture(QStringLiteral("Landscape_1.jpg"))).isReadable(),
             "shared test pictures are missing");
    QVERIFY(m_scratch.isValid());
}

QByteArray TestJpegCodec::smallBaselineJpeg() {
    const QString path = scratchFile(QStringLiteral("small-baseline.jpg"));
    const QImage image = colourBlocks({32, 24}, QImage::Format_RGB32, 255);
    if (!QFile::exists(path) && !EncodeJpeg(image, path))
        return {};
    return readBytes(path);
}

// ---------------------------------------------------------------------------------------------

void TestJpegCodec::readsHeaderFacts_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("storedSize");
    QTest::addColumn<int>("components");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<bool>("progressive");

    // Orientations 5..8 store the picture turned on its side.
    const QSize wide(1800, 1200);
    const QSize tall(1200, 1800);
    for (int n = 1; n <= 8; ++n) {
        const QString landscape = QStringLiteral("Landscape_%1.jpg").arg(n);
        const QString portrait = QStringLiteral("Portrait_%1.jpg").arg(n);
        QTest::newRow(qPrintable(landscape))
            << landscape << (n <= 4 ? wide : tall) << 3 << n << false;
        QTest::newRow(qPrintable(portrait))
            << portrait << (n <= 4 ? tall : wide) << 3 << n << false;
    }
    QTest::newRow("progressive") << QStringLiteral("app13-multiple.jpg") << QSize(256, 160) << 3
                                 << 1 << true;
    QTest::newRow("cmyk") << QStringLiteral("pil_sample_cmyk.jpg") << QSize(100, 100) << 4 << 1
                          << false;
    // Only the scan data is cut short; the header itself is complete.
    QTest::newRow("truncated") << QStringLiteral("truncated_jpeg.jpg") << QSize(100, 100) << 3 << 1
                               << true;
}

void TestJpegCodec::readsHeaderFacts() {
    QFETCH(QString, file);
    QFETCH(QSize, storedSize);
    QFETCH(int, components);
    QFETCH(int, orientation);
    QFETCH(bool, progressive);

    JpegInfo info;
    QVERIFY(ReadJpegInfo(picture(file), info));
    QCOMPARE(QSize(info.width, info.height), storedSize);
    QCOMPARE(info.components, components);
    QCOMPARE(info.orientation, orientation);
    QCOMPARE(info.progressive, progressive);
}

void TestJpegCodec::readsOrientationFromCraftedExif_data() {
    QTest::addColumn<QByteArray>("segments");
    QTest::addColumn<int>("orientation");

    const auto exif = [](const QByteArray &tiff) { return jpegSegment(0xE1, exifPayload(tiff)); };
    const IfdEntry make{0x010F, 2, 4, 0};
    const IfdEntry resolution{0x011A, 5, 1, 0};

    QTest::newRow("little-endian") << exif(tiffBlock(false, {{0x0112, 3, 1, 6}})) << 6;
    QTest::newRow("big-endian") << exif(tiffBlock(true, {{0x0112, 3, 1, 3}})) << 3;
    QTest::newRow("after other tags")
        << exif(tiffBlock(false, {make, resolution, {0x0112, 3, 1, 8}})) << 8;
    QTest::newRow("behind an XMP segment")
        << jpegSegment(0xE1, QByteArrayLiteral("http://ns.adobe.com/xap/1.0/\0<x/>")) +
               exif(tiffBlock(true, {{0x0112, 3, 1, 5}}))
        << 5;
    QTest::newRow("value 0") << exif(tiffBlock(true, {{0x0112, 3, 1, 0}})) << 1;
    QTest::newRow("value 9") << exif(tiffBlock(false, {{0x0112, 3, 1, 9}})) << 1;
    QTest::newRow("no orientation tag") << exif(tiffBlock(true, {make, resolution})) << 1;
    QTest::newRow("IFD beyond segment")
        << exif(tiffBlock(true, {{0x0112, 3, 1, 6}}, 0xFFFFFFF0u)) << 1;
    QTest::newRow("entry count beyond segment") << exif(tiffBlock(false, {make}, 8, 0xFFFF)) << 1;
    QTest::newRow("not a TIFF block")
        << jpegSegment(0xE1, exifPayload(QByteArrayLiteral("XX\0*\0\0\0\x08"))) << 1;
    QTest::newRow("empty Exif") << jpegSegment(0xE1, exifPayload({})) << 1;
}

void TestJpegCodec::readsOrientationFromCraftedExif() {
    QFETCH(QByteArray, segments);
    QFETCH(int, orientation);

    const QByteArray base = smallBaselineJpeg();
    QVERIFY(!base.isEmpty());
    const QString path = scratchFile(QStringLiteral("crafted-exif.jpg"));
    QVERIFY(writeBytes(path, withSegmentsAfterStart(base, segments)));

    JpegInfo info;
    QVERIFY(ReadJpegInfo(path, info));
    QCOMPARE(info.orientation, orientation);
    QCOMPARE(QSize(info.width, info.height), QSize(32, 24));
}

// ---------------------------------------------------------------------------------------------

void TestJpegCodec::showsOrientedPicturesUpright_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QSize>("displayedSize");

    for (int n = 1; n <= 8; ++n) {
        const QString landscape = QStringLiteral("Landscape_%1.jpg").arg(n);
        QTest::newRow(qPrintable(landscape))
            << landscape << QStringLiteral("Landscape_1.jpg") << QSize(1800, 1200);
    }
    for (int n = 1; n <= 8; ++n) {
        const QString portrait = QStringLiteral("Portrait_%1.jpg").arg(n);
        QTest::newRow(qPrintable(portrait))
            << portrait << QStringLiteral("Portrait_1.jpg") << QSize(1200, 1800);
    }
}

void TestJpegCodec::showsOrientedPicturesUpright() {
    QFETCH(QString, file);
    QFETCH(QString, reference);
    QFETCH(QSize, displayedSize);

    JpegInfo info;
    QVERIFY(ReadJpegInfo(picture(file), info));

    const QImage full = decodeOrFail(picture(file), 1);
    QVERIFY(!full.isNull());
    QCOMPARE(ApplyExifOrientation(full, info.orientation).size(), displayedSize);

    const QImage shown = ApplyExifOrientation(decodeOrFail(picture(file), 8), info.orientation);
    const QImage upright = decodeOrFail(picture(reference), 8);
    QVERIFY(!shown.isNull() && !upright.isNull());
    QCOMPARE(shown.size(), upright.size());

    const double difference = largestCellDifference(shown, upright);
    QVERIFY2(difference <= kSamePictureTolerance, qPrintable(QString::number(difference)));
    // The comparison must be able to tell a mirror image apart, or it proves nothing.
    const double mirroredAcross = largestCellDifference(shown.mirrored(true, false), upright);
    const double mirroredUpDown = largestCellDifference(shown.mirrored(false, true), upright);
    QVERIFY2(mirroredAcross > kSamePictureTolerance, qPrintable(QString::number(mirroredAcross)));
    QVERIFY2(mirroredUpDown > kSamePictureTolerance, qPrintable(QString::number(mirroredUpDown)));
}

void TestJpegCodec::leavesUnknownOrientationsAlone_data() {
    QTest::addColumn<int>("orientation");
    QTest::newRow("1, upright") << 1;
    QTest::newRow("0") << 0;
    QTest::newRow("9") << 9;
    QTest::newRow("negative") << -6;
}

void TestJpegCodec::leavesUnknownOrientationsAlone() {
    QFETCH(int, orientation);
    const QImage image = colourBlocks({7, 3}, QImage::Format_RGB32, 255);
    QCOMPARE(ApplyExifOrientation(image, orientation), image);
}

// ---------------------------------------------------------------------------------------------

void TestJpegCodec::decodesAtReducedScale_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("denominator");
    QTest::addColumn<QSize>("expectedSize");

    const QString landscape = QStringLiteral("Landscape_1.jpg");
    QTest::newRow("baseline 1/2") << landscape << 2 << QSize(900, 600);
    QTest::newRow("baseline 1/4") << landscape << 4 << QSize(450, 300);
    QTest::newRow("baseline 1/8") << landscape << 8 << QSize(225, 150);
    QTest::newRow("stored sideways 1/4")
        << QStringLiteral("Portrait_6.jpg") << 4 << QSize(450, 300);
    QTest::newRow("progressive 1/2") << QStringLiteral("app13-multiple.jpg") << 2 << QSize(128, 80);
    QTest::newRow("progressive 1/8") << QStringLiteral("app13-multiple.jpg") << 8 << QSize(32, 20);
}

void TestJpegCodec::decodesAtReducedScale() {
    QFETCH(QString, file);
    QFETCH(int, denominator);
    QFETCH(QSize, expectedSize);

    const QImage scaled = decodeOrFail(picture(file), denominator);
    QCOMPARE(scaled.size(), expectedSize);
    QCOMPARE(scaled.format(), QImage::Format_RGB32);

    const QImage full = decodeOrFail(picture(file), 1);
    QVERIFY(!full.isNull());
    const double difference = largestCellDifference(scaled, full);
    QVERIFY2(difference <= kSamePictureTolerance, qPrintable(QString::number(difference)));
}

void TestJpegCodec::decodesAdobeCmykAsPositive_data() {
    QTest::addColumn<int>("denominator");
    QTest::addColumn<QSize>("expectedSize");
    QTest::newRow("1/1") << 1 << QSize(100, 100);
    QTest::newRow("1/2") << 2 << QSize(50, 50);
    // 100 / 8 is not whole; libjpeg rounds the size up.
    QTest::newRow("1/8") << 8 << QSize(13, 13);
}

// The picture is red lettering on black; read without the Adobe inversion it would turn into
// cyan lettering on white. Scaled decodes are darker, since libjpeg averages the inks before
// we convert them, so only the broad traits are checked.
void TestJpegCodec::decodesAdobeCmykAsPositive() {
    QFETCH(int, denominator);
    QFETCH(QSize, expectedSize);

    const QImage image = decodeOrFail(picture(QStringLiteral("pil_sample_cmyk.jpg")), denominator);
    QCOMPARE(image.size(), expectedSize);

    double red = 0;
    double green = 0;
    double blue = 0;
    int reddest = -255;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            red += qRed(pixel);
            green += qGreen(pixel);
            blue += qBlue(pixel);
            reddest = std::max(reddest, qRed(pixel) - std::max(qGreen(pixel), qBlue(pixel)));
        }
    }
    const double pixels = image.width() * image.height();
    QVERIFY2((red + green + blue) / (3 * pixels) < 64, "mostly dark background expected");
    QVERIFY(red > 2 * green && red > 2 * blue);
    QVERIFY2(reddest > 100, qPrintable(QString::number(reddest)));
}

void TestJpegCodec::rejectsUnusableInput_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("denominator");
    QTest::addColumn<bool>("headerReadable");

    const QByteArray landscape = readBytes(picture(QStringLiteral("Landscape_1.jpg")));
    QByteArray noise(64, '\0');
    QRandomGenerator(20240611).fillRange(reinterpret_cast<quint32 *>(noise.data()),
                                         noise.size() / 4);

    const QString empty = scratchFile(QStringLiteral("empty.jpg"));
    const QString random = scratchFile(QStringLiteral("random.jpg"));
    const QString startOnly = scratchFile(QStringLiteral("start-then-noise.jpg"));
    const QString cutBaseline = scratchFile(QStringLiteral("cut-baseline.jpg"));
    const QString missingEnd = scratchFile(QStringLiteral("missing-end-marker.jpg"));
    const QString huge = scratchFile(QStringLiteral("claims-huge-size.jpg"));
    writeBytes(empty, {});
    writeBytes(random, noise);
    writeBytes(startOnly, QByteArrayLiteral("\xFF\xD8") + noise);
    writeBytes(cutBaseline, landscape.left(landscape.size() * 6 / 10));
    writeBytes(missingEnd, landscape.chopped(2));
    writeBytes(huge, withClaimedSize(smallBaselineJpeg(), 60000, 60000));

    const QString truncated = picture(QStringLiteral("truncated_jpeg.jpg"));
    QTest::newRow("truncated progressive") << truncated << 1 << true;
    QTest::newRow("truncated progressive 1/8") << truncated << 8 << true;
    QTest::newRow("baseline cut in its scan") << cutBaseline << 4 << true;
    QTest::newRow("baseline without end marker") << missingEnd << 8 << true;
    QTest::newRow("png") << picture(QStringLiteral("hopper.png")) << 1 << false;
    QTest::newRow("gif") << picture(QStringLiteral("hopper.gif")) << 1 << false;
    QTest::newRow("empty file") << empty << 1 << false;
    QTest::newRow("missing file") << scratchFile(QStringLiteral("no-such.jpg")) << 1 << false;
    QTest::newRow("folder") << m_scratch.path() << 1 << false;
    QTest::newRow("random bytes") << random << 1 << false;
    QTest::newRow("start marker then noise") << startOnly << 1 << false;
    QTest::newRow("header claims 60000x60000") << huge << 1 << true;

    const QString good = picture(QStringLiteral("Landscape_1.jpg"));
    QTest::newRow("scale 1/3") << good << 3 << true;
    QTest::newRow("scale 1/16") << good << 16 << true;
    QTest::newRow("scale 1/0") << good << 0 << true;
    QTest::newRow("scale -1/2") << good << -2 << true;
}

void TestJpegCodec::rejectsUnusableInput() {
    QFETCH(QString, file);
    QFETCH(int, denominator);
    QFETCH(bool, headerReadable);

    const QImage untouched = colourBlocks({5, 5}, QImage::Format_RGB32, 255);
    QImage image = untouched;
    QString error;
    QVERIFY(!DecodeJpeg(file, image, denominator, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(image, untouched);

    JpegInfo info;
    info.width = -7;
    QCOMPARE(ReadJpegInfo(file, info), headerReadable);
    if (!headerReadable)
        QCOMPARE(info.width, -7);
}

// ---------------------------------------------------------------------------------------------

void TestJpegCodec::choosesScaleDenominator_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("denominator");

    QTest::newRow("1800x1200") << QSize(1800, 1200) << 80 << 8;
    QTest::newRow("1200x1800") << QSize(1200, 1800) << 80 << 8;
    QTest::newRow("500x300") << QSize(500, 300) << 80 << 4;
    QTest::newRow("100x100") << QSize(100, 100) << 80 << 1;
    QTest::newRow("80x80") << QSize(80, 80) << 80 << 1;
    QTest::newRow("40x30, smaller than the box") << QSize(40, 30) << 80 << 1;
    // libjpeg decodes 159 pixels at 1/2 to 80, rounding up, which still fills the box.
    QTest::newRow("159x100") << QSize(159, 100) << 80 << 2;
    QTest::newRow("158x100") << QSize(158, 100) << 80 << 1;
    QTest::newRow("160x100") << QSize(160, 100) << 80 << 2;
    QTest::newRow("633x20, one thin strip") << QSize(633, 20) << 80 << 8;
    QTest::newRow("1800x1200, box 300") << QSize(1800, 1200) << 300 << 4;
    QTest::newRow("no picture") << QSize(0, 0) << 80 << 1;
}

void TestJpegCodec::choosesScaleDenominator() {
    QFETCH(QSize, size);
    QFETCH(int, box);
    QFETCH(int, denominator);

    QCOMPARE(ChooseScaleDenominator(size.width(), size.height(), box), denominator);
    if (size.isEmpty())
        return;

    // Hold the choice against what libjpeg really produces: the chosen scale still fills the
    // box, and the next smaller one would not.
    const QString path = scratchFile(QStringLiteral("scale-choice.jpg"));
    QImage plain(size, QImage::Format_RGB32);
    plain.fill(Qt::darkCyan);
    QVERIFY(EncodeJpeg(plain, path));
    if (denominator > 1)
        QVERIFY(longerSide(decodeOrFail(path, denominator)) >= box);
    if (denominator < 8)
        QVERIFY(longerSide(decodeOrFail(path, denominator * 2)) < box);
}

// ---------------------------------------------------------------------------------------------

void TestJpegCodec::roundTripsThroughEncoder_data() {
    QTest::addColumn<QImage>("image");
    QTest::addColumn<QImage>("expected");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("components");

    const QImage rgb = colourBlocks({64, 48}, QImage::Format_RGB32, 255);
    const QImage odd = colourBlocks({101, 67}, QImage::Format_RGB888, 255);
    const QImage grey = colourBlocks({40, 40}, QImage::Format_Grayscale8, 255);
    const QImage translucent = colourBlocks({48, 48}, QImage::Format_ARGB32, 96);

    QTest::newRow("rgb32") << rgb << rgb << QStringLiteral("rgb.jpg") << 3;
    QTest::newRow("rgb888, odd size") << odd << odd << QStringLiteral("odd.jpg") << 3;
    QTest::newRow("grayscale") << grey << grey << QStringLiteral("grey.jpg") << 1;
    QTest::newRow("translucent onto white")
        << translucent << flattenedOntoWhite(translucent) << QStringLiteral("alpha.jpg") << 3;
    QTest::newRow("chinese file name") << rgb << rgb << QStringLiteral("照片_测试.jpg") << 3;
}

void TestJpegCodec::roundTripsThroughEncoder() {
    QFETCH(QImage, image);
    QFETCH(QImage, expected);
    QFETCH(QString, fileName);
    QFETCH(int, components);

    const QString path = scratchFile(fileName);
    QString error;
    QVERIFY2(EncodeJpeg(image, path, 90, &error), qPrintable(error));

    JpegInfo info;
    QVERIFY(ReadJpegInfo(path, info));
    QCOMPARE(QSize(info.width, info.height), image.size());
    QCOMPARE(info.components, components);
    QVERIFY(!info.progressive);

    const QImage decoded = decodeOrFail(path, 1);
    QCOMPARE(decoded.size(), image.size());
    const double difference = largestCellDifference(decoded, expected);
    QVERIFY2(difference <= kSamePictureTolerance, qPrintable(QString::number(difference)));
}

void TestJpegCodec::higherQualityKeepsMoreDetail() {
    QImage noise(96, 96, QImage::Format_RGB32);
    QRandomGenerator generator(7);
    for (int y = 0; y < noise.height(); ++y) {
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, generator.generate() | 0xFF000000u);
    }
    const QString low = scratchFile(QStringLiteral("quality-low.jpg"));
    const QString high = scratchFile(QStringLiteral("quality-high.jpg"));
    QVERIFY(EncodeJpeg(noise, low, 15));
    QVERIFY(EncodeJpeg(noise, high, 95));
    QVERIFY(QFileInfo(high).size() > QFileInfo(low).size());

    const auto meanError = [&noise](const QImage &decoded) {
        double sum = 0;
        for (int y = 0; y < noise.height(); ++y) {
            for (int x = 0; x < noise.width(); ++x)
                sum += std::abs(qGreen(decoded.pixel(x, y)) - qGreen(noise.pixel(x, y)));
        }
        return sum / (noise.width() * noise.height());
    };
    QVERIFY(meanError(decodeOrFail(high, 1)) < meanError(decodeOrFail(low, 1)));
}

void TestJpegCodec::refusesToWriteWithoutTouchingTarget_data() {
    QTest::addColumn<QImage>("image");
    QTest::addColumn<QString>("path");

    const QImage picture = colourBlocks({16, 16}, QImage::Format_RGB32, 255);
    const QString existing = scratchFile(QStringLiteral("existing.jpg"));
    const QString folder = scratchFile(QStringLiteral("a-folder"));
    writeBytes(existing, QByteArrayLiteral("previous contents"));
    QDir(m_scratch.path()).mkdir(QStringLiteral("a-folder"));

    QTest::newRow("missing folder")
        << picture << scratchFile(QStringLiteral("no-such-folder/out.jpg"));
    QTest::newRow("target is a folder") << picture << folder;
    QTest::newRow("null image, new file") << QImage() << scratchFile(QStringLiteral("null.jpg"));
    QTest::newRow("null image, existing file") << QImage() << existing;
}

void TestJpegCodec::refusesToWriteWithoutTouchingTarget() {
    QFETCH(QImage, image);
    QFETCH(QString, path);

    const QFileInfo before(path);
    const QByteArray contentsBefore = readBytes(path);
    const QStringList folderBefore =
        QDir(m_scratch.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);

    QString error;
    QVERIFY(!EncodeJpeg(image, path, 90, &error));
    QVERIFY(!error.isEmpty());

    const QFileInfo after(path);
    QCOMPARE(after.exists(), before.exists());
    QCOMPARE(after.isDir(), before.isDir());
    QCOMPARE(readBytes(path), contentsBefore);
    // No temporary or partial file may be left next to the target either.
    QCOMPARE(QDir(m_scratch.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             folderBefore);
}

QTEST_GUILESS_MAIN(TestJpegCodec)
#include "tst_jpegcodec.moc"

#include "core/imaging/JpegCodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>
#include <QTransform>
#include <QtEndian>

#include <algorithm>
#include <csetjmp>
#include <cstdio> // jpeglib.h relies on FILE and size_t being declared already
#include <cstdlib>
#include <cstring>

#include <jerror.h>
#include <jpeglib.h>

namespace {

// Whole files are read into memory; this keeps a mistakenly chosen video or disk image from
// being swallowed just to find out that it is not a JPEG.
constexpr qint64 kMaxFileBytes = qint64(256) * 1024 * 1024;

// A forged header can claim 65500 x 65500 pixels in a few bytes. Refuse such claims before
// libjpeg or QImage try to allocate for them; a 200-megapixel camera picture still passes.
constexpr qint64 kMaxPixels = qint64(1) << 28;

constexpr unsigned long kInitialOutputBytes = 64 * 1024;

constexpr quint16 kOrientationTag = 0x0112;
constexpr quint16 kTiffTypeShort = 3;

bool fail(QString *error, const QString &message) {
    if (error)
        *error = message;
    return false;
}

// ---------------------------------------------------------------------------------------------
// libjpeg error handling
//
// libjpeg's default error handler prints to stderr and calls exit(). Ours records the message and
// longjmps back to the function that armed the jump target. Every function that arms one calls
// libjpeg only while it holds no C++ object with a destructor, because longjmp would skip it; the
// objects that must be released live in a session owned one frame further up.

struct ErrorManager {
    jpeg_error_mgr base; // first, so the jpeg_error_mgr pointer libjpeg hands out is ours too
    std::jmp_buf escape;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void abortWithMessage(j_common_ptr cinfo) {
    auto *manager = reinterpret_cast<ErrorManager *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, manager->message);
    std::longjmp(manager->escape, 1);
}

void discardMessage(j_common_ptr) {}

void onLibraryMessage(j_common_ptr cinfo, int level) {
    if (level >= 0)
        return; // trace output, never wanted
    ++cinfo->err->num_warnings;
    // On a file that ends early libjpeg only warns and pads the rest with grey; a half-grey
    // photo must not pass for a decoded one.
    if (cinfo->err->msg_code == JWRN_JPEG_EOF)
        abortWithMessage(cinfo);
}

jpeg_error_mgr *installErrorManager(ErrorManager &manager) {
    jpeg_error_mgr *base = jpeg_std_error(&manager.base);
    base->error_exit = abortWithMessage;
    base->output_message = discardMessage;
    base->emit_message = onLibraryMessage;
    manager.message[0] = '\0';
    return base;
}

bool failInSession(ErrorManager &manager, const char *message) {
    std::snprintf(manager.message, sizeof manager.message, "%s", message);
    return false;
}

// Owns everything libjpeg allocates for one decode, so that every exit releases it.
struct DecompressSession {
    jpeg_decompress_struct cinfo{}; // zeroed, so destroying it is safe even before creation
    ErrorManager errors{};

    DecompressSession() = default;
    ~DecompressSession() { jpeg_destroy_decompress(&cinfo); }
    Q_DISABLE_COPY_MOVE(DecompressSession)
};

// Owns everything libjpeg allocates for one encode, so that every exit releases it.
struct CompressSession {
    jpeg_compress_struct cinfo{};
    ErrorManager errors{};
    // We hand libjpeg a buffer of our own: when jpeg_mem_dest allocates one itself, it frees it on
    // growing, and an abort after that would leave us holding only a dangling pointer.
    unsigned char *ownBuffer = nullptr;
    // ownBuffer, or a larger copy libjpeg made once ownBuffer was full (then also ours to free).
    unsigned char *output = nullptr;
    unsigned long outputSize = 0;

    CompressSession() = default;
    ~CompressSession() {
        jpeg_destroy_compress(&cinfo);
        if (output != ownBuffer)
            std::free(output);
        std::free(ownBuffer);
    }
    Q_DISABLE_COPY_MOVE(CompressSession)
};

// ---------------------------------------------------------------------------------------------
// Exif orientation

// A TIFF structure declares its own byte order; every read is bounds-checked because the segment
// comes straight from the file.
struct TiffView {
    const uchar *data = nullptr;
    size_t size = 0;
    bool bigEndian = false;
};

bool readTiff16(const TiffView &tiff, size_t offset, quint16 &value) {
    if (offset > tiff.size || tiff.size - offset < 2)
        return false;
    value = tiff.bigEndian ? qFromBigEndian<quint16>(tiff.data + offset)
                           : qFromLittleEndian<quint16>(tiff.data + offset);
    return true;
}

bool readTiff32(const TiffView &tiff, size_t offset, quint32 &value) {
    if (offset > tiff.size || tiff.size - offset < 4)
        return false;
    value = tiff.bigEndian ? qFromBigEndian<quint32>(tiff.data + offset)
                           : qFromLittleEndian<quint32>(tiff.data + offset);
    return true;
}

bool openTiff(const uchar *data, size_t size, TiffView &tiff) {
    if (size < 8)
        return false;
    if (std::memcmp(data, "MM", 2) == 0)
        tiff.bigEndian = true;
    else if (std::memcmp(data, "II", 2) == 0)
        tiff.bigEndian = false;
    else
        return false;
    tiff.data = data;
    tiff.size = size;
    quint16 magic = 0;
    return readTiff16(tiff, 2, magic) && magic == 42;
}

// Orientation lives in the first IFD, the one describing the main picture.
int orientationFromTiff(const TiffView &tiff) {
    quint32 ifdOffset = 0;
    quint16 entryCount = 0;
    if (!readTiff32(tiff, 4, ifdOffset) || !readTiff16(tiff, ifdOffset, entryCount))
        return 1;
    for (quint32 i = 0; i < entryCount; ++i) {
        const size_t entry = size_t(ifdOffset) + 2 + size_t(i) * 12;
        quint16 tag = 0;
        quint16 type = 0;
        quint32 count = 0;
        quint16 value = 0;
        if (!readTiff16(tiff, entry, tag))
            return 1;
        if (tag != kOrientationTag)
            continue;
        if (!readTiff16(tiff, entry + 2, type) || !readTiff32(tiff, entry + 4, count) ||
            !readTiff16(tiff, entry + 8, value))
            return 1;
        const bool valid = type == kTiffTypeShort && count == 1 && value >= 1 && value <= 8;
        return valid ? value : 1;
    }
    return 1;
}

int orientationFromMarkers(jpeg_saved_marker_ptr marker) {
    static const char exifHeader[] = {'E', 'x', 'i', 'f', '\0', '\0'};
    for (; marker; marker = marker->next) {
        if (marker->marker != JPEG_APP0 + 1 || marker->data_length < sizeof exifHeader ||
            std::memcmp(marker->data, exifHeader, sizeof exifHeader) != 0)
            continue; // XMP shares the APP1 marker with Exif
        TiffView tiff;
        if (!openTiff(marker->data + sizeof exifHeader, marker->data_length - sizeof exifHeader,
                      tiff))
            return 1;
        return orientationFromTiff(tiff);
    }
    return 1;
}

// ---------------------------------------------------------------------------------------------
// Decoding

bool readWholeFile(const QString &fileName, QByteArray &bytes, QString *error) {
    const QString shownName = QDir::toNativeSeparators(fileName);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, QCoreApplication::translate("JpegCodec", "Cannot open %1: %2")
                               .arg(shownName, file.errorString()));
    if (file.size() > kMaxFileBytes)
        return fail(error,
                    QCoreApplication::translate("JpegCodec", "%1 is too large to be a picture.")
                        .arg(shownName));
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fail(error, QCoreApplication::translate("JpegCodec", "Cannot read %1: %2")
                               .arg(shownName, file.errorString()));
    return true;
}

bool readHeader(DecompressSession &session, const QByteArray &bytes) {
    jpeg_decompress_struct &cinfo = session.cinfo;
    cinfo.err = installErrorManager(session.errors);
    if (setjmp(session.errors.escape))
        return false;
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char *>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_save_markers(&cinfo, JPEG_APP0 + 1, 0xFFFF);
    jpeg_read_header(&cinfo, TRUE);
    return true;
}

bool checkDecodable(DecompressSession &session) {
    const jpeg_decompress_struct &cinfo = session.cinfo;
    if (qint64(cinfo.image_width) * cinfo.image_height > kMaxPixels)
        return failInSession(session.errors, "Picture dimensions are too large");
    switch (cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
    case JCS_YCbCr:
    case JCS_RGB:
    case JCS_CMYK:
    case JCS_YCCK:
        return true;
    default:
        return failInSession(session.errors, "Unsupported colour space");
    }
}

// Every output layout we ask libjpeg for fits in an RGB32 row, so libjpeg writes into the start of
// the final scanline and the row is widened in place. Widening runs from the right end, where a
// pixel's 4-byte target never covers source bytes of a pixel still to be read.
void widenGreyRow(uchar *row, int width) {
    auto *pixels = reinterpret_cast<QRgb *>(row);
    for (int x = width - 1; x >= 0; --x) {
        const uchar grey = row[x];
        pixels[x] = qRgb(grey, grey, grey);
    }
}

void widenRgbRow(uchar *row, int width) {
    auto *pixels = reinterpret_cast<QRgb *>(row);
    for (int x = width - 1; x >= 0; --x) {
        const uchar *rgb = row + 3 * x;
        pixels[x] = qRgb(rgb[0], rgb[1], rgb[2]);
    }
}

int scaledProduct(int a, int b) {
    return (a * b + 127) / 255;
}

// Photoshop, the usual source of CMYK JPEGs, marks them with an Adobe segment and stores every
// ink inverted (255 = no ink). Without that segment the values are taken as plain ink amounts.
void convertCmykRow(uchar *row, int width, bool adobeInverted) {
    auto *pixels = reinterpret_cast<QRgb *>(row);
    for (int x = 0; x < width; ++x) {
        const uchar *cmyk = row + 4 * x;
        int lightC = cmyk[0];
        int lightM = cmyk[1];
        int lightY = cmyk[2];
        int lightK = cmyk[3];
        if (!adobeInverted) {
            lightC = 255 - lightC;
            lightM = 255 - lightM;
            lightY = 255 - lightY;
            lightK = 255 - lightK;
        }
        pixels[x] = qRgb(scaledProduct(lightC, lightK), scaledProduct(lightM, lightK),
                         scaledProduct(lightY, lightK));
    }
}

void convertRowToRgb32(const jpeg_decompress_struct &cinfo, uchar *row) {
    const int width = int(cinfo.output_width);
    if (cinfo.out_color_space == JCS_GRAYSCALE)
        widenGreyRow(row, width);
    else if (cinfo.out_color_space == JCS_CMYK)
        convertCmykRow(row, width, cinfo.saw_Adobe_marker);
    else
        widenRgbRow(row, width);
}

J_COLOR_SPACE outputColorSpaceFor(J_COLOR_SPACE stored) {
    if (stored == JCS_GRAYSCALE)
        return JCS_GRAYSCALE;
    // libjpeg turns YCCK into CMYK itself, but has no CMYK to RGB conversion.
    if (stored == JCS_CMYK || stored == JCS_YCCK)
        return JCS_CMYK;
    return JCS_RGB;
}

bool decodePixels(DecompressSession &session, int scaleDenominator, QImage &image) {
    jpeg_decompress_struct &cinfo = session.cinfo;
    if (setjmp(session.errors.escape))
        return false;
    cinfo.out_color_space = outputColorSpaceFor(cinfo.jpeg_color_space);
    cinfo.scale_num = 1;
    cinfo.scale_denom = static_cast<unsigned int>(scaleDenominator);
    jpeg_start_decompress(&cinfo);
    image = QImage(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB32);
    if (image.isNull())
        return failInSession(session.errors, "Not enough memory for the decoded picture");
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = image.scanLine(int(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
        convertRowToRgb32(cinfo, row);
    }
    jpeg_finish_decompress(&cinfo);
    return true;
}

bool isSupportedScale(int denominator) {
    return denominator == 1 || denominator == 2 || denominator == 4 || denominator == 8;
}

QString decodeError(const QString &fileName, const ErrorManager &errors) {
    return QCoreApplication::translate("JpegCodec", "Cannot decode %1: %2")
        .arg(QDir::toNativeSeparators(fileName), QString::fromLatin1(errors.message));
}

// ---------------------------------------------------------------------------------------------
// Encoding

QImage flattenOntoWhite(const QImage &image) {
    QImage flat(image.width(), image.height(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    // Rectangles in pixels, so a device pixel ratio on the source cannot rescale it.
    painter.drawImage(flat.rect(), image, image.rect());
    painter.end();
    return flat;
}

// Brings any picture into a layout libjpeg reads directly: one grey byte or R, G, B per pixel.
QImage toJpegInputLayout(const QImage &image) {
    if (image.format() == QImage::Format_Grayscale8 || image.format() == QImage::Format_Grayscale16)
        return image.convertToFormat(QImage::Format_Grayscale8);
    if (image.hasAlphaChannel())
        return flattenOntoWhite(image).convertToFormat(QImage::Format_RGB888);
    return image.convertToFormat(QImage::Format_RGB888);
}

bool runCompressor(CompressSession &session, const QImage &source, int quality) {
    jpeg_compress_struct &cinfo = session.cinfo;
    cinfo.err = installErrorManager(session.errors);
    if (setjmp(session.errors.escape))
        return false;
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &session.output, &session.outputSize);
    const bool grey = source.format() == QImage::Format_Grayscale8;
    cinfo.image_width = static_cast<JDIMENSION>(source.width());
    cinfo.image_height = static_cast<JDIMENSION>(source.height());
    cinfo.input_components = grey ? 1 : 3;
    cinfo.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        // libjpeg's row type is not const, but compression only reads through it.
        auto row = const_cast<JSAMPROW>(source.constScanLine(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    return true;
}

bool compressToMemory(const QImage &source, int quality, QByteArray &encoded, QString &message) {
    CompressSession session;
    session.ownBuffer = static_cast<unsigned char *>(std::malloc(kInitialOutputBytes));
    if (!session.ownBuffer) {
        message = QStringLiteral("Not enough memory to encode the picture");
        return false;
    }
    session.output = session.ownBuffer;
    session.outputSize = kInitialOutputBytes;
    if (!runCompressor(session, source, quality)) {
        message = QString::fromLatin1(session.errors.message);
        return false;
    }
    encoded =
        QByteArray(reinterpret_cast<const char *>(session.output), qsizetype(session.outputSize));
    return true;
}

bool writeWholeFile(const QString &fileName, const QByteArray &bytes, QString *error) {
    const QString shownName = QDir::toNativeSeparators(fileName);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, QCoreApplication::translate("JpegCodec", "Cannot write %1: %2")
                               .arg(shownName, file.errorString()));
    if (file.write(bytes) != bytes.size() || !file.commit())
        return fail(error, QCoreApplication::translate("JpegCodec", "Cannot write %1: %2")
                               .arg(shownName, file.errorString()));
    return true;
}

} // namespace

bool ReadJpegInfo(const QString &fileName, JpegInfo &info) {
    QByteArray bytes;
    if (!readWholeFile(fileName, bytes, nullptr))
        return false;
    DecompressSession session;
    if (!readHeader(session, bytes))
        return false;
    const jpeg_decompress_struct &cinfo = session.cinfo;
    JpegInfo read;
    read.width = int(cinfo.image_width);
    read.height = int(cinfo.image_height);
    read.components = cinfo.num_components;
    read.progressive = cinfo.progressive_mode;
    read.orientation = orientationFromMarkers(cinfo.marker_list);
    info = read;
    return true;
}

bool DecodeJpeg(const QString &fileName, QImage &image, int scaleDenominator, QString *error) {
    if (!isSupportedScale(scaleDenominator))
        return fail(error, QCoreApplication::translate(
                               "JpegCodec", "Unsupported scale 1/%1; use 1/1, 1/2, 1/4 or 1/8.")
                               .arg(scaleDenominator));
    QByteArray bytes;
    if (!readWholeFile(fileName, bytes, error))
        return false;
    DecompressSession session;
    QImage decoded;
    if (!readHeader(session, bytes) || !checkDecodable(session) ||
        !decodePixels(session, scaleDenominator, decoded))
        return fail(error, decodeError(fileName, session.errors));
    image = decoded;
    return true;
}

int ChooseScaleDenominator(int width, int height, int boxSide) {
    if (width <= 0 || height <= 0 || boxSide <= 0)
        return 1;
    const int longer = std::max(width, height);
    // libjpeg rounds scaled sizes up, so must we.
    const auto scaledUp = [](int side, int denominator) {
        return side / denominator + (side % denominator != 0 ? 1 : 0);
    };
    for (const int denominator : {8, 4, 2}) {
        if (scaledUp(longer, denominator) >= boxSide)
            return denominator;
    }
    return 1;
}

QImage ApplyExifOrientation(const QImage &image, int orientation) {
    const auto rotated = [&image](qreal degreesClockwise) {
        return image.transformed(QTransform().rotate(degreesClockwise));
    };
    switch (orientation) {
    case 2:
        return image.mirrored(true, false);
    case 3:
        return image.mirrored(true, true);
    case 4:
        return image.mirrored(false, true);
    case 5:
        return rotated(90).mirrored(true, false);
    case 6:
        return rotated(90);
    case 7:
        return rotated(90).mirrored(false, true);
    case 8:
        return rotated(270);
    default:
        return image;
    }
}

bool EncodeJpeg(const QImage &image, const QString &fileName, int quality, QString *error) {
    if (image.isNull())
        return fail(error,
                    QCoreApplication::translate("JpegCodec", "There is no picture to save as %1.")
                        .arg(QDir::toNativeSeparators(fileName)));
    const QImage source = toJpegInputLayout(image);
    QByteArray encoded;
    QString message;
    if (!compressToMemory(source, std::clamp(quality, 1, 100), encoded, message))
        return fail(error, QCoreApplication::translate("JpegCodec", "Cannot encode %1: %2")
                               .arg(QDir::toNativeSeparators(fileName), message));
    return writeWholeFile(fileName, encoded, error);
}

bool IsJpegFile(const QString &fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    return suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg");
}

bool LoadJpegToBitmap(const QString &fileName, QImage &bitmap, int scaleDenominator) {
    QImage decoded;
    if (!DecodeJpeg(fileName, decoded, scaleDenominator))
        return false;
    bitmap = decoded;
    return true;
}

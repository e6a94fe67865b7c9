#pragma once

#include <QImage>
#include <QString>

// Header facts of a JPEG file, read without decoding any pixels.
struct JpegInfo {
    int width = 0; // as stored, before any Exif orientation is applied
    int height = 0;
    int components = 0;
    int orientation = 1; // Exif orientation 1..8; 1 when absent or out of range
    bool progressive = false;
};

// Returns false, leaving info untouched, when the file cannot be read or has no valid JPEG header.
bool ReadJpegInfo(const QString &fileName, JpegInfo &info);

// Decodes the whole file at 1/scaleDenominator of its stored size (1, 2, 4 or 8; libjpeg scales
// while decoding, which is far cheaper than decoding in full and shrinking afterwards). The result
// is Format_RGB32 in stored orientation; use ApplyExifOrientation for display. On failure, image
// is left untouched and *error explains why. A file that ends early counts as a failure.
bool DecodeJpeg(const QString &fileName, QImage &image, int scaleDenominator = 1,
                QString *error = nullptr);

// The largest denominator DecodeJpeg accepts whose decoded longer side is still at least boxSide
// pixels, so a thumbnail of that size never has to be enlarged. Returns 1 for small pictures.
int ChooseScaleDenominator(int width, int height, int boxSide);

// The picture as it should be shown for an Exif orientation; unknown values leave it unchanged.
QImage ApplyExifOrientation(const QImage &image, int orientation);

// Writes a baseline JPEG; quality is clamped to 1..100. Grayscale8/16 pictures are written with one
// component, anything else as RGB, with transparent parts flattened onto white. The file is
// replaced only when the whole picture has been written.
bool EncodeJpeg(const QImage &image, const QString &fileName, int quality = 90,
                QString *error = nullptr);

// Whether the file name has a JPEG extension (.jpg or .jpeg, any letter case).
bool IsJpegFile(const QString &fileName);

// Decodes a JPEG file into `bitmap`, at 1/scaleDenominator of its size (1, 2, 4 or 8). A
// missing, corrupt or truncated file gives false and leaves `bitmap` as it was.
bool LoadJpegToBitmap(const QString &fileName, QImage &bitmap, int scaleDenominator = 1);

#include "icowriter.h"

#include <QDataStream>
#include <QFile>

bool writeIco8(const QImage& source, const QString& path) {
    const QImage argb = source.convertToFormat(QImage::Format_ARGB32);
    const QImage indexed =
        argb.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    const int width = indexed.width();
    const int height = indexed.height();
    const int pixelStride = (width + 3) / 4 * 4;
    const int maskStride = ((width + 7) / 8 + 3) / 4 * 4;
    constexpr int kHeaderSize = 40;
    constexpr int kPaletteSize = 256 * 4;
    const int imageSize = kHeaderSize + kPaletteSize + (pixelStride + maskStride) * height;

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    // Icon directory with one entry.
    out << quint16(0) << quint16(1) << quint16(1);
    out << quint8(width >= 256 ? 0 : width) << quint8(height >= 256 ? 0 : height) << quint8(0)
        << quint8(0) << quint16(1) << quint16(8) << quint32(imageSize) << quint32(6 + 16);
    // Bitmap header: the height counts the colour rows and the mask rows.
    out << quint32(kHeaderSize) << qint32(width) << qint32(2 * height) << quint16(1) << quint16(8)
        << quint32(0) << quint32((pixelStride + maskStride) * height) << qint32(0) << qint32(0)
        << quint32(256) << quint32(0);
    const QList<QRgb> colors = indexed.colorTable();
    for (int i = 0; i < 256; ++i) {
        const QRgb color = i < colors.size() ? colors[i] : 0;
        out << quint8(qBlue(color)) << quint8(qGreen(color)) << quint8(qRed(color)) << quint8(0);
    }
    for (int y = height - 1; y >= 0; --y) { // rows bottom up
        const uchar* row = indexed.constScanLine(y);
        for (int x = 0; x < pixelStride; ++x) {
            out << quint8(x < width ? row[x] : 0);
        }
    }
    for (int y = height - 1; y >= 0; --y) {
        for (int byte = 0; byte < maskStride; ++byte) {
            quint8 bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                const int x = byte * 8 + bit;
                if (x < width && qAlpha(argb.pixel(x, y)) < 128) {
                    bits |= quint8(0x80 >> bit);
                }
            }
            out << bits;
        }
    }
    return out.status() == QDataStream::Ok;
}

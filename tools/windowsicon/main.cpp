// Renders the tool's icon as the .ico file the Windows programs carry, off screen:
//   QT_QPA_PLATFORM=offscreen windowsicon OUTPUT.ico
// One picture per size Windows asks for (list views, the taskbar, Explorer's views up to
// "Extra large"), each drawn at that size rather than scaled from one, as the window does.
#include "artwork/Artwork.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QtEndian>

#include <cstdio>

namespace {

constexpr int Sizes[] = {16, 24, 32, 48, 64, 256};

QImage drawIcon(int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    Artwork::paintLogo(painter, QRectF(0, 0, side, side));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

void appendLittleEndian16(QByteArray &bytes, quint16 value)
{
    const quint16 stored = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char *>(&stored), sizeof stored);
}

void appendLittleEndian32(QByteArray &bytes, quint32 value)
{
    const quint32 stored = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char *>(&stored), sizeof stored);
}

// Below 256 pixels, a bitmap as Windows has always read them: a BITMAPINFOHEADER of doubled
// height, the colours bottom row first as blue, green, red, alpha, then the one-bit mask of the
// transparent pixels for readers that ignore alpha.
QByteArray bitmapEntry(const QImage &image)
{
    const int side = image.width();
    const int maskRowBytes = ((side + 31) / 32) * 4;
    QByteArray bytes;
    appendLittleEndian32(bytes, 40);
    appendLittleEndian32(bytes, quint32(side));
    appendLittleEndian32(bytes, quint32(2 * side));
    appendLittleEndian16(bytes, 1);
    appendLittleEndian16(bytes, 32);
    appendLittleEndian32(bytes, 0); // BI_RGB
    appendLittleEndian32(bytes, quint32(side * side * 4 + maskRowBytes * side));
    bytes.append(16, '\0'); // resolution and palette: unused
    for (int y = side - 1; y >= 0; --y) {
        for (int x = 0; x < side; ++x) {
            const QRgb pixel = image.pixel(x, y);
            bytes.append(char(qBlue(pixel))).append(char(qGreen(pixel)));
            bytes.append(char(qRed(pixel))).append(char(qAlpha(pixel)));
        }
    }
    for (int y = side - 1; y >= 0; --y) {
        QByteArray row(maskRowBytes, '\0');
        for (int x = 0; x < side; ++x)
            if (qAlpha(image.pixel(x, y)) == 0)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        bytes.append(row);
    }
    return bytes;
}

// At 256 pixels, a PNG, which Windows reads from Vista on and which keeps the file small.
QByteArray pngEntry(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray iconFile()
{
    QList<QByteArray> entries;
    for (const int side : Sizes) {
        const QImage image = drawIcon(side);
        entries.append(side >= 256 ? pngEntry(image) : bitmapEntry(image));
    }
    QByteArray file;
    appendLittleEndian16(file, 0);
    appendLittleEndian16(file, 1); // an icon, not a cursor
    appendLittleEndian16(file, quint16(entries.size()));
    quint32 offset = quint32(6 + 16 * entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const int side = Sizes[i];
        file.append(char(side >= 256 ? 0 : side)).append(char(side >= 256 ? 0 : side)); // 0: 256
        file.append(char(0)).append(char(0)); // no palette; reserved
        appendLittleEndian16(file, 1);        // colour planes
        appendLittleEndian16(file, 32);       // bits per pixel
        appendLittleEndian32(file, quint32(entries[i].size()));
        appendLittleEndian32(file, offset);
        offset += quint32(entries[i].size());
    }
    for (const QByteArray &entry : entries)
        file.append(entry);
    return file;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: windowsicon OUTPUT.ico\n");
        return 2;
    }
    QFile output(QString::fromLocal8Bit(argv[1]));
    if (!output.open(QIODevice::WriteOnly) || output.write(iconFile()) < 0 || !output.flush()) {
        std::fprintf(stderr, "could not write %s: %s\n", argv[1], qPrintable(output.errorString()));
        return 1;
    }
    std::fprintf(stderr, "wrote %s\n", argv[1]);
    return 0;
}

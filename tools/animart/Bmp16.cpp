#include "Bmp16.h"

#include <QByteArray>
#include <QFile>
#include <QtEndian>

const std::array<QRgb, 16> &Palette16()
{
    static const std::array<QRgb, 16> palette = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
    };
    return palette;
}

QColor inkColor(Ink ink)
{
    return QColor(Palette16()[ink]);
}

namespace {

int paletteIndex(QRgb pixel)
{
    const auto &palette = Palette16();
    for (int i = 0; i < 16; ++i)
        if (qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel)) == palette[i])
            return i;
    return -1;
}

void putLe32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void putLe16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

} // namespace

QString writeBmp16(const QImage &picture, const QString &path)
{
    const int width = picture.width();
    const int height = picture.height();
    const int rowBytes = ((width + 1) / 2 + 3) / 4 * 4;
    const quint32 headerBytes = 14 + 40 + 16 * 4;
    const quint32 pixelBytes = quint32(rowBytes) * quint32(height);

    QByteArray file;
    file.append("BM");
    putLe32(file, headerBytes + pixelBytes);
    putLe32(file, 0);
    putLe32(file, headerBytes);

    putLe32(file, 40);
    putLe32(file, quint32(width));
    putLe32(file, quint32(height)); // positive: rows run bottom-up
    putLe16(file, 1);
    putLe16(file, 4);
    putLe32(file, 0); // uncompressed
    putLe32(file, pixelBytes);
    putLe32(file, 2835); // 72 dots per inch
    putLe32(file, 2835);
    putLe32(file, 16);
    putLe32(file, 16);
    for (QRgb colour : Palette16()) {
        file.append(char(qBlue(colour)));
        file.append(char(qGreen(colour)));
        file.append(char(qRed(colour)));
        file.append(char(0));
    }

    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < width; ++x) {
            const int index = paletteIndex(picture.pixel(x, y));
            if (index < 0)
                return QStringLiteral("%1: pixel %2,%3 is not a palette colour").arg(path).arg(x).arg(y);
            row[x / 2] = char(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
        }
        file.append(row);
    }

    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size())
        return QStringLiteral("%1: %2").arg(path, out.errorString());
    return {};
}

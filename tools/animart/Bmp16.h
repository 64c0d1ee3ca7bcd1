#pragma once
// The program's fixed 16-colour palette and the 4-bit uncompressed bitmap files the
// reward animations are stored in. Drawing the pictures is left to Sketch.

#include <QImage>
#include <QString>
#include <array>

// Palette entries in file order; Silver is the window background.
enum Ink : int {
    Black, DarkRed, DarkGreen, Olive, Navy, Purple, Teal, Silver,
    Grey, Red, Green, Yellow, Blue, Magenta, Cyan, White
};

const std::array<QRgb, 16> &Palette16();
QColor inkColor(Ink ink);

// Writes `picture` (any RGB format, every pixel a palette colour) as a 4-bit BMP. Returns
// an empty string on success, else what went wrong.
QString writeBmp16(const QImage &picture, const QString &path);

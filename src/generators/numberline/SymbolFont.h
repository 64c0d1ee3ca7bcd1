#pragma once
// Text in the "Symbol" font, written in that font's own byte values: 0xAF draws a
// downward arrow, 0xBB the approximately-equal sign. Where no font with that mapping is
// installed, an ordinary font draws the same signs from their Unicode characters.

#include <QFont>
#include <QString>

struct SymbolText
{
    QFont font;
    QString text;
};

SymbolText SymbolFontText(const QString &symbolBytes, int pointSize, bool bold = false);

// The same signs as Unicode characters: what the text says to a screen reader, whichever
// font draws it.
QString SymbolFontUnicode(const QString &symbolBytes);

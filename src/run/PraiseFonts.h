#pragma once
// The installed font families a praise word may be written in: faces of the Latin writing
// system that are no symbol or dingbat fonts and have a glyph of their own for every
// character of the word. Drawing one of them is left to the answer check.

#include <QStringList>

QStringList FamiliesThatCanWrite(const QString &word);

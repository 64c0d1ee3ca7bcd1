#pragma once
// The texts of the title window's information boxes: about the program and the practice
// tips. Lines are separated by a carriage return.

#include <QString>

// caption: the title window's caption; executableName: the program's file name on disk.
QString ProgramInfoText(const QString &caption, const QString &executableName);
QString PracticeTipsText();

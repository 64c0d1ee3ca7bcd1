#pragma once
// What the program reads aloud: a task as it was posed, and the feedback word with the
// worked solution. Every number is written out in German words, so the voice never sees
// digits or the blanks between digit groups. Pure; speaking is left to the speech engine.

#include "core/Generation.h"

#include <QString>

// The words of n as spoken on its own: "null", "sieben", "eine Million eins".
QString SpokenNumber(qint64 n);

// The text with every number in it (digit groups separated by single blanks, as shown)
// replaced by its words.
QString SpokenNumbers(const QString &text);

// The task of `kind` as the generator returned it, in the order the child reads it.
QString SpokenTask(qint32 kind, const GeneratedTask &task);

// What the task's picture shows, for assistive technology, without giving the answer
// away: the section of the number line and its arrows, or the dot picture. Empty when the
// task has no picture.
QString PictureDescription(const TaskPicture &picture, int pictureWidth);

// The praise or blame word, what the mistake was (where one was recognised), the
// correction's first line and the worked solution.
QString SpokenCorrection(qint32 kind, const QString &word, const QString &solutionText,
                         const QString &mistakeNote = QString());

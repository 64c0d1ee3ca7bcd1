#pragma once
// What the correction tells the child about a recognised mistake, in a child's words: its
// name, what the child wrote or pointed at, and the one thing to look at next time. Pure:
// the correction dialog shows it and the voice reads it.

#include "kinds/ErrorPatterns.h"

#include <QString>

// Short lines, separated by carriage returns: "Achtung, Zahlendreher!", "Du hast 34
// geschrieben.", "Dreiundvierzig schreibt man 43."; long number words get a line of their
// own and no sentence is longer than "So wird die Aufgabe richtig gelöst:", so the note
// never makes the correction wider than the worked solution. Empty for "anderer Fehler".
QString MistakeNote(const KindInfo &kind, ErrorPattern pattern, const QString &shownTask, qint32 expected,
                    qint32 given);

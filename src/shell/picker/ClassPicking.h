#pragma once
// A class on one shared account: "Wer übt?" comes first, the title window says who
// practises, and "Ende" there goes back to "Wer übt?". While a child practises, the log
// folder is hers and so are her choices (reading aloud, the pad, the size).

#include <QStringList>

class TTitelbild;

// Shows "Wer übt?" for `names` as the program's main window: closing it ends the program.
// A copy started again for a child (`startedFor`, when she is on the list) goes on with her
// at once. A picked child whose own size differs starts the program again for her.
void AskWhoPractises(TTitelbild *title, const QStringList &names, const QString &startedFor);

// "Wer übt?" once, before a single exercise started from the desktop on a class's shared
// account: the picked child practises it. False when the window was closed, or when the
// program begins again for her own size (this copy then ends).
bool AskWhoPractisesOnce(const QStringList &names, const QString &startedFor);

// "Ben übt" on the title window; an empty name takes it away.
void ShowWhoPractises(TTitelbild *title, const QString &child);

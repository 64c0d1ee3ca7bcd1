#pragma once
// The title menu's entry "Aufgaben vorlesen": switches reading aloud on and off, keeps the
// choice per user, and says why it cannot be switched on when there is no voice.

class QMenu;

void AddReadAloudEntry(QMenu *menu);

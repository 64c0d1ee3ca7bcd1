#pragma once
// The title menu's entry "Ziffernblock": shows or hides the on-screen number pad in the
// exercise window and keeps the choice per user.

class QMenu;

void AddNumberPadEntry(QMenu *menu);

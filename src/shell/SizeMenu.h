#pragma once
// The title menu's submenu "Größe": four exclusive entries that keep the user's choice of
// window size and say that it is applied at the next start.

class QMenu;

void AddSizeMenu(QMenu *menu);

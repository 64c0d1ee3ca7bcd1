#pragma once
// The title menu's submenu "Größe": four exclusive entries that keep the user's choice of
// window size. A choice the running program cannot show yet starts it again when no run
// is open; otherwise a notice over the title window says it applies at the next start.

#include <functional>

class QMenu;
class QWidget;

// `startAgain` asks for the new start; the notice stands over `title`.
void AddSizeMenu(QMenu *menu, QWidget *title, const std::function<void()> &startAgain);

// Whether the size stored for whoever practises now (a child picked on a shared account)
// differs from the one this start runs with, on the screen of `measured`, and a new start
// may bring it.
bool OwnSizeDiffers(const QWidget *measured);

// "Die neue Größe gilt ab dem nächsten Start.", over the title window.
void ShowNextStartNotice(QWidget *title);

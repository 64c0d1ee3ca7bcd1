#pragma once
// How large the program's windows are shown: the user's choice "Größe" and the factor it
// gives every window. The toolkit takes a factor only before its start, so a new choice
// is applied at the next start; the menu that offers it is TGroesseMenue's.

#include <QList>
#include <QSize>
#include <QString>

enum class SizeChoice { Normal, Large, VeryLarge, FillScreen };

struct SizeEntry
{
    SizeChoice choice;
    QString caption;
    double factor;   // 0 for "Bildschirm füllen": measured on the screen when chosen
};

// "&Normal", "&Groß" (150 %), "Sehr g&roß" (200 %) and "&Bildschirm füllen".
const QList<SizeEntry> &SizeEntries();

// The largest factor (in hundredths) at which the exercise window fits into the available
// area. Both in the screen's pixels before any factor, as is the screen height that
// chooses the window's layout.
double FillScreenFactor(QSize available, int screenHeight);

SizeChoice ChosenSize();
// The factor the stored choice gives, 1 for "Normal".
double ChosenFactor();
// `fillFactor` is kept for "Bildschirm füllen" and ignored for the others.
void ChooseSize(SizeChoice choice, double fillFactor);

// The factor this start runs with: the one set in the environment, else 1.
double RunningFactor();
// A height the toolkit gives, in the screen's pixels before that factor: the exercise
// window takes its layout from it, so a factor never changes what a task is.
int HeightBeforeFactor(int height);
// Before the application object exists: gives the toolkit the stored choice's factor,
// unless the environment sets one of its own.
void ApplyChosenSize();

inline const QString NextStartNotice = QStringLiteral("Die neue Größe gilt ab dem nächsten Start.");

#pragma once
// How large the program's windows are shown: the user's choice "Größe" and the factor it
// gives every window. The toolkit takes a factor only before its start, so a new choice
// is applied by starting the program again; the menu that offers it is AddSizeMenu's.

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

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

// Whether the exercise window, grown by the factor, fits wholly into the available area;
// sizes in the screen's pixels before any factor.
bool SizeFits(double factor, QSize available, int screenHeight);
// Why a size is not offered on this screen, shown as its tooltip; empty when it fits.
QString SizeRefusal(double factor, QSize available, int screenHeight);

// The user's choice as stored: none before the first choice is made.
struct StoredSize
{
    std::optional<SizeChoice> choice;
    double fillFactor = 1.0;
};
StoredSize StoredSizeChoice();

// The factor a start runs with on a screen with this available area. A chosen size that
// fits is kept; one that does not falls back to the largest fixed size that does, and
// "Bildschirm füllen" fills the screen at hand. With no choice made yet, a screen whose
// area holds the large layout 1.25 times is filled, any other starts at "Normal".
double StartFactor(const StoredSize &stored, QSize available, int screenHeight);

// What choosing a size leads to: nothing when this start already runs at the factor the
// choice gives, a new start at once when this one may begin again (no run open, no factor
// of the environment's own), otherwise the notice that it applies at the next start.
enum class SizeChange { Nothing, StartAgain, NoticeForNextStart };
SizeChange AfterSizeChosen(double runningFactor, double nextFactor, bool mayStartAgain);

// Whether the very first start, with no size chosen yet, begins again filling the screen:
// only on a screen with room for it, and only when this start may begin again (a start
// that is itself such a new start never may, so it cannot repeat).
bool StartsAgainToFill(const StoredSize &stored, QSize available, int screenHeight, double runningFactor,
                       bool mayStartAgain);

// Where a window of this size stands when it should stand at `wanted`: moved, as little
// as it takes, wholly into the area (at its top left when it is larger than the area).
QPoint PlaceInside(const QRect &area, QPoint wanted, QSize window);

// The screen of this start, in its pixels before the factor, kept for the next start: the
// toolkit takes its factor before any screen can be asked.
void RememberScreen(QSize available, int screenHeight);

// What the window manager's frame (title bar and borders) takes around a window, in the
// screen's pixels before the factor. A frame measured on a window that stands is kept;
// without one, the last kept, else a title bar's worth: the window inside the frame must
// fit the available area less the frame, or a filled window reaches past the screen.
QSize WindowFrame(std::optional<QSize> measured = std::nullopt);
// The area a window's inside may take.
QSize InsideFrame(QSize available, QSize frame);

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
// Before the application object exists: gives the toolkit the factor of the stored
// choice, fitted to the screen of the last start, unless the environment sets one of its
// own. Returns whether it does: then no choice in the menu changes the size.
bool ApplyChosenSize();
// The variable the toolkit reads its factor from; a new start of the program must not
// inherit the one ApplyChosenSize put there for this start.
inline constexpr char ScaleFactorVariable[] = "QT_SCALE_FACTOR";

inline const QString NextStartNotice = QStringLiteral("Die neue Größe gilt ab dem nächsten Start.");

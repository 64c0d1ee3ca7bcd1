#include "run/WindowSize.h"

#include "core/UserSettings.h"
#include "run/ExerciseLayout.h"

#include <algorithm>
#include <cmath>

namespace {

// The choice and its factor are whoever practises (chosenSizeValue); the screen, its
// area and the window's frame are the account's computer's.
const QString ChoiceKey = QStringLiteral("Groesse/Wahl");
const QString FillKey = QStringLiteral("Groesse/Bildschirmfaktor");
const QString AreaKey = QStringLiteral("Groesse/Arbeitsflaeche");
const QString ScreenHeightKey = QStringLiteral("Groesse/Bildschirmhoehe");
const QString FrameKey = QStringLiteral("Groesse/Fensterrahmen");
// A title bar and thin borders, as most window managers draw them.
constexpr QSize UnmeasuredFrame(8, 40);
// A screen that holds the large layout this many times over starts filled.
constexpr double RoomForFilling = 1.25;

QSize grown(QSize size, double factor)
{
    return QSize(int(std::ceil(size.width() * factor)), int(std::ceil(size.height() * factor)));
}

// Factors are kept in hundredths.
bool sameFactor(double a, double b)
{
    return std::abs(a - b) < 0.005;
}

// The size is a child's own choice on a shared account, the account's until she makes
// one; the screen it is measured on stays the account's.
QVariant chosenSizeValue(const QString &key, const QVariant &fallback)
{
    const QSettings own = UserSettings();
    return own.contains(ChoiceKey) ? own.value(key, fallback) : AccountSettings().value(key, fallback);
}

} // namespace

const QList<SizeEntry> &SizeEntries()
{
    static const QList<SizeEntry> entries = {
        {SizeChoice::Normal, QStringLiteral("&Normal"), 1.0},
        {SizeChoice::Large, QStringLiteral("&Groß"), 1.5},
        {SizeChoice::VeryLarge, QStringLiteral("Sehr g&roß"), 2.0},
        {SizeChoice::FillScreen, QStringLiteral("&Bildschirm füllen"), 0.0},
    };
    return entries;
}

double FillScreenFactor(QSize available, int screenHeight)
{
    const QSize window = ExerciseLayoutFor(screenHeight).windowSize;
    const double fits = std::min(double(available.width()) / window.width(), double(available.height()) / window.height());
    return std::max(0.01, std::floor(fits * 100) / 100);
}

bool SizeFits(double factor, QSize available, int screenHeight)
{
    const QSize window = grown(ExerciseLayoutFor(screenHeight).windowSize, factor);
    return window.width() <= available.width() && window.height() <= available.height();
}

QString SizeRefusal(double factor, QSize available, int screenHeight)
{
    if (SizeFits(factor, available, screenHeight))
        return QString();
    const QSize window = grown(ExerciseLayoutFor(screenHeight).windowSize, factor);
    return QStringLiteral("Zu groß für diesen Bildschirm: Das Aufgabenfenster braucht %1 × %2 Bildpunkte, "
                          "frei sind %3 × %4.")
        .arg(window.width())
        .arg(window.height())
        .arg(available.width())
        .arg(available.height());
}

StoredSize StoredSizeChoice()
{
    StoredSize stored;
    stored.fillFactor = std::max(0.01, chosenSizeValue(FillKey, 1.0).toDouble());
    if (chosenSizeValue(ChoiceKey, QVariant()).isValid())
        stored.choice = ChosenSize();
    return stored;
}

double StartFactor(const StoredSize &stored, QSize available, int screenHeight)
{
    if (!stored.choice) {
        // The large layout, as every screen taller than 600 pixels gets it.
        const QSize large = ExerciseLayoutFor(601).windowSize;
        const bool roomy = available.width() >= large.width() * RoomForFilling
                        && available.height() >= large.height() * RoomForFilling;
        return roomy ? FillScreenFactor(available, screenHeight) : 1.0;
    }
    if (*stored.choice == SizeChoice::FillScreen)
        return FillScreenFactor(available, screenHeight);
    double factor = 1.0;
    for (const SizeEntry &entry : SizeEntries()) {
        const bool allowed = entry.choice != SizeChoice::FillScreen && entry.choice <= *stored.choice;
        if (allowed && SizeFits(entry.factor, available, screenHeight))
            factor = std::max(factor, entry.factor);
    }
    return factor;
}

SizeChange AfterSizeChosen(double runningFactor, double nextFactor, bool mayStartAgain)
{
    if (sameFactor(runningFactor, nextFactor))
        return SizeChange::Nothing;
    return mayStartAgain ? SizeChange::StartAgain : SizeChange::NoticeForNextStart;
}

bool StartsAgainToFill(const StoredSize &stored, QSize available, int screenHeight, double runningFactor,
                       bool mayStartAgain)
{
    return mayStartAgain && !stored.choice
        && !sameFactor(StartFactor(stored, available, screenHeight), runningFactor);
}

QPoint PlaceInside(const QRect &area, QPoint wanted, QSize window)
{
    const int x = std::max(area.left(), std::min(wanted.x(), area.left() + area.width() - window.width()));
    const int y = std::max(area.top(), std::min(wanted.y(), area.top() + area.height() - window.height()));
    return QPoint(x, y);
}

void RememberScreen(QSize available, int screenHeight)
{
    QSettings settings = AccountSettings();
    settings.setValue(AreaKey, available);
    settings.setValue(ScreenHeightKey, screenHeight);
}

QSize WindowFrame(std::optional<QSize> measured)
{
    QSettings settings = AccountSettings();
    if (measured) {
        settings.setValue(FrameKey, *measured);
        return *measured;
    }
    const QSize kept = settings.value(FrameKey).toSize();
    return kept.isValid() ? kept : UnmeasuredFrame;
}

QSize InsideFrame(QSize available, QSize frame)
{
    return (available - frame).expandedTo(QSize(1, 1));
}

SizeChoice ChosenSize()
{
    const int stored = chosenSizeValue(ChoiceKey, int(SizeChoice::Normal)).toInt();
    for (const SizeEntry &entry : SizeEntries()) {
        if (int(entry.choice) == stored)
            return entry.choice;
    }
    return SizeChoice::Normal;
}

double ChosenFactor()
{
    const SizeChoice choice = ChosenSize();
    if (choice == SizeChoice::FillScreen)
        return std::max(0.01, chosenSizeValue(FillKey, 1.0).toDouble());
    const auto entry = std::find_if(SizeEntries().begin(), SizeEntries().end(),
                                    [choice](const SizeEntry &e) { return e.choice == choice; });
    return entry->factor;
}

void ChooseSize(SizeChoice choice, double fillFactor)
{
    QSettings settings = UserSettings();
    settings.setValue(ChoiceKey, int(choice));
    if (choice == SizeChoice::FillScreen)
        settings.setValue(FillKey, fillFactor);
}

double RunningFactor()
{
    bool valid = false;
    const double factor = qEnvironmentVariable(ScaleFactorVariable).toDouble(&valid);
    return valid && factor > 0 ? factor : 1.0;
}

int HeightBeforeFactor(int height)
{
    return int(std::lround(height * RunningFactor()));
}

bool ApplyChosenSize()
{
    if (qEnvironmentVariableIsSet(ScaleFactorVariable))
        return true;
    const QSettings settings = AccountSettings();
    const QSize area = settings.value(AreaKey).toSize();
    const int screenHeight = settings.value(ScreenHeightKey, 0).toInt();
    const double factor = area.isValid() && screenHeight > 0
                            ? StartFactor(StoredSizeChoice(), area, screenHeight)
                            : ChosenFactor();
    if (factor != 1.0)
        qputenv(ScaleFactorVariable, QByteArray::number(factor));
    return false;
}

#include "shell/WindowSize.h"

#include "log/UserSettings.h"
#include "run/ExerciseLayout.h"

#include <algorithm>
#include <cmath>

namespace {

const QString ChoiceKey = QStringLiteral("Groesse/Wahl");
const QString FillKey = QStringLiteral("Groesse/Bildschirmfaktor");
const char *const FactorVariable = "QT_SCALE_FACTOR";

bool fitsAt(double factor, QSize available, int screenHeight)
{
    const QSize window = ExerciseLayoutFor(int(screenHeight / factor)).windowSize;
    return window.width() * factor <= available.width() && window.height() * factor <= available.height();
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
    // Each layout fills the area at its own factor; the larger one that still takes that
    // layout at the screen height it leaves wins.
    double best = 0.01;
    for (const int layoutHeight : {600, 601}) {
        const QSize window = ExerciseLayoutFor(layoutHeight).windowSize;
        const double factor = std::floor(std::min(double(available.width()) / window.width(),
                                                  double(available.height()) / window.height()) * 100) / 100;
        if (factor > best && fitsAt(factor, available, screenHeight))
            best = factor;
    }
    return best;
}

SizeChoice ChosenSize()
{
    const int stored = UserSettings().value(ChoiceKey, int(SizeChoice::Normal)).toInt();
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
        return std::max(0.01, UserSettings().value(FillKey, 1.0).toDouble());
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
    const double factor = qEnvironmentVariable(FactorVariable).toDouble(&valid);
    return valid && factor > 0 ? factor : 1.0;
}

void ApplyChosenSize()
{
    if (qEnvironmentVariableIsSet(FactorVariable))
        return;
    const double factor = ChosenFactor();
    if (factor != 1.0)
        qputenv(FactorVariable, QByteArray::number(factor));
}

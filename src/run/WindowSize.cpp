#include "run/WindowSize.h"

#include "core/UserSettings.h"
#include "run/ExerciseLayout.h"

#include <algorithm>
#include <cmath>

namespace {

const QString ChoiceKey = QStringLiteral("Groesse/Wahl");
const QString FillKey = QStringLiteral("Groesse/Bildschirmfaktor");
const char *const FactorVariable = "QT_SCALE_FACTOR";

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

int HeightBeforeFactor(int height)
{
    return int(std::lround(height * RunningFactor()));
}

void ApplyChosenSize()
{
    if (qEnvironmentVariableIsSet(FactorVariable))
        return;
    const double factor = ChosenFactor();
    if (factor != 1.0)
        qputenv(FactorVariable, QByteArray::number(factor));
}

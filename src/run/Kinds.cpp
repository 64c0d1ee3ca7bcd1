#include "run/Kinds.h"

#include "generators/CountingDots.h"
#include "generators/NumberLineTasks.h"
#include "generators/NumberSequences.h"
#include "generators/RomanNumerals.h"
#include "generators/WritingNumbers.h"

#include <array>

namespace {

const std::array<KindInfo, 18> &kindTable()
{
    static const std::array<KindInfo, 18> table = {{
        {102, QStringLiteral("Zahlenstrahl bis 200"), ZStrahl, 1},
        {103, QStringLiteral("Zahlenstrahl bis 1000"), ZStrahl, 2},
        {104, QStringLiteral("Zahlenstrahl bis 10 000"), ZStrahl, 3},
        {105, QStringLiteral("Gemischte Aufgaben zum Zahlenstrahl"), ZStrahl, 0},
        {109, QStringLiteral("Zahlen zeigen"), ZZeigen, 0},
        {110, QStringLiteral("Abstände"), Abstand, 0},
        {201, QStringLiteral("Schreibe Zahlen bis 1000"), Schreiben, 1},
        {202, QStringLiteral("Schreibe Zahlen bis 100 000"), Schreiben, 2},
        {203, QStringLiteral("Schreibe Zahlen größer als 1 Million"), Schreiben, 3},
        // Never called as such: the run draws 201 or 202 for every task.
        {204, QString(), Schreiben, 0},
        {301, QStringLiteral("Runde auf Zehner"), nullptr, 1},
        {302, QStringLiteral("Runde auf Hunderter"), nullptr, 2},
        {303, QStringLiteral("Runde auf Tausender"), nullptr, 3},
        {304, QStringLiteral("Runde auf Zehntausender"), nullptr, 4},
        {305, QStringLiteral("Gemischte Aufgaben zum Runden"), nullptr, 0},
        {401, QStringLiteral("Römische Zahlen"), Roemisch, 0},
        {402, QStringLiteral("Zahlenfolgen"), Folgen, 0},
        {403, QStringLiteral("Zählen"), Zaehlen, 0},
    }};
    return table;
}

} // namespace

const KindInfo *FindKind(qint32 code)
{
    for (const KindInfo &info : kindTable()) {
        if (info.code == code)
            return &info;
    }
    return nullptr;
}

#include "kinds/Kinds.h"

#include "generators/counting/CountingDots.h"
#include "generators/numberline/NumberLineTasks.h"
#include "generators/sequences/NumberSequences.h"
#include "generators/roman/RomanNumerals.h"
#include "generators/rounding/Rounding.h"
#include "generators/writing/WritingNumbers.h"

#include <array>

namespace {

const std::array<KindInfo, 18> &kindTable()
{
    static const std::array<KindInfo, 18> table = {{
        {102, ZStrahl, 1,
         "Strahl200", QStringLiteral("Zahlenstrahl bis     &200")},
        {103, ZStrahl, 2,
         "Strahl2000", QStringLiteral("Zahlenstrahl bis  &1 000")},
        {104, ZStrahl, 3,
         "ZahlenstrahlbisZT", QStringLiteral("Zahlenstrahl bis 10 &000")},
        {105, ZStrahl, 0,
         "StrahlMixed", QStringLiteral("ge&mischte Aufgaben")},
        {109, ZZeigen, 0,
         "Zeigen", QStringLiteral("Zahlen am Zahlenstrahl &zeigen"), "N2"},
        {110, Abstand, 0,
         "Abstand", QStringLiteral("&Abstände")},
        {201, Schreiben, 1,
         "bisT", QStringLiteral("Zahlen bis      1 000")},
        {202, Schreiben, 2,
         "bisHT", QStringLiteral("Zahlen bis  100 000")},
        {203, Schreiben, 3,
         "ueber1M", QStringLiteral("Zahlen über 1 Million")},
        // Never called as such: the run draws 201 or 202 for every task.
        {204, Schreiben, 0},
        {301, Runden, 1,
         "RundeaufZehner", QStringLiteral("Runde auf &Zehner")},
        {302, Runden, 2,
         "RundeaufHunderter", QStringLiteral("Runde auf &Hunderter")},
        {303, Runden, 3,
         "RundeaufTausender", QStringLiteral("Runde auf &Tausender")},
        {304, Runden, 4,
         "RundeaufZehntausender", QStringLiteral("Runde auf Z&ehntausender")},
        {305, Runden, 0,
         "Rundegemischt", QStringLiteral("&gemischte Aufgaben"), "N3"},
        {401, Roemisch, 0,
         "RmischeZahlen", QStringLiteral("&Römische Zahlen")},
        {402, Folgen, 0,
         "Zahlenfolgen1", QStringLiteral("Zahlen&folgen")},
        {403, Zaehlen, 0,
         "Zaehlen", QStringLiteral("\"Z&ählen\"")},
    }};
    return table;
}

} // namespace

std::span<const KindInfo> AllKinds()
{
    return kindTable();
}

QString KindFamilyTitle(int family)
{
    switch (family) {
    case 1: return QStringLiteral("Zahlenstrahl");
    case 2: return QStringLiteral("Zahlen &schreiben");
    case 3: return QStringLiteral("&Runden");
    case 4: return QStringLiteral("&Verschiedenes");
    default: return QString();
    }
}

const KindInfo *FindKind(qint32 code)
{
    for (const KindInfo &info : kindTable()) {
        if (info.code == code)
            return &info;
    }
    return nullptr;
}

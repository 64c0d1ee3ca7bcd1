#include "run/Kinds.h"

#include "generators/CountingDots.h"
#include "generators/NumberLineTasks.h"
#include "generators/NumberSequences.h"
#include "generators/RomanNumerals.h"
#include "generators/Rounding.h"
#include "generators/WritingNumbers.h"

#include <array>

namespace {

const std::array<KindInfo, 18> &kindTable()
{
    static const std::array<KindInfo, 18> table = {{
        {102, QStringLiteral("Zahlenstrahl bis 200"), ZStrahl, 1,
         "Strahl200", QStringLiteral("Zahlenstrahl bis     &200")},
        {103, QStringLiteral("Zahlenstrahl bis 1000"), ZStrahl, 2,
         "Strahl2000", QStringLiteral("Zahlenstrahl bis  &1 000")},
        {104, QStringLiteral("Zahlenstrahl bis 10 000"), ZStrahl, 3,
         "ZahlenstrahlbisZT", QStringLiteral("Zahlenstrahl bis 10 &000")},
        {105, QStringLiteral("Gemischte Aufgaben zum Zahlenstrahl"), ZStrahl, 0,
         "StrahlMixed", QStringLiteral("ge&mischte Aufgaben")},
        {109, QStringLiteral("Zahlen zeigen"), ZZeigen, 0,
         "Zeigen", QStringLiteral("Zahlen am Zahlenstrahl &zeigen"), "N2"},
        {110, QStringLiteral("Abstände"), Abstand, 0,
         "Abstand", QStringLiteral("&Abstände")},
        {201, QStringLiteral("Schreibe Zahlen bis 1000"), Schreiben, 1,
         "bisT", QStringLiteral("Zahlen bis      1 000")},
        {202, QStringLiteral("Schreibe Zahlen bis 100 000"), Schreiben, 2,
         "bisHT", QStringLiteral("Zahlen bis  100 000")},
        {203, QStringLiteral("Schreibe Zahlen größer als 1 Million"), Schreiben, 3,
         "ueber1M", QStringLiteral("Zahlen über 1 Million")},
        // Never called as such: the run draws 201 or 202 for every task.
        {204, QString(), Schreiben, 0},
        {301, QStringLiteral("Runde auf Zehner"), Runden, 1,
         "RundeaufZehner", QStringLiteral("Runde auf &Zehner")},
        {302, QStringLiteral("Runde auf Hunderter"), Runden, 2,
         "RundeaufHunderter", QStringLiteral("Runde auf &Hunderter")},
        {303, QStringLiteral("Runde auf Tausender"), Runden, 3,
         "RundeaufTausender", QStringLiteral("Runde auf &Tausender")},
        {304, QStringLiteral("Runde auf Zehntausender"), Runden, 4,
         "RundeaufZehntausender", QStringLiteral("Runde auf Z&ehntausender")},
        {305, QStringLiteral("Gemischte Aufgaben zum Runden"), Runden, 0,
         "Rundegemischt", QStringLiteral("&gemischte Aufgaben"), "N3"},
        {401, QStringLiteral("Römische Zahlen"), Roemisch, 0,
         "RmischeZahlen", QStringLiteral("&Römische Zahlen")},
        {402, QStringLiteral("Zahlenfolgen"), Folgen, 0,
         "Zahlenfolgen1", QStringLiteral("Zahlen&folgen")},
        {403, QStringLiteral("Zählen"), Zaehlen, 0,
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

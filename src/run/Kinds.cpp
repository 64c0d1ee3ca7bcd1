#include "run/Kinds.h"

#include "generators/Rounding.h"

#include <array>

namespace {

const std::array<KindInfo, 18> &kindTable()
{
    static const std::array<KindInfo, 18> table = {{
        {102, QStringLiteral("Zahlenstrahl bis 200"), nullptr, 1},
        {103, QStringLiteral("Zahlenstrahl bis 1000"), nullptr, 2},
        {104, QStringLiteral("Zahlenstrahl bis 10 000"), nullptr, 3},
        {105, QStringLiteral("Gemischte Aufgaben zum Zahlenstrahl"), nullptr, 0},
        {109, QStringLiteral("Zahlen zeigen"), nullptr, 0},
        {110, QStringLiteral("Abstände"), nullptr, 0},
        {201, QStringLiteral("Schreibe Zahlen bis 1000"), nullptr, 1},
        {202, QStringLiteral("Schreibe Zahlen bis 100 000"), nullptr, 2},
        {203, QStringLiteral("Schreibe Zahlen größer als 1 Million"), nullptr, 3},
        {204, QString(), nullptr, 0},
        {301, QStringLiteral("Runde auf Zehner"), Runden, 1},
        {302, QStringLiteral("Runde auf Hunderter"), Runden, 2},
        {303, QStringLiteral("Runde auf Tausender"), Runden, 3},
        {304, QStringLiteral("Runde auf Zehntausender"), Runden, 4},
        {305, QStringLiteral("Gemischte Aufgaben zum Runden"), Runden, 0},
        {401, QStringLiteral("Römische Zahlen"), nullptr, 0},
        {402, QStringLiteral("Zahlenfolgen"), nullptr, 0},
        {403, QStringLiteral("Zählen"), nullptr, 0},
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

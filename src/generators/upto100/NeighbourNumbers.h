#pragma once
// Neighbours up to 100: the number just before or just after a number, or the ten before
// or after it. One neighbour is asked per task, so the child has one answer to give; the
// worked solution shows the number between its neighbours.

#include "core/Generation.h"

#include <QString>

struct NeighbourTask
{
    qint32 number = 0;
    bool tens = false;    // the neighbouring ten instead of the neighbouring number
    bool after = false;   // the neighbour after the number instead of before it

    qint32 neighbour() const;
};

// Level 1: the number before or after, up to 20; level 2: up to 100; level 3: half of
// the tasks the ten before or after a number that is no ten, half a neighbour across a
// ten (after 39, before 60). No neighbour below 1 or above 100.
NeighbourTask DrawNeighbourTask(Random &random, int level);

// "Welche Zahl kommt direkt vor 47?", "Welcher Zehner kommt nach 47?".
QString NeighbourQuestion(const NeighbourTask &task);

// The worked solution: the neighbour named and the number between its neighbours, or the
// tens the number lies between.
QString NeighbourSolution(const NeighbourTask &task);

// Generator of "Nachbarzahlen bis 100".
GeneratedTask Nachbarzahlen(GenerationContext &context, int);

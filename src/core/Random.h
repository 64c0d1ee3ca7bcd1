#pragma once
// The program's one random generator: uniform whole numbers and fractions for the task
// generators and the reward animations. Seeding points are decided by the callers; tests
// make their own generator with a fixed seed.

#include <QtGlobal>
#include <random>

class Random
{
public:
    explicit Random(quint32 seed = 0) : m_engine(seed) {}

    void seed(quint32 value) { m_engine.seed(value); }
    // Milliseconds since midnight, universal time: the clock seed of start-up, run start
    // and every reward.
    void seedFromClock();

    // A whole number in 0..n-1, each with equal chance; 0 when n is 0 or negative.
    qint32 below(qint32 n);
    // A whole number in from..to, both included.
    qint32 between(qint32 from, qint32 to) { return from + below(to - from + 1); }
    // A real number in [0, 1).
    double fraction();

private:
    std::mt19937 m_engine;
};

// The generator shared by the whole program: task generators, the reward draw and the
// clock seeding at start-up all draw from this one.
Random &sharedRandom();

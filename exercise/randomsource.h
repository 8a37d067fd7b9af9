// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef RANDOMSOURCE_H
#define RANDOMSOURCE_H

#include <QRandomGenerator>
#include <QtGlobal>

#include <optional>

// The program's one source of random numbers. Every command that shuffles or draws makes its own
// source, seeded from the clock (milliseconds since the epoch, so two runs a second apart differ
// too). Tests either hand a seeded source to the exercise logic, or fix the seed that every
// clock-seeded source then takes, so that a draw or a shuffle made by the window repeats exactly.
class RandomSource
{
public:
    RandomSource();
    explicit RandomSource(quint32 seed);

    // A uniform number in [0, n); 0 when n is not positive.
    int bounded(int n);

    quint32 seed() const { return m_seed; }

    // The seed a default-constructed source takes instead of the clock, until cleared.
    static void setSeedOverride(std::optional<quint32> seed);
    static std::optional<quint32> seedOverride();

private:
    static quint32 clockSeed();

    quint32 m_seed;
    QRandomGenerator m_generator;
};

#endif // RANDOMSOURCE_H

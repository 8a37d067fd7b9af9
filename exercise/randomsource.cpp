// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/randomsource.h"

#include <QDateTime>

namespace {
std::optional<quint32> s_seedOverride;
}

RandomSource::RandomSource()
    : RandomSource(s_seedOverride.value_or(clockSeed()))
{ }

RandomSource::RandomSource(quint32 seed)
    : m_seed(seed)
    , m_generator(seed)
{ }

int RandomSource::bounded(int n)
{
    if (n <= 0)
        return 0;
    return int(m_generator.bounded(quint32(n)));
}

void RandomSource::setSeedOverride(std::optional<quint32> seed)
{
    s_seedOverride = seed;
}

std::optional<quint32> RandomSource::seedOverride()
{
    return s_seedOverride;
}

quint32 RandomSource::clockSeed()
{
    return quint32(QDateTime::currentMSecsSinceEpoch());
}

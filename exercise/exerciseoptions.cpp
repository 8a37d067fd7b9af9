// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/exerciseoptions.h"

namespace ExerciseBuilder {

void number(QStringList &list)
{
    for (int i = 0; i < list.size(); ++i)
        list[i] = QString::number(i + 1) + QStringLiteral(". ") + list.at(i);
}

QString clipboardText(const Exercise &exercise)
{
    return QLatin1Char('\n') + exercise.words.join(QStringLiteral("   ")) + QStringLiteral("\n\n")
        + exercise.questions.join(QLatin1Char('\n'));
}

} // namespace ExerciseBuilder

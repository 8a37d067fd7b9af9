// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/exercisebuilder.h"

#include "data/lxdsentence.h"

namespace {
constexpr int GapWidth = 10;

QString gapOfWidth(int width)
{
    return QLatin1Char('[') + QString(width, QLatin1Char('_')) + QLatin1Char(']');
}
} // namespace

namespace ExerciseBuilder {

QString gapMarker()
{
    return gapOfWidth(GapWidth);
}

Exercise build(const QStringList &entries, const ExerciseOptions &options, RandomSource &random)
{
    Exercise exercise;
    const QString marker = gapMarker();

    for (const QString &text : entries) {
        const QString gapped = LxdSentence::gapKeyWords(text, exercise.words, marker);
        exercise.questions.append(options.gapWords ? gapped : text);
    }

    // Gaps of one exercise share one width, so the longest word still fits its gap.
    if (options.gapWords) {
        int width = GapWidth;
        for (const QString &word : std::as_const(exercise.words))
            width = qMax(width, int(word.size()));
        if (width > GapWidth)
            exercise.questions.replaceInStrings(marker, gapOfWidth(width));
    }

    if (!options.bracketWords) {
        exercise.questions.replaceInStrings(QStringLiteral("["), QString());
        exercise.questions.replaceInStrings(QStringLiteral("]"), QString());
    }

    if (options.jumbleOrder)
        jumble(exercise.questions, random);

    if (options.includeQNums)
        number(exercise.questions);

    if (!options.includeWordList)
        exercise.words.clear();

    return exercise;
}

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

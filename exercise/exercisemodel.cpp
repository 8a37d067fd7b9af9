// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/exercisemodel.h"

#include "data/lxdsentence.h"
#include "exercise/randomsource.h"

#include <QSet>

QString ExerciseQuestion::solvedText() const
{
    QString text = texts.value(0);
    for (int i = 0; i < answers.size(); ++i)
        text += answers.at(i) + texts.value(i + 1);
    return text;
}

QString ExerciseQuestion::gappedText(const QString &gap) const
{
    return texts.join(gap);
}

QStringList ExerciseModel::orderedEntries() const
{
    QStringList ordered;
    ordered.reserve(questions.size());
    for (const ExerciseQuestion &question : questions)
        ordered.append(question.entry);
    return ordered;
}

QStringList ExerciseModel::questionTexts(bool numbered) const
{
    // The builder's own rules in the model's order: it shuffles nothing when not asked to.
    ExerciseOptions textOptions = options;
    textOptions.jumbleOrder = false;
    textOptions.includeQNums = numbered;
    RandomSource unused(seed);
    return ExerciseBuilder::build(orderedEntries(), textOptions, unused).questions;
}

QStringList ExerciseModel::entryWords() const
{
    QStringList words;
    for (const QString &entry : entries)
        LxdSentence::gapKeyWords(entry, words, QString());
    return words;
}

QStringList ExerciseModel::sheetWords(bool shuffled) const
{
    if (!options.includeWordList)
        return {};
    if (options.shuffleWordList)
        return wordBank;
    QStringList words = entryWords();
    if (shuffled) {
        // The same source the questions were shuffled from, carried on past their draws.
        RandomSource random(seed);
        if (options.jumbleOrder) {
            QList<int> order(questions.size());
            ExerciseBuilder::jumble(order, random);
        }
        ExerciseBuilder::jumble(words, random);
    }
    return words;
}

QString ExerciseModel::answersText(int i) const
{
    return questions.value(i).answers.join(QLatin1String(", "));
}

QStringList ExerciseModel::keyLines() const
{
    QStringList lines;
    lines.reserve(questions.size());
    for (int i = 0; i < questions.size(); ++i) {
        const QString answers = answersText(i);
        lines.append(QString::number(i + 1) + QLatin1Char('.')
            + (answers.isEmpty() ? QString() : QLatin1Char(' ') + answers));
    }
    return lines;
}

namespace ExerciseModelBuilder {

ExerciseQuestion split(const QString &entry)
{
    ExerciseQuestion question;
    question.entry = entry;
    QString text;
    qsizetype open = -1; // where the key word being read starts, after its bracket
    for (qsizetype i = 0; i < entry.size(); ++i) {
        const QChar c = entry.at(i);
        if (open < 0) {
            if (c == QLatin1Char('['))
                open = i + 1;
            else
                text += c;
        } else if (c == QLatin1Char(']')) {
            question.texts.append(text);
            question.answers.append(entry.mid(open, i - open));
            text.clear();
            open = -1;
        }
    }
    if (open >= 0)
        text += entry.mid(open - 1); // an opening bracket never closed is text
    question.texts.append(text);
    return question;
}

ExerciseModel build(
    const QStringList &entries, const ExerciseOptions &options, quint32 seed, const QString &title)
{
    ExerciseModel model;
    model.options = options;
    model.seed = seed;
    model.title = title;
    model.entries = entries;
    for (const QString &entry : entries)
        model.questions.append(split(entry));

    RandomSource random(seed);
    if (options.jumbleOrder)
        ExerciseBuilder::jumble(model.questions, random);

    QSet<QString> seen;
    for (const ExerciseQuestion &question : std::as_const(model.questions)) {
        for (const QString &answer : question.answers) {
            if (!seen.contains(answer)) {
                seen.insert(answer);
                model.wordBank.append(answer);
            }
        }
    }
    ExerciseBuilder::jumble(model.wordBank, random);
    return model;
}

} // namespace ExerciseModelBuilder

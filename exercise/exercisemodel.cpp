// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/exercisemodel.h"

#include "exercise/instructionlanguage.h"
#include "exercise/randomsource.h"

#include <QCoreApplication>
#include <QSet>
#include <QTextBoundaryFinder>

#include <algorithm>

QString ExerciseQuestion::entry() const
{
    QString entry;
    for (const BracketSegment &segment : segments)
        entry += segment.kind == BracketSegment::Gap ? QLatin1Char('[') + segment.raw + QLatin1Char(']')
                                                     : segment.raw;
    return entry;
}

QStringList ExerciseQuestion::texts() const
{
    QStringList texts;
    for (const BracketSegment &segment : segments) {
        if (segment.kind == BracketSegment::Text)
            texts.append(segment.text());
    }
    return texts;
}

QList<BracketSegment> ExerciseQuestion::gaps() const
{
    QList<BracketSegment> gaps;
    for (const BracketSegment &segment : segments) {
        if (segment.kind == BracketSegment::Gap)
            gaps.append(segment);
    }
    return gaps;
}

QStringList ExerciseQuestion::answers() const
{
    QStringList answers;
    for (const BracketSegment &segment : segments) {
        if (segment.kind == BracketSegment::Gap)
            answers.append(segment.answers.first());
    }
    return answers;
}

QStringList ExerciseQuestion::offered(int gap) const
{
    const QStringList drawn = choiceOrder.value(gap);
    if (!drawn.isEmpty())
        return drawn;
    const BracketSegment segment = gaps().value(gap);
    return segment.choices.isEmpty() ? QStringList()
                                     : QStringList {segment.answers.first()} + segment.choices;
}

QString ExerciseQuestion::solvedText() const
{
    QString text;
    for (const BracketSegment &segment : segments)
        text += segment.kind == BracketSegment::Gap ? segment.answers.first() : segment.text();
    return text;
}

QString ExerciseQuestion::gappedText(const QString &gap) const
{
    QString text;
    for (const BracketSegment &segment : segments)
        text += segment.kind == BracketSegment::Gap ? gap : segment.text();
    return text;
}

QStringList ExerciseModel::orderedEntries() const
{
    QStringList ordered;
    ordered.reserve(questions.size());
    for (const ExerciseQuestion &question : questions)
        ordered.append(question.entry());
    return ordered;
}

namespace {

constexpr int GapWidth = 10; // the gap marker's underscores

// Gaps of one exercise share one width, so the longest answer still fits its gap.
int gapWidth(const ExerciseModel &model)
{
    int width = GapWidth;
    for (const ExerciseQuestion &question : model.questions) {
        for (const BracketSegment &segment : question.segments) {
            for (const QString &answer : segment.answers)
                width = qMax(width, int(answer.size()));
        }
    }
    return width;
}

} // namespace

namespace GapHints {

namespace {

int graphemes(const QString &word)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, word);
    int count = 0;
    while (finder.toNextBoundary() > 0)
        ++count;
    return count;
}

} // namespace

QString firstLetter(const QString &answer)
{
    const QString trimmed = answer.trimmed();
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, trimmed);
    const qsizetype end = finder.toNextBoundary();
    return end > 0 ? trimmed.left(end) : QString();
}

QString letterCount(const QString &answer)
{
    QStringList counts;
    for (const QString &word : answer.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        counts.append(QString::number(graphemes(word)));
    return counts.join(QLatin1Char(' '));
}

QString text(const QString &answer, ExerciseOptions::Hints hints)
{
    switch (hints) {
    case ExerciseOptions::Hints::FirstLetter: {
        const QString letter = firstLetter(answer);
        return letter.isEmpty() ? QString() : letter + QChar(0x2026);
    }
    case ExerciseOptions::Hints::LetterCount: {
        const QString count = letterCount(answer);
        return count.isEmpty() ? QString() : QLatin1Char('(') + count + QLatin1Char(')');
    }
    case ExerciseOptions::Hints::None:
        break;
    }
    return QString();
}

QString blank(const QString &answer, ExerciseOptions::Hints hints, int width)
{
    const QString letter = hints == ExerciseOptions::Hints::FirstLetter ? firstLetter(answer) : QString();
    return letter.isEmpty() ? QString(width, QLatin1Char('_'))
                            : letter + QString(qMax(1, width - 1), QLatin1Char('_'));
}

QString afterBlank(const QString &answer, ExerciseOptions::Hints hints)
{
    return hints == ExerciseOptions::Hints::LetterCount && !answer.trimmed().isEmpty()
        ? QLatin1Char(' ') + text(answer, hints)
        : QString();
}

QString letterSlots(const QString &answer)
{
    QStringList words;
    for (const QString &word : answer.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QStringList marks;
        QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, word);
        qsizetype start = 0;
        for (qsizetype end = finder.toNextBoundary(); end > 0; end = finder.toNextBoundary()) {
            const QString character = word.mid(start, end - start);
            marks.append(character.front().isLetterOrNumber() ? QStringLiteral("_") : character);
            start = end;
        }
        words.append(marks.join(QLatin1Char(' ')));
    }
    // An em space, which HTML does not fold into the blanks around it.
    return words.join(QChar(0x2003));
}

QString withClue(const BracketSegment &gap, ExerciseOptions::Hints hints)
{
    const QString &answer = gap.answers.value(0);
    const QString hint
        = hints == ExerciseOptions::Hints::LetterCount ? letterSlots(answer) : text(answer, hints);
    if (hint.isEmpty())
        return gap.clue;
    return gap.clue.isEmpty() ? hint : gap.clue + QLatin1String("; ") + hint;
}

} // namespace GapHints

QString ExerciseQuestion::shownText(const ExerciseOptions &options, int width, bool clues) const
{
    const bool brackets = options.bracketWords;
    const auto bracketed = [brackets](const QString &inside) {
        return brackets ? QLatin1Char('[') + inside + QLatin1Char(']') : inside;
    };
    QString text;
    int gap = 0;
    for (const BracketSegment &segment : segments) {
        switch (segment.kind) {
        case BracketSegment::Text:
            text += brackets ? segment.text() : BracketText::withoutBrackets(segment.raw);
            break;
        case BracketSegment::Gap:
            if (options.gapWords) {
                const QString &answer = segment.answers.first();
                text += bracketed(GapHints::blank(answer, options.hints, width))
                    + GapHints::afterBlank(answer, options.hints);
                if (clues && !segment.clue.isEmpty())
                    text += QLatin1String(" (") + segment.clue + QLatin1Char(')');
                if (clues && !segment.choices.isEmpty())
                    text += QLatin1String(" (") + offered(gap).join(QLatin1String(" / ")) + QLatin1Char(')');
            } else if (!segment.raw.contains(u'|') && !segment.raw.contains(QLatin1String("::"))
                && !segment.raw.contains(u'~')) {
                // A key word as written, brackets inside it going with the others.
                text += brackets ? QLatin1Char('[') + segment.text() + QLatin1Char(']')
                                 : BracketText::withoutBrackets(segment.raw);
            } else {
                text += bracketed(segment.answers.first());
            }
            break;
        case BracketSegment::Open: // never in a question
            break;
        }
        if (segment.kind == BracketSegment::Gap)
            ++gap;
    }
    return text;
}

QString ExerciseModel::questionText(int i) const
{
    return questions.value(i).shownText(options, gapWidth(*this));
}

QStringList ExerciseModel::questionTexts(bool numbered) const
{
    const int width = gapWidth(*this);
    QStringList texts;
    texts.reserve(questions.size());
    for (const ExerciseQuestion &question : questions)
        texts.append(question.shownText(options, width));
    if (numbered)
        ExerciseBuilder::number(texts);
    return texts;
}

QStringList ExerciseModel::entryWords() const
{
    QStringList words;
    for (const QString &entry : entries)
        words.append(ExerciseModelBuilder::split(entry).answers());
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
    // The words that fill no gap go in at places drawn from the seed, not all at the end.
    RandomSource random(seed + 2);
    for (const QString &word : distractors)
        words.insert(random.bounded(int(words.size()) + 1), word);
    return words;
}

QString ExerciseModel::answersText(int i) const
{
    QStringList answers;
    for (const BracketSegment &gap : questions.value(i).gaps()) {
        QString answer = gap.answers.first();
        const QStringList others = gap.answers.mid(1);
        if (!others.isEmpty())
            answer += QLatin1Char(' ')
                + InstructionLanguage::translate(options.instructionLanguage, "ExerciseModel",
                    QT_TRANSLATE_NOOP("ExerciseModel", "(also: %1)"))
                      .arg(others.join(QLatin1String(", ")));
        answers.append(answer);
    }
    return answers.join(QLatin1String(", "));
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
    question.segments = BracketText::tokenize(entry);
    // A bracket left open is no key word: it joins the text before it, which the tokenizer always
    // gives. That text cannot end in a lone backslash (it would have escaped the bracket), so the
    // joined characters read as they were written.
    if (question.segments.size() > 1 && question.segments.last().kind == BracketSegment::Open) {
        const BracketSegment open = question.segments.takeLast();
        question.segments.last().raw += QLatin1Char('[') + open.raw;
    }
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

    // Once per gap a word fills, as the sheets' instructions promise.
    for (const ExerciseQuestion &question : std::as_const(model.questions))
        model.wordBank.append(question.answers());
    ExerciseBuilder::jumble(model.wordBank, random);

    // A gap's choices are shown in an order of their own draw, so no other draw of the seed moves.
    RandomSource choiceRandom(seed ^ 0x2545f491u);
    for (ExerciseQuestion &question : model.questions) {
        for (const BracketSegment &gap : question.gaps()) {
            QStringList offered;
            if (!gap.choices.isEmpty()) {
                offered = QStringList {gap.answers.first()} + gap.choices;
                ExerciseBuilder::jumble(offered, choiceRandom);
            }
            question.choiceOrder.append(offered);
        }
    }
    return model;
}

void addDistractors(ExerciseModel &model, const QStringList &typed, int count, const QStringList &pool)
{
    QSet<QString> taken;
    QList<int> lengths;
    for (const ExerciseQuestion &question : std::as_const(model.questions)) {
        for (const BracketSegment &gap : question.gaps()) {
            for (const QString &answer : gap.answers)
                taken.insert(answer.toCaseFolded());
            lengths.append(int(gap.answers.value(0).size()));
        }
    }
    const auto take = [&](const QString &word) {
        const QString trimmed = word.trimmed();
        if (trimmed.isEmpty() || taken.contains(trimmed.toCaseFolded()))
            return false;
        taken.insert(trimmed.toCaseFolded());
        model.distractors.append(trimmed);
        return true;
    };
    for (const QString &word : typed)
        take(word);

    if (count > 0 && !pool.isEmpty()) {
        std::sort(lengths.begin(), lengths.end());
        const int typical = lengths.isEmpty() ? 5 : lengths.at(lengths.size() / 2);
        // A draw of its own from the exercise's seed: the questions' and the bank's draws stay as
        // they are.
        QStringList candidates = pool;
        RandomSource random(model.seed ^ 0x9e3779b9u);
        ExerciseBuilder::jumble(candidates, random);
        std::stable_sort(candidates.begin(), candidates.end(), [typical](const QString &a, const QString &b) {
            return qAbs(int(a.trimmed().size()) - typical) < qAbs(int(b.trimmed().size()) - typical);
        });
        int added = 0;
        for (const QString &candidate : std::as_const(candidates)) {
            if (added == count)
                break;
            if (take(candidate))
                ++added;
        }
    }
    if (model.distractors.isEmpty())
        return;
    model.wordBank.append(model.distractors);
    RandomSource random(model.seed + 1);
    ExerciseBuilder::jumble(model.wordBank, random);
}

} // namespace ExerciseModelBuilder

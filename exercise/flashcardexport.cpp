// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/flashcardexport.h"

#include <QCryptographicHash>
#include <QSet>
#include <QtEndian>

namespace {

// A text as an HTML field of an Anki note: markup characters escaped, and the characters Anki reads
// as its own written as character references, which it shows as the characters they stand for.
// Braces could close or open a cloze deletion anywhere; inside one, a colon could start its hint.
QString ankiHtml(const QString &text, bool insideCloze)
{
    QString html;
    html.reserve(text.size() + 8);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            html += QLatin1String("&amp;");
            break;
        case u'<':
            html += QLatin1String("&lt;");
            break;
        case u'>':
            html += QLatin1String("&gt;");
            break;
        case u'"': // a field starting with a quotation mark would be read as quoted
            html += QLatin1String("&quot;");
            break;
        case u'{':
            html += QLatin1String("&#123;");
            break;
        case u'}':
            html += QLatin1String("&#125;");
            break;
        case u':':
            html += insideCloze ? QLatin1String("&#58;") : QLatin1String(":");
            break;
        case u'\t':
            html += QLatin1Char(' ');
            break;
        case u'\r':
            break;
        case u'\n':
            html += QLatin1String("<br>");
            break;
        default:
            html += c;
        }
    }
    return html;
}

// The answers of a card as the answer key lists them ("went (also: goes)").
QString answersOf(const ExerciseQuestion &question)
{
    ExerciseModel one;
    one.questions.append(question);
    return one.answersText(0);
}

// A field of a Quizlet line: tabs and line breaks would start another field or card.
QString quizletField(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    for (QChar &c : text) {
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    }
    return text.trimmed();
}

} // namespace

namespace FlashcardExport {

QString guid(const QString &entry)
{
    // Anki's own alphabet for note guids: letters, digits and 29 punctuation characters.
    static const QByteArray Alphabet("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"
                                     "!#$%&()*+,-./:;<=>?@[]^_`{|}~");
    const QByteArray digest = QCryptographicHash::hash(entry.toUtf8(), QCryptographicHash::Sha256);
    quint64 number = qFromBigEndian<quint64>(digest.constData());
    QString text;
    do {
        text.prepend(QLatin1Char(Alphabet.at(int(number % quint64(Alphabet.size())))));
        number /= quint64(Alphabet.size());
    } while (number > 0);
    return text;
}

QList<ExerciseQuestion> cards(const ExerciseModel &model, int *withoutKeyWord)
{
    QList<ExerciseQuestion> list;
    QSet<QString> seen;
    int left = 0;
    for (const ExerciseQuestion &question : model.questions) {
        const QString entry = question.entry();
        if (question.gaps().isEmpty()) {
            ++left;
            continue;
        }
        // One note per sentence: a second would have the same guid and only update the first.
        if (seen.contains(entry))
            continue;
        seen.insert(entry);
        list.append(question);
    }
    if (withoutKeyWord)
        *withoutKeyWord = left;
    return list;
}

QByteArray anki(const ExerciseModel &model)
{
    QString file = QStringLiteral("#separator:tab\n#html:true\n#notetype:Cloze\n"
                                  "#columns:Text\tBack Extra\tGUID\n#guid column:3\n");
    // A tag from the title lets the teacher's pupils find these cards; a tag holds no blanks.
    const QString tag = model.title.simplified().replace(QLatin1Char(' '), QLatin1Char('_'));
    if (!tag.isEmpty())
        file += QLatin1String("#tags:") + tag + QLatin1Char('\n');

    for (const ExerciseQuestion &question : cards(model)) {
        // Every gap a cloze number of its own: each key word becomes a card of its own, which Anki
        // schedules by how well the pupil knows that word, with the rest of the sentence as context.
        QString text;
        int number = 0;
        for (const BracketSegment &segment : question.segments) {
            if (segment.kind != BracketSegment::Gap) {
                text += ankiHtml(segment.text(), false);
                continue;
            }
            text += QLatin1String("{{c") + QString::number(++number) + QLatin1String("::")
                + ankiHtml(segment.answers.first(), true);
            const QString hint = GapHints::withClue(segment, model.options.hints);
            if (!hint.isEmpty())
                text += QLatin1String("::") + ankiHtml(hint, true);
            text += QLatin1String("}}");
        }
        // A '#' at the start of a line would make the line a comment.
        if (text.startsWith(QLatin1Char('#')))
            text.replace(0, 1, QLatin1String("&#35;"));
        file += text + QLatin1Char('\t') + ankiHtml(answersOf(question), false) + QLatin1Char('\t')
            + guid(question.entry()) + QLatin1Char('\n');
    }
    return file.toUtf8();
}

QByteArray quizlet(const ExerciseModel &model)
{
    // The sheet's gap without brackets, narrower: the term is read on a card, not written on. The text
    // around it is kept as written, a bracket left open included.
    constexpr int GapWidth = 5;
    QString file;
    for (const ExerciseQuestion &question : cards(model)) {
        QString term;
        for (const BracketSegment &segment : question.segments) {
            if (segment.kind != BracketSegment::Gap) {
                term += segment.text();
                continue;
            }
            const QString &answer = segment.answers.first();
            term += GapHints::blank(answer, model.options.hints, GapWidth)
                + GapHints::afterBlank(answer, model.options.hints);
            if (!segment.clue.isEmpty())
                term += QLatin1String(" (") + segment.clue + QLatin1Char(')');
        }
        file
            += quizletField(term) + QLatin1Char('\t') + quizletField(answersOf(question)) + QLatin1Char('\n');
    }
    return file.toUtf8();
}

} // namespace FlashcardExport

// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef WORDFORMS_H
#define WORDFORMS_H

#include <QList>
#include <QString>
#include <QStringList>

// The written forms of an English word a teacher brackets in its place, without knowing which part
// of speech it is: a form that no text holds costs nothing, so the rules rather give one too many.
namespace WordForms {

enum class Kind {
    Headword, // the word as it stands
    Inflection, // a regular ending: -s, -ed, -ing, -er, -est
    Irregular, // from the tables: went, children, better
    Phrasal, // a verb and its particle, together or apart
    Stem, // shares the headword's stem (languages other than English)
};

struct Form
{
    QString text; // lower case
    Kind kind;
};

// The forms of one lower-case English word, the word itself first, each once.
QList<Form> english(const QString &word);

// Whether a word is a particle of a phrasal verb that can stand apart from its verb
// ("picked the book up").
bool isSeparableParticle(const QString &word);

} // namespace WordForms

#endif // WORDFORMS_H

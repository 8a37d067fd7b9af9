// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef INSTRUCTIONLANGUAGE_H
#define INSTRUCTIONLANGUAGE_H

#include <QString>
#include <QStringList>

// The language of what the pupil reads around the sentences (instructions, headings, buttons,
// messages): one of the program's own languages, chosen per exercise, so that a sheet of English
// sentences can speak German to its pupils whatever the desktop speaks. The texts are the program's
// translations, read from its translation files for the language chosen.
namespace InstructionLanguage {

// The program's languages as ISO 639-1 codes, English (the texts as written) first: en, de, fr, es.
QStringList codes();
// Each language's name in that language, in the order of codes(): "English", "Deutsch", ...
QStringList names();

// The language the program's texts are shown in (its installed translation, "en" without one),
// and where its translation files are. Set when the translations are installed.
void setProgramLanguage(const QString &code, const QString &translationsFolder);
QString programLanguage();
// `code`, or the program's language for an empty one.
QString effective(const QString &code);

// `text` (of the translation context `context`) in the language `code`: as written for "en", from
// the program's translation file for another language (the text as written where it has none), and
// as the program shows it (the translators installed) for an empty code.
QString translate(
    const QString &code, const char *context, const char *text, const char *disambiguation = nullptr);

} // namespace InstructionLanguage

#endif // INSTRUCTIONLANGUAGE_H

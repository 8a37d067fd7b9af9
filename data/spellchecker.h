// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SPELLCHECKER_H
#define SPELLCHECKER_H

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>

// One word of a sentence as written, with its place in the raw text (escapes and brackets included),
// so that an editor can underline it.
struct SpellWord
{
    int position = 0;
    int length = 0;
    QString word; // typographic apostrophes as typed

    bool operator==(const SpellWord &other) const
    {
        return position == other.position && length == other.length && word == other.word;
    }
};

namespace SpellText {

// The words of a sentence in the bracket notation that are worth checking: the plain text, the key
// words with their alternatives and choices, and clues. The notation's own characters ("[", "]", "|",
// "~", "::", the backslash of an escape) separate words and are never part of one. A word holds
// letters, combining marks and digits, and an apostrophe or a hyphen between two letters ("can't",
// "teacher’s", "well-known"). Left out: single letters, words with a digit ("B2", "3rd"), and every
// word of a web or mail address.
QList<SpellWord> words(QStringView text);

// The word as the dictionaries spell it: a typographic apostrophe as the plain one.
QString lookupForm(QStringView word);

} // namespace SpellText

// A hunspell dictionary for one language, with the words the teacher added, and for English the
// other spelling variants, so that "color" in a British database is told from a typo. Results are
// kept per word: a database repeats its words many times. Not for use from two threads at once:
// a background check makes a checker of its own.
class SpellChecker
{
public:
    enum Verdict {
        Known,
        Unknown,
        Variant, // unknown here, but the spelling of another variant of the language
    };

    // `language` is a BCP 47 tag ("en-GB", "de-DE", "fr"); an empty one is taken as en-US.
    explicit SpellChecker(const QString &language);
    ~SpellChecker();
    SpellChecker(const SpellChecker &) = delete;
    SpellChecker &operator=(const SpellChecker &) = delete;

    QString language() const { return m_language; }
    // Whether a dictionary was found; without one every word counts as known.
    bool isReady() const;
    // The dictionary's name ("en_GB") and file, empty without one.
    QString dictionaryName() const { return m_dictionaryName; }
    QString dictionaryFile() const { return m_dictionaryFile; }
    // Without a dictionary: what is missing and which Debian package brings it; empty otherwise.
    QString missingMessage() const;

    Verdict check(const QString &word);
    // For a variant word, the variant that spells it so ("en-US"); empty otherwise.
    QString variantOf(const QString &word);
    QStringList suggestions(const QString &word, int most = 8);

    struct Finding
    {
        SpellWord word;
        Verdict verdict = Unknown;
    };
    // The words of `text` that are unknown or of another variant, in text order.
    QList<Finding> findings(QStringView text);

    // The teacher's own words, one a line, in the program's data folder ("words-en-GB.txt").
    static QString personalFile(const QString &language);
    // Adds `word` to the teacher's list and to this checker. False, with the reason, when the list
    // could not be written: the word is then not added.
    bool addToPersonal(const QString &word, QString *error = nullptr);
    // Known for the rest of this checker's life only.
    void ignore(const QString &word);

    // How many times the dictionaries were asked, for the tests of the per-word cache.
    int lookups() const { return m_lookups; }

    // Where dictionaries are looked for, first found first: $LEXIVANE_DICTIONARY_PATH (a list of
    // folders), $XDG_DATA_DIRS/hunspell, /usr/share/hunspell and the myspell folders.
    static QStringList searchPaths();
    // The dictionary names a tag may be found under, best first ("fr-FR": fr_FR, fr).
    static QStringList dictionaryNames(const QString &language);
    // The Debian package with the dictionary for the tag ("hunspell-en-gb").
    static QString debianPackage(const QString &language);
    // The tag in its usual spelling: "en_gb" -> "en-GB"; "" or no tag at all -> "en-US".
    static QString normalisedTag(const QString &language);

private:
    struct Dictionary;
    static std::unique_ptr<Dictionary> load(const QString &language);
    bool spells(Dictionary &dictionary, const QString &word);
    void readPersonal();
    bool isPersonal(const QString &word) const;

    QString m_language;
    QString m_dictionaryName;
    QString m_dictionaryFile;
    std::unique_ptr<Dictionary> m_main;
    // The other English variants, loaded at the first word the main dictionary does not know.
    QList<std::shared_ptr<Dictionary>> m_variants;
    bool m_variantsLoaded = false;
    QSet<QString> m_personal;
    QSet<QString> m_ignored;
    QHash<QString, Verdict> m_cache;
    QHash<QString, QString> m_variantCache;
    int m_lookups = 0;
};

#endif // SPELLCHECKER_H

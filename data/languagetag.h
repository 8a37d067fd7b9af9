// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LANGUAGETAG_H
#define LANGUAGETAG_H

#include <QString>
#include <QStringView>

// The language of a database's sentences as a BCP 47 tag ("en-GB", "de-DE", "sr-Latn-RS"); the
// empty string when none is set.
namespace LanguageTag {

// The tag in its usual spelling ("en-gb" gives "en-GB", "SR-LATN" gives "sr-Latn"), or an empty string
// when it is no well-formed tag: a language code of 2 or 3 letters, then any of a script (4
// letters), a region (2 letters or 3 digits), variants, extensions and a private part, each subtag
// after a hyphen; "x-" private tags alone are well-formed too. Blanks around it are dropped.
QString normalized(QStringView tag);
inline bool isValid(QStringView tag)
{
    return !normalized(tag).isEmpty();
}

// The language subtag alone, in lower case: "en" for "en-GB"; empty for an empty or private tag.
QString primary(QStringView tag);

// The language as its speakers name it ("British English" for en-GB, "Deutsch" for de-DE), or the tag
// itself where Qt knows no name for it.
QString nativeName(const QString &tag);

// The Windows language identifier (LCID) by which an RTF document marks text as written in `tag`
// (\langN): the tag's own where there is one, else that of its language's main country ("en-IN"
// gives 1033, "de-LU" 1031); 0 for a language not in the table.
int windowsLcid(QStringView tag);

} // namespace LanguageTag

#endif // LANGUAGETAG_H

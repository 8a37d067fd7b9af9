// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/languagetag.h"

#include <QLocale>
#include <QStringList>

namespace {

bool allOf(QStringView text, bool (*test)(QChar))
{
    for (QChar c : text) {
        if (!test(c))
            return false;
    }
    return !text.isEmpty();
}

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isAsciiAlnum(QChar c)
{
    return isAsciiLetter(c) || isAsciiDigit(c);
}

} // namespace

QString LanguageTag::normalized(QStringView tag)
{
    tag = tag.trimmed();
    if (tag.isEmpty() || tag.size() > 64)
        return QString();
    const QStringList parts = tag.toString().split(QLatin1Char('-'));
    QStringList out;
    // Where in the tag the next subtag stands: 0 language, 1 script, 2 region, 3 variants,
    // 4 extensions, 5 private part.
    int place = 0;
    for (int i = 0; i < parts.size(); ++i) {
        const QString &part = parts.at(i);
        if (part.isEmpty() || part.size() > 8 || !allOf(part, &isAsciiAlnum))
            return QString();
        const QString lower = part.toLower();
        if (place == 5) {
            out.append(lower);
            continue;
        }
        if (lower == QLatin1String("x")) {
            if (i + 1 >= parts.size())
                return QString();
            out.append(lower);
            place = 5;
            continue;
        }
        if (i == 0) {
            const bool letters = allOf(part, &isAsciiLetter);
            // ISO 639 codes only: a word such as "english" is no language code.
            if (!letters || part.size() < 2 || part.size() > 3)
                return QString();
            out.append(lower);
            place = 1;
            continue;
        }
        if (part.size() == 1) {
            // An extension: a singleton and at least one subtag of 2 to 8 characters.
            if (i + 1 >= parts.size() || parts.at(i + 1).size() < 2)
                return QString();
            out.append(lower);
            place = 4;
            continue;
        }
        if (place == 4) {
            if (part.size() < 2)
                return QString();
            out.append(lower);
            continue;
        }
        if (place <= 1 && part.size() == 4 && allOf(part, &isAsciiLetter)) {
            out.append(lower.left(1).toUpper() + lower.mid(1));
            place = 2;
        } else if (place <= 2
            && ((part.size() == 2 && allOf(part, &isAsciiLetter))
                || (part.size() == 3 && allOf(part, &isAsciiDigit)))) {
            out.append(part.toUpper());
            place = 3;
        } else if (part.size() >= 5 || (part.size() == 4 && isAsciiDigit(part.front()))) {
            out.append(lower);
            place = 3;
        } else {
            return QString();
        }
    }
    return out.join(QLatin1Char('-'));
}

QString LanguageTag::primary(QStringView tag)
{
    const QString canonical = normalized(tag);
    const QString first = canonical.section(QLatin1Char('-'), 0, 0);
    return first == QLatin1String("x") ? QString() : first;
}

QString LanguageTag::nativeName(const QString &tag)
{
    const QString name = QLocale(tag).nativeLanguageName();
    return name.isEmpty() ? tag : name;
}

int LanguageTag::windowsLcid(QStringView tag)
{
    // Each language's main country first: a tag of that language with another region, or with none,
    // takes the first of its rows.
    static const struct
    {
        const char *tag;
        int lcid;
    } Lcids[] = {
        {"en-US", 1033},
        {"en-GB", 2057},
        {"en-AU", 3081},
        {"en-CA", 4105},
        {"en-NZ", 5129},
        {"en-IE", 6153},
        {"en-ZA", 7177},
        {"de-DE", 1031},
        {"de-CH", 2055},
        {"de-AT", 3079},
        {"fr-FR", 1036},
        {"fr-BE", 2060},
        {"fr-CA", 3084},
        {"fr-CH", 4108},
        {"es-ES", 3082},
        {"es-MX", 2058},
        {"es-AR", 11274},
        {"es-US", 21514},
        {"it-IT", 1040},
        {"pt-PT", 2070},
        {"pt-BR", 1046},
        {"nl-NL", 1043},
        {"nl-BE", 2067},
        {"sv-SE", 1053},
        {"da-DK", 1030},
        {"nb-NO", 1044},
        {"nn-NO", 2068},
        {"fi-FI", 1035},
        {"pl-PL", 1045},
        {"cs-CZ", 1029},
        {"sk-SK", 1051},
        {"sl-SI", 1060},
        {"hu-HU", 1038},
        {"ro-RO", 1048},
        {"ru-RU", 1049},
        {"uk-UA", 1058},
        {"el-GR", 1032},
        {"tr-TR", 1055},
        {"ja-JP", 1041},
        {"zh-CN", 2052},
        {"zh-TW", 1028},
        {"ko-KR", 1042},
        {"ar-SA", 1025},
        {"he-IL", 1037},
        {"ga-IE", 2108},
        {"cy-GB", 1106},
        {"ca-ES", 1027},
        {"eu-ES", 1069},
        {"gl-ES", 1110},
        {"is-IS", 1039},
        {"et-EE", 1061},
        {"lv-LV", 1062},
        {"lt-LT", 1063},
        {"hr-HR", 1050},
        {"bg-BG", 1026},
        {"hi-IN", 1081},
        {"id-ID", 1057},
        {"vi-VN", 1066},
        {"th-TH", 1054},
    };
    const QString canonical = normalized(tag);
    if (canonical.isEmpty())
        return 0;
    const QStringList parts = canonical.split(QLatin1Char('-'));
    QString region;
    for (int i = 1; i < parts.size() && i <= 2; ++i) {
        if (parts.at(i).size() == 2 && parts.at(i).at(0).isUpper())
            region = parts.at(i);
    }
    const QString exact = parts.first() + QLatin1Char('-') + region;
    int fallback = 0;
    for (const auto &row : Lcids) {
        const QLatin1String rowTag(row.tag);
        if (!region.isEmpty() && rowTag == exact)
            return row.lcid;
        if (fallback == 0 && rowTag.left(rowTag.indexOf(QLatin1Char('-'))) == parts.first())
            fallback = row.lcid;
    }
    return fallback;
}

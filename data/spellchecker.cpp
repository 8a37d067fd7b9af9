// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/spellchecker.h"

#include "data/checkedwrite.h"
#include "data/languagetag.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringEncoder>

#include <hunspell.hxx>

namespace {

bool isApostrophe(char32_t c)
{
    return c == u'\'' || c == 0x2019 || c == 0x02BC;
}

// The code point at i and how many UTF-16 units it takes.
char32_t codePointAt(QStringView text, qsizetype i, int *units)
{
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        *units = 2;
        return QChar::surrogateToUcs4(c, text[i + 1]);
    }
    *units = 1;
    return c.unicode();
}

bool isWordChar(char32_t c)
{
    return QChar::isLetterOrNumber(c) || QChar::isMark(c);
}

// The ranges of the text taken by web and mail addresses: a run without blanks holding "://", one
// starting with "www." or one shaped like a mail address.
QList<QPair<qsizetype, qsizetype>> addressRanges(QStringView text)
{
    QList<QPair<qsizetype, qsizetype>> ranges;
    if (!text.contains(u'.') && !text.contains(u':'))
        return ranges;
    static const QRegularExpression mail(QStringLiteral("^[\\w.+-]+@[\\w-]+(\\.[\\w-]+)+"));
    qsizetype i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i].isSpace())
            ++i;
        const qsizetype start = i;
        while (i < text.size() && !text[i].isSpace())
            ++i;
        QStringView chunk = text.mid(start, i - start);
        qsizetype lead = 0;
        while (lead < chunk.size() && !chunk[lead].isLetterOrNumber())
            ++lead;
        const QStringView body = chunk.mid(lead);
        if (chunk.contains(QLatin1String("://"))
            || body.startsWith(QLatin1String("www."), Qt::CaseInsensitive)
            || mail.match(body.toString()).hasMatch())
            ranges.append({start, i});
    }
    return ranges;
}

// "ISO8859-1" as the dictionaries write it, "ISO-8859-1" as the converters know it.
QString converterName(const QString &dictionaryEncoding)
{
    QString name = dictionaryEncoding.trimmed();
    static const QRegularExpression iso(
        QStringLiteral("^ISO[-_]?8859[-_]?(\\d+)$"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = iso.match(name);
    if (m.hasMatch())
        return QStringLiteral("ISO-8859-") + m.captured(1);
    if (name.startsWith(QLatin1String("microsoft-cp"), Qt::CaseInsensitive))
        return QStringLiteral("windows-") + name.mid(12);
    return name;
}

} // namespace

namespace SpellText {

QList<SpellWord> words(QStringView text)
{
    QList<SpellWord> found;
    const QList<QPair<qsizetype, qsizetype>> addresses = addressRanges(text);
    qsizetype i = 0;
    int units = 1;
    while (i < text.size()) {
        char32_t c = codePointAt(text, i, &units);
        if (!QChar::isLetterOrNumber(c)) {
            i += units;
            continue;
        }
        const qsizetype start = i;
        bool digit = false;
        int letters = 0;
        while (i < text.size()) {
            c = codePointAt(text, i, &units);
            if (isWordChar(c)) {
                digit = digit || QChar::isDigit(c);
                letters += QChar::isLetter(c) ? 1 : 0;
                i += units;
                continue;
            }
            // An apostrophe or a hyphen joins two letters; anywhere else it ends the word.
            if ((isApostrophe(c) || c == u'-') && i + 1 < text.size()) {
                int next = 1;
                if (QChar::isLetter(codePointAt(text, i + 1, &next))
                    && QChar::isLetter(text[i - 1].unicode())) {
                    i += 1;
                    continue;
                }
            }
            break;
        }
        if (digit || letters < 2)
            continue;
        bool inAddress = false;
        for (const auto &range : addresses)
            inAddress = inAddress || (start >= range.first && start < range.second);
        if (!inAddress)
            found.append({int(start), int(i - start), text.mid(start, i - start).toString()});
    }
    return found;
}

QString lookupForm(QStringView word)
{
    QString form = word.toString();
    form.replace(QChar(0x2019), u'\'');
    form.replace(QChar(0x02BC), u'\'');
    return form;
}

} // namespace SpellText

struct SpellChecker::Dictionary
{
    QString tag;
    std::unique_ptr<Hunspell> hunspell;
    bool utf8 = true;
    QString encoding; // for the converters, when not UTF-8

    // The word in the dictionary's encoding; false when it has a character the encoding lacks.
    bool encode(const QString &word, std::string *out) const
    {
        if (utf8) {
            *out = word.toStdString();
            return true;
        }
        QStringEncoder encoder(encoding.toLatin1().constData());
        const QByteArray bytes = encoder.encode(word);
        QStringDecoder decoder(encoding.toLatin1().constData());
        if (encoder.hasError() || QString(decoder.decode(bytes)) != word)
            return false;
        *out = bytes.toStdString();
        return true;
    }
    QString decode(const std::string &text) const
    {
        if (utf8)
            return QString::fromStdString(text);
        QStringDecoder decoder(encoding.toLatin1().constData());
        return decoder.decode(QByteArrayView(text.data(), qsizetype(text.size())));
    }
};

SpellChecker::SpellChecker(const QString &language)
    : m_language(normalisedTag(language))
    , m_main(load(m_language))
{
    if (m_main) {
        m_dictionaryName = m_main->tag;
        for (const QString &folder : searchPaths()) {
            if (QFile::exists(folder + QLatin1Char('/') + m_main->tag + QLatin1String(".dic"))) {
                m_dictionaryFile = folder + QLatin1Char('/') + m_main->tag + QLatin1String(".dic");
                break;
            }
        }
    }
    readPersonal();
}

SpellChecker::~SpellChecker() = default;

bool SpellChecker::isReady() const
{
    return m_main != nullptr;
}

QString SpellChecker::normalisedTag(const QString &language)
{
    // A locale's name ("en_GB") reads as its tag.
    const QString tag = LanguageTag::normalized(QString(language).replace(u'_', u'-'));
    return tag.isEmpty() ? QStringLiteral("en-US") : tag;
}

QStringList SpellChecker::dictionaryNames(const QString &language)
{
    const QStringList parts = normalisedTag(language).split(u'-');
    const QString lang = parts.first();
    QString region;
    for (int k = 1; k < parts.size(); ++k) {
        if (parts[k].size() == 2)
            region = parts[k];
    }
    QStringList names;
    if (!region.isEmpty())
        names << lang + u'_' + region;
    names << lang;
    // A language without a region: its home variant.
    static const QHash<QString, QString> home = {{QStringLiteral("en"), QStringLiteral("US")},
        {QStringLiteral("de"), QStringLiteral("DE")}, {QStringLiteral("fr"), QStringLiteral("FR")},
        {QStringLiteral("es"), QStringLiteral("ES")}, {QStringLiteral("it"), QStringLiteral("IT")},
        {QStringLiteral("pt"), QStringLiteral("PT")}, {QStringLiteral("nl"), QStringLiteral("NL")}};
    names << lang + u'_' + home.value(lang, lang.toUpper());
    names.removeDuplicates();
    return names;
}

QString SpellChecker::debianPackage(const QString &language)
{
    const QStringList parts = normalisedTag(language).split(u'-');
    const QString lang = parts.first();
    QString region = parts.size() > 1 && parts.at(1).size() == 2 ? parts.at(1).toLower() : QString();
    // Debian packs English and German by country, French and Spanish in one package each.
    if (lang == QLatin1String("en"))
        return QStringLiteral("hunspell-en-") + (region.isEmpty() ? QStringLiteral("us") : region);
    if (lang == QLatin1String("de"))
        return QStringLiteral("hunspell-de-")
            + (region.isEmpty() || region == QLatin1String("lu") || region == QLatin1String("be")
                    ? QStringLiteral("de")
                    : region);
    return QStringLiteral("hunspell-") + lang;
}

QStringList SpellChecker::searchPaths()
{
    QStringList paths;
    const QString own = qEnvironmentVariable("LEXIVANE_DICTIONARY_PATH");
    if (!own.isEmpty())
        paths << own.split(QDir::listSeparator(), Qt::SkipEmptyParts);
    QString dataDirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dataDirs.isEmpty())
        dataDirs = QStringLiteral("/usr/local/share:/usr/share");
    for (const QString &dir : dataDirs.split(u':', Qt::SkipEmptyParts))
        paths << dir + QLatin1String("/hunspell");
    paths << QStringLiteral("/usr/share/hunspell") << QStringLiteral("/usr/share/myspell")
          << QStringLiteral("/usr/share/myspell/dicts");
    for (QString &path : paths)
        path = QDir::cleanPath(path);
    paths.removeDuplicates();
    return paths;
}

std::unique_ptr<SpellChecker::Dictionary> SpellChecker::load(const QString &language)
{
    const QStringList folders = searchPaths();
    for (const QString &name : dictionaryNames(language)) {
        for (const QString &folder : folders) {
            const QString base = folder + QLatin1Char('/') + name;
            if (!QFileInfo(base + QLatin1String(".aff")).isFile()
                || !QFileInfo(base + QLatin1String(".dic")).isFile())
                continue;
            auto dictionary = std::make_unique<Dictionary>();
            dictionary->tag = name;
            dictionary->hunspell
                = std::make_unique<Hunspell>(QFile::encodeName(base + QLatin1String(".aff")).constData(),
                    QFile::encodeName(base + QLatin1String(".dic")).constData());
            const QString encoding = QString::fromLatin1(dictionary->hunspell->get_dic_encoding());
            dictionary->utf8
                = encoding.isEmpty() || encoding.compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) == 0;
            if (!dictionary->utf8) {
                dictionary->encoding = converterName(encoding);
                // An encoding the converters cannot write: this dictionary cannot be asked.
                if (!QStringEncoder(dictionary->encoding.toLatin1().constData()).isValid())
                    continue;
            }
            return dictionary;
        }
    }
    return nullptr;
}

QString SpellChecker::missingMessage() const
{
    if (m_main)
        return QString();
    const QLocale locale(m_language);
    QString name = QLocale::languageToString(locale.language());
    if (m_language.contains(u'-') && locale.territory() != QLocale::AnyTerritory)
        name += QLatin1String(" (") + QLocale::territoryToString(locale.territory()) + QLatin1Char(')');
    if (locale.language() == QLocale::C)
        name = m_language;
    return QCoreApplication::translate("SpellChecker",
        "No spelling dictionary for %1 was found, so spelling is not checked. Install the Debian package "
        "%2 to have it checked.")
        .arg(name, debianPackage(m_language));
}

bool SpellChecker::spells(Dictionary &dictionary, const QString &word)
{
    ++m_lookups;
    std::string encoded;
    if (!dictionary.encode(word, &encoded))
        return false;
    return dictionary.hunspell->spell(encoded);
}

SpellChecker::Verdict SpellChecker::check(const QString &word)
{
    const QString key = SpellText::lookupForm(word);
    const auto cached = m_cache.constFind(key);
    if (cached != m_cache.constEnd())
        return *cached;
    Verdict verdict = Known;
    if (m_main && !isPersonal(key) && !m_ignored.contains(key) && !spells(*m_main, key)) {
        verdict = Unknown;
        if (!m_variantsLoaded) {
            m_variantsLoaded = true;
            if (m_language.startsWith(QLatin1String("en"))) {
                for (const char *other : {"en-US", "en-GB", "en-CA"}) {
                    const QString tag = QString::fromLatin1(other);
                    const QString name = dictionaryNames(tag).first();
                    if (name == m_main->tag)
                        continue;
                    // Only that variant's own dictionary: the fallback to another would be no variant.
                    std::unique_ptr<Dictionary> loaded = load(tag);
                    if (loaded && loaded->tag == name) {
                        loaded->tag = tag;
                        m_variants.append(std::shared_ptr<Dictionary>(std::move(loaded)));
                    }
                }
            }
        }
        for (const std::shared_ptr<Dictionary> &variant : std::as_const(m_variants)) {
            if (spells(*variant, key)) {
                verdict = Variant;
                m_variantCache.insert(key, variant->tag);
                break;
            }
        }
    }
    m_cache.insert(key, verdict);
    return verdict;
}

QString SpellChecker::variantOf(const QString &word)
{
    const QString key = SpellText::lookupForm(word);
    return check(key) == Variant ? m_variantCache.value(key) : QString();
}

QStringList SpellChecker::suggestions(const QString &word, int most)
{
    QStringList list;
    std::string encoded;
    if (!m_main || !m_main->encode(SpellText::lookupForm(word), &encoded))
        return list;
    for (const std::string &suggestion : m_main->hunspell->suggest(encoded)) {
        list.append(m_main->decode(suggestion));
        if (list.size() >= most)
            break;
    }
    return list;
}

QList<SpellChecker::Finding> SpellChecker::findings(QStringView text)
{
    QList<Finding> found;
    if (!m_main)
        return found;
    for (const SpellWord &word : SpellText::words(text)) {
        const Verdict verdict = check(word.word);
        if (verdict != Known)
            found.append({word, verdict});
    }
    return found;
}

QString SpellChecker::personalFile(const QString &language)
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QLatin1String("/words-")
        + normalisedTag(language) + QLatin1String(".txt");
}

void SpellChecker::readPersonal()
{
    QFile file(personalFile(m_language));
    if (!file.open(QIODevice::ReadOnly))
        return;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const QString word = SpellText::lookupForm(line.trimmed());
        if (!word.isEmpty())
            m_personal.insert(word);
    }
}

bool SpellChecker::isPersonal(const QString &word) const
{
    // A word the teacher added in small letters is also right with a capital, at the start of a
    // sentence; one added with a capital stays a name.
    return m_personal.contains(word) || m_personal.contains(word.toLower());
}

bool SpellChecker::addToPersonal(const QString &word, QString *error)
{
    const QString key = SpellText::lookupForm(word.trimmed());
    if (key.isEmpty())
        return true;
    // The list on disk may have grown in another window since this checker read it.
    QSet<QString> words = m_personal;
    {
        QFile file(personalFile(m_language));
        if (file.open(QIODevice::ReadOnly)) {
            for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
                if (!line.trimmed().isEmpty())
                    words.insert(line.trimmed());
            }
        }
    }
    words.insert(key);
    QStringList sorted(words.cbegin(), words.cend());
    sorted.sort();
    const QString fileName = personalFile(m_language);
    if (!QDir().mkpath(QFileInfo(fileName).absolutePath())) {
        if (error)
            *error = QCoreApplication::translate("SpellChecker", "The folder %1 could not be made.")
                         .arg(QDir::toNativeSeparators(QFileInfo(fileName).absolutePath()));
        return false;
    }
    if (!CheckedWrite::writeFile(fileName, (sorted.join(u'\n') + u'\n').toUtf8(), error))
        return false;
    m_personal = words;
    // The word may be cached in several forms ("colr", "Colr").
    m_cache.clear();
    m_variantCache.clear();
    return true;
}

void SpellChecker::ignore(const QString &word)
{
    const QString key = SpellText::lookupForm(word);
    m_ignored.insert(key);
    m_cache.insert(key, Known);
}

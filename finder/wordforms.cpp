// SPDX-License-Identifier: GPL-3.0-or-later
#include "finder/wordforms.h"

#include <QHash>
#include <QSet>

namespace WordForms {

namespace {

// base past participle; "a/b" gives two spellings. The common irregular verbs of English, British
// spellings beside the American ones.
const char *const irregularVerbs[] = {
    "arise arose arisen",
    "awake awoke awoken",
    "be was/were been",
    "bear bore borne/born",
    "beat beat beaten",
    "become became become",
    "begin began begun",
    "bend bent bent",
    "bet bet bet",
    "bind bound bound",
    "bite bit bitten",
    "bleed bled bled",
    "blow blew blown",
    "break broke broken",
    "breed bred bred",
    "bring brought brought",
    "broadcast broadcast broadcast",
    "build built built",
    "burn burnt/burned burnt/burned",
    "burst burst burst",
    "buy bought bought",
    "catch caught caught",
    "choose chose chosen",
    "cling clung clung",
    "come came come",
    "cost cost cost",
    "creep crept crept",
    "cut cut cut",
    "deal dealt dealt",
    "dig dug dug",
    "do did done",
    "draw drew drawn",
    "dream dreamt/dreamed dreamt/dreamed",
    "drink drank drunk",
    "drive drove driven",
    "eat ate eaten",
    "fall fell fallen",
    "feed fed fed",
    "feel felt felt",
    "fight fought fought",
    "find found found",
    "flee fled fled",
    "fly flew flown",
    "forbid forbade forbidden",
    "forecast forecast forecast",
    "foresee foresaw foreseen",
    "forget forgot forgotten",
    "forgive forgave forgiven",
    "freeze froze frozen",
    "get got got/gotten",
    "give gave given",
    "go went gone",
    "grind ground ground",
    "grow grew grown",
    "hang hung/hanged hung/hanged",
    "have had had",
    "hear heard heard",
    "hide hid hidden",
    "hit hit hit",
    "hold held held",
    "hurt hurt hurt",
    "keep kept kept",
    "kneel knelt/kneeled knelt/kneeled",
    "know knew known",
    "lay laid laid",
    "lead led led",
    "lean leant/leaned leant/leaned",
    "leap leapt/leaped leapt/leaped",
    "learn learnt/learned learnt/learned",
    "leave left left",
    "lend lent lent",
    "let let let",
    "lie lay/lied lain/lied",
    "light lit/lighted lit/lighted",
    "lose lost lost",
    "make made made",
    "mean meant meant",
    "meet met met",
    "mislead misled misled",
    "mistake mistook mistaken",
    "misunderstand misunderstood misunderstood",
    "overcome overcame overcome",
    "oversleep overslept overslept",
    "overtake overtook overtaken",
    "pay paid paid",
    "prove proved proven/proved",
    "put put put",
    "quit quit quit",
    "read read read",
    "rid rid rid",
    "ride rode ridden",
    "ring rang rung",
    "rise rose risen",
    "run ran run",
    "say said said",
    "see saw seen",
    "seek sought sought",
    "sell sold sold",
    "send sent sent",
    "set set set",
    "sew sewed sewn/sewed",
    "shake shook shaken",
    "shed shed shed",
    "shine shone shone",
    "shoot shot shot",
    "show showed shown/showed",
    "shrink shrank shrunk",
    "shut shut shut",
    "sing sang sung",
    "sink sank sunk",
    "sit sat sat",
    "sleep slept slept",
    "slide slid slid",
    "smell smelt/smelled smelt/smelled",
    "speak spoke spoken",
    "speed sped sped",
    "spell spelt/spelled spelt/spelled",
    "spend spent spent",
    "spill spilt/spilled spilt/spilled",
    "spin spun spun",
    "spit spat spat",
    "split split split",
    "spoil spoilt/spoiled spoilt/spoiled",
    "spread spread spread",
    "spring sprang sprung",
    "stand stood stood",
    "steal stole stolen",
    "stick stuck stuck",
    "sting stung stung",
    "stink stank stunk",
    "strike struck struck",
    "swear swore sworn",
    "sweep swept swept",
    "swim swam swum",
    "swing swung swung",
    "take took taken",
    "teach taught taught",
    "tear tore torn",
    "tell told told",
    "think thought thought",
    "throw threw thrown",
    "understand understood understood",
    "undertake undertook undertaken",
    "undo undid undone",
    "upset upset upset",
    "wake woke woken",
    "wear wore worn",
    "weave wove woven",
    "weep wept wept",
    "win won won",
    "wind wound wound",
    "withdraw withdrew withdrawn",
    "write wrote written",
    "bid bid bid",
    "cast cast cast",
    "fit fit/fitted fit/fitted",
    "hurt hurt hurt",
    "seek sought sought",
    "sell sold sold",
    "feed fed fed",
    "bet bet bet",
};

// Forms that no ending rule gives: other persons of the verbs, irregular plurals and comparisons.
const char *const otherIrregulars[] = {
    "be am is are being",
    "have has having",
    "do does doing",
    "go goes going",
    "child children",
    "man men",
    "woman women",
    "person people",
    "foot feet",
    "tooth teeth",
    "mouse mice",
    "goose geese",
    "ox oxen",
    "leaf leaves",
    "knife knives",
    "wife wives",
    "life lives",
    "half halves",
    "wolf wolves",
    "shelf shelves",
    "loaf loaves",
    "thief thieves",
    "calf calves",
    "scarf scarves",
    "potato potatoes",
    "tomato tomatoes",
    "hero heroes",
    "echo echoes",
    "crisis crises",
    "analysis analyses",
    "phenomenon phenomena",
    "criterion criteria",
    "cactus cacti",
    "fungus fungi",
    "good better best",
    "well better best",
    "bad worse worst",
    "badly worse worst",
    "far further/farther furthest/farthest",
    "little less least",
    "many more most",
    "much more most",
    "die dying",
    "lie lying",
    "tie tying",
};

// Words whose -s, -ed, -ing the rules must not make: their forms are in the tables.
const char *const noRegular[] = {"be", "have", "do", "go", "child", "man", "woman", "person", "foot", "tooth",
    "mouse", "goose", "good", "bad", "well", "little", "many", "much", "far"};

struct Tables
{
    QHash<QString, QStringList> irregular; // base -> irregular forms
    QSet<QString> irregularVerbs;
    QSet<QString> noRegular;
};

void add(QHash<QString, QStringList> &into, const QString &base, const QString &field)
{
    for (const QString &form : field.split(u'/')) {
        if (form != base && !into[base].contains(form))
            into[base].append(form);
    }
}

const Tables &tables()
{
    static const Tables t = [] {
        Tables t;
        for (const char *line : irregularVerbs) {
            const QStringList parts = QString::fromLatin1(line).split(u' ');
            t.irregularVerbs.insert(parts[0]);
            for (int i = 1; i < parts.size(); ++i)
                add(t.irregular, parts[0], parts[i]);
        }
        for (const char *line : otherIrregulars) {
            const QStringList parts = QString::fromLatin1(line).split(u' ');
            for (int i = 1; i < parts.size(); ++i)
                add(t.irregular, parts[0], parts[i]);
        }
        for (const char *word : noRegular)
            t.noRegular.insert(QString::fromLatin1(word));
        return t;
    }();
    return t;
}

bool isVowel(QChar c)
{
    return QStringView(u"aeiou").contains(c);
}

int syllables(const QString &w)
{
    int count = 0;
    bool inVowel = false;
    for (int i = 0; i < w.size(); ++i) {
        const bool v = isVowel(w[i]) || (w[i] == u'y' && i > 0);
        if (v && !inVowel)
            ++count;
        inVowel = v;
    }
    // A silent final e ("make") is no syllable of its own.
    if (count > 1 && w.endsWith(u'e') && !w.endsWith(QLatin1String("le")) && !isVowel(w[w.size() - 2]))
        --count;
    return qMax(count, 1);
}

// consonant, single vowel, consonant (not w, x, y) at the end: "stop", "travel".
bool endsConsonantVowelConsonant(const QString &w)
{
    const int n = int(w.size());
    if (n < 3)
        return false;
    const QChar last = w[n - 1];
    return !isVowel(last) && !QStringView(u"wxy").contains(last) && isVowel(w[n - 2]) && !isVowel(w[n - 3])
        && !(n >= 4 && w[n - 3] == u'u' && w[n - 4] == u'q');
}

// The stems an ending starting with a vowel is added to: doubled for "stop", both for a longer word
// whose stress the rules cannot know ("travelled", "visited").
QStringList vowelEndingStems(const QString &w)
{
    if (w.endsWith(u'e') && w.size() > 2 && !w.endsWith(QLatin1String("ee"))
        && !w.endsWith(QLatin1String("oe")) && !w.endsWith(QLatin1String("ye")))
        return {w.left(w.size() - 1)};
    if (endsConsonantVowelConsonant(w)) {
        const QString doubled = w + w.back();
        return syllables(w) == 1 ? QStringList {doubled} : QStringList {w, doubled};
    }
    return {w};
}

bool consonantY(const QString &w)
{
    return w.size() > 1 && w.endsWith(u'y') && !isVowel(w[w.size() - 2]);
}

} // namespace

QList<Form> english(const QString &word)
{
    const Tables &t = tables();
    QList<Form> forms {{word, Kind::Headword}};
    QSet<QString> seen {word};
    auto put = [&](const QString &text, Kind kind) {
        if (!text.isEmpty() && !seen.contains(text)) {
            seen.insert(text);
            forms.append({text, kind});
        }
    };
    for (const QString &form : t.irregular.value(word))
        put(form, Kind::Irregular);
    if (t.noRegular.contains(word) || word.size() < 2)
        return forms;

    // -s
    if (consonantY(word))
        put(word.left(word.size() - 1) + QLatin1String("ies"), Kind::Inflection);
    else if (word.endsWith(u's') || word.endsWith(u'x') || word.endsWith(u'z')
        || word.endsWith(QLatin1String("ch")) || word.endsWith(QLatin1String("sh")))
        put(word + QLatin1String("es"), Kind::Inflection);
    else
        put(word + u's', Kind::Inflection);
    if (word.endsWith(u'o') && !isVowel(word[word.size() - 2]))
        put(word + QLatin1String("es"), Kind::Inflection);

    // -ing
    if (word.endsWith(QLatin1String("ie")))
        put(word.left(word.size() - 2) + QLatin1String("ying"), Kind::Inflection);
    else
        for (const QString &stem : vowelEndingStems(word))
            put(stem + QLatin1String("ing"), Kind::Inflection);

    // -ed (irregular verbs have their past in the table), -er and -est for the short words that
    // compare.
    const bool irregularVerb = t.irregularVerbs.contains(word);
    const bool compares = syllables(word) == 1 || (syllables(word) == 2 && consonantY(word));
    const QStringList endings
        = QStringList(irregularVerb ? QStringList() : QStringList {QStringLiteral("ed")})
        + (compares ? QStringList {QStringLiteral("er"), QStringLiteral("est")} : QStringList());
    for (const QString &ending : endings) {
        if (consonantY(word)) {
            put(word.left(word.size() - 1) + u'i' + ending, Kind::Inflection);
        } else if (word.endsWith(u'e')) {
            put(word + ending.mid(1), Kind::Inflection);
        } else {
            for (const QString &stem : vowelEndingStems(word))
                put(stem + ending, Kind::Inflection);
        }
    }
    return forms;
}

bool isSeparableParticle(const QString &word)
{
    static const QSet<QString> particles {QStringLiteral("up"), QStringLiteral("down"), QStringLiteral("off"),
        QStringLiteral("out"), QStringLiteral("in"), QStringLiteral("on"), QStringLiteral("over"),
        QStringLiteral("back"), QStringLiteral("away"), QStringLiteral("around"), QStringLiteral("round"),
        QStringLiteral("about"), QStringLiteral("through"), QStringLiteral("together"),
        QStringLiteral("apart")};
    return particles.contains(word);
}

} // namespace WordForms

// SPDX-License-Identifier: GPL-3.0-or-later
// A teacher's text read as any of the kinds the sentence finder takes, then searched: every sentence
// found is one line, and every proposal reads back, through the bracket rules, as the sentence it
// came from, with a key word and no bracket left open. The spelling check's words of each sentence
// and proposal stand where it says, in order, and hold none of the notation's characters.
#include "fuzzinput.h"

#include "data/brackettext.h"
#include "data/spellchecker.h"
#include "finder/sentencefinder.h"
#include "finder/textreader.h"
#include "import/lxdimport.h"

#include <QGuiApplication>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // The HTML reader lays the text out in a document, which wants the fonts of a GUI application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

namespace {

void checkSpellWords(const QString &text)
{
    int end = 0;
    for (const SpellWord &w : SpellText::words(text)) {
        FuzzInput::check(w.position >= end && w.length > 0 && w.position + w.length <= text.size(),
            "a word lies inside its text, after the one before");
        FuzzInput::check(text.mid(w.position, w.length) == w.word, "a word is the text where it stands");
        for (const QChar c : {u'[', u']', u'|', u'~', u'\\'})
            FuzzInput::check(!w.word.contains(c), "a word holds no character of the notation");
        end = w.position + w.length;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const uint8_t kind = data[0];
    const QByteArray bytes(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    QString text;
    switch (kind % 4) {
    case 0:
        text = LxdImport::decodeText(bytes);
        break;
    case 1:
        text = TextReader::fromHtml(LxdImport::decodeText(bytes));
        break;
    case 2:
        text = TextReader::fromXml(bytes);
        break;
    default: {
        static const char *const names[] = {"in.docx", "in.odt", "in.epub"};
        QString error;
        text = TextReader::read(FuzzInput::write(QString::fromLatin1(names[(kind / 4) % 3]), bytes), &error);
        FuzzInput::check(text.isEmpty() || error.isEmpty(), "a text read has no error");
    }
    }

    for (const QString &sentence : SentenceFinder::splitSentences(text)) {
        FuzzInput::check(
            !sentence.isEmpty() && !sentence.contains(QLatin1Char('\n')), "a sentence is one line");
        checkSpellWords(sentence);
    }

    static const QStringList headwords {QStringLiteral("go"), QStringLiteral("pick up"),
        QStringLiteral("run out of"), QStringLiteral("child"), QStringLiteral("good"), QStringLiteral("be"),
        QStringLiteral("Haus"), QStringLiteral("aller")};
    SentenceFinder::Options options;
    options.language = kind & 0x80 ? QStringLiteral("de") : QStringLiteral("en");
    const SentenceFinder::Result result = SentenceFinder::find(text, headwords, options);
    for (const SentenceFinder::Candidate &c : result.candidates) {
        FuzzInput::check(c.headword >= 0 && c.headword < headwords.size(), "a proposal names its headword");
        FuzzInput::check(c.score >= 0 && c.score <= 100, "a score is 0 to 100");
        FuzzInput::check(BracketText::complete(BracketText::status(c.bracketed)), "a proposal has key words");
        FuzzInput::check(
            BracketText::withoutBrackets(c.bracketed) == c.sentence, "a proposal is its sentence");
        checkSpellWords(c.bracketed);
    }
    return 0;
}

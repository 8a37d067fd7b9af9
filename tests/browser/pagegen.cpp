// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a self-checking web page with the program's own renderer, for the browser tests:
//   lexivane-pagegen TEMPLATE OUTPUT [options] ENTRY...
// With --scorm the output is the SCORM package of the page instead.
#include "exercise/exercisemodel.h"
#include "exercise/interactivepage.h"
#include "exercise/scormpackage.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("template"), QStringLiteral("page template"));
    parser.addPositionalArgument(QStringLiteral("output"), QStringLiteral("page to write"));
    parser.addPositionalArgument(QStringLiteral("entries"), QStringLiteral("output entries"));
    const QCommandLineOption matching(QStringLiteral("matching"), QStringLiteral("matching mode"));
    const QCommandLineOption dropDowns(QStringLiteral("drop-downs"), QStringLiteral("gaps as drop-downs"));
    const QCommandLineOption caseSensitive(QStringLiteral("case-sensitive"), QStringLiteral("match case"));
    const QCommandLineOption accentsOptional(
        QStringLiteral("accents-optional"), QStringLiteral("ignore accents"));
    const QCommandLineOption noNumbers(QStringLiteral("no-numbers"), QStringLiteral("no question numbers"));
    const QCommandLineOption noWordList(QStringLiteral("no-word-list"), QStringLiteral("no word list"));
    const QCommandLineOption jumble(QStringLiteral("jumble"), QStringLiteral("jumble the questions"));
    const QCommandLineOption noShowAnswers(
        QStringLiteral("no-show-answers"), QStringLiteral("no Show answers"));
    const QCommandLineOption sameWidth(QStringLiteral("same-width"), QStringLiteral("gaps of one width"));
    const QCommandLineOption title(
        QStringLiteral("title"), QStringLiteral("page title"), QStringLiteral("title"));
    const QCommandLineOption scorm(QStringLiteral("scorm"),
        QStringLiteral("write a SCORM package with this pass mark (below 0: none)"), QStringLiteral("mark"));
    const QCommandLineOption best(QStringLiteral("best"), QStringLiteral("SCORM: keep the best check"));
    const QCommandLineOption hintPenalty(QStringLiteral("hint-penalty"),
        QStringLiteral("SCORM: percent of a gap each hint costs"), QStringLiteral("percent"));
    const QCommandLineOption gapHints(QStringLiteral("gap-hints"),
        QStringLiteral("first-letter or letter-count in each gap"), QStringLiteral("hint"));
    const QCommandLineOption readAloud(QStringLiteral("read-aloud"), QStringLiteral("sentences read aloud"));
    const QCommandLineOption listening(QStringLiteral("listening"), QStringLiteral("sentences heard first"));
    const QCommandLineOption language(QStringLiteral("language"),
        QStringLiteral("the sentences' language (a BCP 47 tag)"), QStringLiteral("tag"));
    parser.addOptions({matching, dropDowns, caseSensitive, accentsOptional, noNumbers, noWordList, jumble,
        title, noShowAnswers, sameWidth, scorm, best, hintPenalty, gapHints, readAloud, listening, language});
    parser.process(app);
    const QStringList arguments = parser.positionalArguments();
    if (arguments.size() < 3) {
        std::fputs("usage: lexivane-pagegen TEMPLATE OUTPUT [options] ENTRY...\n", stderr);
        return 2;
    }

    ExerciseOptions options;
    options.includeQNums = !parser.isSet(noNumbers);
    options.includeWordList = !parser.isSet(noWordList);
    options.jumbleOrder = parser.isSet(jumble);
    if (parser.value(gapHints) == QLatin1String("first-letter"))
        options.hints = ExerciseOptions::Hints::FirstLetter;
    else if (parser.value(gapHints) == QLatin1String("letter-count"))
        options.hints = ExerciseOptions::Hints::LetterCount;
    InteractivePageSettings settings;
    settings.mode = parser.isSet(matching) ? InteractivePageSettings::Mode::Matching
                                           : InteractivePageSettings::Mode::GapFill;
    settings.dropDowns = parser.isSet(dropDowns);
    settings.caseSensitive = parser.isSet(caseSensitive);
    settings.accentsRequired = !parser.isSet(accentsOptional);
    settings.showAnswers = !parser.isSet(noShowAnswers);
    settings.sameGapWidth = parser.isSet(sameWidth);
    settings.readAloud = parser.isSet(readAloud);
    settings.listening = parser.isSet(listening);

    QFile templateFile(arguments.at(0));
    if (!templateFile.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(arguments.at(0)));
        return 1;
    }
    ExerciseModel model
        = ExerciseModelBuilder::build(arguments.mid(2), options, 20261209, parser.value(title));
    model.language = parser.value(language);
    std::optional<QByteArray> page;
    if (parser.isSet(scorm)) {
        settings.passMark = parser.value(scorm).toInt();
        settings.bestScore = parser.isSet(best);
        if (parser.isSet(hintPenalty))
            settings.hintPenalty = parser.value(hintPenalty).toInt();
        page = ScormPackage::package(model, settings, templateFile.readAll());
    } else {
        page = InteractivePage::render(model, settings, templateFile.readAll());
    }
    QFile output(arguments.at(1));
    if (!page || !output.open(QIODevice::WriteOnly) || output.write(*page) != page->size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(arguments.at(1)));
        return 1;
    }
    return 0;
}

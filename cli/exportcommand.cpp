// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/exportcommand.h"

#include "data/checkedwrite.h"
#include "data/linefile.h"
#include "document/lxddocument.h"
#include "document/lxdfileguard.h"
#include "document/lxdsession.h"
#include "exercise/exerciserender.h"
#include "exercise/exercisesheets.h"
#include "exercise/exportformats.h"
#include "exercise/instructionlanguage.h"
#include "exercise/randomdraw.h"
#include "exercise/randomsource.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <cstdio>
#include <optional>

namespace {

// A message that ends the command, with its exit status.
struct Stop
{
    int status;
    QString message;
};

void printTo(FILE *stream, const QString &text)
{
    std::fputs(text.toUtf8().constData(), stream);
    std::fflush(stream);
}

void tell(const QString &message)
{
    printTo(stderr, QStringLiteral("lexivane export: ") + message + QLatin1Char('\n'));
}

Stop usage(const QString &message)
{
    return {ExportCommand::UsageError, message + QStringLiteral("\nTry 'lexivane export --help'.")};
}

Stop failure(const QString &message)
{
    return {ExportCommand::Failure, message};
}

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Every value-less switch and every option with a value, as the help lists them.
struct Options
{
    QCommandLineOption help {{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption format {QStringLiteral("format"), QString(), QStringLiteral("FORMAT")};
    QCommandLineOption output {
        {QStringLiteral("o"), QStringLiteral("output")}, QString(), QStringLiteral("OUT")};
    QCommandLineOption sentences {QStringLiteral("sentences"), QString(), QStringLiteral("N")};
    QCommandLineOption allowMultiples {QStringLiteral("allow-multiples")};
    QCommandLineOption includeUsed {QStringLiteral("include-used")};
    QCommandLineOption selectFromUsed {QStringLiteral("select-from-used")};
    QCommandLineOption list {QStringLiteral("list"), QString(), QStringLiteral("FILE")};
    QCommandLineOption countUse {QStringLiteral("count-use")};
    QCommandLineOption seed {QStringLiteral("seed"), QString(), QStringLiteral("S")};
    QCommandLineOption title {QStringLiteral("title"), QString(), QStringLiteral("T")};
    QCommandLineOption noNumbers {QStringLiteral("no-numbers")};
    QCommandLineOption noGaps {QStringLiteral("no-gaps")};
    QCommandLineOption noBrackets {QStringLiteral("no-brackets")};
    QCommandLineOption noJumble {QStringLiteral("no-jumble")};
    QCommandLineOption noWordList {QStringLiteral("no-word-list")};
    QCommandLineOption key {QStringLiteral("key")};
    QCommandLineOption shuffleWords {QStringLiteral("shuffle-words")};
    QCommandLineOption gapHints {QStringLiteral("hints"), QString(), QStringLiteral("HINT")};
    QCommandLineOption extraWords {QStringLiteral("extra-words"), QString(), QStringLiteral("LIST")};
    QCommandLineOption databaseWords {QStringLiteral("database-words"), QString(), QStringLiteral("N")};
    QCommandLineOption paper {QStringLiteral("paper"), QString(), QStringLiteral("SIZE")};
    QCommandLineOption mode {QStringLiteral("mode"), QString(), QStringLiteral("MODE")};
    QCommandLineOption dropDowns {QStringLiteral("drop-downs")};
    QCommandLineOption caseSensitive {QStringLiteral("case-sensitive")};
    QCommandLineOption ignoreAccents {QStringLiteral("ignore-accents")};
    QCommandLineOption noHints {QStringLiteral("no-hints")};
    QCommandLineOption noShowAnswers {QStringLiteral("no-show-answers")};
    QCommandLineOption sameGapWidth {QStringLiteral("same-gap-width")};
    QCommandLineOption readAloud {QStringLiteral("read-aloud")};
    QCommandLineOption listening {QStringLiteral("listening")};
    QCommandLineOption passMark {QStringLiteral("pass-mark"), QString(), QStringLiteral("N")};
    QCommandLineOption bestScore {QStringLiteral("best-score")};
    QCommandLineOption hintPenalty {QStringLiteral("hint-penalty"), QString(), QStringLiteral("N")};
    QCommandLineOption versions {QStringLiteral("versions"), QString(), QStringLiteral("N")};
    QCommandLineOption parallel {QStringLiteral("parallel")};
    QCommandLineOption keysAtEnd {QStringLiteral("keys-at-end")};
    QCommandLineOption differentiated {QStringLiteral("differentiated")};
    QCommandLineOption instructionLanguage {
        QStringLiteral("instruction-language"), QString(), QStringLiteral("LANG")};

    QList<QCommandLineOption> all() const
    {
        return {help, format, output, sentences, allowMultiples, includeUsed, selectFromUsed, list, countUse,
            seed, title, noNumbers, noGaps, noBrackets, noJumble, noWordList, key, shuffleWords, extraWords,
            databaseWords, paper, mode, dropDowns, caseSensitive, ignoreAccents, noHints, noShowAnswers,
            sameGapWidth, passMark, bestScore, hintPenalty, versions, parallel, keysAtEnd, differentiated,
            gapHints, readAloud, listening, instructionLanguage};
    }
};

// The value of `option` as a whole number from `low` to `high`.
std::optional<Stop> readNumber(const QCommandLineParser &parser, const QCommandLineOption &option, qint64 low,
    qint64 high, qint64 *value)
{
    if (!parser.isSet(option))
        return std::nullopt;
    const QString text = parser.value(option);
    bool ok = false;
    *value = text.toLongLong(&ok);
    if (!ok || *value < low || *value > high)
        return usage(QStringLiteral("--%1 takes a whole number from %2 to %3, not '%4'")
                         .arg(option.names().last())
                         .arg(low)
                         .arg(high)
                         .arg(text));
    return std::nullopt;
}

// The sentences of a list file: one a line, blank lines left out, read as the database file is read
// (UTF-8, or ISO 8859-1 where the bytes are not UTF-8).
std::optional<Stop> readList(const QString &fileName, QStringList *entries)
{
    QFile file(fileName);
    if (QFileInfo(fileName).isDir())
        return failure(QStringLiteral("cannot read the list %1: it is a folder").arg(native(fileName)));
    if (!file.open(QIODevice::ReadOnly))
        return failure(
            QStringLiteral("cannot read the list %1: %2").arg(native(fileName), file.errorString()));
    if (LxdDocument::isBinaryFile(fileName))
        return failure(QStringLiteral("the list %1 is not a text file").arg(native(fileName)));
    const bool read = LineFile::readFile(
        file, [entries] { entries->clear(); },
        [entries](QStringView line) {
            const QStringView text = line.trimmed();
            if (!text.isEmpty())
                entries->append(text.toString());
        });
    if (!read)
        return failure(
            QStringLiteral("cannot read the list %1: %2").arg(native(fileName), file.errorString()));
    if (entries->isEmpty())
        return failure(QStringLiteral("the list %1 holds no sentences").arg(native(fileName)));
    return std::nullopt;
}

// Why the session could not read the database.
Stop unreadable(const QString &fileName)
{
    if (QFileInfo(fileName).isDir())
        return failure(QStringLiteral("cannot read %1: it is a folder").arg(native(fileName)));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return failure(QStringLiteral("cannot read %1: %2").arg(native(fileName), file.errorString()));
    return failure(QStringLiteral("%1 is not a vocabulary database that can be read").arg(native(fileName)));
}

QString holderText(const LxdFileLock::Holder &holder)
{
    QString text = QStringLiteral("%1 (process %2")
                       .arg(holder.program.isEmpty() ? QStringLiteral("Lexivane") : holder.program)
                       .arg(holder.pid);
    if (!holder.host.isEmpty())
        text += QStringLiteral(" on ") + holder.host;
    if (!holder.user.isEmpty())
        text += QStringLiteral(", user ") + holder.user;
    if (holder.since.isValid())
        text += QStringLiteral(", since ") + holder.since.toString(Qt::ISODate);
    return text + QLatin1Char(')');
}

// Nobody is there to answer: a file of any size is read, and a database another copy holds is not
// opened for writing (who holds it is noted for the message).
class Answers : public LxdSessionQuestions
{
public:
    bool confirmRepeatedHeadwords() override { return false; }
    std::optional<LxdMergeMode> chooseMergeOrKeep() override { return std::nullopt; }
    bool readLargeFile(const QString &, qint64) override { return true; }
    LockAnswer askAboutLock(const LxdFileLock &lock) override
    {
        holder = lock.holder();
        return CancelOpen;
    }
    SaveAnswer askOverwriteChanged(const QString &) override { return CancelSave; }

    std::optional<LxdFileLock::Holder> holder;
};

class Command
{
public:
    Command(const QStringList &arguments, const ExportCommand::DataPath &dataPath)
        : arguments(arguments)
        , dataPath(dataPath)
    { }

    int run();

private:
    std::optional<Stop> parse();
    std::optional<Stop> readExerciseOptions();
    std::optional<Stop> readPageSettings();
    std::optional<Stop> openDatabase();
    std::optional<Stop> takeSentences();
    std::optional<Stop> exportFile();
    std::optional<Stop> saveUsedCounts();

    const QStringList arguments;
    const ExportCommand::DataPath dataPath;
    Options o;
    QCommandLineParser parser;

    QString databaseFile;
    QString outputFile;
    const ExportFormat *format = nullptr;
    quint32 seed = 0;
    RandomDrawOptions draw;
    ExerciseOptions options;
    SheetOptions sheets;
    int databaseWords = 0;
    ExportSettings settings;
    // The window's session, keeping nothing: a run leaves the exercise the window brings back for
    // this database as it was, and makes no recovery copy.
    LxdSession session {LxdSession::Keeping::Nothing};
    Answers answers;
};

std::optional<Stop> Command::parse()
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(o.all());
    if (!parser.parse(arguments))
        return usage(parser.errorText());
    if (parser.isSet(o.help))
        return std::nullopt;
    const QStringList positional = parser.positionalArguments();
    // The first is the command's own name, "export".
    if (positional.size() < 2)
        return usage(QStringLiteral("no database named"));
    if (positional.size() > 2)
        return usage(QStringLiteral("one database only, not also '%1'").arg(positional.at(2)));
    databaseFile = positional.at(1);

    if (!parser.isSet(o.format))
        return usage(
            QStringLiteral("no --format given; one of: ") + ExportFormats::names().join(QLatin1String(", ")));
    format = ExportFormats::find(parser.value(o.format));
    if (!format)
        return usage(QStringLiteral("unknown format '%1'; one of: ").arg(parser.value(o.format))
            + ExportFormats::names().join(QLatin1String(", ")));
    if (!parser.isSet(o.output) || parser.value(o.output).isEmpty())
        return usage(QStringLiteral("no output file given (-o OUT)"));
    outputFile = parser.value(o.output);

    if (parser.isSet(o.list)) {
        if (parser.isSet(o.sentences))
            return usage(QStringLiteral("--sentences and --list cannot be used together"));
        for (const QCommandLineOption *drawOption :
            {&o.allowMultiples, &o.includeUsed, &o.selectFromUsed, &o.countUse}) {
            if (parser.isSet(*drawOption))
                return usage(QStringLiteral("--%1 is for sentences drawn with --sentences, not for --list")
                                 .arg(drawOption->names().last()));
        }
    }
    qint64 number = draw.total;
    if (auto stop = readNumber(parser, o.sentences, 1, 100000, &number))
        return stop;
    draw.total = int(number);
    draw.allowMultiples = parser.isSet(o.allowMultiples);
    draw.includeUsed = parser.isSet(o.includeUsed);
    draw.selectFromUsed = parser.isSet(o.selectFromUsed);

    qint64 seedValue = 0;
    if (auto stop = readNumber(parser, o.seed, 0, 0xFFFFFFFFLL, &seedValue))
        return stop;
    seed = parser.isSet(o.seed) ? quint32(seedValue) : RandomSource().seed();

    if (auto stop = readExerciseOptions())
        return stop;
    return readPageSettings();
}

std::optional<Stop> Command::readExerciseOptions()
{
    options.includeQNums = !parser.isSet(o.noNumbers);
    options.gapWords = !parser.isSet(o.noGaps);
    options.bracketWords = !parser.isSet(o.noBrackets);
    options.jumbleOrder = !parser.isSet(o.noJumble);
    options.includeWordList = !parser.isSet(o.noWordList);
    options.answerKey = parser.isSet(o.key);
    options.shuffleWordList = parser.isSet(o.shuffleWords);
    if (parser.isSet(o.gapHints)) {
        const QString hints = parser.value(o.gapHints);
        if (hints == QLatin1String("first-letter"))
            options.hints = ExerciseOptions::Hints::FirstLetter;
        else if (hints == QLatin1String("letter-count"))
            options.hints = ExerciseOptions::Hints::LetterCount;
        else if (hints != QLatin1String("none"))
            return usage(
                QStringLiteral("--hints is first-letter, letter-count or none, not '%1'").arg(hints));
    }
    if (parser.isSet(o.instructionLanguage)) {
        const QString language = parser.value(o.instructionLanguage);
        const QStringList codes = InstructionLanguage::codes();
        if (!codes.contains(language))
            return usage(
                QStringLiteral("--instruction-language is %1 or %2, not '%3'")
                    .arg(codes.mid(0, codes.size() - 1).join(QLatin1String(", ")), codes.last(), language));
        options.instructionLanguage = language;
    }
    qint64 words = 0;
    // As many as the window's spin box offers.
    if (auto stop = readNumber(parser, o.databaseWords, 0, 20, &words))
        return stop;
    databaseWords = int(words);
    qint64 versions = 1;
    if (parser.isSet(o.versions)) {
        if (auto stop = readNumber(parser, o.versions, 2, SheetOptions::MaxVersions, &versions))
            return stop;
    }
    for (const QCommandLineOption *versionOption : {&o.parallel, &o.keysAtEnd}) {
        if (parser.isSet(*versionOption) && versions < 2)
            return usage(QStringLiteral("--%1 is for several versions (--versions N)")
                             .arg(versionOption->names().last()));
    }
    sheets.versions = int(versions);
    sheets.parallel = parser.isSet(o.parallel);
    sheets.keysAtEnd = parser.isSet(o.keysAtEnd);
    sheets.differentiated = parser.isSet(o.differentiated);

    settings.paper = ExerciseRender::pageSizeFor(QLocale());
    if (parser.isSet(o.paper)) {
        const QString paper = parser.value(o.paper).toLower();
        if (paper == QLatin1String("a4"))
            settings.paper = QPageSize::A4;
        else if (paper == QLatin1String("letter"))
            settings.paper = QPageSize::Letter;
        else
            return usage(QStringLiteral("--paper is a4 or letter, not '%1'").arg(parser.value(o.paper)));
    }
    return std::nullopt;
}

std::optional<Stop> Command::readPageSettings()
{
    InteractivePageSettings &page = settings.page;
    if (parser.isSet(o.mode)) {
        const QString mode = parser.value(o.mode);
        if (mode == QLatin1String("matching"))
            page.mode = InteractivePageSettings::Mode::Matching;
        else if (mode != QLatin1String("gap-fill"))
            return usage(QStringLiteral("--mode is gap-fill or matching, not '%1'").arg(mode));
    }
    // As the page's dialog keeps them; the page itself passes over what its mode does not use.
    page.dropDowns = parser.isSet(o.dropDowns);
    page.caseSensitive = parser.isSet(o.caseSensitive);
    page.accentsRequired = !parser.isSet(o.ignoreAccents);
    page.hints = !parser.isSet(o.noHints);
    page.showAnswers = !parser.isSet(o.noShowAnswers);
    page.sameGapWidth = parser.isSet(o.sameGapWidth);
    page.readAloud = parser.isSet(o.readAloud);
    page.listening = parser.isSet(o.listening);
    if (parser.isSet(o.passMark) && parser.value(o.passMark) == QLatin1String("none")) {
        page.passMark = -1;
    } else {
        qint64 mark = page.passMark;
        if (auto stop = readNumber(parser, o.passMark, 0, 100, &mark))
            return stop;
        page.passMark = int(mark);
    }
    page.bestScore = parser.isSet(o.bestScore);
    qint64 penalty = page.hintPenalty;
    if (auto stop = readNumber(parser, o.hintPenalty, 0, 100, &penalty))
        return stop;
    page.hintPenalty = int(penalty);
    return std::nullopt;
}

// Reading alone takes no lock, so a database open in a window reads as well. Counting the use writes
// the database: then it is opened as the window opens it, with its lock, before anything is read,
// so that no window can save the database between this read and this write.
std::optional<Stop> Command::openDatabase()
{
    const bool counting = parser.isSet(o.countUse);
    const LxdOutcome outcome = session.open(
        databaseFile, &answers, counting ? LxdSession::OpenMode::Editing : LxdSession::OpenMode::Reading);
    if (outcome.ok())
        return std::nullopt;
    if (outcome.code == LxdOutcome::Cancelled && answers.holder)
        return failure(QStringLiteral("%1 is open in %2; close it there to count the use, or leave out "
                                      "--count-use")
                           .arg(native(databaseFile), holderText(*answers.holder)));
    return unreadable(databaseFile);
}

std::optional<Stop> Command::takeSentences()
{
    if (parser.isSet(o.list)) {
        QStringList entries;
        if (auto stop = readList(parser.value(o.list), &entries))
            return stop;
        session.appendOutput(entries, QString());
        return std::nullopt;
    }
    RandomSource random(seed);
    int available = 0;
    if (!session.randomOutput(draw, random, QStringLiteral("Random Output"), &available))
        return failure(
            QStringLiteral("not enough sentences in %1 for the draw: %2 asked for, %3 can be drawn")
                .arg(native(databaseFile))
                .arg(draw.total)
                .arg(available));
    return std::nullopt;
}

std::optional<Stop> Command::exportFile()
{
    session.setOptions(options);
    session.setTitle(parser.value(o.title));
    session.setExtraWords(parser.value(o.extraWords));
    session.setDatabaseWords(databaseWords);
    session.setSheetOptions(sheets);
    session.setSeed(seed);
    const ExerciseSheets made = session.exerciseSheets();
    if (const std::optional<ExportNote> refusal = ExerciseSheetsBuilder::refusal(*format, made))
        return failure(refusal->text);
    for (const ExportNote &note : ExerciseSheetsBuilder::notes(*format, made))
        tell(note.text);
    if (const QString kept = made.keptNote(); !kept.isEmpty())
        tell(kept);

    const QString templatePath = format->templateName
        ? dataPath(QLatin1String("templates/") + QLatin1String(format->templateName))
        : QString();
    const QList<SheetFile> files
        = ExerciseSheetsBuilder::renderFiles(*format, made, settings, templatePath, outputFile);
    const ExportResult &result = files.last().result;
    switch (result.status) {
    case ExportResult::Done:
        break;
    case ExportResult::TemplateMissing:
        return failure(QStringLiteral("cannot read the template %1").arg(native(templatePath)));
    case ExportResult::TemplateNotWellFormed:
    case ExportResult::TemplateCorrupt:
        return failure(QStringLiteral("the template %1 appears to be corrupted").arg(native(templatePath)));
    case ExportResult::ArchiveFailed:
        return failure(QStringLiteral("cannot write %1: the ZIP archive could not be made")
                           .arg(native(files.last().fileName)));
    }
    if (!result.remark.isEmpty())
        tell(result.remark);

    const QString database = QFileInfo(databaseFile).canonicalFilePath();
    for (const SheetFile &file : files) {
        if (files.size() > 1 && QFileInfo(file.fileName).canonicalFilePath() == database)
            return usage(QStringLiteral("the output file %1 is the database").arg(native(file.fileName)));
    }
    // Each file is replaced whole or not at all; a failure names the file.
    for (const SheetFile &file : files) {
        QString reason;
        if (!CheckedWrite::writeFile(file.fileName, file.result.bytes, &reason))
            return failure(QStringLiteral("cannot write %1: %2").arg(native(file.fileName), reason));
    }
    if (const std::optional<ExportNote> note = ExerciseSheetsBuilder::noteAfterWriting(*format, made))
        tell(note->text);
    return std::nullopt;
}

std::optional<Stop> Command::saveUsedCounts()
{
    const LxdOutcome outcome = session.save(databaseFile, &answers);
    if (outcome.ok())
        return std::nullopt;
    QString reason = outcome.reason;
    if (outcome.code == LxdOutcome::LockLost || outcome.code == LxdOutcome::LockHeld)
        reason = QStringLiteral("another copy of Lexivane took it over: ") + holderText(outcome.holder);
    else if (outcome.code == LxdOutcome::Cancelled)
        reason = QStringLiteral("another program changed it in the meantime");
    return failure(QStringLiteral("%1 was written, but the used counts could not be saved in %2: %3")
                       .arg(native(outputFile), native(databaseFile), reason));
}

int Command::run()
{
    std::optional<Stop> stop = parse();
    if (!stop && parser.isSet(o.help)) {
        printTo(stdout, ExportCommand::helpText());
        return ExportCommand::Success;
    }
    if (!stop) {
        const QFileInfo output(outputFile);
        if (output.exists() && output.canonicalFilePath() == QFileInfo(databaseFile).canonicalFilePath())
            stop = usage(QStringLiteral("the output file is the database"));
    }
    if (!stop)
        stop = openDatabase();
    if (!stop)
        stop = takeSentences();
    if (!stop)
        stop = exportFile();
    if (!stop && parser.isSet(o.countUse))
        stop = saveUsedCounts();
    if (stop) {
        tell(stop->message);
        return stop->status;
    }
    return ExportCommand::Success;
}

} // namespace

int ExportCommand::run(const QStringList &arguments, const DataPath &dataPath)
{
    return Command(arguments, dataPath).run();
}

QString ExportCommand::helpText()
{
    return QStringLiteral("Usage: lexivane export DATABASE --format FORMAT -o OUT [OPTION...]\n"
                          "\n"
                          "Makes an exercise file from the vocabulary database DATABASE without opening a\n"
                          "window: the file the window's export writes for the same sentences, options and\n"
                          "seed. DATABASE is only read, also while a window has it open.\n"
                          "\n"
                          "  --format FORMAT      text, xhtml, rtf, jmatch, jcloze, pdf, interactive,\n"
                          "                       moodle-xml, moodle-matching, gift, h5p-blanks, h5p-drag,\n"
                          "                       scorm, anki or quizlet\n"
                          "  -o, --output OUT     the file to write; an old file is replaced only once the\n"
                          "                       new one is complete\n"
                          "\n"
                          "Sentences (drawn at random as Output > Random output does, unless --list):\n"
                          "  --sentences N        how many to draw (default 10)\n"
                          "  --allow-multiples    one headword may give several sentences\n"
                          "  --include-used       sentences used before may be drawn\n"
                          "  --select-from-used   draw only from headwords that have used sentences\n"
                          "  --count-use          raise the used count of each drawn sentence in DATABASE;\n"
                          "                       fails while another copy of Lexivane has it open\n"
                          "  --list FILE          the sentences of FILE instead, one a line, key words in\n"
                          "                       square brackets\n"
                          "  --seed S             the seed of the draw and of every shuffle (0 to\n"
                          "                       4294967295); the same seed gives the same file\n"
                          "\n"
                          "Exercise (the check boxes beside the output list):\n"
                          "  --no-numbers         no question numbers (\"Include Q #s\" off)\n"
                          "  --no-gaps            key words stay in the sentences (\"Gap words\" off)\n"
                          "  --no-brackets        no square brackets (\"Bracket words\" off)\n"
                          "  --no-jumble          sentences in their order (\"Jumble order\" off)\n"
                          "  --no-word-list       no word list (\"Include word list\" off)\n"
                          "  --key                an answer key (\"Answer key\")\n"
                          "  --shuffle-words      each key word once, shuffled (\"Shuffle word list\")\n"
                          "  --hints HINT         what each gap shows of its answer: first-letter\n"
                          "                       (\"w________\"), letter-count (\"(4)\" after the gap) or\n"
                          "                       none (default)\n"
                          "  --title T            the exercise title (default: the database's file name)\n"
                          "  --extra-words LIST   extra words for the word bank, separated by commas\n"
                          "  --database-words N   add N key words of other sentences (0 to 20)\n"
                          "  --paper SIZE         a4 or letter, for rtf and pdf (default: your region's)\n"
                          "  --instruction-language LANG\n"
                          "                       the language of the instructions, headings and buttons:\n"
                          "                       en, de, fr or es (default: the program's language); the\n"
                          "                       sentences are marked with the database's own language\n"
                          "\n"
                          "Versions and sheets (a pdf holds them all; any other format writes one file\n"
                          "each, OUT with -A, -B ... or the sheet's name before its ending):\n"
                          "  --versions N         N versions of the exercise (2 to 6), letters A, B ...,\n"
                          "                       each with its own key; A is the exercise itself\n"
                          "  --parallel           versions take other sentences of the same headwords\n"
                          "                       instead of reordering the same sentences\n"
                          "  --keys-at-end        pdf: all keys after all versions, not each after its own\n"
                          "  --differentiated     each version as three sheets in one order, one key for\n"
                          "                       them all: -wordbank (with the word bank), -letters (first\n"
                          "                       letters shown), -plain (neither)\n"
                          "\n"
                          "Interactive page and SCORM package (the marking also for h5p-blanks):\n"
                          "  --mode MODE          gap-fill (default) or matching\n"
                          "  --drop-downs         gaps chosen from drop-down lists of the word list\n"
                          "  --case-sensitive     capitals must be typed as in the answer\n"
                          "  --ignore-accents     answers without their accents count as right\n"
                          "  --no-hints           no button that gives the next letter\n"
                          "  --no-show-answers    no \"Show answers\" button\n"
                          "  --same-gap-width     all typed gaps as wide as the longest answer\n"
                          "  --read-aloud         a button that reads each sentence aloud with the\n"
                          "                       browser's voice\n"
                          "  --listening          each sentence appears once the pupil has heard it\n"
                          "  --pass-mark N        scorm: the percentage needed to pass (default 80), or\n"
                          "                       none\n"
                          "  --best-score         scorm: the platform keeps the best check, not the first\n"
                          "                       with every gap answered\n"
                          "  --hint-penalty N     scorm: the percentage of its gap each hint costs\n"
                          "                       (default 100)\n"
                          "\n"
                          "  -h, --help           show this help\n"
                          "\n"
                          "Exit status: 0 when the file was written, 1 when the export failed, 2 when the\n"
                          "command line was wrong. Messages go to standard error.\n");
}

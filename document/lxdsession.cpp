// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/lxdsession.h"

#include "data/checkedwrite.h"
#include "data/largefile.h"
#include "data/lxddatabase.h"
#include "data/lxdsentence.h"
#include "exercise/instructionlanguage.h"
#include "exercise/randomdraw.h"
#include "exercise/randomsource.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUndoCommand>
#include <QUndoStack>

#include <algorithm>
#include <numeric>

namespace {

// The exercise options under the object names of their check boxes, as the recovery copy and the
// settings keep them.
struct OptionName
{
    const char *name;
    bool ExerciseOptions::*member;
};
const OptionName OptionNames[] = {{"chkIncludeQNums", &ExerciseOptions::includeQNums},
    {"chkGapWords", &ExerciseOptions::gapWords}, {"chkBracketWords", &ExerciseOptions::bracketWords},
    {"chkJumbleOrder", &ExerciseOptions::jumbleOrder},
    {"chkIncludeWordList", &ExerciseOptions::includeWordList}, {"chkAnswerKey", &ExerciseOptions::answerKey},
    {"chkShuffleWordList", &ExerciseOptions::shuffleWordList}};

// Kept files larger than this are no exercise of ours.
constexpr qint64 MaxExerciseFileBytes = 64 * 1024 * 1024;

class OutputInsertCommand : public QUndoCommand
{
public:
    OutputInsertCommand(LxdOutputModel *model, int row, const QStringList &texts, const QString &text)
        : QUndoCommand(text)
        , m_model(model)
        , m_row(row)
        , m_texts(texts)
    { }
    void redo() override { m_model->insertEntries(m_row, m_texts); }
    void undo() override { m_model->removeEntries(m_row, int(m_texts.size())); }

private:
    LxdOutputModel *m_model;
    int m_row;
    QStringList m_texts;
};

// Removes rows (distinct, smallest first); undoing puts each back where it was.
class OutputRemoveCommand : public QUndoCommand
{
public:
    OutputRemoveCommand(LxdOutputModel *model, const QList<int> &rows, const QString &text)
        : QUndoCommand(text)
        , m_model(model)
        , m_rows(rows)
    {
        for (int row : rows)
            m_texts.append(model->entries().at(row));
    }
    void redo() override
    {
        // A block of neighbouring rows goes at once, so that a cleared list is one change for the view.
        for (int i = int(m_rows.size()) - 1; i >= 0;) {
            int first = i;
            while (first > 0 && m_rows.at(first - 1) == m_rows.at(first) - 1)
                --first;
            m_model->removeEntries(m_rows.at(first), i - first + 1);
            i = first - 1;
        }
    }
    void undo() override
    {
        for (int i = 0; i < m_rows.size(); ++i)
            m_model->insertEntries(m_rows.at(i), {m_texts.at(i)});
    }

private:
    LxdOutputModel *m_model;
    QList<int> m_rows;
    QStringList m_texts;
};

class OutputMoveCommand : public QUndoCommand
{
public:
    OutputMoveCommand(LxdOutputModel *model, const QList<QPair<int, int>> &moves, const QString &text)
        : QUndoCommand(text)
        , m_model(model)
        , m_moves(moves)
    { }
    void redo() override
    {
        for (const auto &move : m_moves)
            m_model->moveEntry(move.first, move.second);
    }
    void undo() override
    {
        for (auto it = m_moves.crbegin(); it != m_moves.crend(); ++it)
            m_model->moveEntry(it->second, it->first);
    }

private:
    LxdOutputModel *m_model;
    QList<QPair<int, int>> m_moves;
};

} // namespace

// --- The output list -------------------------------------------------------------------------------

int LxdOutputModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant LxdOutputModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size())
        return QVariant();
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_entries.at(index.row());
    return QVariant();
}

Qt::ItemFlags LxdOutputModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}

void LxdOutputModel::insertEntries(int row, const QStringList &texts)
{
    if (texts.isEmpty())
        return;
    beginInsertRows(QModelIndex(), row, row + int(texts.size()) - 1);
    for (int i = 0; i < texts.size(); ++i)
        m_entries.insert(row + i, texts.at(i));
    endInsertRows();
}

QStringList LxdOutputModel::removeEntries(int row, int count)
{
    if (count <= 0)
        return {};
    beginRemoveRows(QModelIndex(), row, row + count - 1);
    const QStringList removed = m_entries.mid(row, count);
    m_entries.remove(row, count);
    endRemoveRows();
    return removed;
}

void LxdOutputModel::moveEntry(int from, int to)
{
    // beginMoveRows names the row the entry goes before, counted before the move.
    beginMoveRows(QModelIndex(), from, from, QModelIndex(), to > from ? to + 1 : to);
    m_entries.move(from, to);
    endMoveRows();
}

// --- The session -----------------------------------------------------------------------------------

LxdSession::LxdSession(QObject *parent)
    : LxdSession(Keeping::Everything, parent)
{ }

LxdSession::LxdSession(Keeping keeping, QObject *parent)
    : QObject(parent)
    , m_database(new LxdDatabase(this))
    , m_document(new LxdDocument(m_database, this))
    , m_guard(new LxdFileGuard(this))
    , m_recovery(new LxdRecovery(m_document, this))
    , m_output(new LxdOutputModel(this))
{
    m_document->setObjectName(QStringLiteral("doc"));
    m_guard->setObjectName(QStringLiteral("fileGuard"));
    m_recovery->setObjectName(QStringLiteral("recovery"));
    m_output->setObjectName(QStringLiteral("outputModel"));
    m_recovery->setFileGuard(m_guard);
    m_keep.setSingleShot(true);
    m_keep.setInterval(0);
    connect(&m_keep, &QTimer::timeout, this, &LxdSession::keepExercise);
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(m_output, signal, this, &LxdSession::exerciseChanged);
    connect(m_output, &QAbstractItemModel::rowsMoved, this, &LxdSession::exerciseChanged);
    m_keeping = keeping;
    // The recovery copy learns of the database's changes by these alone.
    if (keepsNothing()) {
        disconnect(m_database, nullptr, m_recovery, nullptr);
        disconnect(m_document->undoStack(), nullptr, m_recovery, nullptr);
    }
}

LxdSession::~LxdSession()
{
    // What changed last is kept before the session goes.
    if (m_keep.isActive())
        keepExercise();
    // The recovery copy goes before the document it watches, the history before the database whose
    // records it holds.
    delete m_recovery;
    delete m_document;
    delete m_output;
    delete m_database;
}

void LxdSession::setFileName(const QString &fileName)
{
    // What is still to be kept belongs to the database before.
    if (m_keep.isActive()) {
        m_keep.stop();
        keepExercise();
    }
    m_fileName = fileName;
    if (fileName.isEmpty())
        m_guard->forget();
    m_recovery->setFileName(fileName);
    emit fileNamed(fileName);
}

// --- File commands ---------------------------------------------------------------------------------

LxdOutcome LxdSession::newDatabase()
{
    m_database->clear();
    m_database->setLanguage(QString());
    setFileName(QString());
    m_database->setModified(false);
    m_document->clearHistory();
    return {};
}

bool LxdSession::lockForOpening(
    const QString &fileName, LxdSessionQuestions *questions, LxdFileLock *lock, bool *readOnly)
{
    *readOnly = false;
    *lock = m_guard->lockFor(fileName);
    if (lock->state() != LxdFileLock::HeldElsewhere)
        return true; // held now, or a folder where no lock can be made: opened as ever
    const LxdSessionQuestions::LockAnswer answer
        = questions ? questions->askAboutLock(*lock) : LxdSessionQuestions::CancelOpen;
    if (answer == LxdSessionQuestions::CancelOpen)
        return false;
    *readOnly = answer == LxdSessionQuestions::OpenReadOnly;
    // Opened anyway, the database is this program's to save: its lock says so to any third copy, and
    // the other copy learns of it before it saves.
    if (!*readOnly)
        lock->takeOver();
    return true;
}

LxdOutcome LxdSession::open(const QString &fileName, LxdSessionQuestions *questions)
{
    return open(fileName, questions, OpenMode::Editing);
}

LxdOutcome LxdSession::open(const QString &fileName, LxdSessionQuestions *questions, OpenMode mode)
{
    LxdOutcome outcome;
    outcome.fileName = fileName;
    if (const qint64 size = LargeFile::sizeToAskAbout(fileName);
        size > 0 && (!questions || !questions->readLargeFile(fileName, size))) {
        outcome.code = LxdOutcome::Cancelled;
        return outcome;
    }
    // Read only, the file is opened without its lock or a watch.
    const bool editing = mode == OpenMode::Editing;
    LxdFileLock lock;
    bool readOnly = false;
    if (editing && !lockForOpening(fileName, questions, &lock, &readOnly)) {
        outcome.code = LxdOutcome::Cancelled;
        return outcome;
    }

    switch (m_document->open(fileName)) {
    case LxdDocument::NotDatabase:
        // Nothing was read; when the file was the open one, its lock stays.
        if (editing)
            m_guard->returnLock(std::move(lock));
        outcome.code = LxdOutcome::NotDatabase;
        return outcome;
    case LxdDocument::Done:
        // Read only, the file open before gives up its lock and watch.
        if (editing)
            m_guard->setFile(fileName, std::move(lock), readOnly);
        else
            m_guard->forget();
        setFileName(fileName);
        // The list is kept when another database is opened; an empty one takes the exercise made
        // from this database last time.
        if (m_output->count() == 0)
            readKeptExercise();
        return outcome;
    default:
        // Left under the old file name, the emptied database could later be saved over that file.
        setFileName(QString());
        outcome.code = LxdOutcome::ReadFailed;
        return outcome;
    }
}

LxdOutcome LxdSession::save(const QString &fileName, LxdSessionQuestions *questions)
{
    LxdOutcome outcome;
    outcome.fileName = fileName;
    const bool sameFile = m_guard->isFile(fileName);
    LxdFileLock lock;
    // A new name, or the name of a database opened read-only, needs its lock first.
    if (!sameFile || m_guard->isReadOnly() || m_guard->lockLost()) {
        lock = LxdFileLock::take(fileName);
        if (lock.state() == LxdFileLock::HeldElsewhere) {
            outcome.holder = lock.holder();
            outcome.lockFile = lock.fileName();
            // Another copy opened the database anyway after this one did, and took it over.
            if (sameFile && !m_guard->isReadOnly()) {
                m_guard->setReadOnly(true);
                outcome.code = LxdOutcome::LockLost;
            } else {
                outcome.code = LxdOutcome::LockHeld;
            }
            return outcome;
        }
    }
    if (sameFile && m_guard->diskChangeBeforeSave() == LxdFileGuard::Changed) {
        const LxdSessionQuestions::SaveAnswer answer
            = questions ? questions->askOverwriteChanged(fileName) : LxdSessionQuestions::CancelSave;
        m_guard->noteSeen();
        if (answer == LxdSessionQuestions::CancelSave) {
            outcome.code = LxdOutcome::Cancelled;
            return outcome;
        }
        if (answer == LxdSessionQuestions::MergeThenSave) {
            const LxdOutcome merged = mergeFromDisk();
            if (!merged.ok())
                return merged;
            outcome.merged = true;
        }
    }
    if (!m_document->save(fileName, &outcome.reason)) {
        outcome.code = LxdOutcome::WriteFailed;
        return outcome;
    }
    if (sameFile && !m_guard->isReadOnly()) {
        m_guard->returnLock(std::move(lock)); // a lock taken again because the old one was lost
        m_guard->remember(); // the program's own save: nothing to ask about
    } else {
        m_guard->setFile(fileName, std::move(lock), false);
    }
    setFileName(fileName);
    exerciseChanged(); // kept under the new name too
    return outcome;
}

LxdOutcome LxdSession::backup()
{
    LxdOutcome outcome;
    outcome.fileName = LxdDocument::backupName(m_fileName);
    if (!m_document->backup(m_fileName, &outcome.reason))
        outcome.code = LxdOutcome::WriteFailed;
    return outcome;
}

LxdOutcome LxdSession::reload()
{
    LxdOutcome outcome;
    outcome.fileName = m_fileName;
    const LxdDocument::FileResult result = m_document->open(m_fileName);
    if (result == LxdDocument::Done) {
        m_guard->remember();
    } else if (result == LxdDocument::NotDatabase) {
        m_guard->noteSeen(); // nothing was read: the database stays as it was
        outcome.code = LxdOutcome::NotDatabase;
    } else {
        // As after any failed open: the emptied database must not be saved over the file.
        setFileName(QString());
        outcome.code = LxdOutcome::ReadFailed;
    }
    return outcome;
}

LxdOutcome LxdSession::mergeFromDisk()
{
    LxdOutcome outcome;
    outcome.fileName = m_fileName;
    const LxdDocument::FileResult result = m_document->mergeFile(m_fileName);
    if (result == LxdDocument::NotDatabase || result == LxdDocument::Failed)
        outcome.code = LxdOutcome::MergeFailed;
    return outcome;
}

// --- Output list -----------------------------------------------------------------------------------

void LxdSession::push(QUndoCommand *command)
{
    m_document->undoStack()->push(command);
}

void LxdSession::appendOutput(const QStringList &texts, const QString &stepName)
{
    if (stepName.isEmpty())
        m_output->insertEntries(m_output->count(), texts);
    else if (!texts.isEmpty())
        push(new OutputInsertCommand(m_output, m_output->count(), texts, stepName));
}

QStringList LxdSession::useSentences(
    const QList<QPair<int, int>> &sentences, const QString &stepName, bool replace)
{
    const bool any = std::any_of(sentences.cbegin(), sentences.cend(),
        [this](const QPair<int, int> &pick) { return m_database->sentenceAt(pick.first, pick.second); });
    if (!any && !(replace && m_output->count() > 0))
        return {};
    // Counting the sentences and listing them is one step: undoing it takes both back.
    QUndoStack *stack = m_document->undoStack();
    stack->beginMacro(stepName);
    if (replace && m_output->count() > 0) {
        QList<int> all(m_output->count());
        std::iota(all.begin(), all.end(), 0);
        push(new OutputRemoveCommand(m_output, all, stepName));
    }
    const QStringList texts = m_document->useSentences(sentences, stepName);
    appendOutput(texts, stepName);
    stack->endMacro();
    return texts;
}

bool LxdSession::randomOutput(const RandomDrawOptions &options, RandomSource &random, const QString &stepName,
    int *available, const std::function<bool()> &beforeChange)
{
    const QStringList entries = options.addToOutput ? m_output->entries() : QStringList();
    const RandomDraw draw(m_database, options, QSet<QString>(entries.cbegin(), entries.cend()));
    if (available)
        *available = draw.available();
    if (!draw.enough() || (beforeChange && !beforeChange()))
        return false;
    QList<QPair<int, int>> picked;
    for (const RandomPick &pick : draw.draw(random))
        picked.append({pick.item, pick.sentence});
    useSentences(picked, stepName, !options.addToOutput);
    return true;
}

void LxdSession::replaceOutput(const QList<QPair<int, QString>> &texts, const QString &stepName)
{
    QList<QPair<int, QString>> valid;
    for (const auto &entry : texts) {
        if (entry.first >= 0 && entry.first < m_output->count()
            && m_output->entries().at(entry.first) != entry.second)
            valid.append(entry);
    }
    if (valid.isEmpty())
        return;
    QUndoStack *stack = m_document->undoStack();
    stack->beginMacro(stepName);
    for (const auto &entry : std::as_const(valid)) {
        push(new OutputRemoveCommand(m_output, {entry.first}, stepName));
        push(new OutputInsertCommand(m_output, entry.first, {entry.second}, stepName));
    }
    stack->endMacro();
}

void LxdSession::removeOutput(const QList<int> &rows)
{
    QList<int> valid;
    for (int row : rows) {
        if (row >= 0 && row < m_output->count())
            valid.append(row);
    }
    std::sort(valid.begin(), valid.end());
    valid.erase(std::unique(valid.begin(), valid.end()), valid.end());
    if (!valid.isEmpty())
        push(new OutputRemoveCommand(m_output, valid, tr("Delete Output Sentences")));
}

void LxdSession::clearOutput()
{
    QList<int> all(m_output->count());
    std::iota(all.begin(), all.end(), 0);
    if (!all.isEmpty())
        push(new OutputRemoveCommand(m_output, all, tr("Clear Output")));
}

QList<int> LxdSession::moveOutput(const QList<int> &rows, bool up)
{
    QList<int> sorted = rows;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    if (!up)
        std::reverse(sorted.begin(), sorted.end());
    // Each entry moves one place, in the order that keeps a block together; one already at the end it
    // moves towards stays.
    QList<QPair<int, int>> moves;
    QList<int> moved;
    const int count = m_output->count();
    for (int row : sorted) {
        const int to = up ? row - 1 : row + 1;
        if (row < 0 || row >= count || to < 0 || to >= count)
            continue;
        moves.append({row, to});
        moved.append(to);
    }
    if (!moves.isEmpty())
        push(new OutputMoveCommand(m_output, moves, up ? tr("Move Output Up") : tr("Move Output Down")));
    return moved;
}

// --- The exercise ----------------------------------------------------------------------------------

void LxdSession::setOptions(const ExerciseOptions &options)
{
    if (options == m_options)
        return;
    m_options = options;
    exerciseChanged();
}

void LxdSession::setTitle(const QString &title)
{
    if (title == m_title)
        return;
    m_title = title;
    exerciseChanged();
}

void LxdSession::setExtraWords(const QString &words)
{
    if (words == m_extraWords)
        return;
    m_extraWords = words;
    exerciseChanged();
}

void LxdSession::setDatabaseWords(int count)
{
    if (count == m_databaseWords)
        return;
    m_databaseWords = count;
    exerciseChanged();
}

void LxdSession::setStartingExercise(const QMap<QString, bool> &options, const QString &title)
{
    for (const OptionName &option : OptionNames)
        m_options.*option.member = options.value(QLatin1String(option.name), m_options.*option.member);
    m_title = title;
}

void LxdSession::newShuffle()
{
    m_seed.reset();
    exerciseChanged();
}

void LxdSession::setSeed(quint32 seed)
{
    m_seed = seedNow(seed);
    exerciseChanged();
}

LxdSession::Seed LxdSession::seedNow(quint32 value) const
{
    return Seed {value, m_output->entries(), drawKey(m_options), m_extraWords, m_databaseWords};
}

void LxdSession::setSheetOptions(const SheetOptions &options)
{
    if (options == m_sheetOptions)
        return;
    m_sheetOptions = options;
    exerciseChanged();
}

bool LxdSession::seedHolds() const
{
    return m_seed && m_seed->entries == m_output->entries() && m_seed->options == drawKey(m_options)
        && m_seed->extraWords == m_extraWords && m_seed->databaseWords == m_databaseWords;
}

ExerciseRequest LxdSession::exerciseRequest()
{
    if (!seedHolds()) {
        m_seed = seedNow(RandomSource().seed());
        exerciseChanged(); // the seed of the shuffles is kept from the first export on
    }
    ExerciseRequest request;
    request.entries = m_output->entries();
    request.options = m_options;
    request.typedTitle = m_title;
    request.databaseFile = m_fileName;
    request.extraWords = m_extraWords;
    request.databaseWords = m_databaseWords;
    request.language = m_database->language();
    request.seed = m_seed->value;
    return request;
}

ExerciseSheets LxdSession::exerciseSheets()
{
    return ExerciseSheetsBuilder::build(exerciseRequest(), m_database, m_sheetOptions);
}

LxdRecoverySession LxdSession::exercise() const
{
    LxdRecoverySession exercise;
    exercise.output = m_output->entries();
    exercise.title = m_title;
    exercise.extraWords = m_extraWords;
    exercise.databaseWords = m_databaseWords;
    for (const OptionName &option : OptionNames)
        exercise.options.insert(QLatin1String(option.name), m_options.*option.member);
    if (seedHolds())
        exercise.seed = m_seed->value;
    // Only what differs from a new window, so that an exercise without them is kept as it always was.
    const SheetOptions sheets = m_sheetOptions;
    const struct
    {
        const char *name;
        int value;
        int otherwise;
    } values[] = {{"cmbHints", int(m_options.hints), 0}, {"spbVersions", sheets.versions, 1},
        {"cmbVersionKind", sheets.parallel ? 1 : 0, 0}, {"chkKeysAtEnd", sheets.keysAtEnd ? 1 : 0, 0},
        {"chkDifferentiated", sheets.differentiated ? 1 : 0, 0},
        // 1 to 4 for the languages of InstructionLanguage::codes(); the program's own is none.
        {"cmbInstructionLanguage",
            int(InstructionLanguage::codes().indexOf(m_options.instructionLanguage)) + 1, 0}};
    for (const auto &value : values) {
        if (value.value != value.otherwise)
            exercise.values.insert(QLatin1String(value.name), value.value);
    }
    return exercise;
}

// The entries join the list (no step to undo: they were there before); the title, the extra words
// and the options are those of the exercise, and so is its shuffle when the list held nothing else.
void LxdSession::restoreExercise(const LxdRecoverySession &exercise)
{
    if (exercise.isEmpty() && exercise.options.isEmpty())
        return;
    const bool listWasEmpty = m_output->count() == 0;
    // The same list brought back twice (kept, and in a recovery copy) is one list.
    if (m_output->entries() != exercise.output)
        m_output->insertEntries(m_output->count(), exercise.output);
    m_title = exercise.title;
    m_extraWords = exercise.extraWords;
    m_databaseWords = exercise.databaseWords;
    for (const OptionName &option : OptionNames) {
        const QString name = QLatin1String(option.name);
        if (exercise.options.contains(name))
            m_options.*option.member = exercise.options.value(name);
    }
    const auto value = [&exercise](const char *name, int low, int high, int otherwise) {
        return qBound(low, exercise.values.value(QLatin1String(name), otherwise), high);
    };
    m_options.hints = ExerciseOptions::Hints(value("cmbHints", 0, 2, 0));
    const int language = value("cmbInstructionLanguage", 0, int(InstructionLanguage::codes().size()), 0);
    m_options.instructionLanguage = language > 0 ? InstructionLanguage::codes().at(language - 1) : QString();
    m_sheetOptions.versions = value("spbVersions", 1, SheetOptions::MaxVersions, 1);
    m_sheetOptions.parallel = value("cmbVersionKind", 0, 1, 0) == 1;
    m_sheetOptions.keysAtEnd = value("chkKeysAtEnd", 0, 1, 0) == 1;
    m_sheetOptions.differentiated = value("chkDifferentiated", 0, 1, 0) == 1;
    if (listWasEmpty && exercise.seed)
        m_seed = seedNow(*exercise.seed);
    emit exerciseRestored();
    exerciseChanged();
}

void LxdSession::end()
{
    m_ended = true;
    m_recovery->discard();
    if (m_keep.isActive()) {
        m_keep.stop();
        keepExercise();
    }
}

QString LxdSession::exerciseFile(const QString &fileName)
{
    const QByteArray name = LxdFileLock::canonicalName(fileName).toUtf8();
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QLatin1String("/sessions/")
        + QString::fromLatin1(QCryptographicHash::hash(name, QCryptographicHash::Sha1).toHex())
        + QLatin1String(".json");
}

void LxdSession::exerciseChanged()
{
    if (!keepsNothing())
        m_keep.start();
}

void LxdSession::keepExercise()
{
    if (keepsNothing())
        return;
    const LxdRecoverySession now = exercise();
    if (!m_ended)
        m_recovery->setSession(now);
    if (m_fileName.isEmpty())
        return;
    const QString file = exerciseFile(m_fileName);
    QString error;
    if (!QDir().mkpath(QFileInfo(file).absolutePath())
        || !CheckedWrite::writeFile(file, now.toJson(), &error))
        emit exerciseNotKept(
            error.isEmpty() ? QDir::toNativeSeparators(QFileInfo(file).absolutePath()) : error);
}

// A kept exercise that cannot be read, or is no exercise, is left alone: the list stays empty.
void LxdSession::readKeptExercise()
{
    if (keepsNothing())
        return;
    QFile file(exerciseFile(m_fileName));
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxExerciseFileBytes)
        return;
    bool ok = false;
    const LxdRecoverySession kept = LxdRecoverySession::fromJson(file.readAll(), &ok);
    if (ok)
        restoreExercise(kept);
}

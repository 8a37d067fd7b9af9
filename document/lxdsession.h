// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LXDSESSION_H
#define LXDSESSION_H

#include <QAbstractListModel>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include "document/lxddocument.h"
#include "document/lxdfileguard.h"
#include "document/lxdrecovery.h"
#include "exercise/exerciseoptions.h"
#include "exercise/exercisesheets.h"
#include "exercise/exportformats.h"

#include <functional>
#include <optional>

class LxdDatabase;
class QUndoCommand;
class RandomSource;
struct RandomDrawOptions;

// The output list: sentence texts as they were when they were put in, in the order of the exercise.
// Read-only for views; every change is a step of the session's undo history.
class LxdOutputModel : public QAbstractListModel
{
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    const QStringList &entries() const { return m_entries; }
    int count() const { return int(m_entries.size()); }

    // For the undo steps only.
    void insertEntries(int row, const QStringList &texts);
    QStringList removeEntries(int row, int count);
    void moveEntry(int from, int to);

private:
    QStringList m_entries;
};

// The questions the file commands ask on their way; the window answers them with its boxes, tests
// answer them directly.
class LxdSessionQuestions : public LxdAppendQuestions
{
public:
    // A file so large that reading it takes long: true to read it all the same.
    virtual bool readLargeFile(const QString &fileName, qint64 size) = 0;
    enum LockAnswer { CancelOpen, OpenReadOnly, OpenAnyway };
    // Another running copy holds the lock of a file about to be opened.
    virtual LockAnswer askAboutLock(const LxdFileLock &lock) = 0;
    enum SaveAnswer { CancelSave, Overwrite, MergeThenSave };
    // Another program changed the file about to be saved over.
    virtual SaveAnswer askOverwriteChanged(const QString &fileName) = 0;
};

// What a file command came to, for the window to report.
struct LxdOutcome
{
    enum Code {
        Done,
        Cancelled, // a question was answered with Cancel: nothing changed
        NotDatabase, // no text file: nothing was read
        ReadFailed, // the file could not be read: the database is empty and untitled
        LockHeld, // another copy holds the file: nothing written
        LockLost, // another copy took the open file over: nothing written, now read-only
        WriteFailed, // the old file is whole; `reason` says why
        MergeFailed, // the file on disk could not be read for a merge
    };
    Code code = Done;
    QString fileName;
    QString reason;
    bool merged = false; // the file on disk was merged in before a save
    LxdFileLock::Holder holder; // for LockHeld and LockLost
    QString lockFile; // the database the lock is for

    bool ok() const { return code == Done; }
};

// One open database and the exercise made from it, without a window: the vocabulary database with
// its edit history, the file it belongs to with that file's lock and watch, the recovery copy of
// unsaved changes, the output list and the exercise's options, title, extra words and seed. The
// exercise is kept in the program's data folder under the database's name, so that it is there again
// after the program ends or is killed.
class LxdSession : public QObject
{
    Q_OBJECT

public:
    explicit LxdSession(QObject *parent = nullptr);
    // What the session keeps of its own beside the database file.
    enum class Keeping {
        Everything, // the exercise in the data folder, and a recovery copy of unsaved changes
        // Nothing: the kept exercise of its database is neither read nor written, and no recovery
        // copy is made. The command line's, whose runs leave what the window brings back as it was.
        Nothing,
    };
    explicit LxdSession(Keeping keeping, QObject *parent = nullptr);
    ~LxdSession() override;
    bool keepsNothing() const { return m_keeping == Keeping::Nothing; }

    LxdDatabase *database() const { return m_database; }
    LxdDocument *document() const { return m_document; }
    LxdFileGuard *fileGuard() const { return m_guard; }
    LxdRecovery *recovery() const { return m_recovery; }
    LxdOutputModel *output() const { return m_output; }

    QString fileName() const { return m_fileName; }
    // Names the open file (empty for none) without reading anything; no file, no lock.
    void setFileName(const QString &fileName);

    // The lock for a file about to be opened; false when the teacher cancelled at the question about
    // another copy holding it.
    bool lockForOpening(
        const QString &fileName, LxdSessionQuestions *questions, LxdFileLock *lock, bool *readOnly);
    // The file commands. `questions` may be null, which answers every question with its default.
    LxdOutcome newDatabase();
    LxdOutcome open(const QString &fileName, LxdSessionQuestions *questions);
    enum class OpenMode {
        Editing, // as open() above: the file's lock (or the question about it) and a watch on it
        // The file is read and named, and that is all: no lock is taken or asked about and no watch
        // is started, so a database another copy is editing reads as well. Saving it is as saving
        // under a new name: the lock is taken then, and the file replaced as it is on disk.
        Reading,
    };
    LxdOutcome open(const QString &fileName, LxdSessionQuestions *questions, OpenMode mode);
    LxdOutcome save(const QString &fileName, LxdSessionQuestions *questions);
    LxdOutcome backup();
    // Reads the open file again, dropping the unsaved changes.
    LxdOutcome reload();
    // Takes the open file's changes on disk into the database, as one step.
    LxdOutcome mergeFromDisk();
    // The teacher has a window on the file: a database opened read-only, or taken over.
    bool isReadOnly() const { return m_guard->isReadOnly(); }

    // The output list. Each call is one step to undo; entries appended without a step name are no
    // step (a list made for the window's -size option).
    void appendOutput(const QStringList &texts, const QString &stepName);
    // Puts the sentences (headword, sentence) into the list and counts them used, as one step;
    // `replace` empties the list first.
    QStringList useSentences(
        const QList<QPair<int, int>> &sentences, const QString &stepName, bool replace = false);
    void removeOutput(const QList<int> &rows);
    // New texts for entries of the list (row, text), as one step.
    void replaceOutput(const QList<QPair<int, QString>> &texts, const QString &stepName);
    void clearOutput();
    // Moves each of `rows` one place, as the move buttons do; returns the rows of the moved ones.
    QList<int> moveOutput(const QList<int> &rows, bool up);
    // Output > Random output: draws sentences with `random` as `options` say and puts them into the
    // list, in place of what it held unless the options add them to it (the sentences in it are then
    // not drawn again), counting them used, as one step. Nothing changes when fewer than
    // `options.total` can be drawn: false, and `available` says how many can. `beforeChange`, when
    // given, is asked once the draw is certain, before the list changes; false from it changes
    // nothing either (the window asks there before it replaces a list).
    bool randomOutput(const RandomDrawOptions &options, RandomSource &random, const QString &stepName,
        int *available = nullptr, const std::function<bool()> &beforeChange = {});

    // The exercise.
    ExerciseOptions options() const { return m_options; }
    void setOptions(const ExerciseOptions &options);
    QString title() const { return m_title; }
    void setTitle(const QString &title);
    QString extraWords() const { return m_extraWords; }
    void setExtraWords(const QString &words);
    int databaseWords() const { return m_databaseWords; }
    void setDatabaseWords(int count);
    // How many sheets an export makes: versions, and the differentiated sheets. Never a reshuffle:
    // the versions are made from the exercise's seed.
    SheetOptions sheetOptions() const { return m_sheetOptions; }
    void setSheetOptions(const SheetOptions &options);
    // The options (by the names of their check boxes) and title the program starts with, which are
    // nothing to keep yet.
    void setStartingExercise(const QMap<QString, bool> &options, const QString &title);
    // The next export shuffles anew.
    void newShuffle();
    // The next export shuffles with `seed`, which holds as any seed does: until the questions
    // change. So it is set last.
    void setSeed(quint32 seed);
    // What an export is made from. The seed is kept until the questions change: the list, the extra
    // words, or an option that changes what is drawn (see drawKey()); options that change only the look
    // (the key, numbers, brackets, gaps shown, the title) keep it, so a key made later matches its sheet.
    ExerciseRequest exerciseRequest();
    // The sheets of the next export, made from exerciseRequest() and the sheet options.
    ExerciseSheets exerciseSheets();
    // The exercise as plain values (the seed only while it is the one the next export takes), and
    // taking one back: its entries join the list, its options replace these.
    LxdRecoverySession exercise() const;
    void restoreExercise(const LxdRecoverySession &exercise);

    // Where the exercise of the database `fileName` is kept.
    static QString exerciseFile(const QString &fileName);
    // Gives up the recovery copy: the program ends in good order. The exercise stays kept.
    void end();

signals:
    // The file was named (again); also after a save under the same name.
    void fileNamed(const QString &fileName);
    // The options, title or extra words were set from a kept or recovered exercise.
    void exerciseRestored();
    // The kept exercise could not be written.
    void exerciseNotKept(const QString &error);

private:
    // The options as far as they change what the shuffles draw or what they are drawn for.
    struct DrawKey
    {
        bool jumbleOrder = true;
        ExerciseOptions::Hints hints = ExerciseOptions::Hints::None;
        bool operator==(const DrawKey &other) const
        {
            return jumbleOrder == other.jumbleOrder && hints == other.hints;
        }
    };
    static DrawKey drawKey(const ExerciseOptions &options) { return {options.jumbleOrder, options.hints}; }
    struct Seed
    {
        quint32 value = 0;
        QStringList entries;
        DrawKey options;
        QString extraWords;
        int databaseWords = 0;
    };
    Seed seedNow(quint32 value) const;
    bool seedHolds() const;
    void exerciseChanged();
    void keepExercise();
    void readKeptExercise();
    void push(QUndoCommand *command);

    LxdDatabase *m_database;
    LxdDocument *m_document;
    LxdFileGuard *m_guard;
    LxdRecovery *m_recovery;
    LxdOutputModel *m_output;
    QString m_fileName;

    ExerciseOptions m_options;
    QString m_title;
    QString m_extraWords;
    int m_databaseWords = 0;
    SheetOptions m_sheetOptions;
    std::optional<Seed> m_seed;
    QTimer m_keep; // gathers a burst of changes into one write
    Keeping m_keeping = Keeping::Everything;
    bool m_ended = false;
};

#endif // LXDSESSION_H

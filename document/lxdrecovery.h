// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LXDRECOVERY_H
#define LXDRECOVERY_H

#include <QDateTime>
#include <QFutureWatcher>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include "document/lxdfileguard.h"

#include <memory>
#include <optional>

class LxdDatabase;
class LxdDocument;
class QLockFile;

// The database's content as plain values, taken in the GUI thread and written in another: the texts
// are shared with the records (copying them costs a reference count each), so taking it is quick;
// for a large database it is taken a slice at a time, between which the window goes on answering.
struct LxdRecoverySnapshot
{
    QStringList headwords;
    QList<qsizetype> sentenceEnds; // per headword, the end of its sentences in texts and used
    QStringList texts;
    QList<int> used;
    QString language; // of the database, taken with its first headwords

    // Takes the headwords from *next on until about `budget` sentences are taken, and moves *next on;
    // true when the last headword is taken.
    bool takeFrom(const LxdDatabase &database, qsizetype *next, qsizetype budget);
    static LxdRecoverySnapshot take(const LxdDatabase &database);
    // Writes it as a database file, byte for byte what LxdDatabase::saveText would write.
    bool write(const QString &fileName, QString *error = nullptr) const;
};

// The exercise the teacher is putting together, which no file holds: the output list, the title,
// the extra words and the other options, and the seed of its shuffles.
struct LxdRecoverySession
{
    QStringList output;
    QString title;
    QString extraWords;
    int databaseWords = 0;
    std::optional<quint32> seed;
    QMap<QString, bool> options; // the exercise options, by the name of their check box
    // The exercise's choices that are no check box of the options, by the name of their control:
    // the hints and the sheets an export makes. Absent from a file of an older version.
    QMap<QString, int> values;

    bool isEmpty() const { return output.isEmpty() && title.isEmpty() && extraWords.isEmpty(); }
    // As JSON, within the same bounds as the description of a copy; reading keeps what is sound.
    QByteArray toJson() const;
    static LxdRecoverySession fromJson(const QByteArray &json, bool *ok = nullptr);
    bool operator==(const LxdRecoverySession &other) const;
    bool operator!=(const LxdRecoverySession &other) const { return !(*this == other); }
};

// A copy left by a program that is gone: the database file it belongs to (empty for an untitled
// database), the time of the work it holds, whether it holds changes of the database (the copy file)
// and the file on disk those changes were made to, and the exercise. Whoever holds it holds the
// copy's lock.
struct LxdRecoveryCopy
{
    // The database file as it was when the changes began; a size below 0 when unknown (a copy of an
    // older version, or of an untitled database), an empty checksum when it could not be read.
    struct Base
    {
        qint64 size = -1;
        QDateTime modified;
        QByteArray checksum;
    };

    QString name;
    QString databaseFile;
    QDateTime editedAt;
    bool hasChanges = true;
    Base base;
    LxdRecoverySession session;
    std::shared_ptr<QLockFile> lock;

    QString copyFile() const;
    // The description beside the copy, as JSON; reading takes what is sound and leaves out the rest,
    // and is false when the description is no description at all (no time of the work).
    QByteArray description() const;
    bool readDescription(const QByteArray &json);
};

// A copy of the unsaved changes of the open database, kept in the user's application data folder
// (never beside the database) so that a crash, a kill or a power cut loses at most a few seconds of
// work. It is written shortly after the edits stop, and while they go on at least every two
// minutes, in a worker thread; it is removed when the database is saved, when its changes are given
// up and when the program ends cleanly. A running program holds a lock on each of its copies, so
// only the copies of a program that is gone are offered for recovery.
class LxdRecovery : public QObject
{
    Q_OBJECT

public:
    explicit LxdRecovery(LxdDocument *document, QObject *parent = nullptr);
    ~LxdRecovery() override;

    static QString folder();
    // The copies left behind for `databaseFile`, or with an empty name for any database, newest first.
    static QList<LxdRecoveryCopy> orphans(const QString &databaseFile = QString());
    // Removes a copy that is left behind.
    static void remove(const LxdRecoveryCopy &copy);

    // The file the open database belongs to; the copy is named after it.
    void setFileName(const QString &fileName);
    // Where the file's state comes from when the database's changes begin.
    void setFileGuard(LxdFileGuard *guard) { m_guard = guard; }
    // The exercise as it is now; kept in the copy while it is not empty.
    void setSession(const LxdRecoverySession &session);
    // Reads the changes of `copy` into the document as unsaved changes with a fresh history (a copy
    // that holds only an exercise leaves the database alone) and takes over its exercise; from then
    // on it is this program's own copy. False when it cannot be read (the database is then empty).
    bool recover(const LxdRecoveryCopy &copy);
    // Gives up the copy and all it holds: the program ends in good order.
    void discard();
    // The file state that `base` describes, for the file guard.
    static LxdFileGuard::DiskState diskState(const LxdRecoveryCopy::Base &base);

    // Where this program's copy is written (it may not exist yet), and whether a write is running.
    QString copyFile() const;
    bool isWriting() const { return m_writing || m_taking; }

    // How many sentences a slice of the snapshot takes before the window gets its turn again.
    static qsizetype sliceSentences();
    // How long after the last edit the copy is written, how old it may grow while edits go on, and
    // how many sentences make a slice (0 for the usual number).
    static void setDelaysForTesting(int quietMs, int longestMs, qsizetype slice = 0);

signals:
    // A copy was written, or could not be (`error` says why).
    void copyWritten(bool ok, const QString &error);

private:
    struct WriteResult
    {
        bool ok = false;
        QString error;
    };

    void edited();
    void schedule();
    void modifiedChanged(bool modified);
    void dropChanges();
    bool wanted() const { return m_wanted || m_sessionWanted; }
    void writeNow();
    void startWrite(const LxdRecoverySnapshot *snapshot);
    void takeSlice();
    void stopTaking();
    void settle();
    void removeOwnFiles();
    bool lockName(const QString &name, QString *error);

    LxdDocument *m_document; // not owned
    LxdFileGuard *m_guard = nullptr; // not owned
    LxdFileGuard::DiskState m_base; // the file the database's changes were made to
    LxdRecoverySession m_session;
    bool m_sessionWanted = false; // the exercise is worth keeping
    QString m_fileName;
    QString m_token; // this program's part of the copy's name
    QString m_name; // the copy's name now
    QString m_lockedName; // the name of the copy on disk, whose lock is held
    std::unique_ptr<QLockFile> m_lock;
    QDateTime m_editedAt;
    bool m_wanted = false; // the database has changes a copy should hold
    bool m_dirty = false; // changes the copy on disk does not hold yet
    bool m_writing = false;
    QString m_writingName;
    bool m_taking = false; // a snapshot is being taken, slice by slice
    LxdRecoverySnapshot m_snapshot;
    qsizetype m_nextItem = 0;
    QTimer m_slice;
    QTimer m_quiet;
    QTimer m_longest;
    QFutureWatcher<WriteResult> m_watcher;
};

#endif // LXDRECOVERY_H

// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LXDFILEGUARD_H
#define LXDFILEGUARD_H

#include <QByteArray>
#include <QDateTime>
#include <QFileSystemWatcher>
#include <QFuture>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

// The lock beside a database file that tells other running copies the file is being edited: a
// hidden ".<name>.lock" in the folder of the file itself (symbolic links resolved, so that every way
// to the file finds the same lock), in QLockFile's format. A lock left behind by a copy that crashed
// on this computer is taken over without a word; a lock written on another computer is never taken
// silently, since from here nobody can tell whether that copy still runs. Move-only; the lock goes
// when the object does, but only while the lock file is still the one this object wrote.
class LxdFileLock
{
public:
    enum State {
        NoLock, // nothing asked for yet, or released
        Held, // this window holds the lock
        HeldElsewhere, // another running copy holds it: see holder()
        Unavailable, // no lock can be made there (a read-only folder): the file is used without one
    };

    // Who holds a lock: the lock file's owner, the computer and the program named in it, and since when.
    struct Holder
    {
        QString user;
        QString host;
        QString program;
        qint64 pid = 0;
        QDateTime since;
        // Written on another computer (another host name, or another machine id under the same
        // name): whether that copy still runs cannot be told from here.
        bool otherComputer = false;
    };

    LxdFileLock();
    LxdFileLock(LxdFileLock &&other) noexcept;
    LxdFileLock &operator=(LxdFileLock &&other) noexcept;
    ~LxdFileLock();

    // Tries once, without waiting.
    static LxdFileLock take(const QString &fileName);
    static QString lockFileName(const QString &fileName);
    // The file's own path with symbolic links resolved; for a file not yet there, its folder's.
    static QString canonicalName(const QString &fileName);

    State state() const { return m_state; }
    bool isHeld() const { return m_state == Held; }
    const Holder &holder() const { return m_holder; }
    QString fileName() const { return m_fileName; }
    // The teacher chose to open a database another copy holds: its lock is replaced by this one, so
    // that a third copy is warned, and the other copy learns of it when it saves.
    bool takeOver();
    // Held, and the lock file is still the one written here (not removed by hand or taken over).
    bool isStillHeld() const;
    void release();

private:
    bool create();
    void readHolder();

    State m_state = NoLock;
    Holder m_holder;
    QString m_fileName;
    QString m_lockName;
    QByteArray m_written; // what this object wrote into the lock file
};

// Keeps watch over the database file the window has open: holds its lock, remembers what was read or
// last written (size, time, checksum) and notices when another program changes, replaces or removes
// the file. Widget-free; the window asks the questions.
class LxdFileGuard : public QObject
{
    Q_OBJECT

public:
    enum Change {
        Unchanged, // as read or last written, or as the teacher chose to keep it
        Changed, // another program wrote something else
        Removed, // deleted or moved away
    };

    explicit LxdFileGuard(QObject *parent = nullptr);
    ~LxdFileGuard() override;

    // The window's file is now `fileName` (empty for none), with `lock` (possibly none); the lock of the
    // file before is released. Remembers the file as it is on disk now.
    void setFile(const QString &fileName, LxdFileLock lock, bool readOnly);
    void forget() { setFile(QString(), LxdFileLock(), false); }
    // The lock for `fileName`: the one held already when that is the open file, else a new try.
    LxdFileLock lockFor(const QString &fileName);
    bool isFile(const QString &fileName) const;
    // Takes back a lock from lockFor() that was not used after all.
    void returnLock(LxdFileLock lock);
    QString fileName() const { return m_fileName; }
    bool holdsLock() const { return m_lock.isHeld(); }
    // Opened while another copy held it: saving goes to another name.
    bool isReadOnly() const { return m_readOnly; }
    // Another copy has taken the database over: from now on it is saved only under another name.
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    // The file as it is on disk now is this window's own (just read or written).
    void remember();

    // Compares the file on disk with what was remembered: size and time first, the checksum only when
    // those differ, so that a file merely touched does not count.
    Change diskChange() { return compare(false); }
    // Just before a save replaces the file: also when size and time agree, the checksum decides, since
    // "cp -p", FAT's coarse times or a same-size edit keep both as they were.
    Change diskChangeBeforeSave() { return compare(true); }
    // The lock was held here, and the lock file is no longer this window's.
    bool lockLost() const { return m_lock.isHeld() && !m_lock.isStillHeld(); }
    // The teacher has seen the file as it is now and keeps their own: no more questions about it,
    // neither from the watch nor before a save.
    void keepMine();
    // The teacher has been told about the file as it is now: the watch does not ask again, but a save
    // still does.
    void noteSeen();
    // Looks again in a moment and tells again (the window could not ask just now).
    void checkLater();

    // Tests use the same rules on a file of their own.
    static QByteArray checksum(const QString &fileName);

    // The file as it was when it was read or last written (size, time, and the checksum as it comes).
    struct DiskState
    {
        qint64 size = -1;
        QDateTime modified;
        QFuture<QByteArray> checksum;
    };
    DiskState known() const { return m_known; }
    // The window's database stems from the file as it was in `state`, not as it is now (changes
    // recovered after a crash): a file that differs from it counts as changed.
    void assume(const DiskState &state);

signals:
    // Another program changed the file; not emitted again for the same content once answered.
    void changedOnDisk();
    // The file was deleted or moved away; said once until it is back.
    void removedFromDisk();

private:
    // The checksum is read in a worker thread: the file was just read or written in full, and
    // reading it again would hold up the window by as much again. It is waited for only when the
    // size or time on disk no longer match.
    static DiskState readState(const QString &fileName);
    QByteArray knownChecksum();
    Change compare(bool thorough);
    void watch();
    void check();

    QString m_fileName;
    LxdFileLock m_lock;
    bool m_readOnly = false;
    DiskState m_known;
    QByteArray m_kept; // checksum of a disk state the teacher chose not to take in
    QByteArray m_seen; // checksum of a disk state the teacher has been told about
    bool m_removedTold = false;
    bool m_checking = false;
    QFileSystemWatcher m_watcher;
    QTimer m_settle; // gathers the bursts of signals one write makes into one look
};

#endif // LXDFILEGUARD_H

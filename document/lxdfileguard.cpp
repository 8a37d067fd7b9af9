// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/lxdfileguard.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtConcurrent/QtConcurrentRun>

#include <utility>

namespace {

// Long enough to gather the signals of one write (truncate, write, rename, the folder's own), short
// enough that the question comes while the teacher still knows what the other program did.
constexpr int SettleMs = 250;

} // namespace

// --- The lock ----------------------------------------------------------------------------------------

namespace {

// What QLockFile writes for this process: pid, program, host name, machine id, boot id, one a line.
// Made by QLockFile itself, so that its own checks (is that process still running, is it still the
// same program) read our locks as they read theirs.
QByteArray ownLockContent()
{
    static const QByteArray content = [] {
        QTemporaryDir scratch;
        QLockFile model(scratch.filePath(QStringLiteral("model.lock")));
        if (!scratch.isValid() || !model.tryLock(0))
            return QByteArray::number(QCoreApplication::applicationPid()) + "\n\n"
                + QSysInfo::machineHostName().toUtf8() + '\n' + QSysInfo::machineUniqueId() + '\n';
        QFile file(scratch.filePath(QStringLiteral("model.lock")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    return content;
}

QByteArray readAll(const QString &fileName, bool *exists)
{
    QFile file(fileName);
    *exists = file.open(QIODevice::ReadOnly);
    return *exists ? file.readAll() : QByteArray();
}

} // namespace

LxdFileLock::LxdFileLock() = default;

LxdFileLock::~LxdFileLock()
{
    release();
}

// A lock moved away is no longer held here.
LxdFileLock::LxdFileLock(LxdFileLock &&other) noexcept
    : m_state(std::exchange(other.m_state, NoLock))
    , m_holder(std::move(other.m_holder))
    , m_fileName(std::move(other.m_fileName))
    , m_lockName(std::move(other.m_lockName))
    , m_written(std::move(other.m_written))
{ }

LxdFileLock &LxdFileLock::operator=(LxdFileLock &&other) noexcept
{
    if (this != &other) {
        release();
        m_state = std::exchange(other.m_state, NoLock);
        m_holder = std::move(other.m_holder);
        m_fileName = std::move(other.m_fileName);
        m_lockName = std::move(other.m_lockName);
        m_written = std::move(other.m_written);
    }
    return *this;
}

QString LxdFileLock::canonicalName(const QString &fileName)
{
    if (fileName.isEmpty())
        return fileName;
    const QFileInfo info(fileName);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? QDir::cleanPath(info.absoluteFilePath())
                            : folder + QLatin1Char('/') + info.fileName();
}

QString LxdFileLock::lockFileName(const QString &fileName)
{
    const QFileInfo info(canonicalName(fileName));
    return info.absolutePath() + QLatin1String("/.") + info.fileName() + QLatin1String(".lock");
}

LxdFileLock LxdFileLock::take(const QString &fileName)
{
    LxdFileLock lock;
    lock.m_fileName = fileName;
    if (fileName.isEmpty())
        return lock;
    lock.m_lockName = lockFileName(fileName);
    lock.readHolder();
    if (lock.m_state == HeldElsewhere && !lock.m_holder.otherComputer) {
        // On this computer QLockFile can tell whether the holder still runs, and removes the lock
        // of a copy that has ended. It is never asked about another computer's lock: it would trust
        // a machine id that cloned lab computers share and take their live locks away.
        QLockFile probe(lock.m_lockName);
        probe.setStaleLockTime(0);
        if (!probe.tryLock(0)) {
            if (probe.error() != QLockFile::LockFailedError)
                lock.m_state = Unavailable;
            return lock;
        }
        probe.unlock(); // the lock of a copy that has ended is gone: this one's goes in its place
    } else if (lock.m_state == HeldElsewhere) {
        return lock;
    }
    lock.create();
    return lock;
}

// Reads who holds the lock file, if there is one: HeldElsewhere then, NoLock when there is none.
void LxdFileLock::readHolder()
{
    bool exists = false;
    const QByteArray content = readAll(m_lockName, &exists);
    m_holder = Holder();
    const QFileInfo info(m_lockName);
    if (!exists && !info.exists()) {
        m_state = NoLock;
        return;
    }
    // A lock file that cannot be read or makes no sense names nobody: someone holds it all the same.
    m_state = HeldElsewhere;
    const QList<QByteArray> lines = content.split('\n');
    m_holder.pid = lines.value(0).toLongLong();
    m_holder.program = QString::fromUtf8(lines.value(1));
    m_holder.host = QString::fromUtf8(lines.value(2));
    const QByteArray machine = lines.value(3);
    const QByteArray ownMachine = QSysInfo::machineUniqueId();
    // The same computer only when both the name and the machine id say so: cloned computers share
    // the id, and two computers may share a name.
    m_holder.otherComputer = m_holder.host != QSysInfo::machineHostName()
        || (!machine.isEmpty() && !ownMachine.isEmpty() && machine != ownMachine) || m_holder.pid <= 0;
    m_holder.user = info.owner();
    m_holder.since = info.lastModified();
}

bool LxdFileLock::create()
{
    QFile file(m_lockName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        // Another copy was quicker, or no file can be made there.
        readHolder();
        if (m_state != HeldElsewhere)
            m_state = Unavailable;
        return false;
    }
    // A token of this lock's own after QLockFile's lines (which QLockFile reads no further than): a
    // later lock of this same program has the same lines, but is not this one.
    m_written = ownLockContent() + QByteArray::number(QRandomGenerator::global()->generate64(), 16) + '\n';
    if (file.write(m_written) != m_written.size() || !file.flush()) {
        file.close();
        file.remove();
        m_state = Unavailable;
        return false;
    }
    file.close();
    m_holder = Holder();
    m_state = Held;
    return true;
}

bool LxdFileLock::takeOver()
{
    if (m_state != HeldElsewhere)
        return isHeld();
    QFile::remove(m_lockName);
    return create();
}

bool LxdFileLock::isStillHeld() const
{
    if (m_state != Held)
        return false;
    bool exists = false;
    return readAll(m_lockName, &exists) == m_written && exists;
}

void LxdFileLock::release()
{
    // A lock file that another copy has taken over is that copy's now.
    if (isStillHeld())
        QFile::remove(m_lockName);
    m_state = NoLock;
}

// --- The watch ---------------------------------------------------------------------------------------

LxdFileGuard::LxdFileGuard(QObject *parent)
    : QObject(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(SettleMs);
    connect(&m_settle, &QTimer::timeout, this, &LxdFileGuard::check);
    const auto settle = [this] { m_settle.start(); };
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, settle);
    // A file replaced by a rename, or deleted and written anew, drops out of the watch; the folder
    // tells when it is back.
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, settle);
}

LxdFileGuard::~LxdFileGuard() = default;

void LxdFileGuard::setFile(const QString &fileName, LxdFileLock lock, bool readOnly)
{
    const QStringList watched = m_watcher.files() + m_watcher.directories();
    if (!watched.isEmpty())
        m_watcher.removePaths(watched);
    m_settle.stop();
    m_fileName = fileName;
    m_lock = std::move(lock);
    m_readOnly = readOnly;
    remember();
}

bool LxdFileGuard::isFile(const QString &fileName) const
{
    // Not QFileInfo's equality: it takes any two files that are not there for the same.
    return !m_fileName.isEmpty() && !fileName.isEmpty()
        && (fileName == m_fileName
            || LxdFileLock::canonicalName(fileName) == LxdFileLock::canonicalName(m_fileName));
}

LxdFileLock LxdFileGuard::lockFor(const QString &fileName)
{
    // A second lock of this copy's own would find the file held by "another" program: itself.
    if (m_lock.isHeld() && isFile(fileName))
        return std::move(m_lock);
    return LxdFileLock::take(fileName);
}

void LxdFileGuard::returnLock(LxdFileLock lock)
{
    if (lock.isHeld() && isFile(lock.fileName()))
        m_lock = std::move(lock);
}

void LxdFileGuard::remember()
{
    m_known = m_fileName.isEmpty() ? DiskState() : readState(m_fileName);
    m_kept.clear();
    m_seen.clear();
    m_removedTold = false;
    watch();
}

void LxdFileGuard::assume(const DiskState &state)
{
    if (m_known.checksum.isValid())
        m_known.checksum.waitForFinished();
    m_known = state;
    m_kept.clear();
    m_seen.clear();
}

void LxdFileGuard::watch()
{
    if (m_fileName.isEmpty())
        return;
    // The file itself, where a symbolic link leads: a save there replaces it in its own folder.
    const QString target = LxdFileLock::canonicalName(m_fileName);
    if (!m_watcher.files().contains(target) && QFile::exists(target))
        m_watcher.addPath(target);
    const QString folder = QFileInfo(target).absolutePath();
    if (!m_watcher.directories().contains(folder))
        m_watcher.addPath(folder);
}

QByteArray LxdFileGuard::checksum(const QString &fileName)
{
    QFile file(fileName);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return QByteArray();
    return hash.result();
}

LxdFileGuard::DiskState LxdFileGuard::readState(const QString &fileName)
{
    DiskState state;
    const QFileInfo info(fileName);
    if (!info.exists())
        return state;
    state.size = info.size();
    state.modified = info.lastModified();
    const qint64 size = state.size;
    const QDateTime modified = state.modified;
    state.checksum = QtConcurrent::run([fileName, size, modified] {
        const QByteArray sum = checksum(fileName);
        // Written again meanwhile: the sum belongs to a later state than the one remembered, and
        // taking it would hide that change. No sum makes any later state count as changed.
        const QFileInfo after(fileName);
        if (after.size() != size || after.lastModified() != modified)
            return QByteArray();
        return sum;
    });
    return state;
}

QByteArray LxdFileGuard::knownChecksum()
{
    return m_known.checksum.isValid() ? m_known.checksum.result() : QByteArray();
}

LxdFileGuard::Change LxdFileGuard::compare(bool thorough)
{
    // Asked before every save: the worker is done reading by then, so it never holds the file open
    // while a save replaces it (which some systems refuse).
    if (m_known.checksum.isValid())
        m_known.checksum.waitForFinished();
    if (m_fileName.isEmpty())
        return Unchanged;
    const QFileInfo info(m_fileName);
    if (!info.exists())
        return Removed;
    const bool sameStamp = info.size() == m_known.size && info.lastModified() == m_known.modified;
    // Before a save the sum read in the background after the last read or write is at hand, so the
    // check costs one read of the file. No sum from there means the file changed while it was read.
    if (sameStamp && !thorough)
        return Unchanged;
    const QByteArray sum = checksum(m_fileName);
    if (sum == knownChecksum()) {
        // Only touched, or written back as it was: the new time is as good as the old.
        m_known.size = info.size();
        m_known.modified = info.lastModified();
        return Unchanged;
    }
    if (!m_kept.isEmpty() && sum == m_kept)
        return Unchanged;
    return Changed;
}

void LxdFileGuard::keepMine()
{
    m_kept = checksum(m_fileName);
    m_seen = m_kept;
}

void LxdFileGuard::noteSeen()
{
    m_seen = checksum(m_fileName);
}

void LxdFileGuard::checkLater()
{
    m_removedTold = false;
    m_settle.start();
}

void LxdFileGuard::check()
{
    // The question about one change is still open; the answer takes in what is on disk by then.
    if (m_checking || m_fileName.isEmpty())
        return;
    watch();
    const Change change = diskChange();
    if (change == Removed) {
        if (!m_removedTold) {
            m_removedTold = true;
            emit removedFromDisk();
        }
        return;
    }
    m_removedTold = false;
    if (change != Changed || (!m_seen.isEmpty() && checksum(m_fileName) == m_seen))
        return;
    m_checking = true;
    emit changedOnDisk();
    m_checking = false;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/lxdfileguard.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QtConcurrent/QtConcurrentRun>

#include <utility>

namespace {

// Long enough to gather the signals of one write (truncate, write, rename, the folder's own), short
// enough that the question comes while the teacher still knows what the other program did.
constexpr int SettleMs = 250;

} // namespace

// --- The lock ----------------------------------------------------------------------------------------

LxdFileLock::LxdFileLock() = default;
LxdFileLock::~LxdFileLock() = default;

// A lock moved away is no longer held here.
LxdFileLock::LxdFileLock(LxdFileLock &&other) noexcept
    : m_lock(std::move(other.m_lock))
    , m_state(std::exchange(other.m_state, NoLock))
    , m_holder(std::move(other.m_holder))
    , m_fileName(std::move(other.m_fileName))
{ }

LxdFileLock &LxdFileLock::operator=(LxdFileLock &&other) noexcept
{
    if (this != &other) {
        m_lock = std::move(other.m_lock);
        m_state = std::exchange(other.m_state, NoLock);
        m_holder = std::move(other.m_holder);
        m_fileName = std::move(other.m_fileName);
    }
    return *this;
}

QString LxdFileLock::lockFileName(const QString &fileName)
{
    const QFileInfo info(fileName);
    return info.absolutePath() + QLatin1String("/.") + info.fileName() + QLatin1String(".lock");
}

LxdFileLock LxdFileLock::take(const QString &fileName)
{
    LxdFileLock lock;
    lock.m_fileName = fileName;
    if (fileName.isEmpty())
        return lock;
    const QString lockName = lockFileName(fileName);
    auto file = std::make_unique<QLockFile>(lockName);
    // A lock is never stale by age: a copy may well keep a database open for days. A lock whose
    // program no longer runs on this computer is taken over all the same.
    file->setStaleLockTime(0);
    if (file->tryLock(0)) {
        lock.m_lock = std::move(file);
        lock.m_state = Held;
        return lock;
    }
    if (file->error() != QLockFile::LockFailedError) {
        lock.m_state = Unavailable;
        return lock;
    }
    lock.m_state = HeldElsewhere;
    file->getLockInfo(&lock.m_holder.pid, &lock.m_holder.host, &lock.m_holder.program);
    const QFileInfo info(lockName);
    lock.m_holder.user = info.owner();
    lock.m_holder.since = info.lastModified();
    return lock;
}

void LxdFileLock::release()
{
    m_lock.reset();
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
    return !m_fileName.isEmpty() && !fileName.isEmpty()
        && (fileName == m_fileName || QFileInfo(fileName) == QFileInfo(m_fileName));
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
    if (!m_watcher.files().contains(m_fileName) && QFile::exists(m_fileName))
        m_watcher.addPath(m_fileName);
    const QString folder = QFileInfo(m_fileName).absolutePath();
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

LxdFileGuard::Change LxdFileGuard::diskChange()
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
    if (info.size() == m_known.size && info.lastModified() == m_known.modified)
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

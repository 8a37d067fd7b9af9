// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/lxdrecovery.h"

#include "data/checkedwrite.h"
#include "data/linefile.h"
#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdsentence.h"
#include "document/lxddocument.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QUndoStack>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <limits>

namespace {

// The copy is a database file of the form the program saves.
constexpr int CopyFormatVersion = 3;

int quietDelay = 3000;
int longestDelay = 2 * 60 * 1000;
// About 10 ms of a loaded machine: the window stays responsive while a large database is taken.
constexpr qsizetype UsualSlice = 50000;
qsizetype slice = UsualSlice;

QString pathIn(const QString &name, const char *ending)
{
    return LxdRecovery::folder() + QLatin1Char('/') + name + QLatin1String(ending);
}

QString metaFile(const QString &name)
{
    return pathIn(name, ".json");
}

QString lockFile(const QString &name)
{
    return pathIn(name, ".lock");
}

QString cleanPath(const QString &fileName)
{
    return fileName.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(fileName).absoluteFilePath());
}

// A copy is named after its database, so that the copies of one database are easily told apart from
// the others, and after the program that writes it, so that two programs, or a program and the copy
// a crashed one left, never write over each other's.
QString copyName(const QString &fileName, const QString &token)
{
    if (fileName.isEmpty())
        return QLatin1String("untitled-") + token;
    const QByteArray hash = QCryptographicHash::hash(fileName.toUtf8(), QCryptographicHash::Sha1).toHex();
    return QString::fromLatin1(hash.left(16)) + QLatin1Char('-') + token;
}

} // namespace

// --- The snapshot ------------------------------------------------------------------------------------

bool LxdRecoverySnapshot::takeFrom(const LxdDatabase &database, qsizetype *next, qsizetype budget)
{
    const QList<LxdItem *> &items = database.items;
    if (*next == 0) {
        headwords.reserve(items.size());
        sentenceEnds.reserve(items.size());
    }
    qsizetype taken = 0;
    qsizetype i = *next;
    for (; i < items.size() && taken < budget; ++i) {
        const LxdItem *item = items.at(i);
        headwords.append(item->headwordRef());
        for (const LxdSentence *sentence : item->sentences) {
            texts.append(sentence->textRef());
            used.append(sentence->used());
        }
        sentenceEnds.append(texts.size());
        taken += item->sentences.size() + 1;
    }
    *next = i;
    return i >= items.size();
}

LxdRecoverySnapshot LxdRecoverySnapshot::take(const LxdDatabase &database)
{
    LxdRecoverySnapshot snapshot;
    qsizetype next = 0;
    snapshot.takeFrom(database, &next, std::numeric_limits<qsizetype>::max());
    return snapshot;
}

bool LxdRecoverySnapshot::write(const QString &fileName, QString *error) const
{
    return CheckedWrite::writeFile(
        fileName,
        [this](QIODevice &device, QString *) {
            return LineFile::writeRecords(
                device, CopyFormatVersion, headwords.size(), [this](qsizetype i, QString &out) {
                    const qsizetype first = i == 0 ? 0 : sentenceEnds.at(i - 1);
                    LineFile::appendRecord(out, headwords.at(i), sentenceEnds.at(i) - first,
                        CopyFormatVersion, [this, first](qsizetype k, int *count) -> const QString & {
                            *count = used.at(first + k);
                            return texts.at(first + k);
                        });
                });
        },
        error);
}

// --- Copies left behind ---------------------------------------------------------------------------------

QString LxdRecoveryCopy::copyFile() const
{
    return pathIn(name, ".lxv");
}

QString LxdRecovery::folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QLatin1String("/recovery");
}

QList<LxdRecoveryCopy> LxdRecovery::orphans(const QString &databaseFile)
{
    const QString wanted = cleanPath(databaseFile);
    QList<LxdRecoveryCopy> copies;
    const QDir dir(folder());
    const QFileInfoList found = dir.entryInfoList({QStringLiteral("*.lxv")}, QDir::Files, QDir::Name);
    for (const QFileInfo &info : found) {
        LxdRecoveryCopy copy;
        copy.name = info.completeBaseName();
        QFile meta(metaFile(copy.name));
        if (meta.open(QIODevice::ReadOnly)) {
            const QJsonObject object = QJsonDocument::fromJson(meta.read(64 * 1024)).object();
            copy.databaseFile = object.value(QLatin1String("database")).toString();
            copy.editedAt
                = QDateTime::fromString(object.value(QLatin1String("edited")).toString(), Qt::ISODateWithMs);
        }
        const bool whole = copy.editedAt.isValid();
        if (whole && !wanted.isEmpty() && cleanPath(copy.databaseFile) != wanted)
            continue;
        // A program that is still running holds the lock of each of its copies; only a copy whose
        // program is gone gets it, and keeps it while the teacher decides.
        auto lock = std::make_shared<QLockFile>(lockFile(copy.name));
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0))
            continue;
        copy.lock = lock;
        if (!whole) {
            // Its program ended in the middle of the first write, before the description: a piece of
            // a copy that nobody can tell what it belongs to.
            remove(copy);
            continue;
        }
        copies.append(copy);
    }
    std::stable_sort(copies.begin(), copies.end(),
        [](const LxdRecoveryCopy &a, const LxdRecoveryCopy &b) { return a.editedAt > b.editedAt; });
    return copies;
}

void LxdRecovery::remove(const LxdRecoveryCopy &copy)
{
    QFile::remove(metaFile(copy.name));
    QFile::remove(copy.copyFile());
    if (copy.lock)
        copy.lock->unlock();
}

// --- This program's copy ------------------------------------------------------------------------------

LxdRecovery::LxdRecovery(LxdDocument *document, QObject *parent)
    : QObject(parent)
    , m_document(document)
    , m_token(QString::number(QRandomGenerator::global()->generate64(), 36))
{
    m_name = copyName(QString(), m_token);
    m_slice.setSingleShot(true);
    connect(&m_slice, &QTimer::timeout, this, &LxdRecovery::takeSlice);
    m_quiet.setSingleShot(true);
    m_longest.setSingleShot(true);
    connect(&m_quiet, &QTimer::timeout, this, &LxdRecovery::writeNow);
    connect(&m_longest, &QTimer::timeout, this, &LxdRecovery::writeNow);
    connect(&m_watcher, &QFutureWatcher<WriteResult>::finished, this, &LxdRecovery::settle);
    connect(document->database(), &LxdDatabase::modifiedChanged, this, &LxdRecovery::modifiedChanged);
    connect(document->undoStack(), &QUndoStack::indexChanged, this, &LxdRecovery::edited);
}

LxdRecovery::~LxdRecovery()
{
    // The program is going away in good order: what the copy holds was saved or given up.
    m_watcher.waitForFinished();
    removeOwnFiles();
}

void LxdRecovery::setDelaysForTesting(int quietMs, int longestMs, qsizetype sliceSize)
{
    quietDelay = quietMs;
    longestDelay = longestMs;
    slice = sliceSize > 0 ? sliceSize : UsualSlice;
}

qsizetype LxdRecovery::sliceSentences()
{
    return slice;
}

QString LxdRecovery::copyFile() const
{
    return pathIn(m_name, ".lxv");
}

void LxdRecovery::setFileName(const QString &fileName)
{
    const QString clean = cleanPath(fileName);
    if (clean == m_fileName)
        return;
    m_fileName = clean;
    m_name = copyName(clean, m_token);
    stopTaking();
    // The copy under the old name belongs to another file now; a new one is written under the new name.
    if (!m_writing)
        removeOwnFiles();
    if (m_wanted) {
        m_dirty = false;
        edited();
    }
}

void LxdRecovery::modifiedChanged(bool modified)
{
    if (modified)
        edited();
    else
        discard();
}

void LxdRecovery::edited()
{
    if (!m_document->database()->isModified())
        return;
    m_wanted = true;
    m_editedAt = QDateTime::currentDateTime();
    // A snapshot half taken would mix the content before and after the edit: it starts again.
    if (m_taking) {
        stopTaking();
        m_dirty = false;
    }
    // Written once the teacher pauses, and while the edits go on, never more than the longest delay
    // after the first edit the copy does not hold yet.
    if (!m_dirty || !m_longest.isActive())
        m_longest.start(longestDelay);
    m_dirty = true;
    m_quiet.start(quietDelay);
}

void LxdRecovery::discard()
{
    m_wanted = false;
    m_dirty = false;
    m_quiet.stop();
    m_longest.stop();
    stopTaking();
    // A write that is running still finishes; settle() then removes what it wrote.
    if (!m_writing)
        removeOwnFiles();
}

bool LxdRecovery::lockName(const QString &name, QString *error)
{
    if (m_lock && m_lockedName == name)
        return true;
    removeOwnFiles();
    if (!QDir().mkpath(folder())) {
        *error = tr("The folder %1 cannot be made.").arg(QDir::toNativeSeparators(folder()));
        return false;
    }
    auto lock = std::make_unique<QLockFile>(lockFile(name));
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        *error = tr("The lock %1 cannot be taken.").arg(QDir::toNativeSeparators(lockFile(name)));
        return false;
    }
    m_lock = std::move(lock);
    m_lockedName = name;
    return true;
}

void LxdRecovery::writeNow()
{
    // One write at a time; the newest state is taken when this one is done.
    if (!m_wanted || !m_dirty || m_writing || m_taking)
        return;
    QString error;
    if (!lockName(m_name, &error)) {
        m_dirty = false;
        emit copyWritten(false, error);
        return;
    }
    m_quiet.stop();
    m_longest.stop();
    m_dirty = false;
    m_taking = true;
    m_snapshot = LxdRecoverySnapshot();
    m_nextItem = 0;
    takeSlice();
}

void LxdRecovery::stopTaking()
{
    m_taking = false;
    m_slice.stop();
    m_snapshot = LxdRecoverySnapshot();
}

void LxdRecovery::takeSlice()
{
    if (!m_taking)
        return;
    // Only the snapshot is taken in the window's thread, and a large one in slices; the file is
    // encoded and written in a worker thread, so that the window goes on answering even for a
    // database of a million sentences.
    if (!m_snapshot.takeFrom(*m_document->database(), &m_nextItem, slice)) {
        m_slice.start(0);
        return;
    }
    const LxdRecoverySnapshot snapshot = std::move(m_snapshot);
    stopTaking();
    m_writing = true;
    m_writingName = m_name;

    QJsonObject meta;
    meta.insert(QLatin1String("database"), m_fileName);
    meta.insert(QLatin1String("edited"), m_editedAt.toUTC().toString(Qt::ISODateWithMs));
    const QByteArray metaBytes = QJsonDocument(meta).toJson();
    const QString copyPath = copyFile();
    const QString metaPath = metaFile(m_name);
    m_watcher.setFuture(QtConcurrent::run([snapshot, metaBytes, copyPath, metaPath] {
        WriteResult result;
        // The description goes last: a copy is offered only when it has one, so a copy cut short by
        // a crash in the middle of its first write is never offered.
        result.ok = snapshot.write(copyPath, &result.error)
            && CheckedWrite::writeFile(metaPath, metaBytes, &result.error);
        return result;
    }));
}

void LxdRecovery::settle()
{
    if (!m_writing)
        return;
    m_writing = false;
    const WriteResult result = m_watcher.result();
    // Saved, given up or renamed while the write ran: what it wrote is of no use.
    if (!m_wanted || m_writingName != m_name)
        removeOwnFiles();
    if (m_wanted && m_dirty && !m_quiet.isActive())
        m_quiet.start(0);
    emit copyWritten(result.ok, result.error);
}

void LxdRecovery::removeOwnFiles()
{
    if (!m_lock)
        return;
    QFile::remove(metaFile(m_lockedName));
    QFile::remove(pathIn(m_lockedName, ".lxv"));
    m_lock->unlock();
    m_lock.reset();
    m_lockedName.clear();
}

bool LxdRecovery::recover(const LxdRecoveryCopy &copy)
{
    stopTaking();
    if (m_writing) {
        m_watcher.waitForFinished();
        settle();
    }
    if (m_document->open(copy.copyFile()) != LxdDocument::Done)
        return false;
    // Read from a file, the content counts as saved; it is not, and a fresh history starts from it.
    m_document->database()->setModified(true);
    m_document->clearHistory();
    // The copy now holds this program's unsaved changes: it becomes this program's own, already
    // up to date, and is kept under its lock until they are saved or given up.
    removeOwnFiles();
    m_fileName = cleanPath(copy.databaseFile);
    m_name = copy.name;
    m_lock.reset(new QLockFile(lockFile(copy.name)));
    m_lock->setStaleLockTime(0);
    if (copy.lock && copy.lock->isLocked()) {
        // Handing the lock over: the new one takes it as soon as the old one lets go.
        copy.lock->unlock();
    }
    if (!m_lock->tryLock(0)) {
        // Taken by another program in between: this program writes a copy of its own.
        m_lock.reset();
        m_name = copyName(m_fileName, m_token);
        m_dirty = true;
        m_quiet.start(0);
    } else {
        m_lockedName = copy.name;
        m_dirty = false;
        m_quiet.stop();
        m_longest.stop();
    }
    m_wanted = true;
    m_editedAt = copy.editedAt;
    return true;
}

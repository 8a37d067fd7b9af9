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

namespace {

// The copy is a database file of the form the program saves.
constexpr int CopyFormatVersion = 3;

int quietDelay = 3000;
int longestDelay = 2 * 60 * 1000;

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

LxdRecoverySnapshot LxdRecoverySnapshot::take(const LxdDatabase &database)
{
    LxdRecoverySnapshot snapshot;
    const QList<LxdItem *> &items = database.items;
    qsizetype total = 0;
    for (const LxdItem *item : items)
        total += item->sentences.size();
    snapshot.headwords.reserve(items.size());
    snapshot.sentenceEnds.reserve(items.size());
    snapshot.texts.reserve(total);
    snapshot.used.reserve(total);
    for (const LxdItem *item : items) {
        snapshot.headwords.append(item->headwordRef());
        for (const LxdSentence *sentence : item->sentences) {
            snapshot.texts.append(sentence->textRef());
            snapshot.used.append(sentence->used());
        }
        snapshot.sentenceEnds.append(snapshot.texts.size());
    }
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
    const QFileInfoList metas = dir.entryInfoList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    for (const QFileInfo &meta : metas) {
        QFile file(meta.filePath());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QJsonObject object = QJsonDocument::fromJson(file.read(64 * 1024)).object();
        LxdRecoveryCopy copy;
        copy.name = meta.completeBaseName();
        copy.databaseFile = object.value(QLatin1String("database")).toString();
        copy.editedAt
            = QDateTime::fromString(object.value(QLatin1String("edited")).toString(), Qt::ISODateWithMs);
        if (!copy.editedAt.isValid() || !QFile::exists(copy.copyFile()))
            continue;
        if (!wanted.isEmpty() && cleanPath(copy.databaseFile) != wanted)
            continue;
        // A program that is still running holds the lock of each of its copies; only a copy whose
        // program is gone gets it, and keeps it while the teacher decides.
        auto lock = std::make_shared<QLockFile>(lockFile(copy.name));
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0))
            continue;
        copy.lock = lock;
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

void LxdRecovery::setDelaysForTesting(int quietMs, int longestMs)
{
    quietDelay = quietMs;
    longestDelay = longestMs;
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
    if (!m_wanted || !m_dirty)
        return;
    if (m_writing) {
        // One write at a time; the newest state is taken when this one is done.
        return;
    }
    QString error;
    if (!lockName(m_name, &error)) {
        m_dirty = false;
        emit copyWritten(false, error);
        return;
    }
    m_quiet.stop();
    m_longest.stop();
    m_dirty = false;
    m_writing = true;
    m_writingName = m_name;

    // Only the snapshot is taken here; the file is encoded and written in a worker thread, so that
    // the window goes on answering even for a database of a million sentences.
    const LxdRecoverySnapshot snapshot = LxdRecoverySnapshot::take(*m_document->database());
    QJsonObject meta;
    meta.insert(QLatin1String("database"), m_fileName);
    meta.insert(QLatin1String("edited"), m_editedAt.toString(Qt::ISODateWithMs));
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

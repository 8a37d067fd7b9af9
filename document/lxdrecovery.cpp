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
#include <QJsonArray>
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

// Bounds of the description beside a copy, so that a damaged or hostile one costs little to read:
// a larger file counts as no description, and within one whatever goes beyond these is left out
// (the writer keeps to the same bounds, so that nothing it wrote is cut on reading).
constexpr qint64 MaxDescriptionBytes = 16 * 1024 * 1024;
constexpr qsizetype MaxOutputEntries = 20000;
constexpr qsizetype MaxEntryChars = 32 * 1024;
constexpr qsizetype MaxPathChars = 32 * 1024;
constexpr qsizetype MaxTitleChars = 4096;
constexpr qsizetype MaxExtraWordsChars = 256 * 1024;
constexpr qsizetype MaxOptions = 64;
constexpr qsizetype MaxNameChars = 64;
constexpr int MaxDatabaseWords = 1000;
constexpr int MaxChoiceValue = 1000; // a choice of the exercise: a count or a position in a list

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

// A string within `limit` characters, or nothing.
QString boundedString(const QJsonValue &value, qsizetype limit)
{
    const QString text = value.toString();
    return text.size() <= limit ? text : QString();
}

QDateTime timeFrom(const QJsonValue &value)
{
    return QDateTime::fromString(boundedString(value, MaxNameChars), Qt::ISODateWithMs);
}

// A whole number from 0 to `limit`, or -1.
qint64 wholeNumber(const QJsonValue &value, double limit)
{
    const double number = value.toDouble(-1);
    if (!(number >= 0 && number <= limit) || number != static_cast<double>(static_cast<qint64>(number)))
        return -1;
    return static_cast<qint64>(number);
}

QJsonObject sessionToJson(const LxdRecoverySession &session)
{
    QJsonArray output;
    for (const QString &entry : session.output.mid(0, MaxOutputEntries))
        output.append(entry.left(MaxEntryChars));
    QJsonObject options;
    for (auto it = session.options.cbegin(); it != session.options.cend() && options.size() < MaxOptions;
         ++it) {
        if (it.key().size() <= MaxNameChars)
            options.insert(it.key(), it.value());
    }
    QJsonObject object;
    object.insert(QLatin1String("output"), output);
    object.insert(QLatin1String("title"), session.title.left(MaxTitleChars));
    object.insert(QLatin1String("extraWords"), session.extraWords.left(MaxExtraWordsChars));
    object.insert(QLatin1String("databaseWords"), std::clamp(session.databaseWords, 0, MaxDatabaseWords));
    if (session.seed)
        object.insert(QLatin1String("seed"), static_cast<double>(*session.seed));
    object.insert(QLatin1String("options"), options);
    // Written only when there are any, so that an exercise without them is the file it always was.
    QJsonObject values;
    for (auto it = session.values.cbegin(); it != session.values.cend() && values.size() < MaxOptions; ++it) {
        if (it.key().size() <= MaxNameChars)
            values.insert(it.key(), std::clamp(it.value(), 0, MaxChoiceValue));
    }
    if (!values.isEmpty())
        object.insert(QLatin1String("values"), values);
    return object;
}

LxdRecoverySession sessionFromJson(const QJsonObject &object)
{
    LxdRecoverySession session;
    const QJsonArray output = object.value(QLatin1String("output")).toArray();
    for (const QJsonValue &entry : output) {
        if (session.output.size() >= MaxOutputEntries)
            break;
        if (entry.isString() && entry.toString().size() <= MaxEntryChars)
            session.output.append(entry.toString());
    }
    session.title = boundedString(object.value(QLatin1String("title")), MaxTitleChars);
    session.extraWords = boundedString(object.value(QLatin1String("extraWords")), MaxExtraWordsChars);
    session.databaseWords = static_cast<int>(
        std::max<qint64>(0, wholeNumber(object.value(QLatin1String("databaseWords")), MaxDatabaseWords)));
    const qint64 seed = wholeNumber(object.value(QLatin1String("seed")), std::numeric_limits<quint32>::max());
    if (seed >= 0)
        session.seed = static_cast<quint32>(seed);
    const QJsonObject options = object.value(QLatin1String("options")).toObject();
    for (auto it = options.constBegin(); it != options.constEnd() && session.options.size() < MaxOptions;
         ++it) {
        if (it.value().isBool() && it.key().size() <= MaxNameChars)
            session.options.insert(it.key(), it.value().toBool());
    }
    const QJsonObject values = object.value(QLatin1String("values")).toObject();
    for (auto it = values.constBegin(); it != values.constEnd() && session.values.size() < MaxOptions; ++it) {
        const qint64 value = wholeNumber(it.value(), MaxChoiceValue);
        if (value >= 0 && it.key().size() <= MaxNameChars)
            session.values.insert(it.key(), static_cast<int>(value));
    }
    return session;
}

} // namespace

QByteArray LxdRecoverySession::toJson() const
{
    return QJsonDocument(sessionToJson(*this)).toJson(QJsonDocument::Compact);
}

LxdRecoverySession LxdRecoverySession::fromJson(const QByteArray &json, bool *ok)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (ok)
        *ok = error.error == QJsonParseError::NoError && document.isObject();
    return document.isObject() ? sessionFromJson(document.object()) : LxdRecoverySession();
}

bool LxdRecoverySession::operator==(const LxdRecoverySession &other) const
{
    return output == other.output && title == other.title && extraWords == other.extraWords
        && databaseWords == other.databaseWords && seed == other.seed && options == other.options
        && values == other.values;
}

// --- The description beside a copy -------------------------------------------------------------------
//
// {"database": path, "edited": ISO time, "changes": whether the copy file holds database changes,
//  "base": {"size": bytes, "modified": ISO time, "sha1": hex} of the database file the changes were
//  made to, "session": {"output": [texts], "title": text, "extraWords": text, "databaseWords": n,
//  "seed": n, "options": {check box name: bool}, "values": {control name: n}}}. A description of an older
//  version has only "database" and "edited": its copy holds changes of a base that is not known.

QByteArray LxdRecoveryCopy::description() const
{
    QJsonObject object;
    object.insert(QLatin1String("database"), databaseFile);
    object.insert(QLatin1String("edited"), editedAt.toUTC().toString(Qt::ISODateWithMs));
    object.insert(QLatin1String("changes"), hasChanges);
    if (base.size >= 0) {
        QJsonObject state;
        state.insert(QLatin1String("size"), static_cast<double>(base.size));
        state.insert(QLatin1String("modified"), base.modified.toUTC().toString(Qt::ISODateWithMs));
        if (!base.checksum.isEmpty())
            state.insert(QLatin1String("sha1"), QString::fromLatin1(base.checksum.toHex()));
        object.insert(QLatin1String("base"), state);
    }
    // Options, seed or words from the database alone are an exercise too.
    if (session != LxdRecoverySession())
        object.insert(QLatin1String("session"), sessionToJson(session));
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

bool LxdRecoveryCopy::readDescription(const QByteArray &json)
{
    const QString keptName = name;
    const std::shared_ptr<QLockFile> keptLock = lock;
    *this = LxdRecoveryCopy();
    name = keptName;
    lock = keptLock;
    if (json.size() > MaxDescriptionBytes)
        return false;
    const QJsonObject object = QJsonDocument::fromJson(json).object();
    databaseFile = boundedString(object.value(QLatin1String("database")), MaxPathChars);
    editedAt = timeFrom(object.value(QLatin1String("edited")));
    hasChanges = object.value(QLatin1String("changes")).toBool(true);
    const QJsonObject state = object.value(QLatin1String("base")).toObject();
    const qint64 size = wholeNumber(state.value(QLatin1String("size")), 9007199254740992.0);
    const QDateTime modified = timeFrom(state.value(QLatin1String("modified")));
    if (size >= 0 && modified.isValid() && !databaseFile.isEmpty()) {
        base.size = size;
        base.modified = modified;
        const QByteArray hex = boundedString(state.value(QLatin1String("sha1")), 40).toLatin1();
        const QByteArray sum = QByteArray::fromHex(hex);
        if (hex.size() == 40 && sum.size() == 20 && sum.toHex() == hex.toLower())
            base.checksum = sum;
    }
    session = sessionFromJson(object.value(QLatin1String("session")).toObject());
    return editedAt.isValid();
}

// --- The snapshot ------------------------------------------------------------------------------------

bool LxdRecoverySnapshot::takeFrom(const LxdDatabase &database, qsizetype *next, qsizetype budget)
{
    const QList<LxdItem *> &items = database.items;
    if (*next == 0) {
        language = database.language();
        headwords.reserve(items.size());
        sentenceEnds.reserve(items.size());
    }
    qsizetype taken = 0;
    qsizetype i = *next;
    for (; i < items.size() && taken < budget; ++i) {
        const LxdItem *item = items.at(i);
        headwords.append(item->headwordRef());
        for (const LxdSentence &sentence : item->sentences) {
            texts.append(sentence.textRef());
            used.append(sentence.used());
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
                device, CopyFormatVersion, headwords.size(),
                [this](qsizetype i, QString &out) {
                    const qsizetype first = i == 0 ? 0 : sentenceEnds.at(i - 1);
                    LineFile::appendRecord(out, headwords.at(i), sentenceEnds.at(i) - first,
                        CopyFormatVersion, [this, first](qsizetype k, int *count) -> const QString & {
                            *count = used.at(first + k);
                            return texts.at(first + k);
                        });
                },
                language);
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
    // A copy that holds only an exercise has no copy file, only its description.
    QStringList names;
    const QFileInfoList found
        = dir.entryInfoList({QStringLiteral("*.lxv"), QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    for (const QFileInfo &info : found)
        names.append(info.completeBaseName());
    names.removeDuplicates();
    for (const QString &name : std::as_const(names)) {
        LxdRecoveryCopy copy;
        copy.name = name;
        bool whole = false;
        QFile meta(metaFile(copy.name));
        if (meta.open(QIODevice::ReadOnly) && meta.size() <= MaxDescriptionBytes)
            whole = copy.readDescription(meta.read(MaxDescriptionBytes + 1));
        meta.close();
        if (whole && !wanted.isEmpty() && cleanPath(copy.databaseFile) != wanted)
            continue;
        // A program that is still running holds the lock of each of its copies; only a copy whose
        // program is gone gets it, and keeps it while the teacher decides.
        auto lock = std::make_shared<QLockFile>(lockFile(copy.name));
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0))
            continue;
        copy.lock = lock;
        // The description says whether the copy file holds changes; one that does not is left over
        // from before the changes were saved.
        copy.hasChanges = copy.hasChanges && QFile::exists(copy.copyFile());
        if (!whole || (!copy.hasChanges && copy.session.isEmpty())) {
            // Its program ended in the middle of the first write, before the description, or the
            // description cannot be read: a piece of a copy that nobody can tell what it belongs to.
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
        m_wanted = false; // the changes begin anew, made to the new file
        m_dirty = false;
        edited();
    } else if (m_sessionWanted) {
        m_dirty = false;
        schedule();
    }
}

void LxdRecovery::modifiedChanged(bool modified)
{
    if (modified)
        edited();
    else
        dropChanges();
}

void LxdRecovery::edited()
{
    if (!m_document->database()->isModified())
        return;
    // The changes begin: they are made to the file as the guard last saw it read or written.
    if (!m_wanted)
        m_base = m_guard && !m_fileName.isEmpty() ? m_guard->known() : LxdFileGuard::DiskState();
    m_wanted = true;
    m_editedAt = QDateTime::currentDateTime();
    // A snapshot half taken would mix the content before and after the edit: it starts again.
    if (m_taking) {
        stopTaking();
        m_dirty = false;
    }
    schedule();
}

void LxdRecovery::schedule()
{
    // Written once the teacher pauses, and while the edits go on, never more than the longest delay
    // after the first edit the copy does not hold yet.
    if (!m_dirty || !m_longest.isActive())
        m_longest.start(longestDelay);
    m_dirty = true;
    m_quiet.start(quietDelay);
}

void LxdRecovery::setSession(const LxdRecoverySession &session)
{
    if (session == m_session)
        return;
    m_session = session;
    m_sessionWanted = !session.isEmpty();
    if (wanted()) {
        m_editedAt = QDateTime::currentDateTime();
        schedule();
    } else {
        discard();
    }
}

// The database was saved or its changes given up; the exercise, when there is one, stays in the copy.
void LxdRecovery::dropChanges()
{
    if (!m_sessionWanted) {
        discard();
        return;
    }
    m_wanted = false;
    m_base = LxdFileGuard::DiskState();
    stopTaking();
    // The copy file goes at once, so that a crash before the next write cannot offer changes that
    // were saved; the description follows.
    if (!m_writing && m_lock)
        QFile::remove(pathIn(m_lockedName, ".lxv"));
    m_dirty = false;
    schedule();
}

void LxdRecovery::discard()
{
    m_wanted = false;
    m_sessionWanted = false;
    m_session = LxdRecoverySession();
    m_base = LxdFileGuard::DiskState();
    m_dirty = false;
    m_quiet.stop();
    m_longest.stop();
    stopTaking();
    // A write that is running still finishes; settle() then removes what it wrote.
    if (!m_writing)
        removeOwnFiles();
}

LxdFileGuard::DiskState LxdRecovery::diskState(const LxdRecoveryCopy::Base &base)
{
    LxdFileGuard::DiskState state;
    state.size = base.size;
    state.modified = base.modified;
    if (!base.checksum.isEmpty())
        state.checksum = QtFuture::makeReadyFuture(base.checksum);
    return state;
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
    if (!wanted() || !m_dirty || m_writing || m_taking)
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
    if (!m_wanted) {
        startWrite(nullptr); // only the exercise
        return;
    }
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
    startWrite(&snapshot);
}

void LxdRecovery::startWrite(const LxdRecoverySnapshot *snapshot)
{
    m_writing = true;
    m_writingName = m_name;

    LxdRecoveryCopy description;
    description.databaseFile = m_fileName;
    description.editedAt = m_editedAt;
    description.hasChanges = snapshot != nullptr;
    if (snapshot && !m_fileName.isEmpty()) {
        description.base.size = m_base.size;
        description.base.modified = m_base.modified;
    }
    if (m_sessionWanted)
        description.session = m_session;
    const QFuture<QByteArray> baseChecksum = snapshot ? m_base.checksum : QFuture<QByteArray>();
    const std::optional<LxdRecoverySnapshot> content
        = snapshot ? std::optional<LxdRecoverySnapshot>(*snapshot) : std::nullopt;
    const QString copyPath = copyFile();
    const QString metaPath = metaFile(m_name);
    m_watcher.setFuture(QtConcurrent::run([content, description, baseChecksum, copyPath, metaPath]() mutable {
        WriteResult result;
        // The checksum of the file the changes were made to is read in a worker of its own;
        // it is waited for here, never in the window.
        if (baseChecksum.isValid() && description.base.size >= 0)
            description.base.checksum = baseChecksum.result();
        if (content) {
            // The description goes last: a copy is offered only when it has one, so a copy cut
            // short by a crash in the middle of its first write is never offered.
            result.ok = content->write(copyPath, &result.error)
                && CheckedWrite::writeFile(metaPath, description.description(), &result.error);
        } else {
            // The description that no longer names changes goes first, then the changes.
            result.ok = CheckedWrite::writeFile(metaPath, description.description(), &result.error);
            if (result.ok)
                QFile::remove(copyPath);
        }
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
    if (!wanted() || m_writingName != m_name)
        removeOwnFiles();
    else if (!m_wanted)
        QFile::remove(copyFile());
    if (wanted() && m_dirty && !m_quiet.isActive())
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
    if (!copy.hasChanges) {
        // Only the exercise: it joins this program's own copy, and the one left behind goes.
        remove(copy);
        m_session = copy.session;
        m_sessionWanted = !m_session.isEmpty();
        if (wanted())
            schedule();
        return true;
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
    m_wanted = true;
    m_base = diskState(copy.base);
    m_session = copy.session;
    m_sessionWanted = !m_session.isEmpty();
    m_editedAt = copy.editedAt;
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
    return true;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The file commands of the document: the rules about which files are read, how an append is
// resolved, and what each command does to the modified flag and the undo history.
#include "document/lxddocument.h"

#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdmerge.h"
#include "data/lxdpendingappend.h"
#include "document/lxdeditcommands.h"

#include <QDomDocument>
#include <QDomElement>
#include <QFile>
#include <QStringConverter>
#include <QUndoStack>

namespace {

// The format version the program writes its database files in.
constexpr int DatabaseFileVersion = 3;

// Runs a data operation that reads or writes a file; an exception raised inside counts as a failure.
template<typename Operation>
bool guarded(Operation operation)
{
    try {
        return operation();
    } catch (...) {
        return false;
    }
}

// As guarded, for a write: a raised error (in practice, memory ran out while the text was made) is
// given as the reason.
template<typename Operation>
bool guardedWrite(QString *error, Operation operation)
{
    try {
        return operation();
    } catch (...) {
        if (error)
            *error = LxdDocument::tr("There is not enough memory to write the file.");
        return false;
    }
}

} // namespace

// A database file is text. A zero byte never occurs in one, unless it is UTF-16 or UTF-32, which start
// with a byte-order mark; a file with zero bytes among its first bytes is a picture, an archive, a
// word-processor document, and reading it line by line would only fill the database with rubbish.
bool LxdDocument::isBinaryFile(const QString &fileName)
{
    QFile file(fileName);
    if (fileName.isEmpty() || !file.open(QIODevice::ReadOnly))
        return false; // the load itself reports a file that cannot be read
    const QByteArray head = file.read(64 * 1024);
    if (QStringConverter::encodingForData(head))
        return false;
    return head.contains('\0');
}

LxdDocument::FileResult LxdDocument::open(const QString &fileName)
{
    if (isBinaryFile(fileName))
        return NotDatabase;
    // An empty name comes from the first recent-file entry when the list is empty.
    const bool loaded = guarded([&] {
        m_database->clear();
        return !fileName.isEmpty() && m_database->loadText(fileName);
    });
    if (!loaded) {
        // The old content is gone; as an unmodified database the empty one is as harmless as a new one.
        guarded([&] {
            m_database->clear();
            return true;
        });
        m_database->setLanguage(QString());
        m_database->setModified(false);
    }
    clearHistory();
    return loaded ? Done : Failed;
}

std::unique_ptr<LxdIncoming> LxdDocument::readDatabaseFile(const QString &fileName, FileResult *result)
{
    if (isBinaryFile(fileName)) {
        *result = NotDatabase;
        return nullptr;
    }
    auto incoming = std::make_unique<LxdPendingAppend>();
    if (!guarded([&] { return incoming->read(fileName); })) {
        *result = Failed; // nothing was read, and the database stays as it was
        return nullptr;
    }
    *result = Done;
    return incoming;
}

LxdDocument::MergeOutcome LxdDocument::append(const QString &fileName, LxdAppendQuestions *questions)
{
    MergeOutcome outcome;
    const std::unique_ptr<LxdIncoming> incoming = readDatabaseFile(fileName, &outcome.result);
    if (!incoming)
        return outcome;
    return takeIn(*incoming, std::nullopt, questions, QString(), true);
}

LxdDocument::MergeOutcome LxdDocument::merge(
    const LxdIncoming &incoming, LxdAppendQuestions *questions, const QString &stepName)
{
    return takeIn(incoming, std::nullopt, questions, stepName, false);
}

LxdDocument::FileResult LxdDocument::mergeFile(const QString &fileName, LxdMergeMode mode)
{
    FileResult result = Done;
    const std::unique_ptr<LxdIncoming> incoming = readDatabaseFile(fileName, &result);
    if (!incoming)
        return result;
    return takeIn(*incoming, mode, nullptr, LxdEditCommand::tr("Merge File"), false).result;
}

LxdDocument::MergeOutcome LxdDocument::takeIn(const LxdIncoming &incoming, std::optional<LxdMergeMode> mode,
    LxdAppendQuestions *questions, const QString &stepName, bool changedWhenCancelled)
{
    MergeOutcome outcome;
    LxdDatabase::HeadwordIndex index;
    bool repeats = false;
    if (!guarded([&] {
            repeats = m_database->hasRepeatedHeadwords(incoming, &index);
            return true;
        })) {
        outcome.result = MergeFailed;
        return outcome;
    }
    if (!repeats) {
        mode = LxdMergeMode::Keep;
    } else if (!mode) {
        if (questions && questions->confirmRepeatedHeadwords())
            mode = questions->chooseMergeOrKeep();
        if (mode == LxdMergeMode::Versions)
            mode.reset(); // not a teacher's answer
    }

    // A cancelled append still puts the headwords in order: a merge of nothing.
    const LxdPendingAppend nothing;
    std::unique_ptr<LxdMerge> merge;
    if (!guarded([&] {
            merge = mode ? std::make_unique<LxdMerge>(m_database, incoming, *mode, &index)
                         : std::make_unique<LxdMerge>(m_database, nothing, LxdMergeMode::Keep);
            return true;
        })) {
        outcome.result = MergeFailed;
        return outcome;
    }
    if (!mode) {
        outcome.result = Cancelled;
        if (changedWhenCancelled)
            pushMerge(std::move(merge), stepName, true);
        return outcome;
    }

    LxdMerge *made = merge.get();
    const bool changed = made->changesAnything();
    if (!pushMerge(std::move(merge), stepName, changedWhenCancelled)) {
        outcome.result = MergeFailed;
        return outcome;
    }
    if (changed) {
        outcome.addedHeadwords = made->addedHeadwords();
        outcome.addedSentences = made->addedSentences();
        outcome.newHeadwords = made->addedHeadwordTexts();
    }
    return outcome;
}

bool LxdDocument::pushMerge(
    std::unique_ptr<LxdMerge> merge, const QString &stepName, bool markedWhenUnchanged)
{
    if (!merge->changesAnything()) {
        if (markedWhenUnchanged) {
            // The append counts as a change even when it changed nothing.
            m_database->setModified(true);
            m_undoStack->resetClean();
        }
        return true;
    }
    auto *command = new LxdAppendCommand(this, stepName, std::move(merge));
    return guarded([&] {
        m_undoStack->push(command);
        return true;
    });
}

bool LxdDocument::save(const QString &fileName, QString *error)
{
    if (!guardedWrite(error, [&] { return m_database->saveText(fileName, DatabaseFileVersion, error); }))
        return false;
    setClean();
    return true;
}

QString LxdDocument::backupName(const QString &fileName)
{
    return fileName + QLatin1String(".bak");
}

bool LxdDocument::backup(const QString &fileName, QString *error)
{
    // A backup is a copy for safety, not a save of the database file: edits not yet saved must still
    // be offered for saving, so the modified flag that writing clears is put back.
    const bool wasModified = m_database->isModified();
    const bool written = guardedWrite(
        error, [&] { return m_database->saveText(backupName(fileName), DatabaseFileVersion, error); });
    m_database->setModified(wasModified);
    return written;
}

bool LxdDocument::exportXml(const QString &fileName, QString *error)
{
    const bool saved = guardedWrite(
        error, [&] { return m_database->saveXml(fileName, LxdDatabase::applicationFormatVersion(), error); });
    return saved;
}

bool LxdDocument::importXml(const QString &fileName, int *brokenTexts, QString *refusal)
{
    // Read into a database of its own, which takes the place of the open one only when the whole
    // file was read: a file that cannot be read, or is XML of another kind (a well-formed file of
    // another kind would import as an empty database without a word), leaves the open database as it
    // was.
    LxdDatabase incoming;
    const bool imported = guarded([&] {
        return incoming.loadXml(fileName, brokenTexts, refusal) && incoming.readVocabularyDocument();
    });
    if (!imported)
        return false;

    const QList<LxdItem *> records = incoming.items;
    incoming.items.clear();
    m_database->restoreItems(records, [this] {
        for (LxdItem *old : std::as_const(m_database->items))
            delete old;
    });
    m_database->setLanguage(incoming.language());
    clearHistory();
    return true;
}

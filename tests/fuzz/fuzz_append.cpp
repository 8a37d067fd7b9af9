// SPDX-License-Identifier: GPL-3.0-or-later
// A database file appended to another with either answer: the headwords end sorted, every record
// belongs where it is, nothing read is lost when duplicates are kept, and a merge leaves no repeated
// headword that was new to the database twice.
#include "fuzzinput.h"

#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdsentence.h"

namespace {

int sentences(const LxdDatabase &db)
{
    int n = 0;
    for (int i = 0; i < db.itemCount(); ++i)
        n += db.sentenceCount(i);
    return n;
}

void checkRecords(const LxdDatabase &db)
{
    for (int i = 0; i < db.itemCount(); ++i) {
        FuzzInput::check(i == 0 || !(db.headword(i) < db.headword(i - 1)), "headwords sorted");
        FuzzInput::check(db.itemAt(i)->database() == &db, "headword belongs to its database");
    }
}

} // namespace

// The first byte says where the base file ends and the appended one begins.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const QByteArray rest(reinterpret_cast<const char *>(data) + 1, qsizetype(size) - 1);
    const qsizetype cut = rest.isEmpty() ? 0 : qsizetype(data[0]) * rest.size() / 256;
    const QString base = FuzzInput::write(QStringLiteral("base.lxv"), rest.left(cut));
    const QString appended = FuzzInput::write(QStringLiteral("appended.lxv"), rest.mid(cut));

    LxdDatabase alone;
    FuzzInput::check(alone.loadText(appended), "the appended file reads");
    for (int mode : {LxdDatabase::KeepDuplicates, LxdDatabase::MergeDuplicates}) {
        LxdDatabase db;
        FuzzInput::check(db.loadText(base), "the base file reads");
        const int before = db.itemCount();
        const int beforeSentences = sentences(db);
        const int result = db.appendFile(appended);
        FuzzInput::check(result != LxdDatabase::AppendFailed, "the append reads");
        if (result == LxdDatabase::AppendHasDuplicates)
            FuzzInput::check(db.resolveAppend(mode), "the append resolves");
        FuzzInput::check(!db.hasPendingAppend(), "nothing left pending");
        checkRecords(db);
        if (result == LxdDatabase::AppendDone || mode == LxdDatabase::KeepDuplicates) {
            FuzzInput::check(db.itemCount() == before + alone.itemCount(), "every headword kept");
            FuzzInput::check(sentences(db) == beforeSentences + sentences(alone), "every sentence kept");
        } else {
            FuzzInput::check(db.itemCount() <= before + alone.itemCount(), "a merge adds no headword");
            FuzzInput::check(sentences(db) <= beforeSentences + sentences(alone), "a merge adds no sentence");
        }
    }
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The readers of other word lists, one target per format (FUZZ_IMPORT_FORMAT): whatever a reader
// makes of a file loads into a database and loses no imported sentence, taken in alone or merged
// into headwords held already, and survives the database file. The spreadsheet reader, which reads
// its file a piece at a time, finds what reading the whole text at once finds.
#include "fuzzinput.h"

#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdmerge.h"
#include "data/lxdsentence.h"
#include "import/lxdimport.h"

#include <QHash>
#include <QSet>

namespace {

// headword and sentence, both trimmed, as the database compares them
using Pair = QPair<QString, QString>;

QSet<Pair> pairsOf(const LxdDatabase &db)
{
    QSet<Pair> pairs;
    for (int i = 0; i < db.itemCount(); ++i) {
        const QString h = db.headword(i).trimmed();
        for (int k = 0; k < db.sentenceCount(i); ++k)
            pairs.insert({h, db.sentenceAt(i, k)->text().trimmed()});
    }
    return pairs;
}

int sentenceTotal(const LxdDatabase &db)
{
    int n = 0;
    for (int i = 0; i < db.itemCount(); ++i)
        n += db.sentenceCount(i);
    return n;
}

void checkLoads(const LxdImport::Result &result)
{
    if (!result.ok())
        return;
    QSet<Pair> imported;
    for (const LxdImport::Headword &h : result.headwords) {
        for (const QString &s : h.sentences)
            imported.insert({h.headword.trimmed(), s.trimmed()});
    }

    // Alone: every headword and every sentence becomes a record.
    LxdDatabase alone;
    LxdMerge(&alone, result, LxdMergeMode::Keep).apply();
    FuzzInput::check(alone.itemCount() == result.headwords.size(), "every headword taken in");
    FuzzInput::check(sentenceTotal(alone) == result.sentenceCount(), "every sentence taken in");
    FuzzInput::check(pairsOf(alone) == imported, "the texts taken in as read");

    // The database file holds them: saved and read back, nothing is lost or changed.
    const QString file = FuzzInput::write(QStringLiteral("imported.lxv"), QByteArray());
    FuzzInput::check(alone.saveText(file, 3), "the database file is written");
    LxdDatabase reread;
    FuzzInput::check(reread.loadText(file), "the database file reads");
    FuzzInput::check(reread.itemCount() == alone.itemCount(), "every headword read back");
    FuzzInput::check(pairsOf(reread) == imported, "every sentence read back");

    // Merged into headwords held already: none of the imported sentences is lost.
    LxdDatabase held;
    LxdMerge(&held, result, LxdMergeMode::Keep).apply();
    LxdMerge(&held, result, LxdMergeMode::Merge).apply();
    FuzzInput::check(pairsOf(held) == imported, "a merge loses no sentence and adds none");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
#if FUZZ_IMPORT_FORMAT == 0
    // Spreadsheet text: the dialog's view of the head, then the whole file by pieces.
    const QString file = FuzzInput::write(QStringLiteral("import.csv"), bytes);
    const LxdImport::Head head = LxdImport::readHead(file, 512);
    const LxdImport::Table table = LxdImport::readTable(head.text, QChar(), !head.whole);
    LxdImport::firstRowNamesColumns(table);
    LxdImport::CsvColumns columns;
    columns.header = size > 0 && (data[0] & 1);
    columns.sentence = size > 0 && (data[0] & 2) ? -1 : 1;
    const QChar separator = table.separator.isNull() ? QChar(u',') : table.separator;
    const LxdImport::Result result = LxdImport::readCsvFile(file, separator, columns);
    const LxdImport::Result whole
        = LxdImport::readCsv(LxdImport::readTable(LxdImport::decodeText(bytes), separator), columns);
    FuzzInput::check(result.error == whole.error, "the file reader fails as the text reader does");
    FuzzInput::check(
        result.headwords.size() == whole.headwords.size(), "the file reader finds every headword");
    for (qsizetype j = 0; j < result.headwords.size() && j < whole.headwords.size(); ++j) {
        FuzzInput::check(result.headwords.at(j).headword == whole.headwords.at(j).headword
                && result.headwords.at(j).sentences == whole.headwords.at(j).sentences,
            "the file reader finds what the text reader finds");
    }
#elif FUZZ_IMPORT_FORMAT == 1
    const LxdImport::Result result = LxdImport::readKvtml(bytes);
#elif FUZZ_IMPORT_FORMAT == 2
    const LxdImport::Result result = LxdImport::readJCloze(bytes, QStringLiteral("passage"));
#else
    const LxdImport::Result result = LxdImport::readJMatch(bytes, QStringLiteral("pairs"));
#endif
    checkLoads(result);
    return 0;
}

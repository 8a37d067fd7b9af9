// SPDX-License-Identifier: GPL-3.0-or-later
// The description beside a recovery copy, as a crashed program, a full disk or anyone else may have
// left it: reading any bytes takes only what is sound, and what was read is written again and read
// back unchanged, so a copy is never offered with less than its description held.
#include "fuzzinput.h"

#include "document/lxdrecovery.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray json(reinterpret_cast<const char *>(data), qsizetype(size));
    LxdRecoveryCopy copy;
    if (!copy.readDescription(json))
        return 0;
    FuzzInput::check(copy.editedAt.isValid(), "a description read has the time of its work");

    LxdRecoveryCopy again;
    FuzzInput::check(again.readDescription(copy.description()), "a description written reads again");
    FuzzInput::check(again.databaseFile == copy.databaseFile, "the database file comes back");
    FuzzInput::check(again.editedAt == copy.editedAt, "the time of the work comes back");
    FuzzInput::check(again.hasChanges == copy.hasChanges, "whether the copy holds changes comes back");
    FuzzInput::check(again.base.size == copy.base.size && again.base.modified == copy.base.modified
            && again.base.checksum == copy.base.checksum,
        "the file the changes were made to comes back");
    FuzzInput::check(again.session == copy.session, "the exercise comes back");
    return 0;
}

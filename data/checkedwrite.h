// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CHECKEDWRITE_H
#define CHECKEDWRITE_H

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <functional>

class QIODevice;

// Every file the program writes goes through here. The bytes go to a temporary file beside the
// target, which replaces the target only once every byte has been written, flushed and synced to
// the disk; the folder is synced after the rename, so that a power cut or a pulled stick cannot bring
// the old file back once the write has been reported done. A temporary file never stays behind. A full disk,
// a quota or an I/O error often shows only at the flush or the sync (a small write sits in a buffer and
// "succeeds"), so both are checked; on any failure the old file is left whole and the reason is given, never
// empty, in the system's words ("No space left on device").
namespace CheckedWrite {

// Writes what `produce` puts into the device; `produce` returns false to give up (its reason, if it
// has one, in *error). True only when the file is on disk in full.
using Producer = std::function<bool(QIODevice &device, QString *error)>;
bool writeFile(const QString &fileName, const Producer &produce, QString *error = nullptr);
bool writeFile(const QString &fileName, const QByteArray &bytes, QString *error = nullptr);

// Tests make every later write fail once `bytes` bytes have gone out, as a disk that fills up does;
// a negative number makes writes real again.
void setFailAfterForTesting(qint64 bytes);
// Tests make the final rename fail, as it can on FAT, SMB and NFS.
void setFailRenameForTesting(bool fail);
// How many times a folder was synced after a rename.
int folderSyncsForTesting();

} // namespace CheckedWrite

#endif // CHECKEDWRITE_H

// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LARGEFILE_H
#define LARGEFILE_H

#include <QString>
#include <QtGlobal>

// Reading a database takes about ten times its file size in memory, so a very large file is read
// only when the user says so. The rule is kept apart from any window, for every command that reads.
namespace LargeFile {

constexpr qint64 askAbove = qint64(256) * 1024 * 1024;

// The size of `fileName` when it is larger than askAbove, else 0 (also when it does not exist).
qint64 sizeToAskAbout(const QString &fileName);

// A size as the question states it, e.g. "1.0 GB".
QString sizeText(qint64 bytes);

} // namespace LargeFile

#endif // LARGEFILE_H

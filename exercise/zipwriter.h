// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ZIPWRITER_H
#define ZIPWRITER_H

#include <QByteArray>
#include <QList>
#include <QString>

// ZIP archives made in memory with libzip, so that the file itself is written like every other one,
// through CheckedWrite, and a full disk is reported. Only file entries are written: the packages that
// learning platforms read want no entries for folders.
namespace ZipWriter {

struct Entry
{
    QString name; // the path inside the archive, with forward slashes
    QByteArray data;
    bool stored = false; // kept uncompressed, as an EPUB's leading "mimetype" entry must be
};

// The archive of `entries` in their order, compressed unless stored. Empty, with the reason in *error, when
// libzip fails.
QByteArray archive(const QList<Entry> &entries, QString *error = nullptr);

} // namespace ZipWriter

#endif // ZIPWRITER_H

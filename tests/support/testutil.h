// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TESTUTIL_H
#define TESTUTIL_H

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace TestUtil {

// Writes bytes to a file below `dir`, returning its full path.
QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes);
QByteArray readFile(const QString &path);

// Path of a file in the source tree (share/, fixtures).
QString sourcePath(const QString &relative);

} // namespace TestUtil

#endif // TESTUTIL_H

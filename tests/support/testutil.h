// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TESTUTIL_H
#define TESTUTIL_H

#include "exercise/exercisebuilder.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace TestUtil {

// Writes bytes to a file below `dir`, returning its full path.
QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes);
QByteArray readFile(const QString &path);

// Path of a file in the source tree (share/, fixtures).
QString sourcePath(const QString &relative);

// Puts every seam the program offers tests back to the real thing: file dialogs, confirmation boxes,
// the random seed, the command line and the template folder. (The URL opener stays: test programs
// set it once for their whole run.)
void resetHooks();

// The five exercise options, in the order of their check boxes.
ExerciseOptions options(bool qNums, bool gap, bool bracket, bool jumble, bool wordList);

} // namespace TestUtil

#endif // TESTUTIL_H

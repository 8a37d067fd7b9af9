// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TESTUTIL_H
#define TESTUTIL_H

#include "exercise/exerciseoptions.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

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

// The control of type T named `objectName` somewhere below `window` (widgets, actions, check boxes):
// tests reach the window the way a user does, through its named controls. A missing one ends the
// test program at once, naming what was looked for, rather than crashing later on a null pointer.
template<class T>
T *child(const QObject *window, const char *objectName)
{
    T *found = window->findChild<T *>(QLatin1String(objectName));
    if (!found)
        qFatal("no %s named \"%s\"", T::staticMetaObject.className(), objectName);
    return found;
}

} // namespace TestUtil

#endif // TESTUTIL_H

// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ZELUTILS_H
#define ZELUTILS_H

#include <QString>

// Small desktop helpers shared by the whole program.
class ZelUtils
{
public:
    // The program's run-time files (icons, help, starter databases, templates) lie beside the
    // executable in a build tree and in ../share/lexivane once installed. Returns the path of
    // `relative` in the first of those that has it, or beside the executable when neither does,
    // so that a message about a missing file names the place it was looked for first.
    static QString dataPath(const QString &relative);
};

#endif // ZELUTILS_H

// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef STARTUPBENCH_H
#define STARTUPBENCH_H

#include "floors.h"

#include <QString>
#include <QStringList>

extern const char bareWindowOption[];

// The hidden mode that shows a bare QMainWindow and reports like the program does.
int runBareWindowChild();

struct StartupTiming
{
    Timing program;
    Timing bareWindow;
};

// The program beside the benchmark started `runs` times in a fresh process, with a home of its own
// whose settings open `database`, until its window is shown with the database loaded; and the
// same for a bare Qt window. Failed checks go to `failures`.
StartupTiming benchStartup(const QString &database, int headwords, int runs, QStringList *failures);

#endif // STARTUPBENCH_H

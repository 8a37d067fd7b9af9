// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef COMMANDBENCH_H
#define COMMANDBENCH_H

#include "benchdata.h"
#include "floors.h"

#include <QList>
#include <QString>
#include <QStringList>

class LxdDatabase;

// One timed window command: the edit through the document (its undo stack) with a headword list
// and a sentence table attached as the window sets them up, until the views have caught up.
struct CommandTiming
{
    QString name;
    Timing timing;
};

// The commands of the window on a loaded database, best of `runs`. Failed checks go to `failures`.
QList<CommandTiming> benchCommands(LxdDatabase &db, int runs, QStringList *failures);

// Building a database of `data` record by record, through the data layer and through the
// document's commands; failed checks go to `failures`.
QList<CommandTiming> benchBuilding(const BenchData &data, int runs, QStringList *failures);

#endif // COMMANDBENCH_H

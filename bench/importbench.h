// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef IMPORTBENCH_H
#define IMPORTBENCH_H

#include <QString>
#include <QtGlobal>

// The import of a large spreadsheet file: its time, and the peak memory of the import against the
// memory the same sentences take once loaded, each measured in a fresh process.

// The hidden mode in which the benchmark imports `csvFile` and writes the result as a database file
// to `databaseFile`; prints "key=value" lines like the other child modes.
int runImportChild(const QString &csvFile, const QString &databaseFile);

// Generates a CSV file of about `megabytes` in `dir`, imports it in a child process, loads the
// database it gave in another, prints the figures and returns the number of failed checks.
int runImportBench(const QString &dir, int megabytes);

extern const char importChildOption[];

#endif // IMPORTBENCH_H

// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FLOORS_H
#define FLOORS_H

#include <QElapsedTimer>
#include <QHash>
#include <QString>
#include <QStringList>

// The least that the file operations can cost on the same data, and the small helpers that
// measure them and the real operations alike.

// Resident memory of this process in bytes (VmRSS), or -1 when it cannot be read.
qint64 residentBytes();

// The highest resident memory of this process since it started or since resetPeakResident, or
// -1 when it cannot be read (VmHWM).
qint64 peakResidentBytes();
// Starts the peak over from the present resident memory; false when the system does not allow it.
bool resetPeakResident();

// CPU time of this process in nanoseconds (user and system, page faults included).
qint64 processCpuNs();

// The time a piece of work took, in nanoseconds: wall-clock time, and the CPU time of the
// process, which other programs busy on the same machine disturb far less.
struct Timing
{
    qint64 wall = -1;
    qint64 cpu = -1;
};

// Keeps in `best` the lower of its wall and CPU times and those of `t`; -1 counts as not measured.
inline void keepBest(Timing *best, const Timing &t)
{
    if (t.wall >= 0 && (best->wall < 0 || t.wall < best->wall))
        best->wall = t.wall;
    if (t.cpu >= 0 && (best->cpu < 0 || t.cpu < best->cpu))
        best->cpu = t.cpu;
}

// The fastest of `runs` runs of `op` (wall and CPU time each at their best). `prepare` runs
// untimed before each run.
template<typename Prepare, typename Op>
Timing bestOf(int runs, Prepare prepare, Op op)
{
    Timing best;
    for (int r = 0; r < runs; ++r) {
        prepare();
        QElapsedTimer timer;
        const qint64 cpu = processCpuNs();
        timer.start();
        op();
        const qint64 wall = timer.nsecsElapsed();
        keepBest(&best, {wall, processCpuNs() - cpu});
    }
    return best;
}

// Reading floor: the file split into lines by QTextStream::readLine and nothing else.
// Returns the number of lines read.
qint64 readLinesOnly(const QString &fileName);

// The lines of a database file as QTextStream gives them (the byte-order mark dropped).
QStringList fileLines(const QString &fileName);

// Writing floor: ready-made lines written through a UTF-8 QTextStream, with the byte-order mark
// and CR LF line ends of a database file. Returns false when the file cannot be written.
bool writeLines(const QString &fileName, const QStringList &lines);

// The hidden modes in which the benchmark re-runs itself, so that their memory and timing start
// from a fresh heap. Each prints "key=value" lines on standard output and returns an exit code.
int runObjectFloorChild(const QString &fileName, int runs);
int runLoadTextChild(const QString &fileName, int runs);
// The highest resident memory while the database file `lineFile` is exported to `xmlFile`
// ("export"), or while `xmlFile` is imported ("import"), against the loaded database's own.
int runXmlMemoryChild(const QString &mode, const QString &lineFile, const QString &xmlFile);

// Runs the benchmark itself with `arguments` and parses what a child mode printed.
// Returns an empty hash when the child failed.
QHash<QString, qint64> runChild(const QStringList &arguments);

#endif // FLOORS_H

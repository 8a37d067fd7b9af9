// SPDX-License-Identifier: GPL-3.0-or-later
#include "floors.h"

#include "data/lxddatabase.h"
#include "data/lxditem.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTextStream>

#include <cstdio>
#include <ctime>
#include <vector>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// The least a record per sentence can be: a plain record that holds its own copy of the text and
// its used count.
struct FloorRecord
{
    explicit FloorRecord(const QString &t)
        : text(t.constData(), t.size())
    { }
    QString text;
    int used = 0;
};

// Hands the heap's free pages back to the system, so that the memory a measurement sees grow is
// what the measured work takes and not pages that an earlier, freed allocation left resident.
void releaseFreeMemory()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

void report(const char *key, qint64 value)
{
    std::printf("%s=%lld\n", key, static_cast<long long>(value));
}

} // namespace

qint64 processCpuNs()
{
    timespec t {};
    if (clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t) != 0)
        return 0;
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

namespace {

// A "Vm...:" line of /proc/self/status in bytes, or -1.
qint64 statusBytes(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    const QByteArray all = status.readAll();
    for (const QByteArray &line : all.split('\n')) {
        if (line.startsWith(key)) {
            const QByteArray kb = line.mid(qsizetype(qstrlen(key))).trimmed().split(' ').value(0);
            bool ok = false;
            const qint64 value = kb.toLongLong(&ok);
            return ok ? value * 1024 : -1;
        }
    }
    return -1;
}

} // namespace

qint64 residentBytes()
{
    return statusBytes("VmRSS:");
}

qint64 peakResidentBytes()
{
    return statusBytes("VmHWM:");
}

bool resetPeakResident()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    return refs.open(QIODevice::WriteOnly) && refs.write("5") == 1;
}

qint64 readLinesOnly(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    QTextStream in(&file);
    qint64 lines = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        lines += line.isNull() ? 0 : 1;
    }
    return lines;
}

QStringList fileLines(const QString &fileName)
{
    QStringList lines;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return lines;
    QTextStream in(&file);
    while (!in.atEnd())
        lines.append(in.readLine());
    return lines;
}

bool writeLines(const QString &fileName, const QStringList &lines)
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QTextStream out(&file);
    out.setEncoding(QStringConverter::Utf8);
    out.setGenerateByteOrderMark(true);
    const QLatin1String lineEnd("\r\n");
    for (const QString &line : lines)
        out << line << lineEnd;
    out.flush();
    return out.status() == QTextStream::Ok && file.error() == QFileDevice::NoError;
}

int runObjectFloorChild(const QString &fileName, int runs)
{
    // The sentence texts of the file, taken from its split lines before anything is timed.
    QStringList texts;
    {
        const QStringList lines = fileLines(fileName);
        if (lines.isEmpty())
            return 1;
        texts.reserve(lines.size() * 10);
        const QString separator = QStringLiteral("&&&");
        for (const QString &line : lines) {
            const QStringList parts = line.split(separator);
            for (int k = 1; k < parts.size(); ++k) {
                const QString &field = parts.at(k);
                const int brace
                    = field.startsWith(QLatin1Char('{')) ? int(field.indexOf(QLatin1Char('}'))) : -1;
                texts.append(brace >= 0 ? field.mid(brace + 1) : field);
            }
        }
    }

    std::vector<FloorRecord *> records;
    records.reserve(size_t(texts.size()));
    qint64 before = -1;
    qint64 after = -1;
    int run = 0;
    const Timing timing = bestOf(
        runs,
        [&] {
            for (FloorRecord *r : records)
                delete r;
            records.clear();
            if (run++ == 0) {
                releaseFreeMemory();
                before = residentBytes();
            }
        },
        [&] {
            for (const QString &t : texts)
                records.push_back(new FloorRecord(t));
            // Read at once after the first run, before anything is freed; it takes microseconds.
            if (after < 0)
                after = residentBytes();
        });
    report("ns", timing.wall);
    report("cpu_ns", timing.cpu);
    report("count", qint64(records.size()));
    report("rss_before", before);
    report("rss_after", after);
    for (FloorRecord *r : records)
        delete r;
    return 0;
}

int runLoadTextChild(const QString &fileName, int runs)
{
    LxdDatabase *database = nullptr;
    qint64 before = -1;
    qint64 after = -1;
    bool ok = true;
    int run = 0;
    const Timing timing = bestOf(
        runs,
        [&] {
            delete database;
            database = new LxdDatabase();
            if (run++ == 0) {
                releaseFreeMemory();
                before = residentBytes();
            }
        },
        [&] {
            ok = database->loadText(fileName) && ok;
            // Read at once after the first run, before anything is freed; it takes microseconds.
            if (after < 0)
                after = residentBytes();
        });
    qint64 sentences = 0;
    for (int i = 0; i < database->itemCount(); ++i)
        sentences += database->sentenceCount(i);
    report("ns", timing.wall);
    report("cpu_ns", timing.cpu);
    report("ok", ok ? 1 : 0);
    report("items", database->itemCount());
    report("count", sentences);
    report("rss_before", before);
    report("rss_after", after);
    delete database;
    return 0;
}

int runXmlMemoryChild(const QString &mode, const QString &lineFile, const QString &xmlFile)
{
    LxdDatabase database;
    releaseFreeMemory();
    const qint64 before = residentBytes();
    bool ok = false;
    if (mode == QLatin1String("export")) {
        ok = database.loadText(lineFile);
        // The peak that counts starts with the database loaded, not with the reading of its file.
        ok = resetPeakResident() && ok;
        ok = ok && database.saveXml(xmlFile, 3);
    } else {
        ok = database.loadXml(xmlFile);
    }
    report("ok", ok ? 1 : 0);
    report("database", residentBytes() - before);
    report("peak", peakResidentBytes() - before);
    report("items", database.itemCount());
    return 0;
}

QHash<QString, qint64> runChild(const QStringList &arguments)
{
    QHash<QString, qint64> values;
    QProcess child;
    child.setProgram(QCoreApplication::applicationFilePath());
    child.setArguments(arguments);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start();
    if (!child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        return values;
    const QList<QByteArray> lines = child.readAllStandardOutput().split('\n');
    for (const QByteArray &line : lines) {
        const int eq = int(line.indexOf('='));
        if (eq > 0)
            values.insert(QString::fromLatin1(line.left(eq)), line.mid(eq + 1).toLongLong());
    }
    return values;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FUZZINPUT_H
#define FUZZINPUT_H

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace FuzzInput {

// The readers take file names: each input goes to a file in a folder made once per run.
inline QString write(const QString &name, const QByteArray &bytes)
{
    // In memory where the system offers it: saving syncs each file to disk, which would take most of
    // the time of a run.
    static QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
            ? QStringLiteral("/dev/shm/lexivane-fuzz-XXXXXX")
            : QDir::tempPath() + QStringLiteral("/lexivane-fuzz-XXXXXX"));
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::abort();
    }
    return path;
}

// A broken property is a finding like a crash: libFuzzer keeps the input that shows it.
inline void check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

} // namespace FuzzInput

#endif // FUZZINPUT_H

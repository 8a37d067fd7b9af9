// SPDX-License-Identifier: GPL-3.0-or-later
#include "startupbench.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <ctime>

const char bareWindowOption[] = "bare-window-child";

namespace {

// The environment variable that makes the program report once its window is up (see app/main.cpp).
const char reportShown[] = "LEXIVANE_REPORT_SHOWN";

struct ShownReport
{
    qint64 wall = -1;
    qint64 cpu = -1;
    qint64 items = -1;
};

// Runs `program` and waits for the line it prints when its window is shown; the time until then
// is the start-up, the rest (closing, freeing the database) is not measured.
ShownReport runUntilShown(const QProcessEnvironment &environment, const QString &program,
    const QStringList &arguments, QString *error)
{
    ShownReport report;
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    child.start(program, arguments);
    QByteArray output;
    while (!output.contains('\n')) {
        if (!child.waitForReadyRead(120000)) {
            *error = QStringLiteral("%1 never reported a shown window").arg(program);
            child.kill();
            child.waitForFinished(-1);
            return report;
        }
        output += child.readAllStandardOutput();
    }
    const qint64 wall = timer.nsecsElapsed();
    if (!child.waitForFinished(120000) || child.exitCode() != 0) {
        *error = QStringLiteral("%1 did not close cleanly").arg(program);
        child.kill();
        child.waitForFinished(-1);
        return report;
    }
    for (const QByteArray &pair : output.trimmed().split(' ')) {
        const int eq = int(pair.indexOf('='));
        if (pair.startsWith("cpu_ns="))
            report.cpu = pair.mid(eq + 1).toLongLong();
        else if (pair.startsWith("items="))
            report.items = pair.mid(eq + 1).toLongLong();
    }
    report.wall = wall;
    return report;
}

} // namespace

int runBareWindowChild()
{
    QMainWindow window;
    window.resize(800, 600);
    window.show();
    QTimer::singleShot(0, &window, [] {
        std::printf(
            "shown cpu_ns=%lld\n", static_cast<long long>(std::clock()) * (1000000000LL / CLOCKS_PER_SEC));
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    return QCoreApplication::exec();
}

StartupTiming benchStartup(const QString &database, int headwords, int runs, QStringList *failures)
{
    StartupTiming timing;
    QTemporaryDir home;
    if (!home.isValid()) {
        failures->append(QStringLiteral("start-up: no temporary home"));
        return timing;
    }
    const QString root = home.path();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), root);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), root + QStringLiteral("/.config"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), root + QStringLiteral("/.local/share"));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), root + QStringLiteral("/.cache"));
    environment.insert(QStringLiteral("XDG_STATE_HOME"), root + QStringLiteral("/.local/state"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QLatin1String(reportShown), QStringLiteral("1"));
    {
        // What a user who has run the program before has: the first run done, this database last.
        QSettings settings(root + QStringLiteral("/.config/Venhollow/Lexivane 3.conf"), QSettings::IniFormat);
        settings.setValue(QStringLiteral("application/firstRun"), false);
        settings.setValue(QStringLiteral("mainWindow/recentFiles"), QStringList {database});
    }

    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/lexivane");
    const QString bench = QCoreApplication::applicationFilePath();
    for (int r = 0; r < runs; ++r) {
        QString error;
        const ShownReport shown = runUntilShown(environment, program, {}, &error);
        if (!error.isEmpty()) {
            failures->append(QStringLiteral("start-up: ") + error);
            return timing;
        }
        if (shown.items != headwords) {
            failures->append(QStringLiteral("start-up: the window showed %1 headwords instead of %2")
                                 .arg(shown.items)
                                 .arg(headwords));
            return timing;
        }
        keepBest(&timing.program, {shown.wall, shown.cpu});
        const ShownReport bare = runUntilShown(
            environment, bench, {QStringLiteral("--") + QLatin1String(bareWindowOption)}, &error);
        if (!error.isEmpty()) {
            failures->append(QStringLiteral("start-up floor: ") + error);
            return timing;
        }
        keepBest(&timing.bareWindow, {bare.wall, bare.cpu});
    }
    return timing;
}

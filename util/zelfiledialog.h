// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ZELFILEDIALOG_H
#define ZELFILEDIALOG_H

#include <QString>

class QWidget;

// The program's file dialogs. Every command that asks for a file name goes through here, so tests can
// answer the dialogs without showing them: names queued with setNextFileName() are handed out in
// order, each in place of one dialog. With no name queued the real QFileDialog comes up.
class ZelFileDialog
{
public:
    enum Kind { Open, Save };

    // What a command asked for: which dialog, its caption, start folder and filter.
    struct Request
    {
        Kind kind = Open;
        QString caption;
        QString dir;
        QString filter;
    };

    // As QFileDialog::getOpenFileName / getSaveFileName without options: the platform's dialog, and
    // for a save its own question before an existing file is replaced. An empty result means cancelled.
    static QString getOpenFileName(
        QWidget *parent, const QString &caption, const QString &dir, const QString &filter);
    static QString getSaveFileName(
        QWidget *parent, const QString &caption, const QString &dir, const QString &filter);

    // For tests: the answer to the next dialog (an empty string answers "cancelled").
    static void setNextFileName(const QString &fileName);
    // Drops queued answers and the record of requests.
    static void reset();
    static int pendingFileNames();
    // How many dialogs were asked for since the last reset(), and the last of them.
    static int requestCount();
    static Request lastRequest();
};

#endif // ZELFILEDIALOG_H

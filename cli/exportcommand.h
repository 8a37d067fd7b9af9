// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef EXPORTCOMMAND_H
#define EXPORTCOMMAND_H

#include <QString>
#include <QStringList>

#include <functional>

// `lexivane export DATABASE --format FORMAT -o OUT ...`: one exercise file made from a database
// without a window, byte for byte the file the window's export writes for the same sentences, options
// and seed (a PDF file differs only in its creation date). It runs the window's session without a
// window: the session reads the database, draws the sentences at random as Output > Random output
// does (or takes them from a list file) and holds the exercise the export is made from. The database
// is only read, without its lock, unless --count-use asks for the used counts to be written back.
//
// The command line is the program's interface for scripts, so its help and messages are English and
// not translated; the exercise itself is made in the user's language, as the window makes it.
namespace ExportCommand {

// Where the program's data files are (the templates): a path relative to the data folder in, the
// full path out.
using DataPath = std::function<QString(const QString &relative)>;

enum ExitStatus { Success = 0, Failure = 1, UsageError = 2 };

// Runs the command: `arguments` as QCoreApplication::arguments() gives them, the program first and
// "export" second. Help goes to stdout, every message to stderr. Needs a QGuiApplication (the PDF
// writer lays out text), which may run on the offscreen platform.
int run(const QStringList &arguments, const DataPath &dataPath);

QString helpText();

} // namespace ExportCommand

#endif // EXPORTCOMMAND_H

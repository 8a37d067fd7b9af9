// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ZELUTILS_H
#define ZELUTILS_H

#include <QObject>
#include <QString>

#include <functional>

class QLocale;
class QUrl;

// Small desktop helpers shared by the whole program: where the run-time files are, and handing a
// local file to the desktop's default program.
class ZelUtils : public QObject
{
    Q_OBJECT

public:
    explicit ZelUtils(QObject *parent = nullptr);

    // The program's run-time files (icons, help, starter databases, templates) lie beside the
    // executable in a build tree and in ../share/lexivane once installed. Returns the path of
    // `relative` in the first of those that has it, or beside the executable when neither does,
    // so that a message about a missing file names the place it was looked for first.
    static QString dataPath(const QString &relative);

    // The application's identity: organisation and application names (which key the settings
    // store), domain, window icon and version. The program sets it at start; tests that make
    // windows set the same.
    static void setApplicationIdentity();
    // The names alone, for the command line, which shows no window.
    static void setApplicationNames();

    // Installs the program's translation and Qt's own (for the standard buttons and dialogs) for the
    // first of the locale's interface languages that the program is translated into; removes those
    // installed by an earlier call first. English, or the C locale, ahead of any translated language
    // keeps the program's own texts. Returns the interface language whose translation was installed
    // ("de_DE"), or an empty string when none was.
    static QString installTranslations(const QLocale &locale);

    // Opens a local file with the desktop's default program. True when the desktop took the URL;
    // otherwise, with showErrors, a warning box says which file could not be opened.
    static bool openFile(const QString &path, bool showErrors);

    // Shows a local file (a help page) in the web browser. Without a registry of file types there is
    // no browser to look up, and the desktop's default program for the page is the browser.
    static bool openInBrowser(const QString &path, bool showErrors);

    // Everything that leaves the program for the desktop goes through this one function, which
    // tests replace so that no real program is started. An empty function restores the desktop's.
    using UrlOpener = std::function<bool(const QUrl &)>;
    static void setUrlOpener(const UrlOpener &opener);
};

#endif // ZELUTILS_H

// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef WINDOWFIXTURE_H
#define WINDOWFIXTURE_H

#include "support/boxanswerer.h"
#include "support/modalanswerer.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

class MainWindow;

namespace TestUtil {

// What every test of the main window sets up and checks alike. A test class holds one and calls
// initTestCase(), init() and cleanup() from its own slots of those names.
class WindowFixture
{
public:
    // Once per program: the program's name and icons, settings kept below the test's own home even
    // when run by hand, and a desktop opener that only records what it was given in `opened`.
    void initTestCase();
    // Before each test: empty settings, with the first-run set-up and its questions left out unless
    // `firstRun`; a fresh temporary folder; every seam back to the real thing.
    void init(bool firstRun = false);
    // After each test: every box and dialog expected came and no other, no file name is left for a
    // dialog, the busy cursor is off and no window is left showing.
    void cleanup();

    // A new window; shown (and exposed) unless `show` is false. With `database`, that file is read
    // into its database first, unmodified.
    std::unique_ptr<MainWindow> window(bool show = true, const QString &database = QString());

    QString write(const QString &name, const QByteArray &bytes) const;
    QString path(const QString &name) const { return dir->filePath(name); }

    // The answerers for message boxes and other dialogs, made on first use: a test uses one of them.
    BoxAnswerer &boxes();
    ModalAnswerer &dialogs();
    // A fresh answerer for the dialogs to come, once the one before has answered all it was to.
    ModalAnswerer &nextDialogs();
    BoxAnswerer &nextBoxes();

    std::unique_ptr<QTemporaryDir> dir;
    QList<QUrl> opened;

private:
    std::unique_ptr<BoxAnswerer> m_boxes;
    std::unique_ptr<ModalAnswerer> m_dialogs;
};

} // namespace TestUtil

#endif // WINDOWFIXTURE_H

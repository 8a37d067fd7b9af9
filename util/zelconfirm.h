// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ZELCONFIRM_H
#define ZELCONFIRM_H

#include <QCoreApplication>
#include <QString>

#include <functional>

class QMessageBox;

// The one question the program asks before a destructive or doubtful command: a warning box without
// parent, with a title, a text that says what is about to happen, an informative text, the buttons
// Yes and Cancel, and Cancel as default. Anything but Yes means "leave everything as it is".
class ZelConfirm
{
    Q_DECLARE_TR_FUNCTIONS(ZelConfirm)

public:
    // The informative text most questions use.
    static QString defaultInformative();

    // Shows the box and returns true only when the user pressed Yes.
    static bool ask(
        const QString &title, const QString &text, const QString &informative = defaultInformative());

    // Tests replace how the ready-built box is run: the function receives the box (texts, buttons
    // and default already set) and returns the button pressed, as QMessageBox::exec() would. An empty
    // function restores exec().
    using Runner = std::function<int(QMessageBox &box)>;
    static void setRunner(const Runner &runner);
};

#endif // ZELCONFIRM_H

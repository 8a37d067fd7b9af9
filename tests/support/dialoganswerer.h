// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DIALOGANSWERER_H
#define DIALOGANSWERER_H

#include <functional>

class QWidget;

namespace TestUtil {

// Waits (from the event loop) for the next modal dialog to come up and hands it to `answer`, which
// must close it, for instance by clicking one of its buttons. Stops waiting after `timeoutMs` when no
// modal dialog comes up.
void answerNextModal(const std::function<void(QWidget *dialog)> &answer, int timeoutMs = 5000);

} // namespace TestUtil

#endif // DIALOGANSWERER_H

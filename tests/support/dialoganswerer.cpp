// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialoganswerer.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <QWidget>

namespace TestUtil {

namespace {

void poll(const std::function<void(QWidget *)> &answer, QDeadlineTimer deadline)
{
    QWidget *dialog = QApplication::activeModalWidget();
    if (dialog && dialog->isVisible()) {
        answer(dialog);
        return;
    }
    if (deadline.hasExpired())
        return;
    QTimer::singleShot(10, qApp, [answer, deadline] { poll(answer, deadline); });
}

} // namespace

void answerNextModal(const std::function<void(QWidget *dialog)> &answer, int timeoutMs)
{
    QTimer::singleShot(0, qApp, [answer, timeoutMs] { poll(answer, QDeadlineTimer(timeoutMs)); });
}

} // namespace TestUtil

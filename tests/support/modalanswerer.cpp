// SPDX-License-Identifier: GPL-3.0-or-later
#include "modalanswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QProgressDialog>

namespace TestUtil {

ModalAnswerer::ModalAnswerer()
{
    timer.setInterval(5);
    connect(&timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    timer.start();
}

ModalAnswerer::~ModalAnswerer()
{
    timer.stop();
}

ModalAnswerer &ModalAnswerer::then(const Handler &handler)
{
    handlers.append(handler);
    return *this;
}

ModalAnswerer &ModalAnswerer::typeAndAccept(const QString &text)
{
    return then([text](QWidget *dialog) {
        auto *input = qobject_cast<QInputDialog *>(dialog);
        if (!input) {
            if (auto *d = qobject_cast<QDialog *>(dialog))
                d->reject();
            return;
        }
        input->setTextValue(text);
        input->accept();
    });
}

ModalAnswerer &ModalAnswerer::reject()
{
    return then([](QWidget *dialog) {
        if (auto *d = qobject_cast<QDialog *>(dialog))
            d->reject();
        else
            dialog->close();
    });
}

ModalAnswerer &ModalAnswerer::press(int button)
{
    return then([button](QWidget *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        QAbstractButton *b = box ? box->button(QMessageBox::StandardButton(button)) : nullptr;
        if (b)
            b->click();
        else if (auto *d = qobject_cast<QDialog *>(dialog))
            d->reject();
    });
}

QString ModalAnswerer::describe(QWidget *dialog)
{
    if (auto *box = qobject_cast<QMessageBox *>(dialog))
        return box->windowTitle() + QLatin1Char('|') + box->text() + QLatin1Char('|')
            + box->informativeText();
    if (auto *input = qobject_cast<QInputDialog *>(dialog))
        return input->windowTitle() + QLatin1Char('|') + input->labelText();
    return dialog->windowTitle();
}

void ModalAnswerer::poll()
{
    QWidget *dialog = QApplication::activeModalWidget();
    // A progress dialog asks nothing; a test that cancels one does so itself.
    if (!dialog || !dialog->isVisible() || qobject_cast<QProgressDialog *>(dialog))
        return;
    m_seen.append(describe(dialog));
    if (handlers.isEmpty()) {
        m_unexpected.append(describe(dialog));
        if (auto *d = qobject_cast<QDialog *>(dialog))
            d->reject();
        else
            dialog->close();
    } else {
        const Handler handler = handlers.takeFirst();
        handler(dialog);
    }
}

} // namespace TestUtil

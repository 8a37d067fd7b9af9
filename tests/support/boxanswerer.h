// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef BOXANSWERER_H
#define BOXANSWERER_H

#include "support/modalanswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>

#include <functional>

namespace TestUtil {

// Answers the real message boxes a command shows, one queued answer per box, in order, through the
// shared modal answerer, and notes for each box whether the busy cursor was showing while it was open.
class BoxAnswerer
{
public:
    BoxAnswerer &press(QMessageBox::StandardButton button)
    {
        return answer([button](QMessageBox *box) {
            if (QAbstractButton *b = box->button(button))
                b->click();
            else
                box->reject();
        });
    }

    BoxAnswerer &pressText(const QString &text)
    {
        return answer([text](QMessageBox *box) {
            for (QAbstractButton *b : box->buttons()) {
                if (b->text() == text) {
                    b->click();
                    return;
                }
            }
            box->reject();
        });
    }

    BoxAnswerer &escape()
    {
        return answer([](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Escape); });
    }

    int pending() const { return answerer.pending(); }
    // "title|text|informative" of each box.
    QStringList seen() const { return answerer.seen(); }
    QStringList unexpected() const { return answerer.unexpected(); }
    QList<bool> busyDuringBox;

private:
    BoxAnswerer &answer(const std::function<void(QMessageBox *)> &click)
    {
        answerer.then([this, click](QWidget *dialog) {
            busyDuringBox.append(QApplication::overrideCursor() != nullptr);
            if (auto *box = qobject_cast<QMessageBox *>(dialog))
                click(box);
            else if (auto *d = qobject_cast<QDialog *>(dialog))
                d->reject();
        });
        return *this;
    }

    TestUtil::ModalAnswerer answerer;
};

// Runs the window's command slot `slot` as its menu entry would: what it returns, or true for one
// that returns nothing.
bool runCommand(QObject &window, const char *slot);

} // namespace TestUtil

#endif // BOXANSWERER_H

// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/zelfiledialog.h"

#include <QFileDialog>
#include <QQueue>

namespace {

struct Seam
{
    QQueue<QString> answers;
    ZelFileDialog::Request last;
    int count = 0;
};

Seam &seam()
{
    static Seam instance;
    return instance;
}

// Records the request; returns true with `answer` set when a queued answer stands in for the dialog.
bool takeAnswer(ZelFileDialog::Kind kind, const QString &caption, const QString &dir, const QString &filter,
    QString *answer)
{
    Seam &s = seam();
    s.last = ZelFileDialog::Request {kind, caption, dir, filter};
    ++s.count;
    if (s.answers.isEmpty())
        return false;
    *answer = s.answers.dequeue();
    return true;
}

} // namespace

QString ZelFileDialog::getOpenFileName(
    QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    QString answer;
    if (takeAnswer(Open, caption, dir, filter, &answer))
        return answer;
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString ZelFileDialog::getSaveFileName(
    QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    QString answer;
    if (takeAnswer(Save, caption, dir, filter, &answer))
        return answer;
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}

void ZelFileDialog::setNextFileName(const QString &fileName)
{
    seam().answers.enqueue(fileName);
}

void ZelFileDialog::reset()
{
    seam() = Seam();
}

int ZelFileDialog::pendingFileNames()
{
    return int(seam().answers.size());
}

int ZelFileDialog::requestCount()
{
    return seam().count;
}

ZelFileDialog::Request ZelFileDialog::lastRequest()
{
    return seam().last;
}

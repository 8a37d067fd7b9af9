// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/zelconfirm.h"

#include <QMessageBox>

namespace {
ZelConfirm::Runner &runner()
{
    static ZelConfirm::Runner instance;
    return instance;
}
} // namespace

QString ZelConfirm::defaultInformative()
{
    return tr("Are you sure you want to do this?");
}

bool ZelConfirm::ask(const QString &title, const QString &text, const QString &informative)
{
    QMessageBox box;
    box.setObjectName(QStringLiteral("ZelConfirm"));
    box.setWindowTitle(title);
    // Every such question guards a change that cannot be undone, and the icon says so.
    box.setIcon(QMessageBox::Warning);
    box.setText(text);
    box.setInformativeText(informative);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Cancel);
    const int answer = runner() ? runner()(box) : box.exec();
    return answer == QMessageBox::Yes;
}

void ZelConfirm::setRunner(const Runner &newRunner)
{
    runner() = newRunner;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/dlgeditsentence.h"

DlgEditSentence::DlgEditSentence(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("DlgEditSentence"));
}

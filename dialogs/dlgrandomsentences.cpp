// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/dlgrandomsentences.h"

DlgRandomSentences::DlgRandomSentences(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("DlgRandomSentences"));
}

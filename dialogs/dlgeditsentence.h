// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DLGEDITSENTENCE_H
#define DLGEDITSENTENCE_H

#include <QDialog>

// The sentence editor: one sentence with its used count, its brackets checked as it is typed.
class DlgEditSentence : public QDialog
{
    Q_OBJECT

public:
    explicit DlgEditSentence(QWidget *parent = nullptr);
};

#endif // DLGEDITSENTENCE_H

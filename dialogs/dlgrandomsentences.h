// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DLGRANDOMSENTENCES_H
#define DLGRANDOMSENTENCES_H

#include <QDialog>

// The choices for drawing sentences at random into the output list.
class DlgRandomSentences : public QDialog
{
    Q_OBJECT

public:
    explicit DlgRandomSentences(QWidget *parent = nullptr);
};

#endif // DLGRANDOMSENTENCES_H

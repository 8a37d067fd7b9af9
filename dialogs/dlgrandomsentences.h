// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DLGRANDOMSENTENCES_H
#define DLGRANDOMSENTENCES_H

#include "exercise/randomdraw.h"

#include <QDialog>

class QCheckBox;
class QDialogButtonBox;
class QGridLayout;
class QLabel;
class QSpinBox;

// The choices for drawing sentences at random into the output list: how many, whether one headword
// may give several, whether used sentences may come again, and whether to draw only from headwords
// already used. The values live as long as the dialog and are kept in the settings from one run of
// the program to the next.
class DlgRandomSentences : public QDialog
{
    Q_OBJECT

public:
    explicit DlgRandomSentences(QWidget *parent = nullptr);
    ~DlgRandomSentences() override;

    RandomDrawOptions options() const;

private:
    void readSettings();
    void writeSettings() const;

    QGridLayout *grdMain = nullptr;
    QLabel *lblTotalSentences = nullptr;
    QSpinBox *spbTotalSentences = nullptr;
    QCheckBox *chkAllowMultiples = nullptr;
    QLabel *lblAllowMultiples = nullptr;
    QCheckBox *chkIncludeUsed = nullptr;
    QLabel *lblIncludeUsed = nullptr;
    QCheckBox *chkSelectFromUsed = nullptr;
    QLabel *lblSelectFromUsed = nullptr;
    QCheckBox *chkAddToOutput = nullptr;
    QLabel *lblAddToOutput = nullptr;
    QDialogButtonBox *bbxButtons = nullptr;
};

#endif // DLGRANDOMSENTENCES_H

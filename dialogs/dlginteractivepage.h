// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DLGINTERACTIVEPAGE_H
#define DLGINTERACTIVEPAGE_H

#include "exercise/interactivepage.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QRadioButton;
class QSpinBox;
class QVBoxLayout;

// What a self-checking web page asks of the pupil: typed gaps, gaps chosen from the word list, or
// one choice of key words per sentence, and how strictly typed answers are marked. The choices are
// kept in the settings from one export to the next.
class DlgInteractivePage : public QDialog
{
    Q_OBJECT

public:
    explicit DlgInteractivePage(QWidget *parent = nullptr);

    // Drop-down gaps list the word list, so they are offered only when the word list is included.
    void setWordListIncluded(bool included);
    // A SCORM package also asks for the pass mark its score is reported against, which Check it
    // keeps and what a hint costs.
    void setPassMarkShown(bool shown);

    // The choices as shown, and as kept by the last accepted dialog (the defaults before any).
    InteractivePageSettings settings() const;
    static InteractivePageSettings storedSettings();

    void accept() override;

private:
    void updateStates();

    bool wordListIncluded = true;

    QVBoxLayout *layMain = nullptr;
    QGroupBox *grpMode = nullptr;
    QVBoxLayout *layMode = nullptr;
    QRadioButton *rdoGapFill = nullptr;
    QHBoxLayout *layDropDowns = nullptr;
    QCheckBox *chkDropDowns = nullptr;
    QRadioButton *rdoMatching = nullptr;
    QGroupBox *grpMarking = nullptr;
    QVBoxLayout *layMarking = nullptr;
    QCheckBox *chkCaseSensitive = nullptr;
    QCheckBox *chkAccentsRequired = nullptr;
    QCheckBox *chkHints = nullptr;
    QGroupBox *grpPage = nullptr;
    QVBoxLayout *layPage = nullptr;
    QCheckBox *chkShowAnswers = nullptr;
    QCheckBox *chkSameGapWidth = nullptr;
    QCheckBox *chkReadAloud = nullptr;
    QCheckBox *chkListening = nullptr;
    QGroupBox *grpPlatform = nullptr;
    QGridLayout *grdPlatform = nullptr;
    QCheckBox *chkPassMark = nullptr;
    QSpinBox *spbPassMark = nullptr;
    QLabel *lblScoreKept = nullptr;
    QComboBox *cboScoreKept = nullptr;
    QLabel *lblHintPenalty = nullptr;
    QSpinBox *spbHintPenalty = nullptr;
    QDialogButtonBox *bbxButtons = nullptr;
};

#endif // DLGINTERACTIVEPAGE_H

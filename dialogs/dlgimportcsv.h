// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DLGIMPORTCSV_H
#define DLGIMPORTCSV_H

#include "import/lxdimport.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QFormLayout;
class QLabel;
class QTableWidget;
class QVBoxLayout;

// Shows the first rows of a spreadsheet file and lets the teacher say how to read it: the
// separator, which column holds the headwords, which the sentences, and whether the first row only
// names the columns.
class DlgImportCsv : public QDialog
{
    Q_OBJECT

public:
    // `text` is the file decoded, or only its first lines when it is not `whole`: the dialog shows
    // and guesses from those, and the file is read in full only once the teacher has chosen.
    explicit DlgImportCsv(const QString &text, bool whole = true, QWidget *parent = nullptr);

    // The text split with the chosen separator, and the chosen columns.
    LxdImport::Table table() const { return m_table; }
    QChar separator() const;
    LxdImport::CsvColumns columns() const;

    enum { PreviewRows = 8 };

private:
    void readWithSeparator();
    void fillColumnChoices();
    void fillPreview();
    void updateOkButton();

    QString m_text;
    bool m_whole = true;
    LxdImport::Table m_table;

    QVBoxLayout *layMain = nullptr;
    QLabel *lblIntro = nullptr;
    QFormLayout *layChoices = nullptr;
    QComboBox *cboSeparator = nullptr;
    QComboBox *cboHeadword = nullptr;
    QComboBox *cboSentence = nullptr;
    QCheckBox *chkHeader = nullptr;
    QTableWidget *twPreview = nullptr;
    QLabel *lblRows = nullptr;
    QDialogButtonBox *bbxButtons = nullptr;
};

#endif // DLGIMPORTCSV_H

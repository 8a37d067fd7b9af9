// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DLGCHECKSPELLING_H
#define DLGCHECKSPELLING_H

#include "data/spellscan.h"

#include <QDialog>
#include <QFutureWatcher>

#include <memory>

class LxdSession;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;

// Check spelling: every sentence of the database, or every entry of the output list, checked in the
// background on a copy of the texts, with a progress bar and a button to stop. Lists the words the
// dictionary does not know and the words of another spelling variant, each with where it stands; the
// teacher goes to one, replaces it there or everywhere (one step to undo) or adds it to the word list.
class DlgCheckSpelling : public QDialog
{
    Q_OBJECT

public:
    // `checker` is the window's, for the suggestions and the teacher's word list; the check itself
    // makes a checker of its own for the same language.
    DlgCheckSpelling(
        LxdSession *session, const std::shared_ptr<SpellChecker> &checker, QWidget *parent = nullptr);
    ~DlgCheckSpelling() override;

    // Another database, or another language: what was found before no longer holds.
    void setChecker(const std::shared_ptr<SpellChecker> &checker);
    bool isChecking() const;
    // The result shown, for the tests.
    const SpellScanResult &result() const { return m_result; }

public slots:
    void startCheck();
    void stopCheck();

signals:
    // Go to sentence `row` of headword `item`, or to entry `row` of the output list.
    void showSentence(int item, int row);
    void showOutputEntry(int row);

protected:
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void checkFinished();
    void clearResult();
    void showResult();
    void fillOccurrences(QTreeWidgetItem *item);
    void selectionChanged();
    void goTo();
    void replace(bool everywhere);
    void addToDictionary();
    void updateButtons();
    // The entry and the occurrence (-1: all of them) of a list row.
    bool rowTarget(const QTreeWidgetItem *item, int *entry, int *occurrence) const;
    void removeOccurrences(int entry, const QList<int> &occurrences);
    QString sourceText(const SpellSource &source) const;

    LxdSession *m_session;
    std::shared_ptr<SpellChecker> m_checker;
    QList<SpellSource> m_sources; // as they were checked
    QString m_checkedFile; // the database they came from
    SpellScanResult m_result;
    QFutureWatcher<SpellScanResult> m_watcher;
    bool m_checking = false; // from the start of a check until its result is shown

    QLabel *lblDictionary = nullptr;
    QRadioButton *rdbDatabase = nullptr;
    QRadioButton *rdbOutput = nullptr;
    QPushButton *btnCheck = nullptr;
    QProgressBar *prbCheck = nullptr;
    QPushButton *btnStop = nullptr;
    QLabel *lblSummary = nullptr;
    QTreeWidget *twWords = nullptr;
    QLabel *lblReplacement = nullptr;
    QComboBox *cmbReplacement = nullptr;
    QPushButton *btnGoTo = nullptr;
    QPushButton *btnReplaceHere = nullptr;
    QPushButton *btnReplaceAll = nullptr;
    QPushButton *btnAddWord = nullptr;
    QDialogButtonBox *bbxClose = nullptr;
};

#endif // DLGCHECKSPELLING_H

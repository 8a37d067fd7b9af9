// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DLGFINDSENTENCES_H
#define DLGFINDSENTENCES_H

#include "finder/sentencefinder.h"

#include <QDialog>
#include <QFutureWatcher>

#include <atomic>
#include <memory>

class LxdDocument;
class QDialogButtonBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

// Words > Find sentences in a text: the teacher pastes a text or opens a file, the finder proposes
// sentences for the headwords, the teacher ticks and corrects them, and Add puts the ticked ones into
// the database as one step. Reading and searching run on a worker thread; the window stays usable
// and Cancel stops them.
class DlgFindSentences : public QDialog
{
    Q_OBJECT

public:
    // `selected`: the rows of the selected headwords, offered as "Selected headwords". `language`:
    // the database's language, which chooses the word forms.
    DlgFindSentences(LxdDocument *document, const QList<int> &selected,
        const QString &language = QStringLiteral("en"), QWidget *parent = nullptr);
    ~DlgFindSentences() override;

    // Reads the file into the text box in the background.
    void openFile(const QString &fileName);
    // A file is being read or the text searched, or the outcome is not shown yet.
    bool isBusy() const;

public slots:
    void search();
    void cancelWork();
    void addTicked();

private:
    struct Outcome
    {
        bool read = false; // a file was read: `text` is its text
        QString text;
        QString error;
        SentenceFinder::Result result;
    };
    void chooseFile();
    void start(const std::function<Outcome(const std::atomic_bool *, std::atomic_int *)> &job);
    void finished();
    void showResult(const SentenceFinder::Result &result);
    void candidateChanged(QTreeWidgetItem *item, int column);
    void setBusy(bool busy);

    LxdDocument *m_document;
    QList<int> m_selected;
    QString m_language;
    QList<int> m_rows; // the database row of each headword searched for

    QRadioButton *rbAllHeadwords = nullptr;
    QRadioButton *rbSelectedHeadwords = nullptr;
    QLabel *lblText = nullptr;
    QPlainTextEdit *pteText = nullptr;
    QPushButton *btnOpenFile = nullptr;
    QPushButton *btnSearch = nullptr;
    QPushButton *btnCancelSearch = nullptr;
    QProgressBar *pbProgress = nullptr;
    QLabel *lblCandidates = nullptr;
    QTreeWidget *twCandidates = nullptr;
    QLabel *lblStatus = nullptr;
    QDialogButtonBox *bbxButtons = nullptr;
    QPushButton *btnAdd = nullptr;

    QFutureWatcher<Outcome> m_watcher;
    std::shared_ptr<std::atomic_bool> m_cancel;
    std::shared_ptr<std::atomic_int> m_progress;
    QTimer *m_poll = nullptr;
    bool m_busy = false; // from the start of a job until its outcome is shown
};

#endif // DLGFINDSENTENCES_H

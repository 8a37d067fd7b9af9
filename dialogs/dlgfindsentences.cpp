// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/dlgfindsentences.h"

#include "data/brackettext.h"
#include "data/lxddatabase.h"
#include "document/lxddocument.h"
#include "finder/foundsentences.h"
#include "finder/textreader.h"
#include "util/zelhelpclient.h"
#include "util/zelutils.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtConcurrent>

namespace {
const char *const HelpPage = "find_sentences.htm";
// Where a candidate keeps its headword's database row.
constexpr int RowRole = Qt::UserRole + 1;
// The reasons of its score, shown again under a problem of its brackets.
constexpr int ReasonsRole = Qt::UserRole + 2;
} // namespace

DlgFindSentences::DlgFindSentences(
    LxdDocument *document, const QList<int> &selected, const QString &language, QWidget *parent)
    : QDialog(parent)
    , m_document(document)
    , m_selected(selected)
    , m_language(language)
    , m_cancel(std::make_shared<std::atomic_bool>(false))
    , m_progress(std::make_shared<std::atomic_int>(0))
{
    setObjectName(QStringLiteral("DlgFindSentences"));
    setWindowTitle(tr("Find sentences in a text"));
    resize(720, 600);

    rbAllHeadwords = new QRadioButton(tr("&All headwords"), this);
    rbAllHeadwords->setObjectName(QStringLiteral("rbAllHeadwords"));
    rbAllHeadwords->setAccessibleName(tr("All headwords"));
    rbSelectedHeadwords = new QRadioButton(tr("&Selected headwords"), this);
    rbSelectedHeadwords->setObjectName(QStringLiteral("rbSelectedHeadwords"));
    rbSelectedHeadwords->setAccessibleName(tr("Selected headwords"));
    rbSelectedHeadwords->setEnabled(!selected.isEmpty());
    // The list of words always has its current headword selected; only a choice of several is one
    // the teacher made for this search.
    (selected.size() > 1 ? rbSelectedHeadwords : rbAllHeadwords)->setChecked(true);

    pteText = new QPlainTextEdit(this);
    pteText->setObjectName(QStringLiteral("pteText"));
    pteText->setAccessibleName(tr("Text to search"));
    pteText->setPlaceholderText(tr("Paste a text here, or open a file."));
    pteText->setTabChangesFocus(true);
    lblText = new QLabel(tr("&Text:"), this);
    lblText->setObjectName(QStringLiteral("lblText"));
    lblText->setBuddy(pteText);

    btnOpenFile = new QPushButton(tr("&Open file..."), this);
    btnOpenFile->setObjectName(QStringLiteral("btnOpenFile"));
    btnOpenFile->setAccessibleName(tr("Open file"));
    btnSearch = new QPushButton(tr("Searc&h"), this);
    btnSearch->setObjectName(QStringLiteral("btnSearch"));
    btnSearch->setAccessibleName(tr("Search"));
    btnCancelSearch = new QPushButton(tr("&Cancel search"), this);
    btnCancelSearch->setObjectName(QStringLiteral("btnCancelSearch"));
    btnCancelSearch->setAccessibleName(tr("Cancel search"));
    btnCancelSearch->setEnabled(false);
    pbProgress = new QProgressBar(this);
    pbProgress->setObjectName(QStringLiteral("pbProgress"));
    pbProgress->setAccessibleName(tr("Progress"));
    pbProgress->setRange(0, 100);
    pbProgress->setValue(0);

    twCandidates = new QTreeWidget(this);
    twCandidates->setObjectName(QStringLiteral("twCandidates"));
    twCandidates->setAccessibleName(tr("Sentences found"));
    twCandidates->setColumnCount(2);
    twCandidates->setHeaderLabels({tr("Sentence"), tr("Score")});
    twCandidates->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    twCandidates->header()->setStretchLastSection(false);
    twCandidates->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
        | QAbstractItemView::SelectedClicked);
    lblCandidates = new QLabel(
        tr("Sentences &found (tick the ones to add; double-click to change the brackets):"), this);
    lblCandidates->setObjectName(QStringLiteral("lblCandidates"));
    lblCandidates->setBuddy(twCandidates);
    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setAccessibleName(tr("Status"));
    lblStatus->setWordWrap(true);

    bbxButtons = new QDialogButtonBox(QDialogButtonBox::Close | QDialogButtonBox::Help, Qt::Horizontal, this);
    bbxButtons->setObjectName(QStringLiteral("bbxButtons"));
    btnAdd = bbxButtons->addButton(tr("&Add"), QDialogButtonBox::ActionRole);
    btnAdd->setObjectName(QStringLiteral("btnAdd"));
    btnAdd->setAccessibleName(tr("Add the ticked sentences"));
    btnAdd->setEnabled(false);
    bbxButtons->button(QDialogButtonBox::Close)->setAccessibleName(tr("Close"));
    bbxButtons->button(QDialogButtonBox::Help)->setAccessibleName(tr("Help"));
    connect(bbxButtons, &QDialogButtonBox::helpRequested, this, [] {
        ZelUtils::openInBrowser(ZelUtils::dataPath(QLatin1String("help/") + QLatin1String(HelpPage)), true);
    });

    auto *grid = new QGridLayout(this);
    grid->setObjectName(QStringLiteral("grdMain"));
    auto *choice = new QHBoxLayout;
    choice->addWidget(rbAllHeadwords);
    choice->addWidget(rbSelectedHeadwords);
    choice->addStretch();
    choice->addWidget(btnOpenFile);
    grid->addLayout(choice, 0, 0, 1, 2);
    grid->addWidget(lblText, 1, 0, 1, 2);
    grid->addWidget(pteText, 2, 0, 1, 2);
    auto *run = new QHBoxLayout;
    run->addWidget(btnSearch);
    run->addWidget(btnCancelSearch);
    run->addWidget(pbProgress, 1);
    grid->addLayout(run, 3, 0, 1, 2);
    grid->addWidget(lblCandidates, 4, 0, 1, 2);
    grid->addWidget(twCandidates, 5, 0, 1, 2);
    grid->addWidget(lblStatus, 6, 0, 1, 2);
    grid->addWidget(bbxButtons, 7, 0, 1, 2);
    grid->setRowStretch(2, 1);
    grid->setRowStretch(5, 2);

    m_poll = new QTimer(this);
    m_poll->setInterval(100);
    connect(m_poll, &QTimer::timeout, this, [this] { pbProgress->setValue(m_progress->load()); });
    connect(&m_watcher, &QFutureWatcherBase::finished, this, &DlgFindSentences::finished);
    connect(btnOpenFile, &QPushButton::clicked, this, &DlgFindSentences::chooseFile);
    connect(btnSearch, &QPushButton::clicked, this, &DlgFindSentences::search);
    connect(btnCancelSearch, &QPushButton::clicked, this, &DlgFindSentences::cancelWork);
    connect(btnAdd, &QPushButton::clicked, this, &DlgFindSentences::addTicked);
    connect(bbxButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(twCandidates, &QTreeWidget::itemChanged, this, &DlgFindSentences::candidateChanged);

    // F1 anywhere in the dialog opens the page that explains it.
    auto *helpClient = new ZelHelpClient(this);
    helpClient->setObjectName(QStringLiteral("helpClient"));
    helpClient->setHelpPageForAll(this, QLatin1String(HelpPage));
}

DlgFindSentences::~DlgFindSentences()
{
    m_cancel->store(true);
    m_watcher.waitForFinished();
}

bool DlgFindSentences::isBusy() const
{
    return m_busy;
}

void DlgFindSentences::setBusy(bool busy)
{
    m_busy = busy;
    btnSearch->setEnabled(!busy);
    btnOpenFile->setEnabled(!busy);
    btnCancelSearch->setEnabled(busy);
    btnAdd->setEnabled(!busy && twCandidates->topLevelItemCount() > 0);
    if (busy) {
        pbProgress->setValue(0);
        m_poll->start();
    } else {
        m_poll->stop();
    }
}

void DlgFindSentences::start(const std::function<Outcome(const std::atomic_bool *, std::atomic_int *)> &job)
{
    if (isBusy())
        return;
    m_cancel = std::make_shared<std::atomic_bool>(false);
    m_progress = std::make_shared<std::atomic_int>(0);
    setBusy(true);
    // The worker holds its own references: the flags outlive the dialog if it has to.
    const auto cancel = m_cancel;
    const auto progress = m_progress;
    m_watcher.setFuture(
        QtConcurrent::run([job, cancel, progress] { return job(cancel.get(), progress.get()); }));
}

void DlgFindSentences::chooseFile()
{
    const QString fileName
        = QFileDialog::getOpenFileName(this, tr("Open a text"), QString(), TextReader::nameFilter());
    if (!fileName.isEmpty())
        openFile(fileName);
}

void DlgFindSentences::openFile(const QString &fileName)
{
    lblStatus->setText(tr("Reading %1...").arg(QFileInfo(fileName).fileName()));
    start([fileName](const std::atomic_bool *cancel, std::atomic_int *progress) {
        Outcome outcome;
        outcome.read = true;
        outcome.text = TextReader::read(fileName, &outcome.error, cancel, progress);
        return outcome;
    });
}

void DlgFindSentences::search()
{
    const LxdDatabase *db = m_document->database();
    QStringList headwords;
    m_rows.clear();
    const QList<int> rows = rbSelectedHeadwords->isChecked() ? m_selected : QList<int>();
    for (int row = 0; row < db->itemCount(); ++row) {
        if (rbSelectedHeadwords->isChecked() && !rows.contains(row))
            continue;
        m_rows.append(row);
        headwords.append(db->headword(row));
    }
    SentenceFinder::Options options;
    options.language = m_language;
    options.knownSentences = FoundSentences::sentencesOf(db);
    options.knownWords = FoundSentences::wordsOf(db);
    const QString text = pteText->toPlainText();
    lblStatus->setText(tr("Searching..."));
    start([text, headwords, options](const std::atomic_bool *cancel, std::atomic_int *progress) {
        Outcome outcome;
        outcome.result = SentenceFinder::find(
            text, headwords, options, cancel, [progress](int p) { progress->store(p); });
        return outcome;
    });
}

void DlgFindSentences::cancelWork()
{
    m_cancel->store(true);
}

void DlgFindSentences::finished()
{
    const Outcome outcome = m_watcher.result();
    setBusy(false);
    pbProgress->setValue(m_cancel->load() ? 0 : 100);
    if (outcome.read) {
        if (!outcome.error.isEmpty()) {
            lblStatus->setText(outcome.error);
            QMessageBox::warning(this, windowTitle(), outcome.error);
        } else if (m_cancel->load()) {
            lblStatus->setText(tr("Reading cancelled."));
        } else {
            pteText->setPlainText(outcome.text);
            lblStatus->setText(tr("The text is read. Press Search."));
        }
        return;
    }
    if (outcome.result.cancelled) {
        lblStatus->setText(tr("Search cancelled."));
        return;
    }
    showResult(outcome.result);
}

void DlgFindSentences::showResult(const SentenceFinder::Result &result)
{
    const QSignalBlocker blocker(twCandidates);
    twCandidates->clear();
    QTreeWidgetItem *parent = nullptr;
    int last = -1;
    for (const SentenceFinder::Candidate &c : result.candidates) {
        if (c.headword != last) {
            last = c.headword;
            parent
                = new QTreeWidgetItem(twCandidates, {m_document->database()->headword(m_rows[c.headword])});
            parent->setFlags(Qt::ItemIsEnabled);
            parent->setExpanded(true);
        }
        auto *item = new QTreeWidgetItem(parent, {c.bracketed, QString::number(c.score)});
        item->setFlags(
            Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsUserCheckable);
        item->setCheckState(0, Qt::Unchecked);
        item->setData(0, RowRole, m_rows[c.headword]);
        item->setData(0, ReasonsRole, c.reasons.join(u'\n'));
        item->setToolTip(0, c.reasons.join(u'\n'));
        item->setToolTip(1, c.reasons.join(u'\n'));
    }
    btnAdd->setEnabled(twCandidates->topLevelItemCount() > 0);
    lblStatus->setText(tr("Sentences found: %1, for %2 headwords, in a text of %3 sentences. Left out as the "
                          "database has them: %4.")
                           .arg(result.candidates.size())
                           .arg(twCandidates->topLevelItemCount())
                           .arg(result.sentences)
                           .arg(result.known));
}

// A changed bracketing is checked as the sentence editor checks it; the problem shows in the tooltip.
void DlgFindSentences::candidateChanged(QTreeWidgetItem *item, int column)
{
    if (column != 0 || !item->parent())
        return;
    const QString text = item->text(0);
    QStringList problems;
    const int status = BracketText::status(text);
    if (status == BracketText::NoKeyWord)
        problems << tr("No gapped word.");
    else if (status == BracketText::Unmatched)
        problems << tr("Unmatched brackets!");
    problems += BracketText::problemTexts(text);
    const QString reasons = item->data(0, ReasonsRole).toString();
    const QString tip
        = problems.isEmpty() ? reasons : problems.join(u'\n') + QStringLiteral("\n\n") + reasons;
    const QSignalBlocker blocker(twCandidates);
    item->setToolTip(0, tip);
    item->setForeground(0, BracketText::complete(status) ? palette().text() : QBrush(Qt::red));
}

void DlgFindSentences::addTicked()
{
    QList<FoundSentences::Entry> entries;
    for (int i = 0; i < twCandidates->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *parent = twCandidates->topLevelItem(i);
        for (int k = 0; k < parent->childCount(); ++k) {
            const QTreeWidgetItem *item = parent->child(k);
            if (item->checkState(0) == Qt::Checked)
                entries.append({item->data(0, RowRole).toInt(), item->text(0)});
        }
    }
    if (entries.isEmpty()) {
        lblStatus->setText(tr("No sentence is ticked."));
        return;
    }
    const FoundSentences::Outcome outcome
        = FoundSentences::add(m_document, entries, tr("Add Found Sentences"));
    // What was added is in the database now: take it out of the list.
    const QSignalBlocker blocker(twCandidates);
    for (int i = twCandidates->topLevelItemCount() - 1; i >= 0; --i) {
        QTreeWidgetItem *parent = twCandidates->topLevelItem(i);
        for (int k = parent->childCount() - 1; k >= 0; --k) {
            QTreeWidgetItem *item = parent->child(k);
            for (const FoundSentences::Entry &e : outcome.added) {
                if (item->checkState(0) == Qt::Checked && e.headword == item->data(0, RowRole).toInt()
                    && e.text == item->text(0)) {
                    delete item;
                    break;
                }
            }
        }
        if (parent->childCount() == 0)
            delete parent;
    }
    QString report = tr("Sentences added: %1.").arg(outcome.added.size());
    for (int i = 0; i < outcome.skipped.size(); ++i)
        report += u'\n' + tr("Skipped: %1 (%2)").arg(outcome.skipped[i].text, outcome.reasons[i]);
    lblStatus->setText(report);
    btnAdd->setEnabled(twCandidates->topLevelItemCount() > 0);
}

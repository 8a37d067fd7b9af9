// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/dlgcheckspelling.h"

#include "data/languagetag.h"
#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdsentence.h"
#include "document/lxddocument.h"
#include "document/lxdsession.h"
#include "util/zelhelpclient.h"
#include "util/zelutils.h"

#include "data/brackettext.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>

namespace {

constexpr int EntryRole = Qt::UserRole;
constexpr int OccurrenceRole = Qt::UserRole + 1;
// The places of one word listed at most; a word found more often is replaced everywhere all the same.
constexpr int ListedPlaces = 200;
const char *const HelpPage = "spelling.htm";

} // namespace

DlgCheckSpelling::DlgCheckSpelling(
    LxdSession *session, const std::shared_ptr<SpellChecker> &checker, QWidget *parent)
    : QDialog(parent)
    , m_session(session)
    , m_checker(checker)
{
    setObjectName(QStringLiteral("DlgCheckSpelling"));
    setWindowTitle(tr("Check spelling"));
    auto *layout = new QVBoxLayout(this);

    lblDictionary = new QLabel(this);
    lblDictionary->setObjectName(QStringLiteral("lblDictionary"));
    lblDictionary->setWordWrap(true);
    layout->addWidget(lblDictionary);

    auto *layWhat = new QHBoxLayout;
    rdbDatabase = new QRadioButton(tr("The whole database"), this);
    rdbDatabase->setObjectName(QStringLiteral("rdbDatabase"));
    rdbDatabase->setChecked(true);
    rdbOutput = new QRadioButton(tr("The output list"), this);
    rdbOutput->setObjectName(QStringLiteral("rdbOutput"));
    btnCheck = new QPushButton(tr("Check"), this);
    btnCheck->setObjectName(QStringLiteral("btnCheck"));
    layWhat->addWidget(rdbDatabase);
    layWhat->addWidget(rdbOutput);
    layWhat->addStretch(1);
    layWhat->addWidget(btnCheck);
    layout->addLayout(layWhat);

    auto *layProgress = new QHBoxLayout;
    prbCheck = new QProgressBar(this);
    prbCheck->setObjectName(QStringLiteral("prbCheck"));
    prbCheck->setAccessibleName(tr("Progress of the check"));
    btnStop = new QPushButton(tr("Stop"), this);
    btnStop->setObjectName(QStringLiteral("btnStop"));
    layProgress->addWidget(prbCheck, 1);
    layProgress->addWidget(btnStop);
    layout->addLayout(layProgress);

    lblSummary = new QLabel(this);
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    lblSummary->setWordWrap(true);
    layout->addWidget(lblSummary);

    twWords = new QTreeWidget(this);
    twWords->setObjectName(QStringLiteral("twWords"));
    twWords->setAccessibleName(tr("Words found"));
    twWords->setHeaderLabels({tr("Word"), tr("Kind"), tr("Headword"), tr("Sentence")});
    twWords->setUniformRowHeights(true);
    twWords->header()->setSectionResizeMode(3, QHeaderView::Stretch);
    twWords->header()->setStretchLastSection(true);
    layout->addWidget(twWords, 1);

    auto *grdActions = new QGridLayout;
    lblReplacement = new QLabel(tr("Replace with:"), this);
    lblReplacement->setObjectName(QStringLiteral("lblReplacement"));
    cmbReplacement = new QComboBox(this);
    cmbReplacement->setObjectName(QStringLiteral("cmbReplacement"));
    cmbReplacement->setEditable(true);
    cmbReplacement->setInsertPolicy(QComboBox::NoInsert);
    lblReplacement->setBuddy(cmbReplacement);
    // The focus goes to the box's own line field, which the label does not name.
    cmbReplacement->lineEdit()->setAccessibleName(lblReplacement->text().remove(QLatin1Char(':')).trimmed());
    btnReplaceHere = new QPushButton(tr("Replace here"), this);
    btnReplaceHere->setObjectName(QStringLiteral("btnReplaceHere"));
    btnReplaceAll = new QPushButton(tr("Replace everywhere"), this);
    btnReplaceAll->setObjectName(QStringLiteral("btnReplaceAll"));
    btnGoTo = new QPushButton(tr("Go to"), this);
    btnGoTo->setObjectName(QStringLiteral("btnGoTo"));
    btnAddWord = new QPushButton(tr("Add to dictionary"), this);
    btnAddWord->setObjectName(QStringLiteral("btnAddWord"));
    grdActions->addWidget(lblReplacement, 0, 0);
    grdActions->addWidget(cmbReplacement, 0, 1);
    grdActions->addWidget(btnReplaceHere, 0, 2);
    grdActions->addWidget(btnReplaceAll, 0, 3);
    grdActions->addWidget(btnGoTo, 1, 2);
    grdActions->addWidget(btnAddWord, 1, 3);
    grdActions->setColumnStretch(1, 1);
    layout->addLayout(grdActions);

    bbxClose = new QDialogButtonBox(QDialogButtonBox::Close | QDialogButtonBox::Help, this);
    bbxClose->setObjectName(QStringLiteral("bbxClose"));
    layout->addWidget(bbxClose);

    connect(btnCheck, &QPushButton::clicked, this, &DlgCheckSpelling::startCheck);
    connect(btnStop, &QPushButton::clicked, this, &DlgCheckSpelling::stopCheck);
    connect(bbxClose, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(bbxClose, &QDialogButtonBox::helpRequested, this, [] {
        ZelUtils::openInBrowser(ZelUtils::dataPath(QLatin1String("help/") + QLatin1String(HelpPage)), true);
    });
    connect(&m_watcher, &QFutureWatcher<SpellScanResult>::progressRangeChanged, prbCheck,
        &QProgressBar::setRange);
    connect(&m_watcher, &QFutureWatcher<SpellScanResult>::progressValueChanged, prbCheck,
        &QProgressBar::setValue);
    connect(&m_watcher, &QFutureWatcher<SpellScanResult>::finished, this, &DlgCheckSpelling::checkFinished);
    connect(twWords, &QTreeWidget::itemExpanded, this, &DlgCheckSpelling::fillOccurrences);
    connect(twWords, &QTreeWidget::itemSelectionChanged, this, &DlgCheckSpelling::selectionChanged);
    connect(twWords, &QTreeWidget::itemActivated, this, &DlgCheckSpelling::goTo);
    connect(btnGoTo, &QPushButton::clicked, this, &DlgCheckSpelling::goTo);
    connect(btnReplaceHere, &QPushButton::clicked, this, [this] { replace(false); });
    connect(btnReplaceAll, &QPushButton::clicked, this, [this] { replace(true); });
    connect(btnAddWord, &QPushButton::clicked, this, &DlgCheckSpelling::addToDictionary);
    connect(cmbReplacement, &QComboBox::editTextChanged, this, &DlgCheckSpelling::updateButtons);
    // What was found in one database says nothing of the next one opened.
    connect(m_session, &LxdSession::fileNamed, this, [this](const QString &fileName) {
        if (fileName != m_checkedFile)
            clearResult();
    });

    // F1 anywhere in the dialog opens the page that explains it.
    auto *helpClient = new ZelHelpClient(this);
    helpClient->setObjectName(QStringLiteral("helpClient"));
    helpClient->setHelpPageForAll(this, QLatin1String(HelpPage));

    setChecker(checker);
    resize(760, 520);
}

DlgCheckSpelling::~DlgCheckSpelling()
{
    // The check works on its own copy of the texts; it only has to be stopped.
    m_watcher.cancel();
    m_watcher.waitForFinished();
}

void DlgCheckSpelling::setChecker(const std::shared_ptr<SpellChecker> &checker)
{
    if (checker != m_checker) {
        m_checker = checker;
        clearResult();
    }
    const QString missing = m_checker ? m_checker->missingMessage() : QString();
    if (!missing.isEmpty())
        lblDictionary->setText(missing);
    else if (m_checker)
        lblDictionary->setText(tr("Dictionary: %1 (%2)")
                                   .arg(LanguageTag::nativeName(m_checker->language()),
                                       QDir::toNativeSeparators(m_checker->dictionaryFile())));
    updateButtons();
}

void DlgCheckSpelling::clearResult()
{
    stopCheck();
    m_result = SpellScanResult();
    m_sources.clear();
    twWords->clear();
    lblSummary->clear();
    prbCheck->reset();
    cmbReplacement->clear();
}

bool DlgCheckSpelling::isChecking() const
{
    return m_checking;
}

void DlgCheckSpelling::startCheck()
{
    if (!m_checker || !m_checker->isReady() || isChecking())
        return;
    // A copy of the texts as they are now: the teacher can go on editing while the check runs.
    m_sources.clear();
    if (rdbOutput->isChecked()) {
        const QStringList &entries = m_session->output()->entries();
        m_sources.reserve(entries.size());
        for (int row = 0; row < entries.size(); ++row)
            m_sources.append({-1, row, entries.at(row)});
    } else {
        m_sources = SpellScan::databaseSources(*m_session->database());
    }
    m_checkedFile = m_session->fileName();
    m_result = SpellScanResult();
    twWords->clear();
    lblSummary->setText(tr("Checking %1 texts...").arg(m_sources.size()));
    prbCheck->setRange(0, int(m_sources.size()));
    prbCheck->setValue(0);
    m_checking = true;
    m_watcher.setFuture(SpellScan::start(m_checker->language(), m_sources));
    updateButtons();
}

void DlgCheckSpelling::stopCheck()
{
    if (isChecking())
        m_watcher.cancel();
}

void DlgCheckSpelling::closeEvent(QCloseEvent *event)
{
    stopCheck();
    QDialog::closeEvent(event);
}

void DlgCheckSpelling::hideEvent(QHideEvent *event)
{
    // Closed with its button or Escape: nobody waits for the result any more.
    stopCheck();
    QDialog::hideEvent(event);
}

void DlgCheckSpelling::checkFinished()
{
    m_checking = false;
    const QFuture<SpellScanResult> future = m_watcher.future();
    if (future.isCanceled() || future.resultCount() == 0) {
        lblSummary->setText(tr("The check was stopped."));
        m_sources.clear();
        updateButtons();
        return;
    }
    m_result = future.result();
    prbCheck->setValue(prbCheck->maximum());
    showResult();
}

void DlgCheckSpelling::showResult()
{
    twWords->clear();
    int unknown = 0;
    int variants = 0;
    QList<QTreeWidgetItem *> rows;
    for (int e = 0; e < m_result.entries.size(); ++e) {
        const SpellScanEntry &entry = m_result.entries.at(e);
        if (entry.occurrences.isEmpty())
            continue;
        auto *row = new QTreeWidgetItem;
        row->setText(0, entry.word);
        if (entry.verdict == SpellChecker::Variant) {
            ++variants;
            row->setText(1, tr("%1 spelling").arg(LanguageTag::nativeName(entry.variant)));
        } else {
            ++unknown;
            row->setText(1, tr("Not in the dictionary"));
        }
        row->setText(2, tr("Found: %1").arg(entry.occurrences.size()));
        row->setData(0, EntryRole, e);
        row->setData(0, OccurrenceRole, -1);
        row->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
        rows.append(row);
    }
    twWords->addTopLevelItems(rows);
    twWords->resizeColumnToContents(0);
    twWords->resizeColumnToContents(1);
    lblSummary->setText(unknown + variants == 0
            ? tr("No spelling mistakes found in %1 texts.").arg(m_sources.size())
            : tr("%1 texts checked. Words not in the dictionary: %2; words of another spelling: %3.")
                  .arg(m_sources.size())
                  .arg(unknown)
                  .arg(variants));
    if (!rows.isEmpty())
        twWords->setCurrentItem(rows.first());
    updateButtons();
}

QString DlgCheckSpelling::sourceText(const SpellSource &source) const
{
    if (source.item < 0)
        return m_session->output()->entries().value(source.row);
    const LxdSentence *sentence = m_session->database()->sentenceAt(source.item, source.row);
    return sentence ? sentence->text() : QString();
}

void DlgCheckSpelling::fillOccurrences(QTreeWidgetItem *row)
{
    if (row->parent() || row->childCount() > 0)
        return;
    const int e = row->data(0, EntryRole).toInt();
    const SpellScanEntry &entry = m_result.entries.at(e);
    QList<QTreeWidgetItem *> places;
    for (int k = 0; k < entry.occurrences.size() && places.size() < ListedPlaces; ++k) {
        const SpellOccurrence &occurrence = entry.occurrences.at(k);
        if (occurrence.length == 0)
            continue; // replaced already
        const SpellSource &source = m_sources.at(occurrence.source);
        auto *place = new QTreeWidgetItem;
        place->setText(0, entry.word);
        place->setText(2, source.item < 0 ? tr("Output list") : m_session->database()->headword(source.item));
        place->setText(3, source.text);
        place->setToolTip(3, source.text);
        place->setData(0, EntryRole, e);
        place->setData(0, OccurrenceRole, k);
        places.append(place);
    }
    row->addChildren(places);
}

bool DlgCheckSpelling::rowTarget(const QTreeWidgetItem *item, int *entry, int *occurrence) const
{
    if (!item)
        return false;
    *entry = item->data(0, EntryRole).toInt();
    *occurrence = item->data(0, OccurrenceRole).toInt();
    return *entry >= 0 && *entry < m_result.entries.size();
}

void DlgCheckSpelling::selectionChanged()
{
    int e = -1;
    int k = -1;
    cmbReplacement->clear();
    if (rowTarget(twWords->currentItem(), &e, &k) && m_checker) {
        const SpellScanEntry &entry = m_result.entries.at(e);
        QStringList choices = m_checker->suggestions(entry.word);
        cmbReplacement->addItems(choices);
        cmbReplacement->setEditText(choices.value(0));
    }
    updateButtons();
}

void DlgCheckSpelling::updateButtons()
{
    const bool ready = m_checker && m_checker->isReady();
    const bool checking = isChecking();
    btnCheck->setEnabled(ready && !checking);
    rdbDatabase->setEnabled(!checking);
    rdbOutput->setEnabled(!checking);
    btnStop->setEnabled(checking);
    int e = -1;
    int k = -1;
    const bool row = !checking && rowTarget(twWords->currentItem(), &e, &k);
    const bool replacement = !cmbReplacement->currentText().trimmed().isEmpty();
    btnGoTo->setEnabled(row);
    btnAddWord->setEnabled(row);
    btnReplaceHere->setEnabled(row && k >= 0 && replacement);
    btnReplaceAll->setEnabled(row && replacement);
}

void DlgCheckSpelling::goTo()
{
    int e = -1;
    int k = -1;
    if (!rowTarget(twWords->currentItem(), &e, &k))
        return;
    const SpellScanEntry &entry = m_result.entries.at(e);
    if (k < 0) {
        // The word itself: its first place not yet replaced.
        for (k = 0; k < entry.occurrences.size() && entry.occurrences.at(k).length == 0; ++k) { }
        if (k >= entry.occurrences.size())
            return;
    }
    const SpellSource &source = m_sources.at(entry.occurrences.at(k).source);
    if (source.item < 0)
        emit showOutputEntry(source.row);
    else
        emit showSentence(source.item, source.row);
}

void DlgCheckSpelling::replace(bool everywhere)
{
    int e = -1;
    int k = -1;
    if (!rowTarget(twWords->currentItem(), &e, &k) || (!everywhere && k < 0))
        return;
    const QString replacement = cmbReplacement->currentText().trimmed();
    if (replacement.isEmpty())
        return;
    const SpellScanEntry entry = m_result.entries.at(e);
    // The places to change, by text.
    QMap<int, QList<int>> places; // source -> positions
    QList<int> taken;
    for (int o = 0; o < entry.occurrences.size(); ++o) {
        const SpellOccurrence &occurrence = entry.occurrences.at(o);
        if (occurrence.length == 0 || (!everywhere && o != k))
            continue;
        places[occurrence.source].append(occurrence.position);
        taken.append(o);
    }
    QList<LxdTextChange> sentences;
    QList<QPair<int, QString>> entries;
    int skipped = 0;
    for (auto it = places.cbegin(); it != places.cend(); ++it) {
        const SpellSource &source = m_sources.at(it.key());
        const QString now = sourceText(source);
        const QString changed = SpellScan::replaced(now, entry.word, it.value(), replacement);
        if (changed == now) {
            ++skipped; // edited since the check
            continue;
        }
        if (source.item < 0)
            entries.append({source.row, changed});
        else
            sentences.append({source.item, source.row, changed});
        // The words after a replaced one moved along.
        const int delta = int(BracketText::escaped(replacement).size() - entry.word.size());
        for (SpellScanEntry &other : m_result.entries) {
            for (SpellOccurrence &occurrence : other.occurrences) {
                if (occurrence.source != it.key())
                    continue;
                int shift = 0;
                for (int position : it.value())
                    shift += position < occurrence.position ? delta : 0;
                occurrence.position += shift;
            }
        }
    }
    const QString step = tr("Replace \"%1\"").arg(entry.word);
    if (!sentences.isEmpty())
        m_session->document()->replaceSentenceTexts(sentences, step);
    if (!entries.isEmpty())
        m_session->replaceOutput(entries, step);
    removeOccurrences(e, taken);
    if (skipped > 0)
        lblSummary->setText(
            tr("%1 texts were changed since the check and were left as they are.").arg(skipped));
}

void DlgCheckSpelling::removeOccurrences(int e, const QList<int> &occurrences)
{
    SpellScanEntry &entry = m_result.entries[e];
    for (int o : occurrences)
        entry.occurrences[o].length = 0;
    const qsizetype left = std::count_if(entry.occurrences.cbegin(), entry.occurrences.cend(),
        [](const SpellOccurrence &occurrence) { return occurrence.length > 0; });
    for (int t = 0; t < twWords->topLevelItemCount(); ++t) {
        QTreeWidgetItem *row = twWords->topLevelItem(t);
        if (row->data(0, EntryRole).toInt() != e)
            continue;
        if (left == 0) {
            entry.occurrences.clear();
            delete twWords->takeTopLevelItem(t);
        } else {
            row->setText(2, tr("Found: %1").arg(left));
            for (int c = row->childCount() - 1; c >= 0; --c) {
                if (occurrences.contains(row->child(c)->data(0, OccurrenceRole).toInt()))
                    delete row->takeChild(c);
            }
        }
        break;
    }
    updateButtons();
}

void DlgCheckSpelling::addToDictionary()
{
    int e = -1;
    int k = -1;
    if (!rowTarget(twWords->currentItem(), &e, &k) || !m_checker)
        return;
    const QString word = m_result.entries.at(e).word;
    QString error;
    if (!m_checker->addToPersonal(word, &error)) {
        QMessageBox::warning(this, tr("Word not added"),
            tr("The word \"%1\" could not be added to your word list %2:\n%3")
                .arg(word, QDir::toNativeSeparators(SpellChecker::personalFile(m_checker->language())),
                    error));
        return;
    }
    QList<int> all(m_result.entries.at(e).occurrences.size());
    std::iota(all.begin(), all.end(), 0);
    removeOccurrences(e, all);
}

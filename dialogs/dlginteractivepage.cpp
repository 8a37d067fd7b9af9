// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/dlginteractivepage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
const char SettingsGroup[] = "dlgInteractivePage";

template<typename Widget>
Widget *newWidget(QWidget *parent, const char *name, const QString &text)
{
    auto *widget = new Widget(text, parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QVBoxLayout *newLayout(QWidget *parent, const char *name)
{
    auto *layout = new QVBoxLayout(parent);
    layout->setObjectName(QLatin1String(name));
    return layout;
}
} // namespace

DlgInteractivePage::DlgInteractivePage(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("DlgInteractivePage"));
    setWindowTitle(tr("Interactive web page"));

    grpMode = newWidget<QGroupBox>(this, "grpMode", tr("What the pupil does"));
    rdoGapFill = newWidget<QRadioButton>(grpMode, "rdoGapFill", tr("&Gap-fill: type each missing word"));
    chkDropDowns = newWidget<QCheckBox>(
        grpMode, "chkDropDowns", tr("Choose the words from &drop-down lists of the word list"));
    rdoMatching = newWidget<QRadioButton>(
        grpMode, "rdoMatching", tr("&Matching: choose the missing words of each sentence from a list"));
    layDropDowns = new QHBoxLayout;
    layDropDowns->setObjectName(QStringLiteral("layDropDowns"));
    layDropDowns->addSpacing(24); // indented under the gap-fill choice it belongs to
    layDropDowns->addWidget(chkDropDowns);
    layMode = newLayout(grpMode, "layMode");
    layMode->addWidget(rdoGapFill);
    layMode->addLayout(layDropDowns);
    layMode->addWidget(rdoMatching);

    grpMarking = newWidget<QGroupBox>(this, "grpMarking", tr("Marking typed answers"));
    chkCaseSensitive
        = newWidget<QCheckBox>(grpMarking, "chkCaseSensitive", tr("&Capitals must match (case-sensitive)"));
    chkAccentsRequired = newWidget<QCheckBox>(grpMarking, "chkAccentsRequired", tr("&Accents must be typed"));
    chkHints = newWidget<QCheckBox>(grpMarking, "chkHints", tr("&Hint button that gives the next letter"));
    layMarking = newLayout(grpMarking, "layMarking");
    layMarking->addWidget(chkCaseSensitive);
    layMarking->addWidget(chkAccentsRequired);
    layMarking->addWidget(chkHints);

    grpPage = newWidget<QGroupBox>(this, "grpPage", tr("The page"));
    chkShowAnswers = newWidget<QCheckBox>(grpPage, "chkShowAnswers", tr("A \"Show answers\" &button"));
    chkSameGapWidth = newWidget<QCheckBox>(
        grpPage, "chkSameGapWidth", tr("All gaps of &one width, so that their length gives nothing away"));
    layPage = newLayout(grpPage, "layPage");
    layPage->addWidget(chkShowAnswers);
    chkReadAloud = newWidget<QCheckBox>(
        grpPage, "chkReadAloud", tr("A button that reads each sentence a&loud in the browser's voice"));
    chkListening = newWidget<QCheckBox>(
        grpPage, "chkListening", tr("Li&stening: each sentence appears only once the pupil has heard it"));
    chkListening->setToolTip(tr("The sentence is read with its missing words, and the pupil types what "
                                "they heard. Needs a browser with a voice for the exercise's language."));
    layPage->addWidget(chkSameGapWidth);
    layPage->addWidget(chkReadAloud);
    layPage->addWidget(chkListening);

    grpPlatform = newWidget<QGroupBox>(this, "grpPlatform", tr("Learning platform"));
    chkPassMark = newWidget<QCheckBox>(grpPlatform, "chkPassMark", tr("&Pass mark:"));
    chkPassMark->setToolTip(tr("Without a pass mark the platform records the exercise as completed."));
    spbPassMark = new QSpinBox(grpPlatform);
    spbPassMark->setObjectName(QStringLiteral("spbPassMark"));
    spbPassMark->setRange(0, 100);
    spbPassMark->setSuffix(QStringLiteral(" %"));
    spbPassMark->setAccessibleName(tr("Pass mark"));
    lblScoreKept = newWidget<QLabel>(grpPlatform, "lblScoreKept", tr("Score &recorded:"));
    cboScoreKept = new QComboBox(grpPlatform);
    cboScoreKept->setObjectName(QStringLiteral("cboScoreKept"));
    cboScoreKept->addItems({tr("The first check with every gap answered"), tr("The best check")});
    lblScoreKept->setBuddy(cboScoreKept);
    lblHintPenalty = newWidget<QLabel>(grpPlatform, "lblHintPenalty", tr("Each hin&t costs:"));
    spbHintPenalty = new QSpinBox(grpPlatform);
    spbHintPenalty->setObjectName(QStringLiteral("spbHintPenalty"));
    spbHintPenalty->setRange(0, 100);
    spbHintPenalty->setSuffix(tr(" % of its gap"));
    spbHintPenalty->setToolTip(tr("A gap whose answer the hints spelled out, or that \"Show answers\" "
                                  "revealed, counts as wrong."));
    lblHintPenalty->setBuddy(spbHintPenalty);
    grdPlatform = new QGridLayout(grpPlatform);
    grdPlatform->setObjectName(QStringLiteral("grdPlatform"));
    grdPlatform->addWidget(chkPassMark, 0, 0);
    grdPlatform->addWidget(spbPassMark, 0, 1, Qt::AlignLeft);
    grdPlatform->addWidget(lblScoreKept, 1, 0);
    grdPlatform->addWidget(cboScoreKept, 1, 1, Qt::AlignLeft);
    grdPlatform->addWidget(lblHintPenalty, 2, 0);
    grdPlatform->addWidget(spbHintPenalty, 2, 1, Qt::AlignLeft);
    grdPlatform->setColumnStretch(1, 1);
    grpPlatform->hide();

    bbxButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Horizontal, this);
    bbxButtons->setObjectName(QStringLiteral("bbxButtons"));
    connect(bbxButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(bbxButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    layMain = newLayout(this, "layMain");
    layMain->addWidget(grpMode);
    layMain->addWidget(grpMarking);
    layMain->addWidget(grpPage);
    layMain->addWidget(grpPlatform);
    layMain->addWidget(bbxButtons);

    const InteractivePageSettings stored = storedSettings();
    (stored.mode == InteractivePageSettings::Mode::Matching ? rdoMatching : rdoGapFill)->setChecked(true);
    chkDropDowns->setChecked(stored.dropDowns);
    chkCaseSensitive->setChecked(stored.caseSensitive);
    chkAccentsRequired->setChecked(stored.accentsRequired);
    chkHints->setChecked(stored.hints);
    chkShowAnswers->setChecked(stored.showAnswers);
    chkSameGapWidth->setChecked(stored.sameGapWidth);
    chkReadAloud->setChecked(stored.readAloud);
    chkListening->setChecked(stored.listening);
    chkPassMark->setChecked(stored.passMark >= 0);
    spbPassMark->setValue(stored.passMark >= 0 ? stored.passMark : InteractivePageSettings().passMark);
    cboScoreKept->setCurrentIndex(stored.bestScore ? 1 : 0);
    spbHintPenalty->setValue(stored.hintPenalty);

    connect(chkPassMark, &QCheckBox::toggled, spbPassMark, &QSpinBox::setEnabled);
    spbPassMark->setEnabled(chkPassMark->isChecked());
    connect(rdoGapFill, &QRadioButton::toggled, this, &DlgInteractivePage::updateStates);
    connect(chkDropDowns, &QCheckBox::toggled, this, &DlgInteractivePage::updateStates);
    connect(chkHints, &QCheckBox::toggled, this, &DlgInteractivePage::updateStates);
    updateStates();
}

void DlgInteractivePage::setWordListIncluded(bool included)
{
    wordListIncluded = included;
    updateStates();
}

void DlgInteractivePage::setPassMarkShown(bool shown)
{
    grpPlatform->setVisible(shown);
    if (shown) {
        setWindowTitle(tr("SCORM package"));
        // In the package the answers are there only for a sheet the pupil has checked.
        chkShowAnswers->setText(tr("A \"Show answers\" &button once the pupil has checked"));
    }
}

InteractivePageSettings DlgInteractivePage::settings() const
{
    InteractivePageSettings settings;
    settings.mode = rdoMatching->isChecked() ? InteractivePageSettings::Mode::Matching
                                             : InteractivePageSettings::Mode::GapFill;
    settings.dropDowns = chkDropDowns->isEnabled() && chkDropDowns->isChecked();
    settings.caseSensitive = chkCaseSensitive->isChecked();
    settings.accentsRequired = chkAccentsRequired->isChecked();
    settings.hints = chkHints->isChecked() && !settings.dropDowns
        && settings.mode == InteractivePageSettings::Mode::GapFill;
    settings.showAnswers = chkShowAnswers->isChecked();
    settings.sameGapWidth = chkSameGapWidth->isChecked();
    settings.readAloud = chkReadAloud->isChecked();
    settings.listening = chkListening->isChecked();
    settings.passMark = chkPassMark->isChecked() ? spbPassMark->value() : -1;
    settings.bestScore = cboScoreKept->currentIndex() == 1;
    settings.hintPenalty = spbHintPenalty->value();
    return settings;
}

InteractivePageSettings DlgInteractivePage::storedSettings()
{
    InteractivePageSettings settings;
    QSettings store;
    store.beginGroup(QLatin1String(SettingsGroup));
    if (store.value(QStringLiteral("matching"), false).toBool())
        settings.mode = InteractivePageSettings::Mode::Matching;
    settings.dropDowns = store.value(QStringLiteral("dropDowns"), settings.dropDowns).toBool();
    settings.caseSensitive = store.value(QStringLiteral("caseSensitive"), settings.caseSensitive).toBool();
    settings.accentsRequired
        = store.value(QStringLiteral("accentsRequired"), settings.accentsRequired).toBool();
    settings.hints = store.value(QStringLiteral("hints"), settings.hints).toBool();
    settings.showAnswers = store.value(QStringLiteral("showAnswers"), settings.showAnswers).toBool();
    settings.sameGapWidth = store.value(QStringLiteral("sameGapWidth"), settings.sameGapWidth).toBool();
    settings.readAloud = store.value(QStringLiteral("readAloud"), settings.readAloud).toBool();
    settings.listening = store.value(QStringLiteral("listening"), settings.listening).toBool();
    if (store.value(QStringLiteral("passMarkUsed"), true).toBool())
        settings.passMark
            = qBound(0, store.value(QStringLiteral("passMark"), settings.passMark).toInt(), 100);
    else
        settings.passMark = -1;
    settings.bestScore = store.value(QStringLiteral("bestScore"), settings.bestScore).toBool();
    settings.hintPenalty
        = qBound(0, store.value(QStringLiteral("hintPenalty"), settings.hintPenalty).toInt(), 100);
    store.endGroup();
    return settings;
}

void DlgInteractivePage::accept()
{
    QSettings store;
    store.beginGroup(QLatin1String(SettingsGroup));
    store.setValue(QStringLiteral("matching"), rdoMatching->isChecked());
    store.setValue(QStringLiteral("dropDowns"), chkDropDowns->isChecked());
    store.setValue(QStringLiteral("caseSensitive"), chkCaseSensitive->isChecked());
    store.setValue(QStringLiteral("accentsRequired"), chkAccentsRequired->isChecked());
    store.setValue(QStringLiteral("hints"), chkHints->isChecked());
    store.setValue(QStringLiteral("showAnswers"), chkShowAnswers->isChecked());
    store.setValue(QStringLiteral("sameGapWidth"), chkSameGapWidth->isChecked());
    store.setValue(QStringLiteral("readAloud"), chkReadAloud->isChecked());
    store.setValue(QStringLiteral("listening"), chkListening->isChecked());
    if (grpPlatform->isVisibleTo(this)) {
        store.setValue(QStringLiteral("passMarkUsed"), chkPassMark->isChecked());
        store.setValue(QStringLiteral("passMark"), spbPassMark->value());
        store.setValue(QStringLiteral("bestScore"), cboScoreKept->currentIndex() == 1);
        store.setValue(QStringLiteral("hintPenalty"), spbHintPenalty->value());
    }
    store.endGroup();
    QDialog::accept();
}

// Typed answers are marked only in a gap-fill page with text boxes; drop-down gaps need the word list.
void DlgInteractivePage::updateStates()
{
    const bool gapFill = rdoGapFill->isChecked();
    chkDropDowns->setEnabled(gapFill && wordListIncluded);
    chkDropDowns->setToolTip(
        wordListIncluded ? QString() : tr("Tick \"Include word list\" to use drop-down lists."));
    const bool typed = gapFill && !(chkDropDowns->isEnabled() && chkDropDowns->isChecked());
    grpMarking->setEnabled(typed);
    lblHintPenalty->setEnabled(typed && chkHints->isChecked());
    spbHintPenalty->setEnabled(typed && chkHints->isChecked());
}

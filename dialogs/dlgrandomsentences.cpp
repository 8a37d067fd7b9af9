// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/dlgrandomsentences.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QSettings>
#include <QSpinBox>

namespace {
const char SettingsGroup[] = "dlgRandomSentences";

QCheckBox *newCheckBox(QWidget *parent, const char *name)
{
    auto *box = new QCheckBox(parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

QLabel *newLabel(QWidget *parent, const char *name, const QString &text, QWidget *buddy)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setBuddy(buddy);
    return label;
}
} // namespace

DlgRandomSentences::DlgRandomSentences(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("DlgRandomSentences"));
    resize(400, 300);
    setWindowTitle(tr("Random selection of sentences"));

    spbTotalSentences = new QSpinBox(this);
    spbTotalSentences->setObjectName(QStringLiteral("spbTotalSentences"));
    spbTotalSentences->setRange(1, 100);
    spbTotalSentences->setAlignment(Qt::AlignRight);
    lblTotalSentences
        = newLabel(this, "lblTotalSentences", tr("&Number of sentences required:"), spbTotalSentences);

    chkAllowMultiples = newCheckBox(this, "chkAllowMultiples");
    lblAllowMultiples = newLabel(
        this, "lblAllowMultiples", tr("Allow &multiple sentences with the same word"), chkAllowMultiples);
    chkIncludeUsed = newCheckBox(this, "chkIncludeUsed");
    lblIncludeUsed
        = newLabel(this, "lblIncludeUsed", tr("&Include sentences with \"used\" value > 0"), chkIncludeUsed);
    chkSelectFromUsed = newCheckBox(this, "chkSelectFromUsed");
    lblSelectFromUsed = newLabel(this, "lblSelectFromUsed",
        tr("Select only from words which have \"&used\" sentences"), chkSelectFromUsed);
    chkAddToOutput = newCheckBox(this, "chkAddToOutput");
    lblAddToOutput = newLabel(this, "lblAddToOutput", tr("&Add to the output list"), chkAddToOutput);

    bbxButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Horizontal, this);
    bbxButtons->setObjectName(QStringLiteral("bbxButtons"));
    connect(bbxButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(bbxButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    grdMain = new QGridLayout(this);
    grdMain->setObjectName(QStringLiteral("grdMain"));
    grdMain->setSpacing(10);
    grdMain->addWidget(lblTotalSentences, 0, 1);
    grdMain->addWidget(spbTotalSentences, 0, 2);
    grdMain->addWidget(chkAllowMultiples, 1, 0, Qt::AlignRight);
    grdMain->addWidget(lblAllowMultiples, 1, 1, 1, 2);
    grdMain->addWidget(chkIncludeUsed, 2, 0, Qt::AlignRight);
    grdMain->addWidget(lblIncludeUsed, 2, 1, 1, 2);
    grdMain->addWidget(chkSelectFromUsed, 3, 0, Qt::AlignRight);
    grdMain->addWidget(lblSelectFromUsed, 3, 1, 1, 2);
    grdMain->addWidget(chkAddToOutput, 4, 0, Qt::AlignRight);
    grdMain->addWidget(lblAddToOutput, 4, 1, 1, 2);
    grdMain->addWidget(bbxButtons, 5, 1, 1, 2);

    readSettings();
}

DlgRandomSentences::~DlgRandomSentences()
{
    writeSettings();
}

RandomDrawOptions DlgRandomSentences::options() const
{
    RandomDrawOptions options;
    options.total = spbTotalSentences->value();
    options.allowMultiples = chkAllowMultiples->isChecked();
    options.includeUsed = chkIncludeUsed->isChecked();
    options.selectFromUsed = chkSelectFromUsed->isChecked();
    options.addToOutput = chkAddToOutput->isChecked();
    return options;
}

void DlgRandomSentences::readSettings()
{
    QSettings settings;
    settings.beginGroup(QLatin1String(SettingsGroup));
    spbTotalSentences->setValue(settings.value(QStringLiteral("spbTotalSentences"), 10).toInt());
    chkAllowMultiples->setChecked(settings.value(QStringLiteral("chkAllowMultiples"), false).toBool());
    chkIncludeUsed->setChecked(settings.value(QStringLiteral("chkIncludeUsed"), false).toBool());
    chkSelectFromUsed->setChecked(settings.value(QStringLiteral("chkSelectFromUsed"), false).toBool());
    chkAddToOutput->setChecked(settings.value(QStringLiteral("chkAddToOutput"), false).toBool());
    settings.endGroup();
}

void DlgRandomSentences::writeSettings() const
{
    QSettings settings;
    settings.beginGroup(QLatin1String(SettingsGroup));
    settings.setValue(QStringLiteral("spbTotalSentences"), spbTotalSentences->value());
    settings.setValue(QStringLiteral("chkAllowMultiples"), chkAllowMultiples->isChecked());
    settings.setValue(QStringLiteral("chkIncludeUsed"), chkIncludeUsed->isChecked());
    settings.setValue(QStringLiteral("chkSelectFromUsed"), chkSelectFromUsed->isChecked());
    settings.setValue(QStringLiteral("chkAddToOutput"), chkAddToOutput->isChecked());
    settings.endGroup();
}

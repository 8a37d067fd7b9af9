// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/dlgimportcsv.h"

#include "util/zelhelpclient.h"
#include "util/zelutils.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
const char *const HelpPage = "import.htm";
}

DlgImportCsv::DlgImportCsv(const QString &text, bool whole, QWidget *parent)
    : QDialog(parent)
    , m_text(text)
    , m_whole(whole)
{
    setObjectName(QStringLiteral("DlgImportCsv"));
    setWindowTitle(tr("Import spreadsheet text"));

    layMain = new QVBoxLayout(this);
    layMain->setObjectName(QStringLiteral("layMain"));

    lblIntro = new QLabel(tr("Choose the column that holds the headwords and the column that holds the "
                             "example sentences."),
        this);
    lblIntro->setObjectName(QStringLiteral("lblIntro"));
    lblIntro->setWordWrap(true);
    layMain->addWidget(lblIntro);

    layChoices = new QFormLayout;
    layChoices->setObjectName(QStringLiteral("layChoices"));
    cboSeparator = new QComboBox(this);
    cboSeparator->setObjectName(QStringLiteral("cboSeparator"));
    cboSeparator->addItem(tr("Tab"), QChar(u'\t'));
    cboSeparator->addItem(tr("Semicolon ( ; )"), QChar(u';'));
    cboSeparator->addItem(tr("Comma ( , )"), QChar(u','));
    layChoices->addRow(tr("&Separator:"), cboSeparator);
    cboHeadword = new QComboBox(this);
    cboHeadword->setObjectName(QStringLiteral("cboHeadword"));
    layChoices->addRow(tr("&Headword column:"), cboHeadword);
    cboSentence = new QComboBox(this);
    cboSentence->setObjectName(QStringLiteral("cboSentence"));
    layChoices->addRow(tr("S&entence column:"), cboSentence);
    chkHeader = new QCheckBox(tr("The &first row names the columns"), this);
    chkHeader->setObjectName(QStringLiteral("chkHeader"));
    layChoices->addRow(QString(), chkHeader);
    layMain->addLayout(layChoices);

    twPreview = new QTableWidget(this);
    twPreview->setObjectName(QStringLiteral("twPreview"));
    twPreview->setAccessibleName(tr("Preview"));
    twPreview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    twPreview->setSelectionMode(QAbstractItemView::NoSelection);
    twPreview->horizontalHeader()->setStretchLastSection(true);
    twPreview->verticalHeader()->setDefaultSectionSize(twPreview->fontMetrics().height() + 8);
    layMain->addWidget(twPreview, 1);

    lblRows = new QLabel(this);
    lblRows->setObjectName(QStringLiteral("lblRows"));
    layMain->addWidget(lblRows);

    bbxButtons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, Qt::Horizontal, this);
    bbxButtons->setObjectName(QStringLiteral("bbxButtons"));
    bbxButtons->button(QDialogButtonBox::Ok)->setText(tr("&Import"));
    connect(bbxButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(bbxButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(bbxButtons, &QDialogButtonBox::helpRequested, this, [] {
        ZelUtils::openInBrowser(ZelUtils::dataPath(QLatin1String("help/") + QLatin1String(HelpPage)), true);
    });
    layMain->addWidget(bbxButtons);

    // F1 anywhere in the dialog opens the page that explains it.
    auto *helpClient = new ZelHelpClient(this);
    helpClient->setObjectName(QStringLiteral("helpClient"));
    helpClient->setHelpPageForAll(this, QLatin1String(HelpPage));

    m_table = LxdImport::readTable(m_text, QChar(), !m_whole);
    // A separator that the file's settings lines name is offered even when it is none of the usual.
    if (cboSeparator->findData(m_table.separator) < 0)
        cboSeparator->addItem(tr("\"%1\" (named by the file)").arg(m_table.separator), m_table.separator);
    cboSeparator->setCurrentIndex(std::max(0, cboSeparator->findData(m_table.separator)));
    chkHeader->setChecked(LxdImport::firstRowNamesColumns(m_table));
    fillColumnChoices();
    fillPreview();

    connect(cboSeparator, &QComboBox::currentIndexChanged, this, &DlgImportCsv::readWithSeparator);
    connect(chkHeader, &QCheckBox::toggled, this, [this] {
        fillColumnChoices();
        fillPreview();
    });
    connect(cboHeadword, &QComboBox::currentIndexChanged, this, &DlgImportCsv::updateOkButton);
    resize(620, 460);
}

QChar DlgImportCsv::separator() const
{
    return cboSeparator->currentData().toChar();
}

LxdImport::CsvColumns DlgImportCsv::columns() const
{
    LxdImport::CsvColumns c;
    c.headword = cboHeadword->currentData().toInt();
    c.sentence = cboSentence->currentData().toInt();
    c.header = chkHeader->isChecked();
    return c;
}

void DlgImportCsv::readWithSeparator()
{
    m_table = LxdImport::readTable(m_text, separator(), !m_whole);
    fillColumnChoices();
    fillPreview();
}

void DlgImportCsv::fillColumnChoices()
{
    const int oldHeadword = cboHeadword->count() ? cboHeadword->currentIndex() : 0;
    const int oldSentence = cboSentence->count() ? cboSentence->currentIndex() : -1;
    const QSignalBlocker blockHeadword(cboHeadword);
    const QSignalBlocker blockSentence(cboSentence);
    cboHeadword->clear();
    cboSentence->clear();
    cboSentence->addItem(tr("(none: headwords only)"), -1);
    const int count = m_table.columnCount();
    const QStringList names = chkHeader->isChecked() && !m_table.rows.isEmpty() ? m_table.rows.front()
                                                                                : m_table.directives.columns;
    // The column Anki names as its tags holds labels, never a headword or a sentence; it stays out of
    // the choices unless nothing else is left.
    const int tags = count > 1 ? m_table.directives.tagsColumn : -1;
    for (int c = 0; c < count; ++c) {
        if (c == tags)
            continue;
        const QString name = names.value(c).simplified();
        const QString label
            = name.isEmpty() ? tr("Column %1").arg(c + 1) : tr("Column %1: %2").arg(c + 1).arg(name);
        cboHeadword->addItem(label, c);
        cboSentence->addItem(label, c);
    }
    const int offered = cboHeadword->count();
    cboHeadword->setCurrentIndex(std::min(oldHeadword, offered - 1));
    // First time round the second column is taken for the sentences, when there is one.
    const int sentence = oldSentence >= 0 ? oldSentence : (offered > 1 ? 2 : 0);
    cboSentence->setCurrentIndex(std::min(sentence, offered));
    updateOkButton();
}

void DlgImportCsv::fillPreview()
{
    const int columns = m_table.columnCount();
    const bool header = chkHeader->isChecked() && !m_table.rows.isEmpty();
    const qsizetype first = header ? 1 : 0;
    const int shown
        = int(std::min<qsizetype>(PreviewRows, std::max<qsizetype>(0, m_table.rows.size() - first)));
    twPreview->clear();
    twPreview->setColumnCount(columns);
    twPreview->setRowCount(shown);
    QStringList labels;
    for (int c = 0; c < columns; ++c) {
        const QString name = header ? m_table.rows.front().value(c).simplified() : QString();
        labels += name.isEmpty() ? QString::number(c + 1) : name;
    }
    twPreview->setHorizontalHeaderLabels(labels);
    // Numbered as the spreadsheet numbers its rows, as the report names them.
    QStringList numbers;
    for (int r = 0; r < shown; ++r)
        numbers += QString::number(m_table.rowNumbers.value(first + r, int(first) + r + 1));
    twPreview->setVerticalHeaderLabels(numbers);
    for (int r = 0; r < shown; ++r) {
        const QStringList &row = m_table.rows.at(first + r);
        for (int c = 0; c < columns; ++c)
            twPreview->setItem(
                r, c, new QTableWidgetItem(LxdImport::previewField(row.value(c), m_table.directives.html)));
    }
    twPreview->resizeColumnsToContents();
    if (!m_table.error.isEmpty())
        lblRows->setText(m_table.error);
    else if (m_whole)
        lblRows->setText(tr("Rows to import: %1").arg(m_table.rows.size() - first));
    else
        lblRows->setText(tr("The first rows of a long file are shown; all of its rows are read when you "
                            "import."));
}

void DlgImportCsv::updateOkButton()
{
    bbxButtons->button(QDialogButtonBox::Ok)->setEnabled(m_table.error.isEmpty() && cboHeadword->count() > 0);
}

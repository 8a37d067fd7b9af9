// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/dlgeditsentence.h"

#include "data/brackettext.h"
#include "data/linefile.h"
#include "data/lxdsentence.h"
#include "data/spellchecker.h"
#include "dialogs/spellhighlighter.h"
#include "models/desktoplook.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStyle>
#include <QTextCursor>

DlgEditSentence::DlgEditSentence(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("DlgEditSentence"));
    setWindowTitle(tr("Add or edit a sentence"));

    grdMain = new QGridLayout(this);
    grdMain->setObjectName(QStringLiteral("grdMain"));
    grdMain->setSpacing(10);

    lblUsed = new QLabel(tr("Times used:"), this);
    lblUsed->setObjectName(QStringLiteral("lblUsed"));
    grdMain->addWidget(lblUsed, 0, 0);

    spbUsed = new QSpinBox(this);
    spbUsed->setObjectName(QStringLiteral("spbUsed"));
    spbUsed->setRange(0, MaxUsed);
    spbUsed->setAlignment(Qt::AlignRight);
    grdMain->addWidget(spbUsed, 0, 1);
    // The labels name their controls for a screen reader.
    lblUsed->setBuddy(spbUsed);

    lblSentence = new QLabel(tr("Sentence:"), this);
    lblSentence->setObjectName(QStringLiteral("lblSentence"));
    grdMain->addWidget(lblSentence, 1, 0, Qt::AlignTop);

    pteSentence = new QPlainTextEdit(this);
    pteSentence->setObjectName(QStringLiteral("pteSentence"));
    pteSentence->setTabChangesFocus(true);
    lblSentence->setBuddy(pteSentence);
    grdMain->addWidget(pteSentence, 1, 1, 1, 2);

    lblStatusCaption = new QLabel(tr("Sentence status:"), this);
    lblStatusCaption->setObjectName(QStringLiteral("lblStatusCaption"));
    grdMain->addWidget(lblStatusCaption, 2, 0);

    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    QFont statusFont = DesktopLook::scaledFont(12);
    statusFont.setWeight(QFont::Black);
    statusFont.setItalic(false);
    lblStatus->setFont(statusFont);
    grdMain->addWidget(lblStatus, 2, 1, 1, 2);

    lwGaps = new QListWidget(this);
    lwGaps->setObjectName(QStringLiteral("lwGaps"));
    lwGaps->setSelectionMode(QAbstractItemView::NoSelection);
    lwGaps->setFocusPolicy(Qt::NoFocus);
    lwGaps->setWordWrap(true);
    const int lineHeight = lwGaps->fontMetrics().height();
    lwGaps->setIconSize(QSize(lineHeight, lineHeight));
    // The reading of the gaps changes with every key: a list of a fixed height keeps the dialog from
    // growing and moving under the teacher's pointer, and scrolls to show every gap.
    lwGaps->setFixedHeight(lwGaps->fontMetrics().lineSpacing() * 4 + 2 * lwGaps->frameWidth() + 4);
    lwGaps->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    grdMain->addWidget(lwGaps, 3, 1, 1, 2);

    lblSpelling = new QLabel(this);
    lblSpelling->setObjectName(QStringLiteral("lblSpelling"));
    lblSpelling->setWordWrap(true);
    lblSpelling->hide();
    grdMain->addWidget(lblSpelling, 4, 1, 1, 2);

    spellHighlighter = new SpellHighlighter(pteSentence->document());
    spellHighlighter->setObjectName(QStringLiteral("spellHighlighter"));
    pteSentence->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(pteSentence, &QWidget::customContextMenuRequested, this,
        [this](const QPoint &pos) { SpellMenu::showFor(pteSentence, spellHighlighter, pos); });

    bbxButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Horizontal, this);
    bbxButtons->setObjectName(QStringLiteral("bbxButtons"));
    grdMain->addWidget(bbxButtons, 5, 1, 1, 2);

    // The counter keeps its natural width; the editor takes the room the dialog is given.
    grdMain->setColumnStretch(2, 1);
    grdMain->setRowStretch(1, 1);

    statusTexts << QString() << QString(QChar(0x2713)) << tr("No gapped word.") << tr("Unmatched brackets!")
                << QString(QChar(0x26A0)) + QLatin1Char(' ') + tr("Check the gaps below.");
    int statusHeight = lblStatus->fontMetrics().lineSpacing();
    for (const QString &text : std::as_const(statusTexts))
        statusHeight = qMax(statusHeight, lblStatus->fontMetrics().boundingRect(text).height());
    lblStatus->setFixedHeight(statusHeight + 2);
    lblStatus->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);

    connect(bbxButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(bbxButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(pteSentence, &QPlainTextEdit::textChanged, this, &DlgEditSentence::showSentenceStatus);

    resize(400, 300);
    showSentenceStatus();
    // The sentence is what the teacher comes to change; the counter is a Tab away.
    pteSentence->setFocus();
}

void DlgEditSentence::setUsed(int count)
{
    spbUsed->setValue(qBound(0, count, int(MaxUsed)));
}

int DlgEditSentence::used() const
{
    return spbUsed->value();
}

void DlgEditSentence::setSentence(const QString &text)
{
    pteSentence->setPlainText(text);
    // Typing goes on at the end of the sentence, as when it was written.
    pteSentence->moveCursor(QTextCursor::End);
}

void DlgEditSentence::setSpellChecker(const std::shared_ptr<SpellChecker> &checker)
{
    spellHighlighter->setChecker(checker);
    const QString missing = checker ? checker->missingMessage() : QString();
    lblSpelling->setText(missing);
    lblSpelling->setVisible(!missing.isEmpty());
}

QString DlgEditSentence::sentence() const
{
    return normalised(pteSentence->toPlainText());
}

void DlgEditSentence::showEvent(QShowEvent *event)
{
    // A reused dialog would give the focus back to whatever had it last, often OK, and then the
    // first space typed would close it.
    pteSentence->setFocus(Qt::OtherFocusReason);
    QDialog::showEvent(event);
}

void DlgEditSentence::selectSentence()
{
    pteSentence->selectAll();
    pteSentence->setFocus(Qt::OtherFocusReason);
}

QString DlgEditSentence::normalised(const QString &text)
{
    // \s with Unicode properties, so that every character QString::trimmed() counts as white
    // space (a no-break space, say) is also folded inside the text.
    static const QRegularExpression lineBreak(QStringLiteral("\r\n?|\n"));
    static const QRegularExpression whitespaceRun(
        QStringLiteral("(\\s){2,}"), QRegularExpression::UseUnicodePropertiesOption);
    QString result = text;
    result.replace(lineBreak, QStringLiteral(" "));
    result.replace(whitespaceRun, QStringLiteral(" "));
    return result.trimmed();
}

QStringList DlgEditSentence::gapsReading(const QString &text)
{
    QStringList gaps;
    for (const BracketSegment &segment : BracketText::tokenize(text)) {
        if (segment.kind != BracketSegment::Gap)
            continue;
        QString gap = tr("Gap %1: %2").arg(gaps.size() + 1).arg(segment.answers.first());
        if (segment.answers.size() > 1)
            gap += QLatin1Char(' ') + tr("(also %1)").arg(segment.answers.mid(1).join(QLatin1String(", ")));
        if (!segment.choices.isEmpty())
            gap += QLatin1String(", ") + tr("choices: %1").arg(segment.choices.join(QLatin1String(", ")));
        if (!segment.clue.isEmpty())
            gap += QLatin1String(", ") + tr("clue: %1").arg(segment.clue);
        gaps.append(gap);
    }
    return gaps;
}

void DlgEditSentence::showSentenceStatus()
{
    const QString text = pteSentence->toPlainText();
    lwGaps->clear();
    // What looks mistyped comes first, where the teacher sees it without scrolling.
    const int status = LxdSentence::checkBrackets(text);
    if (status == LxdSentence::Doubtful) {
        const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
        for (const QString &problem : BracketText::problemTexts(text)) {
            auto *item = new QListWidgetItem(warning, problem, lwGaps);
            // A dark red that reads on a light list; on a dark one, the colour that reads there.
            item->setForeground(
                DesktopLook::readableOn(lwGaps->palette().color(QPalette::Base), QColor(150, 40, 0)));
        }
    }
    lwGaps->addItems(gapsReading(text));
    // The one text the database file cannot store: it would come back split in two.
    const bool storable = !LineFile::holdsSeparator(text);
    bbxButtons->button(QDialogButtonBox::Ok)->setEnabled(storable);
    if (!storable) {
        lblStatus->setText(tr("A sentence cannot hold \"&&&\"."));
        return;
    }
    lblStatus->setText(statusTexts.value(status));
}

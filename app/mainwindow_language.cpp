// SPDX-License-Identifier: GPL-3.0-or-later
// The language of the database's sentences: Edit > Database Language, with the common languages of the
// teachers who use the program and any other BCP 47 tag typed in.
#include "app/mainwindow.h"

#include "data/languagetag.h"
#include "data/lxddatabase.h"
#include "document/lxddocument.h"

#include <QAction>
#include <QActionGroup>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>

namespace {

const char *const CommonLanguages[] = {"en-GB", "en-US", "en-CA", "de-DE", "fr-FR", "es-ES"};

// A language as its speakers name it, with its tag: "Deutsch (de-DE)".
QString languageLabel(const QString &tag)
{
    return LanguageTag::nativeName(tag) + QLatin1String(" (") + tag + QLatin1Char(')');
}

} // namespace

void MainWindow::createLanguageMenu(QMenu *menu)
{
    mnuDatabaseLanguage = menu->addMenu(tr("Database &Language"));
    mnuDatabaseLanguage->setObjectName(QStringLiteral("mnuDatabaseLanguage"));
    auto *group = new QActionGroup(mnuDatabaseLanguage);
    const auto addLanguage = [this, group](const QString &text, const QString &tag) {
        QAction *action = mnuDatabaseLanguage->addAction(text);
        action->setCheckable(true);
        action->setData(tag);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, tag] { setDatabaseLanguage(tag); });
        return action;
    };
    addLanguage(tr("Not set"), QString())->setObjectName(QStringLiteral("actLanguageNotSet"));
    for (const char *tag : CommonLanguages)
        addLanguage(languageLabel(QLatin1String(tag)), QLatin1String(tag));
    mnuDatabaseLanguage->addSeparator();
    QAction *other = mnuDatabaseLanguage->addAction(tr("&Other..."));
    other->setObjectName(QStringLiteral("actLanguageOther"));
    other->setCheckable(true);
    group->addAction(other);
    connect(other, &QAction::triggered, this, &MainWindow::chooseOtherLanguage);
    connect(mnuDatabaseLanguage, &QMenu::aboutToShow, this, &MainWindow::showDatabaseLanguage);
}

// The language set is checked; one not among the common ones shows on "Other".
void MainWindow::showDatabaseLanguage()
{
    const QString language = db->language();
    QAction *other = mnuDatabaseLanguage->findChild<QAction *>(QStringLiteral("actLanguageOther"));
    bool listed = false;
    for (QAction *action : mnuDatabaseLanguage->actions()) {
        if (action->isCheckable() && action != other && action->data().toString() == language) {
            action->setChecked(true);
            listed = true;
        }
    }
    other->setChecked(!listed);
    other->setText(listed ? tr("&Other...") : tr("&Other (%1)...").arg(language));
    mnuDatabaseLanguage->setEnabled(!session->isReadOnly());
}

void MainWindow::chooseOtherLanguage()
{
    QString text = db->language();
    for (;;) {
        bool ok = false;
        text = QInputDialog::getText(this, tr("Database language"),
            tr("The language of the sentences, as a language tag: a language code, often followed by a "
               "country "
               "code (en-AU, pt-BR, sr-Latn-RS):"),
            QLineEdit::Normal, text, &ok);
        if (!ok)
            break;
        const QString tag = LanguageTag::normalized(text);
        if (tag.isEmpty() && !text.trimmed().isEmpty()) {
            QMessageBox::warning(this, tr("Database language"),
                tr("\"%1\" is not a language tag. A tag is a language code such as en or de, often followed "
                   "by a "
                   "hyphen and a country code, as in en-GB or de-CH.")
                    .arg(text));
            continue;
        }
        setDatabaseLanguage(tag);
        break;
    }
    showDatabaseLanguage();
}

void MainWindow::setDatabaseLanguage(const QString &tag)
{
    if (doc->setLanguage(tag))
        statusBar()->showMessage(
            tag.isEmpty() ? tr("The database has no language set.") : tr("Database language: %1").arg(tag),
            2000);
}

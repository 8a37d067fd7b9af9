// SPDX-License-Identifier: GPL-3.0-or-later
// Spelling: the language the database is checked in, and the whole-database check.
#include "app/mainwindow.h"

#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdsentence.h"
#include "data/spellchecker.h"
#include "dialogs/dlgcheckspelling.h"
#include "dialogs/dlgeditsentence.h"
#include "models/lxdbsentencetablemodel.h"
#include "models/lxdbwordlistmodel.h"
#include "util/zelutils.h"

#include <QAction>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QListView>
#include <QMenu>
#include <QSet>
#include <QStatusBar>
#include <QTableView>

namespace {

const struct
{
    const char *file;
    const char *language;
} StarterVariants[] = {{"AmericanDB.lxv", "en-US"}, {"BritishDB.lxv", "en-GB"}, {"CanadianDB.lxv", "en-CA"}};

// The spelling variant of a database that began as one of the starter databases: by its file's name,
// or else by the starter database that shares the most sentences with it (the working copy made on
// the first run, "CurrentDB.lxv", is one of the three under another name). Empty when none does.
QString starterLanguage(const QString &fileName, const LxdDatabase &db)
{
    const QString name = QFileInfo(fileName).fileName();
    for (const auto &variant : StarterVariants) {
        if (name.compare(QLatin1String(variant.file), Qt::CaseInsensitive) == 0)
            return QLatin1String(variant.language);
    }
    // A look at the first sentences is enough to tell; the sentences the three share tell nothing.
    constexpr int looked = 2000;
    QList<QSet<QString>> starters;
    for (const auto &variant : StarterVariants) {
        LxdDatabase starter;
        QSet<QString> texts;
        if (starter.loadText(ZelUtils::dataPath(QLatin1String("db/") + QLatin1String(variant.file)))) {
            for (const LxdItem *item : starter.items) {
                for (const LxdSentence &sentence : item->sentences)
                    texts.insert(sentence.textRef());
            }
        }
        starters.append(texts);
    }
    int best = -1;
    int bestCount = 0;
    for (int v = 0; v < starters.size(); ++v) {
        int count = 0;
        int seen = 0;
        for (const LxdItem *item : db.items) {
            for (const LxdSentence &sentence : item->sentences) {
                if (++seen > looked)
                    break;
                const QString &text = sentence.textRef();
                bool shared = true;
                for (const QSet<QString> &other : std::as_const(starters))
                    shared = shared && other.contains(text);
                count += !shared && starters.at(v).contains(text) ? 1 : 0;
            }
            if (seen > looked)
                break;
        }
        if (count > bestCount) {
            best = v;
            bestCount = count;
        }
    }
    return best < 0 ? QString() : QLatin1String(StarterVariants[best].language);
}

} // namespace

QString MainWindow::spellingLanguage() const
{
    // The database's own language; a database that records none is checked as its spelling suggests.
    QString language = db->language();
    if (language.isEmpty())
        language = starterLanguage(currentFile(), *db);
    if (language.isEmpty())
        language = QStringLiteral("en-US");
    return language;
}

std::shared_ptr<SpellChecker> MainWindow::spellChecker()
{
    const QString language = SpellChecker::normalisedTag(spellingLanguage());
    if (!spelling || spelling->language() != language) {
        spelling = std::make_shared<SpellChecker>(language);
        // Said once, where it does not stop the teacher.
        if (!spelling->isReady())
            statusBar()->showMessage(spelling->missingMessage(), 10000);
    }
    return spelling;
}

void MainWindow::addSpellingCommands(QMenu *menu)
{
    actCheckSpelling = newAction("actCheckSpelling", tr("Check &spelling..."), QString(),
        tr("Lists the words of the database or of the output list that the dictionary does not know"));
    actCheckSpelling->setEnabled(false);
    connect(actCheckSpelling, &QAction::triggered, this, &MainWindow::checkSpelling);
    menu->addSeparator();
    menu->addAction(actCheckSpelling);
}

void MainWindow::checkSpelling()
{
    if (!dlgCheckSpelling) {
        dlgCheckSpelling = new DlgCheckSpelling(session, spellChecker(), this);
        connect(dlgCheckSpelling, &DlgCheckSpelling::showSentence, this, [this](int item, int row) {
            if (item < 0 || item >= db->itemCount())
                return;
            const QModelIndex word = wordModel->index(item, 0);
            lvWords->selectionModel()->setCurrentIndex(word, QItemSelectionModel::ClearAndSelect);
            lvWords->scrollTo(word);
            if (row >= 0 && row < sentenceModel->rowCount()) {
                const QModelIndex cell = sentenceModel->index(row, 0);
                tvSentences->selectionModel()->setCurrentIndex(
                    cell, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
                tvSentences->scrollTo(cell);
            }
        });
        connect(dlgCheckSpelling, &DlgCheckSpelling::showOutputEntry, this, [this](int row) {
            const QModelIndex entry = lwOutput->model()->index(row, 0);
            if (!entry.isValid())
                return;
            lwOutput->selectionModel()->setCurrentIndex(entry, QItemSelectionModel::ClearAndSelect);
            lwOutput->scrollTo(entry);
        });
    } else {
        dlgCheckSpelling->setChecker(spellChecker());
    }
    dlgCheckSpelling->show();
    dlgCheckSpelling->raise();
    dlgCheckSpelling->activateWindow();
}

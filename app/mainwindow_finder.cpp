// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"
#include "data/languagetag.h"
#include "dialogs/dlgfindsentences.h"

#include <QItemSelectionModel>
#include <QListView>

void MainWindow::findSentences()
{
    QList<int> selected;
    for (const QModelIndex &index : lvWords->selectionModel()->selectedIndexes())
        selected.append(index.row());
    // The word forms follow the database's language, as its spelling is checked in.
    const QString language = LanguageTag::primary(spellingLanguage());
    DlgFindSentences dialog(doc, selected, language, this);
    dialog.exec();
    updateWordCount();
    updateSentenceCount();
}

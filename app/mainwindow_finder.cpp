// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"
#include "dialogs/dlgfindsentences.h"

#include <QItemSelectionModel>
#include <QListView>

void MainWindow::findSentences()
{
    QList<int> selected;
    for (const QModelIndex &index : lvWords->selectionModel()->selectedIndexes())
        selected.append(index.row());
    // The word forms follow the database's language; English until the database names one.
    DlgFindSentences dialog(doc, selected, QStringLiteral("en"), this);
    dialog.exec();
    updateWordCount();
    updateSentenceCount();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandbench.h"

#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdsentence.h"
#include "document/lxddocument.h"
#include "exercise/randomdraw.h"
#include "exercise/randomsource.h"
#include "models/lxdbsentencetablemodel.h"
#include "models/lxdbwordlistmodel.h"

#include <QApplication>
#include <QListView>
#include <QTableView>
#include <QUndoStack>

#include <memory>

namespace {

// The views of the window, attached as it attaches them, and the document over the database.
struct Views
{
    explicit Views(LxdDatabase &db)
        : wordModel(&db)
        , sentenceModel(&db)
        , document(&db)
    {
        words.setUniformItemSizes(true);
        words.setSelectionMode(QAbstractItemView::ExtendedSelection);
        words.setModel(&wordModel);
        sentences.setSelectionBehavior(QAbstractItemView::SelectRows);
        sentences.setModel(&sentenceModel);
        QObject::connect(words.selectionModel(), &QItemSelectionModel::currentChanged, &sentenceModel,
            &LxdbSentenceTableModel::wordSelectionChanged);
        document.setSelectionModels(words.selectionModel(), sentences.selectionModel());
        words.resize(300, 700);
        sentences.resize(600, 700);
        words.show();
        sentences.show();
        settle();
    }

    // Whatever the views put off to the event loop is part of the command's time.
    void settle() { QApplication::processEvents(); }

    void show(int row)
    {
        const QModelIndex index = words.model()->index(row, 0);
        words.selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        words.scrollTo(index);
        settle();
    }

    LxdbWordListModel wordModel;
    LxdbSentenceTableModel sentenceModel;
    QListView words;
    QTableView sentences;
    LxdDocument document;
};

} // namespace

QList<CommandTiming> benchCommands(LxdDatabase &db, int runs, QStringList *failures)
{
    const auto check = [failures](bool ok, const QString &what) {
        if (!ok)
            failures->append(what);
    };
    QList<CommandTiming> rows;
    Views views(db);
    QUndoStack *stack = views.document.undoStack();
    const int n = db.itemCount();
    views.show(n / 2);
    auto nothing = [] {};

    // A headword that sorts into the middle of the list.
    const QString added = db.headword(n / 2) + QStringLiteral(" new");
    LxdItem *record = nullptr;
    // Each run after the first takes back the one before it, untimed.
    const auto undoLast = [&] {
        if (stack->canUndo())
            stack->undo();
        views.settle();
    };
    // An undo timed with the redo that sets it up, or the other way round.
    const auto undoStep = [&] {
        stack->undo();
        views.settle();
    };
    const auto redoStep = [&] {
        stack->redo();
        views.settle();
    };
    rows.append({QStringLiteral("new headword"),
        bestOf(
            runs,
            [&] {
                undoLast();
                views.show(n / 2);
            },
            [&] {
                record = views.document.addHeadword(added);
                const QModelIndex index = views.wordModel.index(db.indexOfItem(record), 0);
                views.words.selectionModel()->setCurrentIndex(index, QItemSelectionModel::Select);
                views.words.scrollTo(index);
                views.settle();
            })});
    check(db.itemCount() == n + 1 && db.indexOfItem(record) == n / 2 + 1,
        QStringLiteral("new headword: not at its sorted place"));
    rows.append({QStringLiteral("new headword: undo"), bestOf(runs, redoStep, undoStep)});
    rows.append({QStringLiteral("new headword: redo"), bestOf(runs, undoStep, redoStep)});
    stack->undo();
    check(db.itemCount() == n, QStringLiteral("new headword: undo left %1 headwords").arg(db.itemCount()));

    // Renaming the first headword so that it moves to the end of the list, and back.
    const QString old = db.headword(0);
    const QString renamed = QStringLiteral("\u00ff") + old;
    rows.append({QStringLiteral("rename headword"),
        bestOf(
            runs,
            [&] {
                undoLast();
                views.show(0);
            },
            [&] {
                views.document.renameHeadword(0, renamed);
                const QModelIndex index = views.wordModel.index(db.indexOfHeadword(renamed), 0);
                views.words.selectionModel()->setCurrentIndex(index, QItemSelectionModel::Select);
                views.words.scrollTo(index);
                views.settle();
            })});
    check(db.indexOfHeadword(renamed) >= 0 && db.isInOrder(),
        QStringLiteral("rename headword: not at its sorted place"));
    rows.append({QStringLiteral("rename headword: undo"), bestOf(runs, redoStep, undoStep)});
    check(db.headword(0) == old, QStringLiteral("rename headword: undo did not restore it"));

    // 1,000 headwords spread over the whole list, each its own run of rows.
    QList<int> spread;
    for (int k = 0; k < 1000 && k * (n / 1000) < n; ++k)
        spread.append(k * (n / 1000));
    const auto selectSpread = [&] {
        QItemSelection selection;
        for (int row : std::as_const(spread))
            selection.select(views.wordModel.index(row, 0), views.wordModel.index(row, 0));
        views.words.selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
        views.settle();
    };
    rows.append({QStringLiteral("delete 1,000 headwords"),
        bestOf(
            runs,
            [&] {
                undoLast();
                selectSpread();
            },
            [&] {
                views.document.deleteHeadwords(spread);
                views.settle();
            })});
    check(
        db.itemCount() == n - spread.size(), QStringLiteral("delete: %1 headwords left").arg(db.itemCount()));
    rows.append({QStringLiteral("delete 1,000 headwords: undo"), bestOf(runs, redoStep, undoStep)});
    check(db.itemCount() == n, QStringLiteral("delete: undo left %1 headwords").arg(db.itemCount()));

    // Find: a text of a sentence near the end in other case, the next hit from there, and a miss.
    const int late = n - 3;
    const QString wanted = db.sentenceAt(late, db.sentenceCount(late) - 1)->text().toUpper();
    int item = -1;
    int sentence = -1;
    rows.append({QStringLiteral("find (hit near the end)"),
        bestOf(runs, nothing, [&] { db.findText(wanted, &item, &sentence, -1, -1); })});
    check(item >= n - 3, QStringLiteral("find: the hit is at headword %1").arg(item));
    int nextItem = -1;
    int nextSentence = -1;
    rows.append({QStringLiteral("find next"),
        bestOf(runs, nothing, [&] { db.findText(wanted, &nextItem, &nextSentence, item, sentence); })});
    rows.append({QStringLiteral("find (no hit)"),
        bestOf(runs, nothing, [&] { db.findText(BenchData::absentText(), &item, &sentence, -1, -1); })});
    check(item == -1, QStringLiteral("find: a hit where there is none"));

    rows.append({QStringLiteral("zero used counts"), bestOf(runs, undoLast, [&] {
                     views.document.zeroUsed();
                     views.settle();
                 })});
    rows.append({QStringLiteral("zero used counts: undo"), bestOf(runs, redoStep, undoStep)});
    rows.append({QStringLiteral("random 50 unused only"), bestOf(runs, nothing, [&] {
                     RandomDrawOptions options;
                     options.total = 50;
                     RandomSource random(1);
                     const QList<RandomPick> picks = RandomDraw(&db, options).draw(random);
                     check(picks.size() == 50, QStringLiteral("random draw: %1 picks").arg(picks.size()));
                 })});

    // 100 steps held, then one undo.
    for (int k = 0; k < 100; ++k)
        views.document.addHeadword(QStringLiteral("held %1").arg(k));
    views.settle();
    rows.append({QStringLiteral("undo with 100 steps held"), bestOf(runs, redoStep, undoStep)});
    while (stack->canUndo())
        stack->undo();
    stack->clear();
    check(db.itemCount() == n, QStringLiteral("undo: %1 headwords at the end").arg(db.itemCount()));
    return rows;
}

QList<CommandTiming> benchBuilding(const BenchData &data, int runs, QStringList *failures)
{
    QList<CommandTiming> rows;
    qint64 total = 0;
    // Made before the clock starts: the generator is not what is measured.
    QList<BenchHeadword> headwords;
    headwords.reserve(data.words());
    for (int line = 0; line < data.words(); ++line)
        headwords.append(data.headword(data.headwordOnLine(line)));
    // In the order of the file, as a teacher copying a database would type it. The clock measures
    // the building only: the records of the run before are freed before it starts, as a load's are.
    std::unique_ptr<LxdDatabase> db;
    std::unique_ptr<LxdDocument> document;
    const auto fresh = [&] {
        document.reset();
        db = std::make_unique<LxdDatabase>();
        document = std::make_unique<LxdDocument>(db.get());
    };
    const auto build = [&](bool commands) {
        for (const BenchHeadword &h : std::as_const(headwords)) {
            if (commands) {
                document->addHeadword(h.headword);
                const int row = db->indexOfHeadword(h.headword);
                for (const BenchSentence &s : h.first)
                    document->addSentence(row, s.text, s.used);
            } else {
                db->addItem();
                const int row = db->setHeadword(db->itemCount() - 1, h.headword);
                for (const BenchSentence &s : h.first) {
                    LxdSentence *sentence = db->addSentence(row);
                    sentence->setUsed(s.used);
                    sentence->setText(s.text);
                }
            }
        }
    };
    const auto count = [&] {
        total = 0;
        for (const LxdItem *item : db->items)
            total += item->sentenceCount();
    };
    rows.append(
        {QStringLiteral("build record by record (data layer)"), bestOf(runs, fresh, [&] { build(false); })});
    count();
    if (total != qint64(data.words()) * data.sentences())
        failures->append(QStringLiteral("build (data layer): %1 sentences").arg(total));
    rows.append(
        {QStringLiteral("build record by record (commands)"), bestOf(runs, fresh, [&] { build(true); })});
    count();
    if (total != qint64(data.words()) * data.sentences())
        failures->append(QStringLiteral("build (commands): %1 sentences").arg(total));
    document.reset();
    db.reset();
    return rows;
}

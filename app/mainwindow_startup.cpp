// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: preparing the user's database folder on the first run, and the command line.
#include "app/mainwindow.h"

#include "data/checkedwrite.h"
#include "data/lxddatabase.h"
#include "data/lxdsentence.h"
#include "dialogs/dlgchoosedblang.h"
#include "models/desktoplook.h"
#include "util/zelutils.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QListWidget>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QSize>
#include <QStandardPaths>
#include <QTableView>

namespace {

const char *const VariantFiles[] = {"/AmericanDB.lxv", "/BritishDB.lxv", "/CanadianDB.lxv"};
const char *const CurrentDbFile = "/CurrentDB.lxv";

// How many headwords the size option takes a first sentence from.
const int SizeOptionHeadwords = 5;

QStringList &commandLineOverride()
{
    static QStringList arguments;
    return arguments;
}

// The value of "-size=800x600": two whole numbers above zero joined by a small x, and nothing else.
// Anything else (no value, a capital X, one number, a word) is not a size.
bool parseSizeOption(const QString &argument, QSize *size)
{
    const QStringList pieces = argument.split(QLatin1Char('='));
    if (pieces.size() != 2)
        return false;
    const QStringList numbers = pieces.at(1).split(QLatin1Char('x'));
    if (numbers.size() != 2)
        return false;
    bool widthOk = false;
    bool heightOk = false;
    const int width = numbers.at(0).toInt(&widthOk, 10);
    const int height = numbers.at(1).toInt(&heightOk, 10);
    if (!widthOk || !heightOk || width <= 0 || height <= 0 || width > QWIDGETSIZE_MAX
        || height > QWIDGETSIZE_MAX)
        return false;
    *size = QSize(width, height);
    return true;
}

// Copies `source` to `destination` unless a file of that name is there already, which is kept. The
// copy goes through the checked write, so that one cut short by a full disk or a power cut never
// stands where the teacher's database belongs, to be kept as it is by every later start. On failure
// *reason says why, in the system's words.
bool copyUnlessPresent(const QString &source, const QString &destination, QString *reason = nullptr)
{
    if (QFileInfo::exists(destination))
        return true;
    QFile in(source);
    QByteArray bytes;
    if (in.open(QIODevice::ReadOnly))
        bytes = in.readAll();
    if (in.error() != QFileDevice::NoError) {
        if (reason)
            *reason = in.errorString();
        return false;
    }
    return CheckedWrite::writeFile(destination, bytes, reason);
}

} // namespace

void MainWindow::setCommandLineForTesting(const QStringList &arguments)
{
    commandLineOverride() = arguments;
}

void MainWindow::setupUserDatabase()
{
    QSettings settings;
    settings.beginGroup(QStringLiteral("application"));
    if (!settings.value(QStringLiteral("firstRun"), true).toBool())
        return;

    const QString userDir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
        + QLatin1String("/lexivanevoc/db");
    if (!QDir(userDir).exists()) {
        qDebug("User dir does not exist.");
        // A fresh account need not have a documents folder yet, so the whole path is made. A failure
        // shows up below as failed copies.
        QDir().mkpath(userDir);
    }

    int variant = DlgChooseDbLang::Canadian;
    {
        DlgChooseDbLang dialog(this);
        // The window is not on screen yet, so the question would otherwise sit wherever the window
        // is going to be; it belongs in the middle of the screen.
        if (const QScreen *where = screen())
            dialog.move(where->availableGeometry().center() - dialog.rect().center());
        // Escape and the close box reject the dialog; the checked button counts all the same.
        dialog.exec();
        variant = dialog.selectedVariant();
    }

    for (const char *name : VariantFiles) {
        const QString source = ZelUtils::dataPath(QLatin1String("db") + QLatin1String(name));
        const QString destination = userDir + QLatin1String(name);
        // A copy the user already has is kept, and silently so.
        if (!copyUnlessPresent(source, destination)) {
            QMessageBox::information(this, tr("Failed to copy database file"),
                tr("Unable to copy the database file %1 to %2.")
                    .arg(QDir::toNativeSeparators(source), QDir::toNativeSeparators(destination)));
        }
    }

    // The working database is made only once; an existing one stays as the user left it.
    const QString currentDb = userDir + QLatin1String(CurrentDbFile);
    const QString chosen = userDir + QLatin1String(VariantFiles[variant]);
    QString reason;
    const bool made = copyUnlessPresent(chosen, currentDb, &reason);

    recentFiles.prepend(currentDb);
    updateRecentFileActions();

    // Without a working database the first start is not done: the next start tries again.
    if (!made) {
        QMessageBox::warning(this, tr("Failed to copy database file"),
            tr("Unable to make the working database %1 from %2:\n%3\nThe program tries again at its next "
               "start.")
                .arg(QDir::toNativeSeparators(currentDb), QDir::toNativeSeparators(chosen), reason));
        return;
    }
    settings.setValue(QStringLiteral("firstRun"), false);
    settings.endGroup();
}

void MainWindow::processCommandLine()
{
    const QStringList arguments
        = commandLineOverride().isEmpty() ? QCoreApplication::arguments() : commandLineOverride();
    for (const QString &argument : arguments) {
        if (argument.toLower().endsWith(QLatin1String(".lxv")) && QFile::exists(argument))
            loadFile(argument, false);
        if (argument.startsWith(QLatin1String("-size=")))
            applySizeOption(argument);
    }
}

// "-size=WxH": a fixed window size at the top left of the screen, the first sentence of each of the
// first five headwords in the output list, and smaller fonts. A value that is not a size leaves the
// window as it is.
void MainWindow::applySizeOption(const QString &argument)
{
    QSize size;
    if (!parseSizeOption(argument, &size))
        return;
    setFixedSize(size);
    // Where a screenshot expects it, rather than where the first size would have stood.
    move(screen()->availableGeometry().topLeft());

    if (tvSentences->model()->rowCount() > 1)
        tvSentences->selectRow(1);

    // Only the databases named before the option have been loaded: take what there is.
    QStringList texts;
    for (int k = 0; k < SizeOptionHeadwords; ++k) {
        if (const LxdSentence *sentence = db->sentenceAt(k, 0))
            texts.append(sentence->text());
    }
    session->appendOutput(texts, QString());
    if (session->output()->count() > 1)
        lwOutput->setCurrentIndex(session->output()->index(1));
    setOutputListButtonStates();
    updateOutputCount();

    // Smaller than the desktop's font, but never smaller for a teacher who enlarged it: the sizes are
    // those of a 10-point desktop font, scaled up with a larger one.
    const QString small = QString::number(DesktopLook::scaledPoints(8));
    const QString label = QString::number(DesktopLook::scaledPoints(10));
    setStyleSheet(QStringLiteral("QPushButton,QListView,QTableView,QListWidget{font-size: %1pt;}"
                                 "QLabel{font-size: %2pt;}"
                                 "QCheckBox{font-size: %1pt;}"
                                 "QPushButton{icon-size: 16px;}")
                      .arg(small, label));
    tvSentences->horizontalHeader()->setStyleSheet(QStringLiteral("*{font-size: %1pt;}").arg(small));
}

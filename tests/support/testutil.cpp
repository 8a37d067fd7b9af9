// SPDX-License-Identifier: GPL-3.0-or-later
#include "testutil.h"

#include "app/mainwindow.h"
#include "data/checkedwrite.h"
#include "exercise/randomsource.h"
#include "util/zelconfirm.h"
#include "util/zelfiledialog.h"

#include <QFile>

namespace TestUtil {

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

void resetHooks()
{
    ZelFileDialog::reset();
    CheckedWrite::setFailAfterForTesting(-1);
    ZelConfirm::setRunner({});
    RandomSource::setSeedOverride(std::nullopt);
    MainWindow::setCommandLineForTesting({});
    MainWindow::setTemplateFolderForTesting(QString());
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

QString sourcePath(const QString &relative)
{
    return QStringLiteral(LEXIVANE_SOURCE_DIR "/") + relative;
}

ExerciseOptions options(bool qNums, bool gap, bool bracket, bool jumble, bool wordList)
{
    ExerciseOptions o;
    o.includeQNums = qNums;
    o.gapWords = gap;
    o.bracketWords = bracket;
    o.jumbleOrder = jumble;
    o.includeWordList = wordList;
    return o;
}

} // namespace TestUtil

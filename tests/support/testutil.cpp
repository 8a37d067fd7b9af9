// SPDX-License-Identifier: GPL-3.0-or-later
#include "testutil.h"

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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/zelutils.h"

#include <QCoreApplication>
#include <QFileInfo>

QString ZelUtils::dataPath(const QString &relative)
{
    const QString appDir = QCoreApplication::applicationDirPath();
    const QString beside = appDir + QLatin1Char('/') + relative;
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed = appDir + QLatin1String("/../share/lexivane/") + relative;
    if (QFileInfo::exists(installed))
        return QFileInfo(installed).absoluteFilePath();
    return beside;
}

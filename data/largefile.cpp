// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/largefile.h"

#include <QFileInfo>
#include <QLocale>

qint64 LargeFile::sizeToAskAbout(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (fileName.isEmpty() || !info.isFile() || info.size() <= askAbove)
        return 0;
    return info.size();
}

QString LargeFile::sizeText(qint64 bytes)
{
    return QLocale::c().formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
}

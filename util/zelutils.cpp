// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/zelutils.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QUrl>

namespace {

ZelUtils::UrlOpener &urlOpener()
{
    static ZelUtils::UrlOpener opener;
    return opener;
}

} // namespace

ZelUtils::ZelUtils(QObject *parent)
    : QObject(parent)
{ }

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

bool ZelUtils::openFile(const QString &path, bool showErrors)
{
    // A Unix path brings its own leading slash; a drive path (D:/...) needs the third one.
    const QString url = path.startsWith(QLatin1Char('/')) ? QLatin1String("file://") + path
                                                          : QLatin1String("file:///") + path;
    const QUrl target(url, QUrl::TolerantMode);
    const bool ok = urlOpener() ? urlOpener()(target) : QDesktopServices::openUrl(target);
    if (!ok && showErrors) {
        QMessageBox::warning(nullptr, tr("File open error"),
            tr("Unable to open this file:\n %1").arg(path) + QLatin1Char('\n')
                + tr("Please try opening the file manually."));
    }
    return ok;
}

bool ZelUtils::openInBrowser(const QString &path, bool showErrors)
{
    return openFile(path, showErrors);
}

void ZelUtils::setUrlOpener(const UrlOpener &opener)
{
    urlOpener() = opener;
}

void ZelUtils::setApplicationIdentity()
{
    QApplication::setOrganizationName(QStringLiteral("Venhollow"));
    QApplication::setApplicationName(QStringLiteral("Lexivane 3"));
    QApplication::setOrganizationDomain(QStringLiteral("lexivane.venhollow.org"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/svgIcons/lexivane_02.svg")));
    QApplication::setApplicationVersion(QStringLiteral("3.0"));
}

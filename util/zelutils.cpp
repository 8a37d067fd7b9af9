// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/zelutils.h"

#include "exercise/instructionlanguage.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QTranslator>
#include <QUrl>

#include <memory>

namespace {

ZelUtils::UrlOpener &urlOpener()
{
    static ZelUtils::UrlOpener opener;
    return opener;
}

// The translators installed by installTranslations(), owned by the application object.
QPointer<QTranslator> &installedTranslator(int which)
{
    static QPointer<QTranslator> translators[2];
    return translators[which];
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
    setApplicationNames();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/svgIcons/lexivane_02.svg")));
}

void ZelUtils::setApplicationNames()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Venhollow"));
    QCoreApplication::setApplicationName(QStringLiteral("Lexivane 3"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("lexivane.venhollow.org"));
    QCoreApplication::setApplicationVersion(QStringLiteral("3.0"));
}

QString ZelUtils::installTranslations(const QLocale &locale)
{
    for (int which = 0; which < 2; ++which) {
        if (QTranslator *old = installedTranslator(which)) {
            QCoreApplication::removeTranslator(old);
            delete old;
        }
    }

    const QString ownFolder = dataPath(QStringLiteral("translations"));
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (QString language : locale.uiLanguages()) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        // The program's texts are English: a user who puts English first gets them as written,
        // even when a translated language comes further down the list.
        if (language == QLatin1String("C") || language == QLatin1String("en")
            || language.startsWith(QLatin1String("en_"))) {
            InstructionLanguage::setProgramLanguage(QStringLiteral("en"), ownFolder);
            return QString();
        }
        auto own = std::make_unique<QTranslator>(QCoreApplication::instance());
        // load() also tries the name without its country ("lexivane_de" for "de_AT").
        if (!own->load(QStringLiteral("lexivane_") + language, ownFolder))
            continue;
        QCoreApplication::installTranslator(own.get());
        installedTranslator(0) = own.release();
        InstructionLanguage::setProgramLanguage(language.left(2), ownFolder);
        auto qt = std::make_unique<QTranslator>(QCoreApplication::instance());
        if (qt->load(QStringLiteral("qtbase_") + language, qtFolder)) {
            QCoreApplication::installTranslator(qt.get());
            installedTranslator(1) = qt.release();
        }
        return language;
    }
    InstructionLanguage::setProgramLanguage(QStringLiteral("en"), ownFolder);
    return QString();
}

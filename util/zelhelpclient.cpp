// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/zelhelpclient.h"

#include "util/zelutils.h"

#include <QKeyEvent>
#include <QWidget>

ZelHelpClient::ZelHelpClient(QObject *parent)
    : QObject(parent)
{
    parent->installEventFilter(this);
}

void ZelHelpClient::setHelpPages(const QMap<QWidget *, QString> &pages)
{
    helpPages = pages;
}

void ZelHelpClient::setHelpPageForAll(const QWidget *root, const QString &page)
{
    helpPages.clear();
    for (QWidget *w : root->findChildren<QWidget *>())
        helpPages.insert(w, page);
}

bool ZelHelpClient::eventFilter(QObject *obj, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key != Qt::Key_F1 && key != Qt::Key_Help)
        return false;

    QString page = QStringLiteral("help.htm");
    if (auto *widget = qobject_cast<QWidget *>(obj))
        page = helpPages.value(widget->focusWidget(), page);

    ZelUtils::openInBrowser(ZelUtils::dataPath(QLatin1String("help/") + page), true);
    return true;
}

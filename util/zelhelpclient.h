// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ZELHELPCLIENT_H
#define ZELHELPCLIENT_H

#include <QMap>
#include <QObject>
#include <QString>

class QWidget;

// Context help: F1 (or the Help key) in the watched window opens the help page of the control that
// has the focus, or the general page when that control has none of its own.
class ZelHelpClient : public QObject
{
    Q_OBJECT

public:
    // Watches `parent`'s key presses.
    explicit ZelHelpClient(QObject *parent);

    // Page file names inside the help folder, by control. Only the exact control matches, not its
    // children.
    void setHelpPages(const QMap<QWidget *, QString> &pages);
    // One page for every control inside `root` (call it once the controls exist).
    void setHelpPageForAll(const QWidget *root, const QString &page);

    bool eventFilter(QObject *obj, QEvent *event) override;

private:
    QMap<QWidget *, QString> helpPages;
};

#endif // ZELHELPCLIENT_H

// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ZELBUSYCURSOR_H
#define ZELBUSYCURSOR_H

#include <QApplication>
#include <QCursor>

// Shows the wait cursor for the lifetime of the guard, so that it is restored on every way out of a
// command. release() restores it early (before a message box, say); the destructor then does nothing.
class ZelBusyCursor
{
public:
    ZelBusyCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~ZelBusyCursor() { release(); }

    void release()
    {
        if (m_active) {
            QApplication::restoreOverrideCursor();
            m_active = false;
        }
    }

    ZelBusyCursor(const ZelBusyCursor &) = delete;
    ZelBusyCursor &operator=(const ZelBusyCursor &) = delete;

private:
    bool m_active = true;
};

#endif // ZELBUSYCURSOR_H

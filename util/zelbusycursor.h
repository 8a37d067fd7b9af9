// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ZELBUSYCURSOR_H
#define ZELBUSYCURSOR_H

#include <QApplication>
#include <QCursor>

// Shows the wait cursor for the lifetime of the guard, so that it is restored on every way out of a
// command. release() restores it early (before a message box, say); the destructor then does nothing.
// resume() shows it again. A question in the middle of a busy command is wrapped in a Pause:
//
//     ZelBusyCursor busy;
//     ...
//     {
//         ZelBusyCursor::Pause pause(busy);
//         answer = box.exec();   // the normal cursor while the user decides
//     }                          // the wait cursor again
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

    void resume()
    {
        if (!m_active) {
            QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
            m_active = true;
        }
    }

    bool isActive() const { return m_active; }

    ZelBusyCursor(const ZelBusyCursor &) = delete;
    ZelBusyCursor &operator=(const ZelBusyCursor &) = delete;

    // Releases the guard's cursor for its own lifetime and, if the guard was showing it, shows it again
    // at the end, on every way out.
    class Pause
    {
    public:
        explicit Pause(ZelBusyCursor &busy)
            : m_busy(busy)
            , m_wasActive(busy.isActive())
        {
            m_busy.release();
        }
        ~Pause()
        {
            if (m_wasActive)
                m_busy.resume();
        }

        Pause(const Pause &) = delete;
        Pause &operator=(const Pause &) = delete;

    private:
        ZelBusyCursor &m_busy;
        bool m_wasActive;
    };

private:
    bool m_active = true;
};

#endif // ZELBUSYCURSOR_H

// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MODALANSWERER_H
#define MODALANSWERER_H

#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

class QWidget;

namespace TestUtil {

// Answers the real modal dialogs a command opens, one queued handler per dialog, in the order they
// appear. A timer watches QApplication::activeModalWidget(); each handler gets the dialog and must
// close it (accept, reject or click a button). A dialog that turns up when no handler is left is
// rejected and its title recorded in unexpected(), so a test never hangs in a nested event loop.
// Progress dialogs are left alone.
class ModalAnswerer : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<void(QWidget *dialog)>;

    ModalAnswerer();
    ~ModalAnswerer() override;

    ModalAnswerer &then(const Handler &handler);

    // Ready-made handlers. Each records what it saw in seen().
    // A QInputDialog: type `text` and press OK.
    ModalAnswerer &typeAndAccept(const QString &text);
    // Any dialog: press Cancel (reject).
    ModalAnswerer &reject();
    // A QMessageBox: press the standard button `button` (QMessageBox::StandardButton).
    ModalAnswerer &press(int button);

    int pending() const { return int(handlers.size()); }
    QStringList unexpected() const { return m_unexpected; }

    // What each answered dialog showed, in order: a QMessageBox gives its title, text and
    // informative text joined by "|"; a QInputDialog its title and label joined by "|".
    QStringList seen() const { return m_seen; }

    static QString describe(QWidget *dialog);

private:
    void poll();

    QTimer timer;
    QList<Handler> handlers;
    QStringList m_seen;
    QStringList m_unexpected;
};

} // namespace TestUtil

#endif // MODALANSWERER_H

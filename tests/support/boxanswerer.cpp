// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/boxanswerer.h"

#include <QMetaMethod>

namespace TestUtil {

bool runCommand(QObject &w, const char *slot)
{
    const QMetaObject *meta = w.metaObject();
    const int index = meta->indexOfMethod(QByteArray(slot) + "()");
    if (index < 0)
        qFatal("no slot %s() in the window", slot);
    const QMetaMethod method = meta->method(index);
    if (method.returnType() != QMetaType::Bool) {
        method.invoke(&w, Qt::DirectConnection);
        return true;
    }
    bool result = false;
    method.invoke(&w, Qt::DirectConnection, Q_RETURN_ARG(bool, result));
    return result;
}

} // namespace TestUtil

// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef XMLTEXT_H
#define XMLTEXT_H

#include <QString>

namespace XmlText {

// XML 1.0 cannot carry most C0 control characters, not even as references. A text holding one
// would make a document that no parser reads back, so they are left out of everything written.
inline bool isAllowed(QChar c)
{
    const ushort u = c.unicode();
    return u >= 0x20 || u == 0x09 || u == 0x0A || u == 0x0D;
}

inline QString clean(const QString &text)
{
    for (QChar c : text) {
        if (!isAllowed(c)) {
            QString out;
            out.reserve(text.size());
            for (QChar d : text) {
                if (isAllowed(d))
                    out.append(d);
            }
            return out;
        }
    }
    return text;
}

} // namespace XmlText

#endif // XMLTEXT_H

// SPDX-License-Identifier: GPL-3.0-or-later
// An XML document imported, exported and imported again: what the export writes reads back, and from
// then on nothing changes. (The first export may differ from what was read: a bracket in a text
// node of a hand-made document becomes part of the bracket notation on import.)
#include "fuzzinput.h"

#include "data/lxddatabase.h"

#include <QDomDocument>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QDomDocument document;
    LxdDatabase db(&document, nullptr);
    if (!db.loadXml(FuzzInput::write(QStringLiteral("in.xml"), bytes)))
        return 0; // not well-formed, or nested too deep: refused like any unreadable file
    const QString first = FuzzInput::write(QStringLiteral("first.xml"), QByteArray());
    FuzzInput::check(db.saveXml(first, 3), "the database exports");

    QByteArray exports[2];
    QString previous = first;
    for (QByteArray &bytes : exports) {
        LxdDatabase again(&document, nullptr);
        FuzzInput::check(again.loadXml(previous), "the exported file imports");
        previous = FuzzInput::write(QStringLiteral("again.xml"), QByteArray());
        FuzzInput::check(again.saveXml(previous, 3), "the database exports again");
        QFile file(previous);
        FuzzInput::check(file.open(QIODevice::ReadOnly), "the export opens");
        bytes = file.readAll();
    }
    FuzzInput::check(exports[0] == exports[1], "an export imported and exported again is the same file");
    return 0;
}

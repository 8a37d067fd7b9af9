// SPDX-License-Identifier: GPL-3.0-or-later
// An XML document imported, exported and imported again: what the export writes reads back, and a
// second export of it is the same file.
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

    LxdDatabase again(&document, nullptr);
    FuzzInput::check(again.loadXml(first), "the exported file imports");
    const QString second = FuzzInput::write(QStringLiteral("second.xml"), QByteArray());
    FuzzInput::check(again.saveXml(second, 3), "the database exports again");
    QFile a(first);
    QFile b(second);
    FuzzInput::check(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly), "the exports open");
    FuzzInput::check(a.readAll() == b.readAll(), "a second export is the same file");
    return 0;
}

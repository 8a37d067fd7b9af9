// SPDX-License-Identifier: GPL-3.0-or-later
// An XML document imported, exported and imported again: what the export writes reads back, and from
// then on nothing changes. The fast reader and the general parser read every document alike. (The first
// export may differ from what was read: a bracket in a text node of a hand-made document becomes part of the
// bracket notation on import.)
#include "fuzzinput.h"

#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdsentence.h"
#include "data/xmlfastreader.h"

static QStringList describe(const LxdDatabase &db)
{
    QStringList lines;
    for (const LxdItem *item : db.items) {
        QString line;
        item->appendFileText(line, 3);
        lines << line;
        for (const LxdSentence &s : item->sentences)
            lines << QString::number(s.bracketStatus());
    }
    return lines;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    LxdDatabase db;
    const QString in = FuzzInput::write(QStringLiteral("in.xml"), bytes);
    XmlFastReader::setEnabledForTesting(false);
    LxdDatabase general;
    int generalBroken = 0;
    const bool generalRead = general.loadXml(in, &generalBroken);
    XmlFastReader::setEnabledForTesting(true);
    int broken = 0;
    const bool read = db.loadXml(in, &broken);
    FuzzInput::check(read == generalRead && broken == generalBroken && describe(db) == describe(general)
            && db.readVocabularyDocument() == general.readVocabularyDocument(),
        "the fast reader reads as the general parser does");
    if (!read)
        return 0; // not well-formed, or nested too deep: refused like any unreadable file
    const QString first = FuzzInput::write(QStringLiteral("first.xml"), QByteArray());
    FuzzInput::check(db.saveXml(first, 3), "the database exports");

    QByteArray exports[2];
    QString previous = first;
    for (QByteArray &bytes : exports) {
        LxdDatabase again;
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

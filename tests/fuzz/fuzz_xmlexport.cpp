// SPDX-License-Identifier: GPL-3.0-or-later
// A database of fuzzed headwords and sentences exported to XML and imported again: any text exports
// to a file that imports, with every headword, sentence and used count, the texts as the export says
// it writes them (without the characters XML cannot carry); exported again, nothing changes.
#include "fuzzinput.h"

#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdsentence.h"
#include "data/xmlexport.h"
#include "data/xmltext.h"

#include <QDomDocument>

namespace {

QByteArray exported(LxdDatabase &db, const QString &name)
{
    const QString path = FuzzInput::write(name, QByteArray());
    FuzzInput::check(db.saveXml(path, 3), "the database exports");
    QFile file(path);
    FuzzInput::check(file.open(QIODevice::ReadOnly), "the export opens");
    return file.readAll();
}

} // namespace

// UTF-16 text (any code unit, half a surrogate pair too): one headword a line, its sentences after
// it separated by tabs, each sentence's used count the code unit before it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf16(reinterpret_cast<const char16_t *>(data), qsizetype(size) / 2);
    QDomDocument document;
    LxdDatabase db;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        LxdItem *item = db.addItem();
        item->setHeadword(fields.first());
        for (qsizetype i = 1; i < fields.size(); ++i) {
            LxdSentence *sentence = item->addSentence();
            sentence->setText(fields.at(i).mid(1));
            sentence->setUsed(fields.at(i).isEmpty() ? 0 : int(fields.at(i).at(0).unicode()) - 100);
        }
    }
    const QByteArray first = exported(db, QStringLiteral("first.xml"));

    LxdDatabase back;
    FuzzInput::check(back.loadXml(FuzzInput::write(QStringLiteral("in.xml"), first)), "the export imports");
    FuzzInput::check(back.items.size() == db.items.size(), "every headword comes back");
    for (qsizetype i = 0; i < db.items.size(); ++i) {
        const LxdItem *was = db.items.at(i);
        const LxdItem *is = back.items.at(i);
        FuzzInput::check(
            is->headword() == XmlText::clean(was->headword()).trimmed(), "the headword comes back");
        FuzzInput::check(is->sentences.size() == was->sentences.size(), "every sentence comes back");
        for (qsizetype k = 0; k < was->sentences.size(); ++k) {
            FuzzInput::check(
                is->sentences.at(k).used() == was->sentences.at(k).used(), "the used count comes back");
            // The parser drops text that is only white space, between key words and after the last.
            const QString expected = XmlText::clean(was->sentences.at(k).text());
            if (!expected.contains(QLatin1Char('\r')) && expected.trimmed() == expected
                && !expected.contains(QLatin1String("] ")) && !expected.contains(QLatin1String("]\t"))
                && !expected.contains(QLatin1String("]\n")))
                FuzzInput::check(is->sentences.at(k).text() == expected, "the sentence comes back");
        }
    }
    const QByteArray second = exported(back, QStringLiteral("again.xml"));
    LxdDatabase third;
    FuzzInput::check(
        third.loadXml(FuzzInput::write(QStringLiteral("in.xml"), second)), "the export imports again");
    FuzzInput::check(
        exported(third, QStringLiteral("third.xml")) == second, "exported again, nothing changes");
    return 0;
}

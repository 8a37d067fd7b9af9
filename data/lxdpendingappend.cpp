// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/lxdpendingappend.h"

#include "data/linefile.h"
#include "data/lxdsentence.h"

#include <QFile>

void LxdPendingAppend::clear()
{
    items.clear();
    sentences.clear();
    text.clear();
}

bool LxdPendingAppend::read(const QString &fileName)
{
    clear();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Each line is kept trimmed, one after another, in one text; the records point into it by
    // position, as the text may move while it grows.
    text.reserve(file.size());
    const bool read = LineFile::readFile(
        file, [this] { clear(); },
        [this](QStringView line) {
            line = line.trimmed();
            if (line.isEmpty())
                return;
            const qsizetype base = text.size();
            text.append(line);
            const QStringView stored = QStringView(text).sliced(base);
            const auto span = [base, origin = stored.data()](QStringView view) {
                return Span {base + (view.data() - origin), view.size()};
            };
            Item item;
            item.firstSentence = sentences.size();
            const auto expect = [](qsizetype) {}; // one list for the whole file grows by itself
            item.headword = span(LineFile::splitRecord(stored, expect, [this, &span](QStringView part) {
                Sentence &sentence = sentences.emplace_back();
                QStringView field;
                sentence.stored = LxdSentence::parseFileField(part, &field, &sentence.used);
                if (sentence.stored)
                    sentence.text = span(field);
            }));
            item.sentenceCount = sentences.size() - item.firstSentence;
            items.append(item);
        });
    if (!read)
        clear();
    return read;
}

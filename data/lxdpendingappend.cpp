// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/lxdpendingappend.h"

#include "data/linefile.h"
#include "data/lxdsentence.h"

#include <QFile>

void LxdPendingAppend::clear()
{
    items.clear();
    sentences.clear();
    lines.clear();
}

bool LxdPendingAppend::read(const QString &fileName)
{
    clear();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Each line is kept trimmed; the records point into it by position.
    const bool read = LineFile::readFile(
        file, [this] { clear(); },
        [this](QStringView line) {
            line = line.trimmed();
            if (line.isEmpty())
                return;
            const QString &stored = lines.emplace_back(line.toString());
            const auto span = [origin = stored.constData()](QStringView view) {
                return Span {view.data() - origin, view.size()};
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

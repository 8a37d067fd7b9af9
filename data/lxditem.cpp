// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/lxditem.h"

#include "data/linefile.h"
#include "data/lxddatabase.h"

#include <algorithm>

LxdItem::LxdItem(LxdDatabase *database)
    : m_database(database)
{ }

void LxdItem::touch()
{
    if (m_database)
        m_database->setModified(true);
}

bool LxdItem::setHeadword(const QString &h)
{
    if (h.isEmpty() || h == m_headword)
        return false;
    m_headword = h;
    touch();
    if (m_database) {
        m_database->forgetOrder();
        m_database->sort();
    }
    return true;
}

LxdSentence *LxdItem::sentenceAt(int i)
{
    if (i < 0 || i >= sentences.size())
        return nullptr;
    return &sentences[i];
}

const LxdSentence *LxdItem::sentenceAt(int i) const
{
    if (i < 0 || i >= sentences.size())
        return nullptr;
    return &sentences.at(i);
}

LxdSentence *LxdItem::addSentence()
{
    sentences.append(LxdSentence());
    touch();
    return &sentences.last();
}

bool LxdItem::moveSentence(int from, int to)
{
    const int n = sentenceCount();
    if (from < 0 || from >= n || to < 0 || to >= n)
        return false;
    sentences.move(from, to);
    touch();
    return true;
}

bool LxdItem::deleteSentence(int i)
{
    if (i < 0 || i >= sentences.size())
        return false;
    sentences.removeAt(i);
    touch();
    return true;
}

void LxdItem::clearSentences()
{
    sentences.clear();
}

void LxdItem::clear()
{
    clearSentences();
    m_headword = QString(QLatin1String(""));
    if (m_database)
        m_database->forgetOrder();
    touch();
}

bool LxdItem::zeroUsed()
{
    // Only a list that has a count to clear is written to, so that a list shared with an undo step
    // is not copied for nothing.
    const auto nonZero = [](const LxdSentence &s) { return s.used() != 0; };
    auto first = std::find_if(sentences.cbegin(), sentences.cend(), nonZero);
    if (first == sentences.cend())
        return false;
    for (qsizetype k = first - sentences.cbegin(); k < sentences.size(); ++k)
        sentences[k].zeroUsed();
    return true;
}

int LxdItem::findText(const QString &s, int after) const
{
    for (int k = qMax(after + 1, 0); k < sentences.size(); ++k) {
        if (sentences.at(k).indexOf(s) != -1)
            return k;
    }
    return -1;
}

void LxdItem::appendFileText(QString &out, int version) const
{
    LineFile::appendRecord(
        out, m_headword, sentences.size(), version, [this](qsizetype k, int *used) -> const QString & {
            const LxdSentence &sentence = sentences.at(k);
            *used = sentence.used();
            return sentence.textRef();
        });
}

void LxdItem::readFileLine(QStringView line)
{
    const auto expect = [this](qsizetype parts) { sentences.reserve(sentences.size() + parts); };
    const QStringView head = LineFile::splitRecord(
        line, expect, [this](QStringView part) { sentences.append(LxdSentence::fromFileField(part)); });
    sentences.squeeze();
    m_headword = head.toString();
    if (m_database)
        m_database->forgetOrder();
}

qsizetype LxdItem::readFileLinePiece(QStringView piece, bool first)
{
    // The line is trimmed as a whole: white space at its start goes with the headword.
    qsizetype from = 0;
    if (first) {
        while (from < piece.size() && piece[from].isSpace())
            ++from;
    }
    bool headword = first;
    const qsizetype taken
        = LineFile::splitClosedParts(piece.sliced(from), [this, &headword](QStringView part) {
              if (headword)
                  m_headword = part.toString();
              else if (part.size() > 2)
                  sentences.append(LxdSentence::fromFileField(part));
              headword = false;
          });
    return taken > 0 ? from + taken : 0;
}

void LxdItem::readFileLineEnd(QStringView rest)
{
    // What follows the last separator read is a sentence part; the line's end is trimmed.
    qsizetype end = rest.size();
    while (end > 0 && rest[end - 1].isSpace())
        --end;
    LineFile::splitParts(
        rest.first(end), [this](QStringView part) { sentences.append(LxdSentence::fromFileField(part)); });
    sentences.squeeze();
    if (m_database)
        m_database->forgetOrder();
}

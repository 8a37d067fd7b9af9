// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LXDITEM_H
#define LXDITEM_H

#include "data/lxdsentence.h"

#include <QList>
#include <QString>

class LxdDatabase;

// One headword with its sentences in the teacher's order. A plain record: the sentences are values
// in one list, and the database owns the headword.
class LxdItem
{
public:
    explicit LxdItem(LxdDatabase *database = nullptr);
    LxdItem(const LxdItem &) = delete;
    LxdItem &operator=(const LxdItem &) = delete;

    QString headword() const { return m_headword; }
    const QString &headwordRef() const { return m_headword; }
    bool setHeadword(const QString &h);

    int sentenceCount() const { return int(sentences.size()); }
    // Null when out of range. The pointer is good until the item's sentences next change.
    LxdSentence *sentenceAt(int i);
    const LxdSentence *sentenceAt(int i) const;
    LxdSentence *addSentence();
    bool moveSentence(int from, int to);
    bool deleteSentence(int i);
    void clearSentences();
    void clear();
    // Whether some count was not 0 already.
    bool zeroUsed();
    int findText(const QString &s, int after) const;

    LxdDatabase *database() const { return m_database; }

    void appendFileText(QString &out, int version) const;
    // Reads a database-file line into this record, which a loader is building.
    void readFileLine(QStringView line);
    // The same for a line that comes in pieces (LineFile::LineSink::linePiece): returns how much of
    // the piece was read, 0 when it closes no part yet; the rest of the line goes to
    // readFileLineEnd().
    qsizetype readFileLinePiece(QStringView piece, bool first);
    void readFileLineEnd(QStringView rest);

    // The sentences in display order. The database's merge and the sentence model append to it
    // directly.
    QList<LxdSentence> sentences;

private:
    friend class LxdDatabase;

    // A change that the database, when there is one, counts as unsaved.
    void touch();

    QString m_headword = QString(QLatin1String(""));
    LxdDatabase *m_database = nullptr; // not owned
};

#endif // LXDITEM_H

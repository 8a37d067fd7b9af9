// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LXDSENTENCE_H
#define LXDSENTENCE_H

#include <QString>
#include <QStringList>

// One example sentence: its text with the key words in square brackets, how often it has gone
// into an exercise, and the bracket status of the text. A plain value: its headword holds its
// sentences in one list, side by side, with no heap block and no vtable of their own. A database
// holds a million of them, so a field more costs megabytes; whether anything is unsaved is the
// document's business, not the record's.
class LxdSentence
{
public:
    // Doubtful: complete key words, but the notation inside one looks mistyped ("[went:go]").
    enum BracketStatus { Unchecked = 0, Valid = 1, NoKeyWord = 2, Unmatched = 3, Doubtful = 4 };

    LxdSentence() = default;
    // A sentence with its bracket status checked.
    LxdSentence(const QString &text, int used);

    QString text() const { return m_text; }
    const QString &textRef() const { return m_text; }
    int setText(const QString &t);

    int used() const { return m_used; }
    void setUsed(int n) { m_used = n; }
    void zeroUsed() { m_used = 0; }
    void addUsed(int n) { m_used += n; }

    int bracketStatus() const { return m_status; }
    // Whether the text starts or ends with white space; known without reading the text itself.
    bool hasOuterSpace() const { return m_outerSpace; }
    static int checkBrackets(QStringView s);
    // Puts back the status an undone edit replaced: a field that was too short to read stays
    // unchecked, though its empty text would now read as having no key word.
    void restoreStatus(int status) { m_status = qint8(status); }

    int indexOf(const QString &s) const;

    // The sentence's field of a database-file line.
    void appendFileText(QString &out, int version) const;
    // The used count and the text of a database-file field; false when the field is too short to
    // hold a sentence.
    static bool parseFileField(QStringView field, QStringView *text, int *used);
    // The sentence a database-file field holds; one too short to hold a sentence is stored empty
    // and never checked.
    static LxdSentence fromFileField(QStringView field);
    // Stores what a reader found; a null text stands for a field too short to hold a sentence.
    void setLoaded(const QString &text, int used);

    bool operator==(const LxdSentence &other) const
    {
        return m_used == other.m_used && m_status == other.m_status && m_text == other.m_text;
    }

private:
    void assignText(const QString &t);

    QString m_text = QString(QLatin1String(""));
    int m_used = 0;
    qint8 m_status = Unchecked;
    bool m_outerSpace = false;
};

Q_DECLARE_TYPEINFO(LxdSentence, Q_RELOCATABLE_TYPE);

#endif // LXDSENTENCE_H

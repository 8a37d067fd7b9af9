// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LXDSENTENCE_H
#define LXDSENTENCE_H

#include "data/zelelement.h"

#include <QString>
#include <QStringList>

class LxdItem;

// One example sentence: its text with the key words in square brackets, how often it has gone
// into an exercise, and the bracket status of the text. A plain record, not a QObject: its
// headword's list owns it, and nothing connects to it.
class LxdSentence : public ZelElement
{
public:
    enum BracketStatus { Unchecked = 0, Valid = 1, NoKeyWord = 2, Unmatched = 3 };

    LxdSentence(QDomDocument *document, LxdItem *item);
    LxdSentence();

    QString text() const { return m_text; }
    const QString &textRef() const { return m_text; }
    int setText(const QString &t);

    int used() const { return m_used; }
    void setUsed(int n);
    void zeroUsed();
    void addUsed(int n);

    int bracketStatus() const { return m_status; }
    // Whether the text starts or ends with white space; known without reading the text itself.
    bool hasOuterSpace() const { return m_outerSpace; }
    static int checkBrackets(QStringView s);
    // Puts back the status an undone edit replaced: a field that was too short to read stays
    // unchecked, though its empty text would now read as having no key word.
    void restoreStatus(int status) { m_status = qint8(status); }

    int indexOf(const QString &s) const;

    LxdItem *item() const { return m_item; }
    void setItem(LxdItem *item);

    void setModified(bool m) override;
    bool isModified() const override;
    QDomElement toDomElement() override;
    void fromDomElement(const QDomElement &element) override;

    QString toFileText(int version) const;
    void appendFileText(QString &out, int version) const;
    void fromFileText(QStringView field);
    void readFileField(QStringView field); // as fromFileText, without marking anything modified

    // The used count and the text of a database-file field, as fromFileText reads them; false
    // when the field is too short to hold a sentence.
    static bool parseFileField(QStringView field, QStringView *text, int *used);
    // Stores what a reader found, without marking anything modified; a null text stands for a
    // field too short to hold a sentence.
    void setLoaded(const QString &text, int used);

private:
    void assignText(const QString &t);

    // Ordered so that one record fits the smallest heap block it can (56 bytes, a 64-byte block):
    // a database holds a million of them. The two flags and the count fill the padding after the
    // base's modified flag.
    qint8 m_status = Unchecked;
    bool m_outerSpace = false;
    int m_used = 0;
    QString m_text = QString(QLatin1String(""));
    LxdItem *m_item = nullptr; // not owned
};

#endif // LXDSENTENCE_H

// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LXDITEM_H
#define LXDITEM_H

#include "data/zelelement.h"

#include <QList>
#include <QObject>
#include <QString>

class LxdDatabase;
class LxdSentence;

// One headword with its sentences in the teacher's order. The item owns its sentences.
class LxdItem : public QObject, public ZelElement
{
    Q_OBJECT

public:
    LxdItem(QDomDocument *document, LxdDatabase *database, QObject *parent);
    explicit LxdItem(QObject *parent = nullptr);
    ~LxdItem() override;

    QString headword() const { return m_headword; }
    const QString &headwordRef() const { return m_headword; }
    bool setHeadword(const QString &h);

    int sentenceCount() const { return int(sentences.size()); }
    LxdSentence *sentenceAt(int i) const;
    LxdSentence *addSentence();
    bool moveSentence(int from, int to);
    bool deleteSentence(int i);
    void clearSentences();
    void clear();
    void zeroUsed();
    int findText(const QString &s, int after) const;

    LxdDatabase *database() const { return m_database; }

    void setModified(bool m) override;
    bool isModified() const override;
    QDomElement toDomElement() override;
    void fromDomElement(const QDomElement &element) override;

    QString toFileText(int version) const;
    void appendFileText(QString &out, int version) const;
    void fromFileText(QStringView line);
    // The same reading for a record that is being built by a loader, which clears every flag
    // afterwards anyway: nothing is marked on the way.
    void readFileLine(QStringView line);

    // The sentences in display order. The database's merge and the sentence model append to it
    // directly; whoever adds a sentence hands it over: the item deletes it.
    QList<LxdSentence *> sentences;

private:
    friend class LxdDatabase;

    QString m_headword;
    LxdDatabase *m_database = nullptr; // not owned
};

#endif // LXDITEM_H

// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ZELELEMENT_H
#define ZELELEMENT_H

#include <QDomElement>

class QDomDocument;

// Common base of the vocabulary records: the document their XML nodes are built in, and the
// modified flag that each record passes on in its own way.
//
// A plain base, not a QObject: a database holds a million sentences, and a QObject would add its
// private part, a separate heap block of about 130 bytes, to each. The records that need signals
// or a parent (headwords, the database) derive from QObject as well.
class ZelElement
{
public:
    virtual ~ZelElement();

    virtual void setDocument(QDomDocument *document);
    virtual void setModified(bool m);
    virtual bool isModified() const;
    virtual QDomElement toDomElement() = 0;
    virtual void fromDomElement(const QDomElement &element) = 0;

    QDomDocument *domDocument() const { return document; }

protected:
    ZelElement() = default;
    ZelElement(const ZelElement &) = delete;
    ZelElement &operator=(const ZelElement &) = delete;

    QDomDocument *document = nullptr; // not owned
    // Last, so that a subclass's small fields fill the padding after it.
    bool modified = false;
};

#endif // ZELELEMENT_H

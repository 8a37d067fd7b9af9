// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ZELELEMENT_H
#define ZELELEMENT_H

#include <QDomElement>
#include <QObject>

class QDomDocument;

// Common base of the vocabulary records: the document their XML nodes are built in, and the
// modified flag that each record passes on in its own way.
class ZelElement : public QObject
{
    Q_OBJECT

public:
    explicit ZelElement(QObject *parent = nullptr);

    virtual void setDocument(QDomDocument *document);
    virtual void setModified(bool m);
    virtual bool isModified() const;
    virtual QDomElement toDomElement() = 0;
    virtual void fromDomElement(const QDomElement &element) = 0;

    QDomDocument *domDocument() const { return document; }

protected:
    QDomDocument *document = nullptr; // not owned
    bool modified = false;
};

#endif // ZELELEMENT_H

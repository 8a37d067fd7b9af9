// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DOMCODEC_H
#define DOMCODEC_H

#include <QDomElement>

class LxdDatabase;
class LxdItem;
class LxdSentence;
class QDomDocument;

// The XML exchange document as a DOM tree, written and read the plain way: the reference that the
// streamed writer and the fast reader of the program are held against.
namespace DomCodec {

QDomElement write(QDomDocument &document, const LxdDatabase &db, int version = 3);
QDomElement write(QDomDocument &document, const LxdSentence &sentence);

// A "sentence" element's text, with its key words in brackets, and its used count; another element
// gives an empty sentence.
LxdSentence readSentence(const QDomElement &element);
// An "item" element's headword (trimmed) and sentences; the caller owns the record.
LxdItem *readItem(const QDomElement &element);
// The headwords of a vocabulary document take the place of everything `db` held; a document of
// another kind leaves it empty.
void read(const QDomElement &root, LxdDatabase &db);

} // namespace DomCodec

#endif // DOMCODEC_H

// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef XMLFASTREADER_H
#define XMLFASTREADER_H

#include <QLatin1String>
#include <QStringView>

class QIODevice;

// A reader for XML in the plain shape that the exchange document has: UTF-8, elements and
// attributes with simple names, texts with the five named entities and character references,
// comments. It reads the bytes block by block and hands on elements and texts as a general parser
// would, several times faster. Whatever it is not certain to read exactly as QXmlStreamReader does
// (a document type, CDATA, processing instructions, namespaces, other encodings, anything not
// well-formed) makes it give up, and the caller reads the file again with QXmlStreamReader. As it
// knows no document type, it expands no entity: the text it hands on is never longer than the file.
namespace XmlFastReader {

class Sink
{
public:
    virtual ~Sink() = default;
    virtual void start(QLatin1String name) = 0;
    // The attributes of the element just started, each after start(), their values as a general
    // parser gives them.
    virtual void attribute(QLatin1String name, QStringView value)
    {
        Q_UNUSED(name);
        Q_UNUSED(value);
    }
    virtual void end() = 0;
    // A text between two pieces of markup, line ends normalized and references replaced; texts
    // that are only white space (as QString::trimmed sees it) are not handed on.
    virtual void text(QLatin1String ascii) = 0;
    virtual void text(QStringView text) = 0;
};

enum class Result { Read, Uncertain };

// Reads `device` from where it stands to its end. Elements nested `depthLimit` deep or more make
// it give up as well. After Uncertain, the sink has seen part of the document.
Result read(QIODevice &device, Sink &sink, int depthLimit);

// Tests turn the reader off to compare it with the general parser on the same files.
void setEnabledForTesting(bool enabled);

} // namespace XmlFastReader

#endif // XMLFASTREADER_H

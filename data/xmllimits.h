// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef XMLLIMITS_H
#define XMLLIMITS_H

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QXmlStreamReader>

#include <functional>

// The bounds every reader of XML holds a file to, so that a corrupt or hostile file is refused at
// once instead of taking the window's memory and time: how deep elements may nest, and how many
// characters the entities a document declares for itself may add to it. Word lists and exchange
// documents nest a handful of levels and declare no entities, so both bounds lie far beyond any real
// file.
class XmlLimits
{
    Q_DECLARE_TR_FUNCTIONS(XmlLimits)

public:
    // Elements open at once.
    static constexpr int Depth = 256;
    // Characters that references to declared entities, and attribute values filled in from the
    // document type, may add beyond the file's own text.
    static constexpr qint64 Expansion = 1000000;

    enum Refusal { None, TooDeep, TooMuchExpansion, ParameterEntities, Cancelled };
    // The reason, for the message that says the file was not read.
    static QString message(Refusal refusal);

    // Asked now and then with the characters read so far; true: stop reading (the import's Cancel).
    using Stop = std::function<bool(qint64 read)>;
    // The whole document as bytes; asked for only when it declares entities of its own.
    using Bytes = std::function<QByteArray()>;

    // Follows a QXmlStreamReader token by token (after checkDocumentType passed): call next() after
    // each readNext(). When it returns
    // false the reading must stop; refusal() says why. The references to declared entities are
    // counted in the bytes when the document type is read, before the reader expands any of them
    // (it joins all the expansions of one text into one token, so counting tokens would come too late).
    class Watch
    {
    public:
        explicit Watch(Bytes bytes, Stop stop = {});
        bool next(const QXmlStreamReader &reader);
        Refusal refusal() const { return m_refusal; }
        int depth() const { return m_depth; }

    private:
        Bytes m_bytes;
        Stop m_stop;
        Refusal m_refusal = None;
        int m_depth = 0;
        qint64 m_added = 0;
        bool m_documentType = false;
        unsigned m_tokens = 0;
    };

    // Reads `bytes` through once, for the readers that hand the document to a tree parser. None also
    // for a document that is not well-formed: the parser that follows says what is wrong with it.
    static Refusal check(const QByteArray &bytes, const Stop &stop = {});

    // Looks at the document type before a parser reads it: parameter entities, and the references to
    // declared entities in the whole file, counted at the most that each may expand to. Qt's parser
    // expands them while it reads the document type, before anything can count what they produce.
    static Refusal checkDocumentType(const QByteArray &document);

    // The characters that references to the entities in `declarations` add to `document` at most:
    // each reference counted with its expansion, nested references resolved, less its own length.
    static qint64 expansion(const QXmlStreamEntityDeclarations &declarations, const QByteArray &document);
};

#endif // XMLLIMITS_H

// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TEXTREADER_H
#define TEXTREADER_H

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <atomic>

// The text of a document the teacher has, as plain text with its paragraphs apart by blank lines:
// plain text, HTML, OpenDocument and Word text documents, EPUB books and PDF files.
class TextReader
{
    Q_DECLARE_TR_FUNCTIONS(TextReader)

public:
    // The text of the file, by its extension; empty with the reason in *error when it cannot be read.
    // Plain text and HTML are decoded as an imported file is (LxdImport::decodeText).
    // A long read (the pages of a PDF, the documents of a book) stops, empty and without a reason,
    // once `cancel` is set, and tells how far it is in `progress` (0 to 100).
    static QString read(const QString &fileName, QString *error = nullptr,
        const std::atomic_bool *cancel = nullptr, std::atomic_int *progress = nullptr);
    // The name filter of the kinds read, for a file dialog.
    static QString nameFilter();

    static QString fromHtml(const QString &html);
    // The paragraphs of an XHTML, DOCX or ODT body, blank lines between them.
    static QString fromXml(const QByteArray &xml);
};

#endif // TEXTREADER_H

// SPDX-License-Identifier: GPL-3.0-or-later
#include "finder/textreader.h"

#include "import/lxdimport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>
#include <QXmlStreamReader>

#include <poppler-qt6.h>
#include <zip.h>

#include <memory>

namespace {

bool stopped(const std::atomic_bool *cancel)
{
    return cancel && cancel->load();
}

// Larger files or archive entries are no text a teacher picks sentences from, and reading them could
// exhaust the memory (a small archive can hold a huge entry).
constexpr qint64 MaxBytes = 256LL * 1024 * 1024;

struct ZipClose
{
    void operator()(zip_t *zip) const { zip_discard(zip); }
};

// A ZIP archive read from memory.
class ZipReader
{
public:
    explicit ZipReader(const QByteArray &data)
        : m_data(data)
    {
        zip_error_t error;
        zip_error_init(&error);
        zip_source_t *source
            = zip_source_buffer_create(m_data.constData(), zip_uint64_t(m_data.size()), 0, &error);
        if (source) {
            m_zip.reset(zip_open_from_source(source, ZIP_RDONLY, &error));
            if (!m_zip)
                zip_source_free(source);
        }
        zip_error_fini(&error);
    }
    bool isOpen() const { return bool(m_zip); }
    // The entry's bytes; false when it is missing, too large or damaged.
    bool entry(const QString &name, QByteArray *out) const
    {
        if (!m_zip)
            return false;
        const zip_int64_t index = zip_name_locate(m_zip.get(), name.toUtf8().constData(), 0);
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (index < 0 || zip_stat_index(m_zip.get(), zip_uint64_t(index), 0, &stat) < 0
            || !(stat.valid & ZIP_STAT_SIZE) || stat.size > zip_uint64_t(MaxBytes))
            return false;
        zip_file_t *file = zip_fopen_index(m_zip.get(), zip_uint64_t(index), 0);
        if (!file)
            return false;
        out->resize(qsizetype(stat.size));
        const zip_int64_t read = zip_fread(file, out->data(), stat.size);
        zip_fclose(file);
        return read >= 0 && zip_uint64_t(read) == stat.size;
    }

private:
    QByteArray m_data; // the archive reads from it until it is closed
    std::unique_ptr<zip_t, ZipClose> m_zip;
};

QString fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return QString();
}

// The books of an EPUB in reading order: the container names the package, the package's spine the
// documents.
QString readEpub(
    const ZipReader &zip, QString *error, const std::atomic_bool *cancel, std::atomic_int *progress)
{
    QByteArray container;
    if (!zip.entry(QStringLiteral("META-INF/container.xml"), &container))
        return fail(error, TextReader::tr("The book has no META-INF/container.xml."));
    QString packagePath;
    QXmlStreamReader c(container);
    while (!c.atEnd() && packagePath.isEmpty()) {
        if (c.readNext() == QXmlStreamReader::StartElement && c.name() == QLatin1String("rootfile"))
            packagePath = c.attributes().value(QLatin1String("full-path")).toString();
    }
    QByteArray package;
    if (packagePath.isEmpty() || !zip.entry(packagePath, &package))
        return fail(error, TextReader::tr("The book's package document cannot be read."));
    const QString base = packagePath.contains(u'/') ? packagePath.section(u'/', 0, -2) + u'/' : QString();
    QHash<QString, QString> manifest;
    QStringList spine;
    QXmlStreamReader p(package);
    while (!p.atEnd()) {
        if (p.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (p.name() == QLatin1String("item"))
            manifest.insert(p.attributes().value(QLatin1String("id")).toString(),
                p.attributes().value(QLatin1String("href")).toString());
        else if (p.name() == QLatin1String("itemref"))
            spine.append(p.attributes().value(QLatin1String("idref")).toString());
    }
    QString text;
    for (qsizetype i = 0; i < spine.size(); ++i) {
        if (stopped(cancel))
            return QString();
        if (progress)
            progress->store(int(i * 100 / spine.size()));
        const QString &id = spine.at(i);
        const QString href = QUrl::fromPercentEncoding(manifest.value(id).section(u'#', 0, 0).toUtf8());
        QByteArray page;
        if (href.isEmpty() || !zip.entry(QDir::cleanPath(base + href), &page))
            continue;
        text += TextReader::fromXml(page);
    }
    return text;
}

QString readPdf(
    const QString &fileName, QString *error, const std::atomic_bool *cancel, std::atomic_int *progress)
{
    std::unique_ptr<Poppler::Document> document = Poppler::Document::load(fileName);
    if (!document || document->isLocked())
        return fail(error, TextReader::tr("The PDF file cannot be read or is protected by a password."));
    QString text;
    for (int i = 0; i < document->numPages(); ++i) {
        if (stopped(cancel))
            return QString();
        if (progress)
            progress->store(i * 100 / document->numPages());
        std::unique_ptr<Poppler::Page> page = document->page(i);
        if (page)
            text += page->text(QRectF()) + u'\n';
    }
    return text;
}

} // namespace

QString TextReader::nameFilter()
{
    return tr("Texts (*.txt *.text *.htm *.html *.xhtml *.odt *.docx *.epub *.pdf)") + QStringLiteral(";;")
        + tr("All files (*)");
}

QString TextReader::fromHtml(const QString &html)
{
    QTextDocument document;
    document.setHtml(html);
    QString text;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        text += block.text().replace(QChar::LineSeparator, u' ') + QStringLiteral("\n\n");
    return text;
}

QString TextReader::fromXml(const QByteArray &xml)
{
    // Elements that make a paragraph of their own in XHTML, Word's and OpenDocument's bodies.
    static const QSet<QString> blocks {QStringLiteral("p"), QStringLiteral("h"), QStringLiteral("h1"),
        QStringLiteral("h2"), QStringLiteral("h3"), QStringLiteral("h4"), QStringLiteral("h5"),
        QStringLiteral("h6"), QStringLiteral("div"), QStringLiteral("li"), QStringLiteral("blockquote"),
        QStringLiteral("tr"), QStringLiteral("td"), QStringLiteral("th"), QStringLiteral("title"),
        QStringLiteral("section"), QStringLiteral("dd"), QStringLiteral("dt"), QStringLiteral("pre")};
    static const QSet<QString> skipped {QStringLiteral("head"), QStringLiteral("script"),
        QStringLiteral("style"), QStringLiteral("instrText"), QStringLiteral("delText"),
        QStringLiteral("tracked-changes")};
    QXmlStreamReader reader(xml);
    QString text;
    int skipping = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: {
            const QString name = reader.name().toString();
            if (skipping || skipped.contains(name)) {
                ++skipping;
            } else if (name == QLatin1String("tab") || name == QLatin1String("br")
                || name == QLatin1String("s") || name == QLatin1String("line-break")) {
                text += u' ';
            } else if (blocks.contains(name)) {
                text += QStringLiteral("\n\n");
            }
            break;
        }
        case QXmlStreamReader::EndElement:
            if (skipping)
                --skipping;
            else if (blocks.contains(reader.name().toString()))
                text += QStringLiteral("\n\n");
            break;
        case QXmlStreamReader::Characters:
            if (!skipping)
                text += reader.text();
            break;
        default:
            break;
        }
    }
    return text;
}

QString TextReader::read(
    const QString &fileName, QString *error, const std::atomic_bool *cancel, std::atomic_int *progress)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("pdf"))
        return readPdf(fileName, error, cancel, progress);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return fail(
            error, tr("%1 cannot be read: %2").arg(QDir::toNativeSeparators(fileName), file.errorString()));
    if (file.size() > MaxBytes)
        return fail(error, tr("%1 is too large for a text.").arg(QDir::toNativeSeparators(fileName)));
    const QByteArray data = file.readAll();
    if (suffix == QLatin1String("htm") || suffix == QLatin1String("html") || suffix == QLatin1String("xhtml"))
        return fromHtml(LxdImport::decodeText(data));
    if (suffix == QLatin1String("odt") || suffix == QLatin1String("docx")
        || suffix == QLatin1String("epub")) {
        const ZipReader zip(data);
        if (!zip.isOpen())
            return fail(
                error, tr("%1 is no %2 file.").arg(QDir::toNativeSeparators(fileName), suffix.toUpper()));
        if (suffix == QLatin1String("epub"))
            return readEpub(zip, error, cancel, progress);
        QByteArray body;
        const QString entry = suffix == QLatin1String("odt") ? QStringLiteral("content.xml")
                                                             : QStringLiteral("word/document.xml");
        if (!zip.entry(entry, &body))
            return fail(error, tr("%1 has no %2.").arg(QDir::toNativeSeparators(fileName), entry));
        return fromXml(body);
    }
    return LxdImport::decodeText(data);
}

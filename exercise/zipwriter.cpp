// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/zipwriter.h"

#include <zip.h>

#include <memory>

namespace {

QString reasonOf(zip_error_t *error)
{
    return QString::fromLocal8Bit(zip_error_strerror(error));
}

struct SourceFree
{
    void operator()(zip_source_t *source) const { zip_source_free(source); }
};

} // namespace

namespace ZipWriter {

QByteArray archive(const QList<Entry> &entries, QString *error)
{
    const auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return QByteArray();
    };

    zip_error_t zipError;
    zip_error_init(&zipError);
    std::unique_ptr<zip_source_t, SourceFree> buffer(zip_source_buffer_create(nullptr, 0, 0, &zipError));
    if (!buffer) {
        const QString reason = reasonOf(&zipError);
        zip_error_fini(&zipError);
        return fail(reason);
    }
    zip_t *zip = zip_open_from_source(buffer.get(), ZIP_TRUNCATE, &zipError);
    if (!zip) {
        const QString reason = reasonOf(&zipError);
        zip_error_fini(&zipError);
        return fail(reason);
    }
    zip_error_fini(&zipError);
    // The archive releases its source when it is closed; the bytes are read from it after that.
    zip_source_keep(buffer.get());

    for (const Entry &entry : entries) {
        // libzip reads the data only when the archive is closed; `entries` outlives that.
        zip_source_t *data
            = zip_source_buffer(zip, entry.data.constData(), zip_uint64_t(entry.data.size()), 0);
        const zip_int64_t index
            = data ? zip_file_add(zip, entry.name.toUtf8().constData(), data, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            const QString reason = QString::fromLocal8Bit(zip_strerror(zip));
            zip_source_free(data);
            zip_discard(zip);
            return fail(reason);
        }
        if (entry.stored && zip_set_file_compression(zip, zip_uint64_t(index), ZIP_CM_STORE, 0) < 0) {
            const QString reason = QString::fromLocal8Bit(zip_strerror(zip));
            zip_discard(zip);
            return fail(reason);
        }
    }
    if (zip_close(zip) < 0) {
        const QString reason = QString::fromLocal8Bit(zip_strerror(zip));
        zip_discard(zip);
        return fail(reason);
    }

    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_source_stat(buffer.get(), &stat) < 0 || !(stat.valid & ZIP_STAT_SIZE)
        || zip_source_open(buffer.get()) < 0)
        return fail(reasonOf(zip_source_error(buffer.get())));
    QByteArray bytes(qsizetype(stat.size), Qt::Uninitialized);
    const zip_int64_t read = zip_source_read(buffer.get(), bytes.data(), stat.size);
    zip_source_close(buffer.get());
    if (read < 0 || zip_uint64_t(read) != stat.size)
        return fail(reasonOf(zip_source_error(buffer.get())));
    return bytes;
}

} // namespace ZipWriter

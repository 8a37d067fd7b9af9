// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/checkedwrite.h"

#include <QCoreApplication>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <memory>
#include <unistd.h>

namespace {

qint64 failAfter = -1;

// A file device that takes only so many bytes before it reports a full disk; what it took is
// written to the real temporary file, so the test sees exactly what a real failure leaves.
class FailingSaveFile : public QSaveFile
{
public:
    FailingSaveFile(const QString &name, qint64 limit)
        : QSaveFile(name)
        , left(limit)
    { }

protected:
    qint64 writeData(const char *data, qint64 size) override
    {
        if (size > left) {
            if (left > 0)
                QSaveFile::writeData(data, left);
            left = 0;
            setErrorString(QString::fromLocal8Bit(std::strerror(ENOSPC)));
            return -1;
        }
        left -= size;
        return QSaveFile::writeData(data, size);
    }

private:
    qint64 left;
};

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

namespace CheckedWrite {

void setFailAfterForTesting(qint64 bytes)
{
    failAfter = bytes;
}

bool writeFile(const QString &fileName, const Producer &produce, QString *error)
{
    QString reason;
    const auto fail = [&](const QString &why) {
        if (error)
            *error = !why.isEmpty()
                ? why
                : QCoreApplication::translate("CheckedWrite", "The file could not be written.");
        return false;
    };

    std::unique_ptr<QSaveFile> file = failAfter >= 0 ? std::make_unique<FailingSaveFile>(fileName, failAfter)
                                                     : std::make_unique<QSaveFile>(fileName);
    // Unbuffered, so that every write reaches the file at once and reports its own failure: the
    // producers write in large pieces, and QSaveFile's buffer would only hide the error until
    // close, where QSaveFile::commit() overlooks it.
    if (!file->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file->errorString());
    // Gives up the temporary file; the target is not touched.
    const auto abandon = [&](const QString &why) {
        file->cancelWriting();
        file->commit();
        return fail(why);
    };
    const bool produced = produce(*file, &reason);
    if (!produced || file->error() != QFileDevice::NoError)
        return abandon(!reason.isEmpty() ? reason : file->errorString());
    if (!file->flush())
        return abandon(file->errorString());
    // Some file systems (network shares, quotas, delayed allocation) report a full disk only when
    // the data goes to the disk.
    if (file->handle() >= 0 && ::fsync(file->handle()) != 0 && errno != EINVAL && errno != EROFS)
        return abandon(systemReason(errno));
    if (!file->commit())
        return fail(file->errorString());
    return true;
}

bool writeFile(const QString &fileName, const QByteArray &bytes, QString *error)
{
    return writeFile(
        fileName, [&bytes](QIODevice &device, QString *) { return device.write(bytes) == bytes.size(); },
        error);
}

} // namespace CheckedWrite

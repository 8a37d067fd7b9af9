// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/checkedwrite.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

qint64 failAfter = -1;
bool failRename = false;
int folderSyncs = 0;

// A file device that takes only so many bytes before it reports a full disk; what it took is
// written to the real temporary file, so the test sees exactly what a real failure leaves.
class FailingFile : public QFile
{
public:
    explicit FailingFile(qint64 limit)
        : left(limit)
    { }

protected:
    qint64 writeData(const char *data, qint64 size) override
    {
        if (size > left) {
            if (left > 0)
                QFile::writeData(data, left);
            left = 0;
            setErrorString(QString::fromLocal8Bit(std::strerror(ENOSPC)));
            return -1;
        }
        left -= size;
        return QFile::writeData(data, size);
    }

private:
    qint64 left;
};

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Makes "<target>.XXXXXX" beside the target with the permissions a new file gets (the umask applies)
// or, when the target exists, with the target's own. Returns the descriptor, or -1 with errno set.
int createTemporary(const QString &target, QString *temporaryName)
{
    struct stat existing;
    const QByteArray targetPath = QFile::encodeName(target);
    const bool replacing = ::stat(targetPath.constData(), &existing) == 0;
    static const char Letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QByteArray suffix(".");
        for (int i = 0; i < 6; ++i)
            suffix += Letters[QRandomGenerator::global()->bounded(int(sizeof Letters) - 1)];
        const QByteArray name = targetPath + suffix;
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd >= 0) {
            *temporaryName = QFile::decodeName(name);
            if (replacing)
                (void)::fchmod(fd, existing.st_mode & 07777);
        }
        return fd;
    }
    errno = EEXIST;
    return -1;
}

// The rename is only durable once the folder that records it is on the disk too. Some file systems
// cannot sync a folder at all (EINVAL, ENOTSUP); there the rename is as durable as it gets.
bool syncFolder(const QString &fileName, int *error)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(fileName).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        // A folder one may write to but not read cannot be opened for the sync: nothing more to do.
        if (errno == EACCES)
            return true;
        *error = errno;
        return false;
    }
    ++folderSyncs;
    bool synced = ::fsync(fd) == 0;
    if (!synced && (errno == EINVAL || errno == ENOTSUP || errno == EOPNOTSUPP || errno == EROFS))
        synced = true;
    if (!synced)
        *error = errno;
    ::close(fd);
    return synced;
}

} // namespace

namespace CheckedWrite {

void setFailAfterForTesting(qint64 bytes)
{
    failAfter = bytes;
}

void setFailRenameForTesting(bool fail)
{
    failRename = fail;
}

int folderSyncsForTesting()
{
    return folderSyncs;
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

    // A database opened through a symbolic link stays behind the link: the file it names is replaced.
    QString target = fileName;
    const QFileInfo info(fileName);
    if (info.isSymLink() && !info.canonicalFilePath().isEmpty())
        target = info.canonicalFilePath();

    QString temporaryName;
    const int fd = createTemporary(target, &temporaryName);
    if (fd < 0)
        return fail(systemReason(errno));
    std::unique_ptr<QFile> file
        = failAfter >= 0 ? std::make_unique<FailingFile>(failAfter) : std::make_unique<QFile>();
    // Unbuffered, so that every write reaches the file at once and reports its own failure: the
    // producers write in large pieces, and a buffer would only hide the error until close.
    if (!file->open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        QFile::remove(temporaryName);
        return fail(file->errorString());
    }
    // Gives up the temporary file on every way out; the target is not touched.
    const auto abandon = [&](const QString &why) {
        file->close();
        QFile::remove(temporaryName);
        return fail(why);
    };
    const bool produced = produce(*file, &reason);
    if (!produced || file->error() != QFileDevice::NoError)
        return abandon(!reason.isEmpty() ? reason : file->errorString());
    if (!file->flush())
        return abandon(file->errorString());
    // Some file systems (network shares, quotas, delayed allocation) report a full disk only when
    // the data goes to the disk.
    if (::fsync(fd) != 0 && errno != EINVAL && errno != EROFS)
        return abandon(systemReason(errno));
    file->close();
    if (file->error() != QFileDevice::NoError)
        return abandon(file->errorString());

    // FAT, SMB and NFS can refuse the rename (a file held open elsewhere, a lost connection).
    const int renamed = failRename
        ? (errno = EACCES, -1)
        : std::rename(QFile::encodeName(temporaryName).constData(), QFile::encodeName(target).constData());
    if (renamed != 0) {
        const int renameError = errno;
        QFile::remove(temporaryName);
        return fail(systemReason(renameError));
    }
    int syncError = 0;
    if (!syncFolder(target, &syncError))
        return fail(systemReason(syncError));
    return true;
}

bool writeFile(const QString &fileName, const QByteArray &bytes, QString *error)
{
    return writeFile(
        fileName, [&bytes](QIODevice &device, QString *) { return device.write(bytes) == bytes.size(); },
        error);
}

} // namespace CheckedWrite

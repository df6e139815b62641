#include "Platform/Core/Service/ConfigurationFramework/ConfigFileStore.h"

#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtCore/QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace Quarvane::ConfigFileStore
{
namespace
{
bool failWith(std::string* error, const QString& path, const QString& why)
{
    if (error != nullptr)
        *error = "cannot write " + path.toStdString() + ": " + why.toStdString();
    return false;
}

#ifdef Q_OS_UNIX
QString systemError() { return QString::fromLocal8Bit(std::strerror(errno)); }

// Without this the rename may still be only in memory when the power goes.
bool synchroniseFolder(const QString& folder)
{
    const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    const bool synced = ::fsync(descriptor) == 0;
    ::close(descriptor);
    return synced;
}
#endif
}  // namespace

bool FileIdentity::operator==(const FileIdentity& other) const
{
    return exists == other.exists && device == other.device && inode == other.inode && size == other.size &&
           modifiedNanoseconds == other.modifiedNanoseconds;
}

FileIdentity identify(const QString& path)
{
    FileIdentity identity;
#ifdef Q_OS_UNIX
    struct stat status
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return identity;
    identity.exists = true;
    identity.device = static_cast<std::uint64_t>(status.st_dev);
    identity.inode = static_cast<std::uint64_t>(status.st_ino);
    identity.size = static_cast<std::int64_t>(status.st_size);
    identity.modifiedNanoseconds =
        static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
#else
    const QFileInfo info(path);
    if (!info.exists())
        return identity;
    identity.exists = true;
    identity.size = info.size();
    identity.modifiedNanoseconds = info.lastModified().toMSecsSinceEpoch() * 1000000;
#endif
    return identity;
}

bool restrictToOwner(const QString& path)
{
    return QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

bool replaceDurably(const QString& path, const QByteArray& bytes, std::string* error)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return failWith(error, path, QStringLiteral("cannot create its folder"));
    QSaveFile file(path);
    // Unbuffered, so that a full disk or a size limit fails the write itself: a buffered file
    // would meet the error only in the flush inside commit(), which renames regardless.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failWith(error, path, file.errorString());
#ifdef Q_OS_UNIX
    // Restrict the new file before anything is in it: it may hold passwords.
    if (::fchmod(file.handle(), S_IRUSR | S_IWUSR) != 0)
        return failWith(error, path, QStringLiteral("cannot restrict its permissions: ") + systemError());
#else
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
#endif
    qint64 written = 0;
    while (written < bytes.size())
    {
        const qint64 chunk = file.write(bytes.constData() + written, bytes.size() - written);
        if (chunk <= 0)
        {
            const QString why = file.errorString();
            file.cancelWriting();
            return failWith(error, path, why);
        }
        written += chunk;
    }
#ifdef Q_OS_UNIX
    // A delayed allocation can still fail here; the old file must then stay.
    if (::fsync(file.handle()) != 0)
    {
        const QString why = systemError();
        file.cancelWriting();
        return failWith(error, path, why);
    }
#endif
    if (!file.commit())
        return failWith(error, path, file.errorString());
#ifdef Q_OS_UNIX
    if (!synchroniseFolder(folder))
        return failWith(error, path, QStringLiteral("written, but its folder could not be synchronised: ") + systemError());
#endif
    return true;
}

}  // namespace Quarvane::ConfigFileStore

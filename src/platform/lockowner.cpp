#include "lockowner.h"
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

platform::LockHolder platform::lockFileHolder(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return LockHolder::Unknown;
    if (::flock(f.handle(), LOCK_EX | LOCK_NB) != 0)
        return errno == EWOULDBLOCK ? LockHolder::Running : LockHolder::Unknown;
    // A lock kept over the network shows as a record lock (flock's own ends with the file's closing).
    struct flock record = {};
    record.l_type = F_WRLCK;
    record.l_whence = SEEK_SET;
    if (::fcntl(f.handle(), F_GETLK, &record) != 0)
        return LockHolder::Unknown;
    return record.l_type == F_UNLCK ? LockHolder::None : LockHolder::Running;
}

bool platform::processRuns(qint64 pid, const QString& program)
{
    // This copy holds no lock it is still looking at.
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max() || pid == QCoreApplication::applicationPid()
        || (::kill(pid_t(pid), 0) != 0 && errno != EPERM))
        return false;
    // A number now used by another program is no longer the owner's. The
    // program file of another user's process, or of the system's own threads,
    // cannot be read; their name (cut to 15 characters) can.
    const QString name = QFileInfo(program).fileName();
    const QString exe = QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(pid));
    if (!exe.isEmpty())
        return QFileInfo(exe).fileName() == name;
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    return !comm.open(QIODevice::ReadOnly) || QString::fromLocal8Bit(comm.readAll()).trimmed() == name.left(15);
}

bool platform::removeFreeLockFile(const QString& path, QString* why)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    // Locked while it goes, so that a copy taking it over at the same moment
    // cannot lose the lock it has just made; and only while the name still
    // stands for the file looked at. One that cannot be read cannot be locked.
    struct stat found = {}, now = {}, named = {};
    bool gone = true;
    if (fd < 0) {
        gone = errno == ENOENT || ::unlink(name.constData()) == 0 || errno == ENOENT;
    } else if (::flock(fd, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK) {
        // A copy makes its lock empty and names itself in it a moment later.
        if (::fstat(fd, &found) == 0 && found.st_size == 0)
            ::usleep(20000);
        if (::fstat(fd, &now) == 0 && now.st_size == found.st_size && ::stat(name.constData(), &named) == 0
            && named.st_ino == now.st_ino && named.st_dev == now.st_dev)
            gone = ::unlink(name.constData()) == 0 || errno == ENOENT;
    }
    const int error = errno;
    if (fd >= 0)
        ::close(fd);
    if (!gone && why)
        *why = QString::fromLocal8Bit(std::strerror(error));
    return gone;
}

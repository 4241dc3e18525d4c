#include "lockowner.h"
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <limits>
#include <sys/file.h>

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
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max() || (::kill(pid_t(pid), 0) != 0 && errno != EPERM))
        return false;
    // A number now used by another program is no longer the owner's.
    const QString exe = QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(pid));
    return exe.isEmpty() || QFileInfo(exe).fileName() == QFileInfo(program).fileName();
}

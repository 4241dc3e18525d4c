#include "lockowner.h"
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

QString systemText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

LockFile::Found with(QString* detail, LockFile::Found found, const QString& text)
{
    if (detail)
        *detail = text;
    return found;
}

// Whether the name still stands for the open file.
bool stillNamed(int fd, const QByteArray& path)
{
    struct stat open = {}, named = {};
    return ::fstat(fd, &open) == 0 && ::lstat(path.constData(), &named) == 0 && open.st_ino == named.st_ino
           && open.st_dev == named.st_dev;
}

enum class Holder { None, Running, Unknown };
// Whether a running program keeps the file locked, as a copy of the program
// does for as long as it holds it: with flock on this computer, and with a
// record lock over a network file system. When nobody does, the file lock
// is ours until the file is closed.
Holder holderOf(int fd)
{
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        return errno == EWOULDBLOCK ? Holder::Running : Holder::Unknown;
    struct flock record = {};
    record.l_type = F_WRLCK;
    record.l_whence = SEEK_SET;
    if (::fcntl(fd, F_GETLK, &record) != 0)
        return Holder::Unknown;
    return record.l_type == F_UNLCK ? Holder::None : Holder::Running;
}

// A computer name as read from a lock file, fit to be shown.
QString printableName(QString naam)
{
    naam.removeIf([](QChar c) { return !c.isPrint(); });
    return naam.left(64);
}

bool writeAll(int fd, const QByteArray& bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno != EINTR)
            return false;
        done += qMax<ssize_t>(n, 0);
    }
    return true;
}

} // namespace

LockFile::Found LockFile::tryLock(QString* detail)
{
    if (m_fd >= 0)
        return Found::Held;
    const QByteArray path = QFile::encodeName(m_path);
    Found result = Found::NotMade;
    for (int poging = 0; poging < 5; ++poging) {
        struct stat found = {};
        Step step = Step::Again;
        if (::lstat(path.constData(), &found) != 0) {
            if (errno != ENOENT)
                return with(detail, Found::NotMade, systemText(errno));
            step = make(&result, detail);
        } else if (S_ISDIR(found.st_mode)) {
            // An empty folder holds nothing of anyone's; one with something in it is someone's.
            if (::rmdir(path.constData()) != 0 && errno != ENOENT)
                return errno == ENOTEMPTY || errno == EEXIST ? with(detail, Found::FolderInPlace, QString())
                                                             : with(detail, Found::NotMade, systemText(errno));
        } else if (!S_ISREG(found.st_mode)) {
            // A link, a pipe or a device is no lock; a link goes, never what it leads to.
            if (::unlink(path.constData()) != 0 && errno != ENOENT)
                return with(detail, Found::NotMade, systemText(errno));
        } else {
            step = lookAtFound(&result, detail);
        }
        if (step == Step::Done) {
            if (result == Found::Held)
                removeOlderTakeOverLeftover();
            return result;
        }
    }
    return with(detail, Found::NotMade, QString());
}

LockFile::Step LockFile::make(Found* result, QString* detail)
{
    const QByteArray path = QFile::encodeName(m_path);
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) {
        if (errno == EEXIST)
            return Step::Again;
        *result = with(detail, Found::NotMade, systemText(errno));
        return Step::Done;
    }
    // Readable by everyone who can reach the tournament, whatever this user's
    // umask: a lock another user cannot read would keep him out for good.
    ::fchmod(fd, 0644);
    // A copy looking at it right now holds it for a moment; one that can
    // lock no file at all is told apart by the process the lock names.
    bool busy = true;
    for (int wacht = 0; busy && wacht < 100; ++wacht) {
        busy = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
        if (busy)
            ::usleep(10000);
    }
    if (busy || !stillNamed(fd, path)) {
        ::close(fd);   // taken away meanwhile: look again
        return Step::Again;
    }
    struct flock record = {};
    record.l_type = F_WRLCK;
    record.l_whence = SEEK_SET;
    ::fcntl(fd, F_SETLK, &record);
    const QByteArray text = QByteArray::number(QCoreApplication::applicationPid()) + '\n'
                            + QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8() + '\n'
                            + QSysInfo::machineHostName().toUtf8() + '\n';
    if (!writeAll(fd, text)) {
        const int error = errno;
        if (stillNamed(fd, path))
            ::unlink(path.constData());
        ::close(fd);
        *result = with(detail, Found::NotMade, systemText(error));
        return Step::Done;
    }
    m_fd = fd;
    *result = Found::Held;
    return Step::Done;
}

LockFile::Step LockFile::lookAtFound(Found* result, QString* detail)
{
    const QByteArray path = QFile::encodeName(m_path);
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        if (errno == ENOENT || errno == ELOOP)
            return Step::Again;
        // Another user's lock may be held: it is not ours to judge, nor to remove.
        *result = with(detail, Found::Unreadable, systemText(errno));
        return Step::Done;
    }
    const auto done = [&](Step step) {
        ::close(fd);
        return step;
    };
    struct stat found = {};
    if (::fstat(fd, &found) != 0 || !S_ISREG(found.st_mode))
        return done(Step::Again);
    const Holder holder = holderOf(fd);
    // One far larger than any lock is damaged, and not read.
    QByteArray text;
    if (found.st_size <= MaxSize) {
        text.resize(qsizetype(found.st_size));
        const ssize_t n = ::pread(fd, text.data(), size_t(text.size()), 0);
        if (n < 0) {
            *result = with(detail, Found::Unreadable, systemText(errno));
            return done(Step::Done);
        }
        text.truncate(n);
    }
    // It counts while a running copy keeps it locked, while the process it
    // names runs here, or, when the file system cannot tell, if it names
    // another computer.
    const QList<QByteArray> lines = text.split('\n');
    bool number = false;
    const qint64 pid = lines.value(0).toLongLong(&number);
    const bool named = number && lines.size() >= 3;
    const QString host = QString::fromUtf8(lines.value(2));
    const bool here = host.isEmpty() || host == QSysInfo::machineHostName();
    if (holder == Holder::Running
        || (named && (here ? processRuns(pid, QString::fromUtf8(lines.value(1))) : holder == Holder::Unknown))) {
        *result = with(detail, Found::InUse, here ? QString() : printableName(host));
        return done(Step::Done);
    }
    // Stale: removed while locked, and only while the name still stands for
    // the file looked at. A copy makes its lock empty and names itself in it
    // a moment later.
    if (found.st_size == 0)
        ::usleep(20000);
    struct stat now = {};
    if (::fstat(fd, &now) != 0 || now.st_size != found.st_size || !stillNamed(fd, path))
        return done(Step::Again);
    if (::unlink(path.constData()) != 0 && errno != ENOENT) {
        *result = with(detail, Found::NotMade, systemText(errno));
        return done(Step::Done);
    }
    return done(Step::Again);
}

// An earlier copy took a stale lock over through a second one, the lock's
// name + ".rmlock"; a copy ended during that left it. Only a plain file of
// that very name that nobody holds goes.
void LockFile::removeOlderTakeOverLeftover() const
{
    const QByteArray path = QFile::encodeName(m_path + QStringLiteral(".rmlock"));
    struct stat found = {};
    if (::lstat(path.constData(), &found) != 0 || !S_ISREG(found.st_mode))
        return;
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return;
    if (holderOf(fd) == Holder::None && stillNamed(fd, path))
        ::unlink(path.constData());
    ::close(fd);
}

void LockFile::unlock()
{
    if (m_fd < 0)
        return;
    const QByteArray path = QFile::encodeName(m_path);
    if (stillNamed(m_fd, path))
        ::unlink(path.constData());
    ::close(m_fd);
    m_fd = -1;
}

bool processRuns(qint64 pid, const QString& program)
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

} // namespace platform

#include "recordfile.h"
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace core {

namespace {

bool fail(QString* why, const QString& reason)
{
    if (why)
        *why = reason;
    return false;
}

QString systemText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// Before each change to a file; false when the change may not be made.
bool nextStep(QString* why)
{
    WriteSeam& s = writeSeam();
    ++s.steps;
    if (s.beforeStep)
        s.beforeStep(s.steps);
    return !s.readOnly || fail(why, systemText(EROFS));
}

// Writes all bytes at the current position of a file opened unbuffered, so
// that nothing is left in Qt's buffer to fail later. A write the system takes
// only in part is followed by one for the rest, which gets the system's
// reason (Qt calls the short write itself an unknown error).
bool writeOut(QFileDevice& f, const QByteArray& bytes, QString* why)
{
    Q_ASSERT(f.openMode() & QIODevice::Unbuffered);
    if (!nextStep(why))
        return false;
    WriteSeam& s = writeSeam();
    s.refusal.reset();
    if (s.bytesLeft >= 0) {
        const qint64 growth = qMax<qint64>(0, f.pos() + bytes.size() - f.size());
        if (growth > s.bytesLeft)
            s.refusal = std::make_shared<SizeLimit>(f.size() + s.bytesLeft);
        s.bytesLeft -= qMin(growth, s.bytesLeft);
    }
    for (qint64 done = 0, w = 0; done < bytes.size(); done += w)
        if ((w = f.write(bytes.constData() + done, bytes.size() - done)) <= 0) {
            const QString reason = f.errorString();
            return fail(why, s.refusal && reason == systemText(EFBIG) ? systemText(ENOSPC) : reason);
        }
    return true;
}

// A replacement is written beside its file under a name of the program's
// own, which nobody would give a copy of his own: only such a name is ever
// cleared as a leftover. "." + name + this + six letters and digits.
const QString ReplacementMark = QStringLiteral(".~stootplanner-");
constexpr int ReplacementRandom = 6;

QString replacementName(const QString& name)
{
    static const char chars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString random;
    for (int i = 0; i < ReplacementRandom; ++i)
        random += QLatin1Char(chars[QRandomGenerator::system()->bounded(int(sizeof chars) - 1)]);
    return QLatin1Char('.') + name + ReplacementMark + random;
}

bool isReplacementOf(const QString& entry, const QString& name)
{
    const QString start = QLatin1Char('.') + name + ReplacementMark;
    if (entry.size() != start.size() + ReplacementRandom || !entry.startsWith(start))
        return false;
    for (const QChar c : QStringView(entry).last(ReplacementRandom))
        if (!(c.isDigit() || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
              || (c >= QLatin1Char('a') && c <= QLatin1Char('z'))))
            return false;
    return true;
}

QByteArray encoded(const QString& path) { return QFile::encodeName(path); }

// The new content of a file, written in its folder. Where the system can,
// the file has no name until it is whole, so that a program ended while it
// writes leaves nothing behind; it gets its marked name only right before
// it is renamed over the old file.
class Replacement {
public:
    explicit Replacement(const QString& target) : m_target(target), m_folder(QFileInfo(target).absolutePath()) {}
    ~Replacement()
    {
        if (!m_name.isEmpty())
            ::unlink(encoded(m_name).constData());
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Replacement(const Replacement&) = delete;
    Replacement& operator=(const Replacement&) = delete;

    // `keep`: the old file's permissions, which stay with the new one.
    bool open(const std::optional<mode_t>& keep, QString* why)
    {
        // Without such files here (an older system, some file systems), or
        // without the system's view of open files to name one by, it is
        // named at once.
        if (!writeSeam().namedAside && ::access("/proc/self/fd", X_OK) == 0) {
            m_fd = ::open(encoded(m_folder).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
            if (m_fd < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
                return fail(why, systemText(errno));
        }
        for (int tries = 0; m_fd < 0 && tries < 100; ++tries) {
            const QString name = aside();
            m_fd = ::open(encoded(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
            if (m_fd >= 0)
                m_name = name;
            else if (errno != EEXIST)
                return fail(why, systemText(errno));
        }
        if (m_fd < 0)
            return fail(why, systemText(EEXIST));
        return !keep || ::fchmod(m_fd, *keep) == 0 || fail(why, systemText(errno));
    }

    int handle() const { return m_fd; }

    // On the disk, named, and then in the old file's place in one step.
    bool commit(QString* why)
    {
        if (::fsync(m_fd) != 0)
            return fail(why, systemText(errno));
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(m_fd);
        for (int tries = 0; m_name.isEmpty() && tries < 100; ++tries) {
            const QString name = aside();
            if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, encoded(name).constData(), AT_SYMLINK_FOLLOW) == 0)
                m_name = name;
            else if (errno != EEXIST)
                return fail(why, systemText(errno));
        }
        if (m_name.isEmpty())
            return fail(why, systemText(EEXIST));
        if (::rename(encoded(m_name).constData(), encoded(m_target).constData()) != 0)
            return fail(why, systemText(errno));
        m_name.clear();
        return true;
    }

private:
    QString aside() const { return QDir(m_folder).filePath(replacementName(QFileInfo(m_target).fileName())); }

    const QString m_target, m_folder;
    QString m_name;   // while it has one
    int m_fd = -1;
};

// Where a replacement goes: a link is followed to the file it stands for,
// which keeps its place.
QString replacedFile(const QString& path)
{
    QFileInfo fi(path);
    for (int depth = 0; fi.isSymLink() && depth < 40; ++depth)
        fi.setFile(fi.symLinkTarget());
    return fi.absoluteFilePath();
}

} // namespace

WriteSeam& writeSeam()
{
    static WriteSeam seam;
    return seam;
}

// The seam's full disk, too: the system itself refuses what does not fit.
SizeLimit::SizeLimit(qint64 end)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit l{};
    getrlimit(RLIMIT_FSIZE, &l);
    m_old = l.rlim_cur;
    l.rlim_cur = rlim_t(qMax<qint64>(0, end));
    setrlimit(RLIMIT_FSIZE, &l);
}

SizeLimit::~SizeLimit()
{
    rlimit l{};
    getrlimit(RLIMIT_FSIZE, &l);
    l.rlim_cur = rlim_t(m_old);
    setrlimit(RLIMIT_FSIZE, &l);
}

ReadSeam& readSeam()
{
    static ReadSeam seam;
    return seam;
}

namespace {
std::optional<qint64> plainFileSize(const QString& path)
{
    struct stat st {};
    if (path.isEmpty() || ::stat(encoded(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return qint64(st.st_size);
}
} // namespace

bool isPlainFile(const QString& path) { return plainFileSize(path).has_value(); }

bool openPlainFile(QFile& f, const QString& path)
{
    // Looked at first, so that a device is not even opened; then opened without
    // waiting (a FIFO would wait for a writer) and the descriptor checked again.
    if (!isPlainFile(path))
        return false;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat st {};
    const int flags = ::fcntl(fd, F_GETFL);
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0
        || !f.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

qint64 recordCount(const QString& path, int length)
{
    const std::optional<qint64> size = length > 0 ? plainFileSize(path) : std::nullopt;
    return size ? *size / length : 0;
}

bool readFileBytes(const QString& path, QByteArray* out)
{
    QFile f;
    if (!openPlainFile(f, path))
        return false;
    *out = f.readAll();
    readSeam().note(path, out->size(), out->size());
    return true;
}

bool readFileStart(const QString& path, qint64 maxBytes, QByteArray* out, qint64* size)
{
    QFile f;
    if (!openPlainFile(f, path))
        return false;
    const qint64 whole = f.size();
    if (size)
        *size = whole;
    *out = f.read(qBound<qint64>(0, maxBytes, whole));
    readSeam().note(path, out->size(), out->size());
    return true;
}

bool putRecordBytes(const QString& path, qint64 k, const QByteArray& bytes, int length, QString* why)
{
    if (k < 1 || bytes.size() != length)
        return fail(why, QStringLiteral("Ongeldig recordnummer."));
    const qint64 at = (k - 1) * length;
    // A new file is made whole in one step, so it is never left empty or half-written.
    if (!QFileInfo::exists(path))
        return replaceFile(path, QByteArray(at, '\0') + bytes, why);
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return fail(why, f.errorString());
    const qint64 oldSize = f.size();
    if (!f.seek(at))
        return fail(why, f.errorString());
    if (writeOut(f, bytes, why))
        return true;
    // A record that did not fit leaves no fragment behind.
    f.resize(oldSize);
    return false;
}

bool replaceFile(const QString& path, const QByteArray& bytes, QString* why)
{
    const QString target = replacedFile(path);
    struct stat old = {}, named = {};
    const bool exists = ::stat(encoded(target).constData(), &old) == 0;
    // Through a link the new file would take the place of what it leads to,
    // a device among them; something odd in the file's own place is replaced.
    if (exists && !S_ISREG(old.st_mode) && ::lstat(encoded(path).constData(), &named) == 0 && S_ISLNK(named.st_mode))
        return fail(why, QFileInfo(path).fileName() + QStringLiteral(" is geen gewoon bestand."));
    if (exists && S_ISDIR(old.st_mode))
        return fail(why, systemText(EISDIR));
    // A file made read-only is not replaced behind its back.
    if (exists && ::faccessat(AT_FDCWD, encoded(target).constData(), W_OK, AT_EACCESS) != 0)
        return fail(why, systemText(errno));
    Replacement r(target);
    if (!r.open(exists ? std::optional<mode_t>(old.st_mode & 07777) : std::nullopt, why))
        return false;
    QFile f;
    if (!f.open(r.handle(), QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle))
        return fail(why, f.errorString());
    // The rename is a change of its own: a stop right before it leaves the old file.
    return writeOut(f, bytes, why) && nextStep(why) && r.commit(why);
}

void removeUnfinishedReplacements(const QString& folder, const QStringList& names)
{
    // Only names replaceFile gives, and only plain files: a link, a folder or
    // anything else of that name is nobody's leftover of ours.
    const QDir dir(folder);
    const QDir::Filters all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    for (const QString& entry : dir.entryList(all)) {
        if (!std::any_of(names.cbegin(), names.cend(), [&](const QString& n) { return isReplacementOf(entry, n); }))
            continue;
        const QByteArray path = encoded(dir.filePath(entry));
        struct stat found = {};
        if (::lstat(path.constData(), &found) == 0 && S_ISREG(found.st_mode))
            ::unlink(path.constData());
    }
}

bool putTail(const QString& path, qint64 offset, const QByteArray& bytes, QString* why)
{
    QFile f(path);
    if (!f.exists())
        return offset == 0 ? replaceFile(path, bytes, why) : fail(why, QStringLiteral("Bestand niet gevonden."));
    if (!f.open(QIODevice::ReadWrite | QIODevice::Unbuffered) || !f.seek(offset))
        return fail(why, f.errorString());
    // Put back in place, so that it needs no room on a full disk; a file
    // that already ends so is left alone.
    const qint64 oldSize = f.size();
    if (oldSize == offset + bytes.size() && f.read(bytes.size()) == bytes)
        return true;
    if (!f.seek(offset))
        return fail(why, f.errorString());
    if (!writeOut(f, bytes, why)) {
        f.resize(oldSize);   // no fragment behind the old end
        return false;
    }
    if (!nextStep(why))
        return false;
    return f.resize(offset + bytes.size()) || fail(why, f.errorString());
}

bool removeFile(const QString& path, QString* why)
{
    QFile f(path);
    if (!f.exists())
        return true;
    if (!nextStep(why))
        return false;
    return f.remove() || fail(why, f.errorString());
}

} // namespace core

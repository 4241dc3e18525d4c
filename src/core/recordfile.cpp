#include "recordfile.h"
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
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

// Opens the save file and writes the new content aside.
bool writeAside(QSaveFile& f, const QByteArray& bytes, QString* why)
{
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(why, f.errorString());
    return writeOut(f, bytes, why);
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

bool isPlainFile(const QString& path)
{
    struct stat st {};
    return !path.isEmpty() && ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

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
    struct stat st {};
    if (length <= 0 || path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return 0;
    return qint64(st.st_size) / length;
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
    QSaveFile f(path);
    // The rename is a change of its own: a stop right before it leaves the old file.
    if (!writeAside(f, bytes, why) || !nextStep(why)) {
        f.cancelWriting();
        return false;
    }
    return f.commit() || fail(why, f.errorString());
}

bool replaceFoundFile(const QString& path, const QByteArray& bytes, QString* why)
{
    // The new file would take the place of what the link leads to: a device among them.
    struct stat st {};
    const QByteArray name = QFile::encodeName(path);
    if (::lstat(name.constData(), &st) == 0 && S_ISLNK(st.st_mode) && ::stat(name.constData(), &st) == 0
        && !S_ISREG(st.st_mode))
        return fail(why, QFileInfo(path).fileName() + QStringLiteral(" is geen gewoon bestand."));
    return replaceFile(path, bytes, why);
}

bool tryWriteAside(const QString& path, const QByteArray& bytes, QString* why)
{
    QSaveFile f(path);
    const bool ok = writeAside(f, bytes, why);
    f.cancelWriting();
    return ok;
}

void removeUnfinishedReplacements(const QString& folder, const QStringList& names)
{
    // Six random letters of either case; a suffix in lower case only (".backup",
    // ".bewaar") is far more likely a copy someone made on purpose, and stays.
    static const QRegularExpression suffix(QStringLiteral("^\\.(?=.*[A-Z])[A-Za-z]{6}$"));
    const QDir dir(folder);
    for (const QString& entry : dir.entryList(QDir::Files | QDir::NoSymLinks))
        if (entry.size() > 7 && names.contains(entry.chopped(7)) && suffix.match(entry.right(7)).hasMatch())
            QFile::remove(dir.filePath(entry));
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

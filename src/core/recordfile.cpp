#include "recordfile.h"
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace core {

namespace {

bool fail(QString* why, const QString& reason)
{
    if (why)
        *why = reason;
    return false;
}

// Before each change to a file; false when the change may not be made.
bool nextStep(QString* why)
{
    WriteSeam& s = writeSeam();
    ++s.steps;
    if (s.beforeStep)
        s.beforeStep(s.steps);
    return !s.readOnly || fail(why, QString::fromLocal8Bit(std::strerror(EROFS)));
}

// Writes all bytes at the current position and pushes them to the system.
// Qt's own buffering reports a full disk only at the flush, and a save file
// may even commit after its last flush failed: so flush and check here.
bool writeOut(QFileDevice& f, const QByteArray& bytes, QString* why)
{
    if (!nextStep(why))
        return false;
    WriteSeam& s = writeSeam();
    qint64 n = bytes.size();
    bool full = false;
    if (s.bytesLeft >= 0) {
        const qint64 growth = qMax<qint64>(0, f.pos() + n - f.size());
        full = growth > s.bytesLeft;
        if (full)
            n -= growth - s.bytesLeft;
        s.bytesLeft -= qMin(growth, s.bytesLeft);
    }
    if ((n > 0 && f.write(bytes.constData(), n) != n) || !f.flush() || f.error() != QFileDevice::NoError)
        return fail(why, f.errorString());
    if (full)
        return fail(why, QString::fromLocal8Bit(std::strerror(ENOSPC)));
    return true;
}

} // namespace

WriteSeam& writeSeam()
{
    static WriteSeam seam;
    return seam;
}

qint64 recordCount(const QString& path, int length)
{
    QFileInfo fi(path);
    if (!fi.exists() || length <= 0)
        return 0;
    return fi.size() / length;
}

bool readFileBytes(const QString& path, QByteArray* out)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    *out = f.readAll();
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
    if (!f.open(QIODevice::ReadWrite))
        return fail(why, f.errorString());
    const qint64 oldSize = f.size();
    if (!f.seek(at))
        return fail(why, f.errorString());
    if (writeOut(f, bytes, why))
        return true;
    // A record that did not fit leaves no fragment behind.
    if (f.size() > oldSize)
        f.resize(oldSize);
    return false;
}

bool replaceFile(const QString& path, const QByteArray& bytes, QString* why)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return fail(why, f.errorString());
    // The rename is a change of its own: a stop right before it leaves the old file.
    if (!writeOut(f, bytes, why) || !nextStep(why)) {
        f.cancelWriting();
        return false;
    }
    return f.commit() || fail(why, f.errorString());
}

bool putTail(const QString& path, qint64 offset, const QByteArray& bytes, QString* why)
{
    QFile f(path);
    if (!f.exists())
        return offset == 0 ? replaceFile(path, bytes, why) : fail(why, QStringLiteral("Bestand niet gevonden."));
    if (!f.open(QIODevice::ReadWrite) || !f.seek(offset))
        return fail(why, f.errorString());
    // Put back in place, so that it needs no room on a full disk; a file
    // that already ends so is left alone.
    if (f.size() == offset + bytes.size() && f.read(bytes.size()) == bytes)
        return true;
    if (!f.seek(offset))
        return fail(why, f.errorString());
    if (!writeOut(f, bytes, why) || !nextStep(why))
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

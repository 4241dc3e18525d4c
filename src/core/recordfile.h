#pragma once
// Record files without header: record k (from 1) starts at (k - 1) x length.
// A trailing partial record is neither read nor cut off.
#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QString>
#include <QStringList>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <type_traits>
#include <utility>
#include <vector>

namespace core {

// Whatever lies in the tournament or program folder is read only when it is a
// plain file (or a link to one): a FIFO, device, folder or socket in its place
// counts as missing, and is never opened in a way that could wait on it.
bool isPlainFile(const QString& path);
// Opens a plain file for reading into f (not yet open); false for anything
// else. The descriptor itself is checked, so that nothing put in its place
// between the look and the opening is read.
bool openPlainFile(QFile& f, const QString& path);

// Whole records in a file of the given record length; 0 when it is missing
// or not a plain file.
qint64 recordCount(const QString& path, int length);
// Reads the whole file; false when it cannot be opened.
bool readFileBytes(const QString& path, QByteArray* out);
// Reads no more than the first maxBytes bytes of the file, for files whose
// layout needs no more; `size` gets the file's whole size.
bool readFileStart(const QString& path, qint64 maxBytes, QByteArray* out, qint64* size = nullptr);

// Lets tests see how far each file was read and the most of it held at once.
// Untouched in the program itself.
struct ReadSeam {
    struct Use {
        qint64 read = 0;
        qint64 held = 0;
    };
    bool watch = false;
    QHash<QString, Use> files;   // by the path as given
    void note(const QString& path, qint64 read, qint64 held)
    {
        if (!watch)
            return;
        Use& u = files[path];
        u.read += read;
        u.held = qMax(u.held, held);
    }
};
ReadSeam& readSeam();

// Every routine below that changes a file reports a failure with false and,
// when `why` is given, the system's reason, and leaves the file as it was:
// a write is flushed and checked before it counts.

// Writes one record at record number k (from 1), creating the file when
// missing; the rest of the file stays as it was.
bool putRecordBytes(const QString& path, qint64 k, const QByteArray& bytes, int length, QString* why = nullptr);
// Replaces the whole file by the given bytes in one step: a new file is
// written aside, pushed to the disk and renamed over the old one only once
// it is complete. It keeps the old file's permissions; a file that cannot be
// written is not replaced, nor a link that leads to something other than a
// plain file (a device, a FIFO, a folder): `why` names the file then.
bool replaceFile(const QString& path, const QByteArray& bytes, QString* why = nullptr);
// Removes what replaceFile can leave of these files in a folder when the
// program is ended right before its rename: a plain file named "." + the
// name + ".~stootplanner-" + six letters and digits. Nothing else is touched.
void removeUnfinishedReplacements(const QString& folder, const QStringList& names);
// Puts bytes at an offset, in place, and cuts the file off right after them.
bool putTail(const QString& path, qint64 offset, const QByteArray& bytes, QString* why = nullptr);
bool removeFile(const QString& path, QString* why = nullptr);

// Lets tests make these writes fail as on a full disk, or stop between two
// changes as when the program is killed. Untouched in the program itself.
// The system refuses every write beyond `end` bytes of a file, after a short
// write, as on a full disk (it calls it "file too large"), while this lives.
struct SizeLimit {
    explicit SizeLimit(qint64 end);
    ~SizeLimit();
    SizeLimit(const SizeLimit&) = delete;
    SizeLimit& operator=(const SizeLimit&) = delete;

private:
    quint64 m_old = 0;
};
struct WriteSeam {
    qint64 bytesLeft = -1;                  // room left for files to grow; -1: no limit
    // The system itself refuses what does not fit, from then on until the
    // next write or until the seam is reset.
    std::shared_ptr<SizeLimit> refusal;
    bool readOnly = false;                  // every change fails, as on a read-only medium
    bool namedAside = false;                // replacements are named from the start, as where
                                            // the system cannot make a file without a name
    std::function<void(int)> beforeStep;    // gets the running number of each change
    int steps = 0;
};
WriteSeam& writeSeam();
// Streams the whole records of a file in chunks through one small buffer;
// visit gets each record's bytes and may return false to stop. False when the
// file cannot be opened.
template <class Visit>
bool scanRawRecords(const QString& path, int length, Visit&& visit)
{
    QFile f;
    if (length <= 0 || !openPlainFile(f, path))
        return false;
    const qint64 chunk = qMax<qint64>(1, 65536 / length) * length;
    std::unique_ptr<char[]> buffer(new char[size_t(chunk + length)]);   // no need to clear it
    char* const buf = buffer.get();
    qint64 carried = 0;   // bytes of a record split over two reads
    for (;;) {
        const qint64 n = f.read(buf + carried, chunk);
        if (n <= 0)
            break;
        readSeam().note(path, n, chunk + length);
        const qint64 have = carried + n;
        const qint64 whole = have / length * length;
        for (qint64 off = 0; off < whole; off += length) {
            if constexpr (std::is_same_v<decltype(visit(buf)), bool>) {
                if (!visit(buf + off))
                    return true;
            } else {
                visit(buf + off);
            }
        }
        carried = have - whole;
        if (carried > 0)
            std::memmove(buf, buf + whole, size_t(carried));
    }
    return true;
}

template <class R>
struct RecordFile {
    // Every whole record, in file order; empty when the file is missing.
    static std::vector<R> readAll(const QString& path)
    {
        return readWhere(path, [](const R&) { return true; });
    }

    // The records that keep(record) picks, in file order: only those are held,
    // so that a file far larger than its tournament needs costs no memory.
    template <class Keep>
    static std::vector<R> readWhere(const QString& path, Keep&& keep)
    {
        std::vector<R> out;
        scanRawRecords(path, R::Length, [&](const char* data) {
            R r = R::fromBytes(data);
            if (keep(std::as_const(r)))
                out.push_back(std::move(r));
        });
        return out;
    }

    // Calls visit(record, recordNumber) for each whole record; stops when it returns false.
    static void scan(const QString& path, const std::function<bool(const R&, qint64)>& visit)
    {
        qint64 k = 0;
        scanRawRecords(path, R::Length, [&](const char* data) { return visit(R::fromBytes(data), ++k); });
    }

    static std::optional<R> read(const QString& path, qint64 k)
    {
        if (k < 1)
            return std::nullopt;
        QFile f;
        if (!openPlainFile(f, path))
            return std::nullopt;
        if (!f.seek((k - 1) * R::Length))
            return std::nullopt;
        QByteArray b = f.read(R::Length);
        readSeam().note(path, b.size(), R::Length);
        if (b.size() != R::Length)
            return std::nullopt;
        return R::fromBytes(b.constData());
    }

    static qint64 count(const QString& path) { return recordCount(path, R::Length); }

    static bool write(const QString& path, qint64 k, const R& rec, QString* why = nullptr)
    {
        return putRecordBytes(path, k, rec.toBytes(), R::Length, why);
    }

    // Appends after the last whole record; returns its record number, or 0 on failure.
    static qint64 append(const QString& path, const R& rec, QString* why = nullptr)
    {
        qint64 k = count(path) + 1;
        return write(path, k, rec, why) ? k : 0;
    }

    // Rewrites the whole file with these records (deletions copy the rest).
    static bool writeAll(const QString& path, const std::vector<R>& recs, QString* why = nullptr)
    {
        QByteArray all;
        all.reserve(qsizetype(recs.size()) * R::Length);
        for (const R& r : recs)
            all.append(r.toBytes());
        return replaceFile(path, all, why);
    }
};

} // namespace core

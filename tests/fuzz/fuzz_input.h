#pragma once
// Shared by the fuzz targets: the input read as a stream of small fields,
// and scratch files in a folder that lives as long as the program.
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>

namespace fuzz {

// A broken rule of the code under test: stop as a crash does.
inline void check(bool ok) { if (!ok) abort(); }

class Input {
public:
    Input(const uint8_t* data, size_t size) : m_left(reinterpret_cast<const char*>(data), qsizetype(size)) {}
    int byte() { return m_left.isEmpty() ? 0 : uint8_t(take(1).front()); }
    int word() { const int low = byte(); return low | byte() << 8; }
    QByteArray take(qsizetype n)
    {
        const QByteArrayView b = m_left.first(std::clamp<qsizetype>(n, 0, m_left.size()));
        m_left = m_left.sliced(b.size());
        return b.toByteArray();
    }
    // A field of the length in the byte before it.
    QByteArray field() { return take(byte()); }
    QString text() { return QString::fromUtf8(field()); }
    QByteArray rest() { return take(m_left.size()); }

private:
    QByteArrayView m_left;
};

// Writes a scratch file with these bytes (or removes it when it must be
// missing) and returns its path.
inline QString scratchFile(const QString& name, const QByteArray& bytes, bool present = true)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QFile::remove(path);
    QFile f(path);
    check(!present || (f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size()));
    return path;
}

} // namespace fuzz

#pragma once
// Shared by the fuzz targets: the input read as a stream of small fields,
// and scratch files in a folder that lives as long as the program.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace fuzz {

class Input {
public:
    Input(const uint8_t* data, size_t size) : m_data(reinterpret_cast<const char*>(data)), m_left(qsizetype(size)) {}
    int byte() { return m_left > 0 ? (--m_left, uint8_t(*m_data++)) : 0; }
    int word() { return byte() | byte() << 8; }
    QByteArray take(qsizetype n)
    {
        n = std::clamp<qsizetype>(n, 0, m_left);
        QByteArray b(m_data, n);
        m_data += n;
        m_left -= n;
        return b;
    }
    // A field of the length in the byte before it.
    QByteArray field() { return take(byte()); }
    QString text() { return QString::fromUtf8(field()); }
    QByteArray rest() { return take(m_left); }

private:
    const char* m_data;
    qsizetype m_left;
};

// Writes a scratch file with these bytes (or removes it when it must be
// missing) and returns its path.
inline QString scratchFile(const QString& name, const QByteArray& bytes, bool present = true)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QFile::remove(path);
    QFile f(path);
    if (present && (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()))
        abort();
    return path;
}

// A broken rule of the code under test: stop as a crash does.
inline void check(bool ok)
{
    if (!ok)
        abort();
}

} // namespace fuzz

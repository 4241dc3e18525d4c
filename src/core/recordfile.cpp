#include "recordfile.h"
#include <QFileInfo>

namespace core {

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

bool putRecordBytes(const QString& path, qint64 k, const QByteArray& bytes, int length)
{
    if (k < 1 || bytes.size() != length)
        return false;
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite))
        return false;
    if (!f.seek((k - 1) * length))
        return false;
    if (f.write(bytes) != length)
        return false;
    return f.flush();
}

bool replaceFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (f.write(bytes) != bytes.size())
        return false;
    return f.commit();
}

} // namespace core

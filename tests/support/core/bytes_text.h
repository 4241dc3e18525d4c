#pragma once
#include "core/recordfile.h"
#include <QByteArray>
#include <QString>

namespace testsupport {
// Hex text of bytes, for readable failure messages.
inline QString hex(const QByteArray& b) { return QString::fromLatin1(b.toHex(' ')); }
// The whole file, empty when it cannot be read.
inline QByteArray fileBytes(const QString& path) { QByteArray b; core::readFileBytes(path, &b); return b; }
}

#pragma once
#include <QByteArray>
#include <QString>

namespace testsupport {
// Hex text of bytes, for readable failure messages.
inline QString hex(const QByteArray& b) { return QString::fromLatin1(b.toHex(' ')); }
}

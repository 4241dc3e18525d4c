#pragma once
// Single-byte Windows-1252 texts of the record files.
#include <QByteArray>
#include <QString>

namespace core {

// Encodes; characters without a Windows-1252 byte become '?'.
QByteArray toCp1252(const QString& text);
QString fromCp1252(const char* data, int length);
inline QString fromCp1252(const QByteArray& b) { return fromCp1252(b.constData(), int(b.size())); }

// Fixed-width field: encoded, cut to width and blank-padded on the right.
QByteArray fixedField(const QString& text, int width);
// Reads a fixed-width field: stops at the first zero byte (a never-assigned
// text holds zeros) and trims blanks on the right.
QString readField(const char* data, int width);
// The field exactly as stored (blank padding kept), zero bytes dropped.
QString readFieldRaw(const char* data, int width);

} // namespace core

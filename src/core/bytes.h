#pragma once
// Little-endian packed field access for the fixed-length records.
#include "fixed.h"
#include "text1252.h"
#include <QByteArray>
#include <QtEndian>
#include <cstring>

namespace core {

class ByteWriter {
public:
    explicit ByteWriter(int length) { m_buf.reserve(length); }
    void i16(qint16 v) { char b[2]; qToLittleEndian(v, b); m_buf.append(b, 2); }
    void i32(qint32 v) { char b[4]; qToLittleEndian(v, b); m_buf.append(b, 4); }
    void i64(qint64 v) { char b[8]; qToLittleEndian(v, b); m_buf.append(b, 8); }
    void fixed(Fixed v) { i64(v.raw); }
    void f64(double v) { quint64 u; std::memcpy(&u, &v, 8); char b[8]; qToLittleEndian(u, b); m_buf.append(b, 8); }
    void text(const QString& s, int width) { m_buf.append(fixedField(s, width)); }
    void raw(const QByteArray& b) { m_buf.append(b); }
    const QByteArray& bytes() const { return m_buf; }
private:
    QByteArray m_buf;
};

class ByteReader {
public:
    explicit ByteReader(const char* data) : m_p(data) {}
    qint16 i16() { auto v = qFromLittleEndian<qint16>(m_p); m_p += 2; return v; }
    qint32 i32() { auto v = qFromLittleEndian<qint32>(m_p); m_p += 4; return v; }
    qint64 i64() { auto v = qFromLittleEndian<qint64>(m_p); m_p += 8; return v; }
    Fixed fixed() { return Fixed::fromRaw(i64()); }
    double f64() { quint64 u = qFromLittleEndian<quint64>(m_p); m_p += 8; double d; std::memcpy(&d, &u, 8); return d; }
    QString text(int width) { QString s = readField(m_p, width); m_p += width; return s; }
    QString textRaw(int width) { QString s = readFieldRaw(m_p, width); m_p += width; return s; }
    QByteArray raw(int n) { QByteArray b(m_p, n); m_p += n; return b; }
private:
    const char* m_p;
};

} // namespace core

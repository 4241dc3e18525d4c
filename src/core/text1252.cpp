#include "text1252.h"
#include <QList>
#include <array>

namespace core {

namespace {
// Code points of bytes 0x80..0x9F; 0 where the code page has no character.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char encodeChar(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] != 0 && kHigh[i] == c)
            return char(0x80 + i);
    return '?';
}
} // namespace

QByteArray toCp1252(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (char32_t c : text.toUcs4())
        out.append(encodeChar(c));
    return out;
}

QString fromCp1252(const char* data, int length)
{
    QString out;
    out.reserve(length);
    for (int i = 0; i < length; ++i) {
        auto b = static_cast<unsigned char>(data[i]);
        if (b >= 0x80 && b <= 0x9F && kHigh[b - 0x80] != 0)
            out.append(QChar(kHigh[b - 0x80]));
        else
            out.append(QChar(b));
    }
    return out;
}

QByteArray fixedField(const QString& text, int width)
{
    QByteArray b = toCp1252(text).left(width);
    b.append(QByteArray(width - b.size(), ' '));
    return b;
}

QString readFieldRaw(const char* data, int width)
{
    int n = 0;
    while (n < width && data[n] != '\0')
        ++n;
    return fromCp1252(data, n);
}

QString readField(const char* data, int width)
{
    QString s = readFieldRaw(data, width);
    int end = s.size();
    while (end > 0 && s[end - 1] == QLatin1Char(' '))
        --end;
    return s.left(end);
}

} // namespace core

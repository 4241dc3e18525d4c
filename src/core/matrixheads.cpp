#include "matrixheads.h"
#include "namefit.h"
#include <algorithm>

namespace core {

MatrixHeads fitMatrixHeads(const QStringList& names, double size, double least, double room,
                           const HeadLength& length)
{
    MatrixHeads h;
    h.size = std::max(size, least);
    const auto allFit = [&] {
        return std::all_of(names.begin(), names.end(), [&](const QString& n) { return length(n, h.size) <= room; });
    };
    while (h.size > least && !allFit())
        h.size = std::max(least, h.size - 0.5);
    for (const QString& n : names)
        h.texts << (length(n, h.size) <= room
                        ? n
                        : shortenedHead(n, room, [&](const QString& t) { return length(t, h.size); }));
    return h;
}

QString shortenedHead(const QString& name, double room, const std::function<double(const QString&)>& length)
{
    return markedName(name, room, length, QString(QChar(0x2026)));
}

} // namespace core

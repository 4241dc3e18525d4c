#include "matrixheads.h"
#include "format.h"
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
    const QChar ellipsis(0x2026);
    const qsizetype komma = name.lastIndexOf(QStringLiteral(", "));
    QString naam = komma < 0 ? name : name.left(komma);
    QString staart = komma < 0 ? QString() : name.mid(komma);
    if (staart.trimmed() == QStringLiteral(","))
        staart.clear();
    while (!naam.isEmpty()) {
        naam = rightTrimmed(naam.chopped(1));
        const QString t = naam + ellipsis + staart;
        if (naam.isEmpty() || length(t) <= room)
            return t;
    }
    return ellipsis + staart;
}

} // namespace core

// Writes the program's icon: two white balls and a red one on the green
// cloth inside a wooden cushion, as PNG files of the sizes desktops ask for
// (stootplanner-16.png and so on).
// Usage: make-icon <folder>
#include "core/recordfile.h"
#include "platform/caromballs.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <cstdio>

namespace {

QByteArray icon(int s)
{
    QImage img(s, s, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF table(0.5, 0.5, s - 1.0, s - 1.0);
    const double rand = std::max(1.0, s * 0.08);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 60, 25));
    p.drawRoundedRect(table, s * 0.16, s * 0.16);
    p.setBrush(QColor(0, 120, 50));
    p.drawRoundedRect(table.adjusted(rand, rand, -rand, -rand), s * 0.08, s * 0.08);
    platform::PaintCaromBalls(p,
                              {{QPointF(0.33 * s, 0.35 * s), QColor(200, 25, 25)},
                               {QPointF(0.67 * s, 0.42 * s), QColor(250, 250, 245)},
                               {QPointF(0.45 * s, 0.68 * s), QColor(250, 250, 245)}},
                              s * 0.15);
    p.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "PNG");
    return png;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-icon <folder>\n");
        return 2;
    }
    for (int s : {16, 32, 48, 256}) {
        const QString path = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/stootplanner-%1.png").arg(s);
        if (QString why; !core::replaceFile(path, icon(s), &why)) {
            std::fprintf(stderr, "make-icon: cannot write %s: %s\n", qPrintable(path), qPrintable(why));
            return 1;
        }
    }
    return 0;
}

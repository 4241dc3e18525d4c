#include "keyicons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>
#include <functional>

namespace keyicons {

namespace {

using Painter = std::function<void(QPainter&)>;

// Every picture is drawn on a 32 x 32 grid and rendered at two sizes.
QIcon render(const Painter& draw)
{
    QIcon icon;
    for (int side : {32, 64}) {
        QPixmap pm(side, side);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(side / 32.0, side / 32.0);
        draw(p);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

const QColor Outline(0x30, 0x30, 0x30);

QPen pen(const QColor& c, double w = 1.5)
{
    QPen p(c, w);
    p.setJoinStyle(Qt::RoundJoin);
    p.setCapStyle(Qt::RoundCap);
    return p;
}

void ball(QPainter& p, QPointF centre, double r, const QColor& c)
{
    QRadialGradient g(centre - QPointF(r / 3, r / 3), r * 1.2);
    g.setColorAt(0, Qt::white);
    g.setColorAt(0.35, c);
    g.setColorAt(1, c.darker(170));
    p.setPen(pen(c.darker(220), 1));
    p.setBrush(g);
    p.drawEllipse(centre, r, r);
}

// Three carom balls on the cloth: the program's own sign.
void caromBalls(QPainter& p)
{
    p.setPen(pen(QColor(0x0B, 0x5D, 0x2A), 1));
    p.setBrush(QColor(0x1C, 0x8C, 0x45));
    p.drawRoundedRect(QRectF(2, 6, 28, 20), 3, 3);
    ball(p, {10, 19}, 5, QColor(0xF4, 0xF4, 0xEE));
    ball(p, {21, 20}, 5, QColor(0xF2, 0xC8, 0x18));
    ball(p, {17, 12}, 5, QColor(0xD0, 0x1E, 0x1E));
}

// Standings: a podium with the places 2, 1, 3.
void podium(QPainter& p)
{
    p.setPen(pen(Outline, 1));
    const struct { double x, h; QColor c; const char* nr; } blocks[] = {
        {2.5, 13, QColor(0xB8, 0xC4, 0xD0), "2"}, {11.75, 18, QColor(0xF2, 0xC2, 0x1A), "1"},
        {21, 10, QColor(0xCD, 0x8A, 0x4B), "3"}};
    QFont f;
    f.setPixelSize(8);
    f.setBold(true);
    p.setFont(f);
    for (const auto& b : blocks) {
        const QRectF r(b.x, 29 - b.h, 8.75, b.h);
        p.setBrush(b.c);
        p.drawRect(r);
        p.drawText(r.adjusted(0, 1, 0, 0), Qt::AlignHCenter | Qt::AlignTop, QString::fromLatin1(b.nr));
    }
    // A small cup above the winner.
    p.setBrush(QColor(0xF2, 0xC2, 0x1A));
    QPainterPath cup;
    cup.moveTo(12.5, 3);
    cup.lineTo(19.5, 3);
    cup.quadTo(19.5, 9, 16, 9);
    cup.quadTo(12.5, 9, 12.5, 3);
    p.drawPath(cup);
    p.drawLine(QPointF(16, 9), QPointF(16, 10.5));
}

// Cross table: a grid with its diagonal shaded.
void crossTable(QPainter& p)
{
    const double x0 = 4, y0 = 4, cell = 6;
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(x0, y0, 4 * cell, 4 * cell));
    p.setBrush(QColor(0x55, 0x66, 0x77));
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(x0 + i * cell, y0 + i * cell, cell, cell));
    p.setBrush(QColor(0x9C, 0xD6, 0x9C));
    p.drawRect(QRectF(x0 + 2 * cell, y0, cell, cell));
    p.drawRect(QRectF(x0, y0 + 3 * cell, cell, cell));
    p.setBrush(QColor(0xF0, 0xA0, 0xA0));
    p.drawRect(QRectF(x0 + cell, y0 + 2 * cell, cell, cell));
    p.setPen(pen(Outline, 1));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i <= 4; ++i) {
        p.drawLine(QPointF(x0 + i * cell, y0), QPointF(x0 + i * cell, y0 + 4 * cell));
        p.drawLine(QPointF(x0, y0 + i * cell), QPointF(x0 + 4 * cell, y0 + i * cell));
    }
}

// A sheet of paper with list lines.
void sheet(QPainter& p, bool withPencil)
{
    p.setPen(pen(Outline, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6, 3, 18, 26));
    p.setPen(pen(QColor(0x5A, 0x7A, 0xA8), 1.2));
    for (int i = 0; i < 6; ++i)
        p.drawLine(QPointF(9, 8 + i * 3.6), QPointF(i % 2 ? 17 : 21, 8 + i * 3.6));
    if (!withPencil)
        return;
    p.save();
    p.translate(25, 17);
    p.rotate(35);
    p.setPen(pen(Outline, 1));
    p.setBrush(QColor(0xF2, 0xB0, 0x1E));
    p.drawRect(QRectF(-2, -11, 4, 16));
    p.setBrush(QColor(0xF0, 0xD8, 0xB0));
    QPolygonF tip;
    tip << QPointF(-2, 5) << QPointF(2, 5) << QPointF(0, 9);
    p.drawPolygon(tip);
    p.restore();
}

// Players: two people.
void people(QPainter& p)
{
    auto person = [&](double x, double y, const QColor& c) {
        p.setPen(pen(c.darker(160), 1));
        p.setBrush(c);
        p.drawEllipse(QPointF(x, y), 4.5, 4.5);
        QPainterPath body;
        body.moveTo(x - 8, y + 16);
        body.quadTo(x - 8, y + 6, x, y + 6);
        body.quadTo(x + 8, y + 6, x + 8, y + 16);
        body.closeSubpath();
        p.drawPath(body);
    };
    person(20, 8, QColor(0x7A, 0x9C, 0xC8));
    person(11, 12, QColor(0x3A, 0x6E, 0xB4));
}

// Rounds: two arrows chasing each other.
void rounds(QPainter& p)
{
    p.setBrush(Qt::NoBrush);
    const QColor c(0x2E, 0x7D, 0x32);
    p.setPen(pen(c, 3));
    p.drawArc(QRectF(6, 6, 20, 20), 30 * 16, 150 * 16);
    p.drawArc(QRectF(6, 6, 20, 20), 210 * 16, 150 * 16);
    p.setPen(pen(c, 1));
    p.setBrush(c);
    QPolygonF a, b;
    a << QPointF(3, 13) << QPointF(11, 13) << QPointF(7, 19);
    b << QPointF(29, 19) << QPointF(21, 19) << QPointF(25, 13);
    p.drawPolygon(a);
    p.drawPolygon(b);
}

// Planning: a calendar page.
void calendar(QPainter& p)
{
    p.setPen(pen(Outline, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4, 6, 24, 22));
    p.setBrush(QColor(0xC6, 0x28, 0x28));
    p.drawRect(QRectF(4, 6, 24, 6));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(10, 3), QPointF(10, 8));
    p.drawLine(QPointF(22, 3), QPointF(22, 8));
    p.setPen(Qt::NoPen);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c) {
            p.setBrush(r == 1 && c == 2 ? QColor(0x1C, 0x8C, 0x45) : QColor(0xB0, 0xB8, 0xC0));
            p.drawRect(QRectF(6.5 + c * 5.5, 14.5 + r * 4.5, 3.5, 3));
        }
}

void clock(QPainter& p)
{
    p.setPen(pen(Outline, 1.5));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 16), 13, 13);
    for (int i = 0; i < 12; ++i) {
        p.save();
        p.translate(16, 16);
        p.rotate(i * 30);
        p.drawLine(QPointF(0, -11), QPointF(0, i % 3 ? -10 : -8.5));
        p.restore();
    }
    p.setPen(pen(Outline, 2));
    p.drawLine(QPointF(16, 16), QPointF(16, 8));
    p.drawLine(QPointF(16, 16), QPointF(21.5, 19));
    p.setPen(pen(QColor(0xC6, 0x28, 0x28), 1));
    p.drawLine(QPointF(16, 16), QPointF(11, 25));
}

void help(QPainter& p)
{
    p.setPen(pen(QColor(0x15, 0x4F, 0x9A), 1));
    QRadialGradient g(QPointF(12, 10), 18);
    g.setColorAt(0, QColor(0x6F, 0xA8, 0xE8));
    g.setColorAt(1, QColor(0x1E, 0x5F, 0xB4));
    p.setBrush(g);
    p.drawEllipse(QPointF(16, 16), 13, 13);
    QFont f;
    f.setPixelSize(20);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("?"));
}

void closeCross(QPainter& p)
{
    p.setPen(pen(QColor(0x8E, 0x1B, 0x1B), 1));
    p.setBrush(QColor(0xD3, 0x2F, 0x2F));
    p.drawEllipse(QPointF(16, 16), 13, 13);
    p.setPen(pen(Qt::white, 3.5));
    p.drawLine(QPointF(11, 11), QPointF(21, 21));
    p.drawLine(QPointF(21, 11), QPointF(11, 21));
}

// Backup and restore: an archive box.
void archive(QPainter& p)
{
    p.setPen(pen(QColor(0x6D, 0x4C, 0x2A), 1));
    p.setBrush(QColor(0xC8, 0x9A, 0x5E));
    p.drawRect(QRectF(4, 11, 24, 17));
    p.setBrush(QColor(0xDD, 0xB3, 0x7A));
    p.drawRect(QRectF(2, 6, 28, 6));
    p.setBrush(QColor(0xF4, 0xE6, 0xCC));
    p.drawRoundedRect(QRectF(12, 15, 8, 4), 1.5, 1.5);
}

void folder(QPainter& p)
{
    p.setPen(pen(QColor(0x9C, 0x73, 0x10), 1));
    p.setBrush(QColor(0xE8, 0xB8, 0x30));
    QPainterPath back;
    back.moveTo(3, 8);
    back.lineTo(12, 8);
    back.lineTo(14, 11);
    back.lineTo(29, 11);
    back.lineTo(29, 27);
    back.lineTo(3, 27);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(QColor(0xF6, 0xD0, 0x58));
    QPolygonF front;
    front << QPointF(6, 15) << QPointF(31, 15) << QPointF(28, 27) << QPointF(3, 27);
    p.drawPolygon(front);
}

void newSheet(QPainter& p)
{
    sheet(p, false);
    p.setPen(pen(QColor(0x1C, 0x8C, 0x45), 3));
    p.drawLine(QPointF(24, 19), QPointF(24, 29));
    p.drawLine(QPointF(19, 24), QPointF(29, 24));
}

Painter pictureFor(const QString& item, const QString& key)
{
    auto has = [&](const char* part) { return item.contains(QLatin1String(part), Qt::CaseInsensitive); };
    if (key == QLatin1String("But02") || has("Afsluiten") || has("Sluit"))
        return closeCross;
    if (item.startsWith(QLatin1String("mnuHelp")))
        return help;
    if (has("Klok"))
        return clock;
    if (item.startsWith(QLatin1String("mnuPlanning")))
        return calendar;
    if (has("Matrix"))
        return crossTable;
    if (has("Stand") || has("Winnaars"))
        return podium;
    if (item.startsWith(QLatin1String("mnuOverzichten")))
        return [](QPainter& p) { sheet(p, false); };
    if (item.startsWith(QLatin1String("mnuUitslagen")))
        return [](QPainter& p) { sheet(p, true); };
    if (item.startsWith(QLatin1String("mnuPoulebeheer")) || has("Zoek"))
        return people;
    if (item.startsWith(QLatin1String("mnuRondebeheer")))
        return rounds;
    if (has("Backup") || has("Restore"))
        return archive;
    if (has("Open"))
        return folder;
    if (has("Nieuw"))
        return newSheet;
    if (has("Kladblok") || has("Notitie"))
        return [](QPainter& p) { sheet(p, true); };
    return caromBalls;
}

}  // namespace

QIcon forItem(const QString& item, const QString& key) { return render(pictureFor(item, key)); }

}  // namespace keyicons

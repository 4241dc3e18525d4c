#include "caromballs.h"

#include <QPainter>
#include <QRadialGradient>

namespace platform {

void PaintCaromBalls(QPainter& p, const QList<CaromBall>& balls, double radius)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (const CaromBall& b : balls) {
        QRadialGradient g(b.centre - QPointF(radius / 3, radius / 3), radius * 1.2);
        g.setColorAt(0, Qt::white);
        g.setColorAt(0.35, b.colour);
        g.setColorAt(1, b.colour.darker(160));
        p.setBrush(g);
        p.drawEllipse(b.centre, radius, radius);
    }
    p.restore();
}

} // namespace platform

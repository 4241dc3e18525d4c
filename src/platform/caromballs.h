#pragma once
// Carom balls as the program's pictures show them: the winners list's
// picture and the program's icon (drawn by tools/make-icon).

#include <QColor>
#include <QList>
#include <QPointF>

class QPainter;

namespace platform {

struct CaromBall {
    QPointF centre;
    QColor colour;
};

// Each ball a shaded sphere lit from the top left.
void PaintCaromBalls(QPainter& p, const QList<CaromBall>& balls, double radius);

} // namespace platform

#include "cLogo.h"

#include "platform/picturebox.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <cmath>

void cLogo::Draw(int style)
{
    if (!m_box)
        return;
    QImage& img = m_box->canvas();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QColor textColour = m_box->palette().color(QPalette::WindowText);
    if (style == 1) {
        QLinearGradient g(0, 0, 0, img.height());
        g.setColorAt(0.0, QColor(0x00, 0x20, 0x60));
        g.setColorAt(1.0, QColor(0x40, 0x90, 0xE0));
        p.fillRect(img.rect(), g);
        textColour = Qt::white;
    }
    p.setFont(m_box->font());
    p.setPen(textColour);
    // Written upwards from the bottom-left corner, 16 pixels above the bottom edge. The whole ascent, to the next
    // pixel, lies right of the left edge: an accent on a capital is not cut there.
    const QFontMetricsF fm(m_box->font(), &img);
    p.translate(0, img.height() - 16);
    p.rotate(-90);
    p.drawText(QPointF(0, std::ceil(fm.ascent())), m_caption);
    p.end();
    m_box->Refresh();
}

#include "picturebox.h"

#include "core/recordfile.h"

#include <QImageReader>
#include <QPainter>

namespace platform {

QImage ReadPicture(const QString& path)
{
    QFile f;
    if (!core::openPlainFile(f, path))
        return QImage();
    // The picture's own header tells how much to read; Qt refuses one too large to hold.
    QImageReader reader(&f);
    return reader.read();
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::setPicture(const QImage& picture)
{
    m_picture = picture;
    if (m_autoSize && !picture.isNull())
        resize(picture.size());
    update();
}

void PictureBox::setAutoSize(bool on)
{
    m_autoSize = on;
    if (on && !m_picture.isNull())
        resize(m_picture.size());
}

void PictureBox::setBackColor(const QColor& c)
{
    m_back = c;
    update();
}

QImage& PictureBox::canvas()
{
    if (m_canvas.size() != size()) {
        QImage fresh(size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
        fresh.fill(Qt::transparent);
        if (!m_canvas.isNull()) {
            QPainter p(&fresh);
            p.drawImage(0, 0, m_canvas);
        }
        m_canvas = fresh;
    }
    return m_canvas;
}

QImage PictureBox::Image() const
{
    QImage img(size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    img.fill(m_back);
    QPainter p(&img);
    if (!m_picture.isNull())
        p.drawImage(m_autoSize ? QRect(QPoint(0, 0), m_picture.size()) : img.rect(), m_picture);
    if (!m_canvas.isNull())
        p.drawImage(0, 0, m_canvas);
    return img;
}

void PictureBox::Cls()
{
    if (!m_canvas.isNull())
        m_canvas.fill(Qt::transparent);
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, Image());
}

void PictureBox::resizeEvent(QResizeEvent*) { canvas(); }

}  // namespace platform

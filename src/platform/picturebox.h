#pragma once
// A picture box: a widget with its own persistent drawing surface (what is
// drawn stays until Cls), an optional loaded picture and a font for text.
// Its contents can be printed with Printer::PaintPicture(box->Image(), ...).

#include <QImage>
#include <QWidget>

namespace platform {

// A picture file of the program folder, read only when it is a plain file;
// a null image for anything else or a picture that cannot be read.
QImage ReadPicture(const QString& path);

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // The loaded picture (Picture property); drawn scaled to the box when
    // AutoSize is off, the box takes its size when AutoSize is on.
    void setPicture(const QImage& picture);
    QImage Picture() const { return m_picture; }
    void setAutoSize(bool on);
    void setBackColor(const QColor& c);
    QColor BackColor() const { return m_back; }

    // The persistent drawing surface, the size of the box.
    QImage& canvas();
    // What the box shows: background, picture and drawing.
    QImage Image() const;
    void Cls();       // clears the drawing
    void Refresh() { update(); }

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    QImage m_picture;
    QImage m_canvas;
    QColor m_back = Qt::white;
    bool m_autoSize = false;
};

}  // namespace platform

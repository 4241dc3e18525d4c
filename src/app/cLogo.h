#pragma once
// The banner: a colour gradient with a caption written upwards.
//
//     cLogo logo;
//     logo.setDrawingObject(Picture1);   // a platform::PictureBox
//     logo.setCaption("Stootplanner");
//     logo.Draw(1);                      // 1 = gradient and text, other = text only

#include <QPointer>
#include <QString>

namespace platform { class PictureBox; }

class cLogo {
public:
    void setDrawingObject(platform::PictureBox* box) { m_box = box; }
    platform::PictureBox* DrawingObject() const { return m_box; }
    void setCaption(const QString& caption) { m_caption = caption; }
    QString Caption() const { return m_caption; }
    void Draw(int style);

private:
    QPointer<platform::PictureBox> m_box;
    QString m_caption;
};

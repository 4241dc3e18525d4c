#include "frmKleur.h"
#include "core/htmlpage.h"
#include "modHtml.h"
#include "platform/formgeometry.h"
#include "standlist.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

using modStand::Px;

namespace {

class Swatch : public QLabel {
public:
    Swatch(int index, frmKleur* owner) : QLabel(owner), m_index(index), m_owner(owner) {}

protected:
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
            m_owner->Label1_Click(m_index);
    }

private:
    int m_index;
    frmKleur* m_owner;
};

} // namespace

frmKleur::frmKleur(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmKleur"));
    setWindowTitle(QStringLiteral("Kleur"));
    auto* uitleg = new QLabel(QStringLiteral("Click op kleur"), this);
    uitleg->setGeometry(Px(60), Px(1440), Px(1500), Px(255));
    static const int tops[4] = {105, 420, 735, 1050};
    static const int lefts[4] = {60, 420, 780, 1140};
    for (int i = 1; i <= core::KleurVlakken; ++i) {
        const core::KleurVlak& v = core::kleurVlak(i);
        auto* s = new Swatch(i, this);
        s->setObjectName(QStringLiteral("Label1_%1").arg(i));
        s->setGeometry(Px(lefts[v.kolom - 1]), Px(tops[v.rij - 1]), Px(375), Px(330));
        s->setFrameShape(QFrame::Box);
        s->setAutoFillBackground(true);
        QPalette pal = s->palette();
        pal.setColor(QPalette::Window, QColor(v.r, v.g, v.b));
        s->setPalette(pal);
        s->setCursor(Qt::PointingHandCursor);
        m_swatch[i] = s;
    }
    m_close = new QPushButton(QStringLiteral("Sluiten"), this);
    m_close->setObjectName(QStringLiteral("Command1"));
    // Out of sight: Escape still closes without a choice.
    m_close->setGeometry(Px(3000), Px(105), Px(900), Px(330));
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    // Wide enough for the title bar to show the caption whole.
    setFixedSize(qMax(Px(1650), platform::CaptionWidth(this)), Px(1800));
}

void frmKleur::Label1_Click(int i)
{
    using namespace modHtml;
    const core::KleurVlak& v = core::kleurVlak(i);
    if (KleurKeuze == 1) {
        HtmlTekstKleur = QColor(v.r, v.g, v.b);
        HtmlTekstKleurCode = v.letterCode;
    } else {
        HtmlAchtergrondKleur = QColor(v.r, v.g, v.b);
        HtmlAchtergrondKleurCode = v.achtergrondCode;
    }
    accept();
}

#include "frmKlok.h"
#include "platform/keytoolbar.h"

#include "app/modStootplanner.h"
#include "app/shell.h"
#include "modHelp.h"
#include "platform/sound.h"

#include <QAction>
#include <cmath>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadialGradient>
#include <QScrollBar>
#include <QShortcut>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

using namespace modStootplanner;
using modHelp::Px;

namespace {

const QColor DonkerBlauw(0, 0, 128);

QFont timesBold(double points)
{
    QFont f(QStringLiteral("Times New Roman"));
    f.setPointSizeF(points);
    f.setBold(true);
    return f;
}

void drawClockFace(QPainter& p, const QRectF& r)
{
    p.setPen(QPen(DonkerBlauw, r.width() / 14));
    p.setBrush(QColor(224, 224, 224));
    p.drawEllipse(r);
    const QPointF c = r.center();
    p.setPen(QPen(DonkerBlauw, r.width() / 12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, QPointF(c.x(), r.top() + r.height() * 0.2));
    p.drawLine(c, QPointF(r.right() - r.width() * 0.25, c.y()));
}

// The stopwatch of "Alarm aan" and the stop sign of "Alarm uit".
QIcon optionPicture(int index)
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    if (index == 0) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 90, 90));
        p.drawRect(QRectF(13, 1, 6, 4));
        p.drawRect(QRectF(23, 5, 4, 3));
        drawClockFace(p, QRectF(4, 6, 24, 24));
    } else {
        QPolygonF oct;
        for (int i = 0; i < 8; ++i) {
            const double a = (22.5 + 45 * i) * M_PI / 180;
            oct << QPointF(16 + 14 * std::cos(a), 16 + 14 * std::sin(a));
        }
        p.setPen(QPen(Qt::white, 1.5));
        p.setBrush(QColor(200, 20, 20));
        p.drawPolygon(oct);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setBold(true);
        f.setPixelSize(9);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("STOP"));
    }
    return QIcon(pm);
}

QIcon toolPicture(const QString& key)
{
    if (key != QLatin1String("But04"))
        return modHelp::ToolIcon(key);
    // Drawn on a 20-unit grid at twice the size, so that the main toolbar's larger keys stay sharp.
    QPixmap pm(40, 40);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(2, 2);
    drawClockFace(p, QRectF(2, 2, 16, 16));
    return QIcon(pm);
}

// Image1: a small picture on the dial, three balls on the cloth.
QPixmap dialPicture(int w, int h)
{
    QPixmap pm(w, h);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath cloth;
    cloth.addRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 6, 6);
    p.fillPath(cloth, QColor(0, 100, 40));
    p.setPen(QPen(QColor(90, 50, 20), 2));
    p.drawPath(cloth);
    const struct { double x; QColor c; } balls[] = {
        {0.25, QColor(250, 250, 245)}, {0.5, QColor(240, 210, 60)}, {0.75, QColor(200, 30, 30)}};
    const double r = h * 0.28;
    for (const auto& b : balls) {
        QRadialGradient g(QPointF(b.x * w - r / 3, h / 2.0 - r / 3), r * 1.2);
        g.setColorAt(0, Qt::white);
        g.setColorAt(0.35, b.c);
        g.setColorAt(1, b.c.darker(160));
        p.setBrush(g);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(b.x * w, h / 2.0), r, r);
    }
    return pm;
}

// The dial panel Frame1: the circle, the picture, the hands and the hub.
class Dial : public QFrame {
public:
    Dial(const std::array<KlokLijn, 5>& lines, QWidget* parent) : QFrame(parent), m_lines(lines)
    {
        m_picture = dialPicture(Px(2115), Px(780));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        auto px = [](double twips) { return twips / 15.0; };
        p.setPen(QPen(DonkerBlauw, 5));
        p.setBrush(QColor(224, 224, 224));
        p.drawEllipse(QRectF(px(105), px(210), px(4320), px(4215)));
        p.drawPixmap(QPointF(px(1260), px(2730)), m_picture);
        // Minute hand, hour hand, then the second hand on top.
        for (const KlokLijn& l : m_lines) {
            p.setPen(QPen(l.color, l.width, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(px(l.p1.x()), px(l.p1.y())), QPointF(px(l.p2.x()), px(l.p2.y())));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(DonkerBlauw);
        p.drawEllipse(QRectF(px(2130), px(2130), px(330), px(330)));
    }

private:
    const std::array<KlokLijn, 5>& m_lines;
    QPixmap m_picture;
};

const char* const kKlokHelp =
    "Met de knop met het klokje in de menubalk kunt u wisselen tussen digitale of analoge weergave van de klok. "
    "Het alarm stelt u in bij de digitale weergave: zet met de pijltjes naast de cijfers het uur en de minuten "
    "waarop het alarm moet gaan. "
    "Klik daarna op de knop met de stopwatch om het alarm aan te zetten; de tijd ligt dan vast. "
    "Op de ingestelde tijd komt de klok naar voren en gaat het alarm twee keer af, waarna het vanzelf weer "
    "uit staat. "
    "Met de knop met het stopbord zet u het alarm uit; het alarm werkt alleen zolang de klok geopend is.";

}  // namespace

QIcon frmKlok::ClockIcon() { return toolPicture(QStringLiteral("But04")); }

QString frmKlok::SystemTimeText(const QTime& t)
{
    const QLocale systeem = QLocale::system();
    return systeem.toString(t, systeem.timeFormat(QLocale::LongFormat));
}

frmKlok::frmKlok(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmKlok"));
    setWindowTitle(QStringLiteral("Klok"));

    m_toolbar = platform::makeKeyToolbar(this,
                                         {{"But02", "Sluiten", toolPicture(QStringLiteral("But02"))},
                                          {"But04", "Digitaal of analoog", toolPicture(QStringLiteral("But04"))},
                                          {"But05", "Help", toolPicture(QStringLiteral("But05"))}},
                                         Qt::ToolButtonIconOnly,
                                         [this](const QString& key) { Toolbar1_ButtonClick(key); });
    m_toolbar->setGeometry(0, 0, Px(4740), Px(405));

    // Hands: Line1/Line2 the minute hand, Line3/Line4 the hour hand, Line5 the seconds.
    m_lines[0] = {{}, {}, DonkerBlauw, 7};
    m_lines[1] = {{}, {}, Qt::white, 1};
    m_lines[2] = {{}, {}, DonkerBlauw, 8};
    m_lines[3] = {{}, {}, Qt::white, 1};
    m_lines[4] = {{}, {}, QColor(128, 128, 128), 2};
    for (KlokLijn& l : m_lines)
        l.p1 = l.p2 = QPointF(core::DialCentre, core::DialCentre);

    // ---- the digital panel
    m_digital = new QFrame(this);
    m_digital->setObjectName(QStringLiteral("Frame2"));
    m_digital->setGeometry(Px(105), Px(420), Px(4530), Px(4530));
    m_frame3 = new QGroupBox(QStringLiteral(" Huidige tijd "), m_digital);
    m_frame3->setObjectName(QStringLiteral("Frame3"));
    m_frame3->setGeometry(Px(210), Px(315), Px(4110), Px(2010));
    auto* shape3 = new QFrame(m_frame3);
    shape3->setObjectName(QStringLiteral("Shape3"));
    shape3->setStyleSheet(QStringLiteral(
        "QFrame#Shape3 { background: rgb(224,224,224); border: 1px solid rgb(192,192,192); border-radius: 12px; }"));
    shape3->setGeometry(Px(210), Px(270), Px(3690), Px(1710));
    const int digitLeft[5] = {420, 1050, 2310, 3045, 1785};
    for (int i = 0; i < 5; ++i) {
        auto* l = new QLabel(m_frame3);
        l->setObjectName(QStringLiteral("Label2_%1").arg(i));
        l->setFont(timesBold(72));
        l->setAlignment(Qt::AlignCenter);
        l->setStyleSheet(QStringLiteral("color: rgb(0,0,128); background: transparent;"));
        l->setGeometry(Px(digitLeft[i]), Px(315), Px(i == 4 ? 480 : 720), Px(1635));
        m_digits[i] = l;
    }
    m_digits[4]->setText(QStringLiteral(":"));

    m_frame4 = new QGroupBox(QStringLiteral(" Alarm "), m_digital);
    m_frame4->setObjectName(QStringLiteral("Frame4"));
    m_frame4->setGeometry(Px(210), Px(2520), Px(4110), Px(1905));
    const int alarmLeft[5] = {315, 1155, 2205, 3045, 1995};
    const int scrollLeft[4] = {735, 1575, 2625, 3465};
    for (int i = 0; i < 5; ++i) {
        auto* l = new QLabel(i == 4 ? QStringLiteral(":") : QStringLiteral("0"), m_frame4);
        l->setObjectName(QStringLiteral("Label3_%1").arg(i));
        l->setFont(timesBold(26.25));
        l->setAlignment(Qt::AlignCenter);
        l->setGeometry(Px(alarmLeft[i]), Px(315), Px(i == 4 ? 210 : 435), Px(645));
        m_alarmDigits[i] = l;
    }
    for (int i = 0; i < 4; ++i) {
        auto* s = new QScrollBar(Qt::Vertical, m_frame4);
        s->setObjectName(QStringLiteral("VScroll1_%1").arg(i));
        s->setGeometry(Px(scrollLeft[i]), Px(315), Px(330), Px(645));
        // The highest digit at the top: the up arrow raises the digit.
        s->setRange(0, core::AlarmDigitMax[size_t(i)]);
        s->setInvertedAppearance(true);
        connect(s, &QAbstractSlider::actionTriggered, s, [s](int action) {
            // A vertical bar steps down at its top arrow; here the top raises the digit.
            if (action == QAbstractSlider::SliderSingleStepSub || action == QAbstractSlider::SliderPageStepSub)
                s->setSliderPosition(qMin(s->maximum(), s->value() + 1));
            else if (action == QAbstractSlider::SliderSingleStepAdd || action == QAbstractSlider::SliderPageStepAdd)
                s->setSliderPosition(qMax(s->minimum(), s->value() - 1));
        });
        s->setSingleStep(1);
        s->setPageStep(1);
        s->setValue(0);
        connect(s, &QScrollBar::valueChanged, this, [this, i] { VScroll1_Change(i); });
        m_scroll[size_t(i)] = s;
    }
    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    const char* optionTips[2] = {"Alarm aan", "Alarm uit"};
    const int optionLeft[2] = {2415, 3150};
    for (int i = 0; i < 2; ++i) {
        auto* b = new QToolButton(m_frame4);
        b->setObjectName(QStringLiteral("Option1_%1").arg(i));
        b->setCheckable(true);
        b->setToolTip(QString::fromLatin1(optionTips[i]));
        b->setText(QString::fromLatin1(optionTips[i]));
        b->setIcon(optionPicture(i));
        b->setIconSize(QSize(32, 32));
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
        b->setGeometry(Px(optionLeft[i]), Px(1155), Px(645), Px(645));
        group->addButton(b, i);
        m_option[size_t(i)] = b;
    }
    m_option[1]->setChecked(true);
    connect(group, &QButtonGroup::idClicked, this, [this](int id) { Option1_Click(id); });

    // ---- the dial
    m_dial = new Dial(m_lines, this);
    m_dial->setObjectName(QStringLiteral("Frame1"));
    m_dial->setGeometry(Px(105), Px(420), Px(4530), Px(4530));
    struct Pos { int left, top; };
    const Pos numeralPos[12] = {{2020, 315}, {3130, 525}, {3675, 1155}, {3990, 2040}, {3675, 2900}, {3045, 3570},
                                {2140, 3780}, {1180, 3570}, {630, 2900}, {315, 2040}, {525, 1155}, {1155, 525}};
    for (int k = 0; k < 12; ++k) {
        const QString text = k == 0 ? QStringLiteral("12") : QString::number(k);
        auto* l = new QLabel(text, m_dial);
        l->setObjectName(QStringLiteral("Label1_%1").arg(k));
        l->setFont(timesBold(26.25));
        l->setStyleSheet(QStringLiteral("color: rgb(0,0,128); background: transparent;"));
        l->setAlignment(Qt::AlignCenter);
        l->setGeometry(Px(numeralPos[k].left), Px(numeralPos[k].top), Px(text.size() == 2 ? 540 : 270), Px(600));
        m_numerals[size_t(k)] = l;
    }
    m_dial->hide();

    m_cancel = new QPushButton(QStringLiteral("Sluiten"), this);
    m_cancel->setObjectName(QStringLiteral("Command1"));
    connect(m_cancel, &QPushButton::clicked, this, [this] { Command1_Click(); });
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    esc->setContext(Qt::WidgetWithChildrenShortcut);
    connect(esc, &QShortcut::activated, m_cancel, &QPushButton::click);

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(1000);
    connect(m_timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    m_timer2 = new QTimer(this);
    m_timer2->setObjectName(QStringLiteral("Timer2"));
    m_timer2->setInterval(5000);
    connect(m_timer2, &QTimer::timeout, this, [this] { Timer2_Timer(); });
    m_timer3 = new QTimer(this);
    m_timer3->setObjectName(QStringLiteral("Timer3"));
    m_timer3->setInterval(5000);
    connect(m_timer3, &QTimer::timeout, this, [this] { Timer3_Timer(); });

    setFixedSize(Px(4740), Px(5040));
    Form_Load();
}

void frmKlok::Form_Load()
{
    // The cancel button only serves Esc: it stands outside the window.
    m_cancel->setGeometry(Px(6000), Px(4200), Px(1000), Px(330));
    ShowDigitalTime();
    ShowHands();
    m_timer1->start();
}

void frmKlok::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (m_placed)
        return;
    m_placed = true;
    platform::placeChildWindowFitted(this, 4000, 1500);
}

void frmKlok::ShowDigitalTime()
{
    const QTime nu = Nu ? Nu() : QTime::currentTime();
    TijdTekst = SystemTimeText(nu);
    // The alarm reads the 24-hour clock whatever the face shows: on a 12-hour
    // face 2 PM reads 2, and an alarm set to 14:00 would never ring.
    UurTien = nu.hour() / 10;
    UurEen = nu.hour() % 10;
    MinTien = nu.minute() / 10;
    MinEen = nu.minute() % 10;
    const auto r = core::readClockText(TijdTekst);
    if (!r)
        return;   // a time format the face cannot read: digits and hands stay
    KlokUur = r->klokUur;
    KlokMinuten = r->klokMinuten;
    KlokSeconden = r->klokSeconden;
    m_digits[0]->setText(r->uurTienTekst);
    m_digits[1]->setText(r->uurEenTekst);
    m_digits[2]->setText(r->minTienTekst);
    m_digits[3]->setText(r->minEenTekst);
}

void frmKlok::ShowHands()
{
    const QPointF c(core::DialCentre, core::DialCentre);
    const QPointF uur = core::handEnd(core::hourHandAngle(KlokUur, KlokMinuten), core::HourHandLength);
    const QPointF min = core::handEnd(core::minuteHandAngle(KlokMinuten), core::MinuteHandLength);
    const QPointF sec = core::handEnd(core::secondHandAngle(KlokSeconden), core::SecondHandLength);
    // The minute lines have their moving end first, the others second.
    m_lines[0].p1 = min;
    m_lines[0].p2 = c;
    m_lines[1].p1 = min;
    m_lines[1].p2 = c;
    m_lines[2].p1 = c;
    m_lines[2].p2 = uur;
    m_lines[3].p1 = c;
    m_lines[3].p2 = uur;
    m_lines[4].p1 = c;
    m_lines[4].p2 = sec;
    m_dial->update();
}

void frmKlok::Timer1_Timer()
{
    ShowDigitalTime();
    ShowHands();
}

void frmKlok::VScroll1_Change(int index)
{
    m_alarmDigits[size_t(index)]->setText(QString::number(m_scroll[size_t(index)]->value()));
}

void frmKlok::Option1_Click(int)
{
    if (m_option[0]->isChecked()) {
        for (QScrollBar* s : m_scroll)
            s->setEnabled(false);
        AlarmUurTien = m_alarmDigits[0]->text().toInt();
        AlarmUurEen = m_alarmDigits[1]->text().toInt();
        AlarmMinTien = m_alarmDigits[2]->text().toInt();
        AlarmMinEen = m_alarmDigits[3]->text().toInt();
        m_timer2->start();
    } else {
        for (QScrollBar* s : m_scroll)
            s->setEnabled(true);
        m_timer2->stop();
        m_timer3->stop();
    }
}

void frmKlok::Timer2_Timer()
{
    core::ClockReading now;
    now.uurTien = UurTien;
    now.uurEen = UurEen;
    now.minTien = MinTien;
    now.minEen = MinEen;
    if (!core::alarmDue({AlarmUurTien, AlarmUurEen, AlarmMinTien, AlarmMinEen}, now))
        return;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        sub->showNormal();
        if (QMdiArea* area = sub->mdiArea())
            area->setActiveSubWindow(sub);
        sub->raise();
    } else {
        showNormal();
        raise();
    }
    QApplication::processEvents();
    platform::PlaySoundAsync(modHelp::AlarmGeluid());
    m_timer3->start();
    m_timer2->stop();
}

void frmKlok::Timer3_Timer()
{
    platform::PlaySoundAsync(modHelp::AlarmGeluid());
    QApplication::processEvents();
    m_timer3->stop();
    m_option[1]->setChecked(true);
    Option1_Click(1);
}

void frmKlok::Toolbar1_ButtonClick(const QString& key)
{
    if (key == QLatin1String("But02")) {
        close();
    } else if (key == QLatin1String("But04")) {
        if (!m_dial->isHidden()) {
            m_dial->hide();
            m_digital->show();
        } else {
            m_dial->show();
            m_digital->hide();
        }
    } else if (key == QLatin1String("But05")) {
        MeldingTekst = QString::fromUtf8(kKlokHelp);
        ShowHelp();
    }
}

void frmKlok::Command1_Click() { close(); }

void frmKlok::Form_Unload()
{
    m_timer1->stop();
    m_timer2->stop();
    m_timer3->stop();
}

void frmKlok::closeEvent(QCloseEvent* e)
{
    Form_Unload();
    e->accept();
}

// The desk clock: reading the time text, the hands, the alarm and its rings.
#include "app/modStootplanner.h"
#include "core/deskclock.h"
#include "help/frmKlok.h"
#include "platform/sound.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QFrame>
#include <QtTest>

using namespace modStootplanner;

namespace {
QString s_tijd;
}

class TestHelpClock : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void readClockText_data();
    void readClockText();
    void hands_data();
    void hands();
    void digitalFace_data();
    void digitalFace();
    void unreadableTimeKeepsTheFace();
    void handLinesFollowTheTime();
    void scrollBarsSetTheAlarmDigits();
    void alarmRingsTwiceThenSwitchesOff();
    void alarmOnAtAlarmTimeRingsAtNextCheck();
    void alarmOffBetweenRingsStopsSecondRing();
    void closingStopsEverything();
    void toolbarSwitchesView();

private:
    platform::RecordingSound* m_sound = nullptr;
};

void TestHelpClock::init()
{
    ResetContext();
    ProgrammaMap = QStringLiteral("/programma/");
    s_tijd = QStringLiteral("14:05:07");
    frmKlok::TijdBron = [] { return s_tijd; };
    m_sound = new platform::RecordingSound;
}

void TestHelpClock::cleanup()
{
    delete m_sound;
    frmKlok::TijdBron = nullptr;
}

void TestHelpClock::readClockText_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QStringList>("shown");   // hour tens, hour units, minute tens, minute units
    QTest::addColumn<QList<int>>("values");   // UurTien UurEen MinTien MinEen KlokUur KlokMinuten KlokSeconden
    QTest::newRow("9:05:07") << "9:05:07" << QStringList{"", "9", "0", "5"} << QList<int>{0, 9, 0, 5, 9, 5, 7};
    QTest::newRow("14:05:07") << "14:05:07" << QStringList{"1", "4", "0", "5"} << QList<int>{1, 4, 0, 5, 2, 5, 7};
    QTest::newRow("0:01:59") << "0:01:59" << QStringList{"", "0", "0", "1"} << QList<int>{0, 0, 0, 1, 0, 1, 59};
    QTest::newRow("00:01:59") << "00:01:59" << QStringList{"0", "0", "0", "1"} << QList<int>{0, 0, 0, 1, 0, 1, 59};
    QTest::newRow("12:00:00") << "12:00:00" << QStringList{"1", "2", "0", "0"} << QList<int>{1, 2, 0, 0, 12, 0, 0};
    QTest::newRow("23:59:30 CET") << "23:59:30 CET" << QStringList{"2", "3", "5", "9"}
                                  << QList<int>{2, 3, 5, 9, 11, 59, 30};
    QTest::newRow("2:05:07 PM") << "2:05:07 PM" << QStringList{"", "2", "0", "5"} << QList<int>{0, 2, 0, 5, 2, 5, 7};
    QTest::newRow("no seconds") << "14:05" << QStringList{"1", "4", "0", "5"} << QList<int>{1, 4, 0, 5, 2, 5, 0};
}

void TestHelpClock::readClockText()
{
    QFETCH(QString, tekst);
    QFETCH(QStringList, shown);
    QFETCH(QList<int>, values);
    const auto r = core::readClockText(tekst);
    QVERIFY(r);
    QCOMPARE((QStringList{r->uurTienTekst, r->uurEenTekst, r->minTienTekst, r->minEenTekst}), shown);
    QCOMPARE((QList<int>{r->uurTien, r->uurEen, r->minTien, r->minEen, r->klokUur, r->klokMinuten,
                         r->klokSeconden}),
             values);
}

void TestHelpClock::hands_data()
{
    QTest::addColumn<double>("angle");
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    // 15:30: 3 x 30 + 30 x 0.5 = 105 degrees, between the 3 and the 4.
    const double a105 = core::hourHandAngle(3, 30);
    QTest::newRow("15:30 hour") << a105 << 1400.0 << 2275 + 1400 * std::sin(105 * 3.14 / 180)
                                << 2275 - 1400 * std::cos(105 * 3.14 / 180);
    QTest::newRow("12:00 up") << core::hourHandAngle(12, 0) << 1400.0 << 2275 + 1400 * std::sin(360 * 3.14 / 180)
                              << 2275 - 1400 * std::cos(360 * 3.14 / 180);
    QTest::newRow("0:00 up") << core::hourHandAngle(0, 0) << 1400.0 << 2275.0 << 875.0;
    QTest::newRow("minute 15") << core::minuteHandAngle(15) << 1960.0 << 2275 + 1960 * std::sin(90 * 3.14 / 180)
                               << 2275 - 1960 * std::cos(90 * 3.14 / 180);
}

void TestHelpClock::hands()
{
    QFETCH(double, angle);
    QFETCH(double, length);
    QFETCH(double, x);
    QFETCH(double, y);
    const QPointF p = core::handEnd(angle, length);
    QCOMPARE(p.x(), x);
    QCOMPARE(p.y(), y);
    QCOMPARE(core::hourHandAngle(3, 30), 105.0);
    // 3.14 instead of pi: at 90 degrees the end lies just short of level with the centre.
    const QPointF q = core::handEnd(90, 2050);
    QVERIFY(q.y() < 2274 && q.y() > 2273);
}

void TestHelpClock::digitalFace_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QStringList>("digits");
    QTest::newRow("9:05") << "9:05:07" << QStringList{"", "9", "0", "5", ":"};
    QTest::newRow("14:05") << "14:05:07" << QStringList{"1", "4", "0", "5", ":"};
    QTest::newRow("0:00 one digit") << "0:00:12" << QStringList{"", "0", "0", "0", ":"};
    QTest::newRow("00:00 two digits") << "00:00:12" << QStringList{"0", "0", "0", "0", ":"};
}

void TestHelpClock::digitalFace()
{
    QFETCH(QString, tekst);
    QFETCH(QStringList, digits);
    s_tijd = tekst;
    frmKlok w;
    QStringList shown;
    for (int i = 0; i < 5; ++i)
        shown << w.Label2(i)->text();
    QCOMPARE(shown, digits);
    QCOMPARE(w.TijdTekst, tekst);
    QVERIFY(w.Timer1()->isActive());
    QCOMPARE(w.Timer1()->interval(), 1000);
    QVERIFY(!w.Timer2()->isActive() && !w.Timer3()->isActive());
    QVERIFY(!w.Frame2()->isHidden() && w.Frame1()->isHidden());
    QCOMPARE(w.windowTitle(), QStringLiteral("Klok"));
    QVERIFY(w.Command1()->x() >= 400);   // out of sight
}

void TestHelpClock::unreadableTimeKeepsTheFace()
{
    s_tijd = "14:05:07";
    frmKlok w;
    s_tijd = "14.06.00";
    w.Timer1_Timer();
    QCOMPARE(w.Label2(1)->text(), QStringLiteral("4"));
    QCOMPARE(w.Label2(3)->text(), QStringLiteral("5"));
    QCOMPARE(w.KlokMinuten, 5);
    QCOMPARE(w.Line(5).p2, core::handEnd(42, core::SecondHandLength));
}

void TestHelpClock::handLinesFollowTheTime()
{
    s_tijd = "15:30:20";
    frmKlok w;
    const QPointF c(2275, 2275);
    const QPointF uur = core::handEnd(105, 1400);
    const QPointF min = core::handEnd(180, 1960);
    const QPointF sec = core::handEnd(120, 2050);
    // Hour: Line3 (dark blue, 8) and Line4 (white, 1), moving end second.
    QCOMPARE(w.Line(3).p1, c);
    QCOMPARE(w.Line(3).p2, uur);
    QCOMPARE(w.Line(4).p2, uur);
    QCOMPARE(w.Line(3).width, 8);
    QCOMPARE(w.Line(3).color, QColor(0, 0, 128));
    QCOMPARE(w.Line(4).color, QColor(Qt::white));
    // Minute: Line1 (dark blue, 7) and Line2 (white, 1), moving end first.
    QCOMPARE(w.Line(1).p1, min);
    QCOMPARE(w.Line(1).p2, c);
    QCOMPARE(w.Line(2).p1, min);
    QCOMPARE(w.Line(1).width, 7);
    // Seconds: Line5 grey, 2.
    QCOMPARE(w.Line(5).p2, sec);
    QCOMPARE(w.Line(5).color, QColor(128, 128, 128));
    QCOMPARE(w.Line(5).width, 2);
    // The hands move on each tick, whichever panel shows.
    s_tijd = "12:00:00";
    w.Timer1_Timer();
    QCOMPARE(w.Line(3).p2, core::handEnd(360, 1400));
    QCOMPARE(w.Line(1).p1, core::handEnd(0, 1960));
}

void TestHelpClock::scrollBarsSetTheAlarmDigits()
{
    frmKlok w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const int max[4] = {2, 9, 5, 9};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(w.VScroll1(i)->value(), 0);
        QCOMPARE(w.Label3(i)->text(), QStringLiteral("0"));
        QCOMPARE(w.VScroll1(i)->maximum(), max[i]);
        QCOMPARE(w.VScroll1(i)->minimum(), 0);
    }
    // The up arrow raises the digit and stops at the highest; the down arrow stops at 0.
    QScrollBar* s = w.VScroll1(0);
    for (int k = 0; k < 4; ++k)
        QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(s->width() / 2, 3));
    QCOMPARE(s->value(), 2);
    QCOMPARE(w.Label3(0)->text(), QStringLiteral("2"));
    for (int k = 0; k < 4; ++k)
        QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(s->width() / 2, s->height() - 3));
    QCOMPARE(s->value(), 0);
    QCOMPARE(w.Label3(0)->text(), QStringLiteral("0"));
    w.VScroll1(3)->setValue(7);
    QCOMPARE(w.Label3(3)->text(), QStringLiteral("7"));
}

void TestHelpClock::alarmRingsTwiceThenSwitchesOff()
{
    s_tijd = "07:29:58";
    frmKlok w;
    w.VScroll1(1)->setValue(7);
    w.VScroll1(2)->setValue(3);
    w.Option1(0)->click();
    QVERIFY(w.Option1(0)->isChecked() && !w.Option1(1)->isChecked());
    QCOMPARE((QList<int>{w.AlarmUurTien, w.AlarmUurEen, w.AlarmMinTien, w.AlarmMinEen}), (QList<int>{0, 7, 3, 0}));
    for (int i = 0; i < 4; ++i)
        QVERIFY(!w.VScroll1(i)->isEnabled());
    QVERIFY(w.Timer2()->isActive());
    QCOMPARE(w.Timer2()->interval(), 5000);
    w.Timer2_Timer();
    QVERIFY(m_sound->played.isEmpty());
    s_tijd = "07:30:01";
    w.Timer2_Timer();   // the check looks at the digits of the last tick
    QVERIFY(m_sound->played.isEmpty());
    w.Timer1_Timer();
    w.Timer2_Timer();
    QCOMPARE(m_sound->played, QStringList{"/programma/ringin.wav"});
    QVERIFY(!w.Timer2()->isActive());
    QVERIFY(w.Timer3()->isActive());
    QCOMPARE(w.Timer3()->interval(), 5000);
    w.Timer3_Timer();
    QCOMPARE(m_sound->played.size(), 2);
    QVERIFY(!w.Timer3()->isActive() && !w.Timer2()->isActive());
    QVERIFY(w.Option1(1)->isChecked());
    for (int i = 0; i < 4; ++i)
        QVERIFY(w.VScroll1(i)->isEnabled());
    // Rings once per switching on.
    w.Timer1_Timer();
    QCOMPARE(m_sound->played.size(), 2);
}

void TestHelpClock::alarmOnAtAlarmTimeRingsAtNextCheck()
{
    s_tijd = "14:05:07";
    frmKlok w;
    w.VScroll1(0)->setValue(1);
    w.VScroll1(1)->setValue(4);
    w.VScroll1(3)->setValue(5);
    w.Option1(0)->click();
    QVERIFY(m_sound->played.isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(m_sound->played.size(), 1, 7000);
    w.close();
    // An alarm hour that does not exist (24 to 29) never rings.
    frmKlok v;
    v.VScroll1(0)->setValue(2);
    v.VScroll1(1)->setValue(5);
    v.Option1(0)->click();
    for (const char* t : {"23:59:00", "02:50:00", "20:05:00", "12:05:00", "2:05:00"}) {
        s_tijd = QString::fromLatin1(t);
        v.Timer1_Timer();
        v.Timer2_Timer();
    }
    QCOMPARE(m_sound->played.size(), 1);
}

void TestHelpClock::alarmOffBetweenRingsStopsSecondRing()
{
    s_tijd = "14:05:07";
    frmKlok w;
    w.VScroll1(0)->setValue(1);
    w.VScroll1(1)->setValue(4);
    w.VScroll1(3)->setValue(5);
    w.Option1(0)->click();
    w.Timer2_Timer();
    QCOMPARE(m_sound->played.size(), 1);
    w.Option1(1)->click();
    QVERIFY(!w.Timer3()->isActive() && !w.Timer2()->isActive());
    QVERIFY(w.VScroll1(0)->isEnabled());
}

void TestHelpClock::closingStopsEverything()
{
    s_tijd = "14:05:07";
    auto* w = new frmKlok;
    w->VScroll1(0)->setValue(1);
    w->VScroll1(1)->setValue(4);
    w->VScroll1(3)->setValue(5);
    w->Option1(0)->click();
    QVERIFY(w->Timer2()->isActive());
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QTest::keyClick(w, Qt::Key_Escape);   // the cancel button closes the window
    QVERIFY(!w->isVisible());
    QVERIFY(!w->Timer1()->isActive() && !w->Timer2()->isActive() && !w->Timer3()->isActive());
    QTest::qWait(50);
    QVERIFY(m_sound->played.isEmpty());
    delete w;
}

void TestHelpClock::toolbarSwitchesView()
{
    frmKlok w;
    w.Toolbar1_ButtonClick("But04");
    QVERIFY(!w.Frame1()->isHidden() && w.Frame2()->isHidden());
    QCOMPARE(w.Label1(0)->text(), QStringLiteral("12"));
    QCOMPARE(w.Label1(7)->text(), QStringLiteral("7"));
    QCOMPARE(w.Label1(3)->geometry().topLeft(), QPoint(266, 136));   // (3990, 2040) twips
    w.Toolbar1_ButtonClick("But04");
    QVERIFY(w.Frame1()->isHidden() && !w.Frame2()->isHidden());
    HelpGroot = true;
    QTimer::singleShot(0, [] {
        if (QWidget* m = QApplication::activeModalWidget())
            m->close();
    });
    w.Toolbar1_ButtonClick("But05");
    QVERIFY(MeldingTekst.startsWith("Met de knop met het klokje in de menubalk kunt u wisselen tussen digitale of "
                                    "analoge weergave van de klok."));
    QCOMPARE(MeldingTekst.count(". "), 4);   // five sentences
    QVERIFY(HelpGroot);   // left as it was
}

QTEST_MAIN(TestHelpClock)
#include "test_help_clock.moc"

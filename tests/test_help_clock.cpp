// The desk clock: reading the time text, the hands, the alarm and its rings.
#include "app/modStootplanner.h"
#include "core/deskclock.h"
#include "help/frmKlok.h"
#include "platform/sound.h"
#include "support/help_fixture.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QFrame>
#include <QtTest>

using namespace modStootplanner;

namespace {
QTime s_nu;

bool near(const QPointF& a, const QPointF& b) { return (a - b).manhattanLength() < 0.01; }

// The hand ends of the dial: hour (Line3), minute (Line1), seconds (Line5).
QList<QPointF> hands(const frmKlok& w) { return {w.Line(3).p2, w.Line(1).p1, w.Line(5).p2}; }

// Sets the alarm digits with the scroll bars and switches the alarm on.
void switchAlarmOn(frmKlok& w, std::array<int, 4> digits)
{
    for (int i = 0; i < 4; ++i)
        w.VScroll1(i)->setValue(digits[size_t(i)]);
    w.Option1(0)->click();
}
}  // namespace

class TestHelpClock : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        ResetContext();
        ProgrammaMap = QStringLiteral("/programma/");
        s_nu = QTime(14, 5, 7);
        frmKlok::Nu = [] { return s_nu; };
        m_sound = new platform::RecordingSound;
    }
    void cleanup()
    {
        delete m_sound;
        frmKlok::Nu = nullptr;
    }
    void readClockText_data()
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
        QTest::newRow("2:05:07 PM") << "2:05:07 PM" << QStringList{"", "2", "0", "5"}
                                    << QList<int>{0, 2, 0, 5, 2, 5, 7};
        QTest::newRow("no seconds") << "14:05" << QStringList{"1", "4", "0", "5"} << QList<int>{1, 4, 0, 5, 2, 5, 0};
        QTest::newRow("colon at 7: unreadable") << "kl. 12:31:10" << QStringList() << QList<int>();
    }
    void readClockText()
    {
        QFETCH(QString, tekst);
        QFETCH(QStringList, shown);
        QFETCH(QList<int>, values);
        const auto r = core::readClockText(tekst);
        QCOMPARE(bool(r), !shown.isEmpty());
        if (!r)
            return;
        QCOMPARE((QStringList{r->uurTienTekst, r->uurEenTekst, r->minTienTekst, r->minEenTekst}), shown);
        QCOMPARE((QList<int>{r->uurTien, r->uurEen, r->minTien, r->minEen, r->klokUur, r->klokMinuten,
                             r->klokSeconden}),
                 values);
    }
    // Run once more under a 12-hour (en_US) and a 24-hour (nl_NL) system locale.
    void systemTimeFormat_data()
    {
        QTest::addColumn<QTime>("tijd");
        QTest::addColumn<QString>("face");   // the four digits, a blank one as _
        const bool twaalf = QLocale::system().timeFormat().contains("ap", Qt::CaseInsensitive);
        QTest::newRow("9:05") << QTime(9, 5, 7) << (twaalf ? "_905" : "0905");
        QTest::newRow("14:05") << QTime(14, 5, 7) << (twaalf ? "_205" : "1405");
        QTest::newRow("0:01") << QTime(0, 1, 59) << (twaalf ? "1201" : "0001");
    }
    void systemTimeFormat()
    {
        QFETCH(QTime, tijd);
        QFETCH(QString, face);
        s_nu = tijd;
        frmKlok w;
        QCOMPARE(QString(w.Label2(0)->text() + "_").left(1) + w.Label2(1)->text() + w.Label2(2)->text()
                     + w.Label2(3)->text(), face);
        // It opens on the digits, ticking every second; the cancel button stands out of sight.
        QVERIFY(w.Timer1()->isActive() && !w.Timer2()->isActive() && !w.Timer3()->isActive());
        QVERIFY(w.Timer1()->interval() == 1000 && w.Command1()->x() >= 400 && w.Frame1()->isHidden());
        QVERIFY(!w.Frame2()->isHidden());
        // The alarm reads the 24-hour clock: set to this time, it rings.
        switchAlarmOn(w, {tijd.hour() / 10, tijd.hour() % 10, tijd.minute() / 10, tijd.minute() % 10});
        w.Timer2_Timer();
        QCOMPARE(m_sound->played.size(), 1);
        frmKlok::Nu = nullptr;   // the computer's own clock, read in the same format
        const QString voor = frmKlok::SystemTimeText(QTime::currentTime());
        frmKlok echt;
        QVERIFY(echt.TijdTekst == voor || echt.TijdTekst == frmKlok::SystemTimeText(QTime::currentTime()));
        QVERIFY(echt.TijdTekst.startsWith(echt.Label2(0)->text() + echt.Label2(1)->text() + ':'));
    }
    void handsFollowTheTime()
    {
        // 15:30:20: hour at 105 degrees, minute at 180, seconds at 120, with 3.14 for pi
        // (hence the minute hand's x of 2278 rather than 2275).
        s_nu = QTime(15, 30, 20);
        frmKlok w;
        const QList<QPointF> at1530 = hands(w);
        QVERIFY(near(at1530[0], {3627.632, 2636.090}));
        QVERIFY(near(at1530[1], {2278.122, 4234.998}));
        QVERIFY(near(at1530[2], {4051.439, 3298.114}));
        // The other ends at the centre; the white lines lie along the dark ones.
        const QPointF c(2275, 2275);
        QVERIFY(w.Line(3).p1 == c && w.Line(1).p2 == c && w.Line(5).p1 == c);
        QVERIFY(w.Line(4).p2 == w.Line(3).p2 && w.Line(2).p1 == w.Line(1).p1);
        // The hands move on each tick, whichever panel shows; 12:00 points up.
        s_nu = QTime(12, 0, 0);
        w.Timer1_Timer();
        QVERIFY(near(w.Line(3).p2, {2270.541, 875.007}));
        QCOMPARE(w.Line(1).p1, QPointF(2275, 2275 - 1960));
    }
    void scrollBarsSetTheAlarmDigits()
    {
        frmKlok w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QList<int> ranges;
        for (int i = 0; i < 4; ++i)
            ranges << w.VScroll1(i)->minimum() << w.VScroll1(i)->maximum() << w.VScroll1(i)->value();
        QCOMPARE(ranges, (QList<int>{0, 2, 0, 0, 9, 0, 0, 5, 0, 0, 9, 0}));
        // The up arrow raises the digit and stops at the highest; the down arrow stops at 0.
        QScrollBar* s = w.VScroll1(0);
        for (int k = 0; k < 4; ++k)
            QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(s->width() / 2, 3));
        QCOMPARE(w.Label3(0)->text(), QStringLiteral("2"));
        for (int k = 0; k < 4; ++k)
            QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(s->width() / 2, s->height() - 3));
        QCOMPARE(w.Label3(0)->text(), QStringLiteral("0"));
        w.VScroll1(3)->setValue(7);
        QCOMPARE(w.Label3(3)->text(), QStringLiteral("7"));
    }
    void alarmRingsTwiceThenSwitchesOff()
    {
        s_nu = QTime(7, 29, 58);
        frmKlok w;
        switchAlarmOn(w, {0, 7, 3, 0});
        QVERIFY(w.Option1(0)->isChecked() && !w.Option1(1)->isChecked());
        QCOMPARE((QList<int>{w.AlarmUurTien, w.AlarmUurEen, w.AlarmMinTien, w.AlarmMinEen}), (QList<int>{0, 7, 3, 0}));
        QVERIFY(!w.VScroll1(0)->isEnabled() && !w.VScroll1(3)->isEnabled());
        QVERIFY(w.Timer2()->isActive());
        QCOMPARE(w.Timer2()->interval(), 5000);
        w.Timer2_Timer();
        s_nu = QTime(7, 30, 1);
        w.Timer2_Timer();   // the check looks at the digits of the last tick
        QVERIFY(m_sound->played.isEmpty());
        w.Timer1_Timer();
        w.Timer2_Timer();
        QCOMPARE(m_sound->played, QStringList{"/programma/ringin.wav"});
        QVERIFY(!w.Timer2()->isActive() && w.Timer3()->isActive());
        QCOMPARE(w.Timer3()->interval(), 5000);
        w.Timer3_Timer();
        QCOMPARE(m_sound->played.size(), 2);
        QVERIFY(!w.Timer3()->isActive() && !w.Timer2()->isActive());
        QVERIFY(w.Option1(1)->isChecked() && w.VScroll1(0)->isEnabled() && w.VScroll1(3)->isEnabled());
        w.Timer1_Timer();   // rings once per switching on
        QCOMPARE(m_sound->played.size(), 2);
    }
    void alarmOnAtAlarmTimeAndOffBetweenRings()
    {
        frmKlok w;   // 14:05:07
        switchAlarmOn(w, {1, 4, 0, 5});
        QVERIFY(m_sound->played.isEmpty());
        w.Timer2_Timer();   // the next check rings
        QCOMPARE(m_sound->played.size(), 1);
        w.Option1(1)->click();
        QVERIFY(!w.Timer3()->isActive() && !w.Timer2()->isActive() && w.VScroll1(0)->isEnabled());
        // An alarm hour that does not exist (24 to 29) never rings.
        frmKlok v;
        switchAlarmOn(v, {2, 5, 0, 0});
        for (QTime t : {QTime(23, 59), QTime(2, 50), QTime(20, 5), QTime(2, 5)}) {
            s_nu = t;
            v.Timer1_Timer();
            v.Timer2_Timer();
        }
        QCOMPARE(m_sound->played.size(), 1);
    }
    void closingStopsEverything()
    {
        frmKlok w;
        switchAlarmOn(w, {1, 4, 0, 5});
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_Escape);   // the cancel button closes the window
        QVERIFY(!w.isVisible());
        QVERIFY(!w.Timer1()->isActive() && !w.Timer2()->isActive() && !w.Timer3()->isActive());
    }
    void toolbarSwitchesViewAndShowsHelp()
    {
        frmKlok w;
        w.Toolbar1_ButtonClick("But04");
        QVERIFY(!w.Frame1()->isHidden() && w.Frame2()->isHidden());
        QCOMPARE(w.Label1(3)->geometry().topLeft(), QPoint(266, 136));   // the 3 at (3990, 2040) twips
        w.Toolbar1_ButtonClick("But04");
        QVERIFY(w.Frame1()->isHidden() && !w.Frame2()->isHidden());
        HelpGroot = true;
        testsupport::closingModal([&] { w.Toolbar1_ButtonClick("But05"); });
        QVERIFY(MeldingTekst.startsWith("Met de knop met het klokje in de menubalk kunt u wisselen tussen digitale of "
                                        "analoge weergave van de klok. "));
        QCOMPARE(MeldingTekst.count(". "), 4);   // five sentences
        QVERIFY(HelpGroot);   // left as it was
    }

private:
    platform::RecordingSound* m_sound = nullptr;
};


QTEST_MAIN(TestHelpClock)
#include "test_help_clock.moc"
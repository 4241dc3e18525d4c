// The desk clock: reading the time text, the hands, the alarm and its rings.
#include "app/modStootplanner.h"
#include "core/deskclock.h"
#include "help/frmKlok.h"
#include "platform/sound.h"
#include "support/help_fixture.h"

#include <QtTest>

using namespace modStootplanner;

namespace {
QTime s_nu;

// Four digits, a blank one as _.
QString digits(const QString& a, const QString& b, const QString& c, const QString& d) { return (a.isEmpty() ? "_" : a) + b + c + d; }

// The running timers: "123" when all three run, '-' for one that stands still.
QString timers(const frmKlok& w)
{
    return QString(w.Timer1()->isActive() ? "1" : "-") + (w.Timer2()->isActive() ? "2" : "-")
           + (w.Timer3()->isActive() ? "3" : "-");
}

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
    std::optional<platform::RecordingSound> m_sound;
private slots:
    void init()
    {
        ResetContext();
        ProgrammaMap = QStringLiteral("/programma/");
        s_nu = QTime(14, 5, 7);
        frmKlok::Nu = [] { return s_nu; };
        m_sound.emplace();
    }
    void readClockText()
    {
        // The four digits shown, then KlokUur, KlokMinuten and KlokSeconden; a colon at 7 is unreadable.
        const std::pair<QString, QString> cases[] = {
            {"9:05:07", "_905 9:5:7"},     {"14:05:07", "1405 2:5:7"},      {"0:01:59", "_001 0:1:59"},
            {"00:01:59", "0001 0:1:59"},   {"12:00:00", "1200 12:0:0"},     {"14:05", "1405 2:5:0"},
            {"2:05:07 PM", "_205 2:5:7"}, {"23:59:30 CET", "2359 11:59:30"}, {"kl. 12:31:10", ""}};
        for (const auto& [tekst, shown] : cases) {
            const auto r = core::readClockText(tekst);
            QCOMPARE(r ? digits(r->uurTienTekst, r->uurEenTekst, r->minTienTekst, r->minEenTekst)
                             + QStringLiteral(" %1:%2:%3").arg(r->klokUur).arg(r->klokMinuten).arg(r->klokSeconden)
                       : QString(),
                     shown);
        }
    }
    // Run once more under a 12-hour (en_US) and a 24-hour (nl_NL) system locale.
    void systemTimeFormat_data()
    {
        QTest::addColumn<QTime>("tijd");
        QTest::addColumn<QString>("face");
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
        QCOMPARE(digits(w.Label2(0)->text(), w.Label2(1)->text(), w.Label2(2)->text(), w.Label2(3)->text()), face);
        // It ticks every second; the cancel button stands out of sight.
        QVERIFY(timers(w) == "1--" && w.Timer1()->interval() == 1000 && w.Command1()->x() >= 400);
        // The alarm reads the 24-hour clock: set to this time, it rings.
        switchAlarmOn(w, {tijd.hour() / 10, tijd.hour() % 10, tijd.minute() / 10, tijd.minute() % 10});
        w.Timer2_Timer();
        QCOMPARE(m_sound->played.size(), 1);
        frmKlok::Nu = nullptr;   // the computer's own clock, read the same way
        const QString voor = frmKlok::SystemTimeText(QTime::currentTime());
        frmKlok echt;
        QVERIFY(echt.TijdTekst == voor || echt.TijdTekst == frmKlok::SystemTimeText(QTime::currentTime()));
        QVERIFY(echt.TijdTekst.startsWith(echt.Label2(0)->text() + echt.Label2(1)->text() + ':'));
    }
    void handsFollowTheTime()
    {
        // The lines' ends: 15:30:20 puts the hour hand at 105 degrees, the minute at 180, the seconds at 120,
        // with 3.14 for pi (hence the minute hand's x of 2278 rather than 2275); 12:00 points up.
        s_nu = QTime(15, 30, 20);
        frmKlok w;
        auto ends = [&] {
            QString s;
            for (int n = 1; n <= 5; ++n)
                s += QString::asprintf("%.2f,%.2f-%.2f,%.2f ", w.Line(n).p1.x(), w.Line(n).p1.y(), w.Line(n).p2.x(),
                                       w.Line(n).p2.y());
            return s;
        };
        QCOMPARE(ends(), QStringLiteral("2278.12,4235.00-2275.00,2275.00 2278.12,4235.00-2275.00,2275.00 "
                                        "2275.00,2275.00-3627.63,2636.09 2275.00,2275.00-3627.63,2636.09 "
                                        "2275.00,2275.00-4051.44,3298.11 "));
        s_nu = QTime(12, 0, 0);
        w.Timer1_Timer();
        QVERIFY2(ends().startsWith("2275.00,315.00-2275.00,2275.00 2275.00,315.00-2275.00,2275.00 "
                                   "2275.00,2275.00-2270.54,875.01 "), qPrintable(ends()));
    }
    void alarmRingsTwiceThenSwitchesOff()
    {
        s_nu = QTime(7, 29, 58);
        frmKlok w;
        switchAlarmOn(w, {0, 7, 3, 0});
        QVERIFY(timers(w) == "12-" && w.Timer2()->interval() == 5000 && !w.VScroll1(0)->isEnabled()
                && !w.VScroll1(3)->isEnabled());
        w.Timer2_Timer();
        s_nu = QTime(7, 30, 1);
        w.Timer2_Timer();   // the check looks at the digits of the last tick
        QVERIFY(m_sound->played.isEmpty());
        w.Timer1_Timer();
        w.Timer2_Timer();
        QCOMPARE(m_sound->played, QStringList{"/programma/ringin.wav"});
        QVERIFY(timers(w) == "1-3" && w.Timer3()->interval() == 5000);
        w.Option1(1)->click();   // switched off between the rings
        QVERIFY(timers(w) == "1--" && w.VScroll1(0)->isEnabled());
        switchAlarmOn(w, {0, 7, 3, 0});
        w.Timer2_Timer();
        w.Timer3_Timer();
        QCOMPARE(m_sound->played.size(), 3);
        QVERIFY(timers(w) == "1--" && w.Option1(1)->isChecked() && w.VScroll1(3)->isEnabled());
    }
    void toolbarScrollBarsAndEscape()
    {
        frmKlok w;
        w.Toolbar1_ButtonClick("But04");   // the dial, its 3 at (3990, 2040) twips
        QVERIFY(!w.Frame1()->isHidden() && w.Frame2()->isHidden() && w.Label1(3)->geometry().topLeft() == QPoint(266, 136));
        w.Toolbar1_ButtonClick("But04");
        QVERIFY(w.Frame1()->isHidden() && !w.Frame2()->isHidden());
        HelpGroot = true;   // left as it is
        QVERIFY(testsupport::closingModal([&] { w.Toolbar1_ButtonClick("But05"); }) && HelpGroot
                && MeldingTekst.startsWith("Met de knop met het klokje in de menubalk"));
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        // The up arrow raises the digit and stops at the highest, the down arrow at 0; the others reach 9, 5, 9.
        QVERIFY(w.VScroll1(1)->maximum() == 9 && w.VScroll1(2)->maximum() == 5 && w.VScroll1(3)->maximum() == 9);
        QScrollBar* s = w.VScroll1(0);
        auto clicks = [&](int y) {
            for (int k = 0; k < 4; ++k)
                QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(s->width() / 2, y));
            return w.Label3(0)->text();
        };
        QVERIFY(w.Label3(0)->text() == "0" && clicks(3) == "2" && clicks(s->height() - 3) == "0");
        // Esc presses the cancel button, which closes the window and stops everything.
        switchAlarmOn(w, {1, 4, 0, 5});
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible() && timers(w) == "---");
    }
};

QTEST_MAIN(TestHelpClock)
#include "test_help_clock.moc"

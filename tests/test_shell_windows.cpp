// The help pop-up, the banner and the player search.
#include "app/cLogo.h"
#include "app/frmHelp.h"
#include "platform/msgbox.h"
#include "platform/picturebox.h"
#include "poules/frmZoek.h"
#include "support/shell_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

using namespace modStootplanner;

class TestShellWindows : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { ResetContext(); }
    void helpShowsText()
    {
        MeldingTekst = "Eerste regel\r\nTweede regel";
        frmHelp normal;
        HelpGroot = true;
        frmHelp large;
        QCOMPARE(normal.Label1()->text(), QString("Eerste regel\nTweede regel"));
        QVERIFY(!normal.isLarge() && large.isLarge());
        QVERIFY(large.width() > normal.width());
        normal.show();
        normal.Command1()->click();
        QVERIFY(!normal.isVisible());
        QCOMPARE(normal.result(), int(QDialog::Accepted));
    }

    void bannerStyles()
    {
        platform::PictureBox box;
        box.resize(60, 300);
        QFont f = box.font();
        f.setPixelSize(20);
        box.setFont(f);
        cLogo logo;
        logo.setDrawingObject(&box);
        logo.setCaption("Stootplanner");
        // Style 1: a gradient, dark at the top.
        logo.Draw(1);
        QVERIFY(box.canvas().pixelColor(55, 1).lightness() < box.canvas().pixelColor(55, 298).lightness());
        // Style 0: text only, in the left strip, written upwards from 16 pixels above the bottom.
        box.Cls();
        logo.Draw(0);
        const QImage b = box.canvas();
        QRect inked;
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x)
                if (qAlpha(b.pixel(x, y)) > 0)
                    inked |= QRect(x, y, 1, 1);
        QVERIFY(inked.right() < 30);
        QVERIFY(inked.bottom() <= 300 - 16 && inked.bottom() >= 300 - 30);
        QVERIFY(inked.height() > 60);  // a long caption written vertically
    }

    void search_data()
    {
        QTest::addColumn<int>("ronde");
        QTest::addColumn<QString>("deel");
        QTest::addColumn<QStringList>("rows");  // "nummer naam voorletters poule moyenne"
        QTest::addColumn<bool>("playersFile");
        QTest::newRow("part, any case, sorted")
            << 1 << "JANS" << QStringList{"00001|Jansen|J.| 1|1.50", "00003|Willemjansz|W.| 2|2.25"} << true;
        QTest::newRow("chosen round only") << 2 << "jans" << QStringList{"00001|Jansen|J.| 1|1.60"} << true;
        QTest::newRow("empty lists the round")
            << 2 << "" << QStringList{"00002|Bakker|B.| 1|0.90", "00001|Jansen|J.| 1|1.60"} << true;
        QTest::newRow("none") << 1 << "xyz" << QStringList{} << true;
        QTest::newRow("no players file") << 1 << "" << QStringList{} << false;
    }

    void search()
    {
        QFETCH(int, ronde);
        QFETCH(QString, deel);
        QFETCH(QStringList, rows);
        QFETCH(bool, playersFile);
        testsupport::TournamentFixture fx;
        auto& b = fx.builder();
        b.setRound(1, 2);
        b.setRound(2, 1);
        b.toernooi.laatsteRonde = 2;
        b.addPlayer(3, "Willemjansz", "W.", 1, 2, core::Fixed::fromDouble(2.25));
        b.addPlayer(1, "Jansen", "J.", 1, 1, core::Fixed::fromDouble(1.5));
        b.addPlayer(2, "Bakker", "B.", 1, 1, core::Fixed::fromDouble(0.8));
        b.addPlayer(1, "Jansen", "J.", 2, 1, core::Fixed::fromDouble(1.6));
        b.addPlayer(2, "Bakker", "B.", 2, 1, core::Fixed::fromDouble(0.9));
        fx.load();
        if (!playersFile)
            QVERIFY(QFile::remove(PadSpelers()));
        HuidigeRonde = 1;
        platform::ScriptedMessages msgs;
        frmZoek zoek;
        zoek.show();
        QCOMPARE(zoek.Combo1()->count(), 2);
        QCOMPARE(zoek.Combo1()->currentIndex(), 0);
        zoek.Combo1()->setCurrentIndex(ronde - 1);
        zoek.Text1()->setText(deel);
        zoek.Command1()->click();
        QStringList found;
        for (int i = 0; i < zoek.ListView1()->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* row = zoek.ListView1()->topLevelItem(i);
            found << QStringList{row->text(0), row->text(1), row->text(2), row->text(3), row->text(4)}.join('|');
        }
        QCOMPARE(found, rows);
        // Choosing a round to search in leaves the current round alone.
        QCOMPARE(HuidigeRonde, qint16(1));
        // Without the players file: its message, and the window stays.
        QCOMPARE(msgs.boxes.size(), playersFile ? 0 : 1);
        if (!playersFile)
            QVERIFY(msgs.boxes[0].prompt.startsWith("Spelersbestand niet gevonden !"));
        QVERIFY(zoek.isVisible());
    }
};

QTEST_MAIN(TestShellWindows)
#include "test_shell_windows.moc"

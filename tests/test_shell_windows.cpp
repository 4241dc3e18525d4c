// The help pop-up, the banner and the player search.
#include "app/cLogo.h"
#include "app/frmHelp.h"
#include "app/modStootplanner.h"
#include "platform/msgbox.h"
#include "platform/picturebox.h"
#include "poules/frmZoek.h"
#include "support/tournamentfixture.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

using namespace modStootplanner;

namespace {
QByteArray hashOf(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1);
}
}  // namespace

class TestShellWindows : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { ResetContext(); }
    void helpShowsText_data();
    void helpShowsText();
    void bannerStyles();
    void searchByPartOfName_data();
    void searchByPartOfName();
    void searchChangesNothing();
    void searchWithoutPlayersFile();
};

void TestShellWindows::helpShowsText_data()
{
    QTest::addColumn<bool>("groot");
    QTest::newRow("normal") << false;
    QTest::newRow("large") << true;
}

void TestShellWindows::helpShowsText()
{
    QFETCH(bool, groot);
    MeldingTekst = "Eerste regel\r\nTweede regel";
    HelpGroot = groot;
    frmHelp help;
    QCOMPARE(help.Label1()->text(), QString("Eerste regel\nTweede regel"));
    QCOMPARE(help.isLarge(), groot);
    QVERIFY(help.isModal());
    HelpGroot = !groot;
    frmHelp flipped;
    QVERIFY((flipped.width() > help.width()) == !groot);
    help.show();
    QVERIFY(help.isVisible());
    help.Command1()->click();
    QVERIFY(!help.isVisible());
    QCOMPARE(help.result(), int(QDialog::Accepted));
}

void TestShellWindows::bannerStyles()
{
    platform::PictureBox box;
    box.resize(60, 300);
    QFont f = box.font();
    f.setPixelSize(20);
    box.setFont(f);
    cLogo logo;
    logo.setDrawingObject(&box);
    logo.setCaption("Stootplanner");
    logo.Draw(1);
    const QImage a = box.canvas();
    // A gradient: top and bottom differ, top darker.
    const QColor top = a.pixelColor(55, 1), bottom = a.pixelColor(55, 298);
    QVERIFY(top != bottom);
    QVERIFY(top.lightness() < bottom.lightness());

    box.Cls();
    logo.Draw(0);
    const QImage b = box.canvas();
    // Text only: the right half stays empty, text drawn near the left edge,
    // running upwards from 16 pixels above the bottom.
    int inked = 0, lowest = -1, highest = 300;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            if (qAlpha(b.pixel(x, y)) > 0) {
                ++inked;
                QVERIFY2(x < 30, "text beyond the left strip");
                lowest = qMax(lowest, y);
                highest = qMin(highest, y);
            }
    QVERIFY(inked > 50);
    QVERIFY(lowest <= 300 - 16);
    QVERIFY(lowest >= 300 - 30);
    QVERIFY(lowest - highest > 60);  // a long caption written vertically
}

void TestShellWindows::searchByPartOfName_data()
{
    QTest::addColumn<int>("ronde");
    QTest::addColumn<QString>("deel");
    QTest::addColumn<QStringList>("namen");
    QTest::newRow("part, any case") << 1 << "JANS" << QStringList{"Jansen", "Willemjansz"};
    QTest::newRow("round 2 only") << 2 << "jans" << QStringList{"Jansen"};
    QTest::newRow("empty lists the round") << 2 << "" << QStringList{"Bakker", "Jansen"};
    QTest::newRow("none") << 1 << "xyz" << QStringList{};
}

void TestShellWindows::searchByPartOfName()
{
    QFETCH(int, ronde);
    QFETCH(QString, deel);
    QFETCH(QStringList, namen);
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
    HuidigeRonde = 1;
    frmZoek zoek;
    QCOMPARE(zoek.Combo1()->count(), 2);
    QCOMPARE(zoek.Combo1()->currentIndex(), 0);
    zoek.Combo1()->setCurrentIndex(ronde - 1);
    zoek.Text1()->setText(deel);
    zoek.Command1()->click();
    QStringList found;
    for (int i = 0; i < zoek.ListView1()->topLevelItemCount(); ++i)
        found << zoek.ListView1()->topLevelItem(i)->text(1);
    QCOMPARE(found, namen);
    if (ronde == 1 && !namen.isEmpty()) {
        QTreeWidgetItem* row = zoek.ListView1()->topLevelItem(1);
        QCOMPARE(row->text(0), QString("00003"));
        QCOMPARE(row->text(2), QString("W."));
        QCOMPARE(row->text(3), QString(" 2"));
        QCOMPARE(row->text(4), QString("2.25"));
    }
}

void TestShellWindows::searchChangesNothing()
{
    testsupport::TournamentFixture fx;
    fx.builder().setRound(1, 1);
    fx.builder().addPlayer(1, "Jansen", "J.", 1, 1, core::Fixed::fromDouble(1.5));
    fx.load();
    const QByteArray before = hashOf(PadSpelers());
    const qint16 ronde = HuidigeRonde, poules = AantalPoules;
    frmZoek zoek;
    zoek.Text1()->setText("Jan");
    zoek.Search();
    QCOMPARE(zoek.ListView1()->topLevelItemCount(), 1);
    zoek.Command2()->click();
    QCOMPARE(hashOf(PadSpelers()), before);
    QCOMPARE(HuidigeRonde, ronde);
    QCOMPARE(AantalPoules, poules);
}

void TestShellWindows::searchWithoutPlayersFile()
{
    testsupport::TournamentFixture fx;
    fx.builder().setRound(1, 1);
    fx.load();
    QFile::remove(PadSpelers());
    platform::ScriptedMessages msgs;
    frmZoek zoek;
    zoek.show();
    zoek.Search();
    QCOMPARE(msgs.boxes.size(), 1);
    QVERIFY(msgs.boxes[0].prompt.startsWith("Spelersbestand niet gevonden !"));
    QVERIFY(zoek.isVisible());
    QCOMPARE(zoek.ListView1()->topLevelItemCount(), 0);
}

QTEST_MAIN(TestShellWindows)
#include "test_shell_windows.moc"

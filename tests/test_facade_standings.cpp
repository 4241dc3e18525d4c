// The module-level standings outputs over the loaded tournament's files.
#include "app/modStootplanner.h"
#include "standings/modStand.h"
#include "support/tournamentfixture.h"
#include <QFile>
#include <QTest>

using namespace core;

class TestFacadeStandings : public QObject {
    Q_OBJECT
private slots:
    void facadeKeepsOutputsForEmptyPoule();
};

void TestFacadeStandings::facadeKeepsOutputsForEmptyPoule()
{
    testsupport::TournamentFixture fx;
    auto& b = fx.builder();
    b.addPlayer(1, QStringLiteral("Jansen"), QStringLiteral("P."), 1, 1, Fixed::fromInt(1));
    b.addPlayer(2, QStringLiteral("Bakker"), QStringLiteral("K."), 1, 1, Fixed::fromInt(1));
    b.addGame(1, 1, 1, 12, 10, 3, 2, 25, 10, 6);
    b.setRound(1, 2);
    fx.load();
    modStand::ComputeStandings(1, 1, false);
    QCOMPARE(modStand::StandAantal, 2);
    QCOMPARE(modStand::StandPositieAt(1), 2);
    QCOMPARE(modStand::StandPositieAt(2), 1);
    QCOMPARE(modStand::StandNamenAt(2).trimmed(), QStringLiteral("Bakker"));
    QCOMPARE(modStand::StandTabel(2, KolCar).raw, 250000);
    modStand::ComputeStandings(2, 1, false);
    QCOMPARE(modStand::StandAantal, 0);
    QCOMPARE(modStand::StandNamenAt(2).trimmed(), QStringLiteral("Bakker"));
    QCOMPARE(modStand::StandTabel(2, KolCar).raw, 250000);
    // a missing results file: zero columns, file order
    QVERIFY(QFile::remove(modStootplanner::PadUitslag()));
    modStand::ComputeStandings(1, 1, false);
    QCOMPARE(modStand::StandAantal, 2);
    QCOMPARE(modStand::StandPositieAt(1), 1);
    QCOMPARE(modStand::StandTabel(2, KolCar).raw, 0);
    QVERIFY(!QFile::exists(modStootplanner::PadUitslag()));
}

QTEST_MAIN(TestFacadeStandings)
#include "test_facade_standings.moc"

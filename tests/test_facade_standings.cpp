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
    using namespace modStand;
    testsupport::TournamentFixture fx;
    auto& b = fx.builder();
    b.addPlayer(1, QStringLiteral("Jansen"), QStringLiteral("P."), 1, 1, Fixed::fromInt(1));
    b.addPlayer(2, QStringLiteral("Bakker"), QStringLiteral("K."), 1, 1, Fixed::fromInt(1));
    b.addGame(1, 1, 1, 12, 10, 3, 2, 25, 10, 6);
    b.setRound(1, 2);
    fx.load();
    const auto outputs = [] {
        return QStringLiteral("%1: %2 %3 %4 %5").arg(StandAantal).arg(StandPositieAt(1)).arg(StandPositieAt(2))
            .arg(StandNamenAt(2).trimmed()).arg(StandTabel(2, KolCar).raw);
    };
    ComputeStandings(1, 1, false);
    QCOMPARE(outputs(), QStringLiteral("2: 2 1 Bakker 250000"));
    ComputeStandings(2, 1, false);   // an empty poule leaves the rows as they were
    QCOMPARE(outputs(), QStringLiteral("0: 2 1 Bakker 250000"));
    // a missing results file: zero columns, file order, and no file made
    QVERIFY(QFile::remove(modStootplanner::PadUitslag()));
    ComputeStandings(1, 1, false);
    QCOMPARE(outputs(), QStringLiteral("2: 1 2 Bakker 0"));
    QVERIFY(!QFile::exists(modStootplanner::PadUitslag()));
}

QTEST_MAIN(TestFacadeStandings)
#include "test_facade_standings.moc"

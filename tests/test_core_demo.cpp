// The demo tournament read back as an outside reader would.
#include "core/oledate.h"
#include "core/players.h"
#include "core/recordfile.h"
#include "core/tournamentbuilder.h"
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <map>
#include <set>

using namespace core;

class TestCoreDemo : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void filesAreWholeRecords();
    void settings();
    void poules();
    void resultsAreConsistent();
    void windows1252Names();

private:
    QTemporaryDir m_dir;
    TournamentFileSet m_f;
};

void TestCoreDemo::initTestCase()
{
    m_f = writeDemoTournament(m_dir.path());
}

void TestCoreDemo::filesAreWholeRecords()
{
    QCOMPARE(m_f.toernooi, QStringLiteral("Demo toernooi_ST001.stt"));
    QCOMPARE(QFileInfo(m_f.map + m_f.toernooi).size(), 1148);
    QCOMPARE(QFileInfo(m_f.map + m_f.spelers).size() % 55, 0);
    QCOMPARE(QFileInfo(m_f.map + m_f.uitslag).size() % 122, 0);
    QCOMPARE(QFileInfo(m_f.map + m_f.poules).size(), 8);
}

void TestCoreDemo::settings()
{
    const auto t = readToernooi(m_f.map + m_f.toernooi);
    QVERIFY(t && t->hasSignature());
    QCOMPARE(t->naam, QStringLiteral("Demo toernooi"));
    QVERIFY(!t->subtitel.isEmpty());
    QCOMPARE(t->laatsteRonde, 1);
    QCOMPARE(t->puntenSysteem, 1);
    QCOMPARE(t->puntenWinst, 2);
    QCOMPARE(t->puntenRemise, 1);
    QCOMPARE(t->puntenVerlies, 0);
    QCOMPARE(t->extraPuntWinst, Nee);
    QCOMPARE(t->carMethode, 1);
    QCOMPARE(t->carFactor, Fixed::fromInt(20));
    QCOMPARE(t->carOptellen, 5);
    QCOMPARE(t->carAfronding, 1);
    QCOMPARE(t->aantalDecimalen, 2);
    QCOMPARE(t->puntenInMatrix, Ja);
    QCOMPARE(t->standMoyenne, Ja);
    QCOMPARE(t->standSerie, Ja);
    QCOMPARE(t->standProcentCar, Ja);
    QCOMPARE(t->aanpassenPerRonde, Ja);
    QCOMPARE(t->perRondeMinimum, Fixed::fromRaw(5000));
}

void TestCoreDemo::poules()
{
    const auto ps = RecordFile<PouleRec>::readAll(m_f.map + m_f.poules);
    QCOMPARE(int(ps.size()), 1);
    QCOMPARE(ps[0], (PouleRec{1, 4, Nee, Nee}));
    std::map<int, int> sizes;
    std::set<qint32> numbers;
    for (const SpelerRec& s : RecordFile<SpelerRec>::readAll(m_f.map + m_f.spelers)) {
        QCOMPARE(s.ronde, 1);
        ++sizes[s.poule];
        QVERIFY(numbers.insert(s.nummer).second);
        QCOMPARE(s.teMakenCar, core::caramboleTarget(s.moyenne, *readToernooi(m_f.map + m_f.toernooi)));
    }
    QCOMPARE(sizes, (std::map<int, int>{{1, 6}, {2, 6}, {3, 5}, {4, 3}}));
}

void TestCoreDemo::resultsAreConsistent()
{
    std::map<qint32, SpelerRec> players;
    for (const SpelerRec& s : RecordFile<SpelerRec>::readAll(m_f.map + m_f.spelers))
        players[s.nummer] = s;
    const auto us = RecordFile<UitslagRec>::readAll(m_f.map + m_f.uitslag);
    std::map<int, int> games;
    int draws = 0, unfinished = 0;
    std::set<std::pair<qint32, qint32>> pairs;
    for (const UitslagRec& u : us) {
        ++games[u.poule];
        QCOMPARE(u.ronde, 1);
        QVERIFY(oleDateToDate(u.datum).year() == 2026);
        QVERIFY(pairs.insert({qMin(u.speler1.nummer, u.speler2.nummer), qMax(u.speler1.nummer, u.speler2.nummer)}).second);
        for (const UitslagSpeler* s : {&u.speler1, &u.speler2}) {
            const SpelerRec& p = players.at(s->nummer);
            QCOMPARE(p.poule, u.poule);
            QCOMPARE(s->teMakenCar, p.teMakenCar);
            QCOMPARE(s->eigenMoyenne, p.moyenne);
            QVERIFY(s->beurten > 0);
            QVERIFY(s->hoogsteSerie <= s->car);
            QVERIFY(s->hoogsteSerie * s->beurten >= s->car);
            QVERIFY(s->car <= s->teMakenCar);
            QCOMPARE(s->moyenne.raw, qint64(qRound64(double(s->car) / s->beurten * 10000)));
            QCOMPARE(s->procentCar.raw, qint64(qRound64(double(s->car) * 100 / s->teMakenCar * 10000)));
            const double pm = s->moyenne.toDouble() / s->eigenMoyenne.toDouble() * 100;
            QVERIFY(qAbs(s->procentMoy.toDouble() - pm) < 0.0001);
        }
        const UitslagSpeler& a = u.speler1;
        const UitslagSpeler& b = u.speler2;
        const bool doneA = a.car == a.teMakenCar, doneB = b.car == b.teMakenCar;
        QCOMPARE(u.uitgespeeld, jaNee(doneA || doneB));
        int expectA;
        if (doneA || doneB)
            expectA = doneA == doneB ? 2 : (doneA ? 1 : 3);
        else   // decided on % of target caramboles
            expectA = a.procentCar == b.procentCar ? 2 : (a.procentCar > b.procentCar ? 1 : 3);
        QCOMPARE(int(a.uitslagCode), expectA);
        QCOMPARE(int(b.uitslagCode), 4 - expectA);
        const int pts[] = {0, 2, 1, 0};
        QCOMPARE(int(a.punten), pts[a.uitslagCode]);
        QCOMPARE(int(b.punten), pts[b.uitslagCode]);
        draws += a.uitslagCode == 2;
        unfinished += u.uitgespeeld == Nee;
    }
    QCOMPARE(games, (std::map<int, int>{{1, 13}, {2, 15}, {3, 10}, {4, 3}}));
    QVERIFY(draws >= 1 && draws <= 2);
    QCOMPARE(unfinished, 1);
}

void TestCoreDemo::windows1252Names()
{
    QFile f(m_f.map + m_f.spelers);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray all = f.readAll();
    QVERIFY(all.contains("Dani\xebls"));
    QVERIFY(all.contains("H\xe9" "bert"));
}

QTEST_GUILESS_MAIN(TestCoreDemo)
#include "test_core_demo.moc"

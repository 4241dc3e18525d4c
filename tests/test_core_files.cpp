// Program-folder files, tournament file names and player look-ups.
#include "core/players.h"
#include "core/recordfile.h"
#include "core/tournamentbuilder.h"
#include "core/tournamentfiles.h"
#include "support/core/bytes_text.h"
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace core;

class TestCoreFiles : public QObject {
    Q_OBJECT
private slots:
    void fileSetNames();
    void iniBytes();
    void iniMissingOrShort();
    void clubnaamCreated();
    void playerLookups();
    void countInPoule();
};

void TestCoreFiles::fileSetNames()
{
    const TournamentFileSet f = tournamentFileSet(QStringLiteral("/data/toernooien"), QStringLiteral("Winter"), 7);
    QCOMPARE(f.map, QStringLiteral("/data/toernooien/"));
    QCOMPARE(f.toernooi, QStringLiteral("Winter_ST007.stt"));
    QCOMPARE(f.spelers, QStringLiteral("DataSpelers_ST007.sts"));
    QCOMPARE(f.uitslag, QStringLiteral("DataUitslag_ST007.stu"));
    QCOMPARE(f.poules, QStringLiteral("DataPoules_ST007.stp"));
    QCOMPARE(f.planning, QStringLiteral("Planning_ST007.sta"));
    QCOMPARE(tournamentNumberFromFileName(QStringLiteral("Winter 2026_ST123.stt")), 123);
    QCOMPARE(tournamentNumberFromFileName(QStringLiteral("Winter.stt")), -1);
    QCOMPARE(tournamentNumberFromFileName(QStringLiteral("Winter_ST123.stt\n")), -1);
    QCOMPARE(tournamentNumberFromFileName(QString::fromUtf8("Winter_ST\u0661\u0662\u0663.stt")), -1);
    QCOMPARE(withTrailingSeparator(QStringLiteral("/a/b//")), QStringLiteral("/a/b/"));
}

void TestCoreFiles::iniBytes()
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(IniFileName);
    QVERIFY(writeIni(ini, {QStringLiteral("/home/club/Toernooi é/"), QStringLiteral("Winter_ST001.stt")}));
    QFile f(ini);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("/home/club/Toernooi \xe9/\r\nWinter_ST001.stt\r\n"));
    const auto back = readIni(ini);
    QVERIFY(back.has_value());
    QCOMPARE(back->map, QStringLiteral("/home/club/Toernooi é/"));
    QCOMPARE(back->bestand, QStringLiteral("Winter_ST001.stt"));
}

void TestCoreFiles::iniMissingOrShort()
{
    QTemporaryDir dir;
    QVERIFY(!readIni(dir.filePath(QStringLiteral("none.ini"))).has_value());
    QFile f(dir.filePath(QStringLiteral("short.ini")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("/only/one/line/\r\n");
    f.close();
    QVERIFY(!readIni(f.fileName()).has_value());
}

void TestCoreFiles::clubnaamCreated()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(ClubnaamFileName);
    QCOMPARE(readOrCreateClubnaam(path), QStringLiteral("Nog geen clubnaam ingevoerd"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("Nog geen clubnaam ingevoerd").leftJustified(40, ' '));
    f.close();
    QVERIFY(writeClubnaam(path, QStringLiteral("BV Café 't Hoekje")));
    QCOMPARE(readOrCreateClubnaam(path), QStringLiteral("BV Café 't Hoekje"));
}

void TestCoreFiles::playerLookups()
{
    QTemporaryDir dir;
    TournamentBuilder b(dir.path());
    b.addPlayer(4, QStringLiteral("Jansen"), QStringLiteral("P."), 1, 1, Fixed::fromInt(2));
    b.addPlayer(9, QStringLiteral("Daniëls"), QStringLiteral("M."), 1, 2, Fixed::fromInt(1));
    b.addPlayer(4, QStringLiteral("Jansen (r2)"), QStringLiteral("P.X."), 2, 1, Fixed::fromInt(2));
    b.addPlayer(12, QStringLiteral("Smit"), QStringLiteral("G."), 2, 1, Fixed::fromInt(3));
    const TournamentFileSet f = b.write();
    const QString path = f.map + f.spelers;

    SpelerRec last;
    QCOMPARE(playerFullName(path, 4, &last), QStringLiteral("Jansen, P."));
    QCOMPARE(last.ronde, 1);   // the first record with that number
    QCOMPARE(playerName(path, 9), QStringLiteral("Daniëls"));
    QCOMPARE(playerInitials(path, 9), QStringLiteral("M."));
    QCOMPARE(playerFullName(path, 77, &last), QString());
    QCOMPARE(last.nummer, 12);   // the scan read to the end
    QCOMPARE(playerName(path, 77), QString());
    QCOMPARE(playerInitials(path, 77), QString());
    const QString missing = dir.filePath(QStringLiteral("none.sts"));
    QCOMPARE(playerFullName(missing, 4), QStringLiteral("Bestaat niet !"));
    QCOMPARE(playerName(missing, 4), QStringLiteral("Bestaat niet !"));
    QCOMPARE(playerInitials(missing, 4), QStringLiteral("??"));
    QVERIFY(!QFile::exists(missing));
}

void TestCoreFiles::countInPoule()
{
    QTemporaryDir dir;
    TournamentBuilder b(dir.path());
    b.addPlayer(1, QStringLiteral("A"), QStringLiteral("A."), 1, 1, Fixed::fromInt(1));
    b.addPlayer(2, QStringLiteral("B"), QStringLiteral("B."), 1, 1, Fixed::fromInt(1));
    b.addPlayer(3, QStringLiteral("C"), QStringLiteral("C."), 1, 2, Fixed::fromInt(1));
    b.addPlayer(1, QStringLiteral("A"), QStringLiteral("A."), 2, 1, Fixed::fromInt(1));
    const TournamentFileSet f = b.write();
    QCOMPARE(countPlayersInPoule(f.map + f.spelers, 1, 1), 2);
    QCOMPARE(countPlayersInPoule(f.map + f.spelers, 2, 1), 1);
    QCOMPARE(countPlayersInPoule(f.map + f.spelers, 1, 2), 1);
    QCOMPARE(countPlayersInPoule(f.map + f.spelers, 3, 1), 0);
}

QTEST_GUILESS_MAIN(TestCoreFiles)
#include "test_core_files.moc"

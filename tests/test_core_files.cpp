// Byte layouts of the record files against hand-made fixtures, the
// program-folder files, file names and player look-ups, and the demo
// tournament read back as an outside reader would.
#include "core/oledate.h"
#include "core/players.h"
#include "core/recordfile.h"
#include "core/text1252.h"
#include "core/tournamentbuilder.h"
#include "support/core/bytes_text.h"
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <cmath>
#include <limits>
#include <map>
#include <set>

using namespace core;
using testsupport::fileBytes;
using testsupport::hex;

class TestCoreFiles : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    TournamentFileSet m_demo;

private slots:
    void initTestCase()
    {
        QString why;
        m_demo = writeDemoTournament(m_dir.filePath(QStringLiteral("demo")), &why);
        QVERIFY(why.isEmpty());
        writeDemoTournament(m_demo.map + m_demo.toernooi + QStringLiteral("/demo"), &why);   // under a file
        QVERIFY(!why.isEmpty());
    }
    void spelerLayout();
    void uitslagLayout();
    void toernooiLayout();
    void smallRecords();
    void windows1252();
    void oleDates();
    void recordFileAccess();
    void fileSetNames();
    void iniAndClubName();
    void playerLookups();
    void demoSettingsAndPlayers();
    void demoResultsAreConsistent();
};

void TestCoreFiles::spelerLayout()
{
    const SpelerRec s{258, QStringLiteral("Daniëls"), QStringLiteral("M."), 2, 3, 41, Fixed::fromRaw(18000), 0,
                      Fixed::fromRaw(-5000)};
    const QByteArray expected = QByteArray::fromHex("02010000"
        "44616e69eb6c7320202020202020202020202020" "4d2e2020202020"   // "Daniëls" padded to 20, "M." to 7
        "0200" "0300" "2900" "5046000000000000" "0000" "78ecffffffffffff");
    QCOMPARE(expected.size(), 55);
    QCOMPARE(hex(s.toBytes()), hex(expected));
    QCOMPARE(SpelerRec::fromBytes(expected.constData()), s);
}

void TestCoreFiles::uitslagLayout()
{
    const UitslagRec u{toOleDate(QDateTime(QDate(2026, 10, 1), QTime(18, 0))), 1, 4, Ja,
                       {7, 35, 20, 6, Fixed::fromRaw(17500), 35, Fixed::fromRaw(15000), Fixed::fromRaw(1000000),
                        Fixed::fromRaw(1166667), 2, 1},
                       {9, 12, 20, 3, Fixed::fromRaw(6000), 25, Fixed::fromRaw(10000), Fixed::fromRaw(480000),
                        Fixed::fromRaw(600000), 0, 3}};
    const QByteArray bytes = u.toBytes();
    QCOMPARE(hex(bytes), hex(QByteArray::fromHex("00000000189be640" "0100" "0400" "ffff"
        "07000000" "2300" "1400" "0600" "5c44000000000000" "2300" "983a000000000000" "40420f0000000000"
        "4bcd110000000000" "0200" "0100"
        "09000000" "0c00" "1400" "0300" "7017000000000000" "1900" "1027000000000000" "0053070000000000"
        "c027090000000000" "0000" "0300") + QByteArray(12, '\0')));
    QCOMPARE(UitslagRec::fromBytes(bytes.constData()), u);
    // The reserved tail is kept as read when the record is written again.
    QByteArray read = bytes;
    for (int i = 110; i < 122; ++i)
        read[i] = char(i);
    UitslagRec again = UitslagRec::fromBytes(read.constData());
    again.poule = 2;
    QCOMPARE(hex(again.toBytes().mid(10)), hex(QByteArray::fromHex("0200") + read.mid(12)));
}

void TestCoreFiles::toernooiLayout()
{
    ToernooiRec t;
    t.signatuur = QLatin1String(ToernooiRec::Signatuur);
    t.naam = QStringLiteral("Wintercompetitie");
    t.subtitel = QStringLiteral("Libre € ë");
    t.aantalDecimalen = 3; t.automatischeBackup = Ja; t.puntenInMatrix = Nee; t.laatsteRonde = 4;
    t.carMethode = 2; t.carFactor = Fixed::fromRaw(12345678); t.carOptellen = 7; t.carAfronding = 3;
    t.puntenSysteem = 3; t.puntenWinst = 12; t.puntenRemise = 11; t.puntenVerlies = -2; t.extraPuntWinst = Ja;
    t.onbeslistOpProcentCar = Ja; t.vastAantalBeurten = 25; t.puntenOpProcentCar = Ja;
    t.standMoyenne = Ja; t.standSerie = Nee; t.standProcentCar = Ja;
    t.tussentijdsAanpassen = Ja; t.tussentijdsNaPartij = 5; t.tussentijdsMinimum = Fixed::fromRaw(5000);
    t.aanpassenPerRonde = Ja; t.perRondeMinimum = Fixed::fromRaw(7500);
    t.notitie = QStringLiteral("Notitie");
    const QByteArray b = t.toBytes();
    QCOMPARE(b.size(), 1148);
    QCOMPARE(b.left(60), "STOOTPL-T1" + QByteArray("Wintercompetitie").leftJustified(40, ' ') + "Libre \x80 \xeb ");
    QCOMPARE(hex(b.mid(90, 74)), hex(QByteArray::fromHex("0300ffff000004000200" "4e61bc0000000000" "07000300"
        "03000c000b00feffffffffff1900ffffffff0000ffffffff0500" "8813000000000000" "ffff" "4c1d000000000000")
        + "Notitie "));
    QCOMPARE(ToernooiRec::fromBytes(b.constData()), t);
    QVERIFY(t.hasSignature() && !ToernooiRec::fromBytes(("X" + b.mid(1)).constData()).hasSignature());
    const ToernooiRec zero = ToernooiRec::fromBytes(QByteArray(1148, '\0').constData());
    QCOMPARE(zero.naam + zero.notitie, QString());   // zero bytes read as no text
}

void TestCoreFiles::smallRecords()
{
    QCOMPARE(hex(PouleRec{3, 5, Ja, Nee}.toBytes()), hex(QByteArray::fromHex("03000500ffff0000")));
    QCOMPARE(PouleRec::fromBytes(QByteArray::fromHex("0200010000000100").constData()), (PouleRec{2, 1, 0, 1}));
    QVERIFY(!isJa(1));   // only -1 counts as yes
    const ClubnaamRec c{QStringLiteral("BV De Keu")};
    QCOMPARE(c.toBytes(), QByteArray("BV De Keu").leftJustified(40, ' '));
    QCOMPARE(ClubnaamRec::fromBytes(c.toBytes().constData()).naam, QStringLiteral("BV De Keu"));
    QCOMPARE(VolgnummerRec{513}.toBytes(), QByteArray::fromHex("0102"));
}

void TestCoreFiles::windows1252()
{
    const std::pair<const char*, QByteArray> both[] = {
        {"€", "\x80"}, {"Hébert", "H\xe9" "bert"}, {"‘x’ “y” –", "\x91x\x92 \x93y\x94 \x96"},
        {"Œœ", "\x8c\x9c"}};
    for (const auto& [text, bytes] : both) {
        QCOMPARE(toCp1252(QString::fromUtf8(text)), bytes);
        QCOMPARE(fromCp1252(bytes), QString::fromUtf8(text));
    }
    // characters outside the code page become '?', too long texts are cut
    QCOMPARE(fixedField(QStringLiteral("Łódź"), 6), QByteArray("?\xf3" "d?  "));
    QCOMPARE(fixedField(QStringLiteral("abcdefghij"), 4), QByteArray("abcd"));
    // padding is trimmed, leading blanks kept
    QCOMPARE(readField("  ab  ", 6), QStringLiteral("  ab"));
}

void TestCoreFiles::oleDates()
{
    const double inf = std::numeric_limits<double>::infinity();
    const struct { double ole; QDateTime shown; } cases[] = {   // invalid: no date
        {0.0, {QDate(1899, 12, 30), QTime(0, 0)}}, {2.0, {QDate(1900, 1, 1), QTime(0, 0)}},
        {46296.75, {QDate(2026, 10, 1), QTime(18, 0)}}, {-1.5, {QDate(1899, 12, 29), QTime(12, 0)}},   // noon before
        {-657434.0, {QDate(100, 1, 1), QTime(0, 0)}}, {2958465.5, {QDate(9999, 12, 31), QTime(12, 0)}},  // first, last
        {2958466.0, {}}, {-657435.0, {}}, {1e300, {}}, {-1e19, {}}, {inf, {}}, {std::nan(""), {}},
    };
    for (const auto& [ole, shown] : cases) {
        QCOMPARE(oleDateToDateTime(ole), shown);
        QCOMPARE(oleDateToDate(ole), shown.date());
        if (shown.isValid())
            QCOMPARE(toOleDate(shown), ole);
    }
}

void TestCoreFiles::recordFileAccess()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.stp"));
    QCOMPARE(RecordFile<PouleRec>::count(path), 0);
    QVERIFY(RecordFile<PouleRec>::readAll(path).empty());
    QCOMPARE(RecordFile<PouleRec>::append(path, PouleRec{1, 4, 0, 0}), 1);
    QCOMPARE(RecordFile<PouleRec>::append(path, PouleRec{2, 1, 0, 0}), 2);
    QVERIFY(RecordFile<PouleRec>::write(path, 1, PouleRec{1, 5, 0, 0}));
    QCOMPARE(RecordFile<PouleRec>::readAll(path), (std::vector<PouleRec>{{1, 5, 0, 0}, {2, 1, 0, 0}}));
    QVERIFY(!RecordFile<PouleRec>::read(path, 3) && !RecordFile<PouleRec>::read(path, 0));
    QCOMPARE(hex(fileBytes(path)), hex(QByteArray::fromHex("0100050000000000" "0200010000000000")));
    // A partial record at the end is no record, and rewriting the last whole one keeps it.
    const QByteArray tail("\x01\x02\x03", 3);
    QVERIFY(replaceFile(path, fileBytes(path) + tail));
    QCOMPARE(RecordFile<PouleRec>::count(path), 2);
    QCOMPARE(RecordFile<PouleRec>::readAll(path).size(), size_t(2));
    QVERIFY(RecordFile<PouleRec>::write(path, 2, PouleRec{2, 7, 0, 0}));
    QCOMPARE(hex(fileBytes(path)), hex(QByteArray::fromHex("0100050000000000" "0200070000000000") + tail));
}

void TestCoreFiles::fileSetNames()
{
    const TournamentFileSet f = tournamentFileSet(QStringLiteral("/data/toernooien"), QStringLiteral("Winter"), 7);
    QCOMPARE(QStringList({f.map, f.toernooi, f.spelers, f.uitslag, f.poules, f.planning}),
             QStringList({"/data/toernooien/", "Winter_ST007.stt", "DataSpelers_ST007.sts", "DataUitslag_ST007.stu",
                          "DataPoules_ST007.stp", "Planning_ST007.sta"}));
    QCOMPARE(tournamentNumberFromFileName(QStringLiteral("Winter 2026_ST123.stt")), 123);
    QCOMPARE(tournamentNumberFromFileName(QStringLiteral("Winter.stt")), -1);
    QCOMPARE(tournamentNumberFromFileName(QStringLiteral("Winter_ST123.stt\n")), -1);
    QCOMPARE(tournamentNumberFromFileName(QString::fromUtf8("Winter_ST\u0661\u0662\u0663.stt")), -1);
    QCOMPARE(withTrailingSeparator(QStringLiteral("/a/b//")), QStringLiteral("/a/b/"));
}

void TestCoreFiles::iniAndClubName()
{
    const QString ini = m_dir.filePath(IniFileName);
    QVERIFY(!readIni(ini).has_value());
    QVERIFY(writeIni(ini, {QStringLiteral("/home/club/Toernooi é/"), QStringLiteral("Winter_ST001.stt")}));
    QCOMPARE(fileBytes(ini), QByteArray("/home/club/Toernooi \xe9/\r\nWinter_ST001.stt\r\n"));
    const LastTournament back = readIni(ini).value_or(LastTournament{});
    QCOMPARE(back.map + '|' + back.bestand, QStringLiteral("/home/club/Toernooi é/|Winter_ST001.stt"));
    QVERIFY(replaceFile(ini, "/only/one/line/\r\n"));
    QVERIFY(!readIni(ini).has_value());

    const QString club = m_dir.filePath(ClubnaamFileName);
    QCOMPARE(readOrCreateClubnaam(club), QStringLiteral("Nog geen clubnaam ingevoerd"));
    QCOMPARE(fileBytes(club), QByteArray("Nog geen clubnaam ingevoerd").leftJustified(40, ' '));
    QVERIFY(writeClubnaam(club, QStringLiteral("BV Café 't Hoekje")));
    QCOMPARE(readOrCreateClubnaam(club), QStringLiteral("BV Café 't Hoekje"));
}

void TestCoreFiles::playerLookups()
{
    TournamentBuilder b(m_dir.path());
    b.addPlayer(4, QStringLiteral("Jansen"), QStringLiteral("P."), 1, 1, Fixed::fromInt(2));
    b.addPlayer(9, QStringLiteral("Daniëls"), QStringLiteral("M."), 1, 2, Fixed::fromInt(1));
    b.addPlayer(4, QStringLiteral("Jansen (r2)"), QStringLiteral("P.X."), 2, 1, Fixed::fromInt(2));
    b.addPlayer(12, QStringLiteral("Smit"), QStringLiteral("G."), 2, 1, Fixed::fromInt(3));
    const TournamentFileSet f = b.write();
    const QString path = f.map + f.spelers;

    SpelerRec last;
    QCOMPARE(playerFullName(path, 4, &last), QStringLiteral("Jansen, P."));
    QCOMPARE(last.ronde, 1);   // the first record with that number
    QCOMPARE(playerName(path, 9) + playerInitials(path, 9), QStringLiteral("DaniëlsM."));
    QCOMPARE(playerFullName(path, 77, &last), QString());
    QCOMPARE(last.nummer, 12);   // the scan read to the end
    QCOMPARE(playerName(path, 77) + playerInitials(path, 77), QString());
    const QString missing = m_dir.filePath(QStringLiteral("none.sts"));
    QCOMPARE(playerFullName(missing, 4) + '|' + playerName(missing, 4) + '|' + playerInitials(missing, 4),
             QStringLiteral("Bestaat niet !|Bestaat niet !|??"));
    QVERIFY(!QFile::exists(missing));
    // poule, round
    const int counts[][3] = {{1, 1, 1}, {1, 2, 2}, {2, 1, 1}, {3, 1, 0}};
    for (const auto& c : counts)
        QCOMPARE(countPlayersInPoule(path, c[0], c[1]), c[2]);
}

void TestCoreFiles::demoSettingsAndPlayers()
{
    QCOMPARE(m_demo.toernooi, QStringLiteral("Demo toernooi_ST001.stt"));
    const QByteArray bytes = fileBytes(m_demo.map + m_demo.toernooi);
    QCOMPARE(bytes.size(), 1148);
    QVERIFY(bytes.startsWith("STOOTPL-T1Demo toernooi   ") && bytes.mid(50, 40).trimmed().size() > 0);
    // decimals 2, points in the cross table, formula 20 x moyenne + 5 rounded normally, system 1 with
    // 2/1/0, tie-breaks on moyenne, run and % car, adjusted per round from 0.5
    QCOMPARE(hex(bytes.mid(90, 66)), hex(QByteArray::fromHex("02000000ffff01000100" "400d030000000000" "05000100"
        "0100020001000000" "0000ffff00000000ffffffffffff00000000" "0000000000000000" "ffff" "8813000000000000")));
    const ToernooiRec t = *readToernooi(m_demo.map + m_demo.toernooi);

    QCOMPARE(RecordFile<PouleRec>::readAll(m_demo.map + m_demo.poules), (std::vector<PouleRec>{{1, 4, Nee, Nee}}));
    std::map<int, int> sizes;
    std::set<qint32> numbers;
    for (const SpelerRec& s : RecordFile<SpelerRec>::readAll(m_demo.map + m_demo.spelers)) {
        QCOMPARE(s.ronde, 1);
        ++sizes[s.poule];
        QVERIFY(numbers.insert(s.nummer).second);
        QCOMPARE(s.teMakenCar, caramboleTarget(s.moyenne, t));
    }
    QCOMPARE(sizes, (std::map<int, int>{{1, 6}, {2, 6}, {3, 5}, {4, 3}}));
    const QByteArray players = fileBytes(m_demo.map + m_demo.spelers);
    QVERIFY(players.contains("Dani\xebls") && players.contains("H\xe9" "bert"));
}

void TestCoreFiles::demoResultsAreConsistent()
{
    std::map<qint32, SpelerRec> players;
    for (const SpelerRec& s : RecordFile<SpelerRec>::readAll(m_demo.map + m_demo.spelers))
        players[s.nummer] = s;
    std::map<int, int> games;
    int draws = 0, unfinished = 0;
    const std::array points{0, 2, 1, 0};   // by result code: win, draw, loss
    std::set<std::pair<qint32, qint32>> pairs;
    for (const UitslagRec& u : RecordFile<UitslagRec>::readAll(m_demo.map + m_demo.uitslag)) {
        ++games[u.poule];
        QCOMPARE(u.ronde, 1);
        QCOMPARE(oleDateToDate(u.datum).year(), 2026);
        QVERIFY(pairs.insert(std::minmax(u.speler1.nummer, u.speler2.nummer)).second);
        for (const UitslagSpeler* s : {&u.speler1, &u.speler2}) {
            const SpelerRec& p = players.at(s->nummer);
            QCOMPARE(p.poule, u.poule);
            QCOMPARE(s->teMakenCar, p.teMakenCar);
            QCOMPARE(s->eigenMoyenne, p.moyenne);
            QVERIFY(s->beurten > 0 && s->car <= s->teMakenCar);
            QVERIFY(s->hoogsteSerie <= s->car && s->hoogsteSerie * s->beurten >= s->car);
            QCOMPARE(s->moyenne.raw, qint64(qRound64(double(s->car) / s->beurten * 10000)));
            QCOMPARE(s->procentCar.raw, qint64(qRound64(double(s->car) * 100 / s->teMakenCar * 10000)));
            const double pm = s->moyenne.toDouble() / s->eigenMoyenne.toDouble() * 100;
            QVERIFY(qAbs(s->procentMoy.toDouble() - pm) < 0.0001);
            QCOMPARE(int(s->punten), points.at(size_t(s->uitslagCode)));
        }
        const UitslagSpeler& a = u.speler1;
        const UitslagSpeler& b = u.speler2;
        const bool doneA = a.car == a.teMakenCar, doneB = b.car == b.teMakenCar;
        QCOMPARE(u.uitgespeeld, jaNee(doneA || doneB));
        // decided on finishing, else on % of the target caramboles
        const int expectA = doneA || doneB ? (doneA == doneB ? 2 : (doneA ? 1 : 3))
                                           : (a.procentCar == b.procentCar ? 2 : (a.procentCar > b.procentCar ? 1 : 3));
        QCOMPARE(int(a.uitslagCode), expectA);
        QCOMPARE(int(b.uitslagCode), 4 - expectA);
        draws += a.uitslagCode == 2;
        unfinished += u.uitgespeeld == Nee;
    }
    QCOMPARE(games, (std::map<int, int>{{1, 13}, {2, 15}, {3, 10}, {4, 3}}));
    QVERIFY(draws >= 1 && draws <= 2);
    QCOMPARE(unfinished, 1);
}

QTEST_GUILESS_MAIN(TestCoreFiles)
#include "test_core_files.moc"

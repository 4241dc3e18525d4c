// The planning record on disk and the rules of making, saving and printing a planning.
#include "core/planning.h"
#include "core/recordfile.h"
#include "core/records.h"
#include "support/core/bytes_text.h"
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>

using namespace core;

namespace {

QByteArray le16(qint16 v)
{
    QByteArray b(2, '\0');
    b[0] = char(v & 0xFF);
    b[1] = char((v >> 8) & 0xFF);
    return b;
}

// A record written out by hand: planning 7 of 12-10-2026, round 2, 3 tables,
// 5 games from 09.30, slots of 45 minutes; two names placed.
QByteArray handMadeRecord()
{
    QByteArray b(PlanningRec::Length, '\0');
    b.replace(0, 2, le16(7));
    b.replace(2, 8, QByteArray::fromHex("00000000609ce640"));   // 46307.0 = 12-10-2026
    b.replace(10, 2, le16(2));
    b.replace(12, 2, le16(3));
    b.replace(14, 2, le16(5));
    b.replace(16, 2, le16(3));
    b.replace(18, 2, le16(2));
    for (int t = 1; t <= 3; ++t)
        for (int s = 1; s <= 5; ++s)
            for (int k = 1; k <= 2; ++k)
                b.replace(20 + ((t - 1) + 10 * (s - 1) + 300 * (k - 1)) * 20, 20, QByteArray(20, ' '));
    // table 3, slot 5, side 2 -> 20 + (2 + 40 + 300) x 20 = 6860
    b.replace(6860, 20, QByteArray("M\xfcller,J (25)       ", 20));
    // table 1, slot 1, side 1 -> 20
    b.replace(20, 20, QByteArray("Jansen,P (40)       ", 20));
    return b;
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

PlanningRec numbered(qint16 n, qint16 tafels = 2, qint16 partijen = 3)
{
    return newPlanning(n, 46307, 1, tafels, partijen, 2, 3);
}

} // namespace

class TestPlanningCore : public QObject {
    Q_OBJECT
private slots:
    void readsHandMadeRecord();
    void writesHandMadeRecordBack();
    void newPlanningBytes();
    void lastStartRule_data();
    void lastStartRule();
    void slotTimes_data();
    void slotTimes();
    void choiceLists();
    void nextNumber();
    void appendPositions();
    void saveKeepsEverythingOutsideTheRange();
    void saveOfAVanishedPlanningWritesNothing();
    void cellOrder();
    void listEntries_data();
    void listEntries();
    void listEntriesOfPouleAndRound();
    void printBlocks_data();
    void printBlocks();
};

void TestPlanningCore::readsHandMadeRecord()
{
    const QByteArray b = handMadeRecord();
    const PlanningRec p = PlanningRec::fromBytes(b.constData());
    QCOMPARE(p.nummer, qint16(7));
    QCOMPARE(p.datum, 46307.0);
    QCOMPARE(p.ronde, qint16(2));
    QCOMPARE(p.aantalTafels, qint16(3));
    QCOMPARE(p.aantalPartijen, qint16(5));
    QCOMPARE(p.startTijdIndex, qint16(3));
    QCOMPARE(p.intervalIndex, qint16(2));
    QCOMPARE(p.naam(3, 5, 2), QStringLiteral("Müller,J (25)       "));
    QCOMPARE(p.naam(1, 1, 1), QStringLiteral("Jansen,P (40)       "));
    QCOMPARE(p.naam(1, 1, 2), QString(20, QLatin1Char(' ')));
    QCOMPARE(p.naam(4, 1, 1), QString());   // outside the range: zero bytes
    QCOMPARE(PlanningRec::cellOffset(3, 5, 2), 6860);
    QCOMPARE(PlanningRec::cellOffset(10, 30, 2), 12000);
}

void TestPlanningCore::writesHandMadeRecordBack()
{
    const QByteArray b = handMadeRecord();
    QCOMPARE(testsupport::hex(PlanningRec::fromBytes(b.constData()).toBytes()), testsupport::hex(b));

    PlanningRec p = newPlanning(7, 46307, 2, 3, 5, 3, 2);
    p.setNaam(3, 5, 2, QStringLiteral("Müller,J (25)"));
    p.setNaam(1, 1, 1, QStringLiteral("Jansen,P (40)"));
    QCOMPARE(p.toBytes().size(), PlanningRec::Length);
    QCOMPARE(testsupport::hex(p.toBytes()), testsupport::hex(b));
}

void TestPlanningCore::newPlanningBytes()
{
    const QByteArray b = newPlanning(1, 46307, 1, 4, 10, 2, 3).toBytes();
    int blankCells = 0, zeroCells = 0;
    for (int k = 0; k < 600; ++k) {
        const QByteArray cell = b.mid(20 + k * 20, 20);
        if (cell == QByteArray(20, ' '))
            ++blankCells;
        else if (cell == QByteArray(20, '\0'))
            ++zeroCells;
    }
    QCOMPARE(blankCells, 80);
    QCOMPARE(zeroCells, 520);
    // table 4, slot 10, side 2 is in the range; table 5, slot 1 is not.
    QCOMPARE(b.mid(PlanningRec::cellOffset(4, 10, 2), 20), QByteArray(20, ' '));
    QCOMPARE(b.mid(PlanningRec::cellOffset(5, 1, 1), 20), QByteArray(20, '\0'));
    QCOMPARE(b.mid(PlanningRec::cellOffset(1, 11, 1), 20), QByteArray(20, '\0'));
}

void TestPlanningCore::lastStartRule_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("partijen");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("22.00 uur x3 ends 24.00") << 28 << 3 << 3 << true;
    QTest::newRow("22.00 uur x4 ends 25.00") << 28 << 3 << 4 << false;
    QTest::newRow("08.00 kwartier x30") << 0 << 0 << 30 << true;
    QTest::newRow("08.00 twee uur x9") << 0 << 5 << 9 << true;
    QTest::newRow("08.00 twee uur x10") << 0 << 5 << 10 << false;
    QTest::newRow("21.30 drie kwartier x4 = 23.45") << 27 << 2 << 4 << true;
    QTest::newRow("21.30 drie kwartier x5 = 24.30") << 27 << 2 << 5 << false;
    QTest::newRow("09.00 anderhalf uur x11 = 24.00") << 2 << 4 << 11 << true;
}

void TestPlanningCore::lastStartRule()
{
    QFETCH(int, start);
    QFETCH(int, interval);
    QFETCH(int, partijen);
    QFETCH(bool, allowed);
    QCOMPARE(lastStartAllowed(start, interval, partijen), allowed);
}

void TestPlanningCore::slotTimes_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("text");
    QTest::newRow("first slot 09.00") << 2 << 3 << 1 << "09:00";
    QTest::newRow("third of 90 minutes") << 2 << 4 << 3 << "12:00";
    QTest::newRow("kwartier from 08.30") << 1 << 0 << 4 << "09:15";
    QTest::newRow("drie kwartier from 13.30") << 11 << 2 << 2 << "14:15";
    QTest::newRow("midnight") << 28 << 3 << 3 << "00:00";
}

void TestPlanningCore::slotTimes()
{
    QFETCH(int, start);
    QFETCH(int, interval);
    QFETCH(int, slot);
    QFETCH(QString, text);
    QCOMPARE(slotTimeText(start, interval, slot), text);
}

void TestPlanningCore::choiceLists()
{
    const QStringList starts = startTijdTexts();
    QCOMPARE(starts.size(), 29);
    QCOMPARE(starts.first(), QStringLiteral("08.00"));
    QCOMPARE(starts.at(2), QStringLiteral("09.00"));
    QCOMPARE(starts.at(3), QStringLiteral("09.30"));
    QCOMPARE(starts.last(), QStringLiteral("22.00"));
    QCOMPARE(intervalTexts(), QStringList({"kwartier", "half uur", "drie kwartier", "een uur", "anderhalf uur",
                                           "twee uur"}));
}

void TestPlanningCore::nextNumber()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Planning_ST001.sta"));
    QCOMPARE(nextPlanningNumber(path), qint16(1));
    writeBytes(path, QByteArray());
    QCOMPARE(nextPlanningNumber(path), qint16(1));
    QByteArray all = numbered(5).toBytes() + numbered(2).toBytes();
    writeBytes(path, all);
    QCOMPARE(nextPlanningNumber(path), qint16(6));
    // A cut-off record at the end is no planning.
    writeBytes(path, all + le16(40) + QByteArray(100, ' '));
    QCOMPARE(nextPlanningNumber(path), qint16(6));
}

void TestPlanningCore::appendPositions()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Planning_ST001.sta"));
    QCOMPARE(appendPlanning(path, numbered(1)), qint64(1));
    QCOMPARE(fileBytes(path).size(), 12020);
    QCOMPARE(appendPlanning(path, numbered(2)), qint64(2));
    QCOMPARE(appendPlanning(path, numbered(3)), qint64(3));
    QCOMPARE(nextPlanningNumber(path), qint16(4));
    QCOMPARE(appendPlanning(path, numbered(4)), qint64(4));
    const QByteArray b = fileBytes(path);
    QCOMPARE(b.size(), 4 * 12020);
    QCOMPARE(b.mid(3 * 12020, 2), le16(4));
    QCOMPARE(findPlanning(path, 3)->recordNumber, qint64(3));
    QVERIFY(!findPlanning(path, 9).has_value());
}

void TestPlanningCore::saveKeepsEverythingOutsideTheRange()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Planning_ST001.sta"));
    QByteArray second = handMadeRecord();
    second.replace(0, 2, le16(2));
    // Bytes outside the range that must come back as they were.
    second.replace(PlanningRec::cellOffset(9, 30, 2), 20, QByteArray("stray text          ", 20));
    const QByteArray first = numbered(1).toBytes();
    writeBytes(path, first + second);

    // 3 tables x 5 games = 30 captions; element 1 is (1,1,1), element 30 is (3,5,2).
    QStringList captions;
    for (int e = 1; e <= 30; ++e)
        captions << QString();
    captions[0] = QStringLiteral("   Piet,K (12)   ");
    captions[29] = QStringLiteral("Abcdefghijklmnopqrstuvwxyz");
    captions[cellElement(2, 3, 1, 5) - 1] = QStringLiteral("Zoë,A (7)");
    PlanningRec saved;
    QCOMPARE(savePlanningCells(path, 2, captions, &saved), SaveResult::Saved);

    const QByteArray after = fileBytes(path);
    QCOMPARE(after.size(), 2 * 12020);
    QCOMPARE(testsupport::hex(after.left(12020)), testsupport::hex(first));
    QByteArray expected = second;
    expected.replace(20, 20, QByteArray("Piet,K (12)         ", 20));
    expected.replace(6860, 20, QByteArray("Abcdefghijklmnopqrst", 20));
    expected.replace(PlanningRec::cellOffset(2, 3, 1), 20, QByteArray("Zo\xeb,A (7)           ", 20));
    QCOMPARE(testsupport::hex(after.mid(12020)), testsupport::hex(expected));
    QCOMPARE(saved.toBytes(), expected);
}

void TestPlanningCore::saveOfAVanishedPlanningWritesNothing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Planning_ST001.sta"));
    QCOMPARE(savePlanningCells(path, 1, {}), SaveResult::FileMissing);
    QVERIFY(!QFile::exists(path));
    const QByteArray before = numbered(1).toBytes() + numbered(2).toBytes();
    writeBytes(path, before);
    QCOMPARE(savePlanningCells(path, 3, QStringList(12, QStringLiteral("X"))), SaveResult::NotFound);
    QCOMPARE(fileBytes(path), before);
}

void TestPlanningCore::cellOrder()
{
    // 2 tables x 3 games: table 1 first, its slots in order, side 1 before side 2.
    QCOMPARE(cellElement(1, 1, 1, 3), 1);
    QCOMPARE(cellElement(1, 1, 2, 3), 2);
    QCOMPARE(cellElement(1, 3, 2, 3), 6);
    QCOMPARE(cellElement(2, 1, 1, 3), 7);
    QCOMPARE(cellElement(2, 3, 2, 3), 12);
    PlanningRec p = numbered(1, 2, 3);
    p.setNaam(2, 1, 1, QStringLiteral("B"));
    p.setNaam(1, 3, 2, QStringLiteral("A"));
    const QStringList c = cellCaptions(p);
    QCOMPARE(c.size(), 12);
    QCOMPARE(c.at(5), QStringLiteral("A") + QString(19, QLatin1Char(' ')));
    QCOMPARE(c.at(6), QStringLiteral("B") + QString(19, QLatin1Char(' ')));
}

void TestPlanningCore::listEntries_data()
{
    QTest::addColumn<QString>("naam");
    QTest::addColumn<QString>("voorletters");
    QTest::addColumn<int>("doel");
    QTest::addColumn<int>("aangepast");
    QTest::addColumn<QString>("entry");
    QTest::newRow("short") << "Jansen" << "P.J." << 40 << 0 << "Jansen,P (40)";
    QTest::newRow("long name cut at 11") << "Vermeulen-Bakker" << "H." << 125 << 0 << "Vermeulen-B,H (125)";
    QTest::newRow("blank at the cut removed") << "Anna Maria de Jong" << "A" << 30 << 0 << "Anna Maria,A (30)";
    QTest::newRow("adjusted target") << "Bos" << "K." << 40 << 47 << "Bos,K (47)";
    QTest::newRow("no initials") << "Smit" << "" << 9 << 0 << "Smit, (9)";
}

void TestPlanningCore::listEntries()
{
    QFETCH(QString, naam);
    QFETCH(QString, voorletters);
    QFETCH(int, doel);
    QFETCH(int, aangepast);
    QFETCH(QString, entry);
    SpelerRec s;
    s.naam = naam;
    s.voorletters = voorletters;
    s.teMakenCar = qint16(doel);
    s.aangepastTeMakenCar = qint16(aangepast);
    // Through the record bytes, as the list reads it.
    QCOMPARE(pouleListEntry(SpelerRec::fromBytes(s.toBytes().constData())), entry);
}

void TestPlanningCore::listEntriesOfPouleAndRound()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("DataSpelers_ST001.sts"));
    std::vector<SpelerRec> spelers;
    auto add = [&](qint32 nr, const char* naam, qint16 ronde, qint16 poule) {
        SpelerRec s;
        s.nummer = nr;
        s.naam = QString::fromUtf8(naam);
        s.voorletters = QStringLiteral("X");
        s.ronde = ronde;
        s.poule = poule;
        s.teMakenCar = qint16(10 + nr);
        spelers.push_back(s);
    };
    add(1, "Een", 1, 2);
    add(2, "Twee", 2, 2);
    add(3, "Drie", 1, 1);
    add(4, "Vier", 1, 2);
    QVERIFY(RecordFile<SpelerRec>::writeAll(path, spelers));
    QCOMPARE(pouleListEntries(path, 2, 1), QStringList({"Een,X (11)", "Vier,X (14)"}));
    QCOMPARE(pouleListEntries(path, 2, 2), QStringList({"Twee,X (12)"}));
    QVERIFY(pouleListEntries(path, 3, 1).isEmpty());
}

void TestPlanningCore::printBlocks_data()
{
    QTest::addColumn<int>("tafels");
    QTest::addColumn<int>("partijen");
    QTest::addColumn<QList<int>>("filledTables");
    QTest::addColumn<QString>("blocks");
    QTest::newRow("6 tables, names in 1 2 4 6") << 6 << 10 << QList<int>{1, 2, 4, 6} << "1,2,4|6";
    QTest::newRow("3 tables portrait") << 3 << 20 << QList<int>{1, 2, 3} << "1,2|3";
    QTest::newRow("only the last table") << 5 << 8 << QList<int>{5} << "5";
    QTest::newRow("only the first table") << 7 << 8 << QList<int>{1} << "1";
    QTest::newRow("three exactly") << 3 << 15 << QList<int>{1, 2, 3} << "1,2,3";
    QTest::newRow("10 tables portrait, every other") << 10 << 30 << QList<int>{2, 4, 6, 8, 10} << "2,4|6,8|10";
    QTest::newRow("nothing filled") << 4 << 10 << QList<int>{} << "";
}

void TestPlanningCore::printBlocks()
{
    QFETCH(int, tafels);
    QFETCH(int, partijen);
    QFETCH(QList<int>, filledTables);
    QFETCH(QString, blocks);
    QStringList captions(2 * tafels * partijen, QStringLiteral("   "));   // blanks only count as empty
    for (int t : filledTables)
        captions[cellElement(t, partijen, 2, partijen) - 1] = QStringLiteral("Naam,X (1)   ");
    const QList<int> used = usedTables(tafels, partijen, captions);
    QCOMPARE(used, filledTables);
    QStringList got;
    for (const QList<int>& b : core::printBlocks(tafels, used, printLandscape(partijen) ? 3 : 2)) {
        QStringList nums;
        for (int t : b)
            nums << QString::number(t);
        got << nums.join(QLatin1Char(','));
    }
    QCOMPARE(got.join(QLatin1Char('|')), blocks);
    QCOMPARE(printLandscape(15), true);
    QCOMPARE(printLandscape(16), false);
}

QTEST_APPLESS_MAIN(TestPlanningCore)
#include "test_planning_core.moc"

// The planning record on disk and the rules of making, saving and printing a planning.
#include "core/planning.h"
#include "support/core/bytes_text.h"
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace core;

namespace {

QByteArray le16(int v)
{
    QByteArray b;
    b.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
    return b;
}

// A record written out by hand: planning 7 of 12-10-2026, round 2, 3 tables,
// 5 games from 09.30, slots of 45 minutes; two names placed.
QByteArray handMadeRecord()
{
    QByteArray b(PlanningRec::Length, '\0');
    b.replace(0, 2, le16(7));
    b.replace(2, 8, QByteArray::fromHex("00000000609ce640"));   // 46307.0 = 12-10-2026
    b.replace(10, 10, le16(2) + le16(3) + le16(5) + le16(3) + le16(2));
    for (int t = 1; t <= 3; ++t)
        for (int s = 1; s <= 5; ++s)
            for (int k = 1; k <= 2; ++k)
                b.replace(20 + ((t - 1) + 10 * (s - 1) + 300 * (k - 1)) * 20, 20, QByteArray(20, ' '));
    // table 3, slot 5, side 2 -> 20 + (2 + 40 + 300) x 20 = 6860
    b.replace(6860, 20, QByteArray("M\xfcller,J (25)       ", 20));
    b.replace(20, 20, QByteArray("Jansen,P (40)       ", 20));   // table 1, slot 1, side 1
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
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

PlanningRec numbered(qint16 n)
{
    return newPlanning(n, 46307, 1, 2, 3, 2, 3);
}

} // namespace

class TestPlanningCore : public QObject {
    Q_OBJECT
private slots:
    void recordBytes()
    {
        const QByteArray b = handMadeRecord();
        const PlanningRec read = PlanningRec::fromBytes(b.constData());
        QCOMPARE(testsupport::hex(read.toBytes()), testsupport::hex(b));

        PlanningRec made = newPlanning(7, 46307, 2, 3, 5, 3, 2);
        made.setNaam(3, 5, 2, QStringLiteral("Müller,J (25)"));
        made.setNaam(1, 1, 1, QStringLiteral("Jansen,P (40)"));
        QCOMPARE(testsupport::hex(made.toBytes()), testsupport::hex(b));
        QCOMPARE(read, made);   // every header field read from its own offset

        QCOMPARE(read.naam(3, 5, 2), QStringLiteral("Müller,J (25)       "));
        QCOMPARE(read.naam(1, 1, 2), QString(20, QLatin1Char(' ')));
        QCOMPARE(read.naam(4, 1, 1), QString());   // outside the range: zero bytes
        QCOMPARE(PlanningRec::cellOffset(10, 30, 2), 12000);
    }

    void newPlanningFillsItsRange()
    {
        // 4 tables x 10 games: exactly the 80 cells of the range are blank.
        const QByteArray b = newPlanning(1, 46307, 1, 4, 10, 2, 3).toBytes();
        for (int t = 1; t <= 10; ++t)
            for (int s = 1; s <= 30; ++s)
                for (int k = 1; k <= 2; ++k)
                    QCOMPARE(b.mid(PlanningRec::cellOffset(t, s, k), 20) == QByteArray(20, ' '), t <= 4 && s <= 10);
    }

    void slotTimes_data()
    {
        // The last game may start at 24.00 at the latest; its time is that of the last slot.
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("partijen");
        QTest::addColumn<bool>("allowed");
        QTest::addColumn<QString>("last");
        QTest::newRow("09.00 one game") << 2 << 3 << 1 << true << "09:00";
        QTest::newRow("08.30 kwartier x4") << 1 << 0 << 4 << true << "09:15";
        QTest::newRow("13.30 drie kwartier x2") << 11 << 2 << 2 << true << "14:15";
        QTest::newRow("09.00 anderhalf uur x3") << 2 << 4 << 3 << true << "12:00";
        QTest::newRow("09.00 anderhalf uur x11 = 24.00") << 2 << 4 << 11 << true << "00:00";
        QTest::newRow("22.00 een uur x3 = 24.00") << 28 << 3 << 3 << true << "00:00";
        QTest::newRow("22.00 een uur x4 = 25.00") << 28 << 3 << 4 << false << "01:00";
        QTest::newRow("08.00 kwartier x30") << 0 << 0 << 30 << true << "15:15";
        QTest::newRow("08.00 twee uur x9") << 0 << 5 << 9 << true << "00:00";
        QTest::newRow("08.00 twee uur x10") << 0 << 5 << 10 << false << "02:00";
        QTest::newRow("21.30 drie kwartier x4 = 23.45") << 27 << 2 << 4 << true << "23:45";
        QTest::newRow("21.30 drie kwartier x5 = 24.30") << 27 << 2 << 5 << false << "00:30";
    }

    void slotTimes()
    {
        QFETCH(int, start);
        QFETCH(int, interval);
        QFETCH(int, partijen);
        QFETCH(bool, allowed);
        QFETCH(QString, last);
        QCOMPARE(lastStartAllowed(start, interval, partijen), allowed);
        QCOMPARE(slotTimeText(start, interval, partijen), last);
    }

    void planningFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Planning_ST001.sta"));
        QCOMPARE(nextPlanningNumber(path), qint16(1));
        writeBytes(path, QByteArray());
        QCOMPARE(nextPlanningNumber(path), qint16(1));
        QCOMPARE(appendPlanning(path, numbered(5)), qint64(1));
        QCOMPARE(appendPlanning(path, numbered(2)), qint64(2));
        QCOMPARE(nextPlanningNumber(path), qint16(6));   // the highest number + 1, not the count + 1
        // A cut-off record at the end is no planning; the next append overwrites it.
        writeBytes(path, fileBytes(path) + le16(40) + QByteArray(100, ' '));
        QCOMPARE(nextPlanningNumber(path), qint16(6));
        QCOMPARE(appendPlanning(path, numbered(6)), qint64(3));
        const QByteArray b = fileBytes(path);
        QCOMPARE(b.size(), 3 * PlanningRec::Length);
        QCOMPARE(b.mid(2 * PlanningRec::Length, 2), le16(6));
        QCOMPARE(findPlanning(path, 2)->recordNumber, qint64(2));
        QVERIFY(!findPlanning(path, 9).has_value());
    }

    void saveKeepsEverythingOutsideTheRange()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Planning_ST001.sta"));
        QByteArray second = handMadeRecord();
        second.replace(0, 2, le16(2));
        // Bytes outside the range that must come back as they were.
        second.replace(PlanningRec::cellOffset(9, 30, 2), 20, QByteArray("stray text          ", 20));
        const QByteArray first = numbered(1).toBytes();
        writeBytes(path, first + second);

        // 3 tables x 5 games = 30 captions; element 1 is (1,1,1), 15 is (2,3,1), 30 is (3,5,2).
        QStringList captions(30);
        captions[0] = QStringLiteral("   Piet,K (12)   ");
        captions[1] = QStringLiteral("  \tTab,T (1) ");   // only blanks are trimmed
        captions[14] = QStringLiteral("Zoë,A (7)");
        captions[29] = QStringLiteral("Abcdefghijklmnopqrstuvwxyz");
        PlanningRec saved;
        QCOMPARE(savePlanningCells(path, 2, captions, &saved), SaveResult::Saved);

        QByteArray expected = second;
        expected.replace(20, 20, QByteArray("Piet,K (12)         ", 20));
        expected.replace(PlanningRec::cellOffset(1, 1, 2), 20, QByteArray("\tTab,T (1)          ", 20));
        expected.replace(PlanningRec::cellOffset(2, 3, 1), 20, QByteArray("Zo\xeb,A (7)           ", 20));
        expected.replace(6860, 20, QByteArray("Abcdefghijklmnopqrst", 20));
        QCOMPARE(testsupport::hex(fileBytes(path)), testsupport::hex(first + expected));
        QCOMPARE(saved.toBytes(), expected);
    }

    void listEntries_data()
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

    void listEntries()
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

    void printBlocks_data()
    {
        using Blocks = QList<QList<int>>;
        QTest::addColumn<int>("tafels");
        QTest::addColumn<int>("partijen");
        QTest::addColumn<QList<int>>("filledTables");
        QTest::addColumn<Blocks>("blocks");
        QTest::newRow("16 games portrait") << 3 << 16 << QList<int>{1, 2, 3} << Blocks{{1, 2}, {3}};
        QTest::newRow("15 games landscape") << 3 << 15 << QList<int>{1, 2, 3} << Blocks{{1, 2, 3}};
        QTest::newRow("only the last table") << 5 << 8 << QList<int>{5} << Blocks{{5}};
        QTest::newRow("only the first table") << 7 << 8 << QList<int>{1} << Blocks{{1}};
        QTest::newRow("10 tables portrait, every other") << 10 << 30 << QList<int>{2, 4, 6, 8, 10}
                                                         << Blocks{{2, 4}, {6, 8}, {10}};
        QTest::newRow("nothing filled") << 4 << 10 << QList<int>{} << Blocks{};
    }

    void printBlocks()
    {
        QFETCH(int, tafels);
        QFETCH(int, partijen);
        QFETCH(QList<int>, filledTables);
        QFETCH(QList<QList<int>>, blocks);
        QStringList captions(2 * tafels * partijen, QStringLiteral("   "));   // blanks only count as empty
        for (int t : filledTables)
            captions[cellElement(t, partijen, 2, partijen) - 1] = QStringLiteral("Naam,X (1)   ");
        const QList<int> used = usedTables(tafels, partijen, captions);
        QCOMPARE(used, filledTables);
        QCOMPARE(core::printBlocks(tafels, used, printLandscape(partijen) ? 3 : 2), blocks);
    }
};

QTEST_APPLESS_MAIN(TestPlanningCore)
#include "test_planning_core.moc"

// Byte layouts of the record files against hand-made fixtures.
#include "core/oledate.h"
#include "core/recordfile.h"
#include "core/records.h"
#include "core/text1252.h"
#include "support/core/bytes_text.h"
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <limits>

using namespace core;
using testsupport::hex;

class TestCoreRecords : public QObject {
    Q_OBJECT
private slots:
    void spelerLayout();
    void uitslagLayout();
    void uitslagReservedKept();
    void pouleLayout();
    void toernooiOffsets();
    void smallRecords();
    void cp1252RoundTrip_data();
    void cp1252RoundTrip();
    void zeroTextReadsEmpty();
    void oleDates_data();
    void oleDates();
    void recordFileAccess();
    void partialTrailingRecord();
};

void TestCoreRecords::spelerLayout()
{
    SpelerRec s;
    s.nummer = 258;
    s.naam = QStringLiteral("Daniëls");
    s.voorletters = QStringLiteral("M.");
    s.ronde = 2;
    s.poule = 3;
    s.teMakenCar = 41;
    s.moyenne = Fixed::fromRaw(18000);
    s.aangepastTeMakenCar = 0;
    s.aangepasteMoyenne = Fixed::fromRaw(-5000);
    const QByteArray expected = QByteArray::fromHex(
        "02010000"
        "44616e69eb6c7320202020202020202020202020"   // "Daniëls" padded to 20
        "4d2e2020202020"                             // "M." padded to 7
        "0200" "0300" "2900"
        "5046000000000000"
        "0000"
        "78ecffffffffffff");
    QCOMPARE(expected.size(), 55);
    QCOMPARE(hex(s.toBytes()), hex(expected));
    QCOMPARE(SpelerRec::fromBytes(expected.constData()), s);
}

void TestCoreRecords::uitslagLayout()
{
    UitslagRec u;
    u.datum = toOleDate(QDateTime(QDate(2026, 10, 1), QTime(18, 0)));
    u.ronde = 1;
    u.poule = 4;
    u.uitgespeeld = Ja;
    u.speler1 = {7, 35, 20, 6, Fixed::fromRaw(17500), 35, Fixed::fromRaw(15000), Fixed::fromRaw(1000000),
                 Fixed::fromRaw(1166667), 2, 1};
    u.speler2 = {9, 12, 20, 3, Fixed::fromRaw(6000), 25, Fixed::fromRaw(10000), Fixed::fromRaw(480000),
                 Fixed::fromRaw(600000), 0, 3};
    const QByteArray bytes = u.toBytes();
    QCOMPARE(bytes.size(), 122);
    QCOMPARE(hex(bytes.left(8)), hex(QByteArray::fromHex("00000000189be640")));
    QCOMPARE(hex(bytes.mid(8, 6)), hex(QByteArray::fromHex("01000400ffff")));
    // side 1 at 14, side 2 at 62, 48 bytes each
    QCOMPARE(hex(bytes.mid(14, 10)), hex(QByteArray::fromHex("07000000" "2300" "1400" "0600")));
    QCOMPARE(hex(bytes.mid(24, 8)), hex(QByteArray::fromHex("5c44000000000000")));   // 1.75
    QCOMPARE(hex(bytes.mid(58, 4)), hex(QByteArray::fromHex("0200" "0100")));
    QCOMPARE(hex(bytes.mid(62, 4)), hex(QByteArray::fromHex("09000000")));
    QCOMPARE(hex(bytes.mid(106, 4)), hex(QByteArray::fromHex("0000" "0300")));
    QCOMPARE(bytes.mid(110), QByteArray(12, '\0'));
    const UitslagRec back = UitslagRec::fromBytes(bytes.constData());
    QCOMPARE(back, u);
    QCOMPARE(oleDateToDateTime(back.datum), QDateTime(QDate(2026, 10, 1), QTime(18, 0)));
}

void TestCoreRecords::uitslagReservedKept()
{
    QByteArray bytes = UitslagRec().toBytes();
    for (int i = 110; i < 122; ++i)
        bytes[i] = char(i);
    UitslagRec u = UitslagRec::fromBytes(bytes.constData());
    u.poule = 2;
    const QByteArray again = u.toBytes();
    QCOMPARE(again.mid(110), bytes.mid(110));
    QCOMPARE(again.mid(10, 2), QByteArray::fromHex("0200"));
}

void TestCoreRecords::pouleLayout()
{
    PouleRec p{3, 5, Ja, Nee};
    QCOMPARE(hex(p.toBytes()), hex(QByteArray::fromHex("03000500ffff0000")));
    QCOMPARE(PouleRec::fromBytes(QByteArray::fromHex("0200010000000100").constData()), (PouleRec{2, 1, 0, 1}));
    // only -1 counts as yes
    QVERIFY(!isJa(1));
    QVERIFY(isJa(PouleRec::fromBytes(p.toBytes().constData()).automatischGekoppeld));
}

void TestCoreRecords::toernooiOffsets()
{
    ToernooiRec t;
    t.signatuur = QLatin1String(ToernooiRec::Signatuur);
    t.naam = QStringLiteral("Wintercompetitie");
    t.subtitel = QStringLiteral("Libre € ë");
    t.aantalDecimalen = 3;
    t.automatischeBackup = Ja;
    t.puntenInMatrix = Nee;
    t.laatsteRonde = 4;
    t.carMethode = 2;
    t.carFactor = Fixed::fromRaw(12345678);
    t.carOptellen = 7;
    t.carAfronding = 3;
    t.puntenSysteem = 3;
    t.puntenWinst = 12;
    t.puntenRemise = 11;
    t.puntenVerlies = -2;
    t.extraPuntWinst = Ja;
    t.onbeslistOpProcentCar = Ja;
    t.vastAantalBeurten = 25;
    t.puntenOpProcentCar = Ja;
    t.standMoyenne = Ja;
    t.standSerie = Nee;
    t.standProcentCar = Ja;
    t.tussentijdsAanpassen = Ja;
    t.tussentijdsNaPartij = 5;
    t.tussentijdsMinimum = Fixed::fromRaw(5000);
    t.aanpassenPerRonde = Ja;
    t.perRondeMinimum = Fixed::fromRaw(7500);
    t.notitie = QStringLiteral("Notitie");
    const QByteArray b = t.toBytes();
    QCOMPARE(b.size(), 1148);
    auto i16 = [&](int off) { return qint16(quint8(b[off]) | (quint8(b[off + 1]) << 8)); };
    auto i64 = [&](int off) { qint64 v = 0; for (int k = 7; k >= 0; --k) v = (v << 8) | quint8(b[off + k]); return v; };
    QCOMPARE(b.left(10), QByteArray("STOOTPL-T1"));
    QCOMPARE(b.mid(10, 40), QByteArray("Wintercompetitie").leftJustified(40, ' '));
    QCOMPARE(b.mid(50, 10), QByteArray("Libre \x80 \xeb "));
    QCOMPARE(i16(90), 3);
    QCOMPARE(i16(92), -1);
    QCOMPARE(i16(94), 0);
    QCOMPARE(i16(96), 4);
    QCOMPARE(i16(98), 2);
    QCOMPARE(i64(100), 12345678);
    QCOMPARE(i16(108), 7);
    QCOMPARE(i16(110), 3);
    QCOMPARE(i16(112), 3);
    QCOMPARE(i16(114), 12);
    QCOMPARE(i16(116), 11);
    QCOMPARE(i16(118), -2);
    QCOMPARE(i16(120), -1);
    QCOMPARE(i16(122), -1);
    QCOMPARE(i16(124), 25);
    QCOMPARE(i16(126), -1);
    QCOMPARE(i16(128), -1);
    QCOMPARE(i16(130), 0);
    QCOMPARE(i16(132), -1);
    QCOMPARE(i16(134), -1);
    QCOMPARE(i16(136), 5);
    QCOMPARE(i64(138), 5000);
    QCOMPARE(i16(146), -1);
    QCOMPARE(i64(148), 7500);
    QCOMPARE(b.mid(156, 8), QByteArray("Notitie "));
    QCOMPARE(ToernooiRec::fromBytes(b.constData()), t);
    QVERIFY(ToernooiRec::fromBytes(b.constData()).hasSignature());
    QByteArray other = b;
    other[0] = 'X';
    QVERIFY(!ToernooiRec::fromBytes(other.constData()).hasSignature());
}

void TestCoreRecords::smallRecords()
{
    ClubnaamRec c;
    c.naam = QStringLiteral("BV De Keu");
    QCOMPARE(c.toBytes(), QByteArray("BV De Keu").leftJustified(40, ' '));
    QCOMPARE(ClubnaamRec::fromBytes(c.toBytes().constData()).naam, QStringLiteral("BV De Keu"));
    VolgnummerRec v;
    v.volgnummer = 513;
    QCOMPARE(v.toBytes(), QByteArray::fromHex("0102"));
}

void TestCoreRecords::cp1252RoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("euro") << QStringLiteral("€") << QByteArray("\x80");
    QTest::newRow("e-trema") << QStringLiteral("ë") << QByteArray("\xeb");
    QTest::newRow("e-acute") << QStringLiteral("Hébert") << QByteArray("H\xe9" "bert");
    QTest::newRow("quotes") << QStringLiteral("‘x’ “y” –") << QByteArray("\x91x\x92 \x93y\x94 \x96");
    QTest::newRow("oe-ligature") << QStringLiteral("Œœ") << QByteArray("\x8c\x9c");
}

void TestCoreRecords::cp1252RoundTrip()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(toCp1252(text), bytes);
    QCOMPARE(fromCp1252(bytes), text);
}

void TestCoreRecords::zeroTextReadsEmpty()
{
    const QByteArray zeros(1148, '\0');
    const ToernooiRec t = ToernooiRec::fromBytes(zeros.constData());
    QCOMPARE(t.notitie, QString());
    QCOMPARE(t.naam, QString());
    // characters outside the code page become '?', too long texts are cut
    QCOMPARE(fixedField(QStringLiteral("Łódź"), 6), QByteArray("?\xf3" "d?  "));
    QCOMPARE(fixedField(QStringLiteral("abcdefghij"), 4), QByteArray("abcd"));
    // padding is trimmed, leading blanks kept
    QCOMPARE(readField("  ab  ", 6), QStringLiteral("  ab"));
}

void TestCoreRecords::oleDates_data()
{
    QTest::addColumn<double>("ole");
    QTest::addColumn<QDateTime>("shown");   // invalid: no date
    QTest::newRow("epoch") << 0.0 << QDateTime(QDate(1899, 12, 30), QTime(0, 0));
    QTest::newRow("1-1-1900") << 2.0 << QDateTime(QDate(1900, 1, 1), QTime(0, 0));
    QTest::newRow("evening") << 46296.75 << QDateTime(QDate(2026, 10, 1), QTime(18, 0));
    QTest::newRow("before the epoch, noon") << -1.5 << QDateTime(QDate(1899, 12, 29), QTime(12, 0));
    QTest::newRow("first day") << -657434.0 << QDateTime(QDate(100, 1, 1), QTime(0, 0));
    QTest::newRow("last day") << 2958465.5 << QDateTime(QDate(9999, 12, 31), QTime(12, 0));
    QTest::newRow("after the last day") << 2958466.0 << QDateTime();
    QTest::newRow("before the first day") << -657435.0 << QDateTime();
    QTest::newRow("huge") << 1e300 << QDateTime();
    QTest::newRow("huge negative") << -1e19 << QDateTime();
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << QDateTime();
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << QDateTime();
}

void TestCoreRecords::oleDates()
{
    QFETCH(double, ole);
    QFETCH(QDateTime, shown);
    QCOMPARE(oleDateToDateTime(ole), shown);
    QCOMPARE(oleDateToDate(ole), shown.date());
    if (shown.isValid())
        QCOMPARE(toOleDate(shown), ole);
}

void TestCoreRecords::recordFileAccess()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.stp"));
    QCOMPARE(RecordFile<PouleRec>::count(path), 0);
    QVERIFY(RecordFile<PouleRec>::readAll(path).empty());
    QCOMPARE(RecordFile<PouleRec>::append(path, PouleRec{1, 4, 0, 0}), 1);
    QCOMPARE(RecordFile<PouleRec>::append(path, PouleRec{2, 1, 0, 0}), 2);
    QVERIFY(RecordFile<PouleRec>::write(path, 1, PouleRec{1, 5, 0, 0}));
    const auto all = RecordFile<PouleRec>::readAll(path);
    QCOMPARE(int(all.size()), 2);
    QCOMPARE(all[0].aantalPoules, 5);
    QCOMPARE(all[1].ronde, 2);
    QVERIFY(!RecordFile<PouleRec>::read(path, 3).has_value());
    QVERIFY(!RecordFile<PouleRec>::read(path, 0).has_value());
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(hex(f.readAll()), hex(QByteArray::fromHex("0100050000000000" "0200010000000000")));
}

void TestCoreRecords::partialTrailingRecord()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.sts"));
    SpelerRec s;
    s.nummer = 1;
    s.naam = QStringLiteral("Jansen");
    QByteArray content = s.toBytes() + QByteArray("\x01\x02\x03", 3);
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    QCOMPARE(RecordFile<SpelerRec>::count(path), 1);
    const auto all = RecordFile<SpelerRec>::readAll(path);
    QCOMPARE(int(all.size()), 1);
    QCOMPARE(all[0].naam, QStringLiteral("Jansen"));
    // rewriting record 1 keeps the trailing bytes
    s.naam = QStringLiteral("Jansen-Smit");
    QVERIFY(RecordFile<SpelerRec>::write(path, 1, s));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray after = f.readAll();
    QCOMPARE(after.size(), content.size());
    QCOMPARE(after.right(3), QByteArray("\x01\x02\x03", 3));
}

QTEST_GUILESS_MAIN(TestCoreRecords)
#include "test_core_records.moc"

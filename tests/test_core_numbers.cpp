// Fixed point, number texts and the target formula.
#include "core/fixed.h"
#include "core/format.h"
#include "core/players.h"
#include "core/tournamentbuilder.h"
#include <QLocale>
#include <QTest>
#include <limits>

using namespace core;

class TestCoreNumbers : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void halvesToEven();
    void parseExact_data();
    void parseExact();
    void truncation_data();
    void truncation();
    void truncationWithPoint();
    void plainNumbers();
    void signedAndPadded();
    void digitCount();
    void caramboleTarget_data();
    void caramboleTarget();
};

void TestCoreNumbers::halvesToEven()
{
    QCOMPARE(Fixed::ratio(1, 20000).raw, 0);      // 0.5 -> 0
    QCOMPARE(Fixed::ratio(3, 20000).raw, 2);      // 1.5 -> 2
    QCOMPARE(Fixed::ratio(5, 20000).raw, 2);      // 2.5 -> 2
    QCOMPARE(Fixed::ratio(-3, 20000).raw, -2);
    QCOMPARE(Fixed::ratio(1, 3).raw, 3333);
    QCOMPARE(Fixed::ratio(2, 3).raw, 6667);
    QCOMPARE(Fixed::ratio(5, 0).raw, 0);
    QCOMPARE(Fixed::fromDouble(0.03125).raw, 312);   // 312.5 exactly
    QCOMPARE(Fixed::fromDouble(0.09375).raw, 938);   // 937.5 exactly
    QCOMPARE(Fixed::fromDouble(1.23456).raw, 12346);
    QCOMPARE(Fixed::fromDouble(-1.23456).raw, -12346);
    QCOMPARE(roundHalfEven(7, 2), 4);
    QCOMPARE(roundHalfEven(5, 2), 2);
    QCOMPARE(roundHalfEven(-5, 2), -2);
}

void TestCoreNumbers::parseExact_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<qint64>("raw");
    QTest::newRow("point") << "1.23" << true << qint64(12300);
    QTest::newRow("comma") << "1,5" << true << qint64(15000);
    QTest::newRow("negative") << "-0.5" << true << qint64(-5000);
    QTest::newRow("fifth decimal half up to even") << "1.23455" << true << qint64(12346);
    QTest::newRow("fifth decimal half down to even") << "1.23445" << true << qint64(12344);
    QTest::newRow("large") << "123456789.1234" << true << qint64(1234567891234);
    QTest::newRow("empty") << "" << false << qint64(0);
    QTest::newRow("letters") << "1a" << false << qint64(0);
    QTest::newRow("two separators") << "1.2.3" << false << qint64(0);
    const QString z40(40, QLatin1Char('0'));
    QTest::newRow("40 decimals below half") << "0.00004" + QString(40, '9') << true << qint64(0);
    QTest::newRow("40 decimals, tie broken far out") << "0.00005" + z40 + "1" << true << qint64(1);
    QTest::newRow("40 decimals, exact half to even") << "-0.00015" + z40 << true << qint64(-2);
    QTest::newRow("highest raw") << "922337203685477.5807" << true << std::numeric_limits<qint64>::max();
    QTest::newRow("beyond the highest raw") << "-922337203685477.58075" << false << qint64(0);
    QTest::newRow("non-ASCII digits") << QString::fromUtf8("1٣") << false << qint64(0);
    QTest::newRow("full-width digit") << QString::fromUtf8("５") << false << qint64(0);
}

void TestCoreNumbers::parseExact()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(qint64, raw);
    Fixed f;
    QCOMPARE(Fixed::parse(text, &f), ok);
    if (ok)
        QCOMPARE(f.raw, raw);
}

void TestCoreNumbers::truncation_data()
{
    QTest::addColumn<qint64>("raw");
    QTest::addColumn<QString>("two");
    QTest::addColumn<QString>("three");
    QTest::newRow("1.23456 stored 1.2346") << qint64(12346) << "1,23" << "1,234";
    QTest::newRow("0.999") << qint64(9990) << "0,99" << "0,999";
    QTest::newRow("whole") << qint64(50000) << "5,00" << "5,000";
    QTest::newRow("small") << qint64(9) << "0,00" << "0,000";
    QTest::newRow("hundred percent") << qint64(1000000) << "100,00" << "100,000";
    QTest::newRow("negative floors") << qint64(-12340) << "-1,24" << "-1,234";
    QTest::newRow("zero") << qint64(0) << "0,00" << "0,000";
    QTest::newRow("highest raw") << std::numeric_limits<qint64>::max() << "922337203685477,58" << "922337203685477,580";
    // Below the lowest multiple that fits the value stays at that multiple.
    QTest::newRow("lowest raw") << std::numeric_limits<qint64>::min() << "-922337203685477,58" << "-922337203685477,580";
    QTest::newRow("lowest hundredth") << qint64(-9223372036854775800) << "-922337203685477,58" << "-922337203685477,580";
}

void TestCoreNumbers::truncation()
{
    QFETCH(qint64, raw);
    QFETCH(QString, two);
    QFETCH(QString, three);
    QCOMPARE(truncatedText(Fixed::fromRaw(raw), 2), two);
    QCOMPARE(truncatedText(Fixed::fromRaw(raw), 3), three);
}

void TestCoreNumbers::truncationWithPoint()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    QCOMPARE(truncatedText(Fixed::fromRaw(12346), 2), QStringLiteral("1.23"));
    QCOMPARE(plainNumber(Fixed::fromRaw(12300)), QStringLiteral("1.23"));
    QCOMPARE(displayDecimals(3), 3);
    QCOMPARE(displayDecimals(2), 2);
    QCOMPARE(displayDecimals(0), 2);
}

void TestCoreNumbers::plainNumbers()
{
    QCOMPARE(plainNumber(Fixed::fromRaw(15000)), QStringLiteral("1,5"));
    QCOMPARE(plainNumber(Fixed::fromRaw(20000)), QStringLiteral("2"));
    QCOMPARE(plainNumber(Fixed::fromRaw(12345)), QStringLiteral("1,2345"));
    QCOMPARE(plainNumber(Fixed::fromRaw(-5000)), QStringLiteral("-0,5"));
    QCOMPARE(plainNumber(Fixed()), QStringLiteral("0"));
    QCOMPARE(dateText(QDate(2026, 3, 7)), QStringLiteral("07-03-2026"));
}

void TestCoreNumbers::signedAndPadded()
{
    QCOMPARE(signedNum(3), QStringLiteral(" 3"));
    QCOMPARE(signedNum(0), QStringLiteral(" 0"));
    QCOMPARE(signedNum(-3), QStringLiteral("-3"));
    QCOMPARE(QStringLiteral("Poule ") + signedNum(3), QStringLiteral("Poule  3"));
    QCOMPARE(PadNumber5(12), QStringLiteral("00012"));
    QCOMPARE(PadNumber5(0), QStringLiteral("00000"));
    QCOMPARE(PadNumber5(12345), QStringLiteral("12345"));
    QCOMPARE(PadNumber5(123456), QStringLiteral("123456"));
}

void TestCoreNumbers::digitCount()
{
    QCOMPARE(DigitCount(12.5), 2);
    QCOMPARE(DigitCount(0.5), 1);
    QCOMPARE(DigitCount(123.0), 3);
    QCOMPARE(DigitCount(-3.5), 2);   // Int(-3.5) = -4
    QCOMPARE(DigitCount(Fixed::fromRaw(999999)), 2);
    QCOMPARE(DigitCount(Fixed::fromRaw(1000000)), 3);
    QCOMPARE(DigitCount(qint64(1000)), 4);
}

void TestCoreNumbers::caramboleTarget_data()
{
    QTest::addColumn<qint64>("moyenneRaw");
    QTest::addColumn<qint64>("factorRaw");
    QTest::addColumn<int>("addend");
    QTest::addColumn<int>("rounding");
    QTest::addColumn<int>("target");
    // factor 20, addend 5
    QTest::newRow("normal exact half goes up") << qint64(1250) << qint64(200000) << 5 << 1 << 8;     // 2.5 -> 3
    QTest::newRow("normal half of even goes up") << qint64(750) << qint64(200000) << 5 << 1 << 7;    // 1.5 -> 2
    QTest::newRow("normal just below half") << qint64(12249) << qint64(200000) << 5 << 1 << 29;    // 24.498
    QTest::newRow("normal 1.225") << qint64(12250) << qint64(200000) << 5 << 1 << 30;              // 24.5 -> 25
    QTest::newRow("up exact stays") << qint64(12000) << qint64(200000) << 5 << 2 << 29;            // 24
    QTest::newRow("up smallest fraction") << qint64(12001) << qint64(200000) << 5 << 2 << 30;      // 24.002
    QTest::newRow("down just below") << qint64(12499) << qint64(200000) << 5 << 3 << 29;           // 24.998
    QTest::newRow("down exact") << qint64(12500) << qint64(200000) << 5 << 3 << 30;                // 25
    QTest::newRow("largest target") << qint64(16381000) << qint64(200000) << 5 << 1 << 32767;   // 32762 + 5
    QTest::newRow("beyond 16 bits kept") << qint64(16381500) << qint64(200000) << 5 << 1 << 32767;   // 32763 + 5
    QTest::newRow("below zero kept") << qint64(1000) << qint64(200000) << -5 << 3 << 0;
    QTest::newRow("fractional factor") << qint64(15000) << qint64(125000) << 0 << 1 << 19;         // 18.75
    QTest::newRow("unknown rounding") << qint64(15000) << qint64(200000) << 5 << 4 << 0;
    QTest::newRow("zero rounding") << qint64(15000) << qint64(200000) << 5 << 0 << 0;
}

void TestCoreNumbers::caramboleTarget()
{
    QFETCH(qint64, moyenneRaw);
    QFETCH(qint64, factorRaw);
    QFETCH(int, addend);
    QFETCH(int, rounding);
    QFETCH(int, target);
    ToernooiRec t = defaultSettings(QStringLiteral("x"));
    t.carFactor = Fixed::fromRaw(factorRaw);
    t.carOptellen = qint16(addend);
    t.carAfronding = qint16(rounding);
    QCOMPARE(int(core::caramboleTarget(Fixed::fromRaw(moyenneRaw), t)), target);
}

QTEST_GUILESS_MAIN(TestCoreNumbers)
#include "test_core_numbers.moc"

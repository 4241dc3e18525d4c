// Fixed point, number texts and the target formula. Each row writes its
// outcomes as text, blank-separated, against the texts they must be.
#include "core/fixed.h"
#include "core/format.h"
#include "core/players.h"
#include "core/tournamentbuilder.h"
#include <QLocale>
#include <QTest>
#include <limits>

using namespace core;
using Lim = std::numeric_limits<qint64>;

namespace {
void row(const char* name, const QString& got, const QString& want) { QTest::newRow(name) << got << want; }
template <class T, class F> QString each(std::initializer_list<T> in, F text)
{
    QStringList out;
    for (const T& v : in)
        out << text(v);
    return out.join(' ');
}
QString raws(std::initializer_list<Fixed> in) { return each(in, [](Fixed f) { return QString::number(f.raw); }); }
QString parsed(std::initializer_list<QString> in)
{
    return each(in, [](const QString& s) { Fixed f; return Fixed::parse(s, &f) ? QString::number(f.raw) : "fout"; });
}
// Truncated at two and three decimals.
QString truncations(std::initializer_list<qint64> in)
{
    return each(in, [](qint64 r) {
        return truncatedText(Fixed::fromRaw(r), 2) + '/' + truncatedText(Fixed::fromRaw(r), 3);
    });
}
// Rounding setting 1 normal, 2 up, 3 down.
QString targets(std::initializer_list<qint64> moyennes, qint64 factorRaw, int addend, int rounding)
{
    ToernooiRec t = defaultSettings(QStringLiteral("x"));
    t.carFactor = Fixed::fromRaw(factorRaw);
    t.carOptellen = qint16(addend);
    t.carAfronding = qint16(rounding);
    return each(moyennes, [&](qint64 m) { return QString::number(caramboleTarget(Fixed::fromRaw(m), t)); });
}
} // namespace

class TestCoreNumbers : public QObject {
    Q_OBJECT
    static void columns() { QTest::addColumn<QString>("got"); QTest::addColumn<QString>("want"); }
    static void compare()
    {
        QFETCH(QString, got);
        QFETCH(QString, want);
        QCOMPARE(got, want);
    }
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands)); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::c()); }
    void fixedPoint_data();
    void fixedPoint() { compare(); }
    void caramboleTarget_data();
    void caramboleTarget() { compare(); }
};

void TestCoreNumbers::fixedPoint_data()
{
    columns();
    row("ratio halves to even", raws({Fixed::ratio(1, 20000), Fixed::ratio(3, 20000), Fixed::ratio(5, 20000),
                                      Fixed::ratio(-3, 20000)}), "0 2 2 -2");
    row("ratio 2/3 and by zero", raws({Fixed::ratio(2, 3), Fixed::ratio(5, 0)}), "6667 0");
    row("double halves to even", raws({Fixed::fromDouble(0.03125), Fixed::fromDouble(0.09375)}), "312 938");
    row("double negative", raws({Fixed::fromDouble(-1.23456)}), "-12346");
    row("double beyond the range, NaN", raws({Fixed::fromDouble(1e300), Fixed::fromDouble(-9.3e14),
                                             Fixed::fromDouble(std::numeric_limits<double>::quiet_NaN())}),
        QStringLiteral("%1 %2 0").arg(Lim::max()).arg(Lim::min()));
    row("integer halves to even", QStringLiteral("%1 %2").arg(roundHalfEven(7, 2)).arg(roundHalfEven(-5, 2)), "4 -2");
    row("parse point, comma, sign", parsed({"1.23", "1,5", "-0.5", "123456789.1234"}),
        "12300 15000 -5000 1234567891234");
    row("parse fifth decimal to even", parsed({"1.23455", "1.23445"}), "12346 12344");
    row("parse refused", parsed({"", "1a", "1.2.3", "1٣", "５"}), "fout fout fout fout fout");
    const QString z40(40, QLatin1Char('0'));
    row("parse 40 decimals: below half, tie broken far out, exact half",
        parsed({"0.00004" + QString(40, '9'), "0.00005" + z40 + "1", "-0.00015" + z40}), "0 1 -2");
    row("parse the highest raw and beyond", parsed({"922337203685477.5807", "-922337203685477.58075"}),
        QString::number(Lim::max()) + " fout");
    row("truncated", truncations({12346, 9990, 50000, 9, 1000000, 0}),
        "1,23/1,234 0,99/0,999 5,00/5,000 0,00/0,000 100,00/100,000 0,00/0,000");
    row("truncated negative floors", truncations({-12340}), "-1,24/-1,234");
    // Below the lowest multiple that fits the value stays at that multiple.
    row("truncated extremes", truncations({Lim::max(), Lim::min(), -9223372036854775800}),
        "922337203685477,58/922337203685477,580 -922337203685477,58/-922337203685477,580 "
        "-922337203685477,58/-922337203685477,580");
    row("plain", each({15000, 20000, 12345, -5000, 0}, [](int r) { return plainNumber(Fixed::fromRaw(r)); }),
        "1,5 2 1,2345 -0,5 0");
    row("date", dateText(QDate(2026, 3, 7)), "07-03-2026");
    row("signed", each({3, 0, -3}, [](int n) { return '[' + signedNum(n) + ']'; }), "[ 3] [ 0] [-3]");
    row("padded", each({12, 0, 123456}, PadNumber5), "00012 00000 123456");
    row("digit counts of Int()", QStringLiteral("%1 %2 %3 %4 %5 %6").arg(DigitCount(12.5)).arg(DigitCount(0.5))
        .arg(DigitCount(-3.5)).arg(DigitCount(Fixed::fromRaw(999999))).arg(DigitCount(Fixed::fromRaw(1000000)))
        .arg(DigitCount(qint64(1000))), "2 1 2 2 3 4");   // Int(-3.5) = -4
    row("display decimals", each({3, 0}, [](int d) { return QString::number(displayDecimals(d)); }), "3 2");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    row("point locale", truncatedText(Fixed::fromRaw(12346), 2) + ' ' + plainNumber(Fixed::fromRaw(12300)),
        "1.23 1.23");
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
}

void TestCoreNumbers::caramboleTarget_data()
{
    columns();
    // factor 20, addend 5: 2.5 and 1.5 go up, 24.498 down, 24.5 up
    row("normal", targets({1250, 750, 12249, 12250}, 200000, 5, 1), "8 7 29 30");
    row("up: exact stays, smallest fraction up", targets({12000, 12001}, 200000, 5, 2), "29 30");
    row("down: 24.998 and 25", targets({12499, 12500}, 200000, 5, 3), "29 30");
    row("largest target, beyond 16 bits kept", targets({16381000, 16381500}, 200000, 5, 1), "32767 32767");
    row("below zero kept", targets({1000}, 200000, -5, 3), "0");
    row("fractional factor", targets({15000}, 125000, 0, 1), "19");   // 18.75
    row("unknown and zero rounding", targets({15000}, 200000, 5, 4) + ' ' + targets({15000}, 200000, 5, 0), "0 0");
}

QTEST_GUILESS_MAIN(TestCoreNumbers)
#include "test_core_numbers.moc"

// A player's text shortened to a width: where the name ends, and what is left of it.
#include "core/namefit.h"
#include <QTest>
#include <algorithm>

using namespace core;

namespace {
double characters(const QString& s) { return double(s.size()); }
// A capital as wide as two other characters, as in a proportional face.
double capitalsWide(const QString& s)
{
    return double(std::count_if(s.begin(), s.end(), [](QChar c) { return c.isUpper(); })) + double(s.size());
}
}  // namespace

class TestCoreNameFit : public QObject {
    Q_OBJECT
private slots:
    void split_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("rest");
        QTest::newRow("name, initials") << "Jansen, P.J." << "Jansen" << ", P.J.";
        QTest::newRow("planning cell") << "van Wammerw,A (159)" << "van Wammerw" << ",A (159)";
        QTest::newRow("blanks after, and in the figure") << "Jansen,P ( 15 )  " << "Jansen" << ",P ( 15 )";
        QTest::newRow("figure without initials") << "Jansenius (159)" << "Jansenius" << " (159)";
        QTest::newRow("negative figure") << "Jansen,P (-3)" << "Jansen" << ",P (-3)";
        QTest::newRow("the last comma") << "Bakker, de, J" << "Bakker, de" << ", J";
        QTest::newRow("words in brackets are name") << "Jansen (sr)" << "Jansen (sr)" << "";
        QTest::newRow("name alone") << "Heemskerk-Wolfswinke" << "Heemskerk-Wolfswinke" << "";
        QTest::newRow("number") << "12,345" << "" << "12,345";
        QTest::newRow("date") << "12-10-2026" << "" << "12-10-2026";
        QTest::newRow("no name before the comma") << ", W" << "" << ", W";
        QTest::newRow("no initials after the comma") << "Jansenmulder, " << "Jansenmulder" << "";
        QTest::newRow("no initials, a figure") << "Jansenmulder, (159)" << "Jansenmulder" << " (159)";
        QTest::newRow("empty") << "" << "" << "";
    }
    void split()
    {
        QFETCH(QString, text);
        const NameAndRest parts = splitAtName(text);
        QTEST(parts.name, "name");
        QTEST(parts.rest, "rest");
    }

    // Widths in characters unless capitals count double; "-": not even one letter of the name fits.
    void shortened_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("room");
        QTest::addColumn<bool>("proportional");
        QTest::addColumn<QString>("shown");
        QTest::newRow("fits") << "Jansen, P.J." << 12.0 << false << "Jansen, P.J.";
        QTest::newRow("fits once right-trimmed") << "Jansen, P   " << 9.0 << false << "Jansen, P";
        QTest::newRow("initials stay") << "van Wammerwoude-MeDS, W" << 20.0 << false << "van Wammerwoude-M, W";
        QTest::newRow("no hyphen at the cut") << "van Wammerwoude-MeDS, W" << 19.0 << false << "van Wammerwoude, W";
        QTest::newRow("all initials stay") << "Schimmelpenninck-vdW, W.M.J.H" << 23.0 << false
                                           << "Schimmelpennin, W.M.J.H";
        QTest::newRow("target stays") << "van Wammerw,A (159)" << 15.0 << false << "van Wam,A (159)";
        QTest::newRow("no blank at the cut") << "van Wammerw,A (159)" << 12.0 << false << "van,A (159)";
        QTest::newRow("one letter left") << "VAN DER WIE,M (236)" << 9.0 << false << "V,M (236)";
        QTest::newRow("not one letter fits") << "VAN DER WIE,M (236)" << 8.0 << false << "-";
        QTest::newRow("capitals are wider") << "VAN DER WIE,M (236)" << 14.0 << true << "VA,M (236)";
        QTest::newRow("the same in lower case") << "van der wie,M (236)" << 14.0 << true << "van d,M (236)";
        QTest::newRow("no open bracket in the name") << "Jansen (sr), P" << 12.0 << false << "Jansen, P";
        QTest::newRow("no comma of the name") << "Bakker, de, J" << 10.0 << false << "Bakker, J";
        QTest::newRow("figure without initials") << "Jansenius (159)" << 10.0 << false << "Jans (159)";
        QTest::newRow("name alone") << "Heemskerk-Wolfswinke" << 10.0 << false << "Heemskerk";
        QTest::newRow("a number never") << "1234" << 3.0 << false << "-";
        QTest::newRow("a date never") << "12-10-2026" << 9.0 << false << "-";
        QTest::newRow("no name to give") << ", W.M.J.H" << 5.0 << false << "-";
    }
    void shortened()
    {
        QFETCH(QString, text);
        QFETCH(double, room);
        QFETCH(bool, proportional);
        const std::optional<QString> shown = shortenedName(text, room, proportional ? capitalsWide : characters);
        QTEST(shown.value_or(QStringLiteral("-")), "shown");
        if (shown)
            QVERIFY((proportional ? capitalsWide : characters)(*shown) <= room);
    }

    // The last resort: a beginning within the room that ends in no part of a number, bracket or separator.
    void cut_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("room");
        QTest::addColumn<QString>("shown");
        QTest::newRow("fits") << "Jansen,J (123)" << 14.0 << "Jansen,J (123)";
        QTest::newRow("before the bracket") << "Jansen,J (123456)" << 10.0 << "Jansen,J";
        QTest::newRow("no part of the number") << "Jansen,J (123456)" << 13.0 << "Jansen,J";
        QTest::newRow("no comma") << "Jansen,WWWWWWWWW" << 7.0 << "Jansen";
        QTest::newRow("a number left out") << "123456789" << 7.0 << "";
    }
    void cut()
    {
        QFETCH(QString, text);
        QFETCH(double, room);
        QTEST(cutWithin(text, room, characters), "shown");
    }
};

QTEST_APPLESS_MAIN(TestCoreNameFit)
#include "test_core_namefit.moc"

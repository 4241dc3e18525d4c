// The standings lists without widgets: the decimal cells and reading the
// zoom file. Lines, ranking and highest run are checked through the windows.
#include "core/standview.h"
#include <QLocale>
#include <QTest>

using namespace core;

class TestStandingsView : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void parseZoomFile_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<int>("index");
        QTest::newRow("written") << QByteArray(" 2 \r\n") << 2;
        QTest::newRow("blanks and more lines") << QByteArray("   1   \r\n3\r\n") << 1;
        QTest::newRow("empty file") << QByteArray() << 0;
        QTest::newRow("empty first line") << QByteArray("\r\n3\r\n") << 0;
        QTest::newRow("too large") << QByteArray(" 4 \r\n") << 0;
        QTest::newRow("digit and text") << QByteArray("2x\r\n") << 0;
    }

    void parseZoomFile()
    {
        QFETCH(QByteArray, contents);
        QFETCH(int, index);
        QCOMPARE(core::parseZoomFile(contents), index);
    }

    void decimalCells()
    {
        // 2 and 3 decimals are truncated; any other setting leaves the cell empty
        const Fixed v = Fixed::fromRaw(12346);
        QCOMPARE(standDecimalText(v, 2), QStringLiteral("1.23"));
        QCOMPARE(standDecimalText(v, 3), QStringLiteral("1.234"));
        for (int setting : {0, 1, 4})
            QVERIFY(standDecimalText(v, setting).isEmpty());
    }
};

QTEST_MAIN(TestStandingsView)
#include "test_standings_view.moc"

// The help data file: record layout, keyword index, word search, marking,
// the contents tree, and the shipped help file and alarm sound.
#include "core/helpfile.h"
#include "platform/programfolder.h"
#include "support/core/bytes_text.h"
#include "support/help_fixture.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using core::HelpRec;
using testsupport::helpTopic;

namespace {

// Builds a record by hand, byte by byte, as the file holds it.
QByteArray handMadeRecord(qint16 nummer, const QByteArray& titel, const QByteArray& tekst,
                          const QList<QByteArray>& trefwoorden)
{
    QByteArray b;
    b.append(char(nummer & 0xFF));
    b.append(char((nummer >> 8) & 0xFF));
    auto field = [&](const QByteArray& s, int width) { b.append(s.left(width).leftJustified(width, ' ')); };
    field(titel, 30);
    field(tekst, 2000);
    for (int i = 0; i < 5; ++i)
        field(i < trefwoorden.size() ? trefwoorden[i] : QByteArray(), 25);
    return b;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class TestHelpFile : public QObject {
    Q_OBJECT
private slots:
    void recordLayout()
    {
        // -300 is D4 FE: little-endian two's complement. Texts in the code page, blank-padded.
        const QByteArray expected = handMadeRecord(
            -300, "Open toernooi", "Regel een\r\nRegel tw\xe9\xe9", {"Openen", "", "Toernooi, openen", "Caf\xe9", "X"});
        const HelpRec h = helpTopic(-300, "Open toernooi", QStringLiteral("Regel een\r\nRegel twéé"),
                                    {"Openen", "", "Toernooi, openen", QStringLiteral("Café"), "X"});
        QCOMPARE(expected.size(), HelpRec::Length);
        QVERIFY2(h.toBytes() == expected, qPrintable(testsupport::hex(h.toBytes().left(40))));
        QCOMPARE(HelpRec::fromBytes(expected.constData()), h);
        // Reading trims only on the right; writing cuts overlong fields.
        QCOMPARE(HelpRec::fromBytes(handMadeRecord(3, "  Titel", "  tekst   ", {"  woord"}).constData()),
                 helpTopic(3, "  Titel", "  tekst", {"  woord"}));
        QCOMPARE(helpTopic(1, QString(40, 'T'), QString(2100, 'x'), {QString(30, 'k')}).toBytes(),
                 handMadeRecord(1, QByteArray(40, 'T'), QByteArray(2100, 'x'), {QByteArray(30, 'k')}));
    }
    void indexListsEveryKeywordSorted()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("StootplannerHelp.hlp");
        testsupport::writeHelpFile(path, {helpTopic(1, "Een", "a", {"stand", "Beurten"}),
                                          helpTopic(2, "Twee", "b", {"Stand", "alarm"}),
                                          helpTopic(3, "Drie", "c", {"beurten"})},
                                   QByteArray(100, 'z'));   // a trailing partial record is not read
        // Blank keywords first, then alphabetical ignoring case; equal keywords in file order.
        std::vector<core::HelpIndexEntry> expected;
        for (qint16 n : {1, 1, 1, 2, 2, 2, 3, 3, 3, 3})
            expected.push_back({QString(), n});
        expected.insert(expected.end(), {{"alarm", 2}, {"Beurten", 1}, {"beurten", 3}, {"stand", 1}, {"Stand", 2}});
        QVERIFY(core::helpIndex(path) == expected);
        QVERIFY(core::helpIndex(dir.filePath("ontbreekt.hlp")).empty());
    }
    void indexSearchText_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("zoek");
        QTest::newRow("no comma, trimmed") << "Stand  " << "Stand";
        QTest::newRow("word, more") << "Stand, printen" << "Stand";
        QTest::newRow("comma at 3") << "Ab,c" << "Ab";
        QTest::newRow("comma at 2") << "A, b" << "A, b";
        QTest::newRow("comma at 1") << ",x" << ",x";
        QTest::newRow("empty") << "" << "";
    }
    void indexSearchText()
    {
        QFETCH(QString, entry);
        QFETCH(QString, zoek);
        QCOMPARE(core::indexSearchText(entry), zoek);
    }
    void searchHits_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("hit");
        // The words are split at the first two commas and trimmed; further commas stay in word 3.
        QTest::newRow("both, any case") << " STAND , printen " << "De stand kunt u Printen." << true;
        QTest::newRow("inside longer word") << "stand, print" << "tussenstanden afdrukken en printer" << true;
        QTest::newRow("second missing") << "stand, printen" << "De stand." << false;
        QTest::newRow("first missing") << "klok, stand" << "De stand." << false;
        QTest::newRow("word 3 with comma needed") << "a, b, c, d" << "a b c d" << false;
        QTest::newRow("word 3 with comma found") << "a, b, c, d" << "a b (c, d)" << true;
        QTest::newRow("empty word 2 ends the tests") << "stand,,zzz" << "stand" << true;
        QTest::newRow("blanks only hit everything") << "  " << "wat dan ook" << true;
        QTest::newRow("inner blanks kept") << "hoogste serie" << "de hoogste  serie" << false;
        QTest::newRow("accented") << "CAFÉ" << "in het café" << true;
    }
    void searchHits()
    {
        QFETCH(QString, input);
        QFETCH(QString, tekst);
        QFETCH(bool, hit);
        QCOMPARE(core::isSearchHit(tekst, core::splitSearchWords(input)), hit);
    }
    void searchFileKeepsFileOrderAndDuplicates()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("StootplannerHelp.hlp");
        testsupport::writeHelpFile(path, {helpTopic(1, "Zelfde", "alarm gaat af"), helpTopic(2, "Anders", "niets hier"),
                                          helpTopic(3, "Zelfde", "Het ALARM"),
                                          // the title and keywords are never searched
                                          helpTopic(4, "alarm", "klok", {"alarm"})});
        const std::vector<core::HelpHit> expected = {{"Zelfde", 1}, {"Zelfde", 3}};
        QVERIFY(core::searchHelpFile(path, core::splitSearchWords("alarm")) == expected);
    }
    void occurrencesDoNotOverlap()
    {
        QCOMPARE(core::wordOccurrences("aaaa", "aa"), (QList<int>{0, 2}));
        QCOMPARE(core::wordOccurrences("aaa", "aa"), (QList<int>{0}));
        QCOMPARE(core::wordOccurrences("Stand, stand en STAND", "stand"), (QList<int>{0, 7, 16}));
        QCOMPARE(core::wordOccurrences("abc", ""), QList<int>{});
    }
    void shippedFilesInstallOnce()
    {
        QTemporaryDir home;
        qputenv("STOOTPLANNER_HOME", home.path().toLocal8Bit());
        platform::installShippedFiles();
        const QString path = home.filePath("StootplannerHelp.hlp");
        const QByteArray shipped = readAll(":/shipped/StootplannerHelp.hlp");
        QVERIFY(shipped.size() >= 35 * HelpRec::Length);
        QCOMPARE(readAll(path), shipped);
        QVERIFY(readAll(home.filePath("ringin.wav")) == readAll(":/shipped/ringin.wav"));
        // An existing file is never replaced.
        QFile w(path);
        QVERIFY(w.open(QIODevice::WriteOnly | QIODevice::Truncate));
        w.write("eigen");
        w.close();
        platform::installShippedFiles();
        QCOMPARE(readAll(path), QByteArray("eigen"));
        qunsetenv("STOOTPLANNER_HOME");
    }
    void shippedAlarmIsPcmWave()
    {
        Q_INIT_RESOURCE(shipped);
        const QByteArray w = readAll(":/shipped/ringin.wav");
        QVERIFY(w.size() > 44);
        auto u16 = [&](int at) { return qFromLittleEndian<quint16>(w.constData() + at); };
        auto u32 = [&](int at) { return qFromLittleEndian<quint32>(w.constData() + at); };
        QCOMPARE(w.left(4) + w.mid(8, 8) + w.mid(36, 4), QByteArray("RIFFWAVEfmt data"));
        QCOMPARE(u32(4), quint32(w.size() - 8));
        QCOMPARE(u32(40), quint32(w.size() - 44));
        QCOMPARE((QList<int>{u16(20), u16(22), u16(34)}), (QList<int>{1, 1, 16}));   // PCM, mono, 16 bit
        const double seconds = double(u32(40)) / 2 / u32(24);
        QVERIFY(seconds > 1.0 && seconds < 4.0);
        // Not silence, and not clipped.
        int peak = 0;
        for (int i = 44; i + 1 < w.size(); i += 2)
            peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(w.constData() + i))));
        QVERIFY(peak > 10000 && peak < 32767);
    }
    void shippedHelpFileMatchesItsSource()
    {
        const QString source = QFINDTESTDATA("../tools/help-topics.txt");
        QVERIFY(!source.isEmpty());
        QString error;
        const auto topics = core::parseHelpTopics(QString::fromUtf8(readAll(source)), &error);
        QVERIFY2(topics, qPrintable(error));
        QByteArray expected;
        for (const HelpRec& h : *topics) {
            expected.append(h.toBytes());
            const QStringList trefwoorden(h.trefwoorden.begin(), h.trefwoorden.end());   // five, none blank
            QVERIFY2(h.tekst.size() > 200 && !trefwoorden.contains(QString()), qPrintable(h.titel));
        }
        Q_INIT_RESOURCE(shipped);
        QVERIFY2(readAll(":/shipped/StootplannerHelp.hlp") == expected,
                 "regenerate src/resources/StootplannerHelp.hlp with make-help-file");
        // Line breaks are CR LF, as the viewer and the print expect.
        QVERIFY((*topics)[0].tekst.contains("\r\n"));
        QVERIFY(!(*topics)[0].tekst.contains("\r\n\r\n\r\n"));
    }
    void topicSourceRefusals_data()
    {
        // A valid source of the 35 tree topics, then one change each.
        QString good;
        for (const auto& n : core::helpContentsTree())
            if (n.record > 0)
                good += QStringLiteral("=== %1 | %2\ntrefwoorden: a; b\nTekst %1.\n\n").arg(n.record).arg(n.text);
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("error");
        QTest::newRow("good") << good << QString();
        QTest::newRow("gap") << QString(good).replace("=== 7 |", "=== 8 |") << "topic 8 stands at record 7";
        QTest::newRow("tree title") << QString(good).replace("| Matrix", "| Kruistabel")
                                    << "topic 26 should be titled 'Matrix'";
        QTest::newRow("too short") << good.left(good.indexOf("=== 35")) << "the contents tree needs topic 35";
        QTest::newRow("long text") << QString(good).replace("Tekst 4.", QString(2001, 'x'))
                                   << "topic 4: text of 2001 bytes too long or not encodable";
        QTest::newRow("not encodable") << QString(good).replace("Tekst 5.", QString::fromUtf8("\u20ac \u4e2d"))
                                       << "topic 5: text of 3 bytes too long or not encodable";
        QTest::newRow("text before") << "tekst\n" + good << "text before the first topic: tekst";
    }
    void topicSourceRefusals()
    {
        QFETCH(QString, source);
        QFETCH(QString, error);
        QString why;
        const auto topics = core::parseHelpTopics(source, &why);
        QCOMPARE(why, error);
        QCOMPARE(bool(topics), error.isEmpty());
        if (topics) {
            QCOMPARE(int(topics->size()), 35);
            QCOMPARE((*topics)[2], helpTopic(3, "Gebruik help", "Tekst 3.", {"a", "b"}));
        }
    }
};


QTEST_MAIN(TestHelpFile)
#include "test_help_file.moc"
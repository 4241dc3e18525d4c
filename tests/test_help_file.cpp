// The help data file: record layout, keyword index, word search, marking,
// the contents tree, and the shipped help file and alarm sound.
#include "core/helpfile.h"
#include "help/modHelp.h"
#include "support/core/bytes_text.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using core::HelpRec;

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

HelpRec topic(qint16 n, const QString& titel, const QString& tekst, std::array<QString, 5> kw = {})
{
    HelpRec h;
    h.nummer = n;
    h.titel = titel;
    h.tekst = tekst;
    h.trefwoorden = kw;
    return h;
}

QString writeFile(const QTemporaryDir& dir, const std::vector<HelpRec>& recs, const QByteArray& tail = {})
{
    const QString path = dir.path() + QStringLiteral("/StootplannerHelp.hlp");
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    for (const HelpRec& r : recs)
        f.write(r.toBytes());
    f.write(tail);
    return path;
}

}  // namespace

class TestHelpFile : public QObject {
    Q_OBJECT
private slots:
    void recordBytesMatchHandMadeLayout();
    void recordReadsTrimsOnlyTheRight();
    void recordCutsOverlongTexts();
    void indexListsEveryKeywordSorted();
    void indexOfThirtyFiveTopicsHas175Entries();
    void indexSearchText_data();
    void indexSearchText();
    void splitSearchWords_data();
    void splitSearchWords();
    void searchHits_data();
    void searchHits();
    void searchFileKeepsFileOrderAndDuplicates();
    void occurrencesDoNotOverlap();
    void contentsTreeTable();
    void shippedHelpFileFollowsTheTree();
    void shippedAlarmIsPcmWave();
    void shippedHelpFileMatchesItsSource();
    void topicSourceRefusals_data();
    void topicSourceRefusals();
};

void TestHelpFile::recordBytesMatchHandMadeLayout()
{
    const QByteArray expected = handMadeRecord(
        7, "Open toernooi", "Regel een\r\nRegel tw\xe9\xe9", {"Openen", "", "Toernooi, openen", "Caf\xe9", "X"});
    const HelpRec h = topic(7, QStringLiteral("Open toernooi"), QStringLiteral("Regel een\r\nRegel twéé"),
                            {QStringLiteral("Openen"), QString(), QStringLiteral("Toernooi, openen"),
                             QStringLiteral("Café"), QStringLiteral("X")});
    const QByteArray bytes = h.toBytes();
    QCOMPARE(bytes.size(), 2157);
    QVERIFY2(bytes == expected, qPrintable(testsupport::hex(bytes.left(40))));
    // Field offsets: nummer 0, titel 2, tekst 32, keywords from 2032 every 25.
    QCOMPARE(bytes.mid(2, 13), QByteArray("Open toernooi"));
    QCOMPARE(bytes.mid(32, 9), QByteArray("Regel een"));
    QCOMPARE(bytes.mid(2032 + 2 * 25, 16), QByteArray("Toernooi, openen"));
    QCOMPARE(bytes.mid(2032 + 4 * 25, 2), QByteArray("X "));
    QCOMPARE(HelpRec::fromBytes(expected.constData()), h);

    // A negative number is stored little-endian two's complement.
    HelpRec neg;
    neg.nummer = -2;
    QCOMPARE(neg.toBytes().left(2), QByteArray("\xfe\xff", 2));
}

void TestHelpFile::recordReadsTrimsOnlyTheRight()
{
    const QByteArray b = handMadeRecord(3, "  Ingesprongen", "  tekst met blanks   ", {"  woord"});
    const HelpRec h = HelpRec::fromBytes(b.constData());
    QCOMPARE(h.nummer, qint16(3));
    QCOMPARE(h.titel, QStringLiteral("  Ingesprongen"));
    QCOMPARE(h.tekst, QStringLiteral("  tekst met blanks"));
    QCOMPARE(h.trefwoorden[0], QStringLiteral("  woord"));
    QCOMPARE(h.trefwoorden[1], QString());
}

void TestHelpFile::recordCutsOverlongTexts()
{
    const HelpRec h = topic(1, QString(40, QLatin1Char('T')), QString(2100, QLatin1Char('x')),
                            {QString(30, QLatin1Char('k'))});
    const QByteArray b = h.toBytes();
    QCOMPARE(b.size(), 2157);
    QCOMPARE(b.mid(2, 30), QByteArray(30, 'T'));
    QCOMPARE(b.at(2032), 'k');
    QCOMPARE(b.mid(2032 + 25, 25), QByteArray(25, ' '));
}

void TestHelpFile::indexListsEveryKeywordSorted()
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, {topic(1, "Een", "a", {"stand", "Beurten", "", "", ""}),
                                         topic(2, "Twee", "b", {"Stand", "alarm", "", "", ""}),
                                         topic(3, "Drie", "c", {"beurten", "", "", "", ""})},
                                   QByteArray(100, 'z'));   // a trailing partial record is not read
    const auto idx = core::helpIndex(path);
    QCOMPARE(int(idx.size()), 15);
    // Ten blank keywords stand first, in file order.
    for (int i = 0; i < 10; ++i)
        QCOMPARE(idx[size_t(i)].trefwoord, QString());
    QCOMPARE(idx[0].nummer, qint16(1));
    QCOMPARE(idx[3].nummer, qint16(2));
    QCOMPARE(idx[9].nummer, qint16(3));
    // Then alphabetical ignoring case; a shared keyword once per topic, in file order.
    const std::vector<core::HelpIndexEntry> rest(idx.begin() + 10, idx.end());
    const std::vector<core::HelpIndexEntry> expected = {
        {"alarm", 2}, {"Beurten", 1}, {"beurten", 3}, {"stand", 1}, {"Stand", 2}};
    QCOMPARE(int(rest.size()), 5);
    QCOMPARE(rest[0], expected[0]);
    QCOMPARE(rest[1], expected[1]);
    QCOMPARE(rest[2], expected[2]);
    QCOMPARE(rest[3], expected[3]);
    QCOMPARE(rest[4], expected[4]);
}

void TestHelpFile::indexOfThirtyFiveTopicsHas175Entries()
{
    QTemporaryDir dir;
    std::vector<HelpRec> recs;
    for (int k = 1; k <= 35; ++k)
        recs.push_back(topic(qint16(k), QStringLiteral("T%1").arg(k), "x", {QStringLiteral("w%1").arg(k)}));
    QCOMPARE(int(core::helpIndex(writeFile(dir, recs)).size()), 175);
    QVERIFY(core::helpIndex(dir.path() + QStringLiteral("/ontbreekt.hlp")).empty());
}

void TestHelpFile::indexSearchText_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("zoek");
    QTest::newRow("no comma") << "Stand" << "Stand";
    QTest::newRow("word, more") << "Stand, printen" << "Stand";
    QTest::newRow("comma at 2") << "A, b" << "A, b";
    QTest::newRow("comma at 1") << ",x" << ",x";
    QTest::newRow("comma at 3") << "Ab,c" << "Ab";
    QTest::newRow("empty") << "" << "";
}

void TestHelpFile::indexSearchText()
{
    QFETCH(QString, entry);
    QFETCH(QString, zoek);
    QCOMPARE(core::indexSearchText(entry), zoek);
}

void TestHelpFile::splitSearchWords_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("one") << "  stand  " << QStringList{"stand", "", ""};
    QTest::newRow("two") << "stand , printen" << QStringList{"stand", "printen", ""};
    QTest::newRow("three") << "a,b,c" << QStringList{"a", "b", "c"};
    QTest::newRow("four stay in word 3") << "a, b, c, d" << QStringList{"a", "b", "c, d"};
    QTest::newRow("empty middle") << "a,,c" << QStringList{"a", "", "c"};
    QTest::newRow("blanks only") << "   " << QStringList{"", "", ""};
    QTest::newRow("inner blanks kept") << "hoogste serie" << QStringList{"hoogste serie", "", ""};
}

void TestHelpFile::splitSearchWords()
{
    QFETCH(QString, input);
    QFETCH(QStringList, words);
    const core::SearchWords w = core::splitSearchWords(input);
    QCOMPARE((QStringList{w[0], w[1], w[2]}), words);
}

void TestHelpFile::searchHits_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<bool>("hit");
    QTest::newRow("both, any case") << "STAND, printen" << "De stand kunt u Printen." << true;
    QTest::newRow("inside longer word") << "stand, print" << "tussenstanden afdrukken en printer" << true;
    QTest::newRow("second missing") << "stand, printen" << "De stand." << false;
    QTest::newRow("first missing") << "klok, stand" << "De stand." << false;
    QTest::newRow("word 3 with comma needed") << "a, b, c, d" << "a b c d" << false;
    QTest::newRow("word 3 with comma found") << "a, b, c, d" << "a b (c, d)" << true;
    QTest::newRow("empty word 2 ends the tests") << "stand,,zzz" << "stand" << true;
    QTest::newRow("blanks only hit everything") << "  " << "wat dan ook" << true;
    QTest::newRow("accented") << "CAFÉ" << "in het café" << true;
}

void TestHelpFile::searchHits()
{
    QFETCH(QString, input);
    QFETCH(QString, tekst);
    QFETCH(bool, hit);
    QCOMPARE(core::isSearchHit(tekst, core::splitSearchWords(input)), hit);
}

void TestHelpFile::searchFileKeepsFileOrderAndDuplicates()
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, {topic(1, "Zelfde", "alarm gaat af"), topic(2, "Anders", "niets hier"),
                                         topic(3, "Zelfde", "Het ALARM"),
                                         // the title and keywords are never searched
                                         topic(4, "alarm", "klok", {"alarm"})});
    const auto hits = core::searchHelpFile(path, core::splitSearchWords("alarm"));
    QCOMPARE(int(hits.size()), 2);
    QCOMPARE(hits[0], (core::HelpHit{"Zelfde", 1}));
    QCOMPARE(hits[1], (core::HelpHit{"Zelfde", 3}));
}

void TestHelpFile::occurrencesDoNotOverlap()
{
    QCOMPARE(core::wordOccurrences("aaaa", "aa"), (QList<int>{0, 2}));
    QCOMPARE(core::wordOccurrences("aaa", "aa"), (QList<int>{0}));
    QCOMPARE(core::wordOccurrences("Stand, stand en STAND", "stand"), (QList<int>{0, 7, 16}));
    QCOMPARE(core::wordOccurrences("abc", ""), QList<int>{});
    QCOMPARE(core::findIgnoringCase("De Klok", "klok"), 3);
}

void TestHelpFile::contentsTreeTable()
{
    const auto& tree = core::helpContentsTree();
    QCOMPARE(int(tree.size()), 46);
    QCOMPARE(QString::fromLatin1(tree[0].key), QStringLiteral("H"));
    QCOMPARE(QString::fromLatin1(tree[0].parent), QString());
    int expect = 1;
    QStringList chapters;
    for (const auto& n : tree) {
        if (n.record > 0) {
            QCOMPARE(n.record, expect++);   // topics 1 to 35 in tree order
            QCOMPARE(QString::fromLatin1(n.key).left(1), QString::fromLatin1(n.parent));
        } else if (QLatin1String(n.key) != QLatin1String("H")) {
            chapters << QString::fromLatin1(n.key);
            QCOMPARE(QString::fromLatin1(n.parent), QStringLiteral("H"));
        }
    }
    QCOMPARE(expect, 36);
    QCOMPARE(chapters, (QStringList{"A", "B", "C", "D", "E", "F", "G", "I", "J", "K"}));
    QCOMPARE(core::helpRecordForKey("J4"), 34);
    QCOMPARE(core::helpRecordForKey("K1"), 35);
    QCOMPARE(core::helpRecordForKey("G"), 0);
    QCOMPARE(core::helpRecordForKey("Z9"), 0);
}

void TestHelpFile::shippedHelpFileFollowsTheTree()
{
    QTemporaryDir home;
    qputenv("STOOTPLANNER_HOME", home.path().toLocal8Bit());
    modHelp::InstallShippedFiles();
    const QString path = home.path() + QStringLiteral("/StootplannerHelp.hlp");
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray all = f.readAll();
    QCOMPARE(all.size() % HelpRec::Length, 0);
    const int n = int(all.size() / HelpRec::Length);
    QVERIFY(n >= 35);
    for (int k = 1; k <= n; ++k) {
        const HelpRec h = HelpRec::fromBytes(all.constData() + (k - 1) * HelpRec::Length);
        QCOMPARE(h.nummer, qint16(k));
        QVERIFY2(h.tekst.size() > 200, qPrintable(h.titel));
        QVERIFY(!h.trefwoorden[0].isEmpty());
    }
    for (const auto& node : core::helpContentsTree())
        if (node.record > 0)
            QCOMPARE(core::readHelpRecord(path, node.record)->titel, QString::fromUtf8(node.text));
    // An existing file is never replaced.
    QFile::remove(path);
    QFile w(path);
    QVERIFY(w.open(QIODevice::WriteOnly));
    w.write("eigen");
    w.close();
    modHelp::InstallShippedFiles();
    QCOMPARE(QFileInfo(path).size(), qint64(5));
    qunsetenv("STOOTPLANNER_HOME");
}

void TestHelpFile::shippedAlarmIsPcmWave()
{
    Q_INIT_RESOURCE(shipped);
    QFile f(QStringLiteral(":/shipped/ringin.wav"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray w = f.readAll();
    QVERIFY(w.size() > 44);
    QCOMPARE(w.left(4), QByteArray("RIFF"));
    QCOMPARE(qFromLittleEndian<quint32>(w.constData() + 4), quint32(w.size() - 8));
    QCOMPARE(w.mid(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(qFromLittleEndian<quint16>(w.constData() + 20), quint16(1));    // PCM
    QCOMPARE(qFromLittleEndian<quint16>(w.constData() + 22), quint16(1));    // mono
    const quint32 rate = qFromLittleEndian<quint32>(w.constData() + 24);
    QCOMPARE(qFromLittleEndian<quint16>(w.constData() + 34), quint16(16));
    QCOMPARE(w.mid(36, 4), QByteArray("data"));
    const quint32 dataSize = qFromLittleEndian<quint32>(w.constData() + 40);
    QCOMPARE(dataSize, quint32(w.size() - 44));
    const double seconds = double(dataSize) / 2 / rate;
    QVERIFY(seconds > 1.0 && seconds < 4.0);
    // Not silence, and not clipped.
    int peak = 0;
    for (quint32 i = 44; i + 1 < quint32(w.size()); i += 2)
        peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(w.constData() + i))));
    QVERIFY(peak > 10000 && peak < 32767);
}

void TestHelpFile::shippedHelpFileMatchesItsSource()
{
    const QString source = QFINDTESTDATA("../tools/help-topics.txt");
    QVERIFY(!source.isEmpty());
    QFile f(source);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QString error;
    const auto topics = core::parseHelpTopics(QString::fromUtf8(f.readAll()), &error);
    QVERIFY2(topics, qPrintable(error));
    QByteArray expected;
    for (const HelpRec& h : *topics)
        expected.append(h.toBytes());
    Q_INIT_RESOURCE(shipped);
    QFile shipped(QStringLiteral(":/shipped/StootplannerHelp.hlp"));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    QVERIFY2(shipped.readAll() == expected, "regenerate src/resources/StootplannerHelp.hlp with make-help-file");
    // Line breaks are CR LF, as the viewer and the print expect.
    QVERIFY((*topics)[0].tekst.contains("\r\n"));
    QVERIFY(!(*topics)[0].tekst.contains("\r\n\r\n\r\n"));
}

void TestHelpFile::topicSourceRefusals_data()
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
    QTest::newRow("six keywords") << QString(good).replace("a; b\nTekst 3.", "a;b;c;d;e;f\nTekst 3.")
                                  << "topic 3: more than five keywords";
    QTest::newRow("long text") << QString(good).replace("Tekst 4.", QString(2001, 'x'))
                               << "topic 4: text of 2001 bytes too long or not encodable";
    QTest::newRow("not encodable") << QString(good).replace("Tekst 5.", QString::fromUtf8("\u20ac \u4e2d"))
                                   << "topic 5: text of 3 bytes too long or not encodable";
    QTest::newRow("text before") << "tekst\n" + good << "text before the first topic: tekst";
}

void TestHelpFile::topicSourceRefusals()
{
    QFETCH(QString, source);
    QFETCH(QString, error);
    QString why;
    const auto topics = core::parseHelpTopics(source, &why);
    QCOMPARE(why, error);
    QCOMPARE(bool(topics), error.isEmpty());
    if (topics) {
        QCOMPARE(int(topics->size()), 35);
        QCOMPARE((*topics)[2].tekst, QStringLiteral("Tekst 3."));
        QCOMPARE((*topics)[2].trefwoorden[1], QStringLiteral("b"));
        QCOMPARE((*topics)[2].trefwoorden[2], QString());
    }
}

QTEST_MAIN(TestHelpFile)
#include "test_help_file.moc"

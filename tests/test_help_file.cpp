// The help data file: record layout, keyword index, word search, marking,
// the topic source, and the shipped help file and alarm sound.
#include "core/helpfile.h"
#include "platform/programfolder.h"
#include "support/core/bytes_text.h"
#include "support/help_fixture.h"

#include <QTemporaryDir>
#include <QtTest>

using core::HelpRec;
using testsupport::helpTopic;

namespace {

// A record built byte by byte, as the file holds it.
QByteArray handMadeRecord(qint16 nummer, const QByteArray& titel, const QByteArray& tekst, const QList<QByteArray>& kw)
{
    QByteArray b;
    b.append(char(nummer & 0xFF)).append(char((nummer >> 8) & 0xFF));
    auto field = [&](const QByteArray& s, int width) { b.append(s.left(width).leftJustified(width, ' ')); };
    field(titel, 30);
    field(tekst, 2000);
    for (int i = 0; i < 5; ++i)
        field(kw.value(i), 25);
    return b;
}

QByteArray readAll(const QString& path) { QFile f(path); return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(); }

}  // namespace

class TestHelpFile : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Q_INIT_RESOURCE(shipped); }
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
    }
    void indexAndSearchReadTheFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("StootplannerHelp.hlp");
        testsupport::writeHelpFile(path, {helpTopic(1, "Zelfde", "alarm gaat af", {"stand", "Beurten"}),
                                          helpTopic(2, "Anders", "niets hier", {"Stand", "alarm"}),
                                          helpTopic(3, "Zelfde", "Het ALARM", {"beurten"}),
                                          helpTopic(4, "alarm", "klok", {"alarm"})},
                                   QByteArray(2156, 'a'));   // a trailing partial record is not read
        // Blank keywords first, then alphabetical ignoring case; equal keywords in file order.
        std::vector<core::HelpIndexEntry> expected;
        for (qint16 n : {1, 1, 1, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4})
            expected.push_back({QString(), n});
        expected.insert(expected.end(), {{"alarm", 2}, {"alarm", 4}, {"Beurten", 1}, {"beurten", 3}, {"stand", 1}, {"Stand", 2}});
        QVERIFY(core::helpIndex(path) == expected);
        QVERIFY(core::helpIndex(dir.filePath("ontbreekt.hlp")).empty());
        // Only the texts are searched, in file order, duplicates kept.
        QVERIFY(core::searchHelpFile(path, core::splitSearchWords("alarm"))
                == (std::vector<core::HelpHit>{{"Zelfde", 1}, {"Zelfde", 3}}));
    }
    void wordRules()
    {
        // An index entry looks for the part before its first comma, unless that comma stands at position 1 or 2.
        const std::pair<QString, QString> entries[] = {{"Stand  ", "Stand"}, {"Stand, printen", "Stand"}, {"Ab,c", "Ab"},
                                                       {"A, b", "A, b"},     {",x", ",x"},                 {"", ""}};
        for (const auto& [entry, zoek] : entries)
            QCOMPARE(core::indexSearchText(entry), zoek);
        // Search words are split at the first two commas and trimmed; further commas stay in word 3.
        const struct { const char* input; const char* tekst; bool hit; } cases[] = {
            {" STAND , printen ", "De stand kunt u Printen.", true}, {"stand, printen", "De stand.", false},
            {"stand, print", "tussenstanden afdrukken en printer", true}, {"klok, stand", "De stand.", false},
            {"a, b, c, d", "a b c d", false},   {"a, b, c, d", "a b (c, d)", true},   {"CAFÉ", "in het café", true},
            {"stand,,zzz", "stand", true},   // an empty word 2 ends the tests
            {"  ", "wat dan ook", true},     {"hoogste serie", "de hoogste  serie", false},   // inner blanks kept
        };
        for (const auto& c : cases)
            QVERIFY2(core::isSearchHit(c.tekst, core::splitSearchWords(c.input)) == c.hit, c.input);
        // Marked occurrences do not overlap.
        QCOMPARE(core::wordOccurrences("aaaa", "aa") + core::wordOccurrences("aaa", "aa") + core::wordOccurrences("abc", "")
                     + core::wordOccurrences("Stand, stand en STAND", "stand"),
                 (QList<int>{0, 2, 0, 0, 7, 16}));
    }
    void shippedFiles()
    {
        // Installed as shipped; the alarm a 16-bit mono PCM sound.
        QTemporaryDir home;
        qputenv("STOOTPLANNER_HOME", home.path().toLocal8Bit());
        platform::installShippedFiles();
        qunsetenv("STOOTPLANNER_HOME");
        const QByteArray help = readAll(":/shipped/StootplannerHelp.hlp"), wav = readAll(":/shipped/ringin.wav");
        QVERIFY(readAll(home.filePath("StootplannerHelp.hlp")) == help && readAll(home.filePath("ringin.wav")) == wav);
        QCOMPARE(wav.left(4) + wav.mid(8, 8) + wav.mid(20, 4) + wav.mid(34, 2), QByteArray("RIFFWAVEfmt \1\0\1\0\x10\0", 18));
        QVERIFY(wav.size() > 44 && qFromLittleEndian<quint32>(wav.constData() + 40) == quint32(wav.size() - 44));
        // The help file is made from its source, every topic with a real text and five keywords.
        QString error;
        const auto topics = core::parseHelpTopics(QString::fromUtf8(readAll(QFINDTESTDATA("../tools/help-topics.txt"))), &error);
        QVERIFY2(topics && topics->size() >= 35, qPrintable(error));
        QByteArray expected;
        for (const HelpRec& h : *topics) {
            expected.append(h.toBytes());
            const QStringList trefwoorden(h.trefwoorden.begin(), h.trefwoorden.end());
            QVERIFY2(h.tekst.size() > 200 && !trefwoorden.contains(QString()), qPrintable(h.titel));
        }
        QVERIFY2(help == expected, "regenerate src/resources/StootplannerHelp.hlp with make-help-file");
        // Line breaks are CR LF, as the viewer and the print expect.
        QVERIFY((*topics)[0].tekst.contains("\r\n") && !(*topics)[0].tekst.contains("\r\n\r\n\r\n"));
    }
    void topicSourceRefusals()
    {
        // A valid source of the 35 tree topics, then one change each.
        QString good;
        for (const auto& n : core::helpContentsTree())
            if (n.record > 0)
                good += QStringLiteral("=== %1 | %2\ntrefwoorden: a; b\nTekst %1.\n\n").arg(n.record).arg(n.text);
        QString why;
        const auto topics = core::parseHelpTopics(good, &why);
        QVERIFY2(topics && topics->size() == 35 && (*topics)[2] == helpTopic(3, "Gebruik help", "Tekst 3.", {"a", "b"}),
                 qPrintable(why));
        const struct { QString from, to, error; } cases[] = {
            {"=== 7 |", "=== 8 |", "topic 8 stands at record 7"},
            {"| Matrix", "| Kruistabel", "topic 26 should be titled 'Matrix'"},
            {"=== 35 |", "#", "the contents tree needs topic 35"},
            {"Tekst 4.", QString(2001, 'x'), "topic 4: text of 2001 bytes too long or not encodable"},
            {"Tekst 5.", QStringLiteral("\u20ac \u4e2d"), "topic 5: text of 3 bytes too long or not encodable"},
            {"=== 1 |", "tekst\n=== 1 |", "text before the first topic: tekst"},
        };
        for (const auto& c : cases) {
            QVERIFY(!core::parseHelpTopics(QString(good).replace(c.from, c.to), &why));
            QCOMPARE(why, c.error);
        }
    }
};

QTEST_MAIN(TestHelpFile)
#include "test_help_file.moc"

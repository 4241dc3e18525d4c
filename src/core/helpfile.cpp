#include "helpfile.h"
#include "bytes.h"
#include "recordfile.h"
#include "text1252.h"

#include <QStringList>

#include <algorithm>

namespace core {

QByteArray HelpRec::toBytes() const
{
    ByteWriter w(Length);
    w.i16(nummer);
    w.text(titel, TitelLength);
    w.text(tekst, TekstLength);
    for (const QString& t : trefwoorden)
        w.text(t, TrefwoordLength);
    return w.bytes();
}

HelpRec HelpRec::fromBytes(const char* data)
{
    ByteReader r(data);
    HelpRec h;
    h.nummer = r.i16();
    h.titel = r.text(TitelLength);
    h.tekst = r.text(TekstLength);
    for (QString& t : h.trefwoorden)
        t = r.text(TrefwoordLength);
    return h;
}

std::optional<HelpRec> readHelpRecord(const QString& path, qint64 k)
{
    return RecordFile<HelpRec>::read(path, k);
}

std::vector<HelpIndexEntry> helpIndex(const QString& path)
{
    std::vector<HelpIndexEntry> out;
    scanRawRecords(path, HelpRec::Length, [&](const char* data) {
        const HelpRec h = HelpRec::fromBytes(data);
        for (const QString& t : h.trefwoorden)
            out.push_back({t, h.nummer});
    });
    sortHelpIndex(out);
    return out;
}

void sortHelpIndex(std::vector<HelpIndexEntry>& entries)
{
    std::stable_sort(entries.begin(), entries.end(), [](const HelpIndexEntry& a, const HelpIndexEntry& b) {
        return QString::compare(a.trefwoord, b.trefwoord, Qt::CaseInsensitive) < 0;
    });
}

QString indexSearchText(const QString& entry)
{
    const int comma = int(entry.indexOf(QLatin1Char(',')));
    // Positions counted from 1: a comma at 1 or 2 cannot end a word worth finding.
    if (comma < 0 || comma + 1 <= 2) {
        QString s = entry;
        while (s.endsWith(QLatin1Char(' ')))
            s.chop(1);
        return s;
    }
    return entry.left(comma);
}

namespace {
QString trimBlanks(QString s)
{
    int b = 0;
    while (b < s.size() && s[b] == QLatin1Char(' '))
        ++b;
    int e = int(s.size());
    while (e > b && s[e - 1] == QLatin1Char(' '))
        --e;
    return s.mid(b, e - b);
}
} // namespace

SearchWords splitSearchWords(const QString& text)
{
    QString s = text;
    while (s.endsWith(QLatin1Char(' ')))
        s.chop(1);
    SearchWords w;
    const int c1 = int(s.indexOf(QLatin1Char(',')));
    if (c1 < 0) {
        w[0] = trimBlanks(s);
        return w;
    }
    w[0] = trimBlanks(s.left(c1));
    const int c2 = int(s.indexOf(QLatin1Char(','), c1 + 1));
    if (c2 < 0) {
        w[1] = trimBlanks(s.mid(c1 + 1));
        return w;
    }
    w[1] = trimBlanks(s.mid(c1 + 1, c2 - c1 - 1));
    w[2] = trimBlanks(s.mid(c2 + 1));
    return w;
}

bool isSearchHit(const QString& tekst, const SearchWords& words)
{
    auto holds = [&](const QString& w) { return w.isEmpty() || tekst.contains(w, Qt::CaseInsensitive); };
    if (!holds(words[0]))
        return false;
    if (words[1].isEmpty())
        return true;   // word 3 is only looked at after a word 2
    if (!holds(words[1]))
        return false;
    return words[2].isEmpty() || holds(words[2]);
}

std::vector<HelpHit> searchHelpFile(const QString& path, const SearchWords& words)
{
    std::vector<HelpHit> hits;
    scanRawRecords(path, HelpRec::Length, [&](const char* data) {
        const HelpRec h = HelpRec::fromBytes(data);
        if (isSearchHit(h.tekst, words))
            hits.push_back({h.titel, h.nummer});
    });
    return hits;
}

int findIgnoringCase(const QString& text, const QString& word, int from)
{
    if (word.isEmpty() || from < 0 || from > text.size())
        return -1;
    return int(text.indexOf(word, from, Qt::CaseInsensitive));
}

QList<int> wordOccurrences(const QString& text, const QString& word)
{
    QList<int> out;
    int pos = findIgnoringCase(text, word, 0);
    while (pos >= 0) {
        out.append(pos);
        pos = findIgnoringCase(text, word, pos + int(word.size()));
    }
    return out;
}

namespace {
bool fitsField(const QString& text, int width)
{
    // Characters outside the code page would turn into '?'.
    const QByteArray b = toCp1252(text);
    return b.size() <= width && fromCp1252(b) == text;
}
} // namespace

std::optional<std::vector<HelpRec>> parseHelpTopics(const QString& source, QString* error)
{
    auto fail = [&](const QString& why) -> std::optional<std::vector<HelpRec>> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    std::vector<HelpRec> topics;
    QStringList body;
    auto finish = [&]() {
        if (topics.empty())
            return;
        while (!body.isEmpty() && body.last().trimmed().isEmpty())
            body.removeLast();
        while (!body.isEmpty() && body.first().trimmed().isEmpty())
            body.removeFirst();
        topics.back().tekst = body.join(QStringLiteral("\r\n"));
        body.clear();
    };
    for (QString line : source.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.startsWith(QLatin1String("=== "))) {
            finish();
            const int bar = int(line.indexOf(QLatin1Char('|')));
            bool ok = false;
            HelpRec h;
            h.nummer = bar < 0 ? 0 : qint16(line.mid(4, bar - 4).trimmed().toInt(&ok));
            if (!ok)
                return fail(QStringLiteral("bad topic line: %1").arg(line));
            h.titel = line.mid(bar + 1).trimmed();
            topics.push_back(h);
            continue;
        }
        if (topics.empty()) {
            if (!line.trimmed().isEmpty() && !line.startsWith(QLatin1Char('#')))
                return fail(QStringLiteral("text before the first topic: %1").arg(line));
            continue;
        }
        if (body.isEmpty() && line.startsWith(QLatin1String("trefwoorden:"))) {
            const QStringList words = line.mid(12).split(QLatin1Char(';'));
            if (words.size() > HelpRec::TrefwoordAantal)
                return fail(QStringLiteral("topic %1: more than five keywords").arg(topics.back().nummer));
            for (int i = 0; i < words.size(); ++i)
                topics.back().trefwoorden[size_t(i)] = words[i].trimmed();
            continue;
        }
        body << line;
    }
    finish();

    for (size_t i = 0; i < topics.size(); ++i) {
        const HelpRec& h = topics[i];
        if (h.nummer != qint16(i + 1))
            return fail(QStringLiteral("topic %1 stands at record %2").arg(h.nummer).arg(i + 1));
        if (!fitsField(h.titel, HelpRec::TitelLength))
            return fail(QStringLiteral("topic %1: title too long or not encodable").arg(h.nummer));
        if (!fitsField(h.tekst, HelpRec::TekstLength))
            return fail(QStringLiteral("topic %1: text of %2 bytes too long or not encodable")
                            .arg(h.nummer)
                            .arg(toCp1252(h.tekst).size()));
        for (const QString& t : h.trefwoorden)
            if (!fitsField(t, HelpRec::TrefwoordLength))
                return fail(QStringLiteral("topic %1: keyword '%2' too long or not encodable").arg(h.nummer).arg(t));
    }
    for (const HelpTreeNode& n : helpContentsTree()) {
        if (n.record == 0)
            continue;
        if (size_t(n.record) > topics.size())
            return fail(QStringLiteral("the contents tree needs topic %1").arg(n.record));
        if (topics[size_t(n.record) - 1].titel != QString::fromUtf8(n.text))
            return fail(QStringLiteral("topic %1 should be titled '%2'").arg(n.record).arg(QString::fromUtf8(n.text)));
    }
    return topics;
}

const std::vector<HelpTreeNode>& helpContentsTree()
{
    static const std::vector<HelpTreeNode> nodes = {
        {"H", "", "Inhoud", 0},
        {"A", "H", "Inleiding", 0},
        {"A1", "A", "Welkomsscherm", 1},
        {"A2", "A", "Gebruik knoppen", 2},
        {"A3", "A", "Gebruik help", 3},
        {"A4", "A", "Snel beginnen", 4},
        {"B", "H", "Menu Bestand", 0},
        {"B1", "B", "Nieuw toernooi", 5},
        {"B2", "B", "Moyennes aanpassen", 6},
        {"B3", "B", "Open toernooi", 7},
        {"B4", "B", "Restore toernooi", 8},
        {"B5", "B", "Backup toernooi", 9},
        {"B6", "B", "Programma Afsluiten", 10},
        {"C", "H", "Menu Toernooibeheer", 0},
        {"C1", "C", "Toernooi overzicht", 11},
        {"C2", "C", "Gegevens wijzigen", 12},
        {"D", "H", "Menu Poulebeheer", 0},
        {"D1", "D", "Naar poulebeheer", 13},
        {"D2", "D", "Print poule-indeling", 14},
        {"D3", "D", "Print partij-indeling", 15},
        {"D4", "D", "Naamkaartjes", 16},
        {"D5", "D", "Zoek speler", 17},
        {"E", "H", "Menu Rondebeheer", 0},
        {"E1", "E", "Ga naar ronde", 18},
        {"E2", "E", "Nieuwe ronde maken", 19},
        {"E3", "E", "Handmatig doorkoppelen", 20},
        {"E4", "E", "Automatisch doorkoppelen", 21},
        {"F", "H", "Menu Uitslagen", 0},
        {"F1", "F", "Uitslagen Invoeren", 22},
        {"F2", "F", "Uitslagen Wijzigen", 23},
        {"F3", "F", "Uitslagen Verwijderen", 24},
        {"G", "H", "Menu Overzichten", 0},
        {"G1", "G", "Stand", 25},
        {"G2", "G", "Matrix", 26},
        {"G3", "G", "Overzicht per speler", 27},
        {"G4", "G", "Lijstje poulewinnaars", 28},
        {"I", "H", "Menu Planning", 0},
        {"I1", "I", "Nieuwe planning maken", 29},
        {"I2", "I", "Bestaande planning openen", 30},
        {"J", "H", "Menu Diversen", 0},
        {"J1", "J", "Clubnaam invoeren", 31},
        {"J2", "J", "Clublogo laden", 32},
        {"J3", "J", "Notitieblok", 33},
        {"J4", "J", "Klok", 34},
        {"K", "H", "Printen", 0},
        {"K1", "K", "Algemeen", 35},
    };
    return nodes;
}

} // namespace core

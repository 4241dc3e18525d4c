#pragma once
// The help data file "StootplannerHelp.hlp": fixed records of 2157 bytes,
// one topic each, and the rules of the help viewer that need no window:
// the keyword index, the word search, the marking of words and the fixed
// contents tree.
#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace core {

inline constexpr const char* HelpFileName = "StootplannerHelp.hlp";

struct HelpRec {
    static constexpr int Length = 2157;
    static constexpr int TitelLength = 30;
    static constexpr int TekstLength = 2000;
    static constexpr int TrefwoordLength = 25;
    static constexpr int TrefwoordAantal = 5;

    qint16 nummer = 0;                // equals the record number
    QString titel;                    // 30
    QString tekst;                    // 2000, with its own CR LF line breaks
    std::array<QString, 5> trefwoorden;  // 5 x 25

    QByteArray toBytes() const;
    static HelpRec fromBytes(const char* data);
    bool operator==(const HelpRec&) const = default;
};

// Record k (from 1) of the help file; nullopt when the file cannot be read
// or has no whole record k.
std::optional<HelpRec> readHelpRecord(const QString& path, qint64 k);

// ------------------------------------------------------------- index

struct HelpIndexEntry {
    QString trefwoord;   // right-trimmed; blank keywords give empty entries
    qint16 nummer = 0;   // the topic's record number
    bool operator==(const HelpIndexEntry&) const = default;
};

// The five keywords of every whole record, in file order, then put in the
// order of the sorted index list: alphabetical ignoring case, empty entries
// first, entries with the same keyword in file order.
std::vector<HelpIndexEntry> helpIndex(const QString& path);
void sortHelpIndex(std::vector<HelpIndexEntry>& entries);

// The text an index entry looks for in its topic: the part before the first
// comma, or the whole entry when it has no comma or the comma stands at
// position 1 or 2.
QString indexSearchText(const QString& entry);

// ------------------------------------------------------------- search

using SearchWords = std::array<QString, 3>;

// Splits the search box text into the three search words (see the viewer):
// the right-trimmed text split at the first two commas, each word trimmed;
// further commas stay in word 3.
SearchWords splitSearchWords(const QString& text);

// A topic text is a hit when it contains word 1 and, when word 2 is given,
// word 2 and, when that holds and word 3 is given, word 3; case is ignored
// and an empty word 1 is contained everywhere.
bool isSearchHit(const QString& tekst, const SearchWords& words);

struct HelpHit {
    QString titel;
    qint16 nummer = 0;
    bool operator==(const HelpHit&) const = default;
};
// Every whole record whose text is a hit, in file order.
std::vector<HelpHit> searchHelpFile(const QString& path, const SearchWords& words);

// Index of the first occurrence of word in text at or after `from`,
// ignoring case; -1 when there is none.
int findIgnoringCase(const QString& text, const QString& word, int from = 0);
// Start indices of the occurrences of word, searched from the left; an
// occurrence starts after the end of the previous one (no overlaps).
QList<int> wordOccurrences(const QString& text, const QString& word);

// ------------------------------------------------------ topic source

// Reads the text source of the help file: each topic starts with a line
// "=== <nummer> | <titel>", optionally followed by "trefwoorden: a; b; c"
// (at most five), then its text; lines starting with '#' before the first
// topic are comments. Text lines are joined with CR LF, blank lines around a
// text dropped. Returns the records, or nullopt with the reason in *error
// when the topics are not numbered 1, 2, 3, ..., a field does not fit or
// holds characters outside the code page, or the first 35 titles differ
// from the contents tree.
std::optional<std::vector<HelpRec>> parseHelpTopics(const QString& source, QString* error);

// ------------------------------------------------------- contents tree

struct HelpTreeNode {
    const char* key;
    const char* parent;   // empty for the root
    const char* text;
    int record;           // 1..35 for topics, 0 for the root and chapters
};
// The 46 nodes in the order they are added: root, then each chapter
// followed by its topics.
const std::vector<HelpTreeNode>& helpContentsTree();
inline constexpr int HelpTreeTopics = 35;

} // namespace core
